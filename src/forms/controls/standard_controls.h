#pragma once
// The standard controls of the experiment windows over Qt widgets.

#include "draw/control.h"
#include "forms/controls/picture.h"
#include "draw/vcl_types.h"

#include <QList>
#include <QPointer>
#include <QStringList>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;
class QToolButton;
class TTabSheet;

// Sets a flag for the duration of a property change made by code, so that
// the inner widget's change signal is not taken for user input.
class TCodeChange {
public:
  explicit TCodeChange(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
  ~TCodeChange() { flag_ = previous_; }
  TCodeChange(const TCodeChange&) = delete;
  TCodeChange& operator=(const TCodeChange&) = delete;

private:
  bool& flag_;
  bool previous_;
};

class TPanel : public TControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(Vcl::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
  Q_PROPERTY(Vcl::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
  Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
  Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE SetAlignment)

public:
  explicit TPanel(QWidget* parent = nullptr);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& v) { caption_ = v; update(); }
  Vcl::TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(Vcl::TBevelCut v) { bevelOuter_ = v; update(); }
  Vcl::TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(Vcl::TBevelCut v) { bevelInner_ = v; update(); }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v) { bevelWidth_ = qMax(1, v); update(); }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int v) { borderWidth_ = qMax(0, v); update(); }
  Vcl::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(Vcl::TAlignment v) { alignment_ = v; update(); }

protected:
  void paintEvent(QPaintEvent* e) override;

private:
  QString caption_;
  Vcl::TBevelCut bevelOuter_ = Vcl::bvRaised;
  Vcl::TBevelCut bevelInner_ = Vcl::bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  Vcl::TAlignment alignment_ = Vcl::taCenter;
};

class TLabel : public TControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(Vcl::TTextLayout Layout READ Layout WRITE SetLayout)

public:
  explicit TLabel(QWidget* parent = nullptr);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& v);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; update(); }
  Vcl::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(Vcl::TAlignment v) { alignment_ = v; update(); }
  Vcl::TTextLayout Layout() const { return layout_; }
  void SetLayout(Vcl::TTextLayout v) { layout_ = v; update(); }
  void SetWidth(int v) override;

  // The size the caption needs (at the current width when word-wrapped).
  QSize TextExtent() const;

protected:
  void paintEvent(QPaintEvent* e) override;
  void FontChanged() override { AdjustSize(); }
  bool PaintsBackground() const override { return !transparent_; }

private:
  void AdjustSize();
  int TextFlags() const;
  QString caption_;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
  Vcl::TAlignment alignment_ = Vcl::taLeftJustify;
  Vcl::TTextLayout layout_ = Vcl::tlTop;
  int explicitWidth_ = 0;  // the width last set, kept for word wrapping
};

class TButton : public TControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool Default READ Default WRITE SetDefault)
  Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)

public:
  explicit TButton(QWidget* parent = nullptr);
  QString Caption() const { return caption_; }
  virtual void SetCaption(const QString& v);
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  void SetTabStop(bool v) override;
  // The inner push button (tests click it as the user would).
  QAbstractButton* Button() const { return button_; }

protected:
  explicit TButton(QAbstractButton* button, QWidget* parent);
  void Resized() override;
  QAbstractButton* button_;
  QString caption_;

private:
  void Setup();
  bool default_ = false;
  bool cancel_ = false;
};

// A button with a picture (its glyph) beside or above the caption.
class TBitBtn : public TButton {
  Q_OBJECT
  Q_PROPERTY(QByteArray Glyph READ Glyph WRITE SetGlyph)
  Q_PROPERTY(Vcl::TButtonLayout Layout READ Layout WRITE SetLayout)
  Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
  Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
  Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)

public:
  explicit TBitBtn(QWidget* parent = nullptr);
  QByteArray Glyph() const { return glyph_.Data(); }
  void SetGlyph(const QByteArray& data);
  const TPicture& GlyphPicture() const { return glyph_; }
  Vcl::TButtonLayout Layout() const { return layout_; }
  void SetLayout(Vcl::TButtonLayout v);
  int Spacing() const { return spacing_; }
  void SetSpacing(int v) { spacing_ = v; }
  int Margin() const { return margin_; }
  void SetMargin(int v) { margin_ = v; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int v) { numGlyphs_ = qMax(1, v); }

private:
  void UpdateIcon();
  TPicture glyph_;
  Vcl::TButtonLayout layout_ = Vcl::blGlyphLeft;
  int spacing_ = 4;
  int margin_ = -1;
  int numGlyphs_ = 1;
};

class TCheckBox : public TControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
  Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE SetAlignment)

