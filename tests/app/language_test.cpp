// The windows in every language, built as start-up builds them: every text
// of their descriptions has a translation, and every visible caption fits
// the room its control gives it (no translated text cut off or running into
// the next control).
#include "app/commands/startup.h"
#include "app/experiment/experiment_state.h"
#include "app/language/program_language.h"
#include "app/experiment/epicenter_answer.h"
#include "app/sensors/scripted_sensors.h"
#include "app/sensors/simulated_sensors.h"
#include "app/windows/capture_device_option.h"
#include "app/windows/acquisition_form.h"
#include "app/windows/class_form.h"
#include "app/windows/listen_form.h"
#include "app/windows/main_form.h"
#include "app/windows/settings_form.h"
#include "app/windows/velocity_form.h"
#include "app/windows/windows.h"
#include "dialogs/cursor_channel_link_page.h"
#include "dialogs/cursors_page.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/pen_brush_forms.h"
#include "dialogs/property_page.h"
#include "dialogs/scope_properties_form.h"
#include "draw/display_properties.h"
#include "draw/message_service.h"
#include "forms/controls/components.h"
#include "platform/wave_in.h"
#include "forms/controls/form.h"
#include "forms/controls/standard_controls.h"
#include "scope/axes/legend_custom_groups.h"
#include "scope/model/display_component.h"
#include "scope/scope.h"
#include "support/test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMap>
#include <QPdfDocument>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QThread>
#include <QToolButton>
#include <QTranslator>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QStringList kLanguages{QStringLiteral("pt_BR"), QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("de")};

// Asked last (installed before the languages' translators): what it is
// asked was found in no translation.
class TMissingTexts : public QTranslator {
public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    const QString text = QString::fromUtf8(source);
    // Qt's own classes are Qt's translations' business.
    if (context && context[0] != 'Q' && std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }))
      missing.insert(QString::fromUtf8(context) + QStringLiteral(": ") + text);
    return {};
  }
  bool isEmpty() const override { return false; }
  mutable QSet<QString> missing;
};

void Settle() {
  for (int i = 0; i < 3; ++i) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
}

