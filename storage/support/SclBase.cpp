#include "storage/support/SclBase.h"

#include "platform/rtl/StrUtils.h"
#include "storage/support/SclUnitVersioning.h"

namespace {
const TUnitVersionInfo UnitVersioning =
    SCL_UNIT_VERSION(u"scl/source/common/SclBase.pas", u"3344",
                     u"2010-09-20 21:18:26 +0200 (Mon, 20 Sep 2010)", u"SCL\\source\\common");
const TUnitRevisionNote note(UnitVersioning);

char ReadAnsiReplacementChar() {
    TCPInfo info;
    if (!GetCPInfo(CP_ACP, info))
        throw ESclInternalError(QStringLiteral("Failed to get ANSI replacement character"));
    return char(info.DefaultChar[0]);
}
const char replacementChar = ReadAnsiReplacementChar();
} // namespace

char AnsiReplacementChar() {
    return replacementChar;
}

void MoveChars(const String& Source, int FromIndex, String& Dest, int ToIndex, int Count) {
    if (Count <= 0 || FromIndex < 0 || ToIndex < 0) return;
    if (FromIndex + Count > Source.size() || ToIndex + Count > Dest.size()) return;
    const String src = Source; // Source and Dest may be the same text
    for (int i = 0; i < Count; ++i)
        Dest[ToIndex + i] = src[FromIndex + i];
}
