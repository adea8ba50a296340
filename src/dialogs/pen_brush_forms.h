#pragma once
// The pen and brush editors that the pages' "&Pen..." and "&Brush..."
// buttons open: each edits a copy and hands it back on OK.

#include "forms/controls/form.h"

#include <QColor>
#include <functional>

class TButton;
class TComboBox;
class TEdit;
class TPaintBox;
class TSLDisplayBrush;
class TSLDisplayPen;

// Common part: swatch and colour button, OK and Cancel, the modal run.
class TSLStyleEditForm : public TForm {
  Q_OBJECT

public:
  TPaintBox* ColorPaintBox = nullptr;
  TButton* ColorButton = nullptr;
  TComboBox* StyleComboBox = nullptr;
  TButton* OkButton = nullptr;
  TButton* CancelButton = nullptr;

  // Shows the editor modally (or hands it to the test hook); true when the
  // user confirmed with OK and the values were applied.
  bool Execute();
  QColor ChosenColor() const { return color_; }

protected:
  TSLStyleEditForm() = default;
  void Setup(const QString& description, const QColor& color);
  // Stores the edits; false keeps the editor open (a refused value).
  virtual bool Apply() = 0;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QColor color_;
  bool confirmed_ = false;
};

class TSLPenForm : public TSLStyleEditForm {
  Q_OBJECT
public:
  explicit TSLPenForm(TSLDisplayPen* pen);
  TComboBox* ModeComboBox = nullptr;
  TEdit* WidthEdit = nullptr;

protected:
  bool Apply() override;

private:
  TSLDisplayPen* pen_;
};

class TSLBrushForm : public TSLStyleEditForm {
  Q_OBJECT
public:
  explicit TSLBrushForm(TSLDisplayBrush* brush);

protected:
  bool Apply() override;

private:
  TSLDisplayBrush* brush_;
};

// Receives the editor instead of the modal showing (tests); the hook
// clicks OK or Cancel. An empty hook restores the modal showing.
using TStyleEditHook = std::function<void(TSLStyleEditForm* form)>;
TStyleEditHook SetStyleEditHook(TStyleEditHook hook);
