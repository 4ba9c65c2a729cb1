#include "platform/words.h"

#include <QCoreApplication>

namespace ossaric {

std::string Words(const char* context, const char* text, std::initializer_list<std::string> args) {
  const std::string translated = QCoreApplication::translate(context, text).toStdString();
  std::string out;
  out.reserve(translated.size());
  for (size_t k = 0; k < translated.size(); ++k) {
    const char c = translated[k];
    if (c == '%' && k + 1 < translated.size() && translated[k + 1] >= '1' &&
        translated[k + 1] <= '9') {
      const size_t n = static_cast<size_t>(translated[k + 1] - '1');
      if (n < args.size()) {
        out += *(args.begin() + n);
        ++k;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace ossaric
