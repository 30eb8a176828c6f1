#include "chart/export/TeeXMLText.h"

String TeeXMLEscape(const String& Text) {
    String out;
    out.reserve(Text.size());
    for (QChar c : Text) {
        switch (c.unicode()) {
        case '&':
            out += QStringLiteral("&amp;");
            break;
        case '<':
            out += QStringLiteral("&lt;");
            break;
        case '>':
            out += QStringLiteral("&gt;");
            break;
        case '"':
            out += QStringLiteral("&quot;");
            break;
        case '\'':
            out += QStringLiteral("&apos;");
            break;
        case '\t':
            out += QStringLiteral("&#9;");
            break;
        case '\n':
            out += QStringLiteral("&#10;");
            break;
        case '\r':
            out += QStringLiteral("&#13;");
            break;
        default:
            // Control characters and the two non-characters have no place in XML 1.0.
            if (c.unicode() < 0x20 || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF) break;
            out += c;
        }
    }
    // A lone surrogate cannot be encoded; it is left out as well.
    String clean;
    clean.reserve(out.size());
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out[i];
        if (c.isHighSurrogate() && i + 1 < out.size() && out[i + 1].isLowSurrogate()) {
            clean += c;
            clean += out[++i];
        } else if (!c.isSurrogate()) {
            clean += c;
        }
    }
    return clean;
}

namespace {
bool isNameStart(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
}
bool isNameChar(QChar c) {
    return isNameStart(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u'.';
}
} // namespace

String TeeXMLName(const String& Text) {
    if (Text.isEmpty()) return QStringLiteral("_");
    String out;
    out.reserve(Text.size() + 1);
    if (!isNameStart(Text[0]) && isNameChar(Text[0])) out += u'_';
    for (QChar c : Text)
        out += isNameChar(c) ? c : u'_';
    return out;
}
