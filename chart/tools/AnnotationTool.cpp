// TAnnotationTool: box placement, drawing of the text shape and its callout, clicks and
// the hover cursor.
#include "chart/tools/AnnotationTool.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/HtmlText.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/TypInfo.h"

#include <QStringList>

#include <algorithm>

ORVO_IMPLEMENT_ENUM_TYPE(TAnnotationPosition, "ppLeftTop", "ppLeftBottom", "ppRightTop", "ppRightBottom",
                         "ppCenter")
ORVO_IMPLEMENT_EVENT_TYPE(TAnnotationClick)
ORVO_IMPLEMENT_CLASS(TTextShape, TTeeCustomShapePosition)
ORVO_IMPLEMENT_CLASS(TAnnotationCallout, TCallout)
ORVO_IMPLEMENT_CLASS(TAnnotationTool, TTeeCustomTool)

ORVO_PUBLISHED(TTextShape) {
    using T = TTextShape;
    P.Property("AutoSize", &T::AutoSize, &T::SetAutoSize).Stored(&T::IsAutoSizeStored);
    P.Property("Bevel", &T::Bevel, &T::SetBevel).Default(bvNone);
    P.Property("BevelWidth", &T::BevelWidth, &T::SetBevelWidth).Default(2);
    P.Property("Brush", &T::Brush, &T::SetBrush);
    P.Property("ClipText", &T::ClipText, &T::SetClipText).Default(true);
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor()).Default(clWhite);
    P.Property("Cursor", &T::Cursor, &T::SetCursor).Type(TypeInfoTCursor()).Stored(&T::IsCursorStored);
    P.Property("CustomPosition", &T::CustomPosition, &T::SetCustomPosition).Stored(&T::IsCustomStored);
    P.Property("Font", &T::Font, &T::SetFont);
    P.Property("Frame", &T::Frame, &T::SetFrame);
    P.Property("Gradient", &T::Gradient, &T::SetGradient).Present(&T::HasGradient);
    P.Property("Left", &T::Left, &T::SetLeft).Stored(&T::IsPosStored);
    P.Property("Margins", &T::Margins, &T::SetMargins);
    P.Property("Picture", &T::Picture, &T::SetPicture).Present(&T::HasPicture);
    P.Property("Shadow", &T::Shadow, &T::SetShadow);
    P.Property("ShapeStyle", &T::ShapeStyle, &T::SetShapeStyle).Default(fosRectangle);
    P.Property("Text", &T::Text, &T::SetText).Stored(&T::IsTextStored);
    P.Property("TextAlignment", &T::TextAlignment, &T::SetTextAlignment).Default(taLeftJustify);
    P.Property("TextFormat", &T::TextFormat, &T::SetTextFormat).Default(ttfNormal);
    P.Property("Top", &T::Top, &T::SetTop).Stored(&T::IsPosStored);
    P.Property("Transparency", &T::Transparency, &T::SetTransparency).Default(0);
    P.Property("Transparent", &T::Transparent, &T::SetTransparent).Stored(&T::IsTransparentStored);
    P.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
}

ORVO_PUBLISHED(TAnnotationCallout) {
    using T = TAnnotationCallout;
    P.Property("Visible", &T::Visible, &T::SetVisible).Default(false);
    P.Property("XPosition", &T::XPosition, &T::SetXPosition).Default(0);
    P.Property("YPosition", &T::YPosition, &T::SetYPosition).Default(0);
    P.Property("ZPosition", &T::ZPosition, &T::SetZPosition).Default(0);
}

ORVO_PUBLISHED(TAnnotationTool) {
    using T = TAnnotationTool;
    P.Property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(true);
    P.Property("Callout", &T::Callout, &T::SetCallout);
    P.Property("ClipText", &T::ClipText, &T::SetClipText).Default(true);
    P.Property("Cursor", &T::Cursor, &T::SetCursor).Type(TypeInfoTCursor()).Default(0);
    P.Property("Height", &T::Height, &T::SetHeight).Stored(&T::IsSizeStored);
    P.Property("Position", &T::Position, &T::SetPosition).Default(ppLeftTop);
    P.Property("PositionUnits", &T::PositionUnits, &T::SetPositionUnits).Default(muPixels);
    P.Property("Shape", &T::Shape, &T::SetShape);
    P.Property("Text", &T::Text, &T::SetText).Stored(&T::IsTextStored);
    P.Property("TextAlignment", &T::TextAlignment, &T::SetTextAlignment).Default(taLeftJustify);
    P.Property("Width", &T::Width, &T::SetWidth).Stored(&T::IsSizeStored);
    P.Property("OnAfterDraw", &T::OnAfterDraw);
    P.Property("OnBeforeDraw", &T::OnBeforeDraw);
    P.Property("OnClick", &T::OnClick);
    P.Property("OnDblClick", &T::OnDblClick);
}

