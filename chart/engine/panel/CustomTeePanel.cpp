#include "chart/engine/panel/CustomTeePanel.h"

#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/controls/Clipboard.h"
#include "platform/controls/Mouse.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/Metafile.h"
#include "platform/rtl/SysMath.h"

#include <QPainterPath>
#include <QRegion>
#include <QWidget>

#include <memory>

ORVO_IMPLEMENT_CLASS(TCustomPanelNoCaption, TCustomPanel)
ORVO_IMPLEMENT_CLASS(TTeeEvent, TObject)
ORVO_IMPLEMENT_CLASS(TTeeMouseEvent, TTeeEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TTeePrintEvent)
ORVO_IMPLEMENT_CLASS(TTeeView3DEvent, TTeeEvent)
ORVO_IMPLEMENT_CLASS(TTeeEventListeners, TObject)
ORVO_IMPLEMENT_CLASS(TZoomPanning, TPersistent)
ORVO_IMPLEMENT_CLASS(TCustomTeePanel, TCustomPanelNoCaption)
ORVO_IMPLEMENT_ENUM_TYPE(TTeeUnits, "muPercent", "muPixels")

bool TeeClipWhenPrinting = true;
bool TeeClipWhenMetafiling = true;
bool TeeEraseBack = false;
bool PrintTeePanel = false;

// ---- TCustomPanelNoCaption ---------------------------------------------------------------

TCustomPanelNoCaption::TCustomPanelNoCaption(TComponent* AOwner) : TCustomPanel(AOwner) {
    auto style = ControlStyle();
    style >> csSetCaption;
    SetControlStyle(style);
    SetCaption(String());
}

// ---- listeners ---------------------------------------------------------------------------

int TTeeEventListeners::IndexOf(ITeeEventListener* Listener) const {
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Listener) return int(i);
    return -1;
}

int TTeeEventListeners::Add(ITeeEventListener* Listener) {
    const int i = IndexOf(Listener);
    if (i >= 0) return i;
    FItems.emplace_back(Listener);
    return int(FItems.size()) - 1;
}

ITeeEventListener* TTeeEventListeners::Get(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FItems[std::size_t(Index)].get();
}

int TTeeEventListeners::Remove(ITeeEventListener* Listener) {
    const int i = IndexOf(Listener);
    if (i >= 0) {
        // Take the reference out first: the listener may be freed by dropping it and may
        // call back into this list from its destructor.
        TInterfacePtr<ITeeEventListener> keep = std::move(FItems[std::size_t(i)]);
        FItems.erase(FItems.begin() + i);
    }
    return i;
}

void TTeeEventListeners::Clear() {
    auto items = std::move(FItems);
    FItems.clear();
}

// ---- TZoomPanning ----------------------------------------------------------------------------

void TZoomPanning::Activate(int X, int Y) {
    X0 = X1 = X;
    Y0 = Y1 = Y;
    FActive = true;
}

void TZoomPanning::Check() {
    if (X0 > X1) std::swap(X0, X1);
    if (Y0 > Y1) std::swap(Y0, Y1);
}

// ---- TCustomTeePanel: life -------------------------------------------------------------------

TCustomTeePanel::TCustomTeePanel(TComponent* AOwner) : TCustomPanelNoCaption(AOwner) {
    IEventListeners = new TTeeEventListeners;
    SetBounds(Left(), Top(), 400, 250);
    FVclCanvas = TCustomControl::Canvas();
    FView3DOptions = new TView3DOptions(this);
    auto* canvas = new TTeeCanvas3D;
    canvas->SetCanvas(FVclCanvas);
    InternalCanvas = canvas;
    FOriginalCursor = Cursor();
    FPanning = new TZoomPanning;
    FShadow = new TTeeShadow(TNotifyEvent(this, &TCustomTeePanel::CanvasChanged));
    FBorder = new TChartHiddenPen(TNotifyEvent(this, &TCustomTeePanel::CanvasChanged));
    FBorder->DefaultEnd = esFlat;
    FBorder->SetEndStyle(esFlat);
    if (ComponentState().Contains(csDesigning) && TeeEraseBack) TeeEraseBack = false;
    FAutoRepaint = true;
}

