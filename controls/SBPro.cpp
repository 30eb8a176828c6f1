#include "controls/SBPro.h"

#include "platform/classes/TypInfo.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/Application.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TStatusPanelPro, TCollectionItem)
ORVO_IMPLEMENT_CLASS(TStatusPanelsPro, TCollection)
ORVO_IMPLEMENT_CLASS(TStatusBarPro, TStatusWindow)
ORVO_IMPLEMENT_EVENT_TYPE(TDrawPanelProEvent)

namespace {
// The drawing area the size grip takes off the last panel, and off the bar's width.
constexpr int kGripWidth = 16;
} // namespace

// The image-list calls live in their own unit: the image-list and status-bar headers of
// the platform cannot share one.
namespace sbpro::detail {
int ImageWidth(TCustomImageList* List);
int ImageHeight(TCustomImageList* List);
int ImageCount(TCustomImageList* List);
void DrawImage(TCustomImageList* List, TCanvas* Canvas, int X, int Y, int Index);
void Link(TCustomImageList* List, TChangeLink* Link, bool Register);
TChangeLink* NewChangeLink(TNotifyEvent OnChange);
void FreeChangeLink(TChangeLink* Link);
TComponent* AsComponent(TCustomImageList* List);
TCustomImageList* AsImageList(TComponent* Component);
} // namespace sbpro::detail
using namespace sbpro::detail;

// ---- TStatusPanelPro ----------------------------------------------------------------------

TStatusPanelPro::TStatusPanelPro(TCollection* Collection) : TCollectionItem(nullptr), FFont(new TFont) {
    FFont->OnChange = TNotifyEvent(this, &TStatusPanelPro::FontChanged);
    if (Collection) SetCollection(Collection);
    if (TStatusBarPro* bar = StatusBar()) {
        FBiDiMode = bar->BiDiMode();
        FColor = bar->Color();
        FTakingParentFont = true;
        FFont->Assign(bar->Font());
        FTakingParentFont = false;
    }
}

TStatusPanelPro::~TStatusPanelPro() {
    FFont->OnChange = TNotifyEvent();
    delete FFont;
}

TStatusBarPro* TStatusPanelPro::StatusBar() const {
    auto* panels = dynamic_cast<TStatusPanelsPro*>(Collection());
    return panels ? panels->StatusBar() : nullptr;
}

int TStatusPanelPro::ClampWidth(int Value) const {
    if (Value < FMinWidth) return FMinWidth;
    if (Value > FMaxWidth) return FMaxWidth;
    return Value;
}

void TStatusPanelPro::FontChanged(TObject*) {
    if (FTakingParentFont) return;
    FParentFont = false;
    Changed(false);
}

void TStatusPanelPro::SetText(const String& Value) {
    if (Value == FText) return;
    FText = Value;
    Changed(FAutoWidth);
}

void TStatusPanelPro::SetImageIndex(int Value) {
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    Changed(FAutoWidth);
}

void TStatusPanelPro::SetIndent(int Value) {
    if (Value == FIndent) return;
    FIndent = Value;
    Changed(FAutoWidth);
}

void TStatusPanelPro::SetAlignment(TAlignment Value) {
    if (Value == FAlignment) return;
    FAlignment = Value;
    Changed(false);
}

void TStatusPanelPro::SetBevel(TStatusPanelBevel Value) {
    if (Value == FBevel) return;
    FBevel = Value;
    Changed(false);
}

void TStatusPanelPro::SetStyle(TStatusPanelStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    Changed(false);
}

void TStatusPanelPro::SetHint(const String& Value) {
    if (Value == FHint) return;
    FHint = Value;
    Changed(false);
}

void TStatusPanelPro::SetColor(TColor Value) {
    if (Value == FColor && !FParentColor) return;
    FColor = Value;
    FParentColor = false;
    Changed(false);
}

void TStatusPanelPro::SetBiDiMode(TBiDiMode Value) {
    if (Value == FBiDiMode && !FParentBiDiMode) return;
    FBiDiMode = Value;
    FParentBiDiMode = false;
    Changed(false);
}

void TStatusPanelPro::SetFont(TFont* Value) {
    FFont->Assign(Value);
}

void TStatusPanelPro::SetParentColor(bool Value) {
    if (Value == FParentColor) return;
    FParentColor = Value;
    if (Value)
        if (TStatusBarPro* bar = StatusBar()) FColor = bar->Color();
    Changed(false);
}