// ---- TTextShape ------------------------------------------------------------------------------

TTextShape::TTextShape(TCustomTeePanel* Panel) : TTeeCustomShapePosition(Panel) {
    FMargins = new TMargins(this);
}

TTextShape::~TTextShape() {
    delete FMargins;
}

void TTextShape::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TTextShape*>(Source)) {
        FAutoSize = s->FAutoSize;
        FClipText = s->FClipText;
        FCursor = s->FCursor;
        FMargins->Assign(s->FMargins);
        FText = s->FText;
        FTextAlign = s->FTextAlign;
    }
    TTeeCustomShapePosition::Assign(Source);
}

void TTextShape::SetShapeBool(bool& Field, bool Value) {
    if (Field != Value) {
        Field = Value;
        Repaint();
    }
}

void TTextShape::SetCursor(int Value) {
    if (FCursor != Value) {
        FCursor = Value;
        Repaint();
    }
}

void TTextShape::SetText(const String& Value) {
    if (FText != Value) {
        FText = Value;
        Repaint();
    }
}

void TTextShape::SetTextAlignment(TAlignment Value) {
    if (FTextAlign != Value) {
        FTextAlign = Value;
        Repaint();
    }
}

void TTextShape::CalcBounds(TCustomTeePanel* Panel) {
    auto* chart = dynamic_cast<TCustomAxisPanel*>(Panel);
    if (!chart) return;
    chart->Canvas()->AssignFont(Font());
    const int fh = chart->Canvas()->FontHeight();
    int lines = 0;
    const int w = chart->MultiLineTextWidth(FText, lines);
    INumLines = lines;
    const int h = lines * fh;
    int p = 0;
    if (Frame()->Visible()) p = (Frame()->Width() + 1) / 2;
    if (ShapeStyle() == fosRoundRectangle) p += fh * RoundSize() / 100;
    FMargins->Calculate(w + p, h + p, fh);
    ShapeBounds = TRect{0, 0, w + p + FMargins->HorizSize() - 1, h + p + FMargins->VertSize() - 1};
}

void TTextShape::DrawText(TCustomTeePanel* Panel, TRect R, int NumLines, int XOffset) {
    (void)NumLines;
    R.Left += Panel->ChartBounds().Left;
    R.Right += Panel->ChartBounds().Left;
    R.Top += Panel->ChartBounds().Top;
    R.Bottom += Panel->ChartBounds().Top;
    if (Visible()) DrawRectRotated(Panel, R, 0, 0);
    TCanvas3D* c = Panel->Canvas();
    if (FClipText) c->ClipRectangle(R);
    try {
        c->SetBackMode(cbmTransparent);
        const TRect& m = FMargins->Size();
        int x;
        switch (FTextAlign) {
        case taLeftJustify:
            c->SetTextAlign(TA_LEFT);
            x = R.Left + m.Left + (Frame()->Visible() ? Frame()->Width() : 0);
            break;
        case taCenter:
            c->SetTextAlign(TA_CENTER);
            x = (m.Left + R.Left + R.Right - m.Right) / 2 + 1;
            break;
        default:
            c->SetTextAlign(TA_RIGHT);
            x = R.Right - m.Right;
            break;
        }
        c->AssignFont(Font());
        const int fh = c->FontHeight();
        String s = FText;
        s.remove(QChar(u'\n'));
        if (s.isEmpty()) s = QStringLiteral(" ");
        const QStringList lines = s.split(QChar(TeeLineSeparator));
        const int top = R.Top + m.Top;
        for (int i = 0; i < lines.size(); ++i) {
            const int y = top + i * fh;
            if (TextFormat() == ttfHtml)
                HtmlTextOut(c, x + XOffset, y, lines[i]);
            else
                c->TextOut(x + XOffset, y, lines[i]);
        }
    } catch (...) {
        if (FClipText) c->UnClipRectangle();
        throw;
    }
    if (FClipText) c->UnClipRectangle();
}