TCustomTeePanel::~TCustomTeePanel() {
    FAutoRepaint = false;
    delete InternalCanvas;
    InternalCanvas = nullptr;
    delete FBorder;
    FBorder = nullptr;
    delete FShadow;
    FShadow = nullptr;
    delete FView3DOptions;
    FView3DOptions = nullptr;
    delete FPanning;
    FPanning = nullptr;
    delete IEventListeners;
    IEventListeners = nullptr;
}

void TCustomTeePanel::Loaded() {
    TCustomPanelNoCaption::Loaded();
    FOriginalCursor = Cursor();
    if (FBorderRound > 0) SetControlRounded();
}

void TCustomTeePanel::Resize() {
    if (FBorderRound > 0 && !ComponentState().Contains(csLoading)) SetControlRounded();
    TCustomPanelNoCaption::Resize();
}

void TCustomTeePanel::CreateParams(TCreateParams& Params) {
    TCustomPanelNoCaption::CreateParams(Params);
    if (Color() == clNone) Params.ExStyle |= WS_EX_TRANSPARENT;
    if (InternalCanvas) InternalCanvas->SetView3DOptions(nullptr);
}

void TCustomTeePanel::Assign(TPersistent* Source) {
    auto* s = dynamic_cast<TCustomTeePanel*>(Source);
    if (!s) {
        TCustomPanelNoCaption::Assign(Source);
        return;
    }
    FBorder->Assign(s->FBorder);
    FBorderRound = s->FBorderRound;
    SetBufferedDisplay(s->BufferedDisplay());
    FPrintMargins = s->FPrintMargins;
    FPrintProportional = s->FPrintProportional;
    FPrintResolution = s->FPrintResolution;
    FMargins = s->FMargins;
    FMarginUnits = s->FMarginUnits;
    SetMonochrome(s->Monochrome());
    FShadow->Assign(s->FShadow);
    FView3D = s->FView3D;
    FView3DOptions->Assign(s->FView3DOptions);
    SetColor(s->Color());
}

void TCustomTeePanel::AssignTo(TPersistent* Dest) {
    if (dynamic_cast<TGraphic*>(Dest) || dynamic_cast<TPicture*>(Dest)) {
        std::unique_ptr<TBitmap> bitmap(TeeCreateBitmap());
        Dest->Assign(bitmap.get());
        return;
    }
    TCustomPanelNoCaption::AssignTo(Dest);
}

void TCustomTeePanel::DefineProperties(TFiler* Filer) {
    TCustomPanelNoCaption::DefineProperties(Filer);
    // Older files hold the border as a border style.
    Filer->DefineProperty(QStringLiteral("BorderStyle"), TReaderProc(this, &TCustomTeePanel::ReadBorderStyle),
                          TWriterProc(), false);
}

void TCustomTeePanel::ReadBorderStyle(TReader* Reader) {
    FBorder->SetVisible(Reader->ReadIdent() == QLatin1String("bsSingle"));
}

// ---- properties ------------------------------------------------------------------------------

void TCustomTeePanel::SetBorder(TChartHiddenPen* Value) {
    FBorder->Assign(Value);
}

void TCustomTeePanel::SetBorderRound(int Value) {
    if (FBorderRound == Value) return;
    FBorderRound = Value;
    if (!ComponentState().Contains(csLoading)) SetControlRounded();
    Invalidate();
}

TBorderStyle TCustomTeePanel::BorderStyle() const {
    return FBorder->Visible() ? bsSingle : bsNone;
}

void TCustomTeePanel::SetBorderStyle(TBorderStyle Value) {
    FBorder->SetVisible(Value == bsSingle);
}

bool TCustomTeePanel::BufferedDisplay() const {
    return InternalCanvas->UseBuffer();
}

void TCustomTeePanel::SetBufferedDisplay(bool Value) {
    InternalCanvas->SetUseBuffer(Value);
}

