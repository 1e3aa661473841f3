#pragma once
// The roles the statistics login receives on SQL Server, in the order the
// procedures are called, as the login statements and the creation script
// write them.
#include <array>

namespace roles_login {

// What follows the login name in "sp_addsrvrolemember N'<login>" + piece
// (the fourth keeps its two blanks).
inline constexpr std::array<const char*, 7> kServidor = {"', sysadmin",    "', securityadmin", "', serveradmin",
                                                         "',  setupadmin", "', processadmin",  "', diskadmin",
                                                         "', dbcreator"};
// Database roles given with sp_addrolemember.
inline constexpr std::array<const char*, 7> kBase = {"db_accessadmin",  "db_backupoperator", "db_datareader",
                                                     "db_datawriter",   "db_ddladmin",       "db_owner",
                                                     "db_securityadmin"};

}  // namespace roles_login
