#pragma once
// The maker's toolbar (Barrix) of the program's main windows, as a Qt
// toolbar: one button per key ("NUEVO", "BORRAR", "GRABAR", "CONSULTAR",
// "CERRAR"), each a QAction whose objectName and data are its key. A
// pressed button is reported by ButtonClick with its key, as the maker's
// control reports it; what a key does is the window's business.
//
// Each button has a function key (F2 to F6, shown in its tool tip). The
// keys reach the bar through TeclaPresionada, which the window calls for
// every key press before its controls see it; they are not registered as
// Qt shortcuts, so that the window's own key handler stays the one path.
//
// The five Boolean properties are the control's settings a window may turn
// off at load (all true on a new bar): Movible (the bar can be dragged to
// another edge), Flotante (it can be torn off), SoloIconos (buttons without
// their captions), MenuContextual (right click offers to hide the bar) and
// Tabulable (buttons take the focus with Tab).
#include <QString>
#include <QToolBar>
#include <cstdint>

class QAction;

class BarraBarrix : public QToolBar {
  Q_OBJECT
  Q_PROPERTY(bool Movible READ Movible WRITE FijarMovible)
  Q_PROPERTY(bool Flotante READ Flotante WRITE FijarFlotante)
  Q_PROPERTY(bool SoloIconos READ SoloIconos WRITE FijarSoloIconos)
  Q_PROPERTY(bool MenuContextual READ MenuContextual WRITE FijarMenuContextual)
  Q_PROPERTY(bool Tabulable READ Tabulable WRITE FijarTabulable)

 public:
  explicit BarraBarrix(QWidget* padre = nullptr);

  // The button of a key (ignoring case); null when the bar has none.
  QAction* Boton(const QString& clave) const;
  // The platform key code that presses the button of a key; 0 when none.
  static int16_t TeclaDe(const QString& clave);

  // A key press (platform key code and shift state): the function key of an
  // enabled button presses it and is consumed (KeyCode becomes 0); any
  // other key is left as it came.
  void TeclaPresionada(int16_t& KeyCode, int16_t Shift);
  // Enables or disables every button.
  void HabilitarBotones(bool habilitar);

  bool Movible() const { return isMovable(); }
  void FijarMovible(bool v) { setMovable(v); }
  bool Flotante() const { return isFloatable(); }
  void FijarFlotante(bool v) { setFloatable(v); }
  bool SoloIconos() const { return toolButtonStyle() == Qt::ToolButtonIconOnly; }
  void FijarSoloIconos(bool v);
  bool MenuContextual() const { return contextMenuPolicy() != Qt::PreventContextMenu; }
  void FijarMenuContextual(bool v);
  bool Tabulable() const { return tabulable_; }
  void FijarTabulable(bool v);

 signals:
  void ButtonClick(const QString& Key);

 private:
  bool tabulable_ = true;
};
