#include "storage/support/SclStrings.h"

#include "platform/classes/StringList.h"
#include "storage/support/SclUnitVersioning.h"

#include <memory>

namespace {

const TUnitVersionInfo UnitVersioning =
    SCL_UNIT_VERSION(u"scl/source/common/SclStrings.pas", u"3449",
                     u"2010-12-28 19:50:06 +0100 (Tue, 28 Dec 2010)", u"SCL\\source\\common");
const TUnitRevisionNote note(UnitVersioning);

constexpr int kUnits = 65536;

// Both tables, built once on first use, one code unit at a time, and only read afterwards.
struct CharTables {
    Word types[kUnits];
    char16_t cases[3 * kUnits];

    CharTables() {
        for (int u = 0; u < kUnits; ++u) {
            const QChar c{char16_t(u)};
            Word t = 0;
            if (c.isUpper()) t |= C1_UPPER;
            if (c.isLower()) t |= C1_LOWER;
            if (c.isDigit()) t |= C1_DIGIT;
            types[u] = t;
            // A unit whose case form would need two units (or is a surrogate) stays itself.
            const char16_t lower = c.toLower().unicode();
            const char16_t upper = c.toUpper().unicode();
            cases[u] = lower;
            cases[kUnits + u] = upper;
            cases[2 * kUnits + u] = (t & C1_UPPER) ? lower : (t & C1_LOWER) ? upper : char16_t(u);
        }
    }
};

const CharTables& Tables() {
    static const std::unique_ptr<CharTables> tables = std::make_unique<CharTables>();
    return *tables;
}

int IndexIn(const String& S, QChar C, int from) {
    return int(S.indexOf(C, from));
}

} // namespace

const Word* CharTypeTable() {
    return Tables().types;
}

const char16_t* CaseMapTable(TCaseMap Map) {
    return Tables().cases + int(Map) * kUnits;
}

String RemoveLeadingText(const String& Prefix, const String& S) {
    return S.startsWith(Prefix) ? S.mid(Prefix.size()) : S;
}

String EnsureLeadingText(const String& Prefix, const String& S) {
    return S.startsWith(Prefix) ? S : Prefix + S;
}

String EnsureTrailingText(const String& Suffix, const String& S) {
    return S.endsWith(Suffix) ? S : S + Suffix;
}

String ReplaceCharacter(const String& S, QChar From, QChar To) {
    String out = S;
    out.replace(From, To);
    return out;
}

void MapCharacters(String& S, TCaseMap Map) {
    const char16_t* table = CaseMapTable(Map);
    for (QChar& c : S)
        c = QChar(table[c.unicode()]);
}

String UpperCaseText(const String& S) {
    String out = S;
    MapCharacters(out, cmUpper);
    return out;
}

void CutAtNul(String& S) {
    const int at = IndexIn(S, QChar(u'\0'), 0);
    if (at >= 0) S.truncate(at);
}

int CountCharOccurrences(const String& S, QChar C) {
    return int(S.count(C));
}

int CaseInsensitivePos(const String& Sub, const String& S) {
    return CaseInsensitivePosFrom(Sub, S, 1);
}

int CaseInsensitivePosFrom(const String& Sub, const String& S, int Start) {
    if (Sub.isEmpty() || S.isEmpty() || Start > S.size()) return 0;
    const int from = std::max(Start, 1) - 1;
    const int at = int(UpperCaseText(S).indexOf(UpperCaseText(Sub), from));
    return at + 1;
}

String TextBefore(const String& Sub, const String& S) {
    const int at = CaseInsensitivePos(Sub, S);
    return at > 0 ? S.left(at - 1) : S;
}

String LeftPart(const String& S, int N) {
    return N <= 0 ? String() : S.left(N);
}

String MiddlePart(const String& S, int I, int N) {
    if (N <= 0) return String();
    if (I < 1) {
        N += I - 1; // the part before the text is counted but empty
        I = 1;
        if (N <= 0) return String();
    }
    return S.mid(I - 1, N);
}

String RestFrom(const String& S, int I) {
    return S.mid(std::max(I, 1) - 1);
}

bool IsDigitChar(QChar C) {
    return CharTypeTable()[C.unicode()] & C1_DIGIT;
}

bool IsLowerChar(QChar C) {
    return CharTypeTable()[C.unicode()] & C1_LOWER;
}

bool IsUpperChar(QChar C) {
    return CharTypeTable()[C.unicode()] & C1_UPPER;
}

bool IsHexDigitChar(QChar C) {
    return (C >= u'A' && C <= u'F') || (C >= u'a' && C <= u'f') || IsDigitChar(C);
}

int CharPosFrom(const String& S, QChar C, int Start) {
    if (Start < 1 || Start > S.size()) return 0;
    return IndexIn(S, C, Start - 1) + 1;
}

int LastCharPosFrom(const String& S, QChar C, int Start) {
    if (Start < 1 || Start > S.size()) return 0;
    const int at = int(S.lastIndexOf(C));
    return at + 1 >= Start ? at + 1 : 0;
}

void SplitText(const String& S, const String& Sep, TStrings* List, bool KeepEmpty) {
    List->BeginUpdate();
    try {
        List->Clear();
        int from = 0;
        if (!Sep.isEmpty()) {
            for (int at; (at = int(S.indexOf(Sep, from))) >= 0; from = at + int(Sep.size())) {
                const String piece = S.mid(from, at - from);
                if (KeepEmpty || !piece.isEmpty()) List->Add(piece);
            }
        }
        const String rest = S.mid(from);
        if (!rest.isEmpty()) List->Add(rest);
    } catch (...) {
        List->EndUpdate();
        throw;
    }
    List->EndUpdate();
}
