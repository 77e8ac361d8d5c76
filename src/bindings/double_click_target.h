// The target under a key box that a double click arms it through.
#pragma once

#include <QPointF>
#include <cstdint>

#include "widgets/caption.h"

namespace bindings {

// A label that raises doubleClicked when both presses of a double click land
// on it. It counts the presses itself: Qt also reports a double click whose
// first press went to a control that lay over the label then.
class DoubleClickTarget : public widgets::Caption {
  Q_OBJECT

 public:
  DoubleClickTarget(QWidget* parent, const QFont& font);

 signals:
  void doubleClicked();

 protected:
  // (The label's double-click event comes here too, as one press.)
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void countLeftPress(const QMouseEvent& event);

  bool pressedBefore_ = false;
  std::uint64_t lastPressMs_ = 0;
  QPointF lastPressAt_;
};

}  // namespace bindings
