#include "chart/engine/panel/PanelFunctions.h"

#include "chart/engine/panel/CustomTeePanel.h"
#include "chart/engine/pictures/BitmapFilters.h"
#include "platform/classes/Component.h"
#include "platform/classes/Registry.h"
#include "platform/controls/Control.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Gdi.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/win/Locale.h"
#include "platform/win/Shell.h"

#include <QCoreApplication>

#include <memory>

// ---- text and names --------------------------------------------------------------------

String TeeGetUniqueName(TComponent* Owner, const String& Base) {
    if (!Owner) return Base + QStringLiteral("1");
    for (int n = 1;; ++n) {
        const String name = Base + TeeStr(n);
        if (!Owner->FindComponent(name)) return name;
    }
}

String TeeFieldsSeparator = QStringLiteral(";");

int TeeNumFields(const String& Text) {
    return TeeNumFields(Text, TeeFieldsSeparator);
}

int TeeNumFields(const String& Text, const String& Separator) {
    if (Text.isEmpty()) return 0;
    if (Separator.isEmpty()) return 1;
    return 1 + int(Text.count(Separator));
}

String TeeExtractField(const String& Text, int Index) {
    return TeeExtractField(Text, Index, TeeFieldsSeparator);
}

String TeeExtractField(const String& Text, int Index, const String& Separator) {
    if (Text.isEmpty() || Index < 1) return String();
    if (Separator.isEmpty()) return Text;
    qsizetype start = 0;
    for (;;) {
        const qsizetype p = Text.indexOf(Separator, start);
        if (p < 0) return Text.mid(start);
        if (--Index == 0) return Text.mid(start, p - start);
        start = p + Separator.size();
    }
}

String ReplaceChar(const String& Text, QChar Old, QChar New) {
    if (Old == New) return Text;
    String result;
    result.reserve(Text.size());
    for (QChar c : Text) {
        if (c != Old)
            result.append(c);
        else if (!New.isNull())
            result.append(New);
    }
    return result;
}

namespace {
// Each character of Format that is From1 or From2 becomes To1 or To2 (at once, so that the
// two may exchange); unchanged when the locale's two separators are one character.
String swapSeparators(const String& Format, QChar From1, QChar To1, QChar From2, QChar To2) {
    if (FormatSettings.ThousandSeparator == FormatSettings.DecimalSeparator) return Format;
    String result = Format;
    for (QChar& c : result) {
        if (c == From1)
            c = To1;
        else if (c == From2)
            c = To2;
    }
    return result;
}
} // namespace

String VclToLocalFormat(const String& Format) {
    return swapSeparators(Format, u',', FormatSettings.ThousandSeparator, u'.',
                          FormatSettings.DecimalSeparator);
}

String LocalToVclFormat(const String& Format) {
    return swapSeparators(Format, FormatSettings.ThousandSeparator, u',', FormatSettings.DecimalSeparator,
                          u'.');
}

String TeeDefaultXMLEncoding() {
    const String locale = LocaleProvider().SystemLocaleName();
    return locale.startsWith(QStringLiteral("ja"), Qt::CaseInsensitive) ? QStringLiteral("shift_jis")
                                                                        : QStringLiteral("UTF-16");
}

void TeeSort(int First, int Last, const TTeeSortCompare& Compare, const TTeeSortSwap& Swap) {
    // The smaller part is sorted by recursion and the larger one by the loop, so the depth
    // stays logarithmic whatever the data.
    while (First < Last) {
        int i = First, j = Last, m = int((Int64(First) + Last) / 2);
        while (i < j) {
            // The bounds hold an inconsistent comparison inside the range.
            while (i < Last && Compare(i, m) < 0)
                ++i;
            while (j > First && Compare(m, j) < 0)
                --j;
            if (i < j) {
                Swap(i, j);
                if (i == m)
                    m = j;
                else if (j == m)
                    m = i;
            }
            if (i <= j) {
                ++i;
                --j;
            }
        }
        if (j - First < Last - i) {
            if (First < j) TeeSort(First, j, Compare, Swap);
            First = i;
        } else {
            if (i < Last) TeeSort(i, Last, Compare, Swap);
            Last = j;
        }
    }
}

// ---- palette ---------------------------------------------------------------------------

const std::array<TColor, 20> TeeDefaultPalette = {
    clRed,  clGreen, clYellow, clBlue,   clWhite, clGray,  clFuchsia,    clTeal,    clNavy,  clMaroon,
    clLime, clOlive, clPurple, clSilver, clAqua,  clBlack, clMoneyGreen, clSkyBlue, clCream, clMedGray};

std::vector<TColor> ColorPalette(TeeDefaultPalette.begin(), TeeDefaultPalette.end());

TColor GetDefaultColor(int Index) {
    const std::span<const TColor> palette = ColorPalette.empty() ? std::span<const TColor>(TeeDefaultPalette)
                                                                 : std::span<const TColor>(ColorPalette);
    const Int64 n = Int64(palette.size());
    return palette[std::size_t(((Int64(Index) % n) + n) % n)];
}

void SetDefaultColorPalette(std::span<const TColor> Colors, int High) {
    const int count = std::min(High + 1, int(Colors.size()));
    if (count <= 0) {
        SetDefaultColorPalette();
        return;
    }
    ColorPalette.assign(Colors.begin(), Colors.begin() + count);
}

void SetDefaultColorPalette() {
    ColorPalette.assign(TeeDefaultPalette.begin(), TeeDefaultPalette.end());
}

// ---- bitmaps, check boxes, links -------------------------------------------------------

