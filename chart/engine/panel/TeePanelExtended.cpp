#include "chart/engine/panel/TeePanelExtended.h"

#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/controls/StdControlTypes.h"

ORVO_IMPLEMENT_CLASS(TTeeZoomPen, TChartPen)
ORVO_IMPLEMENT_CLASS(TTeeZoomBrush, TChartBrush)
ORVO_IMPLEMENT_CLASS(TTeeZoom, TZoomPanning)
ORVO_IMPLEMENT_CLASS(TBackImage, TTeePicture)
ORVO_IMPLEMENT_CLASS(TCustomTeePanelExtended, TCustomTeePanel)
ORVO_IMPLEMENT_CLASS(TDraw3D, TCustomTeePanelExtended)
ORVO_IMPLEMENT_ENUM_TYPE(TTeeZoomDirection, "tzdHorizontal", "tzdVertical", "tzdBoth")
ORVO_IMPLEMENT_ENUM_TYPE(TTeeBackImageMode, "pbmStretch", "pbmTile", "pbmCenter", "pbmCustom")
ORVO_IMPLEMENT_ENUM_TYPE(TPanningMode, "pmNone", "pmHorizontal", "pmVertical", "pmBoth")
ORVO_IMPLEMENT_EVENT_TYPE(TDraw3DPaintEvent)

namespace {
// Null frees Field; a value is copied into it, made by Make when missing.
template <class T, class Make> void CopyOrFree(T*& Field, T* Value, Make MakeField) {
    if (!Value) {
        delete Field;
        Field = nullptr;
        return;
    }
    if (!Field) Field = MakeField();
    Field->Assign(Value);
}
} // namespace

// ---- zoom pen, brush and settings ------------------------------------------------------------

TTeeZoomPen::TTeeZoomPen(TNotifyEvent OnChangeEvent) : TChartPen(OnChangeEvent) {
    SetColor(clWhite);
}

TTeeZoomBrush::TTeeZoomBrush(TNotifyEvent OnChangeEvent) : TChartBrush(OnChangeEvent) {
    SetColor(clWhite);
    SetStyle(bsClear);
}

TTeeZoom::~TTeeZoom() {
    delete FPen;
    delete FBrush;
}

TTeeZoomBrush* TTeeZoom::Brush() {
    if (!FBrush) FBrush = new TTeeZoomBrush;
    return FBrush;
}

void TTeeZoom::SetBrush(TTeeZoomBrush* Value) {
    CopyOrFree(FBrush, Value, [this] { return Brush(); });
}

TTeeZoomPen* TTeeZoom::Pen() {
    if (!FPen) FPen = new TTeeZoomPen;
    return FPen;
}

void TTeeZoom::SetPen(TTeeZoomPen* Value) {
    CopyOrFree(FPen, Value, [this] { return Pen(); });
}

void TTeeZoom::Assign(TPersistent* Source) {
    auto* s = dynamic_cast<TTeeZoom*>(Source);
    if (!s) return;
    FAllow = s->FAllow;
    FAnimated = s->FAnimated;
    FAnimatedSteps = s->FAnimatedSteps;
    SetBrush(s->FBrush);
    FDirection = s->FDirection;
    FKeyShift = s->FKeyShift;
    FMouseButton = s->FMouseButton;
    SetPen(s->FPen);
}

// ---- back image ----------------------------------------------------------------------------

void TBackImage::Changed() {
    if (OnChange) OnChange(this);
}

void TBackImage::SetInside(bool Value) {
    if (StoreIfChanged(FInside, Value)) Changed();
}

void TBackImage::SetLeft(int Value) {
    if (StoreIfChanged(FLeft, Value)) Changed();
}

void TBackImage::SetMode(TTeeBackImageMode Value) {
    if (StoreIfChanged(FMode, Value)) Changed();
}

void TBackImage::SetTop(int Value) {
    if (StoreIfChanged(FTop, Value)) Changed();
}

void TBackImage::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TBackImage*>(Source)) {
        FInside = s->FInside;
        FLeft = s->FLeft;
        FMode = s->FMode;
        FTop = s->FTop;
    }
    TTeePicture::Assign(Source);
}

