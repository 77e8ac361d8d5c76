#include "config/config_text.h"

#include <QFile>

#include "platform/fatal.h"

namespace config {
namespace {

// One of the program's own texts; one that is not there is a fatal error.
QString resourceText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    platform::FatalError(QStringLiteral("ресурс не найден: ") + path);
  }
  return QString::fromUtf8(file.readAll());
}

}  // namespace

QString TemplateText() { return resourceText(QStringLiteral(":/strings/101.txt")); }

QString QuoteString() { return resourceText(QStringLiteral(":/strings/103.txt")); }

QString ResetQuoteString() { return resourceText(QStringLiteral(":/strings/102.txt")); }

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
