#pragma once
// The canvas every control of the scope paints with: an abstract interface
// (pen, brush and font objects, lines, shapes, text, clipping) and its
// implementation over a QPainter. The operations follow the conventions the
// drawing code is written for: a line does not include its end pixel, a
// rectangle or ellipse given by corners excludes its right and bottom edge,
// text is placed by its top-left corner and drawn over the brush colour
// unless the brush is clear, and pen styles are numbered 0 to 4.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>

class QPainter;

// Colours stored as 0x00BBGGRR integers (the form window descriptions and
// settings use) and QColor, which the canvas takes.
inline QColor ColorFromRef(uint32_t ref) {
  return QColor(int(ref & 0xff), int((ref >> 8) & 0xff), int((ref >> 16) & 0xff));
}
inline uint32_t ColorToRef(const QColor& c) {
  return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16);
}

// Pen style codes of PenStyle()/SetPenStyle(); any other code draws solid.
enum TLPPenStyleCode : int {
  psSolidCode = 0,
  psDashCode = 1,
  psDotCode = 2,
  psDashDotCode = 3,
  psDashDotDotCode = 4,
};

class TLPCanvasPen {
public:
  virtual ~TLPCanvasPen() = default;
  virtual QColor Color() const = 0;
  virtual void SetColor(const QColor& color) = 0;
  virtual Qt::PenStyle Style() const = 0;
  virtual void SetStyle(Qt::PenStyle style) = 0;
  virtual int Width() const = 0;
  virtual void SetWidth(int width) = 0;
};

class TLPCanvasBrush {
public:
  virtual ~TLPCanvasBrush() = default;
  virtual QColor Color() const = 0;
  virtual void SetColor(const QColor& color) = 0;
  virtual Qt::BrushStyle Style() const = 0;  // Qt::NoBrush is the clear brush
  virtual void SetStyle(Qt::BrushStyle style) = 0;
};

// Font style flags of TLPCanvasFont::Style().
enum TLPFontStyle : unsigned {
  fsBold = 1,
  fsItalic = 2,
  fsUnderline = 4,
  fsStrikeOut = 8,
};

class TLPCanvasFont {
public:
  virtual ~TLPCanvasFont() = default;
  virtual QColor Color() const = 0;
  virtual void SetColor(const QColor& color) = 0;
  virtual unsigned Style() const = 0;  // TLPFontStyle flags
  virtual void SetStyle(unsigned style) = 0;
  virtual int Size() const = 0;  // points
  virtual void SetSize(int points) = 0;
  virtual QString Name() const = 0;
  virtual void SetName(const QString& name) = 0;
};

class TLPCanvas;

// Anti-aliased drawing on a canvas for as long as the object lives (the
// smooth drawing path of embedded elements); the previous setting comes back
// on destruction.
class TLPCanvasAntialias {
public:
  explicit TLPCanvasAntialias(TLPCanvas& canvas);
  ~TLPCanvasAntialias();
  TLPCanvasAntialias(const TLPCanvasAntialias&) = delete;
  TLPCanvasAntialias& operator=(const TLPCanvasAntialias&) = delete;

private:
  QPainter* painter_;
  bool previous_ = false;
};

class TLPCanvas {
public:
  virtual ~TLPCanvas() = default;

  virtual TLPCanvasPen& Pen() = 0;
  virtual TLPCanvasBrush& Brush() = 0;
  virtual TLPCanvasFont& Font() = 0;

  // The painter drawn on; null when there is none. Set replaces it (the
  // canvas's pen, brush and font stay).
  virtual QPainter* Painter() = 0;
  virtual void SetPainter(QPainter* painter) = 0;

  virtual QColor FontColor() const = 0;
  virtual void SetFontColor(const QColor& color) = 0;
  virtual int PenWidth() const = 0;
  virtual void SetPenWidth(int width) = 0;
  virtual int PenStyle() const = 0;  // TLPPenStyleCode
  virtual void SetPenStyle(int code) = 0;

