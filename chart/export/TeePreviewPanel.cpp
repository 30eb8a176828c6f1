#include "chart/export/TeePreviewPanel.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/pictures/SmoothStretch.h"
#include "chart/export/HourGlass.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Printer.h"
#include "platform/controls/Screen.h"
#include "platform/controls/StdControlTypes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Cursor.h"
#include "platform/graphics/Metafile.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <memory>

ORVO_IMPLEMENT_CLASS(TTeePanelsList, TObject)
ORVO_IMPLEMENT_CLASS(TPreviewChartPen, TChartPen)
ORVO_IMPLEMENT_CLASS(TTeePreviewPanel, TCustomTeePanelExtended)
ORVO_IMPLEMENT_ENUM_TYPE(TTeePreviewPanelOrientation, "ppoDefault", "ppoPortrait", "ppoLandscape")
ORVO_IMPLEMENT_EVENT_TYPE(TTeePreviewChangeMarginsEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TTeePreviewGetPaperRect)

namespace {

// Nearest integer, halves to even (the default rounding mode).
int RoundEven(double Value) {
    return int(std::nearbyint(Value));
}

// A × B / C in 64 bits, the quotient rounded to the nearest integer.
int MulDivRound(Int64 A, Int64 B, Int64 C) {
    return RoundEven(double(A * B) / double(C));
}

// The printer's page, or the screen's size when there is no printer or it cannot tell.
void PageSize(int& Width, int& Height) {
    Width = 0;
    Height = 0;
    if (TeePrintersExist()) {
        try {
            Width = Printer()->PageWidth();
            Height = Printer()->PageHeight();
        } catch (const Exception&) {
            Width = Height = 0;
        }
    }
    if (Width <= 0 || Height <= 0) {
        Width = Screen->Width();
        Height = Screen->Height();
    }
}

} // namespace

bool TeePrintersExist() {
    try {
        return Printer()->Printers()->Count() > 0;
    } catch (const Exception&) {
        return false;
    }
}

TCursor TeePreviewZoneCursor(TeePreviewZones Zone) {
    switch (Zone) {
    case teePrev_Left:
    case teePrev_Right:
        return crHSplit;
    case teePrev_Top:
    case teePrev_Bottom:
        return crVSplit;
    case teePrev_Image:
        return crTeeHand;
    case teePrev_LeftTop:
    case teePrev_RightBottom:
        return crSizeNWSE;
    case teePrev_RightTop:
    case teePrev_LeftBottom:
        return crSizeNESW;
    case teePrev_None:
        break;
    }
    return crDefault;
}

TRect TeePreviewPaperRect(int ClientWidth, int ClientHeight, int PageWidth, int PageHeight) {
    TRect R;
    if (Int64(PageWidth) * ClientHeight < Int64(PageHeight) * ClientWidth) {
        // The page is the taller shape: fit its height.
        R.Top = RoundEven(ClientHeight / 10.0);
        const int h = ClientHeight - RoundEven(ClientHeight / 5.0);
        const int w = PageHeight > 0 ? MulDivRound(h, PageWidth, PageHeight) : ClientWidth;
        R.Left = (ClientWidth - w) / 2;
        R.Right = R.Left + w;
        R.Bottom = R.Top + h;
    } else {
        R.Left = RoundEven(ClientWidth / 10.0);
        const int w = ClientWidth - RoundEven(ClientWidth / 5.0);
        const int h = PageWidth > 0 ? MulDivRound(w, PageHeight, PageWidth) : ClientHeight;
        R.Top = (ClientHeight - h) / 2;
        R.Right = R.Left + w;
        R.Bottom = R.Top + h;
    }
    return R;
}

// ---- TTeePanelsList ---------------------------------------------------------------------------

TCustomTeePanel* TTeePanelsList::Get(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FItems[size_t(Index)];
}