void TStatusPanelPro::SetParentBiDiMode(bool Value) {
    if (Value == FParentBiDiMode) return;
    FParentBiDiMode = Value;
    if (Value)
        if (TStatusBarPro* bar = StatusBar()) FBiDiMode = bar->BiDiMode();
    Changed(false);
}

void TStatusPanelPro::SetParentFont(bool Value) {
    if (Value == FParentFont) return;
    FParentFont = Value;
    if (Value)
        if (TStatusBarPro* bar = StatusBar()) {
            FTakingParentFont = true;
            FFont->Assign(bar->Font());
            FTakingParentFont = false;
        }
    Changed(false);
}

void TStatusPanelPro::SetWidth(int Value) {
    if (FAutoSize || FAutoWidth) return;
    Value = ClampWidth(Value);
    if (Value == FWidth) return;
    FWidth = Value;
    Changed(true);
}

void TStatusPanelPro::SetMinWidth(int Value) {
    if (Value == FMinWidth) return;
    FMinWidth = Value;
    if (!FAutoSize && FWidth < FMinWidth) {
        FWidth = FMinWidth;
        Changed(true);
    } else if (FAutoWidth) {
        Changed(true);
    }
}

void TStatusPanelPro::SetMaxWidth(int Value) {
    if (Value == FMaxWidth) return;
    FMaxWidth = Value;
    if (!FAutoSize && FWidth > FMaxWidth) {
        FWidth = FMaxWidth;
        Changed(true);
    } else if (FAutoWidth) {
        Changed(true);
    }
}

void TStatusPanelPro::SetAutoWidth(bool Value) {
    if (Value == FAutoWidth) return;
    FAutoWidth = Value;
    if (Value) {
        FAutoSize = false;
        Changed(true);
    }
}

void TStatusPanelPro::SetAutoSize(bool Value) {
    if (Value == FAutoSize) return;
    FAutoSize = Value;
    if (Value) {
        FAutoWidth = false;
        Changed(true);
    } else if (FWidth < FMinWidth || FWidth > FMaxWidth) {
        FWidth = ClampWidth(FWidth);
        Changed(true);
    }
}

void TStatusPanelPro::SetPopupMenu(TComponent* Value) {
    if (Value == FPopupMenu) return;
    FPopupMenu = Value;
    if (Value)
        if (TStatusBarPro* bar = StatusBar()) Value->FreeNotification(bar);
}

void TStatusPanelPro::SetCursor(TCursor Value) {
    if (Value == FCursor) return;
    FCursor = Value;
    if (TStatusBarPro* bar = StatusBar()) bar->UpdateCursor();
}

void TStatusPanelPro::SetControl(TControl* Value) {
    if (Value == FControl) return;
    FControl = Value;
    TStatusBarPro* bar = StatusBar();
    if (!bar || !Value) return;
    for (int i = 0; i < bar->Panels()->Count(); ++i) {
        TStatusPanelPro* other = bar->Panels()->Items(i);
        if (other != this && other->FControl == Value) other->SetControl(nullptr);
    }
    Value->FreeNotification(bar);
    Value->SetParent(bar);
    UpdateControlBounds();
}