int TextWidth(const QWidget* w, const QString& text) {
  return w->fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

// The room a button's or a check box's text has: its contents inside the
// frame, less the icon drawn beside the text.
int ButtonTextRoom(const QAbstractButton* b, QStyle::SubElement contents = QStyle::SE_PushButtonContents) {
  int room = 0;
  bool iconBeside = !b->icon().isNull();
  if (auto* tool = qobject_cast<const QToolButton*>(b)) {
    // A picture button (TBitBtn): the label fills the button inside its frame.
    room = b->width() - 2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
    iconBeside = iconBeside && tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon;
  } else {
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    option.icon = b->icon();
    option.iconSize = b->iconSize();
    room = b->style()->subElementRect(contents, &option, b).width();
  }
  if (iconBeside) room -= b->iconSize().width() + 4;
  return room;
}

// How far a control may reach to the right before it runs into a sibling
// on the same row or leaves its parent.
int RightLimit(const QWidget* control) {
  const QWidget* parent = control->parentWidget();
  int limit = parent->width();
  const QRect g = control->geometry();
  for (const QObject* o : parent->children()) {
    const auto* s = qobject_cast<const QWidget*>(o);
    if (!s || s == control || !s->isVisibleTo(parent)) continue;
    const QRect sg = s->geometry();
    if (sg.left() > g.left() && sg.top() < g.bottom() && sg.bottom() > g.top()) limit = qMin(limit, sg.left());
  }
  return limit;
}

// A caption that does not fit: what the user sees and by how much, kept
// under a key that names the window, page and control in every language.
struct TCutOff {
  QString message;
  int overflow;
};
using TCutOffs = QMap<QString, TCutOff>;

// The captions of `root` that do not fit, under `key`/<control>; `where`
// names the window for the messages.
void CaptionsCutOff(QWidget* root, const QString& key, const QString& where, TCutOffs& out) {
  const auto report = [&](const QWidget* w, const QString& text, int need, int room) {
    if (need > room)
      out.insert(key + u'/' + w->objectName(),
                 {QStringLiteral("%1: %2 '%3' needs %4 px, has %5").arg(where, w->objectName(), text).arg(need).arg(room),
                  need - room});
  };
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(root)) continue;
    if (auto* label = qobject_cast<TLabel*>(w); label && !label->Caption().isEmpty()) {
      if (label->WordWrap()) {
        report(label, label->Caption(), label->TextExtent().height(), label->height());
      } else {
        const int room = label->AutoSize() ? RightLimit(label) - label->x() : label->width();
        report(label, label->Caption(), label->TextExtent().width(), room);
      }
    } else if (auto* button = qobject_cast<TButton*>(w); button && !button->Caption().isEmpty()) {
      report(button, button->Caption(), TextWidth(button->Button(), button->Caption()), ButtonTextRoom(button->Button()));
    } else if (auto* check = qobject_cast<TCheckBox*>(w); check && !check->Caption().isEmpty()) {
      report(check, check->Caption(), TextWidth(check->Box(), check->Caption()),
             ButtonTextRoom(check->Box(), QStyle::SE_CheckBoxContents));
    } else if (auto* radio = qobject_cast<TRadioButton*>(w); radio && !radio->Caption().isEmpty()) {
      report(radio, radio->Caption(), TextWidth(radio->Radio(), radio->Caption()),
             ButtonTextRoom(radio->Radio(), QStyle::SE_RadioButtonContents));
    } else if (auto* group = qobject_cast<TGroupBox*>(w); group && !group->Caption().isEmpty()) {
      // The caption starts 8 px in and the frame's corner takes the last 3.
      report(group, group->Caption(), TextWidth(group, group->Caption()), group->width() - 8 - 3);
    } else if (auto* panel = qobject_cast<TPanel*>(w); panel && !panel->Caption().isEmpty()) {
      const int frame = panel->BorderWidth() + panel->BevelWidth() * ((panel->BevelOuter() != Vcl::bvNone) + (panel->BevelInner() != Vcl::bvNone));
      report(panel, panel->Caption(), TextWidth(panel, panel->Caption()), panel->width() - 2 * frame);
    } else if (auto* combo = qobject_cast<TComboBox*>(w)) {
      // Any item may be the one shown: the widest must fit the edit field.
      const QComboBox* box = combo->Combo();
      QStyleOptionComboBox option;
      option.initFrom(box);
      option.editable = box->isEditable();
      const int room = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
      QString widest;
      for (int i = 0; i < box->count(); ++i)
        if (box->fontMetrics().horizontalAdvance(box->itemText(i)) > box->fontMetrics().horizontalAdvance(widest))
          widest = box->itemText(i);
      report(combo, widest, box->fontMetrics().horizontalAdvance(widest), room);
    } else if (auto* pages = qobject_cast<TPageControl*>(w)) {
      // A tab scrolled out of view is a page the user cannot find.
      for (int i = 0; i < pages->PageCount(); ++i)
        if (pages->Pages(i)->TabVisible() && !pages->TabButton(i)->isVisibleTo(root))
          out.insert(key + u'/' + pages->objectName() + QStringLiteral("/tab%1").arg(i),
                     {QStringLiteral("%1: %2 tab '%3' is out of view").arg(where, pages->objectName(), pages->Pages(i)->Caption()), 1});
    }
  }
}

class LanguageTest : public ::testing::Test {
protected:
  void SetUp() override {
    Experiment = TExperimentState{};
    cwd_ = std::make_unique<testsupport::ScopedWorkingDir>(dir_.path());
    SetMessageSink([](const QString&) {});
    QCoreApplication::installTranslator(&missing_);
  }
  void TearDown() override {
    DestroyWindows();
    InstallLanguage(QString());
    QCoreApplication::removeTranslator(&missing_);
    SetMessageSink(nullptr);
    cwd_.reset();
  }

