// TimedWait: waits some seconds while the program keeps handling window events.
#pragma once

#include <QTimer>
#include <QWidget>

namespace shell {

class TimedWait : public QWidget {
  Q_OBJECT

 public:
  explicit TimedWait(QWidget* parent);

  // Returns after about `seconds`; every event that arrives meanwhile runs
  // first. The seconds become whole milliseconds, a half going to the even
  // neighbour, so less than half a millisecond handles no event at all.
  void wait(double seconds);

  QTimer* timer;

 private:
  void onTimeout();

  bool waiting_ = false;
};

// Seconds as the timer's whole milliseconds (halves to even).
int waitInterval(double seconds);

}  // namespace shell
