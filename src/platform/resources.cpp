#include "platform/resources.h"

#include <QFile>

#include "platform/fatal.h"
#include "platform/units.h"

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

QImage LoadResPicture(const QString& name) {
  QImage image;
  if (!image.loadFromData(ReadResource(QStringLiteral(":/pictures/%1.bmp").arg(name)), "BMP")) {
    FatalError(QStringLiteral("картинка повреждена: ") + name);
  }
  return image;
}

void ImageList::Add(const QImage& image) {
  if (!mask_color_) {
    images_.push_back(image);
    return;
  }
  QImage masked = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb mask = BgrColor(*mask_color_).rgb();
  for (int y = 0; y < masked.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
    for (int x = 0; x < masked.width(); ++x) {
      if ((line[x] & 0x00FFFFFF) == (mask & 0x00FFFFFF)) line[x] = qRgba(0, 0, 0, 0);
    }
  }
  images_.push_back(masked);
}

const QImage& ImageList::ListImage(int number) const {
  if (number < 1 || number > Count()) {
    FatalError(QStringLiteral("в списке картинок нет номера %1").arg(number));
  }
  return images_[std::size_t(number - 1)];
}

}  // namespace platform
