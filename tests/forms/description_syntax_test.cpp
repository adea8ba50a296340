// Parsing and printing the text form of window descriptions.

#include "forms/description_reader.h"
#include "forms/description_syntax.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using K = TStoredValue::Kind;

TStoredValue V(const char* text) { return ParseDescriptionValue(QString::fromUtf8(text)); }

int ErrorLine(const QString& text) {
  try {
    ParseDescription(text);
  } catch (const EDescriptionError& e) {
    return e.Line();
  }
  return -1;
}

TEST(DescriptionSyntax, ScalarValues) {
  EXPECT_EQ(V("42").integer, 42);
  EXPECT_EQ(V("-7").integer, -7);
  EXPECT_EQ(V("$FF").integer, 255);
  EXPECT_EQ(V("$00FF8000").integer, 0xFF8000);
  EXPECT_EQ(V("9223372036854775807").integer, std::numeric_limits<qint64>::max());
  EXPECT_EQ(V("-9223372036854775808").integer, std::numeric_limits<qint64>::min());
  EXPECT_EQ(V("1.5").kind, K::Float);
  EXPECT_DOUBLE_EQ(V("1.5").real, 1.5);
  EXPECT_DOUBLE_EQ(V("-0.25").real, -0.25);
  EXPECT_DOUBLE_EQ(V("2.5E3").real, 2500.0);
  EXPECT_DOUBLE_EQ(V("1e-3").real, 0.001);
  EXPECT_EQ(V("0.0").kind, K::Float);
  EXPECT_EQ(V("clRed").kind, K::Identifier);
  EXPECT_EQ(V("Form3.AI.OutputPin").text, QStringLiteral("Form3.AI.OutputPin"));
  EXPECT_EQ(V("Form4.A2ROsc.OutputPins._Pin0").text, QStringLiteral("Form4.A2ROsc.OutputPins._Pin0"));
}

TEST(DescriptionSyntax, StringsWithQuotesCodesAndContinuations) {
  EXPECT_EQ(V("'it''s'").text, QStringLiteral("it's"));
  EXPECT_EQ(V("''").text, QString());
  EXPECT_EQ(V("''''").text, QStringLiteral("'"));
  EXPECT_EQ(V("'a'#13#10'b'").text, QStringLiteral("a\r\nb"));
  EXPECT_EQ(V("#65#$42'c'").text, QStringLiteral("ABc"));
  EXPECT_EQ(V("'Acquisi'#231#227'o'").text, QString::fromUtf8("Acquisição"));
  EXPECT_EQ(V("'first part ' +\n  'second part'").text, QStringLiteral("first part second part"));
  EXPECT_EQ(V("#128512").text, QString::fromUtf8("\xF0\x9F\x98\x80"));
}

TEST(DescriptionSyntax, SetsListsCollectionsAndBinary) {
  const TStoredValue set = V("[spFrontLeft, spFrontRight]");
  ASSERT_EQ(set.kind, K::Set);
  EXPECT_EQ(set.set, (QStringList{"spFrontLeft", "spFrontRight"}));
  EXPECT_TRUE(V("[]").set.isEmpty());

  const TStoredValue list = V("(Sinks ((Form4.ScpLeft.InputPins._Pin0 'Form4.ScpLeft.InputPins.Left')) nil 3 2.5)");
  ASSERT_EQ(list.kind, K::List);
  ASSERT_EQ(list.items.size(), 5);
  EXPECT_EQ(list.items[0].text, QStringLiteral("Sinks"));
  ASSERT_EQ(list.items[1].kind, K::List);
  ASSERT_EQ(list.items[1].items[0].items.size(), 2);
  EXPECT_EQ(list.items[1].items[0].items[1].text, QStringLiteral("Form4.ScpLeft.InputPins.Left"));
  EXPECT_TRUE(list.items[2].IsNil());
  EXPECT_EQ(list.items[3].integer, 3);
  EXPECT_TRUE(V("()").items.isEmpty());

  const TStoredValue coll = V("<\n item\n Name = 'tA'\n Position.X = 0.5\n end\n item\n end>");
  ASSERT_EQ(coll.kind, K::Collection);
  ASSERT_EQ(coll.collection.size(), 2);
  ASSERT_EQ(coll.collection[0].size(), 2);
  EXPECT_EQ(coll.collection[0][1].first, QStringLiteral("Position.X"));
  EXPECT_EQ(coll.collection[0][1].second.line, 4);
  EXPECT_TRUE(coll.collection[1].isEmpty());
  EXPECT_TRUE(V("<>").collection.isEmpty());

  const TStoredValue bin = V("{\n  0A0b FF\n  10}");
  ASSERT_EQ(bin.kind, K::Binary);
  EXPECT_EQ(bin.binary, QByteArray::fromHex("0A0BFF10"));
  EXPECT_TRUE(V("{}").binary.isEmpty());
}

