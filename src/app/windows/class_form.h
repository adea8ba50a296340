#pragma once
// Class Results: every group's run folder on one map, a sortable table of
// the groups and the class's figures, "The strike was here" and "Export…"
// (class.csv and class-report.pdf). Opened from the main map's menu.

#include "forms/controls/form.h"

#include <QImage>
#include <QStringList>

#include "app/run/class_results.h"

class QTableWidget;
class TButton;
class TFolderDialog;
class TImage;
class TLabel;
class TPanel;
class TForm1;

class TForm6 : public TForm {
  Q_OBJECT

public:
  explicit TForm6(QWidget* parent = nullptr);

  // Loads the folders (each a run folder or a folder of them) in place of
  // those shown.
  void ShowFolders(const QStringList& folders);
  const TClassResults& Results() const { return results_; }
  // The map as drawn last, the size of imgClassMap.
  const QImage& MapPicture() const { return mapPicture_; }

  TButton* btnAddFolder = nullptr;
  TButton* btnClear = nullptr;
  TButton* btnStrikeHere = nullptr;
  TButton* btnExport = nullptr;
  TImage* imgClassMap = nullptr;
  TLabel* lblHint = nullptr;
  TLabel* lblFigures = nullptr;
  TPanel* pnlTable = nullptr;
  TFolderDialog* dlgClassFolder = nullptr;
  TFolderDialog* dlgExport = nullptr;
  QTableWidget* tblGroups = nullptr;  // in pnlTable

public slots:
  void btnAddFolderClick(QObject* Sender);
  void btnClearClick(QObject* Sender);
  void btnStrikeHereClick(QObject* Sender);
  void btnExportClick(QObject* Sender);

private:
  void MapPressed(int x, int y);
  void Refresh();
  void FillTable();
  QStringList folders_;
  TClassResults results_;
  QImage mapBackground_;
  QImage mapPicture_;
  bool marking_ = false;  // the next click on the map marks the strike
  bool marked_ = false;   // the teacher's mark, kept over the runs' own
  double markX_ = 0, markY_ = 0;
};

// The main window's "Class Results…" (in its map's menu) opens `window`.
void AttachClassResults(TForm1& main, TForm6& window);
