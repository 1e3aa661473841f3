#pragma once
// The launch string: "@Key=value;" items that tell a run which database to
// open, as which user and in which mode; and the per-workstation settings
// file CN000pr.INI.
#include <string>

// Keys in the order in which the start-up sequence extracts them.
namespace clave_lanzamiento {
inline constexpr const char* ParametroAdicional = "@ParametroAdicional";
inline constexpr const char* Menu = "@Menu";
inline constexpr const char* Server = "@Server";
inline constexpr const char* DbName = "@DbName";
inline constexpr const char* Usuario = "@Usuario";
inline constexpr const char* Password = "@Password";
inline constexpr const char* UsuarioLogeado = "@UsuarioLogeado";
inline constexpr const char* Caja = "@Caja";
}  // namespace clave_lanzamiento

inline constexpr const char* kArchivoConfiguracion = "CN000pr.INI";

// The value of one key: first occurrence of the key text (any case, by
// substring), up to the next ";"; without a ";" after it, empty, except for
// "@ParametroAdicional", which takes the next 19 characters. Every "=" is
// removed and the result trimmed. An absent key gives `predeterminado`.
std::string ValorParametro(const std::string& lanzamiento, const std::string& clave, const std::string& predeterminado);

// Server names as "red/SRV01:1433" keep only the server: what follows the
// first "/", then what precedes the first ":".
std::string NormalizarServidor(const std::string& servidor);

// Oracle marker: a server beginning with "#" loses it, and an empty
// connection string becomes the Oracle one built from database, user and
// password. Returns whether the marker was present.
bool AplicarMarcaOracle(std::string& servidor, std::string& cadenaConexion, const std::string& baseDatos,
                        const std::string& usuario, const std::string& clave);

// The workstation key before cutting: COMPUTER|USER in capitals.
std::string EstacionCompleta();
// The workstation key as kept in gEstacion: trimmed, cut to 50 characters.
std::string EstacionRecortada(const std::string& completa);
// "FlatToolbars" of the workstation's section as a number (default 1).
int LeerBarrasPlanas(const std::string& estacion);

// The launch string built from the settings file's section
// <full workstation key>BaseDeDatos (server, database, enciphered user and
// password; defaults: empty, empty, "Praxel", "trivane").
std::string LanzamientoDesdeArchivo();
