// Picture loading of the standard controls: every format the open dialog
// offers loads, damaged files are reported and leave the picture as it was.
#include "forms/controls/components.h"
#include "forms/controls/picture.h"
#include "forms/controls/standard_controls.h"
#include "support/metafile_samples.h"
#include "support/test_support.h"

#include <QPainter>
#include <QtEndian>
#include <filesystem>
#include <gmock/gmock.h>

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

QString Data(const char* name) {
  const char* dir = std::getenv("TREMORA_TEST_DATA");
  return QString::fromStdString((fs::path(dir ? dir : "tests/data") / "pictures" / name).string());
}

std::string MessageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const EInvalidGraphic& e) {
    return e.what();
  }
  return "<no error>";
}

TEST(Picture, EveryOfferedFormatLoads) {
  // The filter lists exactly the extensions the loader knows.
  const QString filter = TPicture::GraphicFilter();
  for (const QString& ext : TPicture::Extensions())
    EXPECT_TRUE(filter.contains("*." + ext)) << ext.toStdString();
  const QStringList parts = filter.split('|');
  ASSERT_EQ(parts.size() % 2, 0);
  QStringList patterns;
  for (int i = 1; i < parts.size(); i += 2)
    for (const QString& p : parts[i].split(';')) patterns.append(p.mid(2));
  patterns.removeDuplicates();
  const QStringList known = TPicture::Extensions();
  EXPECT_EQ(QSet<QString>(patterns.begin(), patterns.end()), QSet<QString>(known.begin(), known.end()));

  const std::pair<const char*, TPicture::Kind> files[] = {
      {"map.jpg", TPicture::Kind::Jpeg}, {"map.png", TPicture::Kind::Png},
      {"map.bmp", TPicture::Kind::Bitmap}, {"map.svg", TPicture::Kind::Svg}};
  for (const auto& [name, kind] : files) {
    TPicture picture;
    picture.LoadFromFile(Data(name));
    EXPECT_EQ(picture.GetKind(), kind) << name;
    EXPECT_EQ(picture.Size(), QSize(140, 100)) << name;
    // The same map in every format: water at the bottom, land at the top.
    const QImage image = picture.ToImage();
    EXPECT_GT(qBlue(image.pixel(70, 95)), qRed(image.pixel(70, 95)) + 40) << name;
    EXPECT_GT(qGreen(image.pixel(70, 5)), qBlue(image.pixel(70, 5))) << name;
  }
}

TEST(Picture, UppercaseExtensionsLoad) {
  testsupport::TempDir dir;
  const fs::path upper = dir / "MAP.JPEG";
  fs::copy_file(Data("map.jpg").toStdString(), upper);
  TPicture picture;
  picture.LoadFromFile(QString::fromStdString(upper.string()));
  EXPECT_EQ(picture.GetKind(), TPicture::Kind::Jpeg);
}

TEST(Picture, FailuresAreReportedAndKeepThePicture) {
  TPicture picture;
  picture.LoadFromFile(Data("map.png"));
  const QByteArray before = picture.Data();

  EXPECT_THAT(MessageOf([&] { picture.LoadFromFile(Data("truncated.jpg")); }), StartsWith("JPEG error: "));
  EXPECT_THAT(MessageOf([&] { picture.LoadFromFile(Data("damaged.jpg")); }), StartsWith("JPEG error: "));
  EXPECT_THAT(MessageOf([&] { picture.LoadFromFile(Data("not_a_picture.png")); }), HasSubstr("PNG"));
  EXPECT_EQ(MessageOf([&] { picture.LoadFromFile(Data("map.gif")); }), "Unknown picture file extension (.gif)");
  EXPECT_THAT(MessageOf([&] { picture.LoadFromFile(Data("missing.jpg")); }),
              AllOf(HasSubstr("Cannot open file"), HasSubstr("missing.jpg")));
  EXPECT_THAT(MessageOf([&] { picture.LoadFromFile(Data("")); }), HasSubstr("Unknown picture file extension"));
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "broken.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='10'");
  EXPECT_EQ(MessageOf([&] { picture.LoadFromFile(QString::fromStdString((dir / "broken.svg").string())); }),
            "Vector picture is not valid");
  testsupport::WriteFile(dir / "empty.bmp", "");
  EXPECT_THAT(MessageOf([&] { picture.LoadFromFile(QString::fromStdString((dir / "empty.bmp").string())); }),
              HasSubstr("Bitmap"));
  EXPECT_EQ(picture.Data(), before);
  EXPECT_EQ(picture.GetKind(), TPicture::Kind::Png);
}

