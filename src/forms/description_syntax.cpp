#include "forms/description_syntax.h"

#include "forms/description_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// Deep nesting in untrusted text must not exhaust the stack.
constexpr int kMaxDepth = 200;

enum class Tok { End, Ident, Integer, Float, String, Binary, Symbol };

struct Token {
  Tok type = Tok::End;
  QString text;       // Ident: the (dotted) name; String: the decoded text; Symbol: the character
  qint64 integer = 0;
  double real = 0.0;
  char floatSuffix = 0;  // Float: 's', 'c', 'd' or 0
  QByteArray binary;
  int line = 1;
};

bool IsIdentStart(QChar c) { return c.isLetter() || c == u'_'; }
bool IsIdentPart(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

class Lexer {
public:
  explicit Lexer(const QString& text) : s_(text) {}

  Token Next() {
    SkipBlanks();
    Token t;
    t.line = line_;
    if (pos_ >= s_.size()) return t;
    const QChar c = s_[pos_];
    if (IsIdentStart(c)) {
      t.type = Tok::Ident;
      t.text = ReadDottedIdent();
      return t;
    }
    if (c.isDigit() || c == u'$' || ((c == u'-' || c == u'+') && pos_ + 1 < s_.size() &&
                                     (s_[pos_ + 1].isDigit() || s_[pos_ + 1] == u'$'))) {
      ReadNumber(t);
      return t;
    }
    if (c == u'\'' || c == u'#') {
      t.type = Tok::String;
      t.text = ReadString();
      return t;
    }
    if (c == u'{') {
      t.type = Tok::Binary;
      t.binary = ReadBinary();
      return t;
    }
    if (QStringLiteral("=:()[]<>,+").contains(c)) {
      t.type = Tok::Symbol;
      t.text = c;
      ++pos_;
      return t;
    }
    Fail(QStringLiteral("unexpected character '%1'").arg(c.isPrint() ? QString(c) : QStringLiteral("#%1").arg(c.unicode())));
  }

  int Line() const { return line_; }

  [[noreturn]] void Fail(const QString& message) const { throw EDescriptionError(line_, QString(), message); }

private:
  void SkipBlanks() {
    while (pos_ < s_.size()) {
      const QChar c = s_[pos_];
      if (c == u'\n') {
        ++line_;
        ++pos_;
      } else if (c.isSpace() || c == QChar(0xFEFF)) {
        ++pos_;
      } else {
        break;
      }
    }
  }

  QString ReadDottedIdent() {
    const qsizetype start = pos_;
    for (;;) {
      while (pos_ < s_.size() && IsIdentPart(s_[pos_])) ++pos_;
      if (pos_ + 1 < s_.size() && s_[pos_] == u'.' && IsIdentStart(s_[pos_ + 1])) {
        ++pos_;
        continue;
      }
      break;
    }
    return s_.mid(start, pos_ - start);
  }

  void ReadNumber(Token& t) {
    bool negative = false;
    if (s_[pos_] == u'-' || s_[pos_] == u'+') {
      negative = s_[pos_] == u'-';
      ++pos_;
    }
    if (s_[pos_] == u'$') {
      ++pos_;
      const qsizetype start = pos_;
      while (pos_ < s_.size() && IsHex(s_[pos_])) ++pos_;
      if (pos_ == start) Fail(QStringLiteral("hexadecimal number without digits"));
      if (pos_ < s_.size() && IsIdentPart(s_[pos_])) Fail(QStringLiteral("bad hexadecimal number"));
      bool ok = false;
      const quint64 v = s_.mid(start, pos_ - start).toULongLong(&ok, 16);
      // Up to 16 digits are a 64-bit pattern ($FFFFFFFFFFFFFFFF is -1).
      if (!ok) Fail(QStringLiteral("hexadecimal number out of range"));
      t.type = Tok::Integer;
      t.integer = negative ? -static_cast<qint64>(v) : static_cast<qint64>(v);
      return;
    }
    const qsizetype start = pos_;
    bool isFloat = false;
    while (pos_ < s_.size() && s_[pos_].isDigit()) ++pos_;
    if (pos_ == start) Fail(QStringLiteral("number without digits"));
    if (pos_ + 1 < s_.size() && s_[pos_] == u'.' && s_[pos_ + 1].isDigit()) {
      isFloat = true;
      ++pos_;
      while (pos_ < s_.size() && s_[pos_].isDigit()) ++pos_;
    }
    if (pos_ < s_.size() && (s_[pos_] == u'e' || s_[pos_] == u'E')) {
      qsizetype p = pos_ + 1;
      if (p < s_.size() && (s_[p] == u'+' || s_[p] == u'-')) ++p;
      if (p < s_.size() && s_[p].isDigit()) {
        isFloat = true;
        pos_ = p;
        while (pos_ < s_.size() && s_[pos_].isDigit()) ++pos_;
      }
    }
    const qsizetype end = pos_;
    // Other designers mark single, currency and date values with a letter
    // (1.5s, 12.34c, 32874d); such a number is a float even without a point.
    char suffix = 0;
    if (pos_ < s_.size() && QStringLiteral("sScCdD").contains(s_[pos_]) &&
        (pos_ + 1 >= s_.size() || !(IsIdentPart(s_[pos_ + 1]) || s_[pos_ + 1] == u'.'))) {
      suffix = static_cast<char>(s_[pos_].toLower().unicode());
      isFloat = true;
      ++pos_;
    }
    if (pos_ < s_.size() && (IsIdentPart(s_[pos_]) || s_[pos_] == u'.'))
      Fail(QStringLiteral("bad number '%1'").arg(s_.mid(start, pos_ - start + 1)));
    const QByteArray digits = s_.mid(start, end - start).toLatin1();
    if (isFloat) {
      double v = 0.0;
      const auto r = std::from_chars(digits.constData(), digits.constData() + digits.size(), v);
      if (r.ec != std::errc() || !std::isfinite(v)) Fail(QStringLiteral("floating-point number out of range"));
      t.type = Tok::Float;
      t.real = negative ? -v : v;
      t.floatSuffix = suffix;
    } else {
      quint64 v = 0;
      const auto r = std::from_chars(digits.constData(), digits.constData() + digits.size(), v);
      const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                     : quint64(std::numeric_limits<qint64>::max());
      if (r.ec != std::errc() || v > limit) Fail(QStringLiteral("integer out of range"));
      t.type = Tok::Integer;
      t.integer = negative ? static_cast<qint64>(0 - v) : static_cast<qint64>(v);
    }
  }

  static bool IsHex(QChar c) {
    return c.isDigit() || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
  }

  // Quoted parts and #nn character codes written next to each other form
  // one string; parts joined with '+' (possibly across lines) too.
  QString ReadString() {
    QString out;
    char16_t high = 0;  // a high surrogate code waiting for its low half
    for (;;) {
      ReadStringRun(out, high);
      // A '+' followed by another string part continues the string.
      const qsizetype savePos = pos_;
      const int saveLine = line_;
      SkipBlanks();
      if (pos_ < s_.size() && s_[pos_] == u'+') {
        ++pos_;
        SkipBlanks();
        if (pos_ < s_.size() && (s_[pos_] == u'\'' || s_[pos_] == u'#')) continue;
        Fail(QStringLiteral("'+' must be followed by a string"));
      }
      pos_ = savePos;
      line_ = saveLine;
      if (high) Fail(QStringLiteral("lone surrogate character code"));
      return out;
    }
  }

  // Characters above U+FFFF come from some writers as two UTF-16 codes
  // (#55357#57032); a high half must be followed at once by a low half.
  void ReadStringRun(QString& out, char16_t& high) {
    bool any = false;
    while (pos_ < s_.size()) {
      const QChar c = s_[pos_];
      if (c == u'\'') {
        if (high) Fail(QStringLiteral("lone surrogate character code"));
        ++pos_;
        for (;;) {
          if (pos_ >= s_.size() || s_[pos_] == u'\n' || s_[pos_] == u'\r')
            Fail(QStringLiteral("unterminated string"));
          if (s_[pos_] == u'\'') {
            if (pos_ + 1 < s_.size() && s_[pos_ + 1] == u'\'') {
              out += u'\'';
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          out += s_[pos_++];
        }
        any = true;
      } else if (c == u'#') {
        ++pos_;
        bool hex = false;
        if (pos_ < s_.size() && s_[pos_] == u'$') {
          hex = true;
          ++pos_;
        }
        const qsizetype start = pos_;
        while (pos_ < s_.size() && (hex ? IsHex(s_[pos_]) : s_[pos_].isDigit()) && pos_ - start < 9) ++pos_;
        if (pos_ == start) Fail(QStringLiteral("character code without digits"));
        bool ok = false;
        const uint code = s_.mid(start, pos_ - start).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code > 0x10FFFF) Fail(QStringLiteral("bad character code"));
        const bool isHigh = code >= 0xD800 && code <= 0xDBFF;
        const bool isLow = code >= 0xDC00 && code <= 0xDFFF;
        if (high && !isLow) Fail(QStringLiteral("lone surrogate character code"));
        if (isHigh) {
          high = static_cast<char16_t>(code);
        } else if (isLow) {
          if (!high) Fail(QStringLiteral("lone surrogate character code"));
          out += QChar(high);
          out += QChar(static_cast<char16_t>(code));
          high = 0;
        } else {
          const char32_t c32 = code;
          out += QString::fromUcs4(&c32, 1);
        }
        any = true;
      } else {
        break;
      }
    }
    if (!any) Fail(QStringLiteral("string expected"));
  }

  QByteArray ReadBinary() {
    ++pos_;  // '{'
    QByteArray out;
    int high = -1;
    for (;;) {
      if (pos_ >= s_.size()) Fail(QStringLiteral("unterminated binary data"));
      const QChar c = s_[pos_++];
      if (c == u'}') break;
      if (c == u'\n') {
        ++line_;
        continue;
      }
      if (c.isSpace()) continue;
      if (!IsHex(c)) Fail(QStringLiteral("bad character in binary data"));
      const int v = c.isDigit() ? c.unicode() - '0' : (c.toUpper().unicode() - 'A' + 10);
      if (high < 0) {
        high = v;
      } else {
        out.append(static_cast<char>(high * 16 + v));
        high = -1;
      }
    }
    if (high >= 0) Fail(QStringLiteral("odd number of hexadecimal digits in binary data"));
    return out;
  }

  QString s_;
  qsizetype pos_ = 0;
  int line_ = 1;
};

class Parser {
public:
  explicit Parser(const QString& text) : lex_(text) { Advance(); }

  TDescriptionObject ParseRoot() {
    if (!IsKeyword(QStringLiteral("object")) && !IsKeyword(QStringLiteral("inherited")) &&
        !IsKeyword(QStringLiteral("inline")))
      Fail(QStringLiteral("description must begin with 'object'"));
    TDescriptionObject root = ParseObject(0);
    if (tok_.type != Tok::End) Fail(QStringLiteral("text after the final 'end'"));
    return root;
  }

  TStoredValue ParseSingleValue() {
    TStoredValue v = ParseValue(0);
    if (tok_.type != Tok::End) Fail(QStringLiteral("text after the value"));
    return v;
  }

private:
  void Advance() { tok_ = lex_.Next(); }

  [[noreturn]] void Fail(const QString& message, const QString& item = QString()) const {
    throw EDescriptionError(tok_.line, item, message);
  }

  bool IsSymbol(char c) const { return tok_.type == Tok::Symbol && tok_.text == QChar::fromLatin1(c); }
  bool IsKeyword(const QString& word) const {
    return tok_.type == Tok::Ident && tok_.text.compare(word, Qt::CaseInsensitive) == 0;
  }
  void Expect(char c, const QString& context) {
    if (!IsSymbol(c)) Fail(QStringLiteral("'%1' expected %2, found %3").arg(QChar::fromLatin1(c)).arg(context, Describe()));
    Advance();
  }
  QString Describe() const {
    switch (tok_.type) {
      case Tok::End: return QStringLiteral("end of text");
      case Tok::Ident: return QStringLiteral("'%1'").arg(tok_.text);
      case Tok::Integer: return QStringLiteral("number %1").arg(tok_.integer);
      case Tok::Float: return QStringLiteral("number");
      case Tok::String: return QStringLiteral("a string");
      case Tok::Binary: return QStringLiteral("binary data");
      case Tok::Symbol: return QStringLiteral("'%1'").arg(tok_.text);
    }
    return QString();
  }
  static bool IsSimpleName(const QString& s) { return !s.contains(u'.'); }

  TDescriptionObject ParseObject(int depth) {
    if (depth > kMaxDepth) Fail(QStringLiteral("objects nested too deeply"));
    TDescriptionObject obj;
    obj.line = tok_.line;
    obj.kind = IsKeyword(QStringLiteral("inherited")) ? TDescriptionObject::Kind::Inherited
               : IsKeyword(QStringLiteral("inline")) ? TDescriptionObject::Kind::Inline
                                                     : TDescriptionObject::Kind::Object;
    Advance();
    if (tok_.type != Tok::Ident || !IsSimpleName(tok_.text)) Fail(QStringLiteral("object name expected, found %1").arg(Describe()));
    QString first = tok_.text;
    Advance();
    if (IsSymbol(':')) {
      Advance();
      if (tok_.type != Tok::Ident || !IsSimpleName(tok_.text)) Fail(QStringLiteral("class name expected after ':'"), first);
      obj.name = first;
      obj.className = tok_.text;
      Advance();
    } else {
      obj.className = first;  // an object without a name
    }
    if (IsSymbol('[')) {
      Advance();
      if (tok_.type != Tok::Integer || tok_.integer < 0 || tok_.integer > std::numeric_limits<int>::max())
        Fail(QStringLiteral("child order index expected after '[', found %1").arg(Describe()), obj.name);
      obj.childOrder = static_cast<int>(tok_.integer);
      Advance();
      Expect(']', QStringLiteral("after the child order index"));
    }
    for (;;) {
      if (tok_.type == Tok::End) Fail(QStringLiteral("'end' of object %1 missing").arg(obj.name.isEmpty() ? obj.className : obj.name));
      if (IsKeyword(QStringLiteral("end"))) {
        Advance();
        return obj;
      }
      if (IsKeyword(QStringLiteral("object")) || IsKeyword(QStringLiteral("inherited")) ||
          IsKeyword(QStringLiteral("inline"))) {
        obj.children.append(ParseObject(depth + 1));
        continue;
      }
      obj.properties.append(ParseProperty(depth));
    }
  }

  TDescriptionProperty ParseProperty(int depth) {
    if (tok_.type != Tok::Ident) Fail(QStringLiteral("property name expected, found %1").arg(Describe()));
    TDescriptionProperty p;
    p.path = tok_.text;
    p.line = tok_.line;
    Advance();
    if (!IsSymbol('=')) Fail(QStringLiteral("'=' expected after the property name"), p.path);
    try {
      Advance();
      p.value = ParseValue(depth + 1);
    } catch (const EDescriptionError& e) {
      if (!e.Item().isEmpty()) throw;
      throw EDescriptionError(e.Line(), p.path, e.Reason());
    }
    return p;
  }

  TStoredValue ParseValue(int depth) {
    if (depth > kMaxDepth) Fail(QStringLiteral("values nested too deeply"));
    TStoredValue v;
    v.line = tok_.line;
    switch (tok_.type) {
      case Tok::End: Fail(QStringLiteral("value expected, found end of text"));
      case Tok::Integer:
        v.kind = TStoredValue::Kind::Integer;
        v.integer = tok_.integer;
        Advance();
        return v;
      case Tok::Float:
        v.kind = TStoredValue::Kind::Float;
        v.real = tok_.real;
        v.floatSuffix = tok_.floatSuffix;
        Advance();
        return v;
      case Tok::String:
        v.kind = TStoredValue::Kind::String;
        v.text = tok_.text;
        Advance();
        return v;
      case Tok::Binary:
        v.kind = TStoredValue::Kind::Binary;
        v.binary = tok_.binary;
        Advance();
        return v;
      case Tok::Ident:
        if (IsKeyword(QStringLiteral("end")) || IsKeyword(QStringLiteral("object")))
          Fail(QStringLiteral("value expected, found %1").arg(Describe()));
        v.kind = TStoredValue::Kind::Identifier;
        v.text = tok_.text;
        Advance();
        return v;
      case Tok::Symbol: break;
    }
    if (IsSymbol('[')) {
      Advance();
      v.kind = TStoredValue::Kind::Set;
      if (IsSymbol(']')) {
        Advance();
        return v;
      }
      for (;;) {
        if (tok_.type == Tok::Ident && IsSimpleName(tok_.text)) v.set.append(tok_.text);
        else if (tok_.type == Tok::Integer) v.set.append(QString::number(tok_.integer));
        else Fail(QStringLiteral("set element expected, found %1").arg(Describe()));
        Advance();
        if (IsSymbol(']')) {
          Advance();
          return v;
        }
        Expect(',', QStringLiteral("between set elements"));
      }
    }
    if (IsSymbol('(')) {
      Advance();
      v.kind = TStoredValue::Kind::List;
      while (!IsSymbol(')')) {
        if (tok_.type == Tok::End) Fail(QStringLiteral("')' missing at the end of a list"));
        v.items.append(ParseValue(depth + 1));
      }
      Advance();
      return v;
    }
    if (IsSymbol('<')) {
      Advance();
      v.kind = TStoredValue::Kind::Collection;
      while (!IsSymbol('>')) {
        if (!IsKeyword(QStringLiteral("item"))) Fail(QStringLiteral("'item' or '>' expected in a collection, found %1").arg(Describe()));
        Advance();
        QList<QPair<QString, TStoredValue>> item;
        while (!IsKeyword(QStringLiteral("end"))) {
          if (tok_.type == Tok::End) Fail(QStringLiteral("'end' of collection item missing"));
          TDescriptionProperty p = ParseProperty(depth + 1);
          p.value.line = p.line;
          item.append({p.path, p.value});
        }
        Advance();
        v.collection.append(item);
      }
      Advance();
      return v;
    }
    Fail(QStringLiteral("value expected, found %1").arg(Describe()));
  }

  Lexer lex_;
  Token tok_;
};

void AppendIndent(QString& out, int indent) { out += QString(indent, u' '); }

QString FormatString(const QString& s) {
  if (s.isEmpty()) return QStringLiteral("''");
  QString out;
  bool inQuotes = false;
  const QList<uint> codes = s.toUcs4();
  for (uint code : codes) {
    const bool plain = code >= 32 && code < 127;
    if (plain) {
      if (!inQuotes) {
        out += u'\'';
        inQuotes = true;
      }
      if (code == '\'') out += QStringLiteral("''");
      else out += QChar(static_cast<char16_t>(code));
    } else {
      if (inQuotes) {
        out += u'\'';
        inQuotes = false;
      }
      out += u'#';
      out += QString::number(code);
    }
  }
  if (inQuotes) out += u'\'';
  return out;
}

bool IsScalar(const TStoredValue& v) {
  using K = TStoredValue::Kind;
  return v.kind != K::Collection && v.kind != K::Binary;
}

// The whole list on one line when it is short and holds no multi-line parts.
bool InlineForm(const TStoredValue& v, QString& out) {
  using K = TStoredValue::Kind;
  if (v.kind == K::List) {
    // Lists of strings (string lists, lines of text) go one item per line.
    const bool allStrings = !v.items.isEmpty() &&
                            std::all_of(v.items.begin(), v.items.end(), [](const TStoredValue& i) { return i.kind == K::String; });
    if (allStrings) return false;
    QString s = QStringLiteral("(");
    for (int i = 0; i < v.items.size(); ++i) {
      QString part;
      if (!InlineForm(v.items[i], part)) return false;
      if (i) s += u' ';
      s += part;
    }
    s += u')';
    out = s;
    return s.size() <= 200;
  }
  if (!IsScalar(v)) return false;
  out = FormatDescriptionValue(v, 0);
  return true;
}

void FormatProperty(QString& out, const QString& path, const TStoredValue& v, int indent) {
  AppendIndent(out, indent);
  out += path;
  out += QStringLiteral(" = ");
  out += FormatDescriptionValue(v, indent);
  out += u'\n';
}

void FormatObject(QString& out, const TDescriptionObject& obj, int indent) {
  AppendIndent(out, indent);
  switch (obj.kind) {
    case TDescriptionObject::Kind::Object: out += QStringLiteral("object "); break;
    case TDescriptionObject::Kind::Inherited: out += QStringLiteral("inherited "); break;
    case TDescriptionObject::Kind::Inline: out += QStringLiteral("inline "); break;
  }
  if (!obj.name.isEmpty()) out += obj.name + QStringLiteral(": ");
  out += obj.className;
  if (obj.childOrder >= 0) out += QStringLiteral(" [%1]").arg(obj.childOrder);
  out += u'\n';
  for (const TDescriptionProperty& p : obj.properties) FormatProperty(out, p.path, p.value, indent + 2);
  for (const TDescriptionObject& child : obj.children) FormatObject(out, child, indent + 2);
  AppendIndent(out, indent);
  out += QStringLiteral("end\n");
}

}  // namespace

TDescriptionObject ParseDescription(const QString& text) { return Parser(text).ParseRoot(); }

TStoredValue ParseDescriptionValue(const QString& text) { return Parser(text).ParseSingleValue(); }

QString FormatDescriptionFloat(double value) {
  if (!std::isfinite(value)) {
    // Not representable as a number; read back through the identifiers.
    return std::isnan(value) ? QStringLiteral("NaN") : value > 0 ? QStringLiteral("Inf") : QStringLiteral("NegInf");
  }
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
  QString s = QString::fromLatin1(buffer, r.ptr - buffer);
  if (!s.contains(u'.') && !s.contains(u'e')) s += QStringLiteral(".0");
  return s;
}

namespace {

// A float with its type letter is already marked as a float: it keeps the
// other tools' form (32874d, not 32874.0d).
QString FormatSuffixedFloat(const TStoredValue& v) {
  QString text = FormatDescriptionFloat(v.real);
  if (!v.floatSuffix || !std::isfinite(v.real)) return text;
  if (text.endsWith(QStringLiteral(".0"))) text.chop(2);
  return text + QChar::fromLatin1(v.floatSuffix);
}

}  // namespace

QString FormatDescriptionValue(const TStoredValue& v, int indent) {
  using K = TStoredValue::Kind;
  switch (v.kind) {
    case K::Integer: return QString::number(v.integer);
    case K::Float: return FormatSuffixedFloat(v);
    case K::String: return FormatString(v.text);
    case K::Identifier: return v.text;
    case K::Set: return QStringLiteral("[") + v.set.join(QStringLiteral(", ")) + QStringLiteral("]");
    case K::Binary: {
      if (v.binary.isEmpty()) return QStringLiteral("{}");
      QString out = QStringLiteral("{");
      const QByteArray hex = v.binary.toHex().toUpper();
      for (qsizetype i = 0; i < hex.size(); i += 64) {
        out += u'\n';
        AppendIndent(out, indent + 2);
        out += QString::fromLatin1(hex.mid(i, 64));
      }
      out += u'}';
      return out;
    }
    case K::List: {
      QString inl;
      if (InlineForm(v, inl)) return inl;
      QString out = QStringLiteral("(");
      for (const TStoredValue& item : v.items) {
        out += u'\n';
        AppendIndent(out, indent + 2);
        out += FormatDescriptionValue(item, indent + 2);
      }
      out += u')';
      return out;
    }
    case K::Collection: {
      if (v.collection.isEmpty()) return QStringLiteral("<>");
      QString out = QStringLiteral("<");
      for (const auto& item : v.collection) {
        out += u'\n';
        AppendIndent(out, indent + 2);
        out += QStringLiteral("item\n");
        for (const auto& p : item) FormatProperty(out, p.first, p.second, indent + 4);
        AppendIndent(out, indent + 2);
        out += QStringLiteral("end");
      }
      out += u'>';
      return out;
    }
  }
  return QString();
}

QString FormatDescription(const TDescriptionObject& root) {
  QString out;
  FormatObject(out, root, 0);
  return out;
}
