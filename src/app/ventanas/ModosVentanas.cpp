// The entry point's modes with windows: the refusal box, the login window
// of the database layer and the main window run inside a QApplication
// created only here.
#include <QApplication>
#include <memory>
#include <optional>

#include "app/ventanas/ModosVentanas.h"
#include "app/EstadoSalida.h"
#include "app/ventanas/FrmMsgBox.h"
#include "app/ventanas/GuardiaPantalla.h"
#include "app/ventanas/TraduccionesQt.h"
#include "db/ventanas/VentanaAccesoQt.h"
#include "sivlib/Regional.h"
#include "sivlib/ventanas/OperadorQt.h"
#include "unifier/ventanas/VentanaInterfaceVorna.h"

namespace {

class ModosVentanas : public Modos {
 public:
  ModosVentanas(int& argc, char** argv) : app_(argc, argv) {
    guardia_.reset();  // connected: later messages of Qt go as before
    // Qt took the user's locale for the C library's numbers too.
    regional::NumerosDelProcesoEnC();
    QApplication::setApplicationName("ut_vorna");
    InstalarTraduccionesQt(app_);
    FijarOperador(std::make_shared<OperadorQt>());
    // An operator can answer: missing or refused connection data are asked
    // for in the login window frmAcceso.
    InstalarVentanaAccesoQt();
  }

  void AvisoSegundaInstancia(const std::string& mensaje, const std::string& titulo, int espera) override {
    FrmMsgBox box;
    box.Mensaje = QString::fromStdString(mensaje);
    box.Titulo = QString::fromStdString(titulo);
    box.Espera = qint16(espera);
    box.exec();
  }

  // The main window, shown until its close step ends the event loop.
  int EjecutarInteractivo() override {
    VentanaInterfaceVorna ventana;
    ventana.AlTerminar = [] { QApplication::exit(estado_salida::Exito); };
    ventana.show();
    return QApplication::exec();
  }

 private:
  // Declared before the application object: it watches its connection to the display.
  std::optional<GuardiaPantalla> guardia_{std::in_place};
  QApplication app_;
};

}  // namespace

std::unique_ptr<Modos> CrearModos(bool conVentanas, int& argc, char** argv) {
  if (!conVentanas) return std::make_unique<Modos>();
  return std::make_unique<ModosVentanas>(argc, argv);
}
