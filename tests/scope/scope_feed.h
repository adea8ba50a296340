#pragma once
// A scope fed from a real source pin, as the capture path feeds it: blocks
// go in through the channel's input pin and are published by the timer tick.

#include <QApplication>
#include <QMouseEvent>

#include <vector>

#include "buffers/simple_data_buffer.h"
#include "pins/component.h"
#include "pins/operations.h"
#include "scope/axes/additional_axes.h"
#include "scope/scope.h"

struct TScopeFeed {
  TLPComponent owner;
  std::vector<std::unique_ptr<TSLOWRealSourcePin>> sources;
  TSLScope& scope;

  // A plain 800 × 230 scope without title, legend or grid, Y fixed at -1..1,
  // X over 5 s of 40,000 samples, `channels` channels connected.
  explicit TScopeFeed(TSLScope& s, int channels = 1) : scope(s) {
    scope.resize(800, 230);
    scope.Title()->SetVisible(false);
    scope.Legend()->SetVisible(false);
    scope.YAxis()->AutoScaling()->SetEnabled(false);
    scope.YAxis()->Min()->SetValue(-1);
    scope.YAxis()->Max()->SetValue(1);
    scope.XAxis()->Min()->SetAutoScale(false);
    scope.XAxis()->Max()->SetAutoScale(false);
    scope.XAxis()->Max()->SetValue(5.0);
    scope.XAxis()->Max()->SetDataValue(40000);
    while (scope.Channels()->Count() < channels) scope.Channels()->Add();
    for (int i = 0; i < channels; ++i) {
      sources.push_back(std::make_unique<TSLOWRealSourcePin>(&owner, nullptr, 0, nullptr, false, owner.Lock()));
      scope.InputPins()->GetPin(i)->Connect(sources.back().get());
      sources.back()->Notify(MakeOperation<TOWStartSampleRateOperation>(8000.0).get());
    }
  }
  ~TScopeFeed() {
    for (int i = 0; i < int(sources.size()); ++i) scope.InputPins()->GetPin(i)->Disconnect();
  }
  void Send(int channel, const std::vector<double>& samples) {
    TRef<ISLRealBuffer> b(new TSLRealBuffer(samples.data(), int(samples.size())));
    sources[channel]->SendBuffer(b.get());
  }
  // Publishes what arrived and paints, as the refresh timer does.
  void Publish() {
    scope.RefreshTimerTick();
    scope.RedrawBackBuffer();
  }
};

// A pointer move as the window system delivers it (QTest's own move does not
// reach a widget while no button is held).
inline void SendMove(QWidget* w, const QPoint& p, Qt::MouseButtons buttons = Qt::NoButton) {
  QMouseEvent e(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}
