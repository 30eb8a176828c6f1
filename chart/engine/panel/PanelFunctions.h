// The chart panel unit's shared services: names and separated field lists, number-format
// separators, a callback quick sort, the default series palette, bitmap resources,
// translation hooks, the chart editor's options in the registry, links, check boxes and
// the charts' hand cursor.
#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/Cursor.h"
#include "platform/win/WinTypes.h"

#include <array>
#include <functional>
#include <span>
#include <vector>

class TBitmap;
class TCanvas;
class TComponent;
class TControl;
class TCustomTeePanel;
class TObject;

// ---- text and names --------------------------------------------------------------------

inline String TeeStr(int N) {
    return String::number(N);
}
// Base followed by the smallest n >= 1 that no component of Owner is named; Base + "1"
// without an owner.
String TeeGetUniqueName(TComponent* Owner, const String& Base);

// Separator of TeeNumFields and TeeExtractField.
extern String TeeFieldsSeparator;
// 0 for an empty text, else 1 + the number of separators.
int TeeNumFields(const String& Text);
int TeeNumFields(const String& Text, const String& Separator);
// Field Index (from 1) of Text; "" for an empty text or Index < 1; an index past the last
// field gives the last field.
String TeeExtractField(const String& Text, int Index);
String TeeExtractField(const String& Text, int Index, const String& Separator);
// Every Old replaced by New; a null New removes them. Old equal to New leaves the text.
String ReplaceChar(const String& Text, QChar Old, QChar New);
// A number format between the built-in separators ("," thousands, "." decimals) and the
// locale's; unchanged when the locale uses one character for both.
String VclToLocalFormat(const String& Format);
String LocalToVclFormat(const String& Format);
// "shift_jis" on a Japanese system, else "UTF-16".
String TeeDefaultXMLEncoding();

// Quick sort of the items First .. Last through their indexes: Compare(a, b) < 0 when item
// a sorts before item b; Swap(a, b) exchanges two items.
using TTeeSortCompare = std::function<int(int a, int b)>;
using TTeeSortSwap = std::function<void(int a, int b)>;
void TeeSort(int First, int Last, const TTeeSortCompare& Compare, const TTeeSortSwap& Swap);

// ---- palette ---------------------------------------------------------------------------

// The default series colours.
extern std::vector<TColor> ColorPalette;
// The 20 colours ColorPalette starts with.
extern const std::array<TColor, 20> TeeDefaultPalette;
// ColorPalette[Index mod its length]; the default palette stands in for an empty one.
TColor GetDefaultColor(int Index);
// The palette becomes Colors[0 .. High] (held to the span); no colours (High < 0) restore
// the default palette.
void SetDefaultColorPalette(std::span<const TColor> Colors, int High);
void SetDefaultColorPalette();

// ---- bitmaps, check boxes, links -------------------------------------------------------

// Loads the bitmap resource Name1, else Name2, into Bitmap; false when neither loads.
bool TeeLoadBitmap(TBitmap* Bitmap, const String& Name1, const String& Name2);
// The editor icon of an object: the resource named after its class or its parent class.
bool TeeGetBitmapEditor(TObject* Object, TBitmap* Bitmap);
// Draws the editor icon of Element with its top-left corner at (Left, Top); nothing when
// the element has no icon.
void TeeDrawBitmapEditor(TCanvas* Canvas, TObject* Element, int Left, int Top);
// The panel drawn into a new 24-bit bitmap of its client area's size on the panel colour,
// smoothed once with the soften filter. Flag has no effect. The caller owns the bitmap.
TBitmap* TeeAntiAlias(TCustomTeePanel* Panel, bool Flag = false);
// A 13 x 13 check box (CheckBox) or radio button at (X, Y). Color has no effect.
void TeeDrawCheckBox(int X, int Y, TCanvas* Canvas, bool Checked, TColor Color, bool CheckBox = true);
// Opens a web link, mail link or file with the desktop's handler.
void TeeGotoURL(HWND Handle, const String& Address);

// ---- controls and translation ----------------------------------------------------------

void EnableControls(bool Enable, std::span<TControl* const> Controls);
using TTeeTranslateHook = void (*)(TControl* Control, std::span<TControl* const> Exclude, int High);
using TTeeTranslateStringHook = String (*)(const String& Text);
extern TTeeTranslateHook TeeTranslateHook;
extern TTeeTranslateStringHook TeeTranslateStringHook;
void TeeTranslateControl(TControl* Control, std::span<TControl* const> Exclude, int High);
void TeeTranslateControl(TControl* Control);
String TeeTranslateString(const String& Text);

// ---- chart editor options --------------------------------------------------------------

// The current user's registry key of the options.
extern const String TeeEditorOptionsKey;
bool TeeReadBoolOption(const String& Name, bool Default);
int TeeReadIntegerOption(const String& Name, int Default);
String TeeReadStringOption(const String& Name, const String& Default);
void TeeSaveBoolOption(const String& Name, bool Value);
void TeeSaveIntegerOption(const String& Name, int Value);
void TeeSaveStringOption(const String& Name, const String& Value);

// ---- cursor ----------------------------------------------------------------------------

// The charts' hand cursor, registered with the screen at start-up.
inline constexpr TCursor crTeeHand = 2020;
// Registers (again) the hand cursor under crTeeHand.
void TeeRegisterHandCursor();
