#include "pins/timer.h"

TLPTimer::TLPTimer(QObject* owner) : TLPComponent(owner) {
  connect(&timer_, &QTimer::timeout, this, [this] { emit OnTimer(this); });
  Update();
}

TLPTimer::~TLPTimer() = default;

void TLPTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Update();
}

void TLPTimer::SetInterval(int interval) {
  interval_ = interval;
  Update();
}

void TLPTimer::Update() {
  if (enabled_ && interval_ > 0)
    timer_.start(interval_);
  else
    timer_.stop();
}