void TTeePanelsList::Put(int Index, TCustomTeePanel* Value) {
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    FItems[size_t(Index)] = Value;
    Watch(Value);
}

void TTeePanelsList::Watch(TCustomTeePanel* Value) {
    if (FOwner && Value) Value->FreeNotification(FOwner);
}

int TTeePanelsList::Add(TCustomTeePanel* Value) {
    FItems.push_back(Value);
    Watch(Value);
    return Count() - 1;
}

void TTeePanelsList::Delete(int Index) {
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    FItems.erase(FItems.begin() + Index);
}

int TTeePanelsList::Remove(TCustomTeePanel* Value) {
    const int i = IndexOf(Value);
    if (i >= 0) Delete(i);
    return i;
}

int TTeePanelsList::IndexOf(TCustomTeePanel* Value) const {
    auto it = std::find(FItems.begin(), FItems.end(), Value);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

// ---- TPreviewChartPen -------------------------------------------------------------------------

TPreviewChartPen::TPreviewChartPen(TNotifyEvent OnChangeEvent) : TChartPen(OnChangeEvent) {
    SetStyle(psDot);
    SetSmallDots(true);
}

// ---- TTeePreviewPanel -------------------------------------------------------------------------

TTeePreviewPanel::TTeePreviewPanel(TComponent* AOwner) : TCustomTeePanelExtended(AOwner) {
    FPanels = new TTeePanelsList(this);
    const TNotifyEvent changed(this, &TTeePreviewPanel::CanvasChangedHandler);
    FMargins = new TPreviewChartPen(changed);
    FPaperShadow = new TTeeShadow(changed);
    FPaperShadow->InitValues(TColor(0x808080), 4);
    SetBounds(Left(), Top(), 432, 312);
}

TTeePreviewPanel::~TTeePreviewPanel() {
    for (int i = 0; i < FPanels->Count(); ++i)
        if (TCustomTeePanel* p = FPanels->Get(i)) p->RemoveFreeNotification(this);
    delete FPanels;
    delete FMargins;
    delete FPaperShadow;
}

void TTeePreviewPanel::CanvasChangedHandler(TObject*) {
    Invalidate();
}

TCustomTeePanel* TTeePreviewPanel::Panel() const {
    return FPanels->Count() > 0 ? FPanels->Get(0) : nullptr;
}

void TTeePreviewPanel::SetPanel(TCustomTeePanel* Value) {
    if (Value == Panel() || Value == this) return;
    // The old first chart is no longer watched unless it is listed again further on.
    if (TCustomTeePanel* old = Panel()) {
        int listed = 0;
        for (int i = 0; i < FPanels->Count(); ++i)
            listed += FPanels->Get(i) == old;
        if (listed == 1) old->RemoveFreeNotification(this);
    }
    if (Value) {
        if (FPanels->Count() > 0)
            FPanels->Put(0, Value);
        else
            FPanels->Add(Value);
        FAsBitmap = Value->Canvas() && Value->Canvas()->SupportsFullRotation();
    } else {
        FPanels->Clear();
    }
    Invalidate();
}

void TTeePreviewPanel::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomTeePanelExtended::Notification(AComponent, Operation);
    // A chart being freed is no longer a TCustomTeePanel here: compare it as a component.
    if (Operation == opRemove)
        for (int i = FPanels->Count() - 1; i >= 0; --i)
            if (static_cast<TComponent*>(FPanels->Get(i)) == AComponent) FPanels->Delete(i);
}

void TTeePreviewPanel::SetAsBitmap(bool Value) {
    SetBooleanProperty(FAsBitmap, Value);
}

void TTeePreviewPanel::SetMargins(TPreviewChartPen* Value) {
    FMargins->Assign(Value);
}

void TTeePreviewPanel::SetPaperShadow(TTeeShadow* Value) {
    FPaperShadow->Assign(Value);
}

TColor TTeePreviewPanel::GetShadowColor() const {
    return FPaperShadow->Color();
}

