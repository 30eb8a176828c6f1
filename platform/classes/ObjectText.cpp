#include "platform/classes/ObjectText.h"

#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"

#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// Strings longer than this are cut into lines joined with " +".
constexpr int LineLength = 64;
constexpr int MaxNesting = 256;

template <class F> String shortest(F v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, int(r.ptr - buf));
}

String markFloat(String s) {
    // A float must not read back as an integer.
    if (!s.contains(QLatin1Char('.')) && !s.contains(QLatin1Char('e')) && !s.contains(QLatin1Char('n')))
        s += QStringLiteral(".0");
    return s;
}

// ---- binary to text ---------------------------------------------------------------------------

class BinaryToText {
public:
    BinaryToText(TReader& r) : r_(r) {}

    void ConvertObject(int level) {
        enter();
        TFilerFlags flags;
        int childPos = 0;
        r_.ReadPrefix(flags, childPos);
        const String cls = r_.ReadStr();
        const String name = r_.ReadStr();
        indent(level);
        if (flags.Contains(ffInherited))
            out_ += QStringLiteral("inherited ");
        else if (flags.Contains(ffInline))
            out_ += QStringLiteral("inline ");
        else
            out_ += QStringLiteral("object ");
        if (!name.isEmpty()) out_ += name + QStringLiteral(": ");
        out_ += cls;
        if (flags.Contains(ffChildPos)) out_ += QStringLiteral(" [%1]").arg(childPos);
        out_ += QLatin1String(sLineBreak);
        while (!r_.EndOfList())
            ConvertProperty(level + 1);
        r_.ReadListEnd();
        while (!r_.EndOfList())
            ConvertObject(level + 1);
        r_.ReadListEnd();
        indent(level);
        out_ += QStringLiteral("end");
        out_ += QLatin1String(sLineBreak);
        --depth_;
    }

    String Text() const { return out_; }

private:
    void enter() {
        if (++depth_ > MaxNesting) throw EReadError(QStringLiteral("Invalid stream format"));
    }
    void indent(int level) { out_ += String(level * 2, QLatin1Char(' ')); }
    void newLine(int level) {
        out_ += QLatin1String(sLineBreak);
        indent(level);
    }

    void ConvertProperty(int level) {
        indent(level);
        out_ += r_.ReadStr();
        out_ += QStringLiteral(" = ");
        ConvertValue(level);
        out_ += QLatin1String(sLineBreak);
    }

    void ConvertString(const String& s, int level) {
        const int len = int(s.size());
        if (len == 0) {
            out_ += QStringLiteral("''");
            return;
        }
        const int inner = level + 1;
        if (len > LineLength) newLine(inner);
        int i = 0, k = 0;
        while (i < len) {
            bool lineBreak = false;
            const QChar c = s[i];
            if (c.unicode() >= 32 && c != QLatin1Char('\'') && c.unicode() != 127) {
                const int j = i;
                do {
                    ++i;
                } while (i < len && s[i].unicode() >= 32 && s[i] != QLatin1Char('\'') &&
                         s[i].unicode() != 127 && i - k < LineLength);
                if (i - k >= LineLength && i < len) {
                    lineBreak = true;
                    // Never split a surrogate pair.
                    if (s[i].isLowSurrogate() && i - 1 > j) --i;
                }
                out_ += QLatin1Char('\'');
                out_ += s.mid(j, i - j);
                out_ += QLatin1Char('\'');
            } else {
                out_ += QLatin1Char('#') + QString::number(c.unicode());
                ++i;
                if (i - k >= LineLength) lineBreak = true;
            }
            if (lineBreak && i < len) {
                out_ += QStringLiteral(" +");
                newLine(inner);
                k = i;
            }
        }
    }

