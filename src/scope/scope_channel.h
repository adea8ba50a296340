#pragma once
// Scope channels: their published settings, their input pins, and the
// intake of channel data. Buffers arrive on the data thread through the
// input pin and are kept in the receive buffers; the window thread
// publishes them into the display buffers on the refresh timer, and the
// channel raises OnChannelDraw while its trace is prepared for painting.
//
// Lock order: display lock (the channel's lock is the display's) → scope
// data lock → receive section → display section → pin queues.

#include <QMetaMethod>
#include <QVector>
#include <mutex>

#include "buffers/buffer_interfaces.h"
#include "pins/queued_pins.h"
#include "scope/model/display_collections.h"
#include "scope/paint/trace.h"

class QPainter;
class TSLScope;

class TSLScopePoints : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, Visible, false, Changed)
  TLP_PROPERTY(SL::TSLScopePointsShape, Shape, SL::psCircle, Changed)
  TLP_PROPERTY(int, Size, 3, Changed)
  TLP_PROPERTY(bool, UseChannelColor, true, Changed)
  TLP_SUBOBJECT(TSLDisplayBrush, Brush)
  TLP_SUBOBJECT(TSLDisplayPen, Pen)
public:
  TSLScopePoints(QObject* owner, TSLDataDisplay* display);
};

class TSLDisplayChannel : public TSLOptionalAxesDisplayCollectionItem {
  Q_OBJECT
  TLP_PROPERTY(QColor, Color, QColor(Qt::red), ItemChanged)
  Q_PROPERTY(int Width READ Width WRITE SetWidth)
public:
  explicit TSLDisplayChannel(TOWExtCollection* collection);
  int Width() const { return Lock()->ReadGuarded(width_); }
  // Clamped to 1 .. 2000.
  void SetWidth(int width);

private:
  int width_ = 1;
};

class TSLScopeChannelMarker : public TLPCollectionItem {
  Q_OBJECT
  TLP_PROPERTY(int, MarkerGroup, 0, NoNotify)
  TLP_PROPERTY(int, Position, 0, NoNotify)
public:
  using TLPCollectionItem::TLPCollectionItem;
signals:
  void OnMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void OnMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void OnClick(QObject* Sender);
  void OnDragged(QObject* Sender, int AOldPosition, int ANewPosition);

private:
  void NoNotify() {}
};

class TSLScopeChannel : public TSLDisplayChannel {
  Q_OBJECT
  TLP_SUBOBJECT(TSLScopePoints, Points)
  TLP_PROPERTY(SL::TSLScopeChannelMode, ChannelMode, SL::cmLine, ItemChanged)
  TLP_PROPERTY(int, MouseCursor, crHandPoint, NoNotify)
  Q_PROPERTY(TSLOWComboRealIntComplexPairedQueuedSinkPin* InputPin READ InputPin)
  Q_PROPERTY(TSLOWQueuedIntegerRealSinkPin* XInputPin READ XInputPin)
  TLP_PROPERTY(SL::TSLChannelShadeMode, ShadeMode, SL::csmZero, ItemChanged)
  Q_PROPERTY(TLPCollection* Markers READ Markers)
public:
  explicit TSLScopeChannel(TOWExtCollection* collection);
  ~TSLScopeChannel() override;

  TSLOWComboRealIntComplexPairedQueuedSinkPin* InputPin() const { return inputPin_; }
  TSLOWQueuedIntegerRealSinkPin* XInputPin() const { return xInputPin_; }
  TLPCollection* Markers() const { return markers_; }
  TSLScopeChannelMarker* Marker(int i) const { return static_cast<TSLScopeChannelMarker*>(markers_->Item(i)); }
  TSLScope* Scope() const;

  // Window thread: the published data.
  TRef<ISLRealBuffer> DisplayY() const { return dispY_; }
  TRef<ISLRealBuffer> DisplayX() const { return dispX_; }
  int DisplayCount() const;
  bool WasChanged() const { return wasChanged_; }
  bool IsPending() const;
  double SampleRate() const;
  bool IsPaired() const;
  bool UniformX() const { return dispUniformX_; }

