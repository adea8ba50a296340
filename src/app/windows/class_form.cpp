#include "app/windows/class_form.h"

#include "app/experiment/epicenter_solver.h"
#include "app/run/class_report.h"
#include "app/run/pick_words.h"
#include "app/windows/main_form.h"
#include "app/windows/window_parts.h"
#include "draw/message_service.h"
#include "forms/controls/components.h"
#include "forms/controls/picture.h"
#include "forms/controls/standard_controls.h"
#include "forms/description_reader.h"

#include <QBuffer>
#include <QDir>
#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

namespace {

// As the windows' language writes numbers, without thousands separators.
QString Number(double value, int decimals) {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(value, 'f', decimals);
}

enum TColumn { colNumber, colGroup, colTime0, colX = colTime0 + kRunTimeCount, colY, colOff, colUncertainty, colInside, colNote, colCount };

// Sorts by the number behind the text; rows without one go last.
class TSortItem : public QTableWidgetItem {
public:
  TSortItem(const QString& text, double key, bool hasKey) : QTableWidgetItem(text) {
    setData(Qt::UserRole, hasKey ? QVariant(key) : QVariant());
  }
  bool operator<(const QTableWidgetItem& other) const override {
    const QVariant a = data(Qt::UserRole), b = other.data(Qt::UserRole);
    if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
    if (a.isValid() != b.isValid()) return a.isValid();
    return text() < other.text();
  }
};

}  // namespace

TForm6::TForm6(QWidget* parent) : TForm(parent) {
  ReadDescriptionFromResource(this, QStringLiteral(":/forms/TForm6.dfm"));
  btnAddFolder = RequirePart<TButton>(this, "btnAddFolder");
  btnClear = RequirePart<TButton>(this, "btnClear");
  btnStrikeHere = RequirePart<TButton>(this, "btnStrikeHere");
  btnExport = RequirePart<TButton>(this, "btnExport");
  imgClassMap = RequirePart<TImage>(this, "imgClassMap");
  lblHint = RequirePart<TLabel>(this, "lblHint");
  lblFigures = RequirePart<TLabel>(this, "lblFigures");
  pnlTable = RequirePart<TPanel>(this, "pnlTable");
  dlgClassFolder = RequirePart<TFolderDialog>(this, "dlgClassFolder");
  dlgExport = RequirePart<TFolderDialog>(this, "dlgExport");
  // The description has no table control: the grid fills its panel.
  tblGroups = new QTableWidget(0, colCount, pnlTable);
  tblGroups->setObjectName(QStringLiteral("tblGroups"));
  auto* layout = new QVBoxLayout(pnlTable);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tblGroups);
  QStringList titles{QStringLiteral("#"), tr("Group")};
  static const char* const timeTitles[kRunTimeCount] = {"tA A+B (ms)", "tB (ms)", "tA A+C (ms)", "tC (ms)"};
  for (const char* t : timeTitles) titles << QString::fromLatin1(t);
  titles << QStringLiteral("x (mm)") << QStringLiteral("y (mm)") << tr("Off (mm)") << QStringLiteral("\u00b1 (mm)")
         << tr("In region") << tr("Note");
  tblGroups->setHorizontalHeaderLabels(titles);
  tblGroups->verticalHeader()->hide();
  tblGroups->verticalHeader()->setDefaultSectionSize(tblGroups->fontMetrics().height() + 6);
  tblGroups->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblGroups->setSelectionBehavior(QAbstractItemView::SelectRows);
  tblGroups->horizontalHeader()->setStretchLastSection(true);
  tblGroups->setSortingEnabled(true);
  tblGroups->horizontalHeader()->setSortIndicator(colNumber, Qt::AscendingOrder);  // the map's numbering
  connect(imgClassMap, &TControl::OnMouseDown, this,
          [this](QObject*, Qt::MouseButton button, Qt::KeyboardModifiers, int X, int Y) {
            if (button == Qt::LeftButton) MapPressed(X, Y);
          });
  Refresh();
}

void TForm6::ShowFolders(const QStringList& folders) {
  folders_ = folders;
  std::vector<std::filesystem::path> paths;
  for (const QString& f : folders_) paths.emplace_back(f.toStdString());
  results_ = LoadClassResults(paths);
  if (marked_) PoolClassResults(results_, true, markX_, markY_);
  mapBackground_ = ClassMapPicture(results_);
  Refresh();
}

void TForm6::btnAddFolderClick(QObject*) {
  if (!dlgClassFolder->Execute()) return;
  QStringList folders = folders_;
  folders << dlgClassFolder->Directory();
  ShowFolders(folders);
}

void TForm6::btnClearClick(QObject*) {
  marking_ = marked_ = false;
  ShowFolders({});
}

void TForm6::btnStrikeHereClick(QObject*) {
  marking_ = true;
  lblHint->SetCaption(tr("Click the map where the strike was."));
}

void TForm6::MapPressed(int x, int y) {
  if (!marking_ || imgClassMap->width() <= 0 || imgClassMap->height() <= 0) return;
  marking_ = false;
  marked_ = true;
  markX_ = x * kMapWidthMm / imgClassMap->width();
  markY_ = y * kMapHeightMm / imgClassMap->height();
  PoolClassResults(results_, true, markX_, markY_);
  Refresh();
}

