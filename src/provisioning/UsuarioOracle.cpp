#include "provisioning/UsuarioOracle.h"

#include <array>

namespace {

constexpr std::array<const char*, 33> kRoles = {
    "DBA",
    "CTXAPP",
    "WKUSER",
    "\"CONNECT\"",
    "OLAP_DBA",
    "\"RESOURCE\"",
    "XDBADMIN",
    "EJBCLIENT",
    "MGMT_USER",
    "OLAP_USER",
    "JAVAIDPRIV",
    "JAVA_ADMIN",
    "DMUSER_ROLE",
    "JAVASYSPRIV",
    "JAVA_DEPLOY",
    "OEM_MONITOR",
    "AQ_USER_ROLE",
    "JAVAUSERPRIV",
    "HS_ADMIN_ROLE",
    "JAVADEBUGPRIV",
    "WM_ADMIN_ROLE",
    "DM_CATALOG_ROLE",
    "SCHEDULER_ADMIN",
    "AUTHENTICATEDUSER",
    "EXP_FULL_DATABASE",
    "IMP_FULL_DATABASE",
    "DELETE_CATALOG_ROLE",
    "SELECT_CATALOG_ROLE",
    "EXECUTE_CATALOG_ROLE",
    "AQ_ADMINISTRATOR_ROLE",
    "LOGSTDBY_ADMINISTRATOR",
    "RECOVERY_CATALOG_OWNER",
    "GATHER_SYSTEM_STATISTICS",
};

constexpr std::array<const char*, 35> kObjetos = {
    "CTXSYS.CTX_VALIDATE",
    "CTXSYS.DRI_MOVE_CTXSYS",
    "EXFSYS.EXF$CHECK_PRIVILEGE",
    "EXFSYS.EXF$EXPCORRCHKOCI",
    "EXFSYS.EXF$EXPFUNCLISTCHK",
    "EXFSYS.EXF$XPDUMPTAGSINFO",
    "EXFSYS.GETDUMMYTAGS",
    "EXFSYS.GETTAGSARROCI",
    "WKSYS.MOVE_WK",
    "OUTLN.ORA$GRANT_SYS_SELECT",
    "SYSTEM.ORA$_SYS_REP_AUTH",
    "WMSYS.OWM_VALIDATE",
    "SYSMAN.SETEMUSERCONTEXT",
    "SYSMAN.SETEMVIEWUSERCONTEXT",
    "XDB.SETMODFLG",
    "ORDSYS.SI_APPENDCLRHSTGR",
    "ORDSYS.SI_CHGCONTENT",
    "ORDSYS.SI_CONVERTFORMAT",
    "ORDSYS.SI_SETAVGCLRFTR",
    "ORDSYS.SI_SETCLRHSTGRFTR",
    "ORDSYS.SI_SETPSTNLCLRFTR",
    "ORDSYS.SI_SETTEXTUREFTR",
    "CTXSYS.SYNCRN",
    "WKSYS.UPDATE_ACL_CACHE_SIZE",
    "DMSYS.VALIDATE_ODM",
    "ORDSYS.VALIDATE_ORDIM",
    "ORDSYS.VALIDATE_ORDIM_WITH_DETAILS",
    "MDSYS.VALIDATE_SDO",
    "WKSYS.WK$POST_OPTIMIZE_INDEX",
    "WKSYS.WK$PRE_OPTIMIZE_INDEX",
    "WKSYS.WK$UPD_INST",
    "XDB.XDB$INITXDBSCHEMA",
    "XDB.XDB$PATCHUPDELETESCHEMA",
    "XDB.XDB$PATCHUPSCHEMA",
    "XDB.XDB_DATASTORE_PROC",
};

}  // namespace

std::string GuionUsuarioOracle(const std::string& usuario, const std::string& clave) {
  std::string s = "CREATE USER " + usuario + " IDENTIFIED BY \"" + clave + "\"\r\n";
  for (const char* linea :
       {" DEFAULT TABLESPACE USERS", " TEMPORARY TABLESPACE TEMP", " PROFILE Default", " ACCOUNT UNLOCK"})
    s += std::string(linea) + "\r\n";
  for (const char* rol : kRoles) s += " GRANT " + std::string(rol) + " TO " + usuario + " WITH ADMIN OPTION\r\n";
  s += " ALTER USER " + usuario + " DEFAULT ROLE DBA,\"CONNECT\"\r\n";
  s += " GRANT UNLIMITED TABLESPACE TO " + usuario + " WITH ADMIN OPTION\r\n";
  for (const char* objeto : kObjetos)
    s += " GRANT EXECUTE ON " + std::string(objeto) + " TO " + usuario + " WITH GRANT OPTION\r\n";
  return s;
}
