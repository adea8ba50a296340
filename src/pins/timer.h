#pragma once
// TLPTimer: a timer component of the library, running on the thread that
// owns it (the user-interface thread). It raises OnTimer every Interval
// milliseconds while Enabled and Interval > 0.

#include <QTimer>

#include "pins/component.h"

class TLPTimer : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(int Interval READ Interval WRITE SetInterval)
public:
  explicit TLPTimer(QObject* owner = nullptr);
  ~TLPTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int interval);
  bool IsRunning() const { return timer_.isActive(); }

signals:
  void OnTimer(QObject* Sender);

private:
  void Update();

  QTimer timer_;
  bool enabled_ = true;
  int interval_ = 1000;
};
