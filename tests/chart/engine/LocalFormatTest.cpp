// Number formats shown with the locale's separators and stored with the built-in ones.
#include "chart/engine/texts/LocalFormat.h"
#include "platform/rtl/FormatSettings.h"

#include <gtest/gtest.h>

namespace {

struct Separators {
    Separators(QChar Decimal, QChar Thousand) : FOld(FormatSettings) {
        FormatSettings.DecimalSeparator = Decimal;
        FormatSettings.ThousandSeparator = Thousand;
    }
    ~Separators() { FormatSettings = FOld; }
    TFormatSettings FOld;
};

TEST(LocalFormat, SeparatorsSwapBothWaysOutsideQuotes) {
    struct Case {
        QChar Decimal, Thousand;
        const char* BuiltIn;
        const char* Local;
    };
    const Case cases[] = {
        {u',', u'.', "#,##0.###", "#.##0,###"},     {u',', u'.', "0.0 'V.,'", "0,0 'V.,'"},
        {u',', u'.', "0.00\"a,b\"", "0,00\"a,b\""}, {u',', u' ', "#,##0.0", "# ##0,0"},
        {u'.', u',', "#,##0.###", "#,##0.###"},     {u',', u'.', "", ""},
    };
    for (const Case& c : cases) {
        Separators locale(c.Decimal, c.Thousand);
        EXPECT_EQ(BuiltInToLocalFormat(QString::fromUtf8(c.BuiltIn)), QString::fromUtf8(c.Local))
            << c.BuiltIn;
        EXPECT_EQ(LocalToBuiltInFormat(QString::fromUtf8(c.Local)), QString::fromUtf8(c.BuiltIn)) << c.Local;
    }
}

} // namespace