void TTeePreviewPanel::SetShadowColor(TColor Value) {
    FPaperShadow->SetColor(Value);
}

int TTeePreviewPanel::GetShadowSize() const {
    return FPaperShadow->Size();
}

void TTeePreviewPanel::SetShadowSize(int Value) {
    FPaperShadow->SetSize(Value);
}

void TTeePreviewPanel::SetOrientation(TTeePreviewPanelOrientation Value) {
    if (FOrientation == Value) return;
    FOrientation = Value;
    Invalidate();
}

void TTeePreviewPanel::ApplyOrientation() {
    if (FOrientation == ppoDefault || !TeePrintersExist()) return;
    Printer()->SetOrientation(FOrientation == ppoPortrait ? poPortrait : poLandscape);
}

TRect TTeePreviewPanel::CalcPaperRect() {
    ApplyOrientation();
    int pageW = 0, pageH = 0;
    PageSize(pageW, pageH);
    const TRect client = GetRectangle();
    TRect R = TeePreviewPaperRect(client.Right - client.Left, client.Bottom - client.Top, pageW, pageH);
    if (OnGetPaperRect) OnGetPaperRect(this, R);
    return R;
}

void TTeePreviewPanel::CalcImagePrintMargins(TCustomTeePanel* APanel, TRect& R) {
    TRect m{15, 15, 15, 15};
    if (APanel) {
        if (APanel->PrintProportional() && TeePrintersExist())
            APanel->SetPrintMargins(APanel->CalcProportionalMargins());
        m = APanel->GetPrintMargins();
    }
    const int w = FPaperRect.Right - FPaperRect.Left, h = FPaperRect.Bottom - FPaperRect.Top;
    R.Left = FPaperRect.Left + MulDivRound(m.Left, w, 100);
    R.Right = FPaperRect.Right - MulDivRound(m.Right, w, 100);
    R.Top = FPaperRect.Top + MulDivRound(m.Top, h, 100);
    R.Bottom = FPaperRect.Bottom - MulDivRound(m.Bottom, h, 100);
}

void TTeePreviewPanel::DrawPaper() {
    TCanvas3D* c = Canvas();
    if (FPaperShadow->Size() != 0) FPaperShadow->Draw(c, FPaperRect);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetMode(pmCopy);
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(FPaperColor);
    c->Rectangle(FPaperRect);
}

TBitmap* TTeePreviewPanel::GetPrintingBitmap(TCustomTeePanel* APanel) {
    TRect R;
    CalcImagePrintMargins(APanel, R);
    const int w = std::max(1, R.Right - R.Left), h = std::max(1, R.Bottom - R.Top);
    const bool old = APanel->Printing();
    APanel->SetPrinting(true);
    struct Restore {
        TCustomTeePanel* p;
        bool v;
        ~Restore() { p->SetPrinting(v); }
    } restore{APanel, old};
    return APanel->TeeCreateBitmap(FPaperColor, TRect{0, 0, w, h}, pf24bit);
}

void TTeePreviewPanel::SendAsBitmap(TCustomTeePanel* APanel, TCanvas* ACanvas, const TRect& R) {
    std::unique_ptr<TBitmap> bitmap(GetPrintingBitmap(APanel));
    ACanvas->StretchDraw(R, bitmap.get());
}

