// The status-bar common control and the status bar built on it.
//
// TStatusWindow is the control of window class "msctls_statusbar32": it keeps the parts
// (their right edges; an edge of -1 reaches the right edge of the bar), each part's text
// and drawing flags, the border widths, simple mode, its background colour and a size
// grip (window style SBARS_SIZEGRIP), and answers the SB_ messages. A part set with
// SBT_OWNERDRAW is drawn by the control itself: it receives CN_DRAWITEM with a
// DRAWITEMSTRUCT (the part's index, rectangle, DC and item data) on every paint.
//
// TStatusBar lays out a collection of TStatusPanel on it (widths, alignment, bevel, owner
// drawing through OnDrawPanel) or shows SimpleText over the whole bar.
#pragma once

#include "platform/classes/Collection.h"
#include "platform/controls/CustomControl.h"
#include "platform/controls/StdControlTypes.h"

#include <cstdint>
#include <vector>

inline constexpr char16_t STATUSCLASSNAME[] = u"msctls_statusbar32";

// Status-bar messages, styles and text flags.
inline constexpr UINT SB_SETPARTS = WM_USER + 4;
inline constexpr UINT SB_GETPARTS = WM_USER + 6;
inline constexpr UINT SB_GETBORDERS = WM_USER + 7;
inline constexpr UINT SB_SETMINHEIGHT = WM_USER + 8;
inline constexpr UINT SB_SIMPLE = WM_USER + 9;
inline constexpr UINT SB_GETRECT = WM_USER + 10;
inline constexpr UINT SB_SETTEXTW = WM_USER + 11;
inline constexpr UINT SB_GETTEXTLENGTHW = WM_USER + 12;
inline constexpr UINT SB_GETTEXTW = WM_USER + 13;
inline constexpr UINT SB_ISSIMPLE = WM_USER + 14;
inline constexpr UINT SB_SETBKCOLOR = 0x2001;
inline constexpr WPARAM SB_SIMPLEID = 0x00FF;
inline constexpr WPARAM SBT_NOBORDERS = 0x0100;
inline constexpr WPARAM SBT_POPOUT = 0x0200;
inline constexpr WPARAM SBT_RTLREADING = 0x0400;
inline constexpr WPARAM SBT_NOTABPARSING = 0x0800;
inline constexpr WPARAM SBT_OWNERDRAW = 0x1000;
inline constexpr DWORD SBARS_SIZEGRIP = 0x0100;
inline constexpr DWORD CCS_TOP = 0x0001;
inline constexpr UINT ODA_DRAWENTIRE = 0x0001;

// What an owner-drawn item is told to draw (CN_DRAWITEM's LParam).
struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = ODA_DRAWENTIRE;
    UINT itemState = 0;
    HWND hwndItem = nullptr;
    HDC hDC = nullptr;
    TRect rcItem;
    std::uintptr_t itemData = 0;
};
using TDrawItemStruct = DRAWITEMSTRUCT;

class TStatusWindow : public TCustomControl {
    ORVO_CLASS(TStatusWindow, TCustomControl)
public:
    explicit TStatusWindow(TComponent* AOwner);

    void Dispatch(TMessage& Message) override;

    // The border widths SB_GETBORDERS reports: horizontal, vertical, between parts.
    static constexpr int HorzBorder = 0;
    static constexpr int VertBorder = 2;
    static constexpr int PartGap = 2;
    // The size grip's width at the right edge.
    static constexpr int GripSize = 16;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;

private:
    struct Part {
        int Edge = -1;
        String Text;
        WPARAM Flags = 0;
        std::uintptr_t Data = 0;
    };
    TRect PartRect(int Index) const;
    void PaintPart(const TRect& R, const Part& P, UINT Id);
    Part& PartAt(WPARAM Id);

    std::vector<Part> FParts;
    Part FSimple;
    bool FSimpleMode = false;
    COLORREF FBkColor = CLR_DEFAULT;
};

class TStatusBar;

enum TStatusPanelStyle { psText, psOwnerDraw };
ORVO_DECLARE_ENUM_TYPE(TStatusPanelStyle)
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
ORVO_DECLARE_ENUM_TYPE(TStatusPanelBevel)

class TStatusPanel : public TCollectionItem {
    ORVO_CLASS(TStatusPanel, TCollectionItem)
public:
    explicit TStatusPanel(TCollection* Collection);
    void Assign(TPersistent* Source) override;

    String Text() const { return FText; }
    void SetText(const String& Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel Value);
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle Value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool Value);

protected:
    String GetDisplayName() const override;

private:
    String FText;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelBevel FBevel = pbLowered;
    TStatusPanelStyle FStyle = psText;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
};

class TStatusPanels : public TCollection {
    ORVO_CLASS(TStatusPanels, TCollection)
public:
    explicit TStatusPanels(TStatusBar* AStatusBar = nullptr);
    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int Index) const { return static_cast<TStatusPanel*>(TCollection::Items(Index)); }
    TPersistent* GetOwner() const override;

protected:
    void Update(TCollectionItem* Item) override;

private:
    TStatusBar* FStatusBar;
};

using TDrawPanelEvent = TEvent<TStatusBar*, TStatusPanel*, const TRect&>;
ORVO_DECLARE_EVENT_TYPE(TDrawPanelEvent)

class TStatusBar : public TStatusWindow {
    ORVO_CLASS(TStatusBar, TStatusWindow)
public:
    explicit TStatusBar(TComponent* AOwner);
    ~TStatusBar() override;

    TStatusPanels* Panels() const { return FPanels; }
    void SetPanels(TStatusPanels* Value);
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool Value);
    String SimpleText() const { return FSimpleText; }
    void SetSimpleText(const String& Value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value);

    void Dispatch(TMessage& Message) override;

    TDrawPanelEvent OnDrawPanel;

protected:
    void CreateParams(TCreateParams& Params) override;
    // Draws an owner-drawn panel: OnDrawPanel on the bar's Canvas, else nothing.
    virtual void DrawPanel(TStatusPanel* Panel, const TRect& Rect);

private:
    friend class TStatusPanels;
    // Sends the panels' parts and texts to the control.
    void UpdatePanels();

    TStatusPanels* FPanels;
    bool FSimplePanel = false;
    String FSimpleText;
    bool FSizeGrip = true;
};