namespace {
// Whether pictures at depth Z > 0 go onto the projected depth plane (a rotated view)
// rather than into the projected rectangle (an orthogonal or 2-D view).
bool RotatedView(TCustomTeePanel* Panel) {
    return Panel->View3D() && !Panel->View3DOptions()->Orthogonal();
}

TRect ProjectedRect(TCustomTeePanel* Panel, const TRect& R, int Z) {
    TRect r = Panel->Canvas()->CalcRect3D(R, Z);
    if (!Panel->View3D()) ++r.Top;
    return r;
}
} // namespace

void TBackImage::Draw(TCustomTeePanelExtended* Panel, const TRect& Rect, int Z) {
    TGraphic* g = Filtered();
    if (!g || g->Empty()) return;
    TCanvas3D* c = Panel->Canvas();
    const bool rotated = RotatedView(Panel);
    TRect R = Rect;
    if (FMode == pbmStretch) {
        if (Z <= 0)
            c->StretchDraw(R, g);
        else if (rotated)
            c->StretchDraw(R, g, Z, cpZ);
        else
            c->StretchDraw(ProjectedRect(Panel, R, Z), g);
        return;
    }
    const bool clip = Panel->CanClip();
    if (clip) {
        if (Z != 0)
            c->ClipCube(R, 0, Panel->Width3D());
        else
            c->ClipRectangle(R);
    }
    if (Z > 0 && !rotated) R = ProjectedRect(Panel, R, Z);
    const int w = g->Width(), h = g->Height();
    if (FMode == pbmTile) {
        if (w > 0 && h > 0) {
            const int rw = R.Right - R.Left, rh = R.Bottom - R.Top;
            for (int y = 0; y < rh; y += h)
                for (int x = 0; x < rw; x += w) {
                    if (Z > 0 && rotated)
                        c->StretchDraw(TRect{R.Left + x, R.Top + y, R.Left + x + w, R.Top + y + h}, g, Z,
                                       cpZ);
                    else
                        c->Draw(R.Left + x, R.Top + y, g);
                }
        }
    } else {
        Panel->FillPanelRect(R);
        TRect img;
        if (FMode == pbmCustom) {
            img = {R.Left + FLeft, R.Top + FTop, R.Left + FLeft + w, R.Top + FTop + h};
        } else {
            const int dx = (w - (R.Right - R.Left)) / 2, dy = (h - (R.Bottom - R.Top)) / 2;
            img = {R.Left - dx, R.Top - dy, R.Right + dx, R.Bottom + dy};
        }
        if (Z <= 0 || !rotated)
            c->Draw(img.Left, img.Top, g);
        else
            c->StretchDraw(img, g, Z, cpZ);
    }
    if (clip) c->UnClipRectangle();
}

// ---- the extended panel ------------------------------------------------------------------------

TCustomTeePanelExtended::TCustomTeePanelExtended(TComponent* AOwner) : TCustomTeePanel(AOwner) {
    FAllowPanning = pmBoth;
    FZoom = new TTeeZoom;
}

TCustomTeePanelExtended::~TCustomTeePanelExtended() {
    delete FZoom;
    FZoom = nullptr;
    delete FGradient;
    FGradient = nullptr;
    delete FBackImage;
    FBackImage = nullptr;
}

TTeeGradient* TCustomTeePanelExtended::Gradient() {
    if (!FGradient)
        FGradient = new TTeeGradient(
            TNotifyEvent(static_cast<TCustomTeePanel*>(this), &TCustomTeePanel::CanvasChanged));
    return FGradient;
}

void TCustomTeePanelExtended::SetGradient(TTeeGradient* Value) {
    CopyOrFree(FGradient, Value, [this] { return Gradient(); });
}

TBackImage* TCustomTeePanelExtended::BackImage() {
    if (!FBackImage) {
        FBackImage = new TBackImage;
        FBackImage->OnChange =
            TNotifyEvent(static_cast<TCustomTeePanel*>(this), &TCustomTeePanel::CanvasChanged);
    }
    return FBackImage;
}

void TCustomTeePanelExtended::SetBackImage(TBackImage* Value) {
    CopyOrFree(FBackImage, Value, [this] { return BackImage(); });
    if (!Value) Invalidate();
}

bool TCustomTeePanelExtended::HasBackImage() const {
    return FBackImage && FBackImage->Graphic();
}

bool TCustomTeePanelExtended::BackImageInside() const {
    return HasBackImage() && FBackImage->Inside();
}

void TCustomTeePanelExtended::SetBackImageInside(bool Value) {
    BackImage()->SetInside(Value);
}

