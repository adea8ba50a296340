#pragma once
// Small classes that window descriptions in the tests create: a form, a
// component with sub-objects, collections and events, and container widgets.

#include "forms/class_registry.h"
#include "pins/collection.h"
#include "pins/component.h"
#include "pins/persistent.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>

#include <ostream>

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace formtest {

// Initialized calls, in order, by component name.
QStringList& InitLog();

class TTestTick : public TLPPersistent {
  Q_OBJECT
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(double Step READ Step WRITE SetStep)
  Q_PROPERTY(int Count READ Count WRITE SetCount)
public:
  explicit TTestTick(QObject* owner) : TLPPersistent(owner) {}
  double Value() const { return value_; }
  void SetValue(double v) { value_ = v; }
  double Step() const { return step_; }
  void SetStep(double v) { step_ = v; }
  int Count() const { return count_; }
  void SetCount(int v) { count_ = v; }

private:
  double value_ = 1.5;
  double step_ = 2.0;
  int count_ = 5;
};

class TTestAxis : public TLPPersistent {
  Q_OBJECT
public:
  enum TTestMode { tmLinear, tmLog, tmTime };
  Q_ENUM(TTestMode)
  enum TTestOption { toGrid = 1, toTicks = 2, toLabels = 4 };
  Q_DECLARE_FLAGS(TTestOptions, TTestOption)
  Q_FLAG(TTestOptions)

private:
  Q_PROPERTY(TTestTick* Tick READ Tick)
  Q_PROPERTY(double Max READ Max WRITE SetMax)
  Q_PROPERTY(TTestMode Mode READ Mode WRITE SetMode)
  Q_PROPERTY(TTestOptions Options READ Options WRITE SetOptions)
  Q_PROPERTY(QColor Color READ Color WRITE SetColor)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)
  Q_PROPERTY(QColor FontColor READ FontColor WRITE SetFontColor)

public:
  explicit TTestAxis(QObject* owner) : TLPPersistent(owner), tick_(new TTestTick(this)) {}
  TTestTick* Tick() const { return tick_; }
  double Max() const { return max_; }
  void SetMax(double v) { max_ = v; }
  TTestMode Mode() const { return mode_; }
  void SetMode(TTestMode m) { mode_ = m; }
  TTestOptions Options() const { return options_; }
  void SetOptions(TTestOptions o) { options_ = o; }
  QColor Color() const { return color_; }
  void SetColor(const QColor& c) { color_ = c; }
  QFont Font() const { return font_; }
  void SetFont(const QFont& f) { font_ = f; }
  QColor FontColor() const { return fontColor_; }
  void SetFontColor(const QColor& c) { fontColor_ = c; }

private:
  TTestTick* tick_;
  double max_ = 10.0;
  TTestMode mode_ = tmLinear;
  TTestOptions options_ = TTestOptions(toGrid | toTicks);
  QColor color_ = QColor(0, 255, 0);
  QFont font_ = QFont(QStringLiteral("Arial"), 8);
  QColor fontColor_ = QColor(255, 255, 255);
};

class TTestItem : public TOWExtCollectionItem {
  Q_OBJECT
  Q_PROPERTY(QString Name READ Name WRITE SetName)
  Q_PROPERTY(double Position READ Position WRITE SetPosition)
  Q_PROPERTY(int Tag READ Tag WRITE SetTag)
public:
  explicit TTestItem(TOWExtCollection* c) : TOWExtCollectionItem(c) {}
  QString Name() const { return name_; }
  void SetName(const QString& n) { name_ = n; }
  double Position() const { return position_; }
  void SetPosition(double v) { position_ = v; }
  int Tag() const { return tag_; }
  void SetTag(int v) { tag_ = v; }
signals:
  void OnClick(QObject* Sender);

private:
  QString name_;
  double position_ = 1.0;
  int tag_ = 0;
};