bool TeeLoadBitmap(TBitmap* Bitmap, const String& Name1, const String& Name2) {
    if (!Bitmap) return false;
    // The program is the only resource module on this platform.
    for (const String& name : {Name1, Name2}) {
        if (name.isEmpty()) continue;
        try {
            Bitmap->LoadFromResourceName(nullptr, name.left(255));
            return true;
        } catch (const Exception&) {
            // Not there or not readable: the next name is tried.
        }
    }
    return false;
}

bool TeeGetBitmapEditor(TObject* Object, TBitmap* Bitmap) {
    if (!Object) return false;
    const TClass parent = Object->ClassParent();
    return TeeLoadBitmap(Bitmap, Object->ClassName(), parent ? parent->ClassName() : String());
}

void TeeDrawBitmapEditor(TCanvas* Canvas, TObject* Element, int Left, int Top) {
    if (!Canvas) return;
    TBitmap icon;
    if (TeeGetBitmapEditor(Element, &icon)) Canvas->Draw(Left, Top, &icon);
}

TBitmap* TeeAntiAlias(TCustomTeePanel* Panel, bool Flag) {
    (void)Flag;
    std::unique_ptr<TBitmap> bitmap(Panel->TeeCreateBitmap(
        Panel->Color(), TRect{0, 0, Panel->ClientWidth(), Panel->ClientHeight()}, pf24bit));
    bitmap->SetPixelFormat(pf24bit);
    TSoftenFilter soften(nullptr);
    soften.Apply(bitmap.get());
    return bitmap.release();
}

void TeeDrawCheckBox(int X, int Y, TCanvas* Canvas, bool Checked, TColor Color, bool CheckBox) {
    (void)Color;
    TRect r{X, Y, X + 13, Y + 13};
    UINT state = CheckBox ? DFCS_BUTTONCHECK : DFCS_BUTTONRADIO;
    if (Checked) state |= DFCS_CHECKED;
    DrawFrameControl(Canvas->Handle(), &r, DFC_BUTTON, state);
}

void TeeGotoURL(HWND Handle, const String& Address) {
    (void)Handle;
    ShellOpen(Address.left(255));
}

// ---- controls and translation ----------------------------------------------------------

void EnableControls(bool Enable, std::span<TControl* const> Controls) {
    for (TControl* c : Controls)
        if (c) c->SetEnabled(Enable);
}

TTeeTranslateHook TeeTranslateHook = nullptr;
TTeeTranslateStringHook TeeTranslateStringHook = nullptr;

void TeeTranslateControl(TControl* Control, std::span<TControl* const> Exclude, int High) {
    if (TeeTranslateHook) TeeTranslateHook(Control, Exclude, High);
}

void TeeTranslateControl(TControl* Control) {
    TeeTranslateControl(Control, {}, -1);
}

String TeeTranslateString(const String& Text) {
    return TeeTranslateStringHook ? TeeTranslateStringHook(Text) : Text;
}

// ---- chart editor options --------------------------------------------------------------

const String TeeEditorOptionsKey = QStringLiteral("SOFTWARE\\Ririvi Software\\RorOraza Doz\\Editor");

namespace {
// Read runs with the key open read-only and answers the stored value, or the default when
// the key, the value or a readable value is missing.
template <class V, class R> V readOption(const String& Name, V Default, R Read) {
    try {
        TRegistry reg;
        reg.SetRootKey(HKEY_CURRENT_USER);
        if (reg.OpenKeyReadOnly(TeeEditorOptionsKey) && reg.ValueExists(Name)) return Read(reg);
    } catch (const Exception&) {
        // A value of another kind reads as missing.
    }
    return Default;
}
// Write runs with the key open (made when missing); nothing is written when it cannot be.
template <class W> void saveOption(W Write) {
    try {
        TRegistry reg;
        reg.SetRootKey(HKEY_CURRENT_USER);
        if (reg.OpenKey(TeeEditorOptionsKey, true)) {
            Write(reg);
            reg.CloseKey();
        }
    } catch (const Exception&) {
        // An option that cannot be saved is not worth an error.
    }
}
} // namespace

bool TeeReadBoolOption(const String& Name, bool Default) {
    return readOption(Name, Default, [&](TRegistry& r) { return r.ReadBool(Name); });
}
int TeeReadIntegerOption(const String& Name, int Default) {
    return readOption(Name, Default, [&](TRegistry& r) { return r.ReadInteger(Name); });
}
String TeeReadStringOption(const String& Name, const String& Default) {
    return readOption(Name, Default, [&](TRegistry& r) { return r.ReadString(Name); });
}
void TeeSaveBoolOption(const String& Name, bool Value) {
    saveOption([&](TRegistry& r) { r.WriteBool(Name, Value); });
}
void TeeSaveIntegerOption(const String& Name, int Value) {
    saveOption([&](TRegistry& r) { r.WriteInteger(Name, Value); });
}
void TeeSaveStringOption(const String& Name, const String& Value) {
    saveOption([&](TRegistry& r) { r.WriteString(Name, Value); });
}

// ---- cursor ----------------------------------------------------------------------------

void TeeRegisterHandCursor() {
    if (!Screen) return;
    if (HCURSOR hand = LoadCursor(0, QStringLiteral("TEE_CURSOR_HAND"))) Screen->SetCursors(crTeeHand, hand);
}

namespace {
// The screen may be made after this unit during static initialisation; registering again
// when the application object exists covers that order.
[[maybe_unused]] const bool handCursorRegistered = (TeeRegisterHandCursor(), true);
Q_COREAPP_STARTUP_FUNCTION(TeeRegisterHandCursor)
} // namespace
