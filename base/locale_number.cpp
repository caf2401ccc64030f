#include "base/locale_number.h"

#include <QLocale>
#include <charconv>
#include <string>

namespace base {

char UserDecimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  return point.isEmpty() ? '.' : point.at(0).toLatin1();
}

bool ParseUserDecimal(const QString& text, long double* value) {
  std::string s = text.trimmed().toStdString();
  if (s.empty()) return false;
  const char sep = UserDecimalSeparator();
  // Only the user's separator counts as a decimal point; the other one is an error.
  for (char& c : s) {
    if (c == '.' || c == ',') {
      if (c != sep) return false;
      c = '.';
    }
  }
  for (char c : s) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
      return false;
  }
  // from_chars ignores the process locale, which Qt sets from the environment.
  const char* first = s.c_str();
  if (*first == '+') ++first;
  long double v = 0;
  const auto [ptr, ec] = std::from_chars(first, s.c_str() + s.size(), v);
  if (ec != std::errc() || ptr != s.c_str() + s.size()) return false;
  *value = v;
  return true;
}

QString FormatUserFixed(long double x, int decimals) {
  QString s = QString::number(static_cast<double>(x), 'f', decimals);
  const char sep = UserDecimalSeparator();
  if (sep != '.') s.replace(QLatin1Char('.'), QLatin1Char(sep));
  return s;
}

QString FormatUserGeneral(long double x) {
  QString s = QString::number(static_cast<double>(x), 'g', 15);
  const char sep = UserDecimalSeparator();
  if (sep != '.') s.replace(QLatin1Char('.'), QLatin1Char(sep));
  return s;
}

}  // namespace base