  virtual void SetPixel(int x, int y, const QColor& color) = 0;
  // Outline with the pen, inside filled with the brush, within the pixels of
  // rect; the four-coordinate forms exclude x2 and y2.
  virtual void Ellipse(const QRect& rect) = 0;
  void Ellipse(int x1, int y1, int x2, int y2) { Ellipse(CornerRect(x1, y1, x2, y2)); }
  virtual void Rectangle(const QRect& rect) = 0;
  void Rectangle(int x1, int y1, int x2, int y2) { Rectangle(CornerRect(x1, y1, x2, y2)); }
  virtual void FillRect(const QRect& rect) = 0;  // brush only
  virtual void DrawFocusRect(const QRect& rect) = 0;  // dotted, inverting
  virtual void Polygon(const QPoint* points, int count) = 0;
  // From the current position to (x, y), end pixel excluded; (x, y) becomes
  // the current position.
  virtual void LineTo(int x, int y) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual QPoint PenPos() const = 0;

  virtual QSize TextExtent(const QString& text) = 0;
  int TextWidth(const QString& text) { return TextExtent(text).width(); }
  int TextHeight(const QString& text) { return TextExtent(text).height(); }
  // Top-left of the (unrotated) text at (x, y); turned about that point by
  // the font angle.
  virtual void TextOut(int x, int y, const QString& text) = 0;

  // Clipping in device pixels. Excluding narrows the current clip (the whole
  // device when there is none); an empty region removes the clip.
  virtual void ExcludeClipRect(const QRect& rect) = 0;
  virtual void RemoveClip() = 0;
  virtual void SelectClipRegion(const QRegion& region) = 0;

  // Text angle in degrees, counter-clockwise: 90 reads upward. Kept as the
  // font's escapement in tenths of a degree (FontEscapement = degrees × 10).
  virtual void SetFontAngle(int degrees) = 0;
  virtual int FontEscapement() const = 0;

  virtual void AssignPen(const QPen& pen) = 0;
  virtual void AssignBrush(const QBrush& brush) = 0;
  virtual void AssignFont(const QFont& font) = 0;
  virtual QPen CurrentPen() const = 0;
  virtual QBrush CurrentBrush() const = 0;
  virtual QFont CurrentFont() const = 0;

  static QRect CornerRect(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
  }
};

// Keeps a canvas's pen and brush for its lifetime and writes them back when
// it ends, so that a drawing routine may change them freely.
class TLPCanvasSave {
public:
  explicit TLPCanvasSave(TLPCanvas& canvas)
      : canvas_(canvas), pen_(canvas.CurrentPen()), brush_(canvas.CurrentBrush()) {}
  ~TLPCanvasSave() {
    canvas_.AssignPen(pen_);
    canvas_.AssignBrush(brush_);
  }
  TLPCanvasSave(const TLPCanvasSave&) = delete;
  TLPCanvasSave& operator=(const TLPCanvasSave&) = delete;

private:
  TLPCanvas& canvas_;
  QPen pen_;
  QBrush brush_;
};

class TLPCanvasImpl;

class TLPCanvasPenImpl final : public TLPCanvasPen {
public:
  explicit TLPCanvasPenImpl(QPen& pen) : pen_(pen) {}
  QColor Color() const override { return pen_.color(); }
  void SetColor(const QColor& color) override { pen_.setColor(color); }
  Qt::PenStyle Style() const override { return pen_.style(); }
  void SetStyle(Qt::PenStyle style) override { pen_.setStyle(style); }
  int Width() const override { return pen_.width(); }
  void SetWidth(int width) override { pen_.setWidth(width < 0 ? 0 : width); }

private:
  QPen& pen_;
};

class TLPCanvasBrushImpl final : public TLPCanvasBrush {
public:
  explicit TLPCanvasBrushImpl(QBrush& brush) : brush_(brush) {}
  QColor Color() const override { return brush_.color(); }
  void SetColor(const QColor& color) override { brush_.setColor(color); }
  Qt::BrushStyle Style() const override { return brush_.style(); }
  void SetStyle(Qt::BrushStyle style) override { brush_.setStyle(style); }

private:
  QBrush& brush_;
};