void TStatusPanelPro::UpdateControlBounds() {
    TStatusBarPro* bar = StatusBar();
    if (!FControl || !bar) return;
    TRect r;
    if (!bar->SimplePanel()) {
        bar->Perform(SB_GETRECT, WPARAM(Index()), reinterpret_cast<LPARAM>(&r));
        int borders[3] = {0, 0, 0};
        bar->Perform(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
        r.Left += borders[2] / 2;
        r.Right -= borders[2] / 2;
        r.Top += borders[1] / 2;
        r.Bottom -= borders[1] / 2;
    }
    FControl->SetBoundsRect(r);
}

void TStatusPanelPro::DoContextPopup(TPoint MousePos, bool& Handled) {
    if (OnContextPopup) OnContextPopup(this, MousePos, Handled);
}

String TStatusPanelPro::GetDisplayName() const {
    String result = FText.isEmpty() ? TCollectionItem::GetDisplayName() : FText;
    if (!FName.isEmpty()) result = u'<' + FName + QStringLiteral("> ") + result;
    return result;
}

void TStatusPanelPro::Assign(TPersistent* Source) {
    if (auto* p = dynamic_cast<TStatusPanelPro*>(Source)) {
        SetText(p->FText);
        SetAutoSize(p->FAutoSize);
        SetAutoWidth(p->FAutoWidth);
        SetMinWidth(p->FMinWidth);
        SetMaxWidth(p->FMaxWidth);
        SetWidth(p->FWidth);
        SetColor(p->FColor);
        SetParentColor(p->FParentColor);
        SetCursor(p->FCursor);
        SetAlignment(p->FAlignment);
        SetBevel(p->FBevel);
        SetBiDiMode(p->FBiDiMode);
        SetParentBiDiMode(p->FParentBiDiMode);
        SetFont(p->FFont);
        SetParentFont(p->FParentFont);
        SetStyle(p->FStyle);
        SetHint(p->FHint);
        SetImageIndex(p->FImageIndex);
        SetPopupMenu(p->FPopupMenu);
        OnClick = p->OnClick;
        OnDblClick = p->OnDblClick;
        return;
    }
    if (auto* p = dynamic_cast<TStatusPanel*>(Source)) {
        SetText(p->Text());
        SetWidth(p->Width());
        SetAlignment(p->Alignment());
        SetBevel(p->Bevel());
        SetBiDiMode(p->BiDiMode());
        SetParentBiDiMode(p->ParentBiDiMode());
        return;
    }
    TCollectionItem::Assign(Source);
}

// ---- TStatusPanelsPro ---------------------------------------------------------------------

TStatusPanelsPro::TStatusPanelsPro(TStatusBarPro* AStatusBar)
    : TCollection(TStatusPanelPro::StaticClass()), FStatusBar(AStatusBar) {}

TPersistent* TStatusPanelsPro::GetOwner() const {
    return FStatusBar;
}

TStatusPanelPro* TStatusPanelsPro::GetByName(const String& Name) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Name() == Name) return Items(i);
    return nullptr;
}

void TStatusPanelsPro::Update(TCollectionItem* Item) {
    if (!FStatusBar) return;
    if (Item)
        FStatusBar->UpdatePanel(Item->Index(), false);
    else
        FStatusBar->UpdatePanels(true, false);
}

// ---- TStatusBarPro ------------------------------------------------------------------------

TStatusBarPro::TStatusBarPro(TComponent* AOwner) : TStatusWindow(AOwner) {
    FPanels = new TStatusPanelsPro(this);
    FImageChangeLink = NewChangeLink(TNotifyEvent(this, &TStatusBarPro::ImageListChange));
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks};
    SetColor(clBtnFace);
    SetHeight(19);
    SetAlign(alBottom);
    SetParentFont(false);
    if (Screen) Font()->Assign(Screen->HintFont());
}

TStatusBarPro::~TStatusBarPro() {
    SetImages(nullptr);
    FreeChangeLink(FImageChangeLink);
    FImageChangeLink = nullptr;
    TStatusPanelsPro* panels = FPanels;
    FPanels = nullptr;
    delete panels;
}

void TStatusBarPro::SetPanels(TStatusPanelsPro* Value) {
    FPanels->Assign(Value);
}

void TStatusBarPro::SetImages(TCustomImageList* Value) {
    if (Value == FImages) return;
    if (FImages) {
        Link(FImages, FImageChangeLink, false);
        AsComponent(FImages)->RemoveFreeNotification(this);
    }
    FImages = Value;
    if (FImages) {
        Link(FImages, FImageChangeLink, true);
        AsComponent(FImages)->FreeNotification(this);
    }
    ImageListChange(nullptr);
}

void TStatusBarPro::ImageListChange(TObject*) {
    if (!FPanels) return;
    for (int i = 0; i < FPanels->Count(); ++i) {
        TStatusPanelPro* p = FPanels->Items(i);
        if (p->AutoWidth() && p->ImageIndex() >= 0) {
            UpdatePanels(true, false);
            return;
        }
    }
    Invalidate();
}

bool TStatusBarPro::ImageShown(const TStatusPanelPro* Panel) const {
    return FImages && Panel->ImageIndex() >= 0 && Panel->ImageIndex() < ImageCount(FImages);
}