TTeeBackImageMode TCustomTeePanelExtended::BackImageMode() {
    return BackImage()->Mode();
}

void TCustomTeePanelExtended::SetBackImageMode(TTeeBackImageMode Value) {
    BackImage()->SetMode(Value);
}

bool TCustomTeePanelExtended::BackImageTransp() const {
    return HasBackImage() && FBackImage->Graphic()->Transparent();
}

void TCustomTeePanelExtended::SetBackImageTransp(bool Value) {
    if (HasBackImage()) FBackImage->Graphic()->SetTransparent(Value);
}

HPALETTE TCustomTeePanelExtended::GetPalette() {
    if (HasBackImage())
        if (auto* b = dynamic_cast<TBitmap*>(FBackImage->Graphic())) return b->Palette();
    return nullptr;
}

void TCustomTeePanelExtended::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TCustomTeePanelExtended*>(Source)) {
        SetBackImage(s->FBackImage);
        SetGradient(s->FGradient);
        FAllowPanning = s->FAllowPanning;
        FZoom->Assign(s->FZoom);
    }
    TCustomTeePanel::Assign(Source);
}

void TCustomTeePanelExtended::DefineProperties(TFiler* Filer) {
    TCustomTeePanel::DefineProperties(Filer);
    // Older files hold the zoom settings on the panel itself.
    Filer->DefineProperty(QStringLiteral("AllowZoom"),
                          TReaderProc(this, &TCustomTeePanelExtended::ReadAllowZoom), TWriterProc(), false);
    Filer->DefineProperty(QStringLiteral("AnimatedZoom"),
                          TReaderProc(this, &TCustomTeePanelExtended::ReadAnimatedZoom), TWriterProc(),
                          false);
    Filer->DefineProperty(QStringLiteral("AnimatedZoomSteps"),
                          TReaderProc(this, &TCustomTeePanelExtended::ReadAnimatedZoomSteps), TWriterProc(),
                          false);
    Filer->DefineProperty(QStringLiteral("PrintMargins"),
                          TReaderProc(this, &TCustomTeePanelExtended::ReadPrintMargins),
                          TWriterProc(this, &TCustomTeePanelExtended::WritePrintMargins),
                          FPrintMargins != TRect{15, 15, 15, 15});
}

void TCustomTeePanelExtended::ReadAllowZoom(TReader* Reader) {
    FZoom->SetAllow(Reader->ReadBoolean());
}

void TCustomTeePanelExtended::ReadAnimatedZoom(TReader* Reader) {
    FZoom->SetAnimated(Reader->ReadBoolean());
}

void TCustomTeePanelExtended::ReadAnimatedZoomSteps(TReader* Reader) {
    FZoom->SetAnimatedSteps(Reader->ReadInteger());
}

void TCustomTeePanelExtended::ReadPrintMargins(TReader* Reader) {
    Reader->ReadListBegin();
    FPrintMargins.Left = Reader->ReadInteger();
    FPrintMargins.Top = Reader->ReadInteger();
    FPrintMargins.Right = Reader->ReadInteger();
    FPrintMargins.Bottom = Reader->ReadInteger();
    Reader->ReadListEnd();
}

void TCustomTeePanelExtended::WritePrintMargins(TWriter* Writer) {
    Writer->WriteListBegin();
    Writer->WriteInteger(FPrintMargins.Left);
    Writer->WriteInteger(FPrintMargins.Top);
    Writer->WriteInteger(FPrintMargins.Right);
    Writer->WriteInteger(FPrintMargins.Bottom);
    Writer->WriteListEnd();
}

void TCustomTeePanelExtended::UndoZoom() {
    if (OnUndoZoom) OnUndoZoom(this);
    Invalidate();
    FZoomed = false;
}

void TCustomTeePanelExtended::DrawBitmap(const TRect& Rect, int Z) {
    if (HasBackImage()) FBackImage->Draw(this, Rect, Z);
}

void TCustomTeePanelExtended::PaintBack(const TRect& Rect, TColor AColor, int Round) {
    if (FPrinting && !PrintTeePanel) return;
    if (AColor == clNone) return;
    TCanvas3D* c = Canvas();
    c->Brush()->SetColor(AColor);
    c->Brush()->SetStyle(bsSolid);
    c->Pen()->SetStyle(psClear);
    if (Round > 0)
        c->RoundRect(Rect, Round, Round);
    else
        c->EraseBackground(Rect);
}