void TTeePreviewPanel::DrawPanelImage(TCustomTeePanel* APanel) {
    TRect R;
    CalcImagePrintMargins(APanel, R);
    TCanvas3D* c = Canvas();
    APanel->SetPrinting(true);
    c->ClipRectangle(APanel->CanClip() ? R : FPaperRect);
    struct Finish {
        TCustomTeePanel* p;
        TCanvas3D* c;
        ~Finish() {
            c->UnClipRectangle();
            p->SetPrinting(false);
        }
    } finish{APanel, c};
    if (!FShowImage || R.Right <= R.Left || R.Bottom <= R.Top) return;
    if (FAsBitmap) {
        std::unique_ptr<TBitmap> bitmap(GetPrintingBitmap(APanel));
        APanel->SetPrinting(true);
        if (FSmoothBitmap) {
            TBitmap small;
            small.SetPixelFormat(pf24bit);
            small.SetSize(R.Right - R.Left, R.Bottom - R.Top);
            SmoothStretch(bitmap.get(), &small);
            c->StretchDraw(R, &small);
        } else {
            c->StretchDraw(R, bitmap.get());
        }
    } else {
        TRect bounds = R;
        int viewW = 0, viewH = 0, winW = 0, winH = 0;
        APanel->CalcMetaBounds(bounds, APanel->GetRectangle(), viewW, viewH, winW, winH);
        const int w = std::max(1, bounds.Right - bounds.Left), h = std::max(1, bounds.Bottom - bounds.Top);
        std::unique_ptr<TMetafile> meta(APanel->TeeCreateMetafile(true, TRect{0, 0, w, h}));
        c->StretchDraw(R, meta.get());
    }
}

void TTeePreviewPanel::DrawMargins(const TRect& R) {
    TCanvas3D* c = Canvas();
    c->AssignVisiblePen(FMargins);
    c->Pen()->SetMode(pmNotXor);
    c->Brush()->SetStyle(bsClear);
    c->SetBackMode(cbmTransparent);
    c->DoVertLine(R.Left - 1, FPaperRect.Top + 1, FPaperRect.Bottom);
    c->DoVertLine(R.Right, FPaperRect.Top + 1, FPaperRect.Bottom);
    c->DoHorizLine(FPaperRect.Left + 1, FPaperRect.Right, R.Top - 1);
    c->DoHorizLine(FPaperRect.Left + 1, FPaperRect.Right, R.Bottom);
    c->SetBackMode(cbmOpaque);
    c->Pen()->SetMode(pmCopy);
}

void TTeePreviewPanel::InternalDraw(const TRect& UserRectangle) {
    TCanvas3D* c = Canvas();
    PanelPaint(UserRectangle);
    c->ResetState();
    FPaperRect = CalcPaperRect();
    DrawPaper();
    CalcImagePrintMargins(Panel(), FImageRect);
    // A chart may leave the list while another one draws (freed by its owner): walk a copy.
    std::vector<TCustomTeePanel*> panels;
    for (int i = 0; i < FPanels->Count(); ++i)
        panels.push_back(FPanels->Get(i));
    for (TCustomTeePanel* p : panels)
        if (FPanels->IndexOf(p) >= 0) DrawPanelImage(p);
    c->ResetState();
    if (FMargins->Visible()) DrawMargins(FImageRect);
    c->ResetState();
    if (OnAfterDraw) OnAfterDraw(this);
}

TeePreviewZones TTeePreviewPanel::WhereIsCursor(int X, int Y) {
    const auto near = [](int A, int B) { return std::abs(A - B) <= 4; };
    const TRect& R = FImageRect;
    const bool left = near(X, R.Left), right = near(X, R.Right), top = near(Y, R.Top),
               bottom = near(Y, R.Bottom);
    TeePreviewZones zone = teePrev_None;
    if (left && top)
        zone = teePrev_LeftTop;
    else if (left && bottom)
        zone = teePrev_LeftBottom;
    else if (right && top)
        zone = teePrev_RightTop;
    else if (right && bottom)
        zone = teePrev_RightBottom;
    else if (left)
        zone = teePrev_Left;
    else if (right)
        zone = teePrev_Right;
    else if (top)
        zone = teePrev_Top;
    else if (bottom)
        zone = teePrev_Bottom;
    else
        return FAllowMove && X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom ? teePrev_Image
                                                                                      : teePrev_None;
    return FAllowResize ? zone : teePrev_None;
}

void TTeePreviewPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomTeePanelExtended::MouseDown(Button, Shift, X, Y);
    IDragged = WhereIsCursor(X, Y);
    if (IDragged == teePrev_Image) {
        OldX = X;
        OldY = Y;
        OldRect = FImageRect;
    }
}

void TTeePreviewPanel::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomTeePanelExtended::MouseMove(Shift, X, Y);
    const TRect& P = FPaperRect;
    if (X < P.Left || X > P.Right || Y < P.Top || Y > P.Bottom) return;
    if (IDragged == teePrev_None) {
        SetCursor(TeePreviewZoneCursor(WhereIsCursor(X, Y)));
        return;
    }
    // The margin lines are moved on the window's image (not-xor: drawn again they go);
    // a preview without a window has nothing shown to move them on.
    const bool moveLines = !FDragImage && FMargins->Visible() && HandleAllocated();
    if (moveLines) DrawMargins(FImageRect);
    TRect& R = FImageRect;
    const bool leftOk = P.Left <= X && X < R.Right, topOk = P.Top <= Y && Y < R.Bottom;
    const bool rightOk = R.Left < X && X <= P.Right, bottomOk = R.Top < Y && Y <= P.Bottom;
    switch (IDragged) {
    case teePrev_Left:
        if (leftOk) R.Left = X;
        break;
    case teePrev_Top:
        if (topOk) R.Top = Y;
        break;
    case teePrev_Right:
        if (rightOk) R.Right = X;
        break;
    case teePrev_Bottom:
        if (bottomOk) R.Bottom = Y;
        break;
    case teePrev_LeftTop:
        if (leftOk && topOk) {
            R.Left = X;
            R.Top = Y;
        }
        break;
    case teePrev_RightTop:
        if (rightOk && topOk) {
            R.Right = X;
            R.Top = Y;
        }
        break;
    case teePrev_LeftBottom:
        if (leftOk && bottomOk) {
            R.Left = X;
            R.Bottom = Y;
        }
        break;
    case teePrev_RightBottom:
        if (rightOk && bottomOk) {
            R.Right = X;
            R.Bottom = Y;
        }
        break;
    case teePrev_Image: {
        // The chart keeps its size and stops at the paper's edges (clamping only the far
        // corner would shrink it while it is pushed against the right or bottom edge).
        const int w = OldRect.Right - OldRect.Left, h = OldRect.Bottom - OldRect.Top;
        const int newLeft = std::max(P.Left, std::min(X + OldRect.Left - OldX, P.Right - w));
        const int newTop = std::max(P.Top, std::min(Y + OldRect.Top - OldY, P.Bottom - h));
        const int newRight = std::min(P.Right, newLeft + w);
        const int newBottom = std::min(P.Bottom, newTop + h);
        const auto inPaper = [&](int x, int y) {
            return x >= P.Left && x <= P.Right && y >= P.Top && y <= P.Bottom;
        };
        if (inPaper(newLeft, newTop) && inPaper(newRight, newBottom))
            R = {newLeft, newTop, newRight, newBottom};
        break;
    }
    case teePrev_None:
        break;
    }
    ChangeMargins();
    if (FDragImage)
        Invalidate();
    else if (moveLines)
        DrawMargins(FImageRect);
}

void TTeePreviewPanel::ChangeMargins() {
    TCustomTeePanel* p = Panel();
    if (!p) return;
    const TRect& P = FPaperRect;
    const int w = P.Right - P.Left, h = P.Bottom - P.Top;
    if (w <= 0 || h <= 0) return;
    p->SetPrintProportional(false);
    p->SetPrintMargins(
        {MulDivRound(FImageRect.Left - P.Left, 100, w), MulDivRound(FImageRect.Top - P.Top, 100, h),
         MulDivRound(P.Right - FImageRect.Right, 100, w), MulDivRound(P.Bottom - FImageRect.Bottom, 100, h)});
    if (OnChangeMargins) OnChangeMargins(this, true, p->GetPrintMargins());
}

void TTeePreviewPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomTeePanelExtended::MouseUp(Button, Shift, X, Y);
    if (IDragged == teePrev_None) return;
    IDragged = teePrev_None;
    if (!FDragImage) Invalidate();
}

void TTeePreviewPanel::Print() {
    if (FPanels->Count() == 0) return;
    THourGlass hourGlass;
    ApplyOrientation();
    if (!FTitle.isEmpty())
        Printer()->SetTitle(FTitle);
    else if (!Panel()->Name().isEmpty())
        Printer()->SetTitle(Panel()->Name());
    Printer()->BeginDoc();
    try {
        for (int i = 0; i < FPanels->Count(); ++i) {
            TCustomTeePanel* p = FPanels->Get(i);
            const TRect R = p->ChartPrintRect();
            if (FAsBitmap)
                SendAsBitmap(p, Printer()->Canvas(), R);
            else
                p->PrintPartial(R);
        }
        if (OnAfterDraw) OnAfterDraw(this);
    } catch (...) {
        Printer()->Abort();
        if (Printer()->Printing()) Printer()->EndDoc();
        throw;
    }
    Printer()->EndDoc();
}

// ---- published properties -------------------------------------------------------------------

ORVO_PUBLISHED(TPreviewChartPen) {
    using T = TPreviewChartPen;
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor()).Default(clBlack);
    P.Property("Mode", &T::Mode, &T::SetMode).Default(pmCopy);
    P.Property("SmallDots", &T::SmallDots, &T::SetSmallDots).Default(true);
    P.Property("Style", &T::Style, &T::SetStyle).Default(psDot);
    P.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
    P.Property("Width", &T::Width, &T::SetWidth).Default(1);
}

ORVO_PUBLISHED(TTeePreviewPanel) {
    using T = TTeePreviewPanel;
    PublishWinControlBasics(P);
    P.Property("AllowResize", &T::AllowResize, &T::SetAllowResize).Default(true);
    P.Property("AllowMove", &T::AllowMove, &T::SetAllowMove).Default(true);
    P.Property("AsBitmap", &T::AsBitmap, &T::SetAsBitmap).Default(false);
    P.Property("BevelInner", &T::BevelInner, &T::SetBevelInner).Default(bvNone);
    P.Property("BevelOuter", &T::BevelOuter, &T::SetBevelOuter).Default(bvRaised);
    P.Property("BevelWidth", &T::BevelWidth, &T::SetBevelWidth).Default(1);
    P.Property("Color", &T::PanelColor, &T::SetPanelColor).Type(TypeInfoTColor()).Default(clBtnFace);
    P.Property("DragImage", &T::DragImage, &T::SetDragImage).Default(false);
    P.Property("Gradient", &T::Gradient, &T::SetGradient).Stored(&T::HasGradient);
    P.Property("Margins", &T::Margins, &T::SetMargins);
    P.Property("Orientation", &T::Orientation, &T::SetOrientation).Default(ppoDefault);
    P.Property("PaperColor", &T::PaperColor, &T::SetPaperColor).Type(TypeInfoTColor()).Default(clWhite);
    P.Property("PaperShadow", &T::PaperShadow, &T::SetPaperShadow);
    P.Property("Shadow", &T::Shadow, &T::SetShadow);
    P.Property("ShowImage", &T::ShowImage, &T::SetShowImage).Default(true);
    P.Property("SmoothBitmap", &T::SmoothBitmap, &T::SetSmoothBitmap).Default(true);
    P.Property("Title", &T::Title, &T::SetTitle);
    P.Property("OnAfterDraw", &T::OnAfterDraw);
    P.Property("OnChangeMargins", &T::OnChangeMargins);
    P.Property("OnGetPaperRect", &T::OnGetPaperRect);
}
