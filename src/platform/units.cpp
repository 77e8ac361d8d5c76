#include "platform/units.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace platform {

QColor bgrColor(std::uint32_t bgr) {
  return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

std::uint32_t bgr(int red, int green, int blue) {
  auto part = [](int v) { return std::uint32_t(std::clamp(v, 0, 255)); };
  return part(red) | (part(green) << 8) | (part(blue) << 16);
}

QFont makeFont(const QString& family, double points, bool bold) {
  QFont font(family);
  if (family == kComicFamily) font.setFamilies({kBundledComicFamily, family});
  font.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
  font.setBold(bold);
  return font;
}

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                      twipsToPixels(height));
}

void setBackColor(QWidget* widget, std::uint32_t bgr) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, bgrColor(bgr));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace platform
