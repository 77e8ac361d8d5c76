#include "widgets/twips.h"

#include "platform/units.h"

namespace twips {

void place(QWidget* widget, const Rect& rect) {
  platform::placeTwips(widget, rect.left, rect.top, rect.width, rect.height);
}

}  // namespace twips