// A component with every kind of published property, a stored extra
// property (AxisIndex_) and two events.
class TTestDevice : public TLPComponent, public IDefinedProperties {
  Q_OBJECT
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(int Rate READ Rate WRITE SetRate)
  Q_PROPERTY(qint64 Big READ Big WRITE SetBig)
  Q_PROPERTY(uint Mask READ Mask WRITE SetMask)
  Q_PROPERTY(int Shade READ Shade WRITE SetShade)
  Q_PROPERTY(QString Title READ Title WRITE SetTitle)
  Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
  Q_PROPERTY(QByteArray Picture READ Picture WRITE SetPicture)
  Q_PROPERTY(double Gain READ Gain WRITE SetGain)
  Q_PROPERTY(TTestAxis* XAxis READ XAxis)
  Q_PROPERTY(TTestAxis* YAxis READ YAxis)
  Q_PROPERTY(TOWExtCollection* Channels READ Channels)
  Q_PROPERTY(QObject* Buddy READ Buddy WRITE SetBuddy)
  Q_PROPERTY(TTestDevice* Partner READ Partner WRITE SetPartner)
  Q_PROPERTY(int ReadOnly READ ReadOnly)
public:
  explicit TTestDevice(QObject* owner);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { enabled_ = v; }
  int Rate() const { return rate_; }
  void SetRate(int v) { rate_ = v; }
  qint64 Big() const { return big_; }
  void SetBig(qint64 v) { big_ = v; }
  uint Mask() const { return mask_; }
  void SetMask(uint v) { mask_ = v; }
  int Shade() const { return shade_; }
  void SetShade(int v) { shade_ = v; }
  QString Title() const { return title_; }
  void SetTitle(const QString& v) { title_ = v; }
  QStringList Items() const { return items_; }
  void SetItems(const QStringList& v) { items_ = v; }
  QByteArray Picture() const { return picture_; }
  void SetPicture(const QByteArray& v) { picture_ = v; }
  double Gain() const { return gain_; }
  void SetGain(double v) { gain_ = v; }
  TTestAxis* XAxis() const { return xAxis_; }
  TTestAxis* YAxis() const { return yAxis_; }
  TOWExtCollection* Channels() const { return channels_; }
  QObject* Buddy() const { return buddy_; }
  void SetBuddy(QObject* b) { buddy_ = b; }
  TTestDevice* Partner() const { return partner_; }
  void SetPartner(TTestDevice* p) { partner_ = p; }
  int ReadOnly() const { return 1; }

  int initializedCount = 0;
  int yIndex = 0, xIndex = 0;

  bool ReadDefinedProperty(const QString& name, const TStoredValue& value) override;
  void WriteDefinedProperties(QList<QPair<QString, TStoredValue>>& out) const override;

signals:
  void OnChange(QObject* Sender);
  void OnError(QObject* Sender, const QString& Text);

protected:
  void Initialized() override;

private:
  bool enabled_ = true;
  int rate_ = 44100;
  qint64 big_ = 0;
  uint mask_ = 0;
  int shade_ = 0;
  QString title_ = QStringLiteral("Scope");
  QStringList items_;
  QByteArray picture_;
  double gain_ = 1.0;
  TTestAxis* xAxis_;
  TTestAxis* yAxis_;
  TOWExtCollection* channels_;
  QObject* buddy_ = nullptr;
  TTestDevice* partner_ = nullptr;
};

class TTestPanel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(int Left READ Left WRITE SetLeft)
public:
  explicit TTestPanel(QWidget* parent = nullptr) : QWidget(parent) {}
  QString Caption() const { return caption_; }
  void SetCaption(const QString& c) { caption_ = c; }
  int Left() const { return x(); }
  void SetLeft(int v) { move(v, y()); }
signals:
  void OnClick(QObject* Sender);

private:
  QString caption_;
};

// A container that places its controls on an inner page widget of its own.
class TTestPages : public QWidget {
  Q_OBJECT
public:
  explicit TTestPages(QWidget* parent = nullptr) : QWidget(parent), page_(new QWidget(this)) {}
  Q_INVOKABLE void InsertControl(QWidget* control) {
    control->setParent(page_);
    ++inserted;
  }
  QWidget* Page() const { return page_; }
  int inserted = 0;

private:
  QWidget* page_;
};

class TTestForm : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
public:
  explicit TTestForm(QWidget* parent = nullptr) : QWidget(parent) {}
  QString Caption() const { return caption_; }
  void SetCaption(const QString& c) { caption_ = c; }
  int ClientWidth() const { return clientWidth_; }
  void SetClientWidth(int v) { clientWidth_ = v; }

  QList<QObject*> changes;
  QStringList errors;
  QList<QObject*> clicks;

public slots:
  void DeviceChange(QObject* Sender) { changes.append(Sender); }
  void DeviceError(QObject* Sender, const QString& Text) {
    (void)Sender;
    errors.append(Text);
  }
  void PanelClick(QObject* Sender) { clicks.append(Sender); }
  void WrongShape(int value) { (void)value; }

private:
  QString caption_;
  int clientWidth_ = 0;
};

// Registers the classes above (idempotent).
void RegisterTestClasses();

}  // namespace formtest
