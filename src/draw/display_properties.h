#pragma once
// Pen, brush, font and optional-label property objects of the displays.
// Each is a TLPPersistentNotify sharing its owner's lock: a change of any
// published value calls the owner's change callback (SetOnChange), through
// which the display repaints or lays itself out again.

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QString>

#include <atomic>
#include <mutex>

#include "draw/published_property.h"
#include "draw/vcl_types.h"
#include "pins/persistent.h"

// Qt's pen and brush for the stored styles.
Qt::PenStyle ToQtPenStyle(Vcl::TPenStyle style);
// How a pen of `mode` combines with what is drawn already (an opaque
// destination, as the back buffers are).
QPainter::CompositionMode ToQtCompositionMode(Vcl::TPenMode mode);
Qt::BrushStyle ToQtBrushStyle(Vcl::TBrushStyle style);

class TSLDisplayPen : public TLPPersistentNotify {
  Q_OBJECT
  TLP_PROPERTY(QColor, Color, QColor(Qt::red), NoNotify)
  TLP_PROPERTY(Vcl::TPenMode, Mode, Vcl::pmCopy, NoNotify)
  TLP_PROPERTY(Vcl::TPenStyle, Style, Vcl::psSolid, NoNotify)
  TLP_PROPERTY(int, Width, 1, NoNotify)
public:
  explicit TSLDisplayPen(QObject* owner, const QColor& color = QColor(Qt::red), Vcl::TPenStyle style = Vcl::psSolid);
  QPen ToQPen() const;
  // Copies colour, style and width of a Qt pen.
  void AssignPen(const QPen& pen);

private:
  void NoNotify() {}
};

class TSLDisplayBrush : public TLPPersistentNotify {
  Q_OBJECT
  TLP_PROPERTY(QColor, Color, QColor(Qt::red), NoNotify)
  TLP_PROPERTY(Vcl::TBrushStyle, Style, Vcl::bsSolid, NoNotify)
public:
  explicit TSLDisplayBrush(QObject* owner, const QColor& color = QColor(Qt::red),
                           Vcl::TBrushStyle style = Vcl::bsSolid);
  QBrush ToQBrush() const;
  // Copies from any brush (Qt's or another display brush).
  void AssignBrush(const QBrush& brush);

private:
  void NoNotify() {}
};

// A font as window descriptions store it: Height in pixels (negative: the
// character height without internal leading, as stored), Size in points
// derived from it at 96 dots per inch.
class TSLDisplayFont : public TLPPersistentNotify {
  Q_OBJECT
  TLP_PROPERTY(int, Charset, 1, NoNotify)
  TLP_PROPERTY(QColor, Color, QColor(Qt::white), NoNotify)
  TLP_PROPERTY(int, Height, -11, FontChanged)
  TLP_PROPERTY(QString, Name, QStringLiteral("Arial"), FontChanged)
  TLP_PROPERTY(Vcl::TFontStyles, Style, Vcl::TFontStyles(), FontChanged)
  Q_PROPERTY(int Size READ Size WRITE SetSize STORED false)
public:
  explicit TSLDisplayFont(QObject* owner, const QString& name = QStringLiteral("Arial"), int size = 8,
                          const QColor& color = QColor(Qt::white), Vcl::TFontStyles style = {});
  int Size() const;
  void SetSize(int points);
  // The same QFont (one shared copy) while name, height and style stay:
  // built anew on every call it cost each pointer move a font resolution,
  // and fonts compared equal only after comparing every attribute.
  QFont ToQFont() const;
  void AssignFont(const QFont& font, const QColor& color);

private:
  void NoNotify() {}
  // Counted after the new value is stored: a font kept under an older count
  // is built again, whichever thread asked for it meanwhile.
  void FontChanged() { ++fontGeneration_; }
  std::atomic<int> fontGeneration_{0};
  mutable std::mutex keptMutex_;
  mutable QFont kept_;
  mutable int keptGeneration_ = -1;
};

class TLPOptionalPenProperty : public TLPOptionalVisibilityProperty {
  Q_OBJECT
  TLP_SUBOBJECT(TSLDisplayPen, Pen)
public:
  explicit TLPOptionalPenProperty(QObject* owner, const QColor& color = QColor(Qt::red),
                                  Vcl::TPenStyle style = Vcl::psSolid, bool visible = true);
};

class TSLBasicOptionalLabel : public TLPPersistentNotify {
  Q_OBJECT
  TLP_PROPERTY(bool, Visible, true, NoNotify)
  TLP_SUBOBJECT(TSLDisplayFont, Font)
public:
  explicit TSLBasicOptionalLabel(QObject* owner);

private:
  void NoNotify() {}
};

class TSLOptionalLabel : public TSLBasicOptionalLabel {
  Q_OBJECT
  TLP_PROPERTY(QString, Text, QString(), NoNotify)
public:
  using TSLBasicOptionalLabel::TSLBasicOptionalLabel;

private:
  void NoNotify() {}
};
