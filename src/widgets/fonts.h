// The two faces the windows use, at a size in points.
#pragma once

#include <QFont>

namespace fonts {

// Captions, buttons, lists and value boxes: "Comic Sans MS", drawn with the
// bundled face that matches it.
QFont comicFont(double points, bool bold = false);

// The other page's two text boxes and the colour picker's boxes.
QFont sansSerifFont(double points);

}  // namespace fonts
