#include "platform/words.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

namespace ossaric {

std::string Words(const char* context, const char* english,
                  std::initializer_list<std::string> args) {
  const QString text = QCoreApplication::translate(context, english);
  // One pass, so that a filled-in value holding "%2" stays as it is.
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == QLatin1Char('%') && i + 1 < text.size() && text.at(i + 1) >= QLatin1Char('1') &&
        text.at(i + 1) <= QLatin1Char('9')) {
      const std::size_t n = static_cast<std::size_t>(text.at(i + 1).unicode() - '1');
      if (n < args.size()) {
        out += QString::fromStdString(*(args.begin() + n));
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out.toStdString();
}

std::string Decimal(double value, int decimals) {
  return QLocale().toString(value, 'f', decimals).toStdString();
}

}  // namespace ossaric
