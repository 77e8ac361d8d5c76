#include "config/config_text.h"

#include <QFile>
#include <stdexcept>

namespace config {
namespace {

// One of the program's own texts. One that is not there is a broken build: the
// error reaches the application's event guard, which reports it as fatal.
QString resourceText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw std::runtime_error((QStringLiteral("ресурс не найден: ") + path).toStdString());
  }
  return QString::fromUtf8(file.readAll());
}

}  // namespace

QString templateText() { return resourceText(QStringLiteral(":/strings/config_template.txt")); }

QString quote() { return resourceText(QStringLiteral(":/strings/quote.txt")); }

QString buyLineEnd() { return resourceText(QStringLiteral(":/strings/buy_line_end.txt")); }

QString sectionHeaderLine(QStringView title) {
  return QStringLiteral("// [ ") + title.toString() + QStringLiteral(" ] ");
}

QString valueLine(QStringView keyword, QStringView value) {
  return keyword.toString() + QLatin1Char(' ') + quote() + value.toString() + quote();
}

QString valueLine(QStringView keyword, long long value) {
  return valueLine(keyword, numberText(value));
}

QString numberText(long long value) { return QString::number(value); }

QString fractionText(double value) {
  if (value == 0) return QStringLiteral("0");  // never "-0"
  return QString::number(value, 'g', 15);
}

QStringList section(QStringView title, const QStringList& lines) {
  QStringList out{QString(), sectionHeaderLine(title)};
  out += lines;
  return out;
}

}  // namespace config
