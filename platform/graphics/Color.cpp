#include "platform/graphics/Color.h"

#include "platform/classes/TypInfo.h"
#include "platform/rtl/Exception.h"

#include <array>
#include <iterator>

namespace {

// Windows' default system colours (0x00BBGGRR), fixed so that drawing does not depend
// on the desktop theme.
constexpr std::array<COLORREF, 31> kSystemColors = {
    0xC8C8C8, // scroll bar
    0x000000, // desktop
    0xD1B499, // active caption
    0xDBCDBF, // inactive caption
    0xF0F0F0, // menu
    0xFFFFFF, // window
    0x646464, // window frame
    0x000000, // menu text
    0x000000, // window text
    0x000000, // caption text
    0xB4B4B4, // active border
    0xFCF7F4, // inactive border
    0xABABAB, // application work space
    0xD77800, // highlight
    0xFFFFFF, // highlight text
    0xF0F0F0, // button face
    0xA0A0A0, // button shadow
    0x6D6D6D, // grey text
    0x000000, // button text
    0x000000, // inactive caption text
    0xFFFFFF, // button highlight
    0x696969, // 3-D dark shadow
    0xE3E3E3, // 3-D light
    0x000000, // info text
    0xE1FFFF, // info background
    0x000000, // (unused index 25)
    0xCC6600, // hot light
    0xEAD1B9, // gradient active caption
    0xF2E4D7, // gradient inactive caption
    0xFF9933, // menu highlight
    0xF0F0F0, // menu bar
};

constexpr TIdentMapEntry kColorIdents[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

// Streams and editors show colour properties by these names.
const bool kIdentsRegistered = [] {
    RegisterIntegerConsts(TypeInfoTColor(), IdentToColor, ColorToIdent);
    return true;
}();

} // namespace

COLORREF GetSysColor(int Index) {
    if (Index < 0 || Index >= int(kSystemColors.size())) return 0;
    return kSystemColors[std::size_t(Index)];
}

TColor ColorToRGB(TColor Color) {
    if (Color < 0) return TColor(GetSysColor(Color & 0xFF));
    return Color;
}

bool ColorToIdent(int Color, String& Ident) {
    return IntToIdent(Color, Ident, kColorIdents);
}

bool IdentToColor(const String& Ident, int& Color) {
    return IdentToInt(Ident, Color, kColorIdents);
}

String ColorToString(TColor Color) {
    String s;
    if (ColorToIdent(Color, s)) return s;
    return QStringLiteral("$%1").arg(quint32(Color), 8, 16, QLatin1Char('0')).toUpper();
}

TColor StringToColor(const String& S) {
    int c = 0;
    if (IdentToColor(S, c)) return c;
    const QString t = S.trimmed();
    bool ok = false;
    qint64 v = 0;
    if (t.startsWith(QLatin1Char('$')))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    // Stored colours are 32-bit values; "$FF00000F" reads back as the system colour.
    if (!ok || v < INT32_MIN || v > qint64(UINT32_MAX))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(S));
    return TColor(quint32(v));
}

void GetColorValues(void (*Proc)(const String& S, void* Data), void* Data) {
    for (const auto& e : kColorIdents)
        Proc(QString::fromLatin1(e.Name), Data);
}