bool TCustomTeePanel::Monochrome() const {
    return InternalCanvas->Monochrome();
}

void TCustomTeePanel::SetMonochrome(bool Value) {
    if (InternalCanvas->Monochrome() == Value) return;
    InternalCanvas->SetMonochrome(Value);
    Invalidate();
}

int TCustomTeePanel::GetMargin(int Index) const {
    switch (Index) {
    case 0:
        return FMargins.Left;
    case 1:
        return FMargins.Top;
    case 2:
        return FMargins.Right;
    default:
        return FMargins.Bottom;
    }
}

void TCustomTeePanel::SetMargin(int Index, int Value) {
    switch (Index) {
    case 0:
        SetIntegerProperty(FMargins.Left, Value);
        break;
    case 1:
        SetIntegerProperty(FMargins.Top, Value);
        break;
    case 2:
        SetIntegerProperty(FMargins.Right, Value);
        break;
    default:
        SetIntegerProperty(FMargins.Bottom, Value);
        break;
    }
}

void TCustomTeePanel::SetMarginUnits(TTeeUnits Value) {
    if (FMarginUnits == Value) return;
    FMarginUnits = Value;
    Invalidate();
}

void TCustomTeePanel::SetShadow(TTeeShadow* Value) {
    FShadow->Assign(Value);
    Invalidate();
}

void TCustomTeePanel::SetView3D(bool Value) {
    if (FView3D == Value) return;
    FView3D = Value;
    Invalidate();
    TTeeView3DEvent event;
    BroadcastTeeEvent(&event);
}

void TCustomTeePanel::SetView3DOptions(TView3DOptions* Value) {
    FView3DOptions->Assign(Value);
    Invalidate();
}

void TCustomTeePanel::SetInternalCanvas(TCanvas3D* NewCanvas) {
    if (!NewCanvas || NewCanvas == InternalCanvas) return;
    NewCanvas->SetCanvas(FVclCanvas);
    if (InternalCanvas) {
        const bool old = FAutoRepaint;
        FAutoRepaint = false;
        NewCanvas->Assign(InternalCanvas);
        FAutoRepaint = old;
        delete InternalCanvas;
    }
    InternalCanvas = NewCanvas;
    if (FAutoRepaint) Invalidate();
}

void TCustomTeePanel::SetStringProperty(String& Variable, const String& Value) {
    if (StoreIfChanged(Variable, Value)) Invalidate();
}

void TCustomTeePanel::SetDoubleProperty(double& Variable, double Value) {
    if (StoreIfChanged(Variable, Value)) Invalidate();
}

void TCustomTeePanel::SetColorProperty(TColor& Variable, TColor Value) {
    if (StoreIfChanged(Variable, Value)) Invalidate();
}

void TCustomTeePanel::SetBooleanProperty(bool& Variable, bool Value) {
    if (StoreIfChanged(Variable, Value)) Invalidate();
}

void TCustomTeePanel::SetIntegerProperty(int& Variable, int Value) {
    if (StoreIfChanged(Variable, Value)) Invalidate();
}

void TCustomTeePanel::SetBrushCanvas(TColor AColor, TChartBrush* ABrush, TColor ABackColor) {
    if (ABrush->Style() != bsSolid && AColor == ABackColor)
        AColor = ABackColor == clBlack ? clWhite : clBlack;
    InternalCanvas->AssignBrush(ABrush, AColor, ABackColor);
}

TPoint TCustomTeePanel::GetCursorPos() {
    return ScreenToClient(Mouse->CursorPos());
}

TRect TCustomTeePanel::GetRectangle() {
    if (Parent()) return ClientRect();
    return {0, 0, Width(), Height()};
}

bool TCustomTeePanel::IsScreenHighColor() {
    if (InternalCanvas->SupportsFullRotation()) return true;
    const HDC dc = InternalCanvas->Handle();
    return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) >= 15;
}

