// A panel without border or caption on a solid background.
#pragma once

#include <QFrame>
#include <QWidget>
#include <cstdint>

namespace widgets {

// It raises mousePressed for presses on its own background and lets none
// through to the window beneath.
class Panel : public QFrame {
  Q_OBJECT

 public:
  Panel(QWidget* parent, std::uint32_t backColor);

 signals:
  void mousePressed(Qt::MouseButton button);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace widgets
