#pragma once
// The typing limit of a text box whose text the program may make longer
// than the operator may type (the load step writes a date with its time
// of day into a 10-character date box). Qt's own maximum length would cut
// such a text, so the box binding lifts it while the text is longer; the
// limit on typing is then kept here.
class QKeyEvent;
class QLineEdit;

// True when the key would leave the box with more than `largoMaximo`
// characters typed in: the key must be refused. Deleting, moving and
// typing over a selection that makes room stay allowed. 0: no limit.
bool SuperaLargoTecleado(const QLineEdit& caja, int largoMaximo, const QKeyEvent& tecla);