// ---- TAnnotationCallout ----------------------------------------------------------------------

TAnnotationCallout::TAnnotationCallout(TChartSeries* AOwner) : TCallout(AOwner) {
    FArrow->SetVisible(false);
    FVisible = false;
}

void TAnnotationCallout::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TAnnotationCallout*>(Source)) {
        FX = s->FX;
        FY = s->FY;
        FZ = s->FZ;
    }
    TCallout::Assign(Source);
}

void TAnnotationCallout::SetPos(int& Field, int Value) {
    if (Field != Value) {
        Field = Value;
        Repaint();
    }
}

// ---- TAnnotationTool -------------------------------------------------------------------------

TAnnotationTool::TAnnotationTool(TComponent* AOwner) : TTeeCustomTool(AOwner) {
    FCallout = new TAnnotationCallout(nullptr);
    FShape = new TTextShape(nullptr);
}

TAnnotationTool::~TAnnotationTool() {
    delete FCallout;
    delete FShape;
}

String TAnnotationTool::Description() {
    return TeeMsg_AnnotationTool;
}

String TAnnotationTool::LongDescription() {
    return TeeMsg_AnnotationDesc;
}

void TAnnotationTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TAnnotationTool*>(Source)) {
        FCallout->Assign(s->FCallout);
        FPosition = s->FPosition;
        FPositionUnits = s->FPositionUnits;
        FShape->Assign(s->FShape);
    }
    TTeeCustomTool::Assign(Source);
}

void TAnnotationTool::SetParentChart(TCustomAxisPanel* Value) {
    TTeeCustomTool::SetParentChart(Value);
    if (ComponentState().Contains(csDestroying)) return;
    FShape->SetParent(Value);
    FCallout->SetParent(Value);
    RepaintTool();
}

void TAnnotationTool::RepaintTool() {
    if (FParent)
        FParent->Invalidate();
    else
        FShape->Repaint();
}

void TAnnotationTool::SetPosition(TAnnotationPosition Value) {
    if (FPosition != Value) {
        FPosition = Value;
        FShape->SetCustomPosition(false);
        RepaintTool();
    }
}

void TAnnotationTool::SetPositionUnits(TTeeUnits Value) {
    FPositionUnits = Value;
    RepaintTool();
}

void TAnnotationTool::SetWidth(int Value) {
    if (Value != FShape->Width()) {
        FShape->SetAutoSize(false);
        FShape->SetWidth(Value);
        RepaintTool();
    }
}

void TAnnotationTool::SetHeight(int Value) {
    if (Value != FShape->Height()) {
        FShape->SetAutoSize(false);
        FShape->SetHeight(Value);
        RepaintTool();
    }
}

void TAnnotationTool::SetLeft(int Value) {
    FShape->SetLeft(Value);
}

void TAnnotationTool::SetTop(int Value) {
    FShape->SetTop(Value);
}

TRect TAnnotationTool::Bounds() {
    int n = 0, x = 0, y = 0;
    return GetTextBounds(n, x, y);
}

void TAnnotationTool::SetBounds(const TRect& R) {
    FShape->ShapeBounds = R;
    RepaintTool();
}

bool TAnnotationTool::Clicked(int X, int Y) {
    // Without a chart there is no box (its empty bounds would hold the origin).
    if (!FParent) return false;
    const TRect r = Bounds();
    return X >= r.Left && X <= r.Right && Y >= r.Top && Y <= r.Bottom;
}

TRect TAnnotationTool::GetTextBounds(int& NumLines, int& X, int& Y) {
    if (!FParent) {
        NumLines = 0;
        X = Y = 0;
        return TRect();
    }
    return GetTextBounds(FParent, FParent->ChartBounds(), NumLines, X, Y);
}