public:
  explicit TCheckBox(QWidget* parent = nullptr);
  QString Caption() const;
  void SetCaption(const QString& v);
  bool Checked() const;
  // A change raises OnClick, as the user's click does.
  void SetChecked(bool v);
  Vcl::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(Vcl::TAlignment v);
  void SetTabStop(bool v) override;
  QCheckBox* Box() const { return box_; }

protected:
  void Resized() override;

private:
  QCheckBox* box_;
  bool byCode_ = false;
  Vcl::TAlignment alignment_ = Vcl::taRightJustify;
};

class TRadioButton : public TControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)

public:
  explicit TRadioButton(QWidget* parent = nullptr);
  QString Caption() const;
  void SetCaption(const QString& v);
  bool Checked() const;
  // Checking unchecks the radio buttons with the same parent; becoming
  // checked raises OnClick.
  void SetChecked(bool v);
  void SetTabStop(bool v) override;
  QRadioButton* Radio() const { return radio_; }

protected:
  void Resized() override;

private:
  void UserChecks();
  QRadioButton* radio_;
  bool byCode_ = false;
  friend class TRadioInner;
};

class TEdit : public TControl {
  Q_OBJECT
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
  Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)

public:
  explicit TEdit(QWidget* parent = nullptr);
  QString Text() const;
  void SetText(const QString& v);
  bool ReadOnly() const;
  void SetReadOnly(bool v);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  void SetTabStop(bool v) override;
  QLineEdit* Editor() const { return edit_; }

signals:
  void OnChange(QObject* Sender);

protected:
  void Resized() override;

private:
  QLineEdit* edit_;
  bool byCode_ = false;
  int maxLength_ = 0;
};

class TComboBox : public TControl {
  Q_OBJECT
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
  Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
  Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
  Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
  Q_PROPERTY(Vcl::TComboBoxStyle Style READ Style WRITE SetStyle)

public:
  explicit TComboBox(QWidget* parent = nullptr);
  QString Text() const;
  void SetText(const QString& v);
  QStringList Items() const;
  void SetItems(const QStringList& v);
  int ItemIndex() const;
  void SetItemIndex(int v);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int v) { itemHeight_ = v; }
  int DropDownCount() const;
  void SetDropDownCount(int v);
  Vcl::TComboBoxStyle Style() const { return style_; }
  void SetStyle(Vcl::TComboBoxStyle v);
  void SetTabStop(bool v) override;
  QComboBox* Combo() const { return combo_; }

signals:
  void OnChange(QObject* Sender);

protected:
  void Resized() override;

private:
  QComboBox* combo_;
  bool byCode_ = false;
  int itemHeight_ = 13;
  Vcl::TComboBoxStyle style_ = Vcl::csDropDown;
};

class TScrollBar : public TControl {
  Q_OBJECT
  Q_PROPERTY(Vcl::TScrollBarKind Kind READ Kind WRITE SetKind)
  Q_PROPERTY(int Min READ Min WRITE SetMin)
  Q_PROPERTY(int Max READ Max WRITE SetMax)
  Q_PROPERTY(int Position READ Position WRITE SetPosition)
  Q_PROPERTY(int LargeChange READ LargeChange WRITE SetLargeChange)
  Q_PROPERTY(int SmallChange READ SmallChange WRITE SetSmallChange)
  Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)

public:
  explicit TScrollBar(QWidget* parent = nullptr);
  Vcl::TScrollBarKind Kind() const { return kind_; }
  void SetKind(Vcl::TScrollBarKind v);
  int Min() const { return min_; }
  void SetMin(int v) { SetParams(position_, v, max_); }
  int Max() const { return max_; }
  void SetMax(int v) { SetParams(position_, min_, v); }
  int Position() const { return position_; }
  // Kept within Min..Max; a change raises OnChange.
  void SetPosition(int v) { SetParams(v, min_, max_); }
  void SetParams(int position, int min, int max);
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int v);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int v);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int v);
  void SetTabStop(bool v) override;
  QScrollBar* Bar() const { return bar_; }

signals:
  void OnChange(QObject* Sender);

protected:
  void Resized() override;

private:
  void Sync();
  QScrollBar* bar_;
  bool byCode_ = false;
  Vcl::TScrollBarKind kind_ = Vcl::sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int largeChange_ = 1;
  int smallChange_ = 1;
  int pageSize_ = 0;
};

