#include "platform/words.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include "platform/languages.h"

namespace ossaric {

std::string Words(const char* context, const char* english,
                  std::initializer_list<std::string> args) {
  const std::string text = QCoreApplication::translate(context, english).toStdString();
  // One pass over the UTF-8 text, so that a filled-in value holding "%2" stays as it is, and
  // the values go in as their bytes.
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(text[i + 1] - '1');
      if (n < args.size()) {
        out += *(args.begin() + n);
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

std::string Decimal(double value, int decimals) {
  // The catalogue's language writes the number, whatever the system's locale: English as the
  // game always has, with a point and no grouping.
  const std::string& language = CurrentLanguage();
  QLocale locale = language.empty() ? QLocale::c() : QLocale(QString::fromStdString(language));
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(value, 'f', decimals).toStdString();
}

}  // namespace ossaric
