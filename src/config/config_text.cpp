#include "config/config_text.h"

#include "platform/resources.h"

namespace config {

QString QuoteString() { return platform::LoadResString(kQuoteString); }

QString ResetQuoteString() { return platform::LoadResString(kResetQuoteString); }

QString SectionHeaderLine(QStringView title) {
  return QStringLiteral("// [ ") + title.toString() + QStringLiteral(" ] ");
}

QString ValueLine(QStringView keyword, QStringView value) {
  return keyword.toString() + QLatin1Char(' ') + QuoteString() + value.toString() + QuoteString();
}

QString ValueLine(QStringView keyword, long long value) {
  return ValueLine(keyword, NumberText(value));
}

QString NumberText(long long value) { return QString::number(value); }

QString FractionText(double value) {
  if (value == 0) return QStringLiteral("0");  // never "-0"
  return QString::number(value, 'g', 15);
}

QStringList Section(QStringView title, const QStringList& lines) {
  QStringList out{QString(), SectionHeaderLine(title)};
  out += lines;
  return out;
}

}  // namespace config