  // Every window, every page of a scope's property dialog (the crossing
  // mark's too) and the pen and brush editors, in `language`: the captions
  // cut off.
  TCutOffs CheckEveryWindow(const QString& language) {
    const QString name = language.isEmpty() ? QStringLiteral("en") : language;
    InstallLanguage(language);
    CreateWindows();
    TCutOffs problems;
    const std::initializer_list<TForm*> forms{Form1, Form2, Form3, Form4, Form5, Form6};
    for (TForm* form : forms) {
      form->Show();
      Settle();
      if (auto* pages = form->findChild<TPageControl*>()) {
        // Each page of a tabbed window in turn.
        for (int i = 0; i < pages->PageCount(); ++i) {
          pages->SetActivePage(pages->Pages(i));
          Settle();
          CaptionsCutOff(form, QString::fromLatin1(form->metaObject()->className()) + QString::number(i),
                         name + QStringLiteral(": ") + form->Caption(), problems);
        }
      } else {
        CaptionsCutOff(form, QString::fromLatin1(form->metaObject()->className()), name + QStringLiteral(": ") + form->Caption(),
                       problems);
      }
      form->Close();
    }
    int pagesSeen = 0;
    const TScopeDialogHook previous = SetScopeDialogHook([&](TSLScopePropertiesForm* dialog) {
      dialog->Show();
      for (int i = 0; i < dialog->PageCount(); ++i) {
        dialog->SetActivePageIndex(i);
        Settle();
        CaptionsCutOff(dialog, QString::fromLatin1(dialog->ActivePage()->metaObject()->className()),
                       name + QStringLiteral(": ") + dialog->ActivePage()->Caption(), problems);
        ++pagesSeen;
        if (auto* cursors = qobject_cast<TSLScopeCursorsForm*>(dialog->ActivePage())) {
          // A checked channel opens the cursor's crossing-mark page.
          cursors->CursorListBox->List()->setCurrentRow(0);
          cursors->ChannelsListBox->List()->item(0)->setCheckState(Qt::Checked);
          Settle();
          EXPECT_NE(cursors->ChannelLinkPage(), nullptr) << name.toStdString();
          CaptionsCutOff(dialog, QStringLiteral("crossing"), name + QStringLiteral(": crossing mark"), problems);
          ++pagesSeen;
        }
      }
      dialog->Hide();
    });
    // The marker groups page shows only for a scope that has a group.
    Form3->ScpAB->MarkerGroups()->Add();
    Form3->ScpAB->ShowPropertiesDialog(TSLDataChart::kChannelsPage, 0);
    SetScopeDialogHook(previous);
    EXPECT_EQ(pagesSeen, 10) << name.toStdString();
    TSLDisplayPen pen(nullptr);
    TSLDisplayBrush brush(nullptr);
    for (TForm* editor : std::initializer_list<TForm*>{new TSLPenForm(&pen), new TSLBrushForm(&brush)}) {
      editor->Show();
      Settle();
      CaptionsCutOff(editor, QString::fromLatin1(editor->metaObject()->className()), name + QStringLiteral(": ") + editor->Caption(),
                     problems);
      delete editor;
    }
    DestroyWindows();
    return problems;
  }

  testsupport::TempDir dir_;
  std::unique_ptr<testsupport::ScopedWorkingDir> cwd_;
  TMissingTexts missing_;
};

TEST_F(LanguageTest, EveryWindowIsTranslatedAndFitsInEveryLanguage) {
  ASSERT_EQ(ProgramLanguages(), (QStringList{"de", "es", "fr", "pt_BR"}));
  // English first: its layout is the given one. Where English itself runs
  // short (the tab row of a dialog with every page, a shape's name in a
  // narrow box), a translation may do so as far as English does.
  const TCutOffs english = CheckEveryWindow(QString());
  QStringList problems;
  for (const QString& language : kLanguages) {
    missing_.missing.clear();
    const TCutOffs cut = CheckEveryWindow(language);
    for (auto it = cut.begin(); it != cut.end(); ++it)
      if (!english.contains(it.key()) || it->overflow > english[it.key()].overflow) problems << it->message;
    QStringList missing(missing_.missing.begin(), missing_.missing.end());
    missing.sort();
    for (const QString& text : missing) problems << language + QStringLiteral(": not translated: ") + text;
  }
  EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}

