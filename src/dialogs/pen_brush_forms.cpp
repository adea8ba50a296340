#include "dialogs/pen_brush_forms.h"

#include "dialogs/dialog_controls.h"
#include "dialogs/property_page.h"
#include "dialogs/standard_dialogs.h"
#include "draw/display_properties.h"
#include "forms/controls/standard_controls.h"
#include "forms/description_reader.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>

namespace {
TStyleEditHook& Hook() {
  static TStyleEditHook hook;
  return hook;
}
}  // namespace

TStyleEditHook SetStyleEditHook(TStyleEditHook hook) {
  TStyleEditHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

void TSLStyleEditForm::Setup(const QString& description, const QColor& color) {
  ReadDescriptionFromResource(this, description);
  ColorPaintBox = DialogPart<TPaintBox>(this, "ColorPaintBox");
  ColorButton = DialogPart<TButton>(this, "ColorButton");
  StyleComboBox = DialogPart<TComboBox>(this, "StyleComboBox");
  OkButton = DialogPart<TButton>(this, "OkButton");
  CancelButton = DialogPart<TButton>(this, "CancelButton");
  color_ = color;
  ColorPaintBox->SetColor(color);
  connect(ColorButton, &TControl::OnClick, this, [this] {
    QColor c = color_;
    if (!ChooseColor(c)) return;
    color_ = c;
    ColorPaintBox->SetColor(c);
  });
  connect(OkButton, &TControl::OnClick, this, [this] {
    if (!Apply()) return;
    confirmed_ = true;
    Close();
  });
  connect(CancelButton, &TControl::OnClick, this, [this] { Close(); });
}

bool TSLStyleEditForm::Execute() {
  confirmed_ = false;
  if (Hook()) {
    Hook()(this);
    return confirmed_;
  }
  setWindowModality(Qt::ApplicationModal);
  // Escape cancels, Enter confirms, as the buttons' roles say.
  qApp->installEventFilter(this);
  QEventLoop loop;
  connect(this, &TForm::OnClose, &loop, [&loop] { loop.quit(); });
  Show();
  if (isVisible()) loop.exec();
  qApp->removeEventFilter(this);
  return confirmed_;
}

bool TSLStyleEditForm::eventFilter(QObject* watched, QEvent* event) {
  auto* w = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::KeyPress && w && (w == this || isAncestorOf(w))) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
      CancelButton->Button()->click();
      return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      OkButton->Button()->click();
      return true;
    }
  }
  return TForm::eventFilter(watched, event);
}

TSLPenForm::TSLPenForm(TSLDisplayPen* pen) : pen_(pen) {
  Setup(QStringLiteral(":/dialogs/TSLPenForm.dfm"), pen->Color());
  ModeComboBox = DialogPart<TComboBox>(this, "ModeComboBox");
  WidthEdit = DialogPart<TEdit>(this, "WidthEdit");
  StyleComboBox->SetItems(EnumDisplayNames(QMetaEnum::fromType<Vcl::TPenStyle>(), true));
  ModeComboBox->SetItems(EnumDisplayNames(QMetaEnum::fromType<Vcl::TPenMode>(), true));
  StyleComboBox->SetItemIndex(int(pen->Style()));
  ModeComboBox->SetItemIndex(int(pen->Mode()));
  WidthEdit->SetText(QString::number(pen->Width()));
}

bool TSLPenForm::Apply() {
  const auto width = ParseIntegerField(WidthEdit->Text(), tr("the pen width"), 0, 100);
  if (!width) return false;
  pen_->SetColor(ChosenColor());
  if (StyleComboBox->ItemIndex() >= 0) pen_->SetStyle(Vcl::TPenStyle(StyleComboBox->ItemIndex()));
  if (ModeComboBox->ItemIndex() >= 0) pen_->SetMode(Vcl::TPenMode(ModeComboBox->ItemIndex()));
  pen_->SetWidth(*width);
  return true;
}

TSLBrushForm::TSLBrushForm(TSLDisplayBrush* brush) : brush_(brush) {
  Setup(QStringLiteral(":/dialogs/TSLBrushForm.dfm"), brush->Color());
  StyleComboBox->SetItems(EnumDisplayNames(QMetaEnum::fromType<Vcl::TBrushStyle>(), true));
  StyleComboBox->SetItemIndex(int(brush->Style()));
}

bool TSLBrushForm::Apply() {
  brush_->SetColor(ChosenColor());
  if (StyleComboBox->ItemIndex() >= 0) brush_->SetStyle(Vcl::TBrushStyle(StyleComboBox->ItemIndex()));
  return true;
}
