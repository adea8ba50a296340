#include "forms/description_values.h"

#include <QMetaEnum>
#include <QStringList>
#include <cmath>
#include <limits>

namespace {

struct NamedColor {
  const char* name;
  qint64 number;
};

// Plain colours first: a colour is written by the first name that matches.
constexpr NamedColor kColors[] = {
    {"clBlack", 0x000000},      {"clMaroon", 0x000080},     {"clGreen", 0x008000},     {"clOlive", 0x008080},
    {"clNavy", 0x800000},       {"clPurple", 0x800080},     {"clTeal", 0x808000},      {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},     {"clRed", 0x0000FF},        {"clLime", 0x00FF00},      {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},       {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},      {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},    {"clCream", 0xF0FBFF},     {"clMedGray", 0xA4A0A0},
    {"clLtGray", 0xC0C0C0},     {"clDkGray", 0x808080},     {"clNone", 0x1FFFFFFF},    {"clDefault", 0x20000000},
};

constexpr qint64 kSystemBase = -16777216;  // $FF000000 as a signed 32-bit colour

struct SystemColor {
  const char* name;
  QRgb rgb;  // the classic desktop scheme
};

constexpr SystemColor kSystemColors[] = {
    {"clScrollBar", 0xC8C8C8},      {"clBackground", 0x000000},    {"clActiveCaption", 0x99B4D1},
    {"clInactiveCaption", 0xBFCDDB}, {"clMenu", 0xF0F0F0},          {"clWindow", 0xFFFFFF},
    {"clWindowFrame", 0x646464},    {"clMenuText", 0x000000},      {"clWindowText", 0x000000},
    {"clCaptionText", 0x000000},    {"clActiveBorder", 0xB4B4B4},  {"clInactiveBorder", 0xF4F7FC},
    {"clAppWorkSpace", 0xABABAB},   {"clHighlight", 0x3399FF},     {"clHighlightText", 0xFFFFFF},
    {"clBtnFace", 0xF0F0F0},        {"clBtnShadow", 0xA0A0A0},     {"clGrayText", 0x6D6D6D},
    {"clBtnText", 0x000000},        {"clInactiveCaptionText", 0x434E54}, {"clBtnHighlight", 0xFFFFFF},
    {"cl3DDkShadow", 0x696969},     {"cl3DLight", 0xE3E3E3},       {"clInfoText", 0x000000},
    {"clInfoBk", 0xFFFFE1},
};
constexpr int kSystemColorCount = int(sizeof kSystemColors / sizeof kSystemColors[0]);

bool IsIntegerType(int id) {
  switch (id) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Long: case QMetaType::ULong:
    case QMetaType::Char: case QMetaType::SChar: case QMetaType::UChar:
      return true;
    default:
      return false;
  }
}

bool IntegerRange(int id, qint64& lo, qint64& hi) {
  switch (id) {
    case QMetaType::Int: lo = std::numeric_limits<int>::min(); hi = std::numeric_limits<int>::max(); return true;
    case QMetaType::UInt: lo = 0; hi = std::numeric_limits<uint>::max(); return true;
    case QMetaType::Short: lo = std::numeric_limits<short>::min(); hi = std::numeric_limits<short>::max(); return true;
    case QMetaType::UShort: lo = 0; hi = std::numeric_limits<ushort>::max(); return true;
    case QMetaType::Char: case QMetaType::SChar: lo = -128; hi = 127; return true;
    case QMetaType::UChar: lo = 0; hi = 255; return true;
    case QMetaType::Long: lo = std::numeric_limits<long>::min(); hi = std::numeric_limits<long>::max(); return true;
    case QMetaType::ULong: case QMetaType::ULongLong: lo = 0; hi = std::numeric_limits<qint64>::max(); return true;
    case QMetaType::LongLong: lo = std::numeric_limits<qint64>::min(); hi = std::numeric_limits<qint64>::max(); return true;
    default: return false;
  }
}

QString KindName(TStoredValue::Kind k) {
  switch (k) {
    case TStoredValue::Kind::Integer: return QStringLiteral("an integer");
    case TStoredValue::Kind::Float: return QStringLiteral("a floating-point number");
    case TStoredValue::Kind::String: return QStringLiteral("a string");
    case TStoredValue::Kind::Identifier: return QStringLiteral("an identifier");
    case TStoredValue::Kind::Set: return QStringLiteral("a set");
    case TStoredValue::Kind::List: return QStringLiteral("a list");
    case TStoredValue::Kind::Collection: return QStringLiteral("a collection");
    case TStoredValue::Kind::Binary: return QStringLiteral("binary data");
  }
  return QString();
}

