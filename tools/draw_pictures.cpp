// Draws the program's pictures into resources/pictures/.
// Build and run: cmake --build build/test --target draw_pictures &&
//                build/test/draw_pictures resources/pictures
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>

namespace {

bool Save(const QImage& image, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name + QStringLiteral(".bmp"));
  if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

// 400 x 300 on black: a loading notice in blue, the credit line in red below.
QImage Splash() {
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // A ring of dots, the usual sign of something loading.
  for (int i = 0; i < 12; ++i) {
    p.save();
    p.translate(200, 105);
    p.rotate(i * 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 80, 255, 60 + i * 16));
    p.drawEllipse(QPointF(0, -38), 7, 7);
    p.restore();
  }

  QFont notice(QStringLiteral("DejaVu Sans"));
  notice.setPixelSize(34);
  notice.setBold(true);
  p.setFont(notice);
  p.setPen(QColor(30, 90, 255));
  p.drawText(QRect(0, 160, 400, 50), Qt::AlignCenter, QStringLiteral("Загрузка..."));

  QFont credit(QStringLiteral("DejaVu Sans"));
  credit.setPixelSize(22);
  p.setFont(credit);
  p.setPen(QColor(230, 20, 20));
  p.drawText(QRect(0, 230, 400, 40), Qt::AlignCenter, QStringLiteral("Made by Zelkarin"));
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources/pictures"));
  if (!QDir().mkpath(folder.path())) return 1;
  return Save(Splash(), folder, QStringLiteral("splash")) ? 0 : 1;
}
