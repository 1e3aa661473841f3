#pragma once
// "Now" as the database server sees it, so that every workstation stamps
// the same time.
#include "sivlib/FechaHora.h"

// The server clock (whole seconds). When the server gives none (no open
// connection, a failed statement, no row): with gUtilizarFechaDia, the
// date stored under "FECHAOPERHASTA" when it is a valid date; otherwise,
// and as the last resort, the local clock. Reports nothing.
FechaHora FechaServidor();