void TForm6::btnExportClick(QObject*) {
  if (results_.groups.empty()) {
    ShowMessage(tr("No group to export: add the groups' folders first."));
    return;
  }
  if (!dlgExport->Execute()) return;
  const QDir dir(dlgExport->Directory());
  QString error;
  if (!WriteClassCsv(dir.filePath(QStringLiteral("class.csv")), results_, &error) ||
      !WriteClassReport(dir.filePath(QStringLiteral("class-report.pdf")), results_, mapBackground_, &error)) {
    ShowMessage(error);
    return;
  }
  lblHint->SetCaption(tr("Written: %1 and %2").arg(dir.filePath(QStringLiteral("class.csv")),
                                                                dir.filePath(QStringLiteral("class-report.pdf"))));
}

void TForm6::Refresh() {
  mapPicture_ = QImage(imgClassMap->size(), QImage::Format_ARGB32);
  mapPicture_.fill(Qt::white);
  {
    QPainter p(&mapPicture_);
    DrawClassMap(p, QRectF(0, 0, mapPicture_.width() - 1, mapPicture_.height() - 1), results_, mapBackground_);
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  mapPicture_.save(&buffer, "PNG");
  TPicture picture;
  picture.LoadFromBytes(png, TPicture::Kind::Png);
  imgClassMap->SetPicture(picture);

  const TClassFigures& f = results_.figures;
  QStringList lines;
  if (f.groups == 0) {
    lines << tr("No groups yet.");
  } else {
    lines << tr("Groups: %1, located: %2   (times: det detected, drag dragged)").arg(f.groups).arg(f.located);
    if (f.located > 0)
      lines << tr("Mean epicenter: %1, %2 mm   standard deviations: x %3 mm, y %4 mm")
                   .arg(Number(f.meanX, 1), Number(f.meanY, 1), Number(f.sdX, 1), Number(f.sdY, 1));
    if (f.hasStrike) {
      lines << tr("Struck at %1, %2 mm   median distance: %3")
                   .arg(Number(f.strikeX, 1), Number(f.strikeY, 1),
                        f.medianDistance >= 0 ? Number(f.medianDistance, 1) + QStringLiteral(" mm")
                                              : QStringLiteral("\u2014"));
      lines << tr("The struck point lies in the region of %1 of %2 groups (%3 %)")
                   .arg(f.inside)
                   .arg(f.insideOf)
                   .arg(f.insideOf > 0 ? Number(100.0 * f.inside / f.insideOf, 0) : QStringLiteral("\u2014"));
    } else {
      lines << tr("Struck point not known: \"The strike was here\", then click the map.");
    }
  }
  lblFigures->SetCaption(lines.join(QLatin1Char('\n')));
  FillTable();
}

void TForm6::FillTable() {
  const int sortColumn = std::max(0, tblGroups->horizontalHeader()->sortIndicatorSection());
  const Qt::SortOrder order = tblGroups->horizontalHeader()->sortIndicatorOrder();
  tblGroups->setSortingEnabled(false);
  tblGroups->setRowCount(static_cast<int>(results_.groups.size()));
  for (int i = 0; i < tblGroups->rowCount(); ++i) {
    const TClassGroup& g = results_.groups[i];
    std::vector<QTableWidgetItem*> cells(colCount);
    cells[colNumber] = new TSortItem(QString::number(i + 1), i + 1, true);
    cells[colNumber]->setData(Qt::DecorationRole, ClassGroupColour(i));
    cells[colGroup] = new QTableWidgetItem(QString::fromStdString(g.name));
    for (int k = 0; k < kRunTimeCount; ++k) {
      const bool set = g.run.how[k] != TTimeHow::NotSet;
      const double ms = RunTimeOf(g.run.state, k) * 1000;
      cells[colTime0 + k] = new TSortItem(
          set ? QStringLiteral("%1 %2").arg(Number(ms, 3), g.run.how[k] == TTimeHow::Dragged ? tr("drag") : tr("det"))
              : TimeHowWords(TTimeHow::NotSet),
          ms, set);
    }
    // As the class's sheet has them, in the windows' words and numbers.
    cells[colX] = new TSortItem(g.located ? Number(g.x, 2) : QString(), g.x, g.located);
    cells[colY] = new TSortItem(g.located ? Number(g.y, 2) : QString(), g.y, g.located);
    cells[colOff] = new TSortItem(g.distance >= 0 ? Number(g.distance, 2) : QString(), g.distance, g.distance >= 0);
    cells[colUncertainty] = new TSortItem(!g.located              ? QString()
                                          : g.Uncertainty() >= 0 ? Number(g.Uncertainty(), 2)
                                                                 : tr("none"),
                                          g.Uncertainty(), g.Uncertainty() >= 0);
    cells[colInside] = new TSortItem(g.inside < 0 ? QString() : g.inside ? tr("yes") : tr("no"), g.inside, g.inside >= 0);
    cells[colNote] = new QTableWidgetItem((g.marked ? tr("marked: ") : QString()) + ClassNoteText(g));
    for (int c = 0; c < colCount; ++c) {
      if (g.marked || !g.located) cells[c]->setBackground(QColor(0xff, 0xd8, 0xc8));
      tblGroups->setItem(i, c, cells[c]);
    }
  }
  tblGroups->resizeColumnsToContents();
  tblGroups->setSortingEnabled(true);
  tblGroups->sortItems(sortColumn, order);
}

void AttachClassResults(TForm1& main, TForm6& window) {
  TMenuItem* item = RequirePart<TMenuItem>(&main, "ClassResults1");
  main.mnImgMapa->Add(item);
  QObject::connect(item, &TMenuItem::OnClick, &window, [&window](QObject*) {
    window.Show();
    window.raise();
    window.activateWindow();
  });
}
