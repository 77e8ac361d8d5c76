#include "shell/timed_wait.h"

#include <cmath>
#include <limits>

#include "platform/fatal.h"
#include "platform/forms.h"

namespace shell {

int waitInterval(double seconds) {
  // nearbyint rounds halves to even in the default rounding mode.
  const double ms = std::nearbyint(seconds * 1000.0);
  if (!(ms >= 0 && ms <= double(std::numeric_limits<int>::max()))) {
    platform::fatalError(QStringLiteral("недопустимое время ожидания: %1 с").arg(seconds));
  }
  return int(ms);
}

TimedWait::TimedWait(QWidget* parent) : QWidget(parent), timer(new QTimer(this)) {
  timer->setTimerType(Qt::PreciseTimer);
  timer->setSingleShot(true);
  connect(timer, &QTimer::timeout, this, &TimedWait::onTimeout);
}

void TimedWait::wait(double seconds) {
  const int ms = waitInterval(seconds);
  if (ms == 0) return;
  waiting_ = true;
  timer->start(ms);
  while (waiting_) platform::runPendingEvents();
}

void TimedWait::onTimeout() { waiting_ = false; }

}  // namespace shell