class TLPCanvasFontImpl final : public TLPCanvasFont {
public:
  TLPCanvasFontImpl(QFont& font, QColor& color) : font_(font), color_(color) {}
  QColor Color() const override { return color_; }
  void SetColor(const QColor& color) override { color_ = color; }
  unsigned Style() const override;
  void SetStyle(unsigned style) override;
  int Size() const override { return font_.pointSize(); }
  void SetSize(int points) override {
    if (points > 0) font_.setPointSize(points);
  }
  QString Name() const override { return font_.family(); }
  void SetName(const QString& name) override { font_.setFamily(name); }

private:
  QFont& font_;
  QColor& color_;
};

// The canvas over a QPainter. Pen, brush and font live in the canvas and are
// handed to the painter by each operation, so they survive a change of
// painter. Without an active painter the operations draw nothing.
class TLPCanvasImpl : public TLPCanvas {
public:
  explicit TLPCanvasImpl(QPainter* painter = nullptr);
  TLPCanvasImpl(const TLPCanvasImpl&) = delete;
  TLPCanvasImpl& operator=(const TLPCanvasImpl&) = delete;

  TLPCanvasPen& Pen() override { return penObject_; }
  TLPCanvasBrush& Brush() override { return brushObject_; }
  TLPCanvasFont& Font() override { return fontObject_; }

  QPainter* Painter() override { return ActivePainter(); }
  void SetPainter(QPainter* painter) override {
    painter_ = painter;
    clip_.reset();
  }

  QColor FontColor() const override { return fontColor_; }
  void SetFontColor(const QColor& color) override { fontColor_ = color; }
  int PenWidth() const override { return pen_.width(); }
  void SetPenWidth(int width) override { penObject_.SetWidth(width); }
  int PenStyle() const override;
  void SetPenStyle(int code) override;

  void SetPixel(int x, int y, const QColor& color) override;
  using TLPCanvas::Ellipse;
  using TLPCanvas::Rectangle;
  void Ellipse(const QRect& rect) override;
  void Rectangle(const QRect& rect) override;
  void FillRect(const QRect& rect) override;
  void DrawFocusRect(const QRect& rect) override;
  void Polygon(const QPoint* points, int count) override;
  void LineTo(int x, int y) override;
  void MoveTo(int x, int y) override { pos_ = QPoint(x, y); }
  QPoint PenPos() const override { return pos_; }

  QSize TextExtent(const QString& text) override;
  void TextOut(int x, int y, const QString& text) override;

  void ExcludeClipRect(const QRect& rect) override;
  void RemoveClip() override;
  void SelectClipRegion(const QRegion& region) override;

  void SetFontAngle(int degrees) override { escapement_ = degrees * 10; }
  int FontEscapement() const override { return escapement_; }

  void AssignPen(const QPen& pen) override { pen_ = pen; }
  void AssignBrush(const QBrush& brush) override { brush_ = brush; }
  void AssignFont(const QFont& font) override { font_ = font; }
  QPen CurrentPen() const override { return pen_; }
  QBrush CurrentBrush() const override { return brush_; }
  QFont CurrentFont() const override { return font_; }

protected:
  // The painter to draw with, or null; a canvas bound to an image opens its
  // painter here on demand.
  virtual QPainter* ActivePainter();
  // Gives a newly opened painter the clip set through this canvas.
  void ApplyClip(QPainter* painter) const;

private:
  // The painter with the canvas's pen (adjusted as drawn, see .cpp) and
  // brush, or null.
  QPainter* Prepare(bool withBrush);
  QPen DrawnPen() const;

  QPainter* painter_;
  QPen pen_;
  QBrush brush_;
  QFont font_;
  // Metrics of the font last measured; fonts are looked up once per change.
  const QFontMetrics& Metrics();
  QFont metricsFont_;
  QPaintDevice* metricsDevice_ = nullptr;
  std::optional<QFontMetrics> metrics_;
  QColor fontColor_;
  QPoint pos_;
  std::optional<QRegion> clip_;  // none: not clipped
  int escapement_ = 0;
  TLPCanvasPenImpl penObject_{pen_};
  TLPCanvasBrushImpl brushObject_{brush_};
  TLPCanvasFontImpl fontObject_{font_, fontColor_};
};