bool TCustomTeePanel::CanClip() {
    if (InternalCanvas->SupportsFullRotation()) return false;
    const bool meta = InternalCanvas->Metafiling();
    return (!FPrinting && !meta) || (FPrinting && TeeClipWhenPrinting) || (meta && TeeClipWhenMetafiling);
}

double ScreenRatio(TCanvas* ACanvas) {
    const HDC dc = ACanvas->Handle();
    const int v = GetDeviceCaps(dc, VERTSIZE);
    return v == 0 ? 0.0 : double(GetDeviceCaps(dc, HORZSIZE)) / v;
}

void TCustomTeePanel::SetControlRounded() {
    if (IRounding || !Parent()) return;
    IRounding = true;
    if (QWidget* w = HandleAllocated() ? Widget() : nullptr) {
        if (FBorderRound > 0) {
            QPainterPath path;
            path.addRoundedRect(0, 0, Width(), Height(), FBorderRound, FBorderRound);
            w->setMask(QRegion(path.toFillPolygon().toPolygon()));
        } else {
            w->clearMask();
        }
    }
    IRounding = false;
    Invalidate();
}

// ---- drawing ---------------------------------------------------------------------------------

void TCustomTeePanel::Invalidate() {
    if (!FAutoRepaint) return;
    if (InternalCanvas) InternalCanvas->Invalidate();
    TCustomPanelNoCaption::Invalidate();
}

void TCustomTeePanel::CanvasChanged(TObject*) {
    Invalidate();
}

TColor TCustomTeePanel::GetBackColor() {
    return Color();
}

void TCustomTeePanel::InternalDraw(const TRect&) {}

void TCustomTeePanel::Paint() {
    if (FPrinting) return;
    // The canvas's image survives between frames: only a stale one is drawn again.
    if (!InternalCanvas->ReDrawBitmap()) Draw();
}

void TCustomTeePanel::Draw() {
    Draw(FVclCanvas, ClientRect());
}

void TCustomTeePanel::Draw(TCanvas* UserCanvas, const TRect& UserRect) {
    FChartBounds = InternalCanvas->InitWindow(UserCanvas, FView3DOptions, Color(), FView3D, UserRect);
    if (!FCustomChartRect) {
        int frame = BorderWidth();
        if (BevelInner() != bvNone) frame += BevelWidth();
        if (BevelOuter() != bvNone) frame += BevelWidth();
        if (FBorder->Visible()) frame += FBorder->Width();
        const int w = FChartBounds.Right - FChartBounds.Left, h = FChartBounds.Bottom - FChartBounds.Top;
        TRect m = FMargins;
        if (FMarginUnits == muPercent) {
            m.Left = int(Int64(m.Left) * w / 100);
            m.Right = int(Int64(m.Right) * w / 100);
            m.Top = int(Int64(m.Top) * h / 100);
            m.Bottom = int(Int64(m.Bottom) * h / 100);
        }
        ChartRect = {FChartBounds.Left + frame + m.Left, FChartBounds.Top + frame + m.Top,
                     FChartBounds.Right - frame - m.Right, FChartBounds.Bottom - frame - m.Bottom};
        if (FShadow->Visible()) {
            const int hs = FShadow->HorizSize(), vs = FShadow->VertSize();
            if (hs > 0)
                ChartRect.Right -= 2 * hs;
            else
                ChartRect.Left += 2 * std::abs(hs);
            if (vs >= 1)
                ChartRect.Bottom -= 2 * vs;
            else
                ChartRect.Top += 2 * std::abs(vs);
        }
    }
    ReCalcWidthHeight();
    InternalDraw(FChartBounds);
    InternalCanvas->ShowImage(UserCanvas, FVclCanvas, UserRect);
}

