#include "chart/engine/panel/TeeShape.h"

#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeBlend.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/panel/CustomTeePanel.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "chart/engine/pictures/TeeFilters.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Bitmap.h"

#include <cmath>

ORVO_IMPLEMENT_ENUM_TYPE(TChartObjectShapeStyle, "fosRectangle", "fosRoundRectangle", "fosEllipse")
ORVO_IMPLEMENT_ENUM_TYPE(TTextFormat, "ttfNormal", "ttfHtml")
ORVO_IMPLEMENT_CLASS(TTeeCustomShapeBrushPen, TPersistent)
ORVO_IMPLEMENT_CLASS(TTeeCustomShape, TTeeCustomShapeBrushPen)
ORVO_IMPLEMENT_CLASS(TTeeShape, TTeeCustomShape)

namespace {
// A new object of Class when it is T or a descendant with a plain constructor, else a T.
template <class T> T* createOf(TClass Class) {
    if (Class && Class->CreatePlain && Class->InheritsFrom(T::StaticClass()))
        return static_cast<T*>(Class->CreatePlain());
    return new T();
}
// The setter of an owned object made on first use: null frees it, a value is copied into
// it (made through Get).
template <class T, class G> void assignOwned(T*& Field, T* Value, G Get) {
    if (!Value) {
        delete Field;
        Field = nullptr;
    } else if (Value != Field) {
        Get()->Assign(Value);
    }
}
} // namespace

// ---- TTeeCustomShapeBrushPen -----------------------------------------------------------

TTeeCustomShapeBrushPen::TTeeCustomShapeBrushPen(TCustomTeePanel* Parent, TClass BrushClass)
    : FParent(Parent) {
    const TNotifyEvent changed = changedEvent();
    FBrush = createOf<TChartBrush>(BrushClass);
    FBrush->OnChange = changed;
    FPen = new TChartPen(changed);
}

TTeeCustomShapeBrushPen::~TTeeCustomShapeBrushPen() {
    delete FBrush;
    delete FPen;
}

void TTeeCustomShapeBrushPen::Assign(TPersistent* Source) {
    auto* s = dynamic_cast<TTeeCustomShapeBrushPen*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    FBrush->Assign(s->FBrush);
    FPen->Assign(s->FPen);
    FVisible = s->FVisible;
}

void TTeeCustomShapeBrushPen::SetParent(TCustomTeePanel* Value) {
    FParent = Value;
}

void TTeeCustomShapeBrushPen::SetBrush(TChartBrush* Value) {
    FBrush->Assign(Value);
}

void TTeeCustomShapeBrushPen::SetPen(TChartPen* Value) {
    FPen->Assign(Value);
}

void TTeeCustomShapeBrushPen::SetVisible(bool Value) {
    if (FParent)
        FParent->SetBooleanProperty(FVisible, Value);
    else
        FVisible = Value;
}

void TTeeCustomShapeBrushPen::Repaint() {
    if (FParent) FParent->Invalidate();
}

void TTeeCustomShapeBrushPen::CanvasChanged(TObject* Sender) {
    (void)Sender;
    Repaint();
}

// ---- TTeeCustomShape -----------------------------------------------------------------------

TTeeCustomShape::TTeeCustomShape(TCustomTeePanel* Panel) : TTeeCustomShapeBrushPen(Panel) {
    const TNotifyEvent changed = changedEvent();
    FShadow = new TTeeShadow(changed);
    InitShadow(FShadow);
    FFont = new TTeeFont(changed);
}

TTeeCustomShape::~TTeeCustomShape() {
    delete FShadow;
    delete FFont;
    delete FGradient;
    delete FPicture;
}

void TTeeCustomShape::InitShadow(TTeeShadow* AShadow) {
    AShadow->InitValues(clBlack, 3);
}

TClass TTeeCustomShape::GetGradientClass() const {
    return TTeeGradient::StaticClass();
}

