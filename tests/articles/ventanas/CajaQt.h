#pragma once
// The text box of the family TxtFields with that index, as the window shows it.
#include <QLineEdit>
#include <QWidget>

inline QLineEdit* Caja(QWidget& w, int indice) {
  for (auto* c : w.findChildren<QLineEdit*>("TxtFields"))
    if (c->property("Index").toInt() == indice) return c;
  return nullptr;
}