  // Trace preparation for painting: raises OnChannelDraw, then rebuilds the
  // pixel arrays when the data or the geometry changed (WasChanged is false
  // from then on until new data are published).
  void PrepareTrace();
  // Draws the prepared trace (clipped by the caller to the data view).
  void DrawTrace(TLPCanvas& canvas, bool highlight);
  // Bar mode: the row the bars stand on (value 0, or the top or bottom of
  // the value range).
  int BarBase() const;
  // The X and Y values a drawn vertex stands for.
  TSLRealPoint VertexValue(int vertex) const;
  const TSLTraceCache& Trace() const { return trace_; }
  void ResetTraceCache() { trace_.Clear(); }
  // A sample-draw handler draws at every repaint: no cached trace picture.
  bool HasSampleDrawHandler() const { return isSignalConnected(QMetaMethod::fromSignal(&TSLScopeChannel::OnSampleDraw)); }

signals:
  void OnChannelDraw(QObject* Sender, int ChannelIndex, const double* ChannelData, int DataSize, bool WasChanged);
  void OnSampleDraw(QObject* Sender, double XValue, double YValue, TLPCanvas* Canvas, bool Highlighted,
                    bool& DefaultDraw);

protected:
  void NameChanged() override;

private:
  friend class TSLScope;
  void DrawPointMarks(QPainter& painter, bool highlight) const;
  bool ReceiveInput(IOWNotifyOperation* op);
  bool ReceiveXInput(IOWNotifyOperation* op);
  // Data thread, under the scope's data lock.
  void Arrival(const TRef<ISLDataBuffer>& buffer);
  void DrainOne();
  bool ReadyFor(TSLScopeChannel* other, int32_t n, double rate);
  bool TryPair();
  void TakeBuffer(const TRef<ISLDataBuffer>& buffer);
  void TakePair(const TRef<ISLRealBuffer>& x, const TRef<ISLRealBuffer>& y);
  // Under the receive section.
  void TakeReals(const TRef<ISLRealBuffer>& reals);
  void AppendSamples(const double* values, int32_t k, const double* xValues);
  void RebuildUniformX();
  void AppendSingle(double value);
  void RefreshConnectionFlags();
  // Window thread, under the data lock: moves receive data to display.
  bool Publish();
  void ClearData();
  void ShrinkTo(int32_t limit);

  TSLOWComboRealIntComplexPairedQueuedSinkPin* inputPin_ = nullptr;
  TSLOWQueuedIntegerRealSinkPin* xInputPin_ = nullptr;
  TLPCollection* markers_ = nullptr;

  mutable std::mutex receiveSection_;
  mutable std::mutex displaySection_;
  double rate_ = 10000.0;
  bool paired_ = false;
  bool inputConnected_ = false;
  bool xInputConnected_ = false;
  bool queuedOnInput_ = false;
  TRef<ISLRealBuffer> recvY_, recvX_;
  bool recvUniformX_ = true;
  bool pending_ = false;
  TRef<ISLRealBuffer> dispY_, dispX_;
  bool dispUniformX_ = true;
  bool wasChanged_ = false;
  TSLTraceCache trace_;
};

class TSLScopeChannels : public TSLOptionalDisplayCollection {
  Q_OBJECT
public:
  TSLScopeChannels(QObject* owner, TSLDataDisplay* display);
  TSLScopeChannel* operator[](int i) const { return Channel(i); }
  TSLScopeChannel* Channel(int i) const { return static_cast<TSLScopeChannel*>(Item(i)); }
signals:
  void OnClick(QObject* Sender, int ChannelIndex, int BeginSampleIndex, int EndSampleIndex,
               TSLRealPoint ClickedValue, bool& Handled);
};