void TCustomTeePanel::ReCalcWidthHeight() {
    if (!FCustomChartRect) {
        ChartRect.Left = std::max(ChartRect.Left, FChartBounds.Left);
        ChartRect.Top = std::max(ChartRect.Top, FChartBounds.Top);
    }
    if (ChartRect.Right < ChartRect.Left)
        ChartRect.Right = ChartRect.Left + 1;
    else if (ChartRect.Right == ChartRect.Left)
        ChartRect.Right = ChartRect.Left + Width();
    if (ChartRect.Bottom < ChartRect.Top)
        ChartRect.Bottom = ChartRect.Top + 1;
    else if (ChartRect.Bottom == ChartRect.Top)
        ChartRect.Bottom = ChartRect.Top + Height();
    FChartWidth = ChartRect.Right - ChartRect.Left;
    FChartHeight = ChartRect.Bottom - ChartRect.Top;
    FChartXCenter = (ChartRect.Left + ChartRect.Right) / 2;
    FChartYCenter = (ChartRect.Top + ChartRect.Bottom) / 2;
}

namespace {
void Shrink(TRect& R, int By) {
    R.Left += By;
    R.Top += By;
    R.Right -= By;
    R.Bottom -= By;
}
} // namespace

void DrawBevel(TTeeCanvas* ACanvas, TBevelCut Bevel, TRect& R, int Width, int Round) {
    if (Bevel == bvNone) return;
    if (Round > 0) {
        ACanvas->Pen()->SetColor(Bevel == bvLowered ? clBtnShadow : clBtnHighlight);
        Shrink(R, 1);
        ACanvas->RoundRect(R, Round, Round);
        Shrink(R, Width);
        return;
    }
    ACanvas->Frame3D(R, Bevel == bvLowered ? clBtnShadow : clBtnHighlight,
                     Bevel == bvRaised ? clBtnShadow : clBtnHighlight, Width);
}

void TCustomTeePanel::DrawPanelBevels(const TRect& Rect) {
    TCanvas3D* c = InternalCanvas;
    c->FrontPlaneBegin();
    c->Brush()->SetStyle(bsClear);
    TRect R = Rect;
    if (FBorder->Visible()) {
        int inset = 0;
        if (!FBorder->SmallDots()) {
            const int w = FBorder->Width();
            if (w > 1) {
                R.Left += w / 2;
                R.Top += w / 2;
                R.Right -= (w - 1) / 2;
                R.Bottom -= (w - 1) / 2;
            }
            inset = (w - 1) / 2;
            if (inset <= 0) inset = std::max(0, w - 1);
        }
        c->AssignVisiblePenColor(FBorder, FBorder->Color());
        if (FBorderRound > 0) {
            --R.Right;
            --R.Bottom;
            c->RoundRect(R, FBorderRound, FBorderRound);
        } else {
            c->Rectangle(R);
            if (!FBorder->SmallDots()) ++inset;
        }
        Shrink(R, inset);
    }
    if (!FPrinting || PrintTeePanel) {
        c->Pen()->SetStyle(psSolid);
        c->Pen()->SetWidth(1);
        c->Pen()->SetMode(pmCopy);
        DrawBevel(c, BevelOuter(), R, BevelWidth(), FBorderRound);
        if (BorderWidth() != 0) c->Frame3D(R, Color(), Color(), BorderWidth());
        DrawBevel(c, BevelInner(), R, BevelWidth(), FBorderRound);
    }
    c->FrontPlaneEnd();
}

// ---- messages and mouse ----------------------------------------------------------------------

void TCustomTeePanel::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_MOUSELEAVE:
        SetCursor(FOriginalCursor);
        FPanning->SetActive(false);
        break;
    case CM_SYSCOLORCHANGE:
        Invalidate();
        break;
    case WM_GETDLGCODE:
        TCustomPanelNoCaption::WndProc(Message);
        Message.Result |= DLGC_WANTARROWS;
        return;
    case WM_ERASEBKGND:
        if (TeeEraseBack) TCustomPanelNoCaption::WndProc(Message);
        Message.Result = 1;
        return;
    default:
        break;
    }
    TCustomPanelNoCaption::WndProc(Message);
}

void TCustomTeePanel::EraseBackground(HDC DC) {
    if (TeeEraseBack) TCustomPanelNoCaption::EraseBackground(DC);
}

void TCustomTeePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FCancelMouse = false;
    TCustomPanelNoCaption::MouseDown(Button, Shift, X, Y);
    BroadcastMouseEvent(meDown, Button, Shift, X, Y);
}

void TCustomTeePanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomPanelNoCaption::MouseUp(Button, Shift, X, Y);
    BroadcastMouseEvent(meUp, Button, Shift, X, Y);
}

void TCustomTeePanel::MouseMove(TShiftState Shift, int X, int Y) {
    FCancelMouse = false;
    TCustomPanelNoCaption::MouseMove(Shift, X, Y);
    if (IEventListeners->Count() > 0 && !ComponentState().Contains(csDesigning))
        BroadcastMouseEvent(meMove, mbLeft, Shift, X, Y);
}

void TCustomTeePanel::DblClick() {
    FCancelMouse = false;
    TCustomPanelNoCaption::DblClick();
    if (FCancelMouse) Abort();
}

void TCustomTeePanel::BroadcastMouseEvent(TTeeMouseEventKind Kind, TMouseButton Button, TShiftState Shift,
                                          int X, int Y) {
    if (!IEventListeners || IEventListeners->Count() == 0) return;
    TTeeMouseEvent event;
    event.Event = Kind;
    event.Button = Button;
    event.Shift = Shift;
    event.X = X;
    event.Y = Y;
    BroadcastTeeEvent(&event);
}

TTeeEvent* TCustomTeePanel::BroadcastTeeEvent(TTeeEvent* Event) {
    if (ComponentState().Contains(csDestroying) || !IEventListeners) return Event;
    Event->Sender = this;
    const bool isMouse = dynamic_cast<TTeeMouseEvent*>(Event) != nullptr;
    // The count is read again at every step, so listeners added on the way are reached.
    for (int i = 0; i < IEventListeners->Count(); ++i) {
        // A listener may remove itself (dropping the list's reference) while it runs: a
        // reference of our own keeps it alive until its call returns.
        TInterfacePtr<ITeeEventListener> listener(IEventListeners->Get(i));
        // A mouse event stops at the listener that cancels it; a CancelMouse already set
        // when the listener was called does not count.
        const bool wasCancelled = FCancelMouse;
        listener->TeeEvent(Event);
        if (isMouse && !wasCancelled && FCancelMouse) break;
    }
    return Event;
}

void TCustomTeePanel::RemoveListener(ITeeEventListener* Listener) {
    if (IEventListeners) IEventListeners->Remove(Listener);
}

// ---- picture output --------------------------------------------------------------------------

TBitmap* TCustomTeePanel::TeeCreateBitmap() {
    return TeeCreateBitmap(Color(), GetRectangle(), pfDevice);
}

TBitmap* TCustomTeePanel::TeeCreateBitmap(TColor ABackColor, const TRect& Rect, TPixelFormat APixelFormat) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetIgnorePalette(true);
    bitmap->SetPixelFormat(InternalCanvas->SupportsFullRotation() ? pf24bit : APixelFormat);
    bitmap->SetSize(Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
    if (ABackColor != clWhite) {
        bitmap->Canvas()->Brush()->SetStyle(bsSolid);
        bitmap->Canvas()->Brush()->SetColor(ABackColor);
        bitmap->Canvas()->FillRect(Rect);
    }
    NonBufferDraw(bitmap->Canvas(), Rect);
    return bitmap.release();
}

void TCustomTeePanel::SaveToBitmapFile(const String& FileName) {
    SaveToBitmapFile(FileName, GetRectangle());
}

void TCustomTeePanel::SaveToBitmapFile(const String& FileName, const TRect& R) {
    std::unique_ptr<TBitmap> bitmap(TeeCreateBitmap(clWhite, R, pfDevice));
    bitmap->SaveToFile(FileName);
}

void TCustomTeePanel::CopyToClipboardBitmap() {
    CopyToClipboardBitmap(GetRectangle());
}

void TCustomTeePanel::CopyToClipboardBitmap(const TRect& R) {
    std::unique_ptr<TBitmap> bitmap(TeeCreateBitmap(clWhite, R, pfDevice));
    Clipboard()->Assign(bitmap.get());
}