void TStatusBarPro::SetSimplePanel(bool Value) {
    if (Value == FSimplePanel) return;
    FSimplePanel = Value;
    Perform(SB_SIMPLE, Value ? 1 : 0, 0);
    for (int i = 0; i < FPanels->Count(); ++i)
        FPanels->Items(i)->UpdateControlBounds();
}

void TStatusBarPro::SetSimpleText(const String& Value) {
    if (Value == FSimpleText) return;
    FSimpleText = Value;
    Perform(SB_SETTEXTW, SB_SIMPLEID | (UseRightToLeftReading() ? SBT_RTLREADING : 0),
            reinterpret_cast<LPARAM>(FSimpleText.utf16()));
}

void TStatusBarPro::SetSizeGrip(bool Value) {
    if (Value == FSizeGrip) return;
    FSizeGrip = Value;
    const DWORD s = WindowStyle() & ~(SBARS_SIZEGRIP | CCS_TOP);
    SetWindowStyle(s | (Value ? SBARS_SIZEGRIP : CCS_TOP));
    UpdatePanels(true, false);
    Invalidate();
}

void TStatusBarPro::SetUseSystemFont(bool Value) {
    if (Value == FUseSystemFont) return;
    FUseSystemFont = Value;
    if (Value) {
        SetParentFont(false);
        SyncToSystemFont();
    }
}

void TStatusBarPro::SyncToSystemFont() {
    if (FUseSystemFont && Screen) Font()->Assign(Screen->HintFont());
}

void TStatusBarPro::SetAutoHintPanelIndex(int Value) {
    if (Value >= 0 && Value < FPanels->Count()) FAutoHintPanelIndex = Value;
}

void TStatusBarPro::SetBarCursor(TCursor Value) {
    FCursor = Value;
    UpdateCursor();
}

void TStatusBarPro::UpdateCursor() {
    const TCursor c = FMousePanel && FMousePanel->Cursor() != crDefault ? FMousePanel->Cursor() : FCursor;
    SetCursor(c);
}

void TStatusBarPro::CreateParams(TCreateParams& Params) {
    TStatusWindow::CreateParams(Params);
    Params.Style &= ~(SBARS_SIZEGRIP | CCS_TOP);
    bool grip = false;
    if (FSizeGrip)
        if (auto* form = dynamic_cast<TCustomForm*>(Parent()))
            grip = form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin;
    Params.Style |= grip ? SBARS_SIZEGRIP : CCS_TOP;
}

void TStatusBarPro::CreateHandle() {
    TStatusWindow::CreateHandle();
    Perform(SB_SETBKCOLOR, 0, LPARAM(ColorToRGB(Color())));
    UpdatePanels(true, false);
    if (!FSimpleText.isEmpty())
        Perform(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.utf16()));
    if (FSimplePanel) Perform(SB_SIMPLE, 1, 0);
    UpdateCursor();
}

void TStatusBarPro::PaintWindow(HDC DC) {
    // The marked texts reach the control before it paints.
    UpdatePanels(false, true);
    TStatusWindow::PaintWindow(DC);
}

void TStatusBarPro::UpdatePanelsWidth() {
    const int count = std::min(FPanels->Count(), MaxPanels);
    int available = ClientWidth() - (FSizeGrip ? kGripWidth : 0);
    int autoSized = 0;
    TCanvas* c = Canvas();
    for (int i = 0; i < count; ++i) {
        TStatusPanelPro* p = FPanels->Items(i);
        if (p->FAutoSize) {
            ++autoSized;
            continue;
        }
        if (p->FAutoWidth) {
            c->SetFont(p->Font());
            int w = c->TextWidth(p->Text()) + 2 * p->Indent() + 2;
            if (ImageShown(p)) w += ImageWidth(FImages) + 2;
            p->FWidth = p->ClampWidth(w);
        }
        available -= p->FWidth;
    }
    if (autoSized > 0) {
        const int share = std::max(0, available / autoSized);
        for (int i = 0; i < count; ++i)
            if (FPanels->Items(i)->FAutoSize) FPanels->Items(i)->FWidth = share;
    }
}

