#include "platform/resources.h"

#include <QFile>

#include "platform/fatal.h"

namespace platform {
namespace {

QByteArray ReadResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    FatalError(QStringLiteral("ресурс не найден: ") + path);
  }
  return file.readAll();
}

}  // namespace

QString LoadResString(int id) {
  return QString::fromUtf8(ReadResource(QStringLiteral(":/strings/%1.txt").arg(id)));
}

QByteArray LoadResData(int id, const QString& type) {
  return ReadResource(QStringLiteral(":/%1/%2").arg(type.toLower()).arg(id));
}

}  // namespace platform