TEST_F(LanguageTest, GermanWindowsSayItInGermanWithADecimalComma) {
  // A hand-edited config.ini: what was not read is said in German.
  testsupport::WriteFile(dir_.path() / "config.ini",
                         "[VELOCIDADE]\r\nvel=5\r\n[VELOCITYMEASURE]\r\nuncertainty=-5\r\n"
                         "[LEVELDETECTION]\r\nlevel_detec=5000\r\n");
  InstallLanguage(ChosenLanguage(QStringLiteral("de_AT")));
  TMessageRecorder messages;
  CreateWindows();
  ASSERT_FALSE(messages.Messages().isEmpty());
  EXPECT_EQ(messages.Messages()[0].section(u'\n', 1),
            QStringLiteral("[VELOCIDADE] vel = 5: Die Impulsgeschwindigkeit muss zwischen 100 und 10000000 mm / s liegen\n"
                           "[VELOCITYMEASURE] uncertainty = '-5' ist keine Zahl von mindestens 0\n"
                           "[LEVELDETECTION] level_detec = 5000: Der Erkennungspegel muss zwischen 0 und 1000 liegen "
                           "(0 bis 100 % des Vollausschlags)"))
      << messages.Messages()[0].toStdString();
  // A lab folder whose config.ini cannot be written: Apply and Save says so.
  std::filesystem::remove(dir_.path() / "config.ini");
  std::filesystem::create_directory(dir_.path() / "config.ini");
  messages.Clear();
  QTest::mouseClick(Form2->btnAplicar->Button(), Qt::LeftButton);
  ASSERT_EQ(messages.Messages().size(), 1);
  EXPECT_TRUE(messages.Messages()[0].endsWith(QStringLiteral("config.ini kann nicht geschrieben werden")))
      << messages.Messages()[0].toStdString();
  EXPECT_EQ(Form2->Caption(), QStringLiteral("Einstellungen"));
  EXPECT_EQ(Form3->Caption(), QStringLiteral("Signalaufnahme"));
  auto* detect = Form3->findChild<TCheckBox*>(QStringLiteral("chkAutomaticTime"));
  ASSERT_NE(detect, nullptr);
  EXPECT_EQ(detect->Caption(), QStringLiteral("Impuls erkennen"));
  EXPECT_EQ(QLocale().toString(0.5), QStringLiteral("0,5"));
  // Qt's own dialogs too, from Qt's translations.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
  // And back: English texts and the files' decimal point.
  DestroyWindows();
  InstallLanguage(ChosenLanguage(QStringLiteral("en")));
  CreateWindows();
  EXPECT_EQ(Form2->Caption(), QStringLiteral("Settings"));
  EXPECT_EQ(Form3->Caption(), QStringLiteral("Signal Acquisition"));
  EXPECT_EQ(QLocale().toString(0.5), QStringLiteral("0.5"));
}

