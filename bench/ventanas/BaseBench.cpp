#include "BaseBench.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "db/DB_Dll.h"
#include "sivlib/ValoresGlobales.h"

void UsarPantallaOffscreen() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    const std::string runtime = "/tmp/ut_vorna-xdg-" + std::to_string(getuid());
    mkdir(runtime.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  }
}

bool AbrirBaseDemo(const std::string& archivo) {
  DB_Dll& db = DB();
  db.gServidor = "sqlite";
  db.gDBName = archivo;
  db.gUsuario = "bench";
  db.OpenServerADODB(false, 3, "", false, false);
  if (!db.gOpenFlag) {
    std::fprintf(stderr, "no se pudo abrir la base %s\n", archivo.c_str());
    return false;
  }
  db.gEsAdmin = true;
  gUsuarioLogeado = "bench";
  return true;
}

bool GuardarCaptura(QWidget& ventana, const std::string& carpeta) {
  ventana.show();
  QApplication::processEvents();
  const std::string archivo = carpeta + "/" + ventana.objectName().toStdString() + ".png";
  if (!ventana.grab().save(QString::fromStdString(archivo))) {
    std::fprintf(stderr, "no se pudo escribir %s\n", archivo.c_str());
    return false;
  }
  std::printf("%s\n", archivo.c_str());
  return true;
}