void TTeeCustomShape::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TTeeCustomShape*>(Source)) {
        FBevel = s->FBevel;
        FBevelWidth = s->FBevelWidth;
        FColor = s->FColor;
        FFont->Assign(s->FFont);
        SetGradient(s->FGradient);
        FShapeStyle = s->FShapeStyle;
        SetPicture(s->FPicture);
        FRoundSize = s->FRoundSize;
        SetShadow(s->FShadow);
        FTextFormat = s->FTextFormat;
        FTransparent = s->FTransparent;
        FTransparency = s->FTransparency;
    }
    TTeeCustomShapeBrushPen::Assign(Source);
}

void TTeeCustomShape::SetBevel(TBevelCut Value) {
    SetAndRepaint(FBevel, Value);
}
void TTeeCustomShape::SetBevelWidth(TBevelWidth Value) {
    SetAndRepaint(FBevelWidth, Value);
}
void TTeeCustomShape::SetRoundSize(int Value) {
    SetAndRepaint(FRoundSize, Value);
}
void TTeeCustomShape::SetShapeStyle(TChartObjectShapeStyle Value) {
    SetAndRepaint(FShapeStyle, Value);
}
void TTeeCustomShape::SetTextFormat(TTextFormat Value) {
    SetAndRepaint(FTextFormat, Value);
}
void TTeeCustomShape::SetTransparency(TTeeTransparency Value) {
    SetAndRepaint(FTransparency, Value);
}

void TTeeCustomShape::SetColor(TColor Value) {
    if (FParent)
        FParent->SetColorProperty(FColor, Value);
    else
        FColor = Value;
}

void TTeeCustomShape::SetTransparent(bool Value) {
    if (FParent)
        FParent->SetBooleanProperty(FTransparent, Value);
    else
        FTransparent = Value;
}

void TTeeCustomShape::SetFont(TTeeFont* Value) {
    FFont->Assign(Value);
}

TTeeGradient* TTeeCustomShape::Gradient() {
    if (!FGradient) {
        FGradient = createOf<TTeeGradient>(GetGradientClass());
        FGradient->Changed = changedEvent();
    }
    return FGradient;
}

void TTeeCustomShape::SetGradient(TTeeGradient* Value) {
    assignOwned(FGradient, Value, [this] { return Gradient(); });
}

TBackImage* TTeeCustomShape::Picture() {
    if (!FPicture) {
        FPicture = new TBackImage();
        FPicture->OnChange = changedEvent();
    }
    return FPicture;
}

void TTeeCustomShape::SetPicture(TBackImage* Value) {
    assignOwned(FPicture, Value, [this] { return Picture(); });
    Repaint();
}

void TTeeCustomShape::SetShadow(TTeeShadow* Value) {
    if (!Value) {
        delete FShadow;
        FShadow = nullptr;
        return;
    }
    if (Value == FShadow) return;
    if (!FShadow) {
        FShadow = new TTeeShadow(changedEvent());
        InitShadow(FShadow);
    }
    FShadow->Assign(Value);
}

TColor TTeeCustomShape::ShadowColor() const {
    return FShadow ? FShadow->Color() : clBlack;
}
void TTeeCustomShape::SetShadowColor(TColor Value) {
    if (FShadow) FShadow->SetColor(Value);
}
int TTeeCustomShape::ShadowSize() const {
    return FShadow ? FShadow->Size() : 0;
}
void TTeeCustomShape::SetShadowSize(int Value) {
    if (FShadow) FShadow->SetSize(Value);
}

void TTeeCustomShape::DefineProperties(TFiler* Filer) {
    TTeeCustomShapeBrushPen::DefineProperties(Filer);
    // Older files stored the shadow as two plain properties; read, never written.
    Filer->DefineProperty(QStringLiteral("ShadowColor"), TReaderProc(this, &TTeeCustomShape::ReadShadowColor),
                          TWriterProc(), false);
    Filer->DefineProperty(QStringLiteral("ShadowSize"), TReaderProc(this, &TTeeCustomShape::ReadShadowSize),
                          TWriterProc(), false);
}

void TTeeCustomShape::ReadShadowColor(TReader* Reader) {
    if (Reader->NextValue() == vaIdent) {
        const String ident = Reader->ReadIdent();
        int color = 0;
        if (!IdentToColor(ident, color)) throw EReadError(QStringLiteral("Invalid property value: ") + ident);
        SetShadowColor(TColor(color));
    } else {
        SetShadowColor(TColor(Reader->ReadInteger()));
    }
}