// A lesson in Brazilian Portuguese, clicked through as a class does: the
// simulated sensors struck, the read-out and the map in Portuguese with
// decimal commas, and the run's files still written with dots.
TEST_F(LanguageTest, APortugueseLessonReadsWithCommasAndSavesWithDots) {
  testsupport::WriteFile(dir_.path() / "config.ini",
                         "[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n"
                         "[VELOCIDADE]\r\nvel=120000\r\n[TAQUISICAO]\r\ntaq=1\r\n[TXAQUISICAO]\r\ntx=44100\r\n"
                         "[LEVELDETECTION]\r\nlevel_detec=50\r\n");
  InstallLanguage(ChosenLanguage(QStringLiteral("pt_BR")));
  CreateWindows();
  TMessageRecorder messages;
  UseCaptureDevice(QString::fromLatin1(kWaveInSimulatedName));
  Form1->Show();
  QTest::mouseClick(Form1->BitBtn3->Button(), Qt::LeftButton);  // "Aquisição"
  Settle();
  ASSERT_TRUE(Form3->isVisible());
  EXPECT_EQ(Form3->Caption(), QStringLiteral("Aquisição de sinais"));
  // "Find Epicenter" is written in its button's picture.
  EXPECT_TRUE(Form3->btnEpicenter->Glyph().contains(">Achar</text>")) << Form3->btnEpicenter->Glyph().toStdString();
  EXPECT_TRUE(Form3->btnEpicenter->Glyph().contains(">epicentro</text>"));

  TScriptedSensors sensors;
  SetStrikePoint({500, 450});
  ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAB));
  ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAC));
  Settle();
  // The legend beside the traces: its group's caption and its lines.
  TSLLegendGroupItem* group = Form3->ScpAB->Legend()->CustomGroups()->Group(0);
  ASSERT_NE(group, nullptr);
  EXPECT_TRUE(group->LegendGroup()->Caption()->Text().startsWith(QStringLiteral("Leitura")));
  for (int pair = 0; pair < 2; ++pair) {
    const QStringList lines = Form3->ReadOut(pair);
    ASSERT_EQ(lines.size(), 3);
    const QString right = pair == 0 ? QStringLiteral("tB") : QStringLiteral("tC");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^tA \\d+,\\d+ ms, detectado$")).match(lines[0]).hasMatch())
        << lines[0].toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^") + right + QStringLiteral(" \\d+,\\d+ ms, detectado$")).match(lines[1]).hasMatch())
        << lines[1].toStdString();
    EXPECT_TRUE(QRegularExpression(right + QStringLiteral(" \u2212 tA = -?\\d+,\\d+ \u00b1 \\d+,\\d+ ms$")).match(lines[2]).hasMatch())
        << lines[2].toStdString();
  }

  QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);  // "Find Epicenter"
  Settle();
  const TEpicenterAnswer& answer = Form3->Answer();
  ASSERT_TRUE(answer.Solved());
  const QString map = Form1->lblEpicenter->Caption();
  const QLocale portuguese(QStringLiteral("pt_BR"));
  auto mm = [&](double value) { return portuguese.toString(value, 'f', 1); };
  EXPECT_TRUE(map.startsWith(QStringLiteral("Epicentro: x %1 mm, y %2 mm\n").arg(mm(answer.point.x), mm(answer.point.y))))
      << map.toStdString();
  EXPECT_TRUE(map.contains(QStringLiteral("A área sombreada serve aos seus tempos: o epicentro pode estar a até %1 mm da marca")
                               .arg(mm(answer.uncertainty))))
      << map.toStdString();
  EXPECT_TRUE(map.contains(QStringLiteral("Golpe em x 500,0 mm, y 450,0 mm: a %1 mm")
                               .arg(mm(std::hypot(answer.point.x - 500, answer.point.y - 450)))))
      << map.toStdString();
  EXPECT_FALSE(map.contains(QRegularExpression(QStringLiteral("\\d\\.\\d")))) << map.toStdString();

  // Save Run and Export CSV: the dialogs' titles in Portuguese, the files'
  // numbers with a dot and their keys in English.
  const std::filesystem::path run = dir_.path() / "run";
  std::filesystem::create_directories(run);
  QStringList titles;
  TFolderDialog::SetChooser([&](const TFolderDialog& dialog) {
    titles << dialog.Title();
    return QString::fromStdString(run.string());
  });
  Form3->Show();
  messages.Clear();
  QTest::mouseClick(Form3->btnSaveRun->Button(), Qt::LeftButton);
  QTest::mouseClick(Form3->btnExportCsv->Button(), Qt::LeftButton);
  TFolderDialog::SetChooser(nullptr);
  EXPECT_EQ(titles, (QStringList{QStringLiteral("Salvar medição"), QStringLiteral("Exportar CSV")}));
  ASSERT_EQ(messages.Messages().size(), 2) << messages.Messages().join(u'|').toStdString();
  EXPECT_EQ(messages.Messages()[0], QStringLiteral("Medição salva em %1").arg(QString::fromStdString(run.string())));
  EXPECT_TRUE(messages.Messages()[1].startsWith(QStringLiteral("Gravados em "))) << messages.Messages()[1].toStdString();

  const QString ini = QString::fromStdString(testsupport::ReadFile(run / "run.ini"));
  const QRegularExpressionMatch x = QRegularExpression(QStringLiteral("\\[EPICENTER\\][^\\[]*\\nx=([^\\r\\n]*)")).match(ini);
  ASSERT_TRUE(x.hasMatch()) << ini.toStdString();
  bool ok = false;
  EXPECT_NEAR(x.captured(1).toDouble(&ok), answer.point.x, 1e-9) << x.captured(1).toStdString();
  EXPECT_TRUE(ok) << x.captured(1).toStdString();
  EXPECT_TRUE(ini.contains(QStringLiteral("A_AB_how=detected"))) << ini.toStdString();
  EXPECT_FALSE(ini.contains(QRegularExpression(QStringLiteral("=-?\\d+,\\d")))) << ini.toStdString();
  // The report page speaks Portuguese, with the map's words and commas, and
  // its longer names widen their column.
  QPdfDocument report;
  ASSERT_EQ(report.load(QString::fromStdString((run / "report.pdf").string())), QPdfDocument::Error::None);
  const QString page = report.getAllText(0).text();
  for (const QString& words : {QStringLiteral("Relatório da localização do epicentro"), QStringLiteral("Velocidade 120000 mm/s"),
                               QStringLiteral("Tempos de chegada"), QStringLiteral("até %1 mm da marca").arg(mm(answer.uncertainty))})
    EXPECT_TRUE(page.contains(words)) << words.toStdString() << "\n" << page.toStdString();
  // Nothing shortened to fit its column.
  EXPECT_FALSE(page.contains(QChar(0x2026))) << page.toStdString();
  const QString csv = QString::fromStdString(testsupport::ReadFile(run / "results.csv"));
  EXPECT_TRUE(csv.contains(QRegularExpression(QStringLiteral("\\nepicenter_x,\\d+\\.\\d+,mm\\r?\\n")))) << csv.toStdString();
  EXPECT_TRUE(csv.contains(QStringLiteral(",detected,"))) << csv.toStdString();

  // The same strike measures the velocity: the point typed with a decimal
  // comma, the figures and why the corrections are not fitted in Portuguese.
  Form5->Show();
  Form5->txtStrikeX->SetText(QStringLiteral("500,0"));
  Form5->txtStrikeY->SetText(QStringLiteral("450"));
  messages.Clear();
  QTest::mouseClick(Form5->btnAddStrike->Button(), Qt::LeftButton);
  EXPECT_TRUE(messages.Messages().isEmpty()) << messages.Messages().join(u'|').toStdString();
  const QString figures = Form5->lblFigures->Caption();
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^Golpe 1, A\\+B: atraso \\d+,\\d{3} ms, diferença -?\\d+,\\d mm, velocidade "))
                  .match(figures)
                  .hasMatch())
      << figures.toStdString();
  EXPECT_TRUE(figures.contains(QStringLiteral("\nVelocidade: "))) << figures.toStdString();
  EXPECT_TRUE(figures.contains(QStringLiteral("Correções não ajustadas: os golpes dão ao sensor B uma só diferença de distância")))
      << figures.toStdString();

  // The class pools the saved run: its report in Portuguese with commas,
  // class.csv with dots.
  const std::filesystem::path share = dir_.path() / "class";
  std::filesystem::create_directories(share);
  Form6->Show();
  TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString(run.string()); });
  QTest::mouseClick(Form6->btnAddFolder->Button(), Qt::LeftButton);
  TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString(share.string()); });
  messages.Clear();
  QTest::mouseClick(Form6->btnExport->Button(), Qt::LeftButton);
  EXPECT_TRUE(messages.Messages().isEmpty()) << messages.Messages().join(u'|').toStdString();
  QPdfDocument classReport;
  ASSERT_EQ(classReport.load(QString::fromStdString((share / "class-report.pdf").string())), QPdfDocument::Error::None);
  const QString classPage = classReport.getAllText(0).text();
  EXPECT_TRUE(classPage.contains(QStringLiteral(" %1 %2 ").arg(portuguese.toString(answer.point.x, 'f', 2),
                                                                 portuguese.toString(answer.point.y, 'f', 2))))
      << classPage.toStdString();
  EXPECT_FALSE(classPage.contains(QRegularExpression(QStringLiteral("\\d\\.\\d")))) << classPage.toStdString();
  EXPECT_FALSE(classPage.contains(QChar(0x2026))) << classPage.toStdString();
  EXPECT_TRUE(QString::fromStdString(testsupport::ReadFile(share / "class.csv"))
                  .contains(QRegularExpression(QStringLiteral(",\\d+\\.\\d{2},\\d+\\.\\d{2},"))));

  // A run whose second recording went missing: Open Run says so in
  // Portuguese.
  std::filesystem::remove(run / "pair-AC.wav");
  Form3->Show();
  messages.Clear();
  TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString(run.string()); });
  QTest::mouseClick(Form3->btnOpenRun->Button(), Qt::LeftButton);
  EXPECT_TRUE(messages.Messages().join(u'|').contains(QStringLiteral("pair-AC.wav está faltando: o par A+C não é mostrado")))
      << messages.Messages().join(u'|').toStdString();
  TFolderDialog::SetChooser(nullptr);
}

