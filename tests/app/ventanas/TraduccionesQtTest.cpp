// The standard dialogs of Qt speak Spanish once the program's translations
// are installed: the buttons of the date picker and of every box, the
// folder chooser's labels, the month names.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>

#include "app/ventanas/TraduccionesQt.h"

namespace {

class TraduccionesQt : public ::testing::Test {
 protected:
  // The other window tests of this binary keep Qt's own words.
  void TearDown() override {
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
    QLocale::setDefault(QLocale::c());
  }
};

TEST_F(TraduccionesQt, LosDialogosEstandarHablanCastellano) {
  ASSERT_TRUE(InstalarTraduccionesQt(*QCoreApplication::instance()))
      << "Qt's translations (package qt6-translations-l10n) are installed";
  QDialogButtonBox botones(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  EXPECT_EQ(botones.button(QDialogButtonBox::Ok)->text().remove('&'), "Aceptar");
  EXPECT_EQ(botones.button(QDialogButtonBox::Cancel)->text().remove('&'), "Cancelar");

  QCalendarWidget calendario;
  calendario.setSelectedDate(QDate(2026, 1, 15));
  EXPECT_EQ(calendario.locale().monthName(1), "enero");

  QFileDialog carpeta(nullptr, "Seleccionar Directorio");
  carpeta.setOption(QFileDialog::DontUseNativeDialog);
  carpeta.setFileMode(QFileDialog::Directory);
  QStringList etiquetas;
  for (QLabel* l : carpeta.findChildren<QLabel*>()) etiquetas << l->text();
  EXPECT_TRUE(etiquetas.join('|').contains("Ver en")) << etiquetas.join('|').toStdString();
}

}  // namespace
