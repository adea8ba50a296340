#include "forms/controls/components.h"

#include "draw/message_service.h"
#include "forms/controls/picture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>

TMenuItem::TMenuItem(QObject* owner) : QObject(owner) {}

void TMenuItem::Click() {
  if (enabled_) emit OnClick(this);
}

TPopupMenu::TPopupMenu(QObject* owner) : QObject(owner) {}

TPopupMenu::~TPopupMenu() { delete shown_; }

void TPopupMenu::InsertComponent(QObject* item) {
  auto* menuItem = qobject_cast<TMenuItem*>(item);
  if (menuItem && !inserted_.contains(menuItem)) inserted_.append(menuItem);
}

QList<TMenuItem*> TPopupMenu::Items() const {
  QList<TMenuItem*> items;
  for (const auto& item : inserted_)
    if (item) items.append(item);
  for (QObject* child : children())
    if (auto* item = qobject_cast<TMenuItem*>(child); item && !items.contains(item)) items.append(item);
  return items;
}

void TPopupMenu::Popup(int x, int y) {
  delete shown_;
  auto* menu = new QMenu;
  menu->setAttribute(Qt::WA_DeleteOnClose, false);
  for (TMenuItem* item : Items()) {
    if (!item->Visible()) continue;
    QAction* action = menu->addAction(item->Caption());
    action->setEnabled(item->Enabled());
    if (item->Checked()) {
      action->setCheckable(true);
      action->setChecked(true);
    }
    QPointer<TMenuItem> target(item);
    // Queued, so that the menu is closed before the handler (which may
    // open a dialog) runs.
    QObject::connect(action, &QAction::triggered, item, [target] {
      if (target) RunEventHandler([&] { target->Click(); });
    }, Qt::QueuedConnection);
  }
  shown_ = menu;
  menu->popup(QPoint(x, y));
}

namespace {
TOpenPictureDialog::TChooser& Chooser() {
  static TOpenPictureDialog::TChooser chooser;
  return chooser;
}
}  // namespace

TOpenPictureDialog::TOpenPictureDialog(QObject* owner) : QObject(owner) {}

QString TOpenPictureDialog::EffectiveFilter() const {
  return filter_.isEmpty() ? TPicture::GraphicFilter() : filter_;
}

TOpenPictureDialog::TChooser TOpenPictureDialog::SetChooser(TChooser chooser) {
  TChooser previous = std::move(Chooser());
  Chooser() = std::move(chooser);
  return previous;
}

QString TOpenPictureDialog::ToQtFilter(const QString& delphiFilter) {
  const QStringList parts = delphiFilter.split(QLatin1Char('|'));
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Delphi descriptions usually carry the patterns already.
    if (description.contains(QLatin1Char('('))) description = description.left(description.indexOf(QLatin1Char('('))).trimmed();
    entries.append(QStringLiteral("%1 (%2)").arg(description, patterns));
  }
  return entries.join(QStringLiteral(";;"));
}

bool TOpenPictureDialog::Execute() {
  QString chosen;
  if (Chooser()) {
    chosen = Chooser()(*this);
  } else {
    QString dir = initialDir_;
    if (dir.isEmpty() && !fileName_.isEmpty()) dir = fileName_;
    chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), title_, dir,
                                          ToQtFilter(EffectiveFilter()));
  }
  if (chosen.isEmpty()) return false;
  fileName_ = chosen;
  return true;
}

namespace {
TFolderDialog::TChooser& FolderChooser() {
  static TFolderDialog::TChooser chooser;
  return chooser;
}
}  // namespace

TFolderDialog::TFolderDialog(QObject* owner) : QObject(owner) {}

TFolderDialog::TChooser TFolderDialog::SetChooser(TChooser chooser) {
  TChooser previous = std::move(FolderChooser());
  FolderChooser() = std::move(chooser);
  return previous;
}

namespace {

// A folder dialog that makes the folder whose new name the user typed, as
// its New Folder button would, instead of answering "Directory not found".
class TMakingFolderDialog : public QFileDialog {
public:
  using QFileDialog::QFileDialog;

  void accept() override {
    const QStringList typed = selectedFiles();
    if (typed.size() == 1 && !typed.first().isEmpty()) {
      const QFileInfo folder(typed.first());
      if (!folder.exists() && folder.dir().exists()) folder.dir().mkdir(folder.fileName());
    }
    QFileDialog::accept();
  }
};

QString ChooseFolder(const QString& title, const QString& directory) {
  TMakingFolderDialog dialog(QApplication::activeWindow(), title, directory);
  dialog.setFileMode(QFileDialog::Directory);
  // The toolkit's own dialog, whose acceptance is the one above.
  dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

}  // namespace

bool TFolderDialog::Execute() {
  const QString chosen = FolderChooser() ? FolderChooser()(*this) : ChooseFolder(title_, directory_);
  if (chosen.isEmpty()) return false;
  directory_ = chosen;
  return true;
}

TTimer::TTimer(QObject* owner) : QObject(owner), timer_(new QTimer(this)) {
  QObject::connect(timer_, &QTimer::timeout, this, [this] { RunEventHandler([this] { emit OnTimer(this); }); });
}

void TTimer::SetEnabled(bool v) {
  enabled_ = v;
  Update();
}

void TTimer::SetInterval(int v) {
  interval_ = v;
  Update();
}

bool TTimer::Running() const { return timer_->isActive(); }

void TTimer::connectNotify(const QMetaMethod&) { Update(); }

void TTimer::Update() {
  // Like the original component, a timer without a handler does not run.
  const bool run = enabled_ && interval_ > 0 && isSignalConnected(QMetaMethod::fromSignal(&TTimer::OnTimer));
  if (run) {
    timer_->start(interval_);
  } else {
    timer_->stop();
  }
}
