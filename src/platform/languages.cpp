#include "platform/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <utility>

namespace ossaric {

namespace {

constexpr const char* kCatalogues = ":/translations";

std::string& Spoken() {
  static std::string language;
  return language;
}

// The translators of the running application; replaced when the application is.
std::unique_ptr<QTranslator>& GameTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}
std::unique_ptr<QTranslator>& QtTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

}  // namespace

QStringList GameLanguages() {
  QStringList out;
  const QStringList files =
      QDir(QString::fromLatin1(kCatalogues)).entryList({QStringLiteral("ossaric_*.qm")});
  for (const QString& file : files) {
    const QString name = file.mid(8, file.size() - 8 - 3);
    if (name != QLatin1String("en")) out << name;
  }
  return out;
}

namespace {

// Chinese in Traditional characters: a "Hant" script, or a region that writes them.
bool WritesTraditional(const QString& wanted) {
  if (wanted.contains(QLatin1String("Hant"))) return true;
  if (wanted.contains(QLatin1String("Hans"))) return false;
  const QString region = wanted.section(QLatin1Char('_'), -1);
  return region == QLatin1String("TW") || region == QLatin1String("HK") ||
         region == QLatin1String("MO");
}

// The catalogue nearest to one wanted language: the same one, the language's own ("de" for
// "de_AT"), then another region's of the language ("pt_BR" for "pt_PT"); Chinese keeps to its
// script. Null when the game has none.
QString Nearest(const QStringList& have, QString wanted) {
  wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
  wanted = wanted.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
  const QString base = wanted.section(QLatin1Char('_'), 0, 0);
  if (base == QLatin1String("zh")) {
    const QString script =
        WritesTraditional(wanted) ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
    return have.contains(script) ? script : QString();
  }
  if (have.contains(wanted)) return wanted;
  if (have.contains(base)) return base;
  for (const QString& language : have)
    if (language.section(QLatin1Char('_'), 0, 0) == base) return language;
  return {};
}

}  // namespace

QString ChooseLanguage(const QStringList& uiLanguages) {
  const QStringList have = GameLanguages();
  for (const QString& wanted : uiLanguages) {
    const QString base =
        QString(wanted).replace(QLatin1Char('-'), QLatin1Char('_')).section(QLatin1Char('_'), 0, 0);
    if (base == QLatin1String("en") || base == QLatin1String("C") || base.isEmpty()) return {};
    const QString found = Nearest(have, wanted);
    if (!found.isNull()) return found;
  }
  return {};
}

QString InstallTranslators(const QString& language) {
  const QString chosen =
      language.isNull() ? ChooseLanguage(QLocale::system().uiLanguages()) : language;
  for (auto* held : {&GameTranslator(), &QtTranslator()}) {
    if (*held) QCoreApplication::removeTranslator(held->get());
    held->reset();
  }
  Spoken() = chosen.toStdString();
  // Menus, boxes and the help window read right to left in a language written so.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
    QGuiApplication::setLayoutDirection(WrittenRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
  if (chosen.isEmpty()) return chosen;
  auto game = std::make_unique<QTranslator>();
  if (game->load(QStringLiteral("ossaric_") + chosen, QString::fromLatin1(kCatalogues)) &&
      QCoreApplication::installTranslator(game.get()))
    GameTranslator() = std::move(game);
  // Qt's own words (the standard buttons, the command line's help) where Debian installed them.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QLocale(chosen), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(qt.get()))
    QtTranslator() = std::move(qt);
  return chosen;
}

QStringList ChoosableLanguages() {
  return QStringList{QStringLiteral("en")} + GameLanguages();
}

QString CatalogueOf(const QString& choice) {
  return choice == QLatin1String("en") ? QStringLiteral("") : choice;
}

QString LanguageName(const QString& language) {
  static const std::pair<const char*, const char*> kNames[] = {{"ar", "العربية"},
                                                               {"cs", "Čeština"},
                                                               {"de", "Deutsch"},
                                                               {"es", "Español"},
                                                               {"fr", "Français"},
                                                               {"it", "Italiano"},
                                                               {"ja", "日本語"},
                                                               {"ko", "한국어"},
                                                               {"nl", "Nederlands"},
                                                               {"pl", "Polski"},
                                                               {"pt_BR", "Português (Brasil)"},
                                                               {"ru", "Русский"},
                                                               {"sv", "Svenska"},
                                                               {"tr", "Türkçe"},
                                                               {"uk", "Українська"},
                                                               {"zh_CN", "简体中文"},
                                                               {"zh_TW", "繁體中文"}};
  if (language.isEmpty() || language == QLatin1String("en")) return QStringLiteral("English");
  for (const auto& [code, name] : kNames)
    if (language == QLatin1String(code)) return QString::fromUtf8(name);
  return QLocale(language).nativeLanguageName();
}

const std::string& CurrentLanguage() {
  return Spoken();
}

bool WrittenRightToLeft() {
  return !Spoken().empty() &&
         QLocale(QString::fromStdString(Spoken())).textDirection() == Qt::RightToLeft;
}

}  // namespace ossaric