class TTrackBar : public TControl {
  Q_OBJECT
  Q_PROPERTY(int Min READ Min WRITE SetMin)
  Q_PROPERTY(int Max READ Max WRITE SetMax)
  Q_PROPERTY(int Position READ Position WRITE SetPosition)
  Q_PROPERTY(Vcl::TTrackBarOrientation Orientation READ Orientation WRITE SetOrientation)
  Q_PROPERTY(int ThumbLength READ ThumbLength WRITE SetThumbLength)
  Q_PROPERTY(Vcl::TTickMark TickMarks READ TickMarks WRITE SetTickMarks)
  Q_PROPERTY(Vcl::TTickStyle TickStyle READ TickStyle WRITE SetTickStyle)
  Q_PROPERTY(int Frequency READ Frequency WRITE SetFrequency)
  Q_PROPERTY(int LineSize READ LineSize WRITE SetLineSize)
  Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)

public:
  explicit TTrackBar(QWidget* parent = nullptr);
  int Min() const { return min_; }
  void SetMin(int v);
  int Max() const { return max_; }
  void SetMax(int v);
  int Position() const { return position_; }
  // Kept within Min..Max; a change raises OnChange.
  void SetPosition(int v);
  Vcl::TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(Vcl::TTrackBarOrientation v);
  int ThumbLength() const { return thumbLength_; }
  void SetThumbLength(int v);
  Vcl::TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(Vcl::TTickMark v);
  Vcl::TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(Vcl::TTickStyle v);
  int Frequency() const { return frequency_; }
  void SetFrequency(int v);
  int LineSize() const { return lineSize_; }
  void SetLineSize(int v);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int v);
  void SetTabStop(bool v) override;
  QSlider* Slider() const { return slider_; }

signals:
  void OnChange(QObject* Sender);

protected:
  void Resized() override;

private:
  void Sync();
  QSlider* slider_;
  bool byCode_ = false;
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  Vcl::TTrackBarOrientation orientation_ = Vcl::trHorizontal;
  int thumbLength_ = 20;
  Vcl::TTickMark tickMarks_ = Vcl::tmBottomRight;
  Vcl::TTickStyle tickStyle_ = Vcl::tsAuto;
  int frequency_ = 1;
  int lineSize_ = 1;
  int pageSize_ = 2;
};

class TTabSheet : public TControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool TabVisible READ TabVisible WRITE SetTabVisible)
  Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)

public:
  explicit TTabSheet(QWidget* parent = nullptr);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& v);
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool v);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v) { imageIndex_ = v; }
  // Left/Top/Width/Height of a page are the page control's business.
  void SetLeft(int) override {}
  void SetTop(int) override {}
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  // Visibility of a page follows the active page.
  void SetVisible(bool) override {}

protected:
  bool event(QEvent* e) override;

private:
  void Changed();
  QString caption_;
  bool tabVisible_ = true;
  int imageIndex_ = -1;
};

// Pages with tabs (drawn as tabs or as buttons) and one visible page.
class TPageControl : public TControl {
  Q_OBJECT
  Q_PROPERTY(QObject* ActivePage READ ActivePageObject WRITE SetActivePageObject)
  Q_PROPERTY(int TabIndex READ TabIndex WRITE SetTabIndex)
  Q_PROPERTY(Vcl::TTabStyle Style READ Style WRITE SetStyle)
  Q_PROPERTY(int TabHeight READ TabHeight WRITE SetTabHeight)

public:
  explicit TPageControl(QWidget* parent = nullptr);
  ~TPageControl() override;

  Q_INVOKABLE void InsertControl(QWidget* control);
  void RemovePage(TTabSheet* page);
  int PageCount() const { return int(pages_.size()); }
  TTabSheet* Pages(int i) const { return pages_.value(i); }
  TTabSheet* ActivePage() const { return active_; }
  void SetActivePage(TTabSheet* page);
  QObject* ActivePageObject() const { return active_; }
  void SetActivePageObject(QObject* page) { SetActivePage(qobject_cast<TTabSheet*>(page)); }
  int ActivePageIndex() const { return int(pages_.indexOf(active_)); }
  int TabIndex() const { return ActivePageIndex(); }
  void SetTabIndex(int i) { SetActivePage(pages_.value(i)); }
  Vcl::TTabStyle Style() const { return style_; }
  void SetStyle(Vcl::TTabStyle v);
  int TabHeight() const { return tabHeight_; }
  void SetTabHeight(int v);
  // The area of the pages inside the control.
  QRect PageRect() const;
  // The tab button of page i (tests click it).
  QAbstractButton* TabButton(int i) const { return tabs_.value(i); }
  // The arrows that scroll the tabs when they do not all fit (hidden
  // otherwise): towards the first tab, or towards the last.
  QAbstractButton* TabScrollButton(bool forward) const { return forward ? scrollForward_ : scrollBack_; }

