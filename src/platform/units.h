// The units the windows are laid out in: places in twips, colours as 0x00BBGGRR.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>

class QWidget;

namespace platform {

// 15 twips make one logical pixel (96 dots an inch).
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

// A colour value is 0x00BBGGRR: red is the low byte.
QColor bgrColor(std::uint32_t bgr);

// Builds 0x00BBGGRR; a part above 255 is taken as 255 (and below 0 as 0).
std::uint32_t bgr(int red, int green, int blue);

// The face shipped with the program (resources/fonts) that draws "Comic Sans MS":
// it matches that font's widths and line metrics and has Cyrillic.
inline const QString kComicFamily = QStringLiteral("Comic Sans MS");
inline const QString kBundledComicFamily = QStringLiteral("Comic Relief");

// Point sizes are turned into pixels at 96 dots an inch, like the twips, so a
// caption keeps its size against its control whatever the screen reports.
// "Comic Sans MS" is always drawn with the bundled face, even on a machine
// that has a font of that name, so the windows look the same everywhere.
QFont makeFont(const QString& family, double points, bool bold = false);

// Left, top, width and height in twips.
void placeTwips(QWidget* widget, int left, int top, int width, int height);

// Solid background in a 0x00BBGGRR colour.
void setBackColor(QWidget* widget, std::uint32_t bgr);

}  // namespace platform
