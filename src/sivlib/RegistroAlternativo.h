#pragma once
// Where a log line goes when the log's own folder cannot be written (a
// program copied into a folder its user may only read, or a full disk
// there): the same file name in the user's state folder,
// $XDG_STATE_HOME/ut_vorna/, or ~/.local/state/ut_vorna/ when that
// variable is not set. The folder is created for its owner only: the log
// names servers, databases and users.
#include <string>

namespace registro {

// The state folder's copy of `ruta` (same file name); empty when neither
// XDG_STATE_HOME nor HOME is set.
std::string RutaAlternativa(const std::string& ruta);

}  // namespace registro
