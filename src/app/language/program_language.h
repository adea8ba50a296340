#pragma once
// The language of the windows: the program's translations (embedded as
// :/i18n/tremora_<code>.qm) and Qt's own for its standard dialogs.

#include <QString>
#include <QStringList>

// The languages the program is translated into ("de", "es", "fr", "pt_BR"),
// English being the texts themselves.
QStringList ProgramLanguages();

// The translation for a language code as a desktop or a user writes it
// ("de", "de_AT", "pt-BR", "fr_CA.UTF-8"): the same code, else one of the
// same language ("pt" and "pt_PT" take "pt_BR"). Empty for English and for a
// language the program has no translation of.
QString MatchLanguage(const QString& code);

// The first of the desktop's languages (QLocale::system()) that has a
// translation; empty for English.
QString SystemLanguage();

// Installs the translators of `language` (a code from ProgramLanguages(),
// or empty for English) on the application, replacing those installed
// before, and makes its locale the default so that numbers are written as
// the language writes them. Needs a QCoreApplication.
void InstallLanguage(const QString& language);
