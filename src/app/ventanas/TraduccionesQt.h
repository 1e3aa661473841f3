#pragma once
// The standard dialogs of Qt (their buttons, the folder chooser, the date
// picker) speak Spanish like the program's own texts, whatever language the
// session has: Qt's own Spanish translations (Debian's package
// qt6-translations-l10n) and the Spanish (Argentina) names of months and
// days.
class QCoreApplication;

// Installs both into the application. False when the translation file is
// not installed: the dialogs' own texts then stay in English.
bool InstalarTraduccionesQt(QCoreApplication& app);