QVariant WrongType(const QMetaProperty& p, const TStoredValue& v, QString& error) {
  error = QStringLiteral("wrong value type: %1 for a property of type %2")
              .arg(KindName(v.kind), QString::fromLatin1(p.metaType().name() ? p.metaType().name() : "?"));
  return QVariant();
}

QVariant PlainVariant(const TStoredValue& v) {
  using K = TStoredValue::Kind;
  switch (v.kind) {
    case K::Integer: return QVariant(v.integer);
    case K::Float: return QVariant(v.real);
    case K::String: return QVariant(v.text);
    case K::Identifier:
      if (v.IsIdent(QStringLiteral("True"))) return QVariant(true);
      if (v.IsIdent(QStringLiteral("False"))) return QVariant(false);
      return QVariant(v.text);
    case K::Set: return QVariant(v.set);
    case K::Binary: return QVariant(v.binary);
    case K::List: {
      QVariantList list;
      for (const TStoredValue& item : v.items) list.append(PlainVariant(item));
      return list;
    }
    case K::Collection: return QVariant();
  }
  return QVariant();
}

}  // namespace

bool ColorNumberFromName(const QString& name, qint64& number) {
  for (const NamedColor& c : kColors) {
    if (name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) {
      number = c.number;
      return true;
    }
  }
  for (int i = 0; i < kSystemColorCount; ++i) {
    if (name.compare(QLatin1String(kSystemColors[i].name), Qt::CaseInsensitive) == 0) {
      number = kSystemBase + i;
      return true;
    }
  }
  return false;
}

QString ColorNameFromNumber(qint64 number) {
  for (const NamedColor& c : kColors)
    if (c.number == number) return QString::fromLatin1(c.name);
  if (number >= kSystemBase && number < kSystemBase + kSystemColorCount)
    return QString::fromLatin1(kSystemColors[number - kSystemBase].name);
  return QString();
}

QColor ColorFromNumber(qint64 number) {
  if (number == 0x1FFFFFFF || number == 0x20000000) return QColor();
  if (number < 0) {
    const qint64 index = number - kSystemBase;
    if (index >= 0 && index < kSystemColorCount) return QColor::fromRgb(kSystemColors[index].rgb);
    return QColor();
  }
  return QColor(int(number & 0xFF), int((number >> 8) & 0xFF), int((number >> 16) & 0xFF));
}

qint64 ColorToNumber(const QColor& color) {
  if (!color.isValid()) return 0x1FFFFFFF;
  const QRgb rgb = color.rgb();
  return qint64(qRed(rgb)) | (qint64(qGreen(rgb)) << 8) | (qint64(qBlue(rgb)) << 16);
}

