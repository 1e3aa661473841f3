#pragma once
// The one-active-result guard, above every engine.
//
// SQL Server without MARS (FreeTDS's default, and its only safe mode) keeps
// one pending result per connection: a statement sent while another's rows
// are still being read fails with "Connection is busy with results for
// another command". The program reads its recordsets while it runs other
// statements (a customer lookup per sales line, the server date per
// customer line), as the original client-side cursors allowed. So, when the
// engine reports that limit once connected (ODBC's
// SQL_MAX_CONCURRENT_ACTIVITIES), or the setting forces it
// (AjustesResultados.h):
//  - rows are read ahead in blocks (CursorAnticipado); a result that ends
//    within its block frees the connection at once, as one-row lookups do;
//  - before any call that needs the connection, a result still pending
//    moves its rest into its client-side buffer (memory up to a bound, then
//    a temporary file), and its reader goes on from there.
// Without a limit the engine's own cursors are handed out untouched.
#include <memory>

#include "db/motor/Motor.h"

std::unique_ptr<Motor> ConUnResultado(std::unique_ptr<Motor> motor);