TEST(Picture, StoredDataRoundTripsAndPlainGlyphsAreRecognised) {
  TPicture jpeg;
  jpeg.LoadFromFile(Data("map.jpg"));
  const QByteArray stored = jpeg.Data();
  // Class name as a length-prefixed string, then a 32-bit length and the file.
  ASSERT_GT(stored.size(), 15);
  EXPECT_EQ(stored[0], char(10));
  EXPECT_EQ(stored.mid(1, 10), "TJPEGImage");
  EXPECT_EQ(qFromLittleEndian<quint32>(stored.constData() + 11), quint32(stored.size() - 15));
  TPicture copy;
  copy.LoadFromData(stored);
  EXPECT_EQ(copy.GetKind(), TPicture::Kind::Jpeg);
  EXPECT_EQ(copy.Data(), stored);

  // Bare file bytes, with or without a leading length, as glyph data.
  const QByteArray svg = testsupport::ReadFile(Data("map.svg").toStdString()).c_str();
  TPicture glyph;
  glyph.LoadFromData(svg);
  EXPECT_EQ(glyph.GetKind(), TPicture::Kind::Svg);
  QByteArray png = QByteArray::fromStdString(testsupport::ReadFile(Data("map.png").toStdString()));
  char length[4];
  qToLittleEndian<quint32>(quint32(png.size()), length);
  glyph.LoadFromData(QByteArray(length, 4) + png);
  EXPECT_EQ(glyph.GetKind(), TPicture::Kind::Png);

  EXPECT_THROW(glyph.LoadFromData("\x07TFooBar1234"), EInvalidGraphic);
  EXPECT_THROW(glyph.LoadFromData("just some bytes"), EInvalidGraphic);
  EXPECT_EQ(glyph.GetKind(), TPicture::Kind::Png);
  glyph.LoadFromData(QByteArray());
  EXPECT_TRUE(glyph.Empty());
}

QString WriteSample(const testsupport::TempDir& dir, const std::string& name, const std::string& bytes) {
  testsupport::WriteFile(dir / name, bytes);
  return QString::fromStdString((dir / name).string());
}

TEST(Picture, MetafilesLoadDrawAndRoundTrip) {
  testsupport::TempDir dir;
  const std::pair<QString, TPicture::Kind> files[] = {
      {WriteSample(dir, "map.emf", testsupport::SampleEmf()), TPicture::Kind::Emf},
      {WriteSample(dir, "map.wmf", testsupport::SampleWmf()), TPicture::Kind::Wmf},
      {WriteSample(dir, "plain.WMF", testsupport::SampleWmf({.placeable = false})), TPicture::Kind::Wmf}};
  for (const auto& [path, kind] : files) {
    SCOPED_TRACE(path.toStdString());
    TPicture picture;
    picture.LoadFromFile(path);
    EXPECT_EQ(picture.GetKind(), kind);
    // A plain WMF's size comes from what it draws, pen included.
    EXPECT_NEAR(picture.Width(), 200, 1);
    EXPECT_NEAR(picture.Height(), 100, 1);
    // A blue rectangle fills the lower half; the top is left undrawn.
    const QImage image = picture.ToImage();
    ASSERT_EQ(image.size(), picture.Size());
    EXPECT_GT(qBlue(image.pixel(100, 80)), 200);
    EXPECT_LT(qRed(image.pixel(100, 80)), 60);
    EXPECT_LT(qAlpha(image.pixel(180, 40)), 60);
    // The polyline across the top is a line, not a filled shape.
    EXPECT_LT(qAlpha(image.pixel(100, 20)), 60);

    // Stored as TMetafile with the file's bytes; read back as the same kind.
    const QByteArray stored = picture.Data();
    EXPECT_EQ(stored.mid(1, 9), "TMetafile");
    TPicture copy;
    copy.LoadFromData(stored);
    EXPECT_EQ(copy.GetKind(), kind);
    EXPECT_EQ(copy.Data(), stored);
  }
}