void TCustomTeePanelExtended::FillPanelRect(const TRect& Rect) {
    TCanvas3D* c = Canvas();
    c->FrontPlaneBegin();
    if (FGradient && FGradient->Visible())
        FGradient->Draw(c, Rect, FBorderRound);
    else
        PaintBack(Rect, Color(), FBorderRound);
    c->FrontPlaneEnd();
}

void TCustomTeePanelExtended::PanelPaint(const TRect& Rect) {
    TCanvas3D* c = Canvas();
    c->FrontPlaneBegin();
    TRect R = Rect;
    if (FShadow->Visible() && FShadow->Size() != 0) {
        const TColor back = Parent() ? Parent()->Color() : Color();
        PaintBack(R, ColorToRGB(back), 0);
        const int h = FShadow->HorizSize(), v = FShadow->VertSize();
        if (h > 0)
            R.Right -= 2 * h + 1;
        else
            R.Left += 1 + 2 * std::abs(h);
        if (v > 0)
            R.Bottom -= 2 * v + 1;
        else
            R.Top += 1 + 2 * std::abs(v);
        FShadow->FullDraw = FBorderRound != 0;
        FShadow->Draw(c, R, 0, FBorderRound);
        if (h > 0)
            ++R.Right;
        else
            --R.Left;
        if (v > 0)
            ++R.Bottom;
        else
            --R.Top;
    }
    FillPanelRect(R);
    if (HasBackImage() && !FBackImage->Inside()) DrawBitmap(R, 0);
    DrawPanelBevels(R);
    c->FrontPlaneEnd();
}

void TCustomTeePanelExtended::DrawZoomRectangle() {
    TCanvas3D* c = Canvas();
    const TColor back = ColorToRGB(GetBackColor());
    const TColor k = TColor(0xFFFFFF - back);
    TTeeZoomBrush* brush = FZoom->HasBrush() ? FZoom->Brush() : nullptr;
    if (brush)
        SetBrushCanvas(TColor(brush->Color() ^ k), brush, back);
    else
        c->Brush()->SetStyle(bsClear);
    TTeeZoomPen* pen = FZoom->Pen();
    pen->SetMode(pmNotXor);
    c->AssignVisiblePenColor(pen, TColor(pen->Color() ^ k));
    if (!brush || brush->Style() == bsClear) c->SetBackMode(cbmTransparent);
    c->Rectangle(FZoom->X0, FZoom->Y0, FZoom->X1, FZoom->Y1);
}

// ---- TDraw3D -----------------------------------------------------------------------------------

void TDraw3D::InternalDraw(const TRect& UserRectangle) {
    struct RepaintSuspended {
        TDraw3D* panel;
        bool old;
        ~RepaintSuspended() { panel->FAutoRepaint = old; }
    } suspended{this, FAutoRepaint};
    FAutoRepaint = false;
    TCanvas3D* c = Canvas();
    const bool fullRotation = c->SupportsFullRotation();
    if (!fullRotation) PanelPaint(UserRectangle);
    ReCalcWidthHeight();
    FWidth3D = 100;
    c->Projection(100, ChartBounds(), ChartRect);
    if (fullRotation) {
        const TRect old = ChartRect;
        ChartRect = UserRectangle;
        PanelPaint(UserRectangle);
        ChartRect = old;
    }
    c->ResetState();
    if (OnPaint) OnPaint(this, UserRectangle);
    if (FZoom->Active()) DrawZoomRectangle();
    c->ResetState();
    if (OnAfterDraw) OnAfterDraw(this);
}

// ---- published properties ------------------------------------------------------------------------

ORVO_PUBLISHED(TTeeZoomPen) {
    using T = TTeeZoomPen;
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor()).Stored(&T::IsColorStored);
    P.Property("EndStyle", &T::EndStyle, &T::SetEndStyle).Stored(&T::IsEndStored);
    P.Property("Mode", &T::Mode, &T::SetMode).Default(pmCopy);
    P.Property("SmallDots", &T::SmallDots, &T::SetSmallDots).Default(false);
    P.Property("SmallSpace", &T::SmallSpace, &T::SetSmallSpace).Default(0);
    P.Property("Style", &T::Style, &T::SetStyle).Default(psSolid);
    P.Property("Visible", &T::Visible, &T::SetVisible).Stored(&T::IsVisibleStored);
    P.Property("Width", &T::Width, &T::SetWidth).Default(1);
}