TEST(DescriptionSyntax, ObjectsNestAndKeepLines) {
  const QString text = QStringLiteral(
      "object Form1: TForm1\n"
      "  Caption = 'Main'\n"
      "  XAxis.Max.Value = 5\n"
      "  object Panel1: TPanel\n"
      "    Left = 8\n"
      "    object Button1: TButton\n"
      "      OnClick = Button1Click\n"
      "    end\n"
      "  end\n"
      "  inherited Timer1: TTimer\n"
      "  end\n"
      "end\n");
  const TDescriptionObject root = ParseDescription(text);
  EXPECT_EQ(root.name, QStringLiteral("Form1"));
  EXPECT_EQ(root.className, QStringLiteral("TForm1"));
  ASSERT_EQ(root.properties.size(), 2);
  EXPECT_EQ(root.properties[1].path, QStringLiteral("XAxis.Max.Value"));
  EXPECT_EQ(root.properties[1].line, 3);
  ASSERT_EQ(root.children.size(), 2);
  EXPECT_EQ(root.children[0].line, 4);
  ASSERT_EQ(root.children[0].children.size(), 1);
  EXPECT_EQ(root.children[0].children[0].properties[0].value.text, QStringLiteral("Button1Click"));
  EXPECT_EQ(root.children[1].kind, TDescriptionObject::Kind::Inherited);
}

TEST(DescriptionSyntax, MalformedTextNamesTheLine) {
  // Truncated file: the object never ends.
  EXPECT_EQ(ErrorLine("object Form1: TForm1\n  Left = 1\n"), 3);
  // Unbalanced 'end'.
  EXPECT_EQ(ErrorLine("object Form1: TForm1\nend\nend\n"), 3);
  // Unterminated string.
  EXPECT_EQ(ErrorLine("object Form1: TForm1\n  Caption = 'abc\nend\n"), 2);
  // Missing '='.
  EXPECT_EQ(ErrorLine("object Form1: TForm1\n  Caption 'abc'\nend\n"), 2);
  // A missing value.
  EXPECT_EQ(ErrorLine("object Form1: TForm1\n  Left =\nend\n"), 3);
  // Lists, sets and collections left open.
  EXPECT_EQ(ErrorLine("object F: T\n  A = (1 2\nend\n"), 3);
  EXPECT_EQ(ErrorLine("object F: T\n  A = [x y]\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = <\n item\n  B = 1\n"), 5);
  EXPECT_EQ(ErrorLine("object F: T\n  A = {0A1}\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = {0AZZ}\nend\n"), 2);
  // Numbers out of range or malformed.
  EXPECT_EQ(ErrorLine("object F: T\n  A = 99999999999999999999\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = 12abc\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = $\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = #1114112\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = 'x' +\nend\n"), 3);
  // No object at all, or a stray character.
  EXPECT_EQ(ErrorLine(""), 1);
  EXPECT_EQ(ErrorLine("Left = 1\n"), 1);
  EXPECT_EQ(ErrorLine("object F: T\n  A = 1 ;\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  object : TX\n  end\nend\n"), 2);
}

TEST(DescriptionSyntax, ErrorMessageCarriesLineAndItem) {
  try {
    ParseDescription(QStringLiteral("object F: T\n  Caption = 'abc\nend\n"));
    FAIL() << "no error";
  } catch (const EDescriptionError& e) {
    EXPECT_EQ(e.Item(), QStringLiteral("Caption"));
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("line 2: Caption: "))) << e.Message().toStdString();
  }
}

