#include "shell/timed_wait.h"

#include <cmath>
#include <limits>

#include "platform/fatal.h"
#include "platform/forms.h"

namespace shell {

int WaitInterval(double seconds) {
  // nearbyint rounds halves to even in the default rounding mode.
  const double ms = std::nearbyint(seconds * 1000.0);
  if (!(ms >= 0 && ms <= double(std::numeric_limits<int>::max()))) {
    platform::FatalError(QStringLiteral("недопустимое время ожидания: %1 с").arg(seconds));
  }
  return int(ms);
}

TimedWait::TimedWait(QWidget* parent) : QWidget(parent), Time(new platform::Timer(this, 0, true)) {
  connect(Time, &platform::Timer::Tick, this, &TimedWait::Time_Timer);
}

void TimedWait::Wait(double seconds) {
  Time->SetEnabled(true);
  Time->SetInterval(WaitInterval(seconds));
  while (Time->Interval() > 0) platform::DoEvents();
  Time->SetEnabled(false);
}

void TimedWait::Time_Timer() { Time->SetInterval(0); }

}  // namespace shell