TEST(Picture, DamagedOrHugeMetafilesAreRefusedAndKeepThePicture) {
  testsupport::TempDir dir;
  TPicture picture;
  picture.LoadFromFile(Data("map.png"));
  const QByteArray before = picture.Data();
  const std::string emf = testsupport::SampleEmf();
  const std::string wmf = testsupport::SampleWmf();
  std::string badRecord = emf;
  badRecord[88 + 4] = char(0xF0);  // first record's size runs far past the end
  // No bounds, and a frame whose size at the reference resolution passes
  // any integer: the size is worked out without overflow and refused.
  std::string hugeFrame = emf;
  auto put = [&](size_t at, int32_t v) { qToLittleEndian<qint32>(v, hugeFrame.data() + at); };
  for (size_t at : {8, 12, 16, 20}) put(at, 0);
  put(24, -2147483647), put(32, 2147483647), put(72, 2147483647), put(80, 1);
  std::string notWmf = wmf;
  notWmf[0] = 'x';
  // The fuzzed file, and the same with a size that the file does hold:
  // what remains is its largest record of 2 GB.
  const std::string fuzzed = testsupport::HugeRecordWmf();
  std::string hugeRecord = fuzzed;
  qToLittleEndian<quint32>(quint32((fuzzed.size() - 22) / 2), hugeRecord.data() + 22 + 6);
  std::string recordPastEnd = wmf;  // the second record claims 64 KB
  qToLittleEndian<quint32>(0x8000, recordPastEnd.data() + 22 + 18 + 10);
  std::string manyRecords = emf;
  qToLittleEndian<quint32>(0x7FFFFFFF, manyRecords.data() + 52);
  // Without their end records (made comments, or a SaveDC of as many
  // words): the converters would read on past the declared bytes.
  std::string noEndEmf = emf;
  qToLittleEndian<quint32>(70, noEndEmf.data() + emf.size() - 20);
  std::string noEndWmf = wmf;
  qToLittleEndian<quint16>(0x001E, noEndWmf.data() + wmf.size() - 2);
  const std::pair<const char*, std::string> refused[] = {
      {"truncated.emf", emf.substr(0, 60)},
      {"cut.emf", emf.substr(0, emf.size() - 30)},
      {"bad_record.emf", badRecord},
      {"empty.wmf", ""},
      {"not.wmf", notWmf},
      {"cut.wmf", wmf.substr(0, 40)},
      {"huge.emf", testsupport::SampleEmf({.width = 20000, .height = 20000})},
      {"huge.wmf", testsupport::SampleWmf({.width = 32000, .height = 32000})},
      {"map.emf", wmf},  // a WMF named .emf
      {"huge_frame.emf", hugeFrame},
      {"fuzzed.wmf", fuzzed},
      {"huge_record.wmf", hugeRecord},
      {"record_past_end.wmf", recordPastEnd},
      {"many_records.emf", manyRecords},
      {"no_end.emf", noEndEmf},
      {"no_end.wmf", noEndWmf},
  };
  for (const auto& [name, bytes] : refused) {
    SCOPED_TRACE(name);
    EXPECT_THAT(MessageOf([&] { picture.LoadFromFile(WriteSample(dir, name, bytes)); }), StartsWith("Metafile error: "));
  }
  EXPECT_THAT(MessageOf([&] { picture.LoadFromFile(WriteSample(dir, "huge2.emf", refused[6].second)); }),
              HasSubstr("too large"));
  EXPECT_THAT(MessageOf([&] { picture.LoadFromFile(WriteSample(dir, "fuzzed.wmf", fuzzed)); }),
              HasSubstr("header is damaged (it declares 0 bytes)"));
  EXPECT_THAT(MessageOf([&] { picture.LoadFromFile(WriteSample(dir, "huge_record.wmf", hugeRecord)); }),
              HasSubstr("largest record of 2147484158 bytes"));
  EXPECT_THAT(MessageOf([&] { picture.LoadFromFile(WriteSample(dir, "record_past_end.wmf", recordPastEnd)); }),
              HasSubstr("a record runs past the end"));
  for (const auto& [name, bytes] : {std::pair{"no_end.emf", noEndEmf}, std::pair{"no_end.wmf", noEndWmf}})
    EXPECT_THAT(MessageOf([&] { picture.LoadFromFile(WriteSample(dir, name, bytes)); }), HasSubstr("no end record"))
        << name;
  EXPECT_EQ(picture.GetKind(), TPicture::Kind::Png);
  EXPECT_EQ(picture.Data(), before);
}

