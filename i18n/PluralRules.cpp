#include "i18n/PluralRules.h"

#include <QStringList>

namespace {
// The magnitude of Number, computed without overflow: the most negative Int64 has no
// positive counterpart, and negating it would leave a negative "absolute" value.
UInt64 absolute(Int64 n) {
    return n < 0 ? UInt64(0) - UInt64(n) : UInt64(n);
}
} // namespace

int GetPluralForm1(Int64) {
    return 0;
}

int GetPluralForm2EN(Int64 Number) {
    return absolute(Number) == 1 ? 0 : 1;
}

int GetPluralForm1France(Int64 Number) {
    return absolute(Number) <= 1 ? 0 : 1;
}

int GetPluralForm3LV(Int64 Number) {
    const UInt64 n = absolute(Number);
    if (n % 10 == 1 && n % 100 != 11) return 0;
    return n != 0 ? 1 : 2;
}

int GetPluralForm3GA(Int64 Number) {
    const UInt64 n = absolute(Number);
    if (n == 1) return 0;
    return n == 2 ? 1 : 2;
}

int GetPluralForm3LT(Int64 Number) {
    const UInt64 n = absolute(Number), a = n % 10, b = n % 100;
    if (a == 1 && b != 11) return 0;
    if (a >= 2 && (b < 10 || b >= 20)) return 1;
    return 2;
}

int GetPluralForm3RU(Int64 Number) {
    const UInt64 n = absolute(Number), a = n % 10, b = n % 100;
    if (a == 1 && b != 11) return 0;
    if (a >= 2 && a <= 4 && (b < 10 || b >= 20)) return 1;
    return 2;
}

// The rule Polish catalogues declare: one for 1 only; "few" for 2..4 in the last digit
// except 12..14; "many" for everything else (0, 5..21, 25..31, ...).
int GetPluralForm3PL(Int64 Number) {
    const UInt64 n = absolute(Number), a = n % 10, b = n % 100;
    if (n == 1) return 0;
    if (a >= 2 && a <= 4 && (b < 10 || b >= 20)) return 1;
    return 2;
}

int GetPluralForm4SL(Int64 Number) {
    const UInt64 b = absolute(Number) % 100;
    if (b == 1) return 0;
    if (b == 2) return 1;
    return (b == 3 || b == 4) ? 2 : 3;
}

TGetPluralForm PluralRuleForLanguage(const String& LanguageCode) {
    if (LanguageCode.compare(QStringLiteral("pt_br"), Qt::CaseInsensitive) == 0) return GetPluralForm1France;
    const String code = LanguageCode.left(2).toLower();
    static const struct {
        const char* codes;
        TGetPluralForm rule;
    } kRules[] = {
        {"hu ko zh ja tr", GetPluralForm1}, {"fr fa", GetPluralForm1France},
        {"lv", GetPluralForm3LV},           {"ga", GetPluralForm3GA},
        {"lt", GetPluralForm3LT},           {"ru cs sk uk hr", GetPluralForm3RU},
        {"pl", GetPluralForm3PL},           {"sl", GetPluralForm4SL},
    };
    if (code.size() == 2)
        for (const auto& r : kRules)
            if (QString::fromLatin1(r.codes).split(QLatin1Char(' ')).contains(code)) return r.rule;
    return GetPluralForm2EN;
}