void TStatusBarPro::UpdatePanels(bool UpdateRects, bool UpdateText) {
    if (!FPanels || !HandleAllocated()) return;
    int count = FPanels->Count();
    if (UpdateRects) {
        count = std::min(count, MaxPanels);
        if (count == 0) {
            const int edge = -1;
            Perform(SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&edge));
            Perform(SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(u""));
        } else {
            UpdatePanelsWidth();
            std::vector<int> edges(std::size_t(count), -1);
            int x = 0;
            for (int i = 0; i < count - 1; ++i) {
                x += FPanels->Items(i)->FWidth;
                edges[std::size_t(i)] = x;
            }
            Perform(SB_SETPARTS, WPARAM(count), reinterpret_cast<LPARAM>(edges.data()));
        }
    }
    for (int i = 0; i < count; ++i)
        UpdatePanel(i, UpdateText);
    if (FAutoHintPanelIndex >= FPanels->Count()) FAutoHintPanelIndex = 0;
}

void TStatusBarPro::UpdatePanel(int Index, bool Repaint) {
    if (!FPanels || !HandleAllocated() || Index < 0 || Index >= FPanels->Count()) return;
    TStatusPanelPro* p = FPanels->Items(Index);
    if (!Repaint) {
        p->FUpdateNeeded = true;
        TRect r;
        if (Perform(SB_GETRECT, WPARAM(Index), reinterpret_cast<LPARAM>(&r)))
            InvalidateRect(&r, true);
        else
            Invalidate();
        return;
    }
    if (!p->FUpdateNeeded) return;
    p->FUpdateNeeded = false;
    WPARAM flags = WPARAM(Index) | SBT_OWNERDRAW;
    if (p->Bevel() == pbNone) flags |= SBT_NOBORDERS;
    if (p->Bevel() == pbRaised) flags |= SBT_POPOUT;
    if (p->BiDiMode() != bdLeftToRight) flags |= SBT_RTLREADING;
    // The owner-drawn part carries its panel's index as item data.
    Perform(SB_SETTEXTW, flags, LPARAM(Index));
    p->UpdateControlBounds();
}

TStatusPanelPro* TStatusBarPro::FindPanelAtPos(int X, int Y) {
    const int count = std::min(FPanels->Count(), MaxPanels);
    for (int i = 0; i < count; ++i) {
        TRect r;
        if (Perform(SB_GETRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r)) && r.Contains(TPoint{X, Y}))
            return FPanels->Items(i);
    }
    return nullptr;
}

void TStatusBarPro::DrawPanel(TStatusPanelPro* Panel, const TRect& Rect) {
    if (Panel->Style() == psOwnerDraw && OnDrawPanel) {
        OnDrawPanel(this, Panel, Rect);
        return;
    }
    TCanvas* c = Canvas();
    const bool rtl = Panel->BiDiMode() == bdRightToLeft;
    TAlignment align = Panel->Alignment();
    if (rtl && align != taCenter) align = align == taLeftJustify ? taRightJustify : taLeftJustify;
    const bool rightAligned = align == taRightJustify || (align == taCenter && rtl);
    const int imgW = ImageShown(Panel) ? ImageWidth(FImages) : 0;
    c->SetFont(Panel->Font());
    const int tw = c->TextWidth(Panel->Text());
    int x = 0;
    switch (align) {
    case taLeftJustify:
        x = Rect.Left + 1 + Panel->Indent();
        break;
    case taRightJustify:
        x = Rect.Right - imgW - 1 - Panel->Indent();
        break;
    case taCenter:
        x = rtl ? Rect.Left + (tw + imgW + Rect.Width()) / 2 - imgW
                : Rect.Left + (Rect.Width() - tw - imgW) / 2;
        break;
    }
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Panel->Color());
    c->FillRect(Rect);
    if (imgW > 0) {
        DrawImage(FImages, c, x, Rect.Top + (Rect.Height() - ImageHeight(FImages)) / 2, Panel->ImageIndex());
        if (rightAligned)
            x -= 2;
        else
            x += imgW + 2;
    }
    if (Panel->Text().isEmpty()) return;
    if (rightAligned) x -= tw;
    const int y = Rect.Top + (Rect.Height() - c->TextHeight(QStringLiteral("H"))) / 2;
    c->Brush()->SetStyle(bsClear);
    c->TextOut(x, y, Panel->Text());
    c->Brush()->SetStyle(bsSolid);
}

bool TStatusBarPro::DoHint() {
    if (!OnHint) return false;
    OnHint(this);
    return true;
}