TMetafile* TCustomTeePanel::TeeCreateMetafile(bool Enhanced, const TRect& Rect) {
    auto meta = std::make_unique<TMetafile>();
    meta->SetEnhanced(Enhanced);
    meta->SetWidth(std::max(1, Rect.Right - Rect.Left));
    meta->SetHeight(std::max(1, Rect.Bottom - Rect.Top));
    {
        TMetafileCanvas canvas(meta.get(), nullptr);
        DrawToMetaCanvas(&canvas, Rect);
    }
    return meta.release();
}

void TCustomTeePanel::SaveToMetafile(const String& FileName) {
    SaveToMetafileRect(false, FileName, GetRectangle());
}

void TCustomTeePanel::SaveToMetafileEnh(const String& FileName) {
    SaveToMetafileRect(true, FileName, GetRectangle());
}

void TCustomTeePanel::SaveToMetafileRect(bool Enhanced, const String& FileName, const TRect& Rect) {
    std::unique_ptr<TMetafile> meta(TeeCreateMetafile(Enhanced, Rect));
    TFileStream stream(FileName, fmCreate);
    meta->SaveToStream(&stream);
}

void TCustomTeePanel::CopyToClipboardMetafile(bool Enhanced) {
    CopyToClipboardMetafile(Enhanced, GetRectangle());
}

void TCustomTeePanel::CopyToClipboardMetafile(bool Enhanced, const TRect& R) {
    std::unique_ptr<TMetafile> meta(TeeCreateMetafile(Enhanced, R));
    Clipboard()->Assign(meta.get());
}

void TCustomTeePanel::DrawToMetaCanvas(TCanvas* ACanvas, const TRect& Rect) {
    InternalCanvas->SetMetafiling(true);
    try {
        NonBufferDraw(ACanvas, Rect);
    } catch (...) {
        InternalCanvas->SetMetafiling(false);
        throw;
    }
    InternalCanvas->SetMetafiling(false);
}

