#include "db/ventanas/VentanaAccesoQt.h"

#include <QComboBox>
#include <QLineEdit>

#include "db/ventanas/frmAcceso.h"

bool VentanaAccesoQt::Mostrar(DatosAcceso& datos) {
  frmAcceso ventana;
  ventana.TxtDbName->setText(QString::fromStdString(datos.baseDatos));
  ventana.TxtServidor->setText(QString::fromStdString(datos.servidor));
  ventana.TxtUserId->setText(QString::fromStdString(datos.usuario));
  ventana.TxtUserPassword->setText(QString::fromStdString(datos.clave));
  // The platform starts on "SQL Server" whatever was in use.
  ventana.CboPlataformaDB->setCurrentIndex(0);
  ventana.exec();
  if (!ventana.Aceptar) return false;
  datos.baseDatos = ventana.TxtDbName->text().toStdString();
  datos.servidor = ventana.TxtServidor->text().toStdString();
  datos.usuario = ventana.TxtUserId->text().toStdString();
  datos.clave = ventana.TxtUserPassword->text().toStdString();
  datos.plataforma = ventana.CboPlataformaDB->currentIndex();
  return true;
}

void InstalarVentanaAccesoQt() { FijarVentanaAcceso(std::make_shared<VentanaAccesoQt>()); }
