// Small text, buffer and rectangle functions: hexadecimal text of buffers, blank
// trimming, replacement, and the normalisation of number texts typed by the user.
#pragma once

#include "platform/graphics/GdiTypes.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Types.h"
#include "platform/win/WinTypes.h"

class TCanvas;

// The DrawText flag that would let it write the shortened text back into its argument.
inline constexpr UINT DT_MODIFYSTRING = 0x10000;

void FillWithChar(String& Text, int Count, QChar Ch);
// N copies of Ch; "" when N <= 0.
String RepeatChar(QChar Ch, int N);
// Two upper-case hexadecimal digits per byte.
String BufferToHexText(const void* Buf, int Count);
// Bytes from digit pairs (an odd text gets a "0" in front), at most BufSize; a pair that
// is not hexadecimal raises EConvertError. Answers the bytes written.
int HexTextToBuffer(const String& Text, void* Buf, int BufSize);
// Every Old replaced by New, left to right, case-sensitive; an empty Old changes nothing.
String ReplaceAllText(const String& S, const String& Old, const String& New);
String StripChar(const String& S, QChar Ch);
// Only the character 32 counts as a blank.
String TrimLeadingBlanks(const String& S);
String TrimTrailingBlanks(const String& S);
String TrimBlanks(const String& S);
// A number typed by the user, normalised to the current decimal separator: thousands
// separators removed, "." and "," read as the decimal separator, stray characters
// dropped; "" gives "0" and "-" gives "-0".
String TextToNumberText(const String& Text);

template <class R> int AbsRectWidth(const R& Rect) {
    return Rect.Right > Rect.Left ? Rect.Right - Rect.Left : Rect.Left - Rect.Right;
}
template <class R> int AbsRectHeight(const R& Rect) {
    return Rect.Bottom > Rect.Top ? Rect.Bottom - Rect.Top : Rect.Top - Rect.Bottom;
}

// Text cut from its end, one more character at a time, with "..." appended, until its
// width on the canvas (Canvas->TextWidth) is at most MaxWidth.
template <class C> String ShortenTextToWidth(const String& Text, C* Canvas, int MaxWidth) {
    String result = Text;
    for (int k = 1; k <= Text.size(); ++k) {
        if (Canvas->TextWidth(result) <= MaxWidth) return result;
        const int keep = std::max(0, int(Text.size()) - k - 1);
        result = Text.left(keep) + QStringLiteral("...");
    }
    return result;
}

// Draws Text (Count characters, -1: all) in Rect on the canvas by the DT_ flags; with
// DT_CALCRECT Rect receives the text's extent. DT_MODIFYSTRING is dropped: the text is
// never written to. Answers the height of the text.
int DrawTextOnCanvas(TCanvas* Canvas, const String& Text, int Count, TRect& Rect, UINT Format);
// Removes one queued message Msg of the window Wnd; a removed WM_QUIT is posted again with
// its exit code, so the quit request is not lost.
void DiscardQueuedMessage(HWND Wnd, UINT Msg);
// BitBlt with the same arguments, and its result.
BOOL DoBitBlt(HDC DstDC, int X, int Y, int Width, int Height, HDC SrcDC, int SrcX, int SrcY, DWORD Rop);