QVariant ConvertForProperty(const QMetaProperty& p, const TStoredValue& v, QString& error) {
  using K = TStoredValue::Kind;
  const int id = p.metaType().id();
  if (p.isEnumType()) {
    const QMetaEnum e = p.enumerator();
    if (p.isFlagType()) {
      if (v.kind != K::Set) return WrongType(p, v, error);
      int bits = 0;
      for (const QString& name : v.set) {
        bool ok = false;
        const int value = e.keyToValue(name.toLatin1().constData(), &ok);
        if (!ok) {
          error = QStringLiteral("unknown set element %1 of %2").arg(name, QString::fromLatin1(e.name()));
          return QVariant();
        }
        bits |= value;
      }
      QVariant out(bits);
      if (!out.convert(p.metaType())) out = QVariant(bits);
      return out;
    }
    if (v.kind != K::Identifier) return WrongType(p, v, error);
    bool ok = false;
    const int value = e.keyToValue(v.text.toLatin1().constData(), &ok);
    if (!ok) {
      error = QStringLiteral("unknown enumeration value %1 of %2").arg(v.text, QString::fromLatin1(e.name()));
      return QVariant();
    }
    QVariant out(value);
    if (!out.convert(p.metaType())) out = QVariant(value);
    return out;
  }
  if (id == QMetaType::Bool) {
    if (v.IsIdent(QStringLiteral("True"))) return QVariant(true);
    if (v.IsIdent(QStringLiteral("False"))) return QVariant(false);
    if (v.kind == K::Identifier) {
      error = QStringLiteral("True or False expected, found %1").arg(v.text);
      return QVariant();
    }
    return WrongType(p, v, error);
  }
  if (IsIntegerType(id)) {
    qint64 number = 0;
    if (v.kind == K::Integer) number = v.integer;
    else if (v.kind == K::Identifier && ColorNumberFromName(v.text, number)) {
    } else if (v.kind == K::Identifier) {
      error = QStringLiteral("unknown identifier %1 for an integer property").arg(v.text);
      return QVariant();
    } else {
      return WrongType(p, v, error);
    }
    qint64 lo = 0, hi = 0;
    IntegerRange(id, lo, hi);
    // Unsigned 32-bit values written as negative numbers are bit patterns.
    if (id == QMetaType::UInt && number < 0 && number >= std::numeric_limits<int>::min()) number = quint32(number);
    if (number < lo || number > hi) {
      error = QStringLiteral("value %1 out of range").arg(number);
      return QVariant();
    }
    QVariant out(number);
    out.convert(p.metaType());
    return out;
  }
  if (id == QMetaType::Double || id == QMetaType::Float) {
    double d = 0.0;
    if (v.kind == K::Float) d = v.real;
    else if (v.kind == K::Integer) d = double(v.integer);
    else if (v.IsIdent(QStringLiteral("NaN"))) d = std::numeric_limits<double>::quiet_NaN();
    else if (v.IsIdent(QStringLiteral("Inf"))) d = std::numeric_limits<double>::infinity();
    else if (v.IsIdent(QStringLiteral("NegInf"))) d = -std::numeric_limits<double>::infinity();
    else return WrongType(p, v, error);
    if (id == QMetaType::Float) return QVariant(float(d));
    return QVariant(d);
  }
  if (id == QMetaType::QString) {
    if (v.kind != K::String) return WrongType(p, v, error);
    return QVariant(v.text);
  }
  if (id == QMetaType::QStringList) {
    if (v.kind != K::List) return WrongType(p, v, error);
    QStringList list;
    for (const TStoredValue& item : v.items) {
      if (item.kind != K::String) {
        error = QStringLiteral("list of strings expected");
        return QVariant();
      }
      list.append(item.text);
    }
    return QVariant(list);
  }
  if (id == QMetaType::QColor) {
    qint64 number = 0;
    if (v.kind == K::Integer) number = v.integer;
    else if (v.kind == K::Identifier) {
      if (!ColorNumberFromName(v.text, number)) {
        error = QStringLiteral("unknown colour %1").arg(v.text);
        return QVariant();
      }
    } else {
      return WrongType(p, v, error);
    }
    return QVariant(ColorFromNumber(number));
  }
  if (id == QMetaType::QByteArray) {
    if (v.kind != K::Binary) return WrongType(p, v, error);
    return QVariant(v.binary);
  }
  if (id == QMetaType::QVariant) {
    QVariant out = PlainVariant(v);
    if (!out.isValid()) return WrongType(p, v, error);
    return out;
  }
  error = QStringLiteral("properties of type %1 cannot be read from a description")
              .arg(QString::fromLatin1(p.metaType().name() ? p.metaType().name() : "?"));
  return QVariant();
}

