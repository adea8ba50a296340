// Runs the description reader and writer on arbitrary text: any input must
// either read or fail with EDescriptionError, whatever was read must write
// back as text that parses again, and text that parses must print as text
// that prints the same again (nothing read is lost on the way back).

#include "forms/class_registry.h"
#include "forms/description_reader.h"
#include "forms/description_syntax.h"
#include "forms/description_writer.h"
#include "pins/collection.h"
#include "pins/component.h"
#include "pins/persistent.h"

#include <QColor>
#include <QObject>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

class TFuzzRange : public TLPPersistent {
  Q_OBJECT
public:
  enum TFuzzMode { fmOne, fmTwo, fmThree };
  Q_ENUM(TFuzzMode)
  enum TFuzzFlag { ffA = 1, ffB = 2, ffC = 4 };
  Q_DECLARE_FLAGS(TFuzzFlags, TFuzzFlag)
  Q_FLAG(TFuzzFlags)

private:
  Q_PROPERTY(double Min MEMBER min_)
  Q_PROPERTY(double Max MEMBER max_)
  Q_PROPERTY(TFuzzMode Mode MEMBER mode_)
  Q_PROPERTY(TFuzzFlags Flags READ Flags WRITE SetFlags)
  Q_PROPERTY(QColor Color MEMBER color_)

public:
  explicit TFuzzRange(QObject* owner) : TLPPersistent(owner) {}
  TFuzzFlags Flags() const { return flags_; }
  void SetFlags(TFuzzFlags f) { flags_ = f; }

private:
  double min_ = -1.0;
  double max_ = 1.0;
  TFuzzMode mode_ = fmOne;
  TFuzzFlags flags_;
  QColor color_ = QColor(255, 0, 0);
};

class TFuzzItem : public TOWExtCollectionItem {
  Q_OBJECT
  Q_PROPERTY(QString Name MEMBER name_)
  Q_PROPERTY(int Tag MEMBER tag_)
public:
  explicit TFuzzItem(TOWExtCollection* c) : TOWExtCollectionItem(c) {}
signals:
  void OnClick(QObject* Sender);

private:
  QString name_;
  int tag_ = 0;
};

class TFuzzComponent : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(bool Enabled MEMBER enabled_)
  Q_PROPERTY(int Count MEMBER count_)
  Q_PROPERTY(uint Mask MEMBER mask_)
  Q_PROPERTY(qint64 Big MEMBER big_)
  Q_PROPERTY(QString Caption MEMBER caption_)
  Q_PROPERTY(QStringList Lines MEMBER lines_)
  Q_PROPERTY(QByteArray Data MEMBER data_)
  Q_PROPERTY(TFuzzRange* Range READ Range)
  Q_PROPERTY(TOWExtCollection* Items READ Items)
  Q_PROPERTY(QObject* Peer MEMBER peer_)
public:
  explicit TFuzzComponent(QObject* owner)
      : TLPComponent(owner),
        range_(new TFuzzRange(this)),
        items_(new TOWExtCollection(this, [](TOWExtCollection* c) { return new TFuzzItem(c); })) {}
  TFuzzRange* Range() const { return range_; }
  TOWExtCollection* Items() const { return items_; }
signals:
  void OnChange(QObject* Sender);

private:
  bool enabled_ = true;
  int count_ = 0;
  uint mask_ = 0;
  qint64 big_ = 0;
  QString caption_;
  QStringList lines_;
  QByteArray data_;
  TFuzzRange* range_;
  TOWExtCollection* items_;
  QObject* peer_ = nullptr;
};

class TFuzzForm : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString Caption MEMBER caption_)
public slots:
  void Changed(QObject* Sender) { (void)Sender; }

private:
  QString caption_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = [] {
    TClassRegistry::Instance().Register(QStringLiteral("TFuzzComponent"),
                                        [](QObject* o) -> QObject* { return MakeComponent<TFuzzComponent>(o); });
    return true;
  }();
  (void)registered;
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  try {
    const QString printed = FormatDescription(ParseDescription(text));
    QString again;
    try {
      again = FormatDescription(ParseDescription(printed));
    } catch (const EDescriptionError& e) {
      std::fprintf(stderr, "printed text does not parse: %s\n%s\n", e.what(), printed.toUtf8().constData());
      std::abort();
    }
    if (again != printed) {
      std::fprintf(stderr, "printing is not stable:\n%s\n---\n%s\n", printed.toUtf8().constData(),
                   again.toUtf8().constData());
      std::abort();
    }
  } catch (const EDescriptionError&) {
    return 0;
  }
  TFuzzForm form;
  try {
    ReadDescription(&form, text);
  } catch (const EDescriptionError&) {
    return 0;
  }
  const QString written = WriteDescription(&form);
  try {
    ParseDescription(written);
  } catch (const EDescriptionError& e) {
    std::fprintf(stderr, "written text does not parse: %s\n%s\n", e.what(), written.toUtf8().constData());
    std::abort();
  }
  return 0;
}

#include "description_fuzz.moc"