    void ConvertValue(int level) {
        switch (r_.NextValue()) {
        case vaList:
            enter();
            r_.ReadValue();
            out_ += QLatin1Char('(');
            while (!r_.EndOfList()) {
                newLine(level + 1);
                ConvertValue(level + 1);
            }
            r_.ReadListEnd();
            out_ += QLatin1Char(')');
            --depth_;
            break;
        case vaInt8:
        case vaInt16:
        case vaInt32:
        case vaInt64:
            out_ += QString::number(r_.ReadInt64());
            break;
        case vaExtended:
            out_ += FloatToObjectText(r_.ReadFloat());
            break;
        case vaDouble:
            out_ += markFloat(shortest(r_.ReadDouble()));
            break;
        case vaSingle:
            out_ += markFloat(shortest(r_.ReadSingle())) + QLatin1Char('s');
            break;
        case vaDate:
            out_ += markFloat(shortest(r_.ReadDouble())) + QLatin1Char('d');
            break;
        case vaCurrency: {
            r_.ReadValue();
            std::int64_t v = 0;
            r_.Read(&v, 8);
            // Exactly four decimals of the scaled integer.
            const bool neg = v < 0;
            const UInt64 a = neg ? UInt64(0) - UInt64(v) : UInt64(v);
            String digits = QString::number(a % 10000).rightJustified(4, QLatin1Char('0'));
            while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
                digits.chop(1);
            out_ += (neg ? QStringLiteral("-") : String()) + QString::number(a / 10000) + QLatin1Char('.') +
                    digits + QLatin1Char('c');
            break;
        }
        case vaString:
        case vaLString:
        case vaWString:
        case vaUTF8String:
            ConvertString(r_.ReadString(), level);
            break;
        case vaIdent:
        case vaFalse:
        case vaTrue:
        case vaNil:
        case vaNull:
            out_ += r_.ReadIdent();
            break;
        case vaSet: {
            r_.ReadValue();
            out_ += QLatin1Char('[');
            bool first = true;
            for (const String& n : r_.ReadSetNames()) {
                if (!first) out_ += QStringLiteral(", ");
                out_ += n;
                first = false;
            }
            out_ += QLatin1Char(']');
            break;
        }
        case vaBinary: {
            const std::vector<Byte> data = r_.ReadBinary();
            out_ += QLatin1Char('{');
            for (std::size_t i = 0; i < data.size(); i += 32) {
                newLine(level + 1);
                const std::size_t n = std::min<std::size_t>(32, data.size() - i);
                out_ += QString::fromLatin1(
                    QByteArray(reinterpret_cast<const char*>(data.data() + i), qsizetype(n))
                        .toHex()
                        .toUpper());
            }
            out_ += QLatin1Char('}');
            break;
        }
        case vaCollection:
            enter();
            r_.ReadValue();
            out_ += QLatin1Char('<');
            while (!r_.EndOfList()) {
                newLine(level + 1);
                out_ += QStringLiteral("item");
                const TValueType v = r_.NextValue();
                if (v == vaInt8 || v == vaInt16 || v == vaInt32) {
                    out_ += QStringLiteral(" [");
                    out_ += QString::number(r_.ReadInteger());
                    out_ += QLatin1Char(']');
                }
                out_ += QLatin1String(sLineBreak);
                r_.ReadListBegin();
                while (!r_.EndOfList())
                    ConvertProperty(level + 2);
                r_.ReadListEnd();
                indent(level + 1);
                out_ += QStringLiteral("end");
            }
            r_.ReadListEnd();
            out_ += QLatin1Char('>');
            --depth_;
            break;
        default:
            throw EReadError(QStringLiteral("Invalid stream format"));
        }
    }

    TReader& r_;
    String out_;
    int depth_ = 0;
};

// ---- text to binary ---------------------------------------------------------------------------

enum TokenKind { tkEOF, tkSymbolTok, tkStringTok, tkIntegerTok, tkFloatTok, tkCharTok };

class TextParser {
public:
    explicit TextParser(const String& text) : s_(text) { next(); }

    TokenKind kind() const { return kind_; }
    const String& text() const { return text_; }
    QChar ch() const { return kind_ == tkCharTok ? text_[0] : QChar(); }
    bool isChar(char c) const { return kind_ == tkCharTok && text_[0] == QLatin1Char(c); }
    bool isSymbol(const char* name) const {
        return kind_ == tkSymbolTok && text_.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    }
    QChar floatSuffix() const { return suffix_; }
    Int64 intValue() const { return int_; }
    Extended floatValue() const { return float_; }

    [[noreturn]] void error(const String& what) const {
        throw EReadError(QStringLiteral("%1 on line %2").arg(what).arg(line_));
    }
    void expectChar(char c) {
        if (!isChar(c)) error(QStringLiteral("'%1' expected").arg(QLatin1Char(c)));
        next();
    }
    String expectSymbol() {
        if (kind_ != tkSymbolTok) error(QStringLiteral("Identifier expected"));
        String t = text_;
        next();
        return t;
    }

