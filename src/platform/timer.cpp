#include "platform/timer.h"

#include "platform/fatal.h"

namespace platform {

Timer::Timer(QObject* parent, int interval, bool enabled)
    : QObject(parent), timer_(this), interval_(0), enabled_(enabled) {
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &Timer::Tick);
  SetInterval(interval);
}

void Timer::SetInterval(int milliseconds) {
  if (milliseconds < 0)
    FatalError(QStringLiteral("недопустимый интервал таймера: %1").arg(milliseconds));
  interval_ = milliseconds;
  Apply();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Apply();
}

void Timer::Apply() {
  if (enabled_ && interval_ > 0) {
    timer_.start(interval_);  // a new interval starts counting afresh
  } else {
    timer_.stop();
  }
}

}  // namespace platform