TEST(Image, StretchProportionalAndCentre) {
  TImage image;
  image.SetWidth(200);
  image.SetHeight(200);
  image.LoadFromFile(Data("map.svg"));  // 140 x 100
  EXPECT_EQ(image.DestRect(), QRectF(0, 0, 140, 100));
  image.SetStretch(true);
  EXPECT_EQ(image.DestRect(), QRectF(0, 0, 200, 200));
  image.SetProportional(true);
  EXPECT_EQ(image.DestRect().size(), QSizeF(200, 200.0 * 100 / 140));
  image.SetCenter(true);
  EXPECT_NEAR(image.DestRect().top(), (200 - 200.0 * 100 / 140) / 2, 1e-9);
  image.SetStretch(false);
  image.SetCenter(false);
  image.SetWidth(70);
  // Proportional alone only shrinks a picture that does not fit.
  EXPECT_EQ(image.DestRect().size(), QSizeF(70, 50));

  // Stretched drawing covers the whole control.
  TImage map;
  map.SetWidth(280);
  map.SetHeight(200);
  map.SetStretch(true);
  map.LoadFromFile(Data("map.jpg"));
  const QImage shot = map.grab().toImage();
  EXPECT_GT(qBlue(shot.pixel(140, 195)), qRed(shot.pixel(140, 195)) + 40);
  EXPECT_GT(qGreen(shot.pixel(275, 5)), qBlue(shot.pixel(275, 5)));

  TImage sized;
  sized.SetAutoSize(true);
  sized.LoadFromFile(Data("map.png"));
  EXPECT_EQ(sized.size(), QSize(140, 100));
}

TEST(OpenPictureDialog, FilterAndChooser) {
  EXPECT_EQ(TOpenPictureDialog::ToQtFilter("Bitmaps (*.bmp)|*.bmp|JPEG|*.jpg;*.jpeg"),
            "Bitmaps (*.bmp);;JPEG (*.jpg *.jpeg)");
  TOpenPictureDialog dialog;
  EXPECT_EQ(dialog.EffectiveFilter(), TPicture::GraphicFilter());
  dialog.SetFilter("Only PNG|*.png");
  EXPECT_EQ(dialog.EffectiveFilter(), "Only PNG|*.png");

  QString seenFilter;
  TOpenPictureDialog::SetChooser([&](const TOpenPictureDialog& d) {
    seenFilter = d.EffectiveFilter();
    return QStringLiteral("/tmp/x.png");
  });
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), "/tmp/x.png");
  EXPECT_EQ(seenFilter, "Only PNG|*.png");
  TOpenPictureDialog::SetChooser([](const TOpenPictureDialog&) { return QString(); });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), "/tmp/x.png");  // a cancel keeps the last choice
  TOpenPictureDialog::SetChooser(nullptr);
}

}  // namespace