bool StoredFromProperty(const QMetaProperty& p, const QVariant& v, TStoredValue& out) {
  const int id = p.metaType().id();
  if (p.isEnumType()) {
    const QMetaEnum e = p.enumerator();
    bool ok = false;
    const int value = v.toInt(&ok);
    if (!ok) return false;
    if (p.isFlagType()) {
      QStringList names;
      for (int i = 0; i < e.keyCount(); ++i) {
        const int bit = e.value(i);
        if (bit != 0 && (bit & (bit - 1)) == 0 && (value & bit) == bit) names.append(QString::fromLatin1(e.key(i)));
      }
      out = TStoredValue::SetOf(names);
      return true;
    }
    const char* key = e.valueToKey(value);
    if (!key) return false;
    out = TStoredValue::Ident(QString::fromLatin1(key));
    return true;
  }
  if (id == QMetaType::Bool) {
    out = TStoredValue::Ident(v.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
    return true;
  }
  if (IsIntegerType(id)) {
    out = TStoredValue::Int(v.toLongLong());
    return true;
  }
  if (id == QMetaType::Double || id == QMetaType::Float) {
    out = TStoredValue::Real(v.toDouble());
    return true;
  }
  if (id == QMetaType::QString) {
    out = TStoredValue::Str(v.toString());
    return true;
  }
  if (id == QMetaType::QStringList) {
    QList<TStoredValue> items;
    for (const QString& s : v.toStringList()) items.append(TStoredValue::Str(s));
    out = TStoredValue::ListOf(items);
    return true;
  }
  if (id == QMetaType::QColor) {
    const qint64 number = ColorToNumber(v.value<QColor>());
    const QString name = ColorNameFromNumber(number);
    out = name.isEmpty() ? TStoredValue::Int(number) : TStoredValue::Ident(name);
    return true;
  }
  if (id == QMetaType::QByteArray) {
    out = TStoredValue::Bytes(v.toByteArray());
    return true;
  }
  if (id == QMetaType::QVariant) {
    switch (v.metaType().id()) {
      case QMetaType::Bool: out = TStoredValue::Ident(v.toBool() ? QStringLiteral("True") : QStringLiteral("False")); return true;
      case QMetaType::Double: case QMetaType::Float: out = TStoredValue::Real(v.toDouble()); return true;
      case QMetaType::QString: out = TStoredValue::Str(v.toString()); return true;
      case QMetaType::QByteArray: out = TStoredValue::Bytes(v.toByteArray()); return true;
      default:
        if (IsIntegerType(v.metaType().id())) {
          out = TStoredValue::Int(v.toLongLong());
          return true;
        }
        return false;
    }
  }
  return false;
}

bool ApplyFontSubProperty(QFont& font, const QString& sub, const TStoredValue& v, QString& error) {
  using K = TStoredValue::Kind;
  if (sub == QLatin1String("Name")) {
    if (v.kind != K::String) { error = QStringLiteral("wrong value type: string expected"); return false; }
    font.setFamily(v.text);
    return true;
  }
  if (sub == QLatin1String("Height")) {
    if (v.kind != K::Integer) { error = QStringLiteral("wrong value type: integer expected"); return false; }
    // Negative heights are character heights in pixels, positive ones cell
    // heights; both become the pixel size here.
    const qint64 px = v.integer < 0 ? -v.integer : v.integer;
    if (px < 1 || px > 10000) { error = QStringLiteral("font height %1 out of range").arg(v.integer); return false; }
    font.setPixelSize(int(px));
    return true;
  }
  if (sub == QLatin1String("Size")) {
    if (v.kind != K::Integer) { error = QStringLiteral("wrong value type: integer expected"); return false; }
    if (v.integer < 1 || v.integer > 10000) { error = QStringLiteral("font size %1 out of range").arg(v.integer); return false; }
    font.setPointSize(int(v.integer));
    return true;
  }
  if (sub == QLatin1String("Style")) {
    if (v.kind != K::Set) { error = QStringLiteral("wrong value type: set expected"); return false; }
    bool bold = false, italic = false, underline = false, strike = false;
    for (const QString& s : v.set) {
      if (s == QLatin1String("fsBold")) bold = true;
      else if (s == QLatin1String("fsItalic")) italic = true;
      else if (s == QLatin1String("fsUnderline")) underline = true;
      else if (s == QLatin1String("fsStrikeOut")) strike = true;
      else { error = QStringLiteral("unknown font style %1").arg(s); return false; }
    }
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strike);
    return true;
  }
  if (sub == QLatin1String("Charset") || sub == QLatin1String("Pitch")) return true;
  error = QStringLiteral("unknown font property %1").arg(sub);
  return false;
}

QList<QPair<QString, TStoredValue>> FontDifferences(const QFont& font, const QFont& reference) {
  QList<QPair<QString, TStoredValue>> out;
  if (font.family() != reference.family()) out.append({QStringLiteral("Name"), TStoredValue::Str(font.family())});
  if (font.pixelSize() > 0) {
    if (font.pixelSize() != reference.pixelSize()) out.append({QStringLiteral("Height"), TStoredValue::Int(-font.pixelSize())});
  } else if (font.pointSize() > 0 && (font.pointSize() != reference.pointSize() || reference.pixelSize() > 0)) {
    out.append({QStringLiteral("Size"), TStoredValue::Int(font.pointSize())});
  }
  if (font.bold() != reference.bold() || font.italic() != reference.italic() ||
      font.underline() != reference.underline() || font.strikeOut() != reference.strikeOut()) {
    QStringList style;
    if (font.bold()) style << QStringLiteral("fsBold");
    if (font.italic()) style << QStringLiteral("fsItalic");
    if (font.underline()) style << QStringLiteral("fsUnderline");
    if (font.strikeOut()) style << QStringLiteral("fsStrikeOut");
    out.append({QStringLiteral("Style"), TStoredValue::SetOf(style)});
  }
  return out;
}
