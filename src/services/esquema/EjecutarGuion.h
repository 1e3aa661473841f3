#pragma once
// Runs a script of several SQLite statements on an open handle.
#include <string>
#include <string_view>

struct sqlite3;

// False on the first failing statement, with SQLite's message in `error`
// (when given). Statements before the failing one stay applied; callers
// that need all or nothing run it inside their own transaction.
bool EjecutarGuion(sqlite3* db, std::string_view guion, std::string* error = nullptr);