TEST(DescriptionSyntax, DeepNestingIsRefusedNotFatal) {
  const QString deep = QStringLiteral("object F: T\n  A = ") + QString(100000, u'(') + QStringLiteral("\nend\n");
  EXPECT_THROW(ParseDescription(deep), EDescriptionError);
  QString objects;
  for (int i = 0; i < 5000; ++i) objects += QStringLiteral("object A%1: T\n").arg(i);
  EXPECT_THROW(ParseDescription(objects), EDescriptionError);
}

TEST(DescriptionSyntax, FloatsPrintShortestAndStayFloats) {
  EXPECT_EQ(FormatDescriptionFloat(0.0), QStringLiteral("0.0"));
  EXPECT_EQ(FormatDescriptionFloat(5.0), QStringLiteral("5.0"));
  EXPECT_EQ(FormatDescriptionFloat(0.1), QStringLiteral("0.1"));
  EXPECT_EQ(FormatDescriptionFloat(-2.5), QStringLiteral("-2.5"));
  for (double d : {1e-300, 1e300, 0.1 + 0.2, -1.0 / 3.0, 123456789.125}) {
    const TStoredValue v = ParseDescriptionValue(FormatDescriptionFloat(d));
    EXPECT_EQ(v.kind, K::Float);
    EXPECT_EQ(v.real, d);
  }
  EXPECT_EQ(FormatDescriptionFloat(std::nan("")), QStringLiteral("NaN"));
  EXPECT_EQ(FormatDescriptionFloat(-INFINITY), QStringLiteral("NegInf"));
}

TEST(DescriptionSyntax, PrintedTextParsesToTheSameTree) {
  const QString text = QStringLiteral(
      "object Form4: TForm4\n"
      "  Caption = 'It''s a '#13#10'test'#233\n"
      "  Big = -9223372036854775808\n"
      "  Ratio = 0.125\n"
      "  Anchors = [akLeft, akTop]\n"
      "  NoSet = []\n"
      "  Color = clSilver\n"
      "  AxisIndex_ = (0 0)\n"
      "  YAxis.Min.Tick._Floats = ((Value 0.0))\n"
      "  Items.Strings = (\n"
      "    'one'\n"
      "    'two')\n"
      "  Picture.Data = {\n"
      "    00112233445566778899AABBCCDDEEFF00112233445566778899AABBCCDDEEFF\n"
      "    0102}\n"
      "  Cursors = <\n"
      "    item\n"
      "      Name = 'tA'\n"
      "      Position.X = 1.5\n"
      "      Inner = <>\n"
      "    end\n"
      "    item\n"
      "    end>\n"
      "  object A2ROsc: TALAudioToReal\n"
      "    OutputPins.Pins = (Sinks ((Form4.ScpLeft.InputPins._Pin0 'Form4.ScpLeft.InputPins.Left')) nil)\n"
      "  end\n"
      "end\n");
  const TDescriptionObject first = ParseDescription(text);
  const QString printed = FormatDescription(first);
  const TDescriptionObject second = ParseDescription(printed);
  EXPECT_EQ(FormatDescription(second), printed);
  ASSERT_EQ(second.properties.size(), first.properties.size());
  for (int i = 0; i < first.properties.size(); ++i) {
    EXPECT_EQ(second.properties[i].path, first.properties[i].path);
    EXPECT_TRUE(second.properties[i].value == first.properties[i].value) << first.properties[i].path.toStdString();
  }
  ASSERT_EQ(second.children.size(), 1);
  EXPECT_TRUE(second.children[0].properties[0].value == first.children[0].properties[0].value);
  // Short lists stay on one line in the conventional form.
  EXPECT_TRUE(printed.contains(QStringLiteral("YAxis.Min.Tick._Floats = ((Value 0.0))")));
  EXPECT_TRUE(printed.contains(QStringLiteral("AxisIndex_ = (0 0)")));
}

TEST(DescriptionSyntax, LongListsBreakOverLinesAndReadBack) {
  QList<TStoredValue> items;
  for (int i = 0; i < 40; ++i) items.append(TStoredValue::Str(QStringLiteral("entry number %1").arg(i)));
  const TStoredValue list = TStoredValue::ListOf(items);
  const QString text = FormatDescriptionValue(list, 2);
  EXPECT_GT(text.count(u'\n'), 30);
  EXPECT_TRUE(ParseDescriptionValue(text) == list);
}

