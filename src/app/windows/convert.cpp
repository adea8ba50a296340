#include "app/windows/convert.h"

#include <QCoreApplication>

int32_t StrToInt(const QString& text) {
  auto fail = [&]() -> int32_t {
    throw EConvertError(
        QCoreApplication::translate("Convert", "'%1' is not a valid integer value").arg(text).toStdString());
  };
  int i = 0;
  const int n = int(text.size());
  while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
  bool negative = false;
  if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  if (i == n) return fail();
  int64_t value = 0;
  for (; i < n; ++i) {
    const QChar c = text[i];
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return fail();
    value = value * 10 + (c.unicode() - '0');
    if (value > int64_t(INT32_MAX) + 1) return fail();
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return fail();
  return int32_t(value);
}
