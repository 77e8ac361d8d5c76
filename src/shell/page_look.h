// The look the page windows share: a black window, the blue outline inset 15
// twips, captions in "Comic Sans MS", and the blue "Done" button.
#pragma once

#include <QFont>
#include <QWidget>
#include <cstdint>

#include "platform/inputs.h"
#include "platform/shapes.h"

namespace shell {

inline constexpr std::uint32_t kPageBlack = 0x00000000;
inline constexpr std::uint32_t kOutlineBlue = 0x00C00000;
inline constexpr std::uint32_t kDoneFace = 0x00FF0000;

QFont ComicFont(double points, bool bold = false);

// The outline framing a window, inset 15 twips, of the size its window gives (twips).
platform::Shape* makeOutline(QWidget* window, int width, int height);

// "Done" at this place (twips): face 0x00FF0000, bold 9.75 pt.
platform::CommandButton* makeDoneButton(QWidget* window, int left, int top, int width, int height);

}  // namespace shell