  void PageChanged(TTabSheet* page);

signals:
  void OnChange(QObject* Sender);

protected:
  void Resized() override;
  void childEvent(QChildEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

private:
  void Relayout();
  void RebuildTabs();
  void ScrollTabs(int step);
  int TabWidth(int i) const;
  QList<TTabSheet*> pages_;
  QList<QAbstractButton*> tabs_;
  QPointer<TTabSheet> active_;
  Vcl::TTabStyle style_ = Vcl::tsTabs;
  int tabHeight_ = 0;
  QAbstractButton* scrollBack_;
  QAbstractButton* scrollForward_;
  int firstTab_ = 0;            // the first tab shown (tabs scroll when they do not fit)
  bool revealActive_ = false;   // the next layout scrolls the active tab into view
};

class TImage : public TControl {
  Q_OBJECT
  Q_PROPERTY(QByteArray Picture READ PictureData WRITE SetPictureData)
  Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
  Q_PROPERTY(bool Proportional READ Proportional WRITE SetProportional)
  Q_PROPERTY(bool Center READ Center WRITE SetCenter)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)

public:
  explicit TImage(QWidget* parent = nullptr);
  QByteArray PictureData() const { return picture_.Data(); }
  void SetPictureData(const QByteArray& data);
  // Loads a picture file; on failure raises EInvalidGraphic and keeps the
  // picture shown before.
  void LoadFromFile(const QString& path);
  const TPicture& Picture() const { return picture_; }
  void SetPicture(const TPicture& picture);
  void ClearPicture();
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v) { stretch_ = v; update(); }
  bool Proportional() const { return proportional_; }
  void SetProportional(bool v) { proportional_ = v; update(); }
  bool Center() const { return center_; }
  void SetCenter(bool v) { center_ = v; update(); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; update(); }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  // Where the picture is drawn inside the control.
  QRectF DestRect() const;

protected:
  void paintEvent(QPaintEvent* e) override;
  bool PassesMouseWhenIdle() const override { return true; }

private:
  void PictureChanged();
  TPicture picture_;
  bool stretch_ = false;
  bool proportional_ = false;
  bool center_ = false;
  bool transparent_ = false;
  bool autoSize_ = false;
};

class TPen : public QObject {
  Q_OBJECT
  Q_PROPERTY(QColor Color READ Color WRITE SetColor)
  Q_PROPERTY(Vcl::TPenStyle Style READ Style WRITE SetStyle)
  Q_PROPERTY(int Width READ Width WRITE SetWidth)

public:
  explicit TPen(QObject* parent = nullptr) : QObject(parent) {}
  QColor Color() const { return color_; }
  void SetColor(const QColor& v) { color_ = v; emit Changed(); }
  Vcl::TPenStyle Style() const { return style_; }
  void SetStyle(Vcl::TPenStyle v) { style_ = v; emit Changed(); }
  int Width() const { return width_; }
  void SetWidth(int v) { width_ = qMax(0, v); emit Changed(); }
  QPen ToQPen() const;

signals:
  void Changed();

private:
  QColor color_ = Qt::black;
  Vcl::TPenStyle style_ = Vcl::psSolid;
  int width_ = 1;
};

class TBrush : public QObject {
  Q_OBJECT
  Q_PROPERTY(QColor Color READ Color WRITE SetColor)
  Q_PROPERTY(Vcl::TBrushStyle Style READ Style WRITE SetStyle)

public:
  explicit TBrush(QObject* parent = nullptr) : QObject(parent) {}
  QColor Color() const { return color_; }
  void SetColor(const QColor& v) { color_ = v; emit Changed(); }
  Vcl::TBrushStyle Style() const { return style_; }
  void SetStyle(Vcl::TBrushStyle v) { style_ = v; emit Changed(); }
  QBrush ToQBrush() const;

signals:
  void Changed();

private:
  QColor color_ = Qt::white;
  Vcl::TBrushStyle style_ = Vcl::bsSolid;
};

class TShape : public TControl {
  Q_OBJECT
  Q_PROPERTY(Vcl::TShapeType Shape READ Shape WRITE SetShape)
  Q_PROPERTY(TPen* Pen READ Pen)
  Q_PROPERTY(TBrush* Brush READ Brush)

public:
  explicit TShape(QWidget* parent = nullptr);
  Vcl::TShapeType Shape() const { return shape_; }
  void SetShape(Vcl::TShapeType v) { shape_ = v; update(); }
  TPen* Pen() const { return pen_; }
  TBrush* Brush() const { return brush_; }

protected:
  void paintEvent(QPaintEvent* e) override;
  bool PassesMouseWhenIdle() const override { return true; }
  bool PaintsBackground() const override { return false; }

private:
  Vcl::TShapeType shape_ = Vcl::stRectangle;
  TPen* pen_;
  TBrush* brush_;
};
