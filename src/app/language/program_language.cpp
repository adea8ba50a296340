#include "app/language/program_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

const char* const kPrefix = "tremora_";
const char* const kFolder = ":/i18n";

// Outside the application object: a translator must outlive its installation.
std::unique_ptr<QTranslator>& ProgramTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

std::unique_ptr<QTranslator>& QtTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

QString Normalized(QString code) {
  code = code.section(u'.', 0, 0).section(u'@', 0, 0);  // fr_CA.UTF-8, ca_ES@valencia
  code.replace(u'-', u'_');
  return code;
}

}  // namespace

QStringList ProgramLanguages() {
  QStringList languages;
  const QStringList files = QDir(QString::fromLatin1(kFolder)).entryList({QStringLiteral("tremora_*.qm")}, QDir::Files, QDir::Name);
  for (const QString& file : files) languages.append(file.mid(int(qstrlen(kPrefix))).chopped(3));
  return languages;
}

QString MatchLanguage(const QString& code) {
  const QString wanted = Normalized(code);
  if (wanted.isEmpty()) return {};
  const QStringList languages = ProgramLanguages();
  for (const QString& language : languages)
    if (language.compare(wanted, Qt::CaseInsensitive) == 0) return language;
  const QString base = wanted.section(u'_', 0, 0);
  for (const QString& language : languages)
    if (language.section(u'_', 0, 0).compare(base, Qt::CaseInsensitive) == 0) return language;
  return {};
}

QString SystemLanguage() {
  // The desktop's languages in its order of preference; English ends the
  // search, as the texts themselves are English.
  for (const QString& code : QLocale::system().uiLanguages()) {
    if (Normalized(code).section(u'_', 0, 0).compare(QLatin1String("en"), Qt::CaseInsensitive) == 0) return {};
    if (const QString language = MatchLanguage(code); !language.isEmpty()) return language;
  }
  return {};
}

void InstallLanguage(const QString& language) {
  for (auto* slot : {&ProgramTranslator(), &QtTranslator()}) {
    if (*slot) QCoreApplication::removeTranslator(slot->get());
    slot->reset();
  }
  if (language.isEmpty()) {
    // An English desktop keeps its own number format; English windows on
    // another language's desktop write numbers as the files do.
    const QLocale system = QLocale::system();
    const bool english = system.language() == QLocale::English || system.language() == QLocale::C;
    QLocale::setDefault(english ? system : QLocale::c());
    return;
  }
  auto program = std::make_unique<QTranslator>();
  if (program->load(QString::fromLatin1(kPrefix) + language, QString::fromLatin1(kFolder))) {
    QCoreApplication::installTranslator(program.get());
    ProgramTranslator() = std::move(program);
  }
  // Qt's own texts (the buttons of its dialogs), when the system has them.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      qt->load(QStringLiteral("qtbase_") + language.section(u'_', 0, 0), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    QtTranslator() = std::move(qt);
  }
  // A decimal comma where the language writes one, but no thousands
  // separators: the numbers stay readable back from the edit boxes.
  QLocale locale(language);
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  QLocale::setDefault(locale);
}