TRect TAnnotationTool::GetTextBounds(TCustomTeePanel* Panel, const TRect& R, int& NumLines, int& X, int& Y) {
    auto* chart = dynamic_cast<TCustomAxisPanel*>(Panel);
    NumLines = 0;
    X = Y = 0;
    if (!chart) return TRect();
    chart->Canvas()->AssignFont(FShape->Font());
    const int fh = chart->Canvas()->FontHeight();
    String text = GetText();
    if (text.isEmpty()) text = QStringLiteral(" ");
    int w = 0, h = 0, pw = 0;
    const int textW = chart->MultiLineTextWidth(text, NumLines);
    const int textH = fh * NumLines;
    if (!(FShape->CustomPosition() && !FShape->AutoSize())) {
        w = textW;
        h = textH;
        if (FShape->Frame()->Visible()) {
            pw = (FShape->Frame()->Width() + 1) / 2;
            w += pw;
            h += pw;
        }
    }
    if (!FShape->AutoSize()) {
        w = FShape->Width();
        h = FShape->Height();
    }
    TMargins* m = FShape->Margins();
    m->Calculate(w, h, fh);
    const int rw = R.Right - R.Left + 1;
    const int rh = R.Bottom - R.Top + 1;
    if (FShape->CustomPosition()) {
        if (FPositionUnits == muPixels) {
            X = FShape->Left();
            Y = FShape->Top();
        } else {
            X = static_cast<int>(std::lround(FShape->Left() * rw * 0.01));
            Y = static_cast<int>(std::lround(FShape->Top() * rh * 0.01));
        }
    } else {
        const int xr = R.Left + rw - w - m->HorizSize();
        const int yb = R.Top + rh - h - m->VertSize();
        switch (FPosition) {
        case ppLeftTop:
            X = R.Left + 10;
            Y = R.Top + 10;
            break;
        case ppLeftBottom:
            X = R.Left + 10;
            Y = yb;
            break;
        case ppRightTop:
            X = xr;
            Y = R.Top + 10;
            break;
        case ppRightBottom:
            X = xr;
            Y = yb;
            break;
        case ppCenter:
            X = (R.Left + R.Right - textW) / 2;
            Y = (R.Top + R.Bottom - textH) / 2;
            break;
        }
    }
    int bw, bh;
    if (FShape->AutoSize()) {
        bw = w + m->HorizSize();
        bh = h + m->VertSize();
    } else {
        bw = FShape->Width();
        bh = FShape->Height();
    }
    const TRect result{X, Y, X + bw - 1, Y + bh - 1};
    X += pw / 2;
    Y += pw / 2;
    if (FShape->AutoSize()) {
        FShape->ShapeBounds.Right = FShape->ShapeBounds.Left + bw - 1;
        FShape->ShapeBounds.Bottom = FShape->ShapeBounds.Top + bh - 1;
    }
    return result;
}

void TAnnotationTool::DrawText() {
    if (!FParent) return;
    int n = 0, x = 0, y = 0;
    const TRect r = GetTextBounds(n, x, y);
    FShape->DrawText(FParent, r, n, GetXOffset());
    if (FCallout->Visible() || FCallout->Arrow()->Visible()) {
        TPoint p{FCallout->XPosition(), FCallout->YPosition()};
        TPoint q;
        q.X = p.X > r.Right ? r.Right : p.X < r.Left ? r.Left : (r.Left + r.Right) / 2;
        q.Y = p.Y > r.Bottom ? r.Bottom : p.Y < r.Top ? r.Top : (r.Top + r.Bottom) / 2;
        if (FCallout->Distance() != 0) p = PointAtDistance(p, q, FCallout->Distance());
        FCallout->Draw(static_cast<TColor>(0x1FFFFFFF), q, p, q, FCallout->ZPosition(), false);
    }
}

void TAnnotationTool::ChartEvent(TChartToolEvent AEvent) {
    if (AEvent != cteAfterDraw) return;
    if (OnBeforeDraw) OnBeforeDraw(this);
    DrawText();
    if (OnAfterDraw) OnAfterDraw(this);
}

void TAnnotationTool::ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                                      int Y) {
    if (!FParent) return;
    if (AEvent == cmeMove) {
        if (FShape->Cursor() != 0 && Clicked(X, Y)) {
            FParent->SetCursor(FShape->Cursor());
            FParent->SetCancelMouse(true);
        }
    } else if (AEvent == cmeDown) {
        if (OnClick && Clicked(X, Y)) OnClick(this, Button, Shift, X, Y);
        if (Shift.Contains(ssDouble) && OnDblClick && Clicked(X, Y)) OnDblClick(this, Button, Shift, X, Y);
    }
}
