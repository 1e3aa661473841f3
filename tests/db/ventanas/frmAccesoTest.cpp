// The login window, offscreen: controls, captions, and the round trip
// through OpenServerADODB.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QKeyEvent>
#include <QTimer>
#include <functional>

#include "db/DB_Dll.h"
#include "db/motor/MotorGrabador.h"
#include "db/ventanas/VentanaAccesoQt.h"
#include "db/ventanas/frmAcceso.h"
#include "support/CarpetaPrueba.h"

namespace {

// Runs `accion` on the login window once it is shown modally.
void AlMostrarse(std::function<void(frmAcceso&)> accion) {
  QTimer::singleShot(0, [accion] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* f = qobject_cast<frmAcceso*>(w); f && f->isVisible()) return accion(*f);
    ADD_FAILURE() << "the login window is not shown";
  });
}

TEST(frmAcceso, ControlsAndCaptions) {
  frmAcceso f;
  EXPECT_EQ(f.windowTitle(), "Control de Acceso");
  EXPECT_EQ(f.lbUsuario->text(), "&Usuario");
  EXPECT_EQ(f.lbcontrasena->text(), QString::fromUtf8("&Contraseña"));
  EXPECT_EQ(f.Label1->text(), "&Base de Datos");
  EXPECT_EQ(f.Label2->text(), "&Servidor");
  for (const QLabel* rotulo : {f.lbUsuario, f.lbcontrasena, f.Label1, f.Label2}) {
    // What the window asks for; the font the system answers with depends on the fonts installed.
    EXPECT_TRUE(rotulo->font().fixedPitch()) << rotulo->objectName().toStdString();
    EXPECT_EQ(rotulo->font().styleHint(), QFont::Monospace) << rotulo->objectName().toStdString();
  }
  EXPECT_EQ(f.TxtUserPassword->echoMode(), QLineEdit::Password);
  ASSERT_EQ(f.CboPlataformaDB->count(), 2);
  EXPECT_EQ(f.CboPlataformaDB->itemText(0), "SQL Server");
  EXPECT_EQ(f.CboPlataformaDB->itemText(1), "ORACLE");
  EXPECT_EQ(f.bcAceptar->text(), "Aceptar");
  EXPECT_TRUE(f.bcAceptar->isDefault());
  EXPECT_EQ(f.bcCancelar->text(), "Cancelar");
  for (const char* nombre : {"framAcceso", "TxtUserId", "TxtUserPassword", "TxtDbName", "TxtServidor",
                             "CboPlataformaDB", "bcAceptar", "bcCancelar"})
    EXPECT_NE(f.findChild<QWidget*>(nombre), nullptr) << nombre;
}

TEST(frmAcceso, EscapeCancels) {
  VentanaAccesoQt login;
  DatosAcceso d{"u", "p", "erp", "srv", 0};
  AlMostrarse([](frmAcceso& f) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&f, &escape);
  });
  EXPECT_FALSE(login.Mostrar(d));
  EXPECT_EQ(d.servidor, "srv");
}

TEST(frmAcceso, OpenServerADODBReadsTheBoxesBack) {
  OperadorDePrueba op;
  InstalacionGrabador grabacion;
  InstalarVentanaAccesoQt();
  DB_Dll db;
  db.gServidor = "srv#";  // the platform still starts on "SQL Server"
  db.gDBName = "erp";
  db.gUsuario = "u";
  db.gUserPassWord = "p";
  AlMostrarse([](frmAcceso& f) {
    EXPECT_EQ(f.TxtServidor->text(), "srv#");
    EXPECT_EQ(f.TxtUserPassword->text(), "p");
    EXPECT_EQ(f.CboPlataformaDB->currentIndex(), 0);
    f.TxtUserId->setText("ana");
    f.TxtServidor->setText("ora");
    f.CboPlataformaDB->setCurrentIndex(1);
    f.bcAceptar->click();
  });
  db.OpenServerADODB(true, 3, "", false, true);
  FijarVentanaAcceso(nullptr);
  EXPECT_TRUE(db.gOpenFlag);
  EXPECT_EQ(db.gServidor, "ora#");
  EXPECT_EQ(db.gProveedor, "OraOLEDB.Oracle.1");
  EXPECT_EQ(db.gConnString, "Provider=OraOLEDB.Oracle.1;Data Source=erp;User Id=ana;Password=p;");
}

}  // namespace
