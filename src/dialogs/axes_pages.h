#pragma once
// The X axes and Y axes pages: the main axis and its additional axes, with
// visibility, scale mode, the axis label and the shown range.

#include "dialogs/property_page.h"

class TBitBtn;
class TCheckBox;
class TCheckListBox;
class TComboBox;
class TEdit;
class TSLDataChart;
class TSLDisplayAxis;

class TSLScopeAxesForm : public TSLPropertyPageForm {
  Q_OBJECT

public:
  TCheckListBox* AxisListBox = nullptr;
  TCheckBox* VisibleCheckBox = nullptr;
  TComboBox* ScaleModeComboBox = nullptr;
  TCheckBox* LabelVisibleCheckBox = nullptr;
  TBitBtn* BitBtn3 = nullptr;
  TEdit* LabelEdit = nullptr;
  TEdit* MinEdit = nullptr;
  TEdit* MaxEdit = nullptr;

  virtual TSLDisplayAxis* AxisAt(int index) const = 0;
  TSLDisplayAxis* SelectedAxis() const;
  TSLDataChart* Chart() const { return chart_; }

  // The title an axis shows: its label text, or the name of its kind.
  static QString AxisTitle(TSLDisplayAxis* axis);

protected:
  TSLScopeAxesForm(TPLCommonPropertiesForm* dialog, TSLDataChart* chart);
  // Reads the description, fills the list (count axes) and shows entry i.
  void Setup(const QString& caption, int count, int item);

private:
  void ShowAxis();
  void ShowRange(TSLDisplayAxis* axis);
  void StoreRange();
  void ListCheckClick();
  void VisibleClick();
  void ScaleModeChange();
  void LabelVisibleClick();
  void LabelChange();
  void FontClick();
  TSLDataChart* chart_;
};

class TSLScopeXAxesForm : public TSLScopeAxesForm {
  Q_OBJECT
public:
  TSLScopeXAxesForm(TPLCommonPropertiesForm* dialog, TSLDataChart* chart, int item);
  TSLDisplayAxis* AxisAt(int index) const override;
};

class TSLScopeYAxesForm : public TSLScopeAxesForm {
  Q_OBJECT
public:
  TSLScopeYAxesForm(TPLCommonPropertiesForm* dialog, TSLDataChart* chart, int item);
  TSLDisplayAxis* AxisAt(int index) const override;
};
