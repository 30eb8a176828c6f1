#include "chart/engine/texts/LocalFormat.h"

#include "platform/rtl/FormatSettings.h"

namespace {

// Exchanges the separators in one pass, so that each character is replaced once; text
// between quotes is literal and stays as it is.
String SwapSeparators(const String& Format, QChar Decimal, QChar Thousand, QChar NewDecimal,
                      QChar NewThousand) {
    String result = Format;
    QChar quote;
    for (QChar& c : result) {
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == Decimal) {
            c = NewDecimal;
        } else if (c == Thousand) {
            c = NewThousand;
        }
    }
    return result;
}

} // namespace

String BuiltInToLocalFormat(const String& Format) {
    return SwapSeparators(Format, u'.', u',', FormatSettings.DecimalSeparator,
                          FormatSettings.ThousandSeparator);
}

String LocalToBuiltInFormat(const String& Format) {
    return SwapSeparators(Format, FormatSettings.DecimalSeparator, FormatSettings.ThousandSeparator, u'.',
                          u',');
}