bool TStatusBarPro::ShowActionHint(const String& Hint) {
    if (!FAutoHint || DoHint()) return false;
    String text = Hint;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    if (!FSimplePanel && FPanels->Count() > 0)
        FPanels->Items(FAutoHintPanelIndex)->SetText(text);
    else
        SetSimpleText(text);
    return true;
}

bool TStatusBarPro::ExecuteAction(TBasicAction* Action) {
    if (auto* hint = dynamic_cast<THintAction*>(Action); hint && ShowActionHint(hint->Hint())) return true;
    return TStatusWindow::ExecuteAction(Action);
}

void TStatusBarPro::FlipChildren(bool AllLevels) {
    (void)AllLevels;
    const int count = FPanels->Count();
    if (!HandleAllocated() || FSimplePanel || count == 0) return;
    const int firstWidth = FPanels->Items(0)->FWidth;
    int lastWidth = ClientWidth() - (FSizeGrip ? 16 : 0);
    for (int i = 0; i < count - 1; ++i)
        lastWidth -= FPanels->Items(i)->FWidth;
    // The panels themselves change places, so each keeps everything it has (its name,
    // tag, control and handlers go with its text); copying the properties across, as a
    // panel's Assign does, would leave the names where they were and GetByName would find
    // another panel's text.
    FPanels->BeginUpdate();
    for (int i = 0; i < count - 1; ++i)
        FPanels->Items(count - 1)->SetIndex(i);
    if (count > 1) {
        FPanels->Items(count - 1)->SetWidth(firstWidth);
        FPanels->Items(0)->SetWidth(lastWidth);
    }
    FPanels->EndUpdate();
    UpdatePanels(true, true);
}

void TStatusBarPro::Resize() {
    UpdatePanels(true, false);
    if (!ComponentState().Contains(csLoading)) TStatusWindow::Resize();
    Invalidate();
}

void TStatusBarPro::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FMousePanel = FindPanelAtPos(X, Y);
    TStatusWindow::MouseDown(Button, Shift, X, Y);
}

void TStatusBarPro::MouseMove(TShiftState Shift, int X, int Y) {
    TStatusPanelPro* p = FindPanelAtPos(X, Y);
    if (p != FMousePanel) {
        FMousePanel = p;
        if (ShowHint()) Application->CancelHint();
        UpdateCursor();
    }
    TStatusWindow::MouseMove(Shift, X, Y);
}

void TStatusBarPro::Click() {
    if (FMousePanel && FMousePanel->OnClick)
        FMousePanel->OnClick(FMousePanel);
    else
        TStatusWindow::Click();
}

void TStatusBarPro::DblClick() {
    if (FMousePanel && FMousePanel->OnDblClick)
        FMousePanel->OnDblClick(FMousePanel);
    else
        TStatusWindow::DblClick();
}

void TStatusBarPro::DoContextPopup(TPoint MousePos, bool& Handled) {
    if (FMousePanel) FMousePanel->DoContextPopup(MousePos, Handled);
    if (!Handled) TStatusWindow::DoContextPopup(MousePos, Handled);
}

void TStatusBarPro::PanelFontOrColorFromBar() {
    for (int i = 0; i < FPanels->Count(); ++i) {
        TStatusPanelPro* p = FPanels->Items(i);
        if (p->ParentColor()) p->FColor = Color();
        if (p->ParentFont()) {
            p->FTakingParentFont = true;
            p->FFont->Assign(Font());
            p->FTakingParentFont = false;
        }
        if (p->ParentBiDiMode()) p->FBiDiMode = BiDiMode();
    }
    Invalidate();
}