    // Reads the hex digits of a binary value up to "}" (the "{" was the current token).
    QByteArray hexBlock() {
        QByteArray out;
        int nibble = -1;
        for (;;) {
            if (pos_ >= s_.size()) error(QStringLiteral("'}' expected"));
            const QChar c = s_[pos_++];
            if (c == QLatin1Char('}')) break;
            if (c == QLatin1Char('\n')) ++line_;
            if (c.isSpace()) continue;
            const int d = hexDigit(c);
            if (d < 0) error(QStringLiteral("Invalid binary value"));
            if (nibble < 0)
                nibble = d;
            else {
                out.append(char(nibble * 16 + d));
                nibble = -1;
            }
        }
        if (nibble >= 0) error(QStringLiteral("Invalid binary value"));
        next();
        return out;
    }

    void next() {
        skipBlanks();
        suffix_ = QChar();
        if (pos_ >= s_.size()) {
            kind_ = tkEOF;
            text_.clear();
            return;
        }
        const QChar c = s_[pos_];
        if (c.isLetter() || c == QLatin1Char('_')) {
            const qsizetype start = pos_;
            while (pos_ < s_.size() && (s_[pos_].isLetterOrNumber() || s_[pos_] == QLatin1Char('_') ||
                                        s_[pos_] == QLatin1Char('.')))
                ++pos_;
            text_ = s_.mid(start, pos_ - start);
            kind_ = tkSymbolTok;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('#')) {
            readString();
        } else if (c.isDigit() || c == QLatin1Char('$') ||
                   (c == QLatin1Char('-') && pos_ + 1 < s_.size() &&
                    (s_[pos_ + 1].isDigit() || s_[pos_ + 1] == QLatin1Char('$')))) {
            readNumber();
        } else {
            text_ = String(c);
            kind_ = tkCharTok;
            ++pos_;
        }
    }

private:
    static int hexDigit(QChar c) {
        const ushort u = c.unicode();
        if (u >= '0' && u <= '9') return u - '0';
        if (u >= 'a' && u <= 'f') return u - 'a' + 10;
        if (u >= 'A' && u <= 'F') return u - 'A' + 10;
        return -1;
    }

    void skipBlanks() {
        while (pos_ < s_.size()) {
            const QChar c = s_[pos_];
            if (c == QLatin1Char('\n')) ++line_;
            if (c.unicode() > 32 && c != QChar(0xFEFF)) break;
            ++pos_;
        }
    }

    void readString() {
        String out;
        for (;;) {
            if (pos_ < s_.size() && s_[pos_] == QLatin1Char('\'')) {
                ++pos_;
                for (;;) {
                    if (pos_ >= s_.size() || s_[pos_] == QLatin1Char('\n') || s_[pos_] == QLatin1Char('\r'))
                        error(QStringLiteral("Unterminated string"));
                    const QChar c = s_[pos_++];
                    if (c == QLatin1Char('\'')) {
                        if (pos_ < s_.size() && s_[pos_] == QLatin1Char('\'')) {
                            out += c;
                            ++pos_;
                        } else {
                            break;
                        }
                    } else {
                        out += c;
                    }
                }
            } else if (pos_ < s_.size() && s_[pos_] == QLatin1Char('#')) {
                ++pos_;
                uint code = 0;
                int digits = 0;
                const bool hex = pos_ < s_.size() && s_[pos_] == QLatin1Char('$');
                if (hex) ++pos_;
                while (pos_ < s_.size()) {
                    const int d =
                        hex ? hexDigit(s_[pos_]) : (s_[pos_].isDigit() ? s_[pos_].digitValue() : -1);
                    if (d < 0 || d > 15) break;
                    code = code * (hex ? 16 : 10) + uint(d);
                    if (code > 0x10FFFF) error(QStringLiteral("Invalid character code"));
                    ++digits;
                    ++pos_;
                }
                if (!digits) error(QStringLiteral("Invalid character code"));
                if (code > 0xFFFF) {
                    const char32_t cp = char32_t(code);
                    out += QString::fromUcs4(&cp, 1);
                } else {
                    out += QChar(char16_t(code));
                }
            } else {
                break;
            }
        }
        text_ = out;
        kind_ = tkStringTok;
    }

