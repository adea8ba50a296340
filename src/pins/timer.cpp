#include "pins/timer.h"

TLPTimer::TLPTimer(QObject* owner) : TLPComponent(owner) {
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (onTimer_) onTimer_(this);
  });
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

void TLPTimer::SetOnTimer(TNotifyEvent onTimer) {
  onTimer_ = std::move(onTimer);
  Update();
}

void TLPTimer::Update() {
  if (enabled_ && interval_ > 0 && onTimer_)
    timer_.start(interval_);
  else
    timer_.stop();
}
