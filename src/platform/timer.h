// A timer as the windows use it: it ticks every Interval milliseconds while it
// is Enabled and Interval is above 0; an interval of 0 never ticks.
#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

class Timer : public QObject {
  Q_OBJECT

 public:
  explicit Timer(QObject* parent, int interval = 0, bool enabled = true);

  int Interval() const { return interval_; }
  // A negative interval is refused with the fatal error report.
  void SetInterval(int milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

 signals:
  void Tick();

 private:
  void Apply();

  QTimer timer_;
  int interval_;
  bool enabled_;
};

}  // namespace platform