    void readNumber() {
        const qsizetype start = pos_;
        bool neg = false;
        if (s_[pos_] == QLatin1Char('-')) {
            neg = true;
            ++pos_;
        }
        if (pos_ < s_.size() && s_[pos_] == QLatin1Char('$')) {
            ++pos_;
            const qsizetype digitsStart = pos_;
            while (pos_ < s_.size() && hexDigit(s_[pos_]) >= 0)
                ++pos_;
            bool ok = false;
            const UInt64 v = s_.mid(digitsStart, pos_ - digitsStart).toULongLong(&ok, 16);
            if (!ok) error(QStringLiteral("Invalid integer"));
            int_ = neg ? Int64(UInt64(0) - v) : Int64(v);
            text_ = s_.mid(start, pos_ - start);
            kind_ = tkIntegerTok;
            return;
        }
        bool isFloat = false;
        while (pos_ < s_.size()) {
            const QChar c = s_[pos_];
            if (c.isDigit() && c.unicode() < 128)
                ++pos_;
            else if (c == QLatin1Char('.')) {
                isFloat = true;
                ++pos_;
            } else if ((c == QLatin1Char('e') || c == QLatin1Char('E')) && pos_ + 1 < s_.size() &&
                       (s_[pos_ + 1].isDigit() || s_[pos_ + 1] == QLatin1Char('+') ||
                        s_[pos_ + 1] == QLatin1Char('-'))) {
                isFloat = true;
                pos_ += 2;
            } else
                break;
        }
        text_ = s_.mid(start, pos_ - start);
        const QByteArray latin = text_.toLatin1();
        if (!isFloat) {
            std::int64_t v = 0;
            auto r = std::from_chars(latin.constData(), latin.constData() + latin.size(), v);
            if (r.ec != std::errc() || r.ptr != latin.constData() + latin.size()) {
                // Too large for Int64: a float, as the original parser made it.
                isFloat = true;
            } else {
                int_ = v;
                kind_ = tkIntegerTok;
            }
        }
        if (isFloat) {
            long double v = 0;
            auto r = std::from_chars(latin.constData(), latin.constData() + latin.size(), v);
            if (r.ec == std::errc::result_out_of_range) {
                v = std::strtold(latin.constData(), nullptr); // C locale is not needed: no separator
            } else if (r.ec != std::errc() || r.ptr != latin.constData() + latin.size()) {
                error(QStringLiteral("Invalid number"));
            }
            float_ = v;
            kind_ = tkFloatTok;
            if (pos_ < s_.size()) {
                const QChar sfx = s_[pos_].toLower();
                if (sfx == QLatin1Char('s') || sfx == QLatin1Char('c') || sfx == QLatin1Char('d')) {
                    suffix_ = sfx;
                    ++pos_;
                }
            }
        }
    }

    const String& s_;
    qsizetype pos_ = 0;
    int line_ = 1;
    TokenKind kind_ = tkEOF;
    String text_;
    Int64 int_ = 0;
    Extended float_ = 0;
    QChar suffix_;
};

class TextToBinary {
public:
    TextToBinary(TextParser& p, TWriter& w) : p_(p), w_(w) {}

    void ConvertObject() {
        enter();
        TFilerFlags flags;
        if (p_.isSymbol("inherited"))
            flags << ffInherited;
        else if (p_.isSymbol("inline"))
            flags << ffInline;
        else if (!p_.isSymbol("object"))
            p_.error(QStringLiteral("'object' expected"));
        p_.next();
        String name;
        String cls = p_.expectSymbol();
        if (p_.isChar(':')) {
            p_.next();
            name = cls;
            cls = p_.expectSymbol();
        }
        int childPos = 0;
        if (p_.isChar('[')) {
            p_.next();
            if (p_.kind() != tkIntegerTok) p_.error(QStringLiteral("Integer expected"));
            childPos = int(p_.intValue());
            p_.next();
            p_.expectChar(']');
            flags << ffChildPos;
        }
        w_.WritePrefix(flags, childPos);
        w_.WriteStr(cls);
        w_.WriteStr(name);
        while (!(p_.isSymbol("end") || p_.isSymbol("object") || p_.isSymbol("inherited") ||
                 p_.isSymbol("inline")))
            ConvertProperty();
        w_.WriteListEnd();
        while (!p_.isSymbol("end"))
            ConvertObject();
        w_.WriteListEnd();
        p_.next();
        --depth_;
    }

private:
    void enter() {
        if (++depth_ > MaxNesting) p_.error(QStringLiteral("Nesting too deep"));
    }

    void ConvertProperty() {
        if (p_.kind() == tkEOF) p_.error(QStringLiteral("'end' expected"));
        const String name = p_.expectSymbol();
        if (name.endsWith(QLatin1Char('.')) || name.contains(QStringLiteral("..")))
            p_.error(QStringLiteral("Invalid property name"));
        w_.WriteStr(name);
        p_.expectChar('=');
        ConvertValue();
    }