void TStatusBarPro::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CN_DRAWITEM: {
        const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
        const int index = int(dis->itemData);
        if (FPanels && index >= 0 && index < FPanels->Count()) {
            TCanvas* c = Canvas();
            c->SetFont(Font());
            c->Brush()->SetStyle(bsSolid);
            c->Brush()->SetColor(Color());
            TRect r = dis->rcItem;
            if (FSizeGrip && index == std::min(FPanels->Count(), MaxPanels) - 1) r.Right -= kGripWidth;
            DrawPanel(FPanels->Items(index), r);
        }
        Message.Result = 1;
        return;
    }
    case WM_PAINT:
        UpdatePanels(false, true);
        break;
    case WM_GETTEXTLENGTH:
        Message.Result = FSimpleText.size();
        return;
    case CM_COLORCHANGED:
        TStatusWindow::Dispatch(Message);
        Perform(SB_SETBKCOLOR, 0, LPARAM(ColorToRGB(Color())));
        PanelFontOrColorFromBar();
        return;
    case CM_FONTCHANGED:
    case CM_PARENTFONTCHANGED:
        if (Message.Msg == CM_PARENTFONTCHANGED && FUseSystemFont && ParentFont()) FUseSystemFont = false;
        TStatusWindow::Dispatch(Message);
        PanelFontOrColorFromBar();
        return;
    case CM_BIDIMODECHANGED:
        TStatusWindow::Dispatch(Message);
        PanelFontOrColorFromBar();
        UpdatePanels(true, true);
        return;
    case CM_SYSFONTCHANGED:
        SyncToSystemFont();
        return;
    case WM_SETTINGCHANGE:
        if (Message.WParam == 0 || Message.WParam == 42) SyncToSystemFont();
        break;
    default:
        break;
    }
    TStatusWindow::Dispatch(Message);
}

void TStatusBarPro::Notification(TComponent* AComponent, TOperation Operation) {
    TStatusWindow::Notification(AComponent, Operation);
    if (Operation != opRemove || !FPanels) return;
    if (FImages && AComponent == AsComponent(FImages)) SetImages(nullptr);
    for (int i = 0; i < FPanels->Count(); ++i) {
        TStatusPanelPro* p = FPanels->Items(i);
        if (p->FPopupMenu == AComponent) p->FPopupMenu = nullptr;
        if (p->FControl == AComponent) p->FControl = nullptr;
    }
}

// ---- published -----------------------------------------------------------------------------

ORVO_PUBLISHED(TStatusPanelPro) {
    P.Property("Alignment", &TStatusPanelPro::Alignment, &TStatusPanelPro::SetAlignment)
        .Default(taLeftJustify);
    P.Property("AutoSize", &TStatusPanelPro::AutoSize, &TStatusPanelPro::SetAutoSize).Default(false);
    P.Property("AutoWidth", &TStatusPanelPro::AutoWidth, &TStatusPanelPro::SetAutoWidth).Default(false);
    P.Property("Bevel", &TStatusPanelPro::Bevel, &TStatusPanelPro::SetBevel).Default(pbLowered);
    P.Property("BiDiMode", &TStatusPanelPro::BiDiMode, &TStatusPanelPro::SetBiDiMode)
        .Stored([](TStatusPanelPro* p) { return !p->ParentBiDiMode(); });
    P.Property("Color", &TStatusPanelPro::Color, &TStatusPanelPro::SetColor)
        .Type(TypeInfoTColor())
        .Stored([](TStatusPanelPro* p) { return !p->ParentColor(); });
    P.Property("Control", &TStatusPanelPro::Control, &TStatusPanelPro::SetControl);
    P.Property("Cursor", &TStatusPanelPro::Cursor, &TStatusPanelPro::SetCursor)
        .Type(TypeInfoTCursor())
        .Default(0);
    P.Property("Font", &TStatusPanelPro::Font, &TStatusPanelPro::SetFont).Stored([](TStatusPanelPro* p) {
        return !p->ParentFont();
    });
    P.Property("Hint", &TStatusPanelPro::Hint, &TStatusPanelPro::SetHint);
    P.Property("ImageIndex", &TStatusPanelPro::ImageIndex, &TStatusPanelPro::SetImageIndex).Default(-1);
    P.Property("Indent", &TStatusPanelPro::Indent, &TStatusPanelPro::SetIndent).Default(0);
    P.Property("MaxWidth", &TStatusPanelPro::MaxWidth, &TStatusPanelPro::SetMaxWidth).Default(10000);
    P.Property("MinWidth", &TStatusPanelPro::MinWidth, &TStatusPanelPro::SetMinWidth).Default(0);
    P.Property("Name", &TStatusPanelPro::Name, &TStatusPanelPro::SetName);
    P.Property("Tag", &TStatusPanelPro::Tag, &TStatusPanelPro::SetTag).Default(0);
    P.Property("ParentBiDiMode", &TStatusPanelPro::ParentBiDiMode, &TStatusPanelPro::SetParentBiDiMode)
        .Default(true);
    P.Property("ParentColor", &TStatusPanelPro::ParentColor, &TStatusPanelPro::SetParentColor).Default(true);
    P.Property("ParentFont", &TStatusPanelPro::ParentFont, &TStatusPanelPro::SetParentFont).Default(true);
    P.Property("PopupMenu", &TStatusPanelPro::PopupMenu, &TStatusPanelPro::SetPopupMenu);
    P.Property("Style", &TStatusPanelPro::Style, &TStatusPanelPro::SetStyle).Default(psText);
    P.Property("Text", &TStatusPanelPro::Text, &TStatusPanelPro::SetText);
    P.Property("Width", &TStatusPanelPro::Width, &TStatusPanelPro::SetWidth);
    P.Property("OnClick", &TStatusPanelPro::OnClick);
    P.Property("OnDblClick", &TStatusPanelPro::OnDblClick);
    P.Property("OnContextPopup", &TStatusPanelPro::OnContextPopup);
}