// --help: English as the usage printed after a mistake, byte for byte; in
// German the same command lines with German words beside the options.
TEST(ProgramLanguage, HelpSpeaksTheLanguageAroundTheSameCommandLines) {
  const QString usage = QString::fromUtf8(kUsage);
  InstallLanguage(QString());
  EXPECT_EQ(HelpText(), usage);
  InstallLanguage(QStringLiteral("de"));
  const QString help = HelpText();
  InstallLanguage(QString());
  const QString synopsis = usage.left(usage.indexOf(QLatin1String("options:\n")));
  EXPECT_TRUE(help.startsWith(synopsis + QStringLiteral("Optionen:\n"))) << help.toStdString();
  EXPECT_TRUE(help.contains(QStringLiteral("\n  --help                diese Hilfe ausgeben und beenden\n"))) << help.toStdString();
  // No line longer than English's longest.
  qsizetype widest = 0;
  for (const QString& line : usage.split(u'\n')) widest = std::max(widest, line.size());
  for (const QString& line : help.split(u'\n')) EXPECT_LE(line.size(), widest) << line.toStdString();
}

TEST(ProgramLanguage, CodesFindTheirTranslation) {
  EXPECT_EQ(MatchLanguage(QStringLiteral("de")), QStringLiteral("de"));
  EXPECT_EQ(MatchLanguage(QStringLiteral("pt-BR")), QStringLiteral("pt_BR"));
  EXPECT_EQ(MatchLanguage(QStringLiteral("pt_PT")), QStringLiteral("pt_BR"));
  EXPECT_EQ(MatchLanguage(QStringLiteral("fr_CA.UTF-8")), QStringLiteral("fr"));
  EXPECT_EQ(MatchLanguage(QStringLiteral("ES")), QStringLiteral("es"));
  EXPECT_EQ(MatchLanguage(QStringLiteral("en")), QString());
  EXPECT_EQ(MatchLanguage(QStringLiteral("it")), QString());
  EXPECT_EQ(ChosenLanguage(QStringLiteral("en_GB")), QString());
}

TEST(ProgramLanguage, TheDesktopsFirstTranslatedLanguageIsTaken) {
  // CTest runs this with LANGUAGE=it:fr_CA:de: Italian has no translation.
  if (qgetenv("LANGUAGE") != "it:fr_CA:de") GTEST_SKIP() << "run through CTest for the desktop's languages";
  EXPECT_EQ(ChosenLanguage(QString()), QStringLiteral("fr"));
}

}  // namespace
