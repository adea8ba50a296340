#include "app/dialog_screenshots.h"

#include "app/windows.h"
#include "dialogs/scope_properties_form.h"
#include "forms/controls/form.h"
#include "forms/description_reader.h"
#include "scope/scope.h"

#include <QApplication>
#include <QDir>
#include <QThread>
#include <memory>
#include <stdexcept>

namespace {

// Until the acquisition window exists, a scope set up like its upper one
// stands in for it: title, the two sensor channels, the time cursors and
// the delay between them.
const char* kStandInScope = R"(object ScopeDialogSample: TForm
  Caption = 'Signal Acquisition'
  ClientWidth = 800
  ClientHeight = 230
  object ScpAB: TSLScope
    Left = 0
    Top = 0
    Width = 800
    Height = 230
    XAxis.Min.AutoScale = False
    XAxis.Max.AutoScale = False
    XAxis.Max.Value = 5.0
    XAxis.Max.DataValue = 40000.0
    XAxis.AxisLabel.Text = 'Time (s)'
    YAxis.Min.AutoScale = False
    YAxis.Min.Value = -1.0
    YAxis.Min.DataValue = -1000.0
    YAxis.Max.AutoScale = False
    YAxis.Max.Value = 1.0
    YAxis.Max.DataValue = 1000.0
    YAxis.AxisLabel.Text = 'Normalized Amplitude'
    YAxis.AutoScaling.Enabled = False
    Title.Text = 'Acquired Signals in the Sensors A and B'
    Channels = <
      item
        Name = 'A'
        AxisIndex_ = (0 0)
      end
      item
        Name = 'B'
        Color = clYellow
        AxisIndex_ = (0 0)
      end>
    Cursors = <
      item
        Name = 'tA'
        AxisIndex_ = (0 0)
      end
      item
        Name = 'tB'
        Color = clYellow
        AxisIndex_ = (0 0)
      end>
    CursorLinks = <
      item
        Name = '| tA - tB |'
        MeasurementLine.Y = -1.0
        MeasurementLine.Color = clWhite
        MeasurementLine.Style = psSolid
        CursorIndex_ = (0 1)
      end>
  end
end
)";

void Settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

}  // namespace

QStringList WriteDialogScreenshots(const QString& dir) {
  std::unique_ptr<TForm> standIn;
  TSLScope* scope = Form3 ? Form3->findChild<TSLScope*>(QStringLiteral("ScpAB")) : nullptr;
  if (!scope) {
    standIn = std::make_unique<TForm>();
    ReadDescription(standIn.get(), QString::fromUtf8(kStandInScope));
    scope = standIn->findChild<TSLScope*>(QStringLiteral("ScpAB"));
  }
  QStringList written;
  const struct {
    int page;
    const char* suffix;
  } shots[] = {{TSLDataChart::kCursorsPage, "cursors"}, {TSLDataChart::kYAxesPage, "yaxes"}};
  for (const auto& shot : shots) {
    QString error;
    const TScopeDialogHook previous = SetScopeDialogHook([&](TSLScopePropertiesForm* dialog) {
      dialog->Show();
      Settle();
      const QString file = QDir(dir).filePath(QStringLiteral("TSLScopePropertiesForm-%1.png").arg(shot.suffix));
      if (dialog->grab().save(file, "PNG")) written.append(file);
      else error = file;
      dialog->Hide();
    });
    scope->ShowPropertiesDialog(shot.page, 0);
    SetScopeDialogHook(previous);
    if (!error.isEmpty()) throw std::runtime_error("Unable to write to " + error.toStdString());
  }
  return written;
}