ORVO_PUBLISHED(TStatusBarPro) {
    PublishControlBasics(P);
    P.Property(
        "Action", [](TStatusBarPro* b) -> TComponent* { return b->Action(); },
        [](TStatusBarPro* b, TComponent* c) { b->SetAction(dynamic_cast<TBasicAction*>(c)); });
    P.Property("Align", &TStatusBarPro::Align, &TStatusBarPro::SetAlign).Default(alBottom);
    P.Property("Color", &TStatusBarPro::Color, &TStatusBarPro::SetColor)
        .Type(TypeInfoTColor())
        .Default(clBtnFace);
    P.Property("ParentColor", &TStatusBarPro::ParentColor, &TStatusBarPro::SetParentColor).Default(false);
    P.Property("ParentFont", &TStatusBarPro::ParentFont, &TStatusBarPro::SetParentFont).Default(false);
    P.Property("Font", &TStatusBarPro::Font, &TStatusBarPro::SetFont).Stored([](TStatusBarPro* b) {
        return !b->UseSystemFont() && !b->ParentFont();
    });
    P.Property("BiDiMode", &TStatusBarPro::BiDiMode, &TStatusBarPro::SetBiDiMode);
    P.Property("ParentBiDiMode", &TStatusBarPro::ParentBiDiMode, &TStatusBarPro::SetParentBiDiMode)
        .Default(true);
    P.Property("BorderWidth", &TStatusBarPro::BorderWidth, &TStatusBarPro::SetBorderWidth).Default(0);
    P.Property("PopupMenu", &TStatusBarPro::PopupMenuComponent, &TStatusBarPro::SetPopupMenuComponent);
    P.Property("Panels", &TStatusBarPro::Panels, &TStatusBarPro::SetPanels);
    P.Property(
        "Images",
        [](TStatusBarPro* b) -> TComponent* { return b->Images() ? AsComponent(b->Images()) : nullptr; },
        [](TStatusBarPro* b, TComponent* c) { b->SetImages(c ? AsImageList(c) : nullptr); });
    P.Property("SimplePanel", &TStatusBarPro::SimplePanel, &TStatusBarPro::SetSimplePanel);
    P.Property("SimpleText", &TStatusBarPro::SimpleText, &TStatusBarPro::SetSimpleText);
    P.Property("SizeGrip", &TStatusBarPro::SizeGrip, &TStatusBarPro::SetSizeGrip).Default(true);
    P.Property("UseSystemFont", &TStatusBarPro::UseSystemFont, &TStatusBarPro::SetUseSystemFont)
        .Default(true);
    P.Property("AutoHint", &TStatusBarPro::AutoHint, &TStatusBarPro::SetAutoHint).Default(false);
    P.Property("AutoHintPanelIndex", &TStatusBarPro::AutoHintPanelIndex,
               &TStatusBarPro::SetAutoHintPanelIndex)
        .Default(0);
    P.Property("Cursor", &TStatusBarPro::BarCursor, &TStatusBarPro::SetBarCursor)
        .Type(TypeInfoTCursor())
        .Default(0);
    P.Property("OnDrawPanel", &TStatusBarPro::OnDrawPanel);
    P.Property("OnHint", &TStatusBarPro::OnHint);
    P.Property("OnContextPopup", &TStatusBarPro::OnContextPopup);
    P.Property("OnResize", &TStatusBarPro::OnResize);
}
