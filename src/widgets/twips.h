// Where a control sits in its window, in twips (15 to a pixel). Each window
// keeps one table of these for its controls.
#pragma once

class QWidget;

namespace twips {

struct Rect {
  int left, top, width, height;
};

// Moves and sizes the widget to the place, turned into pixels.
void place(QWidget* widget, const Rect& rect);

}  // namespace twips
