// Theme-aware background painting and erasing through the parent, text and image-list
// drawing for glass surfaces, the theming styles of a control, hot-track font following,
// the active-window test and the drag cursors of the extended controls.
//
// This platform has no theme engine, no glass composition and no buffered painting: the
// theme services answer that themes are off and the system has no composition, so the
// plain branches run. A test may install theme services that answer otherwise.
#pragma once

#include "platform/classes/Interfaces.h"
#include "platform/classes/Object.h"
#include "platform/controls/ControlTypes.h"
#include "platform/graphics/Color.h"
#include "platform/win/WinTypes.h"
#include "storage/support/XcComponent.h"

class TCanvas;
class TControl;
class TFont;
class TCustomImageList;
using HIMAGELIST = TCustomImageList*;
using HTHEME = void*;

// The theme classes whose theme handles the drawing functions ask for.
enum TThemedElement { teToolBar };

// Options of themed text drawing; the record is 64 bytes long on the original platform,
// and dwSize says so.
struct DTTOPTS {
    DWORD dwSize = 0;
    DWORD dwFlags = 0;
    COLORREF crText = 0;
    COLORREF crBorder = 0;
    COLORREF crShadow = 0;
    int iTextShadowType = 0;
    TPoint ptShadowOffset;
    int iBorderSize = 0;
    int iFontPropId = 0;
    int iColorPropId = 0;
    int iStateId = 0;
    BOOL fApplyOverlay = 0;
    int iGlowSize = 0;
};
inline constexpr DWORD DTTOPTS_RECORD_SIZE = 64;
inline constexpr DWORD DTT_TEXTCOLOR = 0x0001;
inline constexpr DWORD DTT_CALCRECT = 0x0200;
inline constexpr DWORD DTT_COMPOSITED = 0x2000;
inline constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u);

// The process-wide theme services.
class TThemeServices : public TObject {
    ORVO_CLASS(TThemeServices, TObject)
public:
    // Whether visual themes are in use: never on this platform.
    virtual bool ThemesEnabled() const { return false; }
    // Whether the system has glass composition, buffered painting and themed text (the
    // original platform from Windows 6.0 on): not this platform.
    virtual bool CompositionAvailable() const { return false; }
    // The theme handle of a theme class (none without themes).
    virtual HTHEME Theme(TThemedElement Element) const;
    // Paints the background of the window's parent into DC (the window's own coordinates),
    // limited to Bounds (null: the whole window). Details and OnlyIfTransparent are unused
    // without a theme engine.
    virtual void DrawParentBackground(HWND Window, HDC DC, const void* Details, bool OnlyIfTransparent,
                                      const TRect* Bounds);
    // Themed text with options; E_NOTIMPL without a theme engine.
    virtual HRESULT DrawThemeTextEx(HTHEME Theme, HDC DC, int PartId, int StateId, const String& Text,
                                    int Count, DWORD Flags, TRect* R, const DTTOPTS* Options);
};

TThemeServices* GetThemeServices();
// Installs other theme services (tests); answers the ones in use before. Null restores
// the platform's own.
TThemeServices* SetThemeServices(TThemeServices* Value);

// The rectangle that stands for "no clipping rectangle given".
inline constexpr TRect NoClipRect{0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF};

// Adds to the control's style those of csNeedsBorderPaint and csParentBackground that are
// in Style; other flags are ignored.
void AddThemingStyles(TControl* Control, TControlStyle Style);
// The control's style restricted to csNeedsBorderPaint and csParentBackground.
TControlStyle ThemingStylesOf(TControl* Control);

// Fills R on Canvas with Color, unless themes are on, the control has a parent of the same
// colour and it does not insist on its own background (OwnBackground without
// csParentBackground): then the parent's background shows through.
void PaintControlBackground(TControl* Control, TCanvas* Canvas, const TRect& R, TColor Color,
                            bool OwnBackground);
// The same with the canvas's brush colour.
void PaintControlBackgroundInBrushColor(TControl* Control, TCanvas* Canvas, const TRect& R,
                                        bool OwnBackground);

// Lets the control's parent erase its background into DC, with the DC's window origin
// moved by Offset (the control's position in the parent) and the drawing clipped to R (in
// the DC's coordinates; NoClipRect: not clipped). Origin and clip come back as they were,
// also when an exception passes.
void EraseBackgroundByParentAtClipped(TControl* Control, HDC DC, TPoint Offset, const TRect& R);
void EraseBackgroundByParentAt(TControl* Control, HDC DC, TPoint Offset);
// The same at the control's Left and Top.
void EraseBackgroundByParentClipped(TControl* Control, HDC DC, const TRect& R);
void EraseBackgroundByParent(TControl* Control, HDC DC);

bool HasGlassPaintState(TControl* Control);
// Whether the control paints on glass: it has the glass-paint state and no double-buffered
// control (other than a form) lies between it and its form.
bool IsPaintingOnGlass(TControl* Control);
// Draws text by the DT_ flags; with themes on a composing system as themed text.
void DrawTextGlassAware(HDC DC, const String& Text, TRect& R, bool Composited, UINT Format);
// Draws an image of a list; on glass (a composing system) through an opaque buffer whose
// transparent pixels get alpha 0.
void DrawImageListGlassAware(HIMAGELIST ImageList, int Index, HDC DC, int X, int Y, UINT Style, bool Glass);

// True when the active window belongs to the calling thread.
bool ActiveWindowInThisThread();

enum TXcTrackFontOption {
    hoFollowFont,
    hoPreserveCharSet,
    hoPreserveColor,
    hoPreserveHeight,
    hoPreserveName,
    hoPreservePitch,
    hoPreserveStyle
};
using TXcTrackFontOptions = Set<TXcTrackFontOption>;

// With hoFollowFont, copies onto HotTrackFont the attributes of Font whose preserve option
// is not in Options.
void SyncTrackFont(TFont* HotTrackFont, TFont* Font, TXcTrackFontOptions Options);

// Points the screen's cursor ids 368 to 371 (the collection's drag cursors) at the stock
// drag cursors; runs once at start-up, when the screen exists.
void RegisterDragCursors();
