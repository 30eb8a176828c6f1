#include "storage/support/XcStrUtils.h"

#include "platform/controls/Messages.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Gdi.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/StrUtils.h"

void FillWithChar(String& Text, int Count, QChar Ch) {
    Text = RepeatChar(Ch, Count);
}

String RepeatChar(QChar Ch, int N) {
    return StringOfChar(Ch, N);
}

String BufferToHexText(const void* Buf, int Count) {
    static const char digits[] = "0123456789ABCDEF";
    String out;
    if (Count <= 0 || !Buf) return out;
    out.reserve(2 * Count);
    const auto* p = static_cast<const unsigned char*>(Buf);
    for (int i = 0; i < Count; ++i) {
        out += QChar(digits[p[i] >> 4]);
        out += QChar(digits[p[i] & 15]);
    }
    return out;
}

namespace {
int HexValue(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}
} // namespace

int HexTextToBuffer(const String& Text, void* Buf, int BufSize) {
    const String t = Text.size() % 2 ? u'0' + Text : Text;
    const int n = std::min(BufSize, int(t.size() / 2));
    auto* p = static_cast<unsigned char*>(Buf);
    for (int i = 0; i < n; ++i) {
        const int hi = HexValue(t[2 * i]), lo = HexValue(t[2 * i + 1]);
        if (hi < 0 || lo < 0)
            throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(t.mid(2 * i, 2)));
        p[i] = static_cast<unsigned char>(hi * 16 + lo);
    }
    return std::max(n, 0);
}

String ReplaceAllText(const String& S, const String& Old, const String& New) {
    return StringReplace(S, Old, New, {rfReplaceAll});
}

String StripChar(const String& S, QChar Ch) {
    String out = S;
    out.remove(Ch);
    return out;
}

String TrimLeadingBlanks(const String& S) {
    qsizetype i = 0;
    while (i < S.size() && S[i] == u' ')
        ++i;
    return S.mid(i);
}

String TrimTrailingBlanks(const String& S) {
    qsizetype n = S.size();
    while (n > 0 && S[n - 1] == u' ')
        --n;
    return S.left(n);
}

String TrimBlanks(const String& S) {
    return TrimTrailingBlanks(TrimLeadingBlanks(S));
}

String TextToNumberText(const String& Text) {
    const QChar d = CurrentDecimalSeparator();
    const QChar t = CurrentThousandSeparator();
    String s = TrimBlanks(Text);
    if (d != t) s.remove(t);
    if (d != u'.' && t != u'.') s.replace(u'.', d);
    if (d != u',' && t != u',') s.replace(u',', d);
    String out;
    for (QChar c : s)
        if (c == u'+' || c == u'-' || (c >= u'0' && c <= u'9') || c == d || c == t) out += c;
    if (out.isEmpty()) return QStringLiteral("0");
    if (out == u"-") return QStringLiteral("-0");
    return out;
}

int DrawTextOnCanvas(TCanvas* Canvas, const String& Text, int Count, TRect& Rect, UINT Format) {
    return DrawTextW(Canvas->Handle(), Text, Count, &Rect, Format & ~DT_MODIFYSTRING);
}

BOOL DoBitBlt(HDC DstDC, int X, int Y, int Width, int Height, HDC SrcDC, int SrcX, int SrcY, DWORD Rop) {
    return BitBlt(DstDC, X, Y, Width, Height, SrcDC, SrcX, SrcY, Rop);
}

void DiscardQueuedMessage(HWND Wnd, UINT Msg) {
    MSG m;
    if (PeekMessage(&m, Wnd, Msg, Msg, PM_REMOVE) && m.message == WM_QUIT) PostQuitMessage(int(m.wParam));
}