void TCustomTeePanel::NonBufferDraw(TCanvas* ACanvas, const TRect& R) {
    const bool old = BufferedDisplay();
    auto* canvas3D = dynamic_cast<TTeeCanvas3D*>(InternalCanvas);
    if (canvas3D) canvas3D->IKeepBitmap = true;
    SetBufferedDisplay(false);
    auto restore = [&] {
        SetBufferedDisplay(old);
        if (canvas3D) {
            canvas3D->IKeepBitmap = false;
            canvas3D->Invalidate();
        }
    };
    try {
        Draw(ACanvas, R);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

// ---- printing --------------------------------------------------------------------------------

void TCustomTeePanel::Print() {
    PrintRect(ChartPrintRect());
}

void TCustomTeePanel::PrintPortrait() {
    PrintOrientation(poPortrait);
}

void TCustomTeePanel::PrintLandscape() {
    PrintOrientation(poLandscape);
}

void TCustomTeePanel::PrintOrientation(TPrinterOrientation Orientation) {
    const TPrinterOrientation old = Printer()->Orientation();
    Printer()->SetOrientation(Orientation);
    try {
        Print();
    } catch (...) {
        Printer()->SetOrientation(old);
        throw;
    }
    Printer()->SetOrientation(old);
}

TRect TCustomTeePanel::ChartPrintRect() {
    if (FPrintProportional) FPrintMargins = CalcProportionalMargins();
    const int W = Printer()->PageWidth(), H = Printer()->PageHeight();
    return {RoundPx(FPrintMargins.Left * double(W) / 100), RoundPx(FPrintMargins.Top * double(H) / 100),
            W - RoundPx(FPrintMargins.Right * double(W) / 100),
            H - RoundPx(FPrintMargins.Bottom * double(H) / 100)};
}

TRect TCustomTeePanel::CalcProportionalMargins() {
    const TRect r = GetRectangle();
    const double w = r.Right - r.Left, h = r.Bottom - r.Top;
    double W, H, c = 1;
    try {
        W = Printer()->PageWidth();
        H = Printer()->PageHeight();
        const HDC dc = Printer()->Handle();
        const int py = GetDeviceCaps(dc, LOGPIXELSY);
        c = py > 0 ? double(GetDeviceCaps(dc, LOGPIXELSX)) / py : 1.0;
    } catch (const EPrinter&) {
        W = Screen->Width();
        H = Screen->Height();
        c = 1;
    }
    // A chart or a page without extent has no proportions to keep: the plain margins.
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0) return {15, 15, 15, 15};
    if (h < w) {
        const int m = RoundPx((H - 0.7 * W * (h / w) * c) * 100 / H) / 2;
        return {15, m, 15, m};
    }
    const int m = RoundPx((W - 0.7 * H * (w / h) * c) * 100 / W) / 2;
    return {m, 15, m, 15};
}

void TCustomTeePanel::PrintRect(const TRect& R) {
    const bool old = FAutoRepaint;
    FAutoRepaint = false;
    auto finish = [&] {
        FAutoRepaint = old;
        Invalidate();
    };
    try {
        if (!Name().isEmpty()) Printer()->SetTitle(Name());
        Printer()->BeginDoc();
        PrintPartial(R);
        Printer()->EndDoc();
    } catch (...) {
        Printer()->Abort();
        if (Printer()->Printing()) Printer()->EndDoc();
        finish();
        throw;
    }
    finish();
}

void TCustomTeePanel::PrintPartial(const TRect& PrinterRect) {
    PrintPartialCanvas(Printer()->Canvas(), PrinterRect);
}

void TCustomTeePanel::CalcMetaBounds(TRect& R, const TRect& AChartRect, int& ViewWidth, int& ViewHeight,
                                     int& WinWidth, int& WinHeight) {
    ViewWidth = R.Right - R.Left;
    ViewHeight = R.Bottom - R.Top;
    const int cw = AChartRect.Right - AChartRect.Left, ch = AChartRect.Bottom - AChartRect.Top;
    WinWidth = cw - MulDiv(cw, FPrintResolution, 100);
    WinHeight = ch - MulDiv(ch, FPrintResolution, 100);
    // An empty printer rectangle has nothing to scale from: it stays as it is.
    if (ViewWidth != 0) {
        R.Left = MulDiv(R.Left, WinWidth, ViewWidth);
        R.Right = MulDiv(R.Right, WinWidth, ViewWidth);
    }
    if (ViewHeight != 0) {
        R.Top = MulDiv(R.Top, WinHeight, ViewHeight);
        R.Bottom = MulDiv(R.Bottom, WinHeight, ViewHeight);
    }
}

void TCustomTeePanel::PrintPartialCanvas(TCanvas* PrintCanvas, const TRect& PrinterRect) {
    TRect R = PrinterRect;
    if (R.Left > R.Right) std::swap(R.Left, R.Right);
    if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
    int viewW = 0, viewH = 0, winW = 0, winH = 0;
    CalcMetaBounds(R, GetRectangle(), viewW, viewH, winW, winH);
    const HDC dc = PrintCanvas->Handle();
    // A mapping with an empty extent would divide by zero: such a page is drawn unscaled.
    const bool mapped = viewW > 0 && viewH > 0 && winW > 0 && winH > 0;
    int oldMode = 0;
    if (mapped) {
        oldMode = SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowOrgEx(dc, 0, 0, nullptr);
        SetWindowExtEx(dc, winW, winH, nullptr);
        SetViewportExtEx(dc, viewW, viewH, nullptr);
        SetViewportOrgEx(dc, 0, 0, nullptr);
    }
    auto finish = [&] {
        FPrinting = false;
        if (mapped) SetMapMode(dc, oldMode);
    };
    try {
        FPrinting = true;
        const bool clip = CanClip();
        if (clip) ClipCanvas(PrintCanvas, R);
        if (OnBeforePrint) OnBeforePrint(this, PrintCanvas, R);
        DrawToMetaCanvas(PrintCanvas, R);
        if (clip) UnClipCanvas(PrintCanvas);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}
