#include "platform/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

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

QString ChooseLanguage(const QStringList& uiLanguages) {
  const QStringList have = GameLanguages();
  for (QString wanted : uiLanguages) {
    wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString base = wanted.section(QLatin1Char('_'), 0, 0);
    if (base == QLatin1String("en") || base == QLatin1String("C") || base.isEmpty()) return {};
    if (have.contains(wanted)) return wanted;
    // "pt_BR" for "pt", and "zh_CN" for "zh_Hans_CN" or "zh".
    for (const QString& language : have)
      if (language.section(QLatin1Char('_'), 0, 0) == base) {
        if (base != QLatin1String("zh") || !wanted.contains(QLatin1String("Hant"))) return language;
      }
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

const std::string& CurrentLanguage() {
  return Spoken();
}

}  // namespace ossaric
