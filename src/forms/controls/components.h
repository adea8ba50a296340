#pragma once
// Non-visual components of the experiment windows: popup menu and its
// items, the open-picture and folder dialogs and the timer.

#include <QList>
#include <QMenu>
#include <QMetaMethod>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "draw/control.h"

class QTimer;

class TMenuItem : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
  Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
  explicit TMenuItem(QObject* owner = nullptr);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& v) { caption_ = v; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { enabled_ = v; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { visible_ = v; }
  bool Checked() const { return checked_; }
  void SetChecked(bool v) { checked_ = v; }
  int Tag() const { return tag_; }
  void SetTag(int v) { tag_ = v; }

  // Runs the item's click event as choosing it in the menu does.
  void Click();

signals:
  void OnClick(QObject* Sender);

private:
  QString caption_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  int tag_ = 0;
};

class TPopupMenu : public QObject, public IControlPopupMenu {
  Q_OBJECT
  Q_PROPERTY(bool AutoPopup READ AutoPopup WRITE SetAutoPopup)
  Q_PROPERTY(int Left READ Left WRITE SetLeft)  // position on the design surface only
  Q_PROPERTY(int Top READ Top WRITE SetTop)

public:
  explicit TPopupMenu(QObject* owner = nullptr);
  ~TPopupMenu() override;

  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool v) { autoPopup_ = v; }
  int Left() const { return left_; }
  void SetLeft(int v) { left_ = v; }
  int Top() const { return top_; }
  void SetTop(int v) { top_ = v; }

  // Items in order: those inserted, then menu items among the children.
  Q_INVOKABLE void InsertComponent(QObject* item);
  void Add(TMenuItem* item) { InsertComponent(item); }
  QList<TMenuItem*> Items() const;

  // Shows the menu at screen position (x, y); returns at once.
  void Popup(int x, int y);
  void PopupFor(QWidget* component, const QPoint& globalPos) override {
    PopupComponent = component;
    Popup(globalPos.x(), globalPos.y());
  }
  // The menu shown last (nullptr when none): lets tests choose an item.
  QMenu* ShownMenu() const { return shown_; }

  // The control whose popup menu was opened last.
  QObject* PopupComponent = nullptr;

private:
  bool autoPopup_ = true;
  int left_ = 0;
  int top_ = 0;
  QList<QPointer<TMenuItem>> inserted_;
  QPointer<QMenu> shown_;
};

class TOpenPictureDialog : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString Title READ Title WRITE SetTitle)
  Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
  Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
  Q_PROPERTY(QString InitialDir READ InitialDir WRITE SetInitialDir)
  Q_PROPERTY(QString DefaultExt READ DefaultExt WRITE SetDefaultExt)
  Q_PROPERTY(int Left READ Left WRITE SetLeft)
  Q_PROPERTY(int Top READ Top WRITE SetTop)

public:
  explicit TOpenPictureDialog(QObject* owner = nullptr);

  QString Title() const { return title_; }
  void SetTitle(const QString& v) { title_ = v; }
  // Delphi form: "Description|*.a;*.b|Description|*.c". Empty means the
  // formats the picture loader reads.
  QString Filter() const { return filter_; }
  void SetFilter(const QString& v) { filter_ = v; }
  QString EffectiveFilter() const;
  QString FileName() const { return fileName_; }
  void SetFileName(const QString& v) { fileName_ = v; }
  QString InitialDir() const { return initialDir_; }
  void SetInitialDir(const QString& v) { initialDir_ = v; }
  QString DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const QString& v) { defaultExt_ = v; }
  int Left() const { return left_; }
  void SetLeft(int v) { left_ = v; }
  int Top() const { return top_; }
  void SetTop(int v) { top_ = v; }

  // Shows the dialog; true when the user chose a file (then in FileName).
  bool Execute();

  // Replaces the dialog, for tests: the function gets the dialog and
  // returns the chosen path, or an empty string for "cancelled". An empty
  // function restores the real dialog. Returns the previous one.
  using TChooser = std::function<QString(const TOpenPictureDialog&)>;
  static TChooser SetChooser(TChooser chooser);

  // The filter in Qt's form: "Description (*.a *.b);;...".
  static QString ToQtFilter(const QString& delphiFilter);

private:
  QString title_;
  QString filter_;
  QString fileName_;
  QString initialDir_;
  QString defaultExt_;
  int left_ = 0;
  int top_ = 0;
};

// The standard dialog that picks a folder (a new one may be made in it).
class TFolderDialog : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString Title READ Title WRITE SetTitle)
  Q_PROPERTY(QString Directory READ Directory WRITE SetDirectory)
  Q_PROPERTY(int Left READ Left WRITE SetLeft)
  Q_PROPERTY(int Top READ Top WRITE SetTop)

public:
  explicit TFolderDialog(QObject* owner = nullptr);

  QString Title() const { return title_; }
  void SetTitle(const QString& v) { title_ = v; }
  // The folder the dialog opens in, and after Execute the one chosen.
  QString Directory() const { return directory_; }
  void SetDirectory(const QString& v) { directory_ = v; }
  int Left() const { return left_; }
  void SetLeft(int v) { left_ = v; }
  int Top() const { return top_; }
  void SetTop(int v) { top_ = v; }

  // Shows the dialog; true when the user chose a folder (then in Directory).
  bool Execute();

  // Replaces the dialog, for tests, as TOpenPictureDialog::SetChooser does.
  using TChooser = std::function<QString(const TFolderDialog&)>;
  static TChooser SetChooser(TChooser chooser);

private:
  QString title_;
  QString directory_;
  int left_ = 0;
  int top_ = 0;
};

class TTimer : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(int Interval READ Interval WRITE SetInterval)
  Q_PROPERTY(int Left READ Left WRITE SetLeft)
  Q_PROPERTY(int Top READ Top WRITE SetTop)

public:
  explicit TTimer(QObject* owner = nullptr);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  int Interval() const { return interval_; }
  void SetInterval(int v);
  int Left() const { return left_; }
  void SetLeft(int v) { left_ = v; }
  int Top() const { return top_; }
  void SetTop(int v) { top_ = v; }
  bool Running() const;

signals:
  void OnTimer(QObject* Sender);

protected:
  void connectNotify(const QMetaMethod& signal) override;

private:
  void Update();
  QTimer* timer_;
  bool enabled_ = true;
  int interval_ = 1000;
  int left_ = 0;
  int top_ = 0;
};
