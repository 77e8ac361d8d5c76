// A vertical scroll bar with the values its handlers read: Min 0 to Max,
// SmallChange for an arrow, LargeChange for the track, and Change after every
// new Value, whether the player or the program set it.
#pragma once

#include <QScrollBar>
#include <cstdint>

namespace platform {

class ScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  ScrollBar(QWidget* parent, std::uint32_t backColor, std::uint32_t arrowColor);

  int Max() const { return maximum(); }
  void SetMax(int max) { setMaximum(max); }
  int SmallChange() const { return singleStep(); }
  void SetSmallChange(int step) { setSingleStep(step); }
  int LargeChange() const { return pageStep(); }
  void SetLargeChange(int step) { setPageStep(step); }
  int Value() const { return value(); }
  void SetValue(int value) { setValue(value); }

 signals:
  // Raised once the value has changed; a dragged thumb raises it when let go.
  void Change();
};

}  // namespace platform