void TTeeCustomShape::ReadShadowSize(TReader* Reader) {
    SetShadowSize(Reader->ReadInteger());
}

// ---- drawing ---------------------------------------------------------------------------

void RectToFourPoints(const TRect& Rect, double Angle, TFourPoints& Points) {
    const Int64 cx = (Int64(Rect.Left) + Rect.Right) / 2, cy = (Int64(Rect.Top) + Rect.Bottom) / 2;
    const double a = Angle * TeePiStep, s = std::sin(a), c = std::cos(a);
    const double corners[4][2] = {{double(Rect.Left - cx), double(Rect.Top - cy)},
                                  {double(Rect.Right - cx), double(Rect.Top - cy)},
                                  {double(Rect.Right - cx), double(Rect.Bottom - cy)},
                                  {double(Rect.Left - cx), double(Rect.Bottom - cy)}};
    for (int i = 0; i < 4; ++i) {
        const double x = corners[i][0], y = corners[i][1];
        Points[std::size_t(i)] = TPoint{RoundPx(x * c + y * s, int(cx)), RoundPx(-x * s + y * c, int(cy))};
    }
}

namespace {
// Rect, or the bounds of its corners turned by Angle.
TRect rotatedBounds(const TRect& Rect, int Angle) {
    if (Angle == 0) return Rect;
    TFourPoints p;
    RectToFourPoints(Rect, Angle, p);
    return PolygonBounds(p);
}
} // namespace

void TTeeCustomShape::Draw() {
    DrawRectRotated(ShapeBounds, 0, 0);
}

void TTeeCustomShape::DrawRectRotated(const TRect& Rect, int Angle, int Z) {
    DrawRectRotated(FParent, Rect, Angle, Z);
}

void TTeeCustomShape::DrawOutline(TCanvas3D* Canvas, const TRect& R, int Angle, int Z) {
    if (Angle != 0) {
        TFourPoints p;
        RectToFourPoints(R, Angle, p);
        Canvas->PolygonWithZ(p, Z);
    } else if (Canvas->SupportsFullRotation()) {
        if (FShapeStyle == fosEllipse)
            Canvas->EllipseWithZ(R, Z);
        else
            Canvas->RectangleWithZ(R, Z);
    } else if (FShapeStyle == fosEllipse) {
        Canvas->Ellipse(R);
    } else if (FShapeStyle == fosRoundRectangle) {
        Canvas->RoundRect(R, FRoundSize, FRoundSize);
    } else {
        Canvas->Rectangle(R);
    }
}

void TTeeCustomShape::DrawPicture(TCustomTeePanel* Panel, TCanvas3D* Canvas, const TRect& Rect) {
    const bool clip = FShapeStyle != fosRectangle;
    if (FShapeStyle == fosEllipse)
        ClipEllipse(Canvas, Rect);
    else if (FShapeStyle == fosRoundRectangle)
        ClipRoundRectangle(Canvas, Rect, FRoundSize);
    if (auto* extended = dynamic_cast<TCustomTeePanelExtended*>(Panel))
        FPicture->Draw(extended, Rect, 0);
    else if (TGraphic* g = FPicture->Filtered())
        Canvas->StretchDraw(Rect, g); // a plain panel: the picture stretched
    if (clip) Canvas->UnClipRectangle();
    Canvas->Brush()->SetStyle(bsClear);
}