    void ConvertValue() {
        switch (p_.kind()) {
        case tkIntegerTok:
            w_.WriteInteger(p_.intValue());
            p_.next();
            return;
        case tkFloatTok: {
            const QChar sfx = p_.floatSuffix();
            if (sfx == QLatin1Char('s'))
                w_.WriteSingle(float(p_.floatValue()));
            else if (sfx == QLatin1Char('c'))
                w_.WriteCurrency(p_.floatValue());
            else if (sfx == QLatin1Char('d'))
                w_.WriteDate(double(p_.floatValue()));
            else
                w_.WriteFloat(p_.floatValue());
            p_.next();
            return;
        }
        case tkStringTok: {
            String s = p_.text();
            p_.next();
            while (p_.isChar('+')) {
                p_.next();
                if (p_.kind() != tkStringTok) p_.error(QStringLiteral("String expected"));
                s += p_.text();
                p_.next();
            }
            w_.WriteString(s);
            return;
        }
        case tkSymbolTok:
            w_.WriteIdent(p_.text());
            p_.next();
            return;
        case tkCharTok:
            break;
        case tkEOF:
            p_.error(QStringLiteral("Value expected"));
        }
        const char c = char(p_.ch().unicode());
        switch (c) {
        case '[': {
            p_.next();
            std::vector<String> names;
            if (!p_.isChar(']')) {
                for (;;) {
                    names.push_back(p_.expectSymbol());
                    if (p_.isChar(']')) break;
                    p_.expectChar(',');
                }
            }
            p_.next();
            w_.WriteSet(names);
            return;
        }
        case '(':
            enter();
            p_.next();
            w_.WriteListBegin();
            while (!p_.isChar(')'))
                ConvertValue();
            p_.next();
            w_.WriteListEnd();
            --depth_;
            return;
        case '{': {
            const QByteArray data = p_.hexBlock();
            w_.WriteBinary(data.constData(), int(data.size()));
            return;
        }
        case '<':
            enter();
            p_.next();
            w_.WriteValue(vaCollection);
            while (!p_.isChar('>')) {
                if (!p_.isSymbol("item")) p_.error(QStringLiteral("'item' expected"));
                p_.next();
                if (p_.isChar('[')) {
                    p_.next();
                    if (p_.kind() != tkIntegerTok) p_.error(QStringLiteral("Integer expected"));
                    w_.WriteInteger(p_.intValue());
                    p_.next();
                    p_.expectChar(']');
                }
                w_.WriteListBegin();
                while (!p_.isSymbol("end"))
                    ConvertProperty();
                p_.next();
                w_.WriteListEnd();
            }
            p_.next();
            w_.WriteListEnd();
            --depth_;
            return;
        default:
            p_.error(QStringLiteral("Invalid property value"));
        }
    }

    TextParser& p_;
    TWriter& w_;
    int depth_ = 0;
};

String decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    String s = utf8(bytes);
    if (!utf8.hasError()) return s;
    return QString::fromLatin1(bytes);
}

} // namespace

String FloatToObjectText(Extended Value) {
    return markFloat(shortest(Value));
}

void ObjectBinaryToText(TStream* Input, TStream* Output) {
    String text;
    {
        TReader reader(Input, 4096);
        reader.ReadSignature();
        BinaryToText conv(reader);
        conv.ConvertObject(0);
        text = conv.Text();
    }
    const QByteArray bytes = text.toUtf8();
    Output->WriteBuffer(bytes.constData(), int(bytes.size()));
}

void ObjectTextToBinary(TStream* Input, TStream* Output) {
    const Int64 size = Input->Size() - Input->Position();
    if (size < 0 || size > INT32_MAX) throw EReadError(QStringLiteral("Invalid stream format"));
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    if (size) Input->ReadBuffer(bytes.data(), int(size));
    const String text = decodeText(bytes);
    TextParser parser(text);
    TWriter writer(Output, 4096);
    writer.WriteSignature();
    TextToBinary conv(parser, writer);
    conv.ConvertObject();
}

TStreamOriginalFormat TestStreamFormat(TStream* Stream) {
    const Int64 pos = Stream->Position();
    char head[4] = {};
    const int n = Stream->Read(head, 4);
    Stream->SetPosition(pos);
    if (n == 4 && std::memcmp(head, FilerSignature, 4) == 0) return sofBinary;
    // A text form starts with one of its openers, perhaps after a byte-order mark.
    int i = 0;
    if (n >= 3 && Byte(head[0]) == 0xEF && Byte(head[1]) == 0xBB && Byte(head[2]) == 0xBF) return sofUTF8Text;
    while (i < n && (head[i] == ' ' || head[i] == '\t' || head[i] == '\r' || head[i] == '\n'))
        ++i;
    if (i < n) {
        const char c = char(head[i] | 0x20);
        if (c == 'o' || c == 'i') return sofText;
    }
    return sofUnknown;
}
