// Mouse cursors: the TCursor ids (crDefault and the stock negative ids), their "crXxx"
// identifiers, the stock cursor handles (drawn by the desktop), cursors loaded from the
// program's resources and from cursor files, and the table of cursors by id that the
// screen object holds (stock ids plus the custom ids a program registers, such as 2020).
#pragma once

#include "platform/graphics/Icon.h"

#include <QImage>

#include <map>
#include <vector>

class QCursor;

using TCursor = short;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// "crDefault" style identifiers; the list runs from crDefault down to crSizeAll.
bool CursorToIdent(int Cursor, String& Ident);
bool IdentToCursor(const String& Ident, int& Cursor);
// The identifier when there is one, else the number.
String CursorToString(TCursor Cursor);
// An identifier or a number; raises EConvertError.
TCursor StringToCursor(const String& S);
// Calls Proc with every cursor identifier, in the order of the list.
void GetCursorValues(void (*Proc)(const String& S, void* Data), void* Data);

// The system cursors of LoadCursor(0, IDC_...).
inline constexpr int IDC_ARROW = 32512;
inline constexpr int IDC_IBEAM = 32513;
inline constexpr int IDC_WAIT = 32514;
inline constexpr int IDC_CROSS = 32515;
inline constexpr int IDC_UPARROW = 32516;
inline constexpr int IDC_SIZENWSE = 32642;
inline constexpr int IDC_SIZENESW = 32643;
inline constexpr int IDC_SIZEWE = 32644;
inline constexpr int IDC_SIZENS = 32645;
inline constexpr int IDC_SIZEALL = 32646;
inline constexpr int IDC_NO = 32648;
inline constexpr int IDC_HAND = 32649;
inline constexpr int IDC_APPSTARTING = 32650;
inline constexpr int IDC_HELP = 32651;

// A system cursor (shared, never destroyed); null for an unknown id.
HCURSOR LoadCursor(NativeUInt Instance, int CursorId);
// A cursor resource of the program by name (letter case ignored); null when there is
// none. The program's hand cursor "TEE_CURSOR_HAND" is the desktop's pointing hand.
HCURSOR LoadCursor(NativeUInt Instance, const String& Name);
// A cursor (.cur), icon or animated cursor (.ani) file, told apart by their contents;
// null when the file cannot be read, is damaged or is of another kind. An animated
// cursor shows the frame of its first step (a Qt cursor is one image). The caller owns
// the handle.
HCURSOR LoadCursorFromFile(const String& FileName);

// The cursors by id. Stock ids answer the desktop's cursors until replaced; an id with
// no cursor answers the default cursor. The table owns the cursors stored in it and
// destroys one when its last slot lets go of it (a handle may sit in several slots).
class TCursorTable {
public:
    TCursorTable();
    ~TCursorTable();
    TCursorTable(const TCursorTable&) = delete;
    TCursorTable& operator=(const TCursorTable&) = delete;

    HCURSOR Cursor(int Index) const;
    // Stores Handle at Index (null removes the entry; for crDefault, the arrow again).
    void SetCursor(int Index, HCURSOR Handle);
    // True when Index holds a cursor of its own.
    bool Contains(int Index) const;

private:
    void Release(HCURSOR Handle);
    HCURSOR default_;
    std::map<int, HCURSOR> cursors_;
};

namespace platform::detail {
// An animated cursor file read apart: its frames and its steps (the frame each step
// shows, and for how long, in sixtieths of a second).
struct TAnimatedCursorFrame {
    QImage Image;
    TPoint HotSpot;
};
struct TAnimatedCursorStep {
    int Frame = 0;
    int Jiffies = 0;
};
struct TAnimatedCursorFile {
    std::vector<TAnimatedCursorFrame> Frames;
    std::vector<TAnimatedCursorStep> Steps;
};
// Reads a RIFF "ACON" file: header, optional rates and sequence, the frames (each a
// cursor or icon file). False for anything damaged or inconsistent: a chunk past the
// end, a frame count that does not match the header, a step naming a missing frame,
// rates or sequence of another length than the steps, a frame that does not decode.
bool ReadAnimatedCursorFile(const QByteArray& Data, TAnimatedCursorFile& File);
// A cursor from the bytes of a cursor, icon or animated cursor file; null when damaged.
HCURSOR CursorFromFileBytes(const QByteArray& Data);
// The stock cursor of a stock id (the arrow for others).
HCURSOR StockCursor(TCursor Cursor);
// The Qt cursor that shows a handle (the arrow for null).
QCursor ToQCursor(HCURSOR Cursor);
} // namespace platform::detail
