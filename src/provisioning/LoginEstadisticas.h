#pragma once
// The statistics database "PX_ESTADISTICAS" and its server login, which the
// suite's programs share: the start-up makes sure of them at every start.
// On the embedded engine the database is the file PX_ESTADISTICAS.sqlite
// beside the main database file.

inline constexpr const char* kBaseEstadisticas = "PX_ESTADISTICAS";
inline constexpr const char* kUsuarioEstadisticas = "PX_ESTADISTICAS";
inline constexpr const char* kClaveEstadisticas = "KV_PROMEDIACION";
