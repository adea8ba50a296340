#pragma once
// TLPTimer: a timer component of the library, running on the thread that
// owns it (the user-interface thread). It ticks every Interval milliseconds
// while Enabled, Interval > 0 and an OnTimer handler is set.

#include <QTimer>
#include <functional>

#include "pins/component.h"

class TLPTimer : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(int Interval READ Interval WRITE SetInterval)
public:
  using TNotifyEvent = std::function<void(QObject* sender)>;

  explicit TLPTimer(QObject* owner = nullptr);
  ~TLPTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int interval);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent onTimer);
  bool IsRunning() const { return timer_.isActive(); }

private:
  void Update();

  QTimer timer_;
  bool enabled_ = true;
  int interval_ = 1000;
  TNotifyEvent onTimer_;
};
