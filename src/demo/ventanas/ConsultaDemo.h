#pragma once
// "ut_vorna_demo consulta": a lookup window on a table of a demo database,
// as a window of the suite would open one, so that a person can try the
// lookups. Prints what the operator picked.
//
//   ut_vorna_demo consulta <file.sqlite> [<table or statement>] [--arbol]
//                 [--campo <column>] [--casillas]
//
// Needs a display (or QT_QPA_PLATFORM=offscreen). Returns 0 after the
// lookup, 1 when the database cannot be opened, 2 on a usage error.
namespace demo {

int ConsultaDemo(int argc, char** argv);

}  // namespace demo