ORVO_PUBLISHED(TTeeZoomBrush) {
    using T = TTeeZoomBrush;
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor()).Default(clWhite);
    P.Property("Style", &T::Style, &T::SetStyle).Default(bsClear);
}

ORVO_PUBLISHED(TTeeZoom) {
    using T = TTeeZoom;
    P.Property("Allow", &T::Allow, &T::SetAllow).Default(true);
    P.Property("Animated", &T::Animated, &T::SetAnimated).Default(false);
    P.Property("AnimatedSteps", &T::AnimatedSteps, &T::SetAnimatedSteps).Default(8);
    P.Property("Brush", &T::Brush, &T::SetBrush).Stored(&T::HasBrush);
    P.Property("Direction", &T::Direction, &T::SetDirection).Default(tzdBoth);
    P.Property("KeyShift", &T::KeyShift, &T::SetKeyShift).Default(TShiftState{});
    P.Property("MinimumPixels", &T::MinimumPixels, &T::SetMinimumPixels).Default(16);
    P.Property("MouseButton", &T::MouseButton, &T::SetMouseButton).Default(mbLeft);
    P.Property("Pen", &T::Pen, &T::SetPen).Stored(&T::HasPen);
    P.Property("UpLeftZooms", &T::UpLeftZooms, &T::SetUpLeftZooms).Default(false);
}

ORVO_PUBLISHED(TBackImage) {
    using T = TBackImage;
    P.Property("Inside", &T::Inside, &T::SetInside).Default(false);
    P.Property("Left", &T::Left, &T::SetLeft).Default(0);
    P.Property("Mode", &T::Mode, &T::SetMode).Default(pbmStretch);
    P.Property("Top", &T::Top, &T::SetTop).Default(0);
}

ORVO_PUBLISHED(TDraw3D) {
    using T = TDraw3D;
    PublishWinControlBasics(P);
    P.Property("BackImage", &T::BackImage, &T::SetBackImage).Stored(&T::HasBackImage);
    P.Property("BackImageMode", &T::BackImageMode, &T::SetBackImageMode).Stored(false);
    P.Property("BevelInner", &T::BevelInner, &T::SetBevelInner).Default(bvNone);
    P.Property("BevelOuter", &T::BevelOuter, &T::SetBevelOuter).Default(bvRaised);
    P.Property("BevelWidth", &T::BevelWidth, &T::SetBevelWidth).Default(1);
    P.Property("Border", &T::Border, &T::SetBorder);
    P.Property("BorderRound", &T::BorderRound, &T::SetBorderRound).Default(0);
    P.Property("BorderWidth", &T::BorderWidth, &T::SetBorderWidth).Default(0);
    P.Property("BufferedDisplay", &T::BufferedDisplay, &T::SetBufferedDisplay).Default(true);
    P.Property("Color", &T::PanelColor, &T::SetPanelColor).Type(TypeInfoTColor()).Default(clBtnFace);
    P.Property("Gradient", &T::Gradient, &T::SetGradient).Stored(&T::HasGradient);
    P.Property("MarginLeft", &T::MarginLeft, &T::SetMarginLeft).Default(3);
    P.Property("MarginTop", &T::MarginTop, &T::SetMarginTop).Default(4);
    P.Property("MarginRight", &T::MarginRight, &T::SetMarginRight).Default(3);
    P.Property("MarginBottom", &T::MarginBottom, &T::SetMarginBottom).Default(4);
    P.Property("MarginUnits", &T::MarginUnits, &T::SetMarginUnits).Default(muPercent);
    P.Property("Monochrome", &T::Monochrome, &T::SetMonochrome).Default(false);
    P.Property("PrintProportional", &T::PrintProportional, &T::SetPrintProportional).Default(true);
    P.Property("PrintResolution", &T::PrintResolution, &T::SetPrintResolution).Default(0);
    P.Property("Shadow", &T::Shadow, &T::SetShadow);
    P.Property("View3D", &T::View3D, &T::SetView3D).Default(true);
    P.Property("View3DOptions", &T::View3DOptions, &T::SetView3DOptions);
    P.Property("OnAfterDraw", &T::OnAfterDraw);
    P.Property("OnPaint", &T::OnPaint);
    P.Property("OnResize", &T::OnResize);
}
