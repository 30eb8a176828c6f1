// TScreen: the screen the program runs on, its cursors and fonts, the forms of the
// program and the active form and control; one instance, Screen.
#pragma once

#include "platform/classes/Component.h"
#include "platform/controls/ControlTypes.h"

#include <vector>

class TCustomForm;
class TWinControl;
class TStrings;
class TFont;

class TScreen : public TComponent {
    ORVO_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;

    int Width() const;
    int Height() const;
    int DesktopWidth() const;
    int DesktopHeight() const;
    TRect DesktopRect() const;
    TRect WorkAreaRect() const;
    int PixelsPerInch() const { return 96; }

    // The cursor shapes by id: the stock ids (crDefault, crHourGlass ...) and custom ids
    // a program registers. An unknown id gives the default cursor. The screen owns the
    // cursors stored in it.
    HCURSOR Cursors(int Index) const { return FCursors.Cursor(Index); }
    void SetCursors(int Index, HCURSOR Value);
    // The global cursor override (crDefault: each control shows its own).
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);

    // The installed font families, sorted.
    TStrings* Fonts();
    TFont* HintFont() const { return FHintFont; }
    TFont* IconFont() const { return FIconFont; }
    TFont* MenuFont() const { return FMenuFont; }

    int FormCount() const { return int(FForms.size()); }
    TCustomForm* Forms(int Index) const { return FForms.at(std::size_t(Index)); }
    int CustomFormCount() const { return FormCount(); }
    TCustomForm* CustomForms(int Index) const { return Forms(Index); }
    TCustomForm* ActiveForm() const { return FActiveForm; }
    TCustomForm* ActiveCustomForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const { return FActiveControl; }

    TNotifyEvent OnActiveControlChange;
    TNotifyEvent OnActiveFormChange;

    // Kept up to date by the forms.
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    void SetActiveForm(TCustomForm* Form);
    void SetActiveControl(TWinControl* Control);

private:
    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
    TWinControl* FActiveControl = nullptr;
    TCursor FCursor = crDefault;
    TCursorTable FCursors;
    TStrings* FFonts = nullptr;
    TFont* FHintFont;
    TFont* FIconFont;
    TFont* FMenuFont;
};

extern TScreen* Screen;

// System metrics (values of a 96 DPI desktop with classic metrics).
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CYHSCROLL = 3;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXBORDER = 5;
inline constexpr int SM_CYBORDER = 6;
inline constexpr int SM_CXDLGFRAME = 7;
inline constexpr int SM_CYDLGFRAME = 8;
inline constexpr int SM_CYVTHUMB = 9;
inline constexpr int SM_CXHTHUMB = 10;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CXCURSOR = 13;
inline constexpr int SM_CYCURSOR = 14;
inline constexpr int SM_CYMENU = 15;
inline constexpr int SM_CXFULLSCREEN = 16;
inline constexpr int SM_CYFULLSCREEN = 17;
inline constexpr int SM_CYVSCROLL = 20;
inline constexpr int SM_CXHSCROLL = 21;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXDOUBLECLK = 36;
inline constexpr int SM_CYDOUBLECLK = 37;
inline constexpr int SM_CXEDGE = 45;
inline constexpr int SM_CYEDGE = 46;
inline constexpr int SM_CXSIZE = 30;
inline constexpr int SM_CYSIZE = 31;
inline constexpr int SM_CXDRAG = 68;
inline constexpr int SM_CYDRAG = 69;
inline constexpr int SM_SERVERR2 = 89;
int GetSystemMetrics(int Index);
