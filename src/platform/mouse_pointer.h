// The pointer over every window of the program, as the windows set it: the
// default one, or a custom icon of their own.
#pragma once

#include <QImage>

namespace platform::Screen {

constexpr int kDefaultPointer = 0;
constexpr int kCustomPointer = 99;

int MousePointer();
// 0: the default pointer; 99: MouseIcon. Any other value is taken as 0.
void SetMousePointer(int pointer);
const QImage& MouseIcon();
// Shown at once while the pointer is custom; kept for later otherwise.
void SetMouseIcon(const QImage& icon);

}  // namespace platform::Screen