// What other form designers write: child-order indices, characters above
// U+FFFF as two UTF-16 codes, and floats with a type letter.
TEST(DescriptionSyntax, OtherDesignersFormsReadAndWriteBack) {
  const QString text = QStringLiteral(
      "inherited Form5: TForm5\n"
      "  Value = 32874d\n"
      "  Ratio = -1.5s\n"
      "  Price = 12.34c\n"
      "  Big = 1e+300d\n"
      "  Plain = 2.0\n"
      "  Steps = (0.5s 3d)\n"
      "  object Splitter: TSplitter [0]\n"
      "  end\n"
      "  inherited pShowDetail: TPanel [2]\n"
      "    inline Frame1: TFrame1 [11]\n"
      "    end\n"
      "  end\n"
      "end\n");
  const TDescriptionObject root = ParseDescription(text);
  EXPECT_EQ(root.childOrder, -1);
  ASSERT_EQ(root.children.size(), 2);
  EXPECT_EQ(root.children[0].name, QStringLiteral("Splitter"));
  EXPECT_EQ(root.children[0].className, QStringLiteral("TSplitter"));
  EXPECT_EQ(root.children[0].childOrder, 0);
  EXPECT_EQ(root.children[1].childOrder, 2);
  EXPECT_EQ(root.children[1].children[0].kind, TDescriptionObject::Kind::Inline);
  EXPECT_EQ(root.children[1].children[0].childOrder, 11);
  const TStoredValue& date = root.properties[0].value;
  EXPECT_EQ(date.kind, K::Float);
  EXPECT_EQ(date.real, 32874.0);
  EXPECT_EQ(date.floatSuffix, 'd');
  EXPECT_EQ(root.properties[1].value.real, -1.5);
  EXPECT_EQ(root.properties[1].value.floatSuffix, 's');
  EXPECT_EQ(root.properties[2].value.real, 12.34);
  EXPECT_EQ(root.properties[2].value.floatSuffix, 'c');
  EXPECT_EQ(root.properties[3].value.real, 1e300);
  EXPECT_EQ(root.properties[4].value.floatSuffix, 0);
  // The suffix is part of the value: a single is not the same as a double.
  EXPECT_FALSE(V("1.5s") == V("1.5"));
  EXPECT_TRUE(V("1.5S") == V("1.5s"));
  // Written back exactly as read.
  EXPECT_EQ(FormatDescription(root), text);

  // Surrogate halves joined, in decimal and hexadecimal codes, across '+'.
  const QString info = QString::fromUtf8("\xF0\x9F\x9B\x88");    // U+1F6C8
  const QString smiling = QString::fromUtf8("\xF0\x9F\x98\x88");  // U+1F608
  EXPECT_EQ(V("#55357#57032").text, info);
  EXPECT_EQ(V("'a'#$D83D#$DE08'b'").text, QStringLiteral("a") + smiling + QStringLiteral("b"));
  EXPECT_EQ(V("#55357 +\n  #57032").text, info);
  // Our writer prints the character as one code, which reads back the same.
  const TStoredValue joined = V("'x'#55357#57032");
  EXPECT_EQ(FormatDescriptionValue(joined), QStringLiteral("'x'#128712"));
  EXPECT_TRUE(V("'x'#128712") == joined);

  // Refused: lone halves, halves in the wrong order, bad indices, letters
  // that are no type suffix, and suffixes on hexadecimal numbers (digits).
  EXPECT_EQ(ErrorLine("object F: T\n  A = #55357\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = #55357'a'\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = #55357#55357#57032\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = #57032\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = #57032#55357\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = 'a'#55357 +\n 'b'\nend\n"), 3);
  EXPECT_EQ(ErrorLine("object F: T\n  object B: T [-1]\n  end\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  object B: T [x]\n  end\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  object B: T [1\n  end\nend\n"), 3);
  EXPECT_EQ(ErrorLine("object F: T\n  object B: T [99999999999]\n  end\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = 1.5x\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = 1.5ss\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object F: T\n  A = 1.5s.0\nend\n"), 2);
  EXPECT_EQ(V("$1d").kind, K::Integer);
  EXPECT_EQ(V("$1d").integer, 0x1d);
}

}  // namespace