void TTeeCustomShape::DrawRectRotated(TCustomTeePanel* Panel, const TRect& Rect, int Angle, int Z) {
    // A shape not yet placed on a chart has no canvas to draw on.
    TCanvas3D* canvas = Panel ? Panel->Canvas() : nullptr;
    if (!canvas || FTransparent) return;

    TTeeBlend* blend = nullptr;
    if (FTransparency > 0) blend = canvas->BeginBlending(rotatedBounds(Rect, Angle), FTransparency);

    if (FShadow && FShadow->Visible() && FShadow->Size() != 0 && FBrush->Style() != bsClear) {
        const TRect s = rotatedBounds(Rect, Angle);
        const bool front = !canvas->SupportsFullRotation();
        if (front) canvas->FrontPlaneBegin();
        if (FShapeStyle == fosEllipse)
            FShadow->DrawEllipse(canvas, s, Z);
        else
            FShadow->Draw(canvas, s, Z, FShapeStyle == fosRoundRectangle ? FRoundSize : 0);
        if (front) canvas->FrontPlaneEnd();

        if (FTransparency > 0) {
            // The blended body would let the shadow through: a solid copy stands under it.
            int dx = FShadow->HorizSize(), dy = FShadow->VertSize();
            if (std::max(dx, dy) > 0 && FPen->Visible()) {
                dx += FPen->Width();
                dy += FPen->Width();
            }
            canvas->Pen()->SetStyle(psClear);
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(FShadow->Color());
            const TRect moved{Rect.Left + dx, Rect.Top + dy, Rect.Right + dx, Rect.Bottom + dy};
            TTeeBlend* shadowBlend = nullptr;
            if (FShadow->Transparency() > 0)
                shadowBlend = canvas->BeginBlending(rotatedBounds(moved, Angle), FShadow->Transparency());
            DrawOutline(canvas, moved, Angle, Z);
            if (shadowBlend) canvas->EndBlending(shadowBlend);
        }
    }

    if (FPicture && FPicture->Graphic() && !FPicture->Graphic()->Empty()) {
        DrawPicture(Panel, canvas, Rect);
    } else if (FGradient && FGradient->Visible()) {
        if (Angle != 0) {
            TFourPoints p;
            RectToFourPoints(Rect, Angle, p);
            if (canvas->SupportsFullRotation())
                FGradient->Draw(canvas, p, Z);
            else
                FGradient->Draw(static_cast<TTeeCanvas*>(canvas), p);
        } else if (canvas->SupportsFullRotation()) {
            canvas->GradientZ = Z;
            FGradient->Draw(canvas, Rect);
            canvas->GradientZ = 0;
        } else {
            FGradient->Draw(canvas, Rect, FShapeStyle == fosRoundRectangle ? FRoundSize : 0);
        }
        canvas->Brush()->SetStyle(bsClear);
    } else {
        canvas->AssignBrush(FBrush, FColor, FBrush->Color());
    }

    canvas->AssignVisiblePenColor(FPen, FPen->Color());
    DrawOutline(canvas, Rect, Angle, Z);

    if (Angle == 0) {
        TRect r = Rect;
        DrawBevel(canvas, FBevel, r, FBevelWidth, 0);
    }

    if (blend) {
        // Filters without a picture work on what lies under the shape (a blur, say).
        if (FPicture && !FPicture->Graphic() && FPicture->HasFilters() && blend->Bitmap())
            FPicture->Filters()->ApplyTo(blend->Bitmap());
        canvas->EndBlending(blend);
    }
}

// ---- published -------------------------------------------------------------------------

ORVO_PUBLISHED(TTeeShape) {
    using S = TTeeShape;
    P.Property("Bevel", &S::Bevel, &S::SetBevel).Default(bvNone);
    P.Property("BevelWidth", &S::BevelWidth, &S::SetBevelWidth).Default(2);
    P.Property("Color", &S::Color, &S::SetColor).Type(TypeInfoTColor()).Default(clWhite);
    P.Property("Font", &S::Font, &S::SetFont);
    P.Property("Gradient", &S::Gradient, &S::SetGradient).Present(&S::HasGradient);
    P.Property("Picture", &S::Picture, &S::SetPicture).Present(&S::HasPicture);
    P.Property("RoundSize", &S::RoundSize, &S::SetRoundSize).Default(16);
    P.Property("Shadow", &S::Shadow, &S::SetShadow);
    P.Property("ShapeStyle", &S::ShapeStyle, &S::SetShapeStyle).Default(fosRectangle);
    P.Property("Transparent", &S::Transparent, &S::SetTransparent).Stored(&S::IsTransparentStored);
    P.Property("Visible", &S::Visible, &S::SetVisible).Default(true);
}
