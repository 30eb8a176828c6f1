#include "chart/engine/series/SeriesMarks.h"

#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/HitTests.h"
#include "chart/engine/panel/HtmlText.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/Margins.h"
#include "chart/engine/series/SeriesPointer.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Writer.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>

ORVO_IMPLEMENT_ENUM_TYPE(TSeriesMarksStyle, "smsValue", "smsPercent", "smsLabel", "smsLabelPercent",
                         "smsLabelValue", "smsLegend", "smsPercentTotal", "smsLabelPercentTotal", "smsXValue",
                         "smsXY", "smsSeriesTitle", "smsPointIndex", "smsPercentRelative")
ORVO_IMPLEMENT_CLASS(TSeriesMarkPosition, TObject)
ORVO_IMPLEMENT_CLASS(TSeriesMarksPositions, TObject)
ORVO_IMPLEMENT_CLASS(TMarksItem, TTeeCustomShape)
ORVO_IMPLEMENT_CLASS(TMarksItems, TObject)
ORVO_IMPLEMENT_CLASS(TSeriesMarks, TTeeCustomShape)
ORVO_IMPLEMENT_CLASS(TSeriesMarksSymbol, TTeeCustomShape)
ORVO_IMPLEMENT_CLASS(TSeriesMarksGradient, TTeeGradient)

namespace {
// The shape properties marks, items and symbols publish.
template <class S> void publishShape(TPublisher<S>& P, TColor DefaultColor) {
    P.Property("Bevel", &S::Bevel, &S::SetBevel).Default(bvNone);
    P.Property("BevelWidth", &S::BevelWidth, &S::SetBevelWidth).Default(2);
    P.Property("Color", &S::Color, &S::SetColor).Type(TypeInfoTColor()).Default(DefaultColor);
    P.Property("Font", &S::Font, &S::SetFont);
    P.Property("Gradient", &S::Gradient, &S::SetGradient).Present(&S::HasGradient);
    P.Property("Picture", &S::Picture, &S::SetPicture).Present(&S::HasPicture);
    P.Property("Shadow", &S::Shadow, &S::SetShadow);
    P.Property("ShapeStyle", &S::ShapeStyle, &S::SetShapeStyle).Default(fosRectangle);
    P.Property("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    P.Property("Transparent", &S::Transparent, &S::SetTransparent).Stored(&S::IsTransparentStored);
}

// The setter of an owned part made on first use: null frees it, a value is copied into it.
template <class T, class G> void assignOwned(T*& Field, T* Value, G Get) {
    if (!Value)
        FreeAndNil(Field);
    else if (Value != Field)
        Get()->Assign(Value);
}

// Rectangles that share at least one pixel (right and bottom exclusive).
bool Overlap(const TRect& A, const TRect& B) {
    return A.Left < B.Right && B.Left < A.Right && A.Top < B.Bottom && B.Top < A.Bottom;
}
} // namespace

ORVO_PUBLISHED(TSeriesMarks) {
    using S = TSeriesMarks;
    P.Property("Angle", &S::Angle, &S::SetAngle).Default(0);
    // Shortcuts to the callout's arrow pen and length; the callout stores them.
    P.Property("Arrow", &S::Arrow, &S::SetArrow).Stored(false);
    P.Property("ArrowLength", &S::ArrowLength, &S::SetArrowLength).Stored(false);
    P.Property("BackColor", &S::BackColor, &S::SetBackColor).Type(TypeInfoTColor()).Stored(false);
    P.Property("Brush", &S::Brush, &S::SetBrush);
    P.Property("Callout", &S::Callout, &S::SetCallout).Present(&S::HasCallout);
    P.Property("Clip", &S::Clip, &S::SetClip).Default(false);
    P.Property("DrawEvery", &S::DrawEvery, &S::SetDrawEvery).Default(1);
    P.Property("Frame", &S::Frame, &S::SetFrame);
    P.Property("Margins", &S::Margins, &S::SetMargins);
    P.Property("MultiLine", &S::MultiLine, &S::SetMultiLine).Default(false);
    P.Property("RoundSize", &S::RoundSize, &S::SetRoundSize).Default(16);
    P.Property("Style", &S::Style, &S::SetStyle).Default(smsLabel);
    P.Property("Symbol", &S::Symbol, &S::SetSymbol).Present(&S::HasSymbol);
    P.Property("TextAlign", &S::TextAlign, &S::SetTextAlign).Default(taCenter);
    P.Property("FontSeriesColor", &S::FontSeriesColor, &S::SetFontSeriesColor).Default(false);
    P.Property("Visible", &S::Visible, &S::SetVisible).Default(false);
    publishShape(P, TSeriesMarks::DefaultColor);
}

ORVO_PUBLISHED(TMarksItem) {
    using S = TMarksItem;
    publishShape(P, TSeriesMarks::DefaultColor);
    P.Property("Text", &S::Text, &S::SetText).Present(&S::HasText);
}

ORVO_PUBLISHED(TSeriesMarksSymbol) {
    using S = TSeriesMarksSymbol;
    publishShape(P, clWhite);
    P.Property("Brush", &S::Brush, &S::SetBrush);
    P.Property("Frame", &S::Frame, &S::SetFrame);
    P.Property("Visible", &S::Visible, &S::SetVisible).Default(false);
}

ORVO_PUBLISHED(TSeriesMarksGradient) {
    using S = TSeriesMarksGradient;
    P.Property("Direction", &S::Direction, &S::SetDirection).Default(gdRightLeft);
    P.Property("EndColor", &S::EndColor, &S::SetEndColor).Type(TypeInfoTColor()).Default(clWhite);
    P.Property("StartColor", &S::StartColor, &S::SetStartColor).Type(TypeInfoTColor()).Default(clSilver);
}

// ---- symbol and gradient -----------------------------------------------------------------------

TSeriesMarksSymbol::TSeriesMarksSymbol(TCustomTeePanel* Panel) : TTeeCustomShape(Panel) {
    FVisible = false;
    SetTransparent(false);
    InitShadow(Shadow());
}

void TSeriesMarksSymbol::InitShadow(TTeeShadow* AShadow) {
    if (AShadow) AShadow->InitValues(AShadow->Color(), 1);
}

TSeriesMarksGradient::TSeriesMarksGradient(TNotifyEvent ChangedEvent) : TTeeGradient(ChangedEvent) {
    SetDirection(gdRightLeft);
    SetEndColor(clWhite);
    SetStartColor(clSilver);
}

// ---- positions -------------------------------------------------------------------------------

void TSeriesMarkPosition::Assign(const TSeriesMarkPosition* Source) {
    ArrowFrom = Source->ArrowFrom;
    ArrowFix = Source->ArrowFix;
    ArrowTo = Source->ArrowTo;
    Custom = Source->Custom;
    Height = Source->Height;
    LeftTop = Source->LeftTop;
    Width = Source->Width;
    MidPoint = Source->MidPoint;
    HasMid = Source->HasMid;
}

TSeriesMarksPositions::~TSeriesMarksPositions() {
    Clear();
}

TSeriesMarkPosition* TSeriesMarksPositions::Get(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[Index] : nullptr;
}

TSeriesMarkPosition* TSeriesMarksPositions::Ensure(int Index) {
    if (Index >= Count()) FItems.resize(std::size_t(Index) + 1, nullptr);
    if (!FItems[Index]) FItems[Index] = new TSeriesMarkPosition();
    return FItems[Index];
}

void TSeriesMarksPositions::Put(int Index, const TSeriesMarkPosition* P) {
    TSeriesMarkPosition* e = Ensure(Index);
    e->Assign(P);
    e->Custom = true;
}

void TSeriesMarksPositions::Automatic(int Index) {
    if (TSeriesMarkPosition* e = Get(Index)) e->Custom = false;
}

bool TSeriesMarksPositions::ExistCustom() const {
    return std::any_of(FItems.begin(), FItems.end(),
                       [](const TSeriesMarkPosition* p) { return p && p->Custom; });
}

void TSeriesMarksPositions::MoveTo(TSeriesMarkPosition& P, int X, int Y) const {
    P.ArrowTo = Point(X, Y);
    P.ArrowFrom = P.ArrowTo;
    P.LeftTop.X = X - P.Width / 2;
    P.LeftTop.Y = Y - P.Height + 1;
}

void TSeriesMarksPositions::Delete(int Start, int Quantity) {
    if (Start < 0 || Start >= Count() || Quantity <= 0) return;
    const int end = std::min(Count(), Start + Quantity);
    for (int i = Start; i < end; ++i)
        delete FItems[i];
    FItems.erase(FItems.begin() + Start, FItems.begin() + end);
}

void TSeriesMarksPositions::Clear() {
    for (TSeriesMarkPosition* p : FItems)
        delete p;
    FItems.clear();
}

// ---- items -----------------------------------------------------------------------------------

TMarksItem::TMarksItem(TCustomTeePanel* Panel) : TTeeCustomShape(Panel) {
    SetColor(TSeriesMarks::DefaultColor);
}

TMarksItem::~TMarksItem() {
    delete FText;
}

void TMarksItem::Assign(TPersistent* Source) {
    if (auto* item = dynamic_cast<TMarksItem*>(Source)) SetText(item->FText);
    inherited::Assign(Source);
}

TStrings* TMarksItem::Text() {
    if (!FText) {
        auto* list = new TStringList();
        list->OnChange = changedEvent();
        FText = list;
    }
    return FText;
}

void TMarksItem::SetText(TStrings* Value) {
    if (!Value) {
        FreeAndNil(FText);
        Repaint();
    } else {
        Text()->Assign(Value);
    }
}

TMarksItems::~TMarksItems() {
    Clear();
}

TMarksItem* TMarksItems::Get(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[Index] : nullptr;
}

TMarksItem* TMarksItems::Item(int Index) {
    if (Index < 0) throw EListError::CreateResFmt(&SListIndexError, {Index});
    if (Index >= Count()) FItems.resize(std::size_t(Index) + 1, nullptr);
    if (!FItems[Index]) {
        auto* item = new TMarksItem(FMarks ? FMarks->ParentChart() : nullptr);
        if (FMarks) FMarks->InitShadow(item->Shadow());
        FItems[Index] = item;
    }
    return FItems[Index];
}

void TMarksItems::Delete(int Index) {
    if (Index < 0 || Index >= Count()) return;
    delete FItems[Index];
    FItems.erase(FItems.begin() + Index);
}

void TMarksItems::Clear() {
    for (TMarksItem* i : FItems)
        delete i;
    FItems.clear();
}

// ---- marks -----------------------------------------------------------------------------------

TSeriesMarks::TSeriesMarks(TChartSeries* Series) : FParentSeries(Series) {
    FItems = new TMarksItems(this);
    FPositions = new TSeriesMarksPositions();
    FMargins = new TMargins(this);
    FMargins->SetHorizDefault(20);
    FMargins->SetLeft(20);
    FMargins->SetRight(20);
    SetColor(DefaultColor);
    FVisible = false;
    InitShadow(Shadow());
}

TSeriesMarks::~TSeriesMarks() {
    delete FMargins;
    delete FSymbol;
    delete FCallout;
    delete FPositions;
    delete FItems;
}

void TSeriesMarks::InitShadow(TTeeShadow* AShadow) {
    if (!AShadow) return;
    AShadow->InitValues(TColor(0x808080), 3);
}

TClass TSeriesMarks::GetGradientClass() const {
    return TSeriesMarksGradient::StaticClass();
}

void TSeriesMarks::SetParent(TCustomTeePanel* Value) {
    inherited::SetParent(Value);
    if (FCallout) FCallout->SetParent(Value);
    if (FSymbol) FSymbol->SetParent(Value);
    for (int i = 0; i < FItems->Count(); ++i)
        if (TMarksItem* item = FItems->Get(i)) item->SetParent(Value);
}

void TSeriesMarks::Assign(TPersistent* Source) {
    if (auto* src = dynamic_cast<TSeriesMarks*>(Source)) {
        FAngle = src->FAngle;
        SetCallout(src->FCallout);
        FClip = src->FClip;
        FDrawEvery = src->FDrawEvery;
        FStyle = src->FStyle;
        FMargins->Assign(src->FMargins);
        FMultiLine = src->FMultiLine;
        SetSymbol(src->FSymbol);
        FTextAlign = src->FTextAlign;
        for (int i = 0; i < src->FItems->Count(); ++i)
            FItems->Item(i)->Assign(src->FItems->Item(i));
    }
    inherited::Assign(Source);
}

TMarksCallout* TSeriesMarks::Callout() {
    if (!FCallout) {
        FCallout = new TMarksCallout(FParentSeries);
        FCallout->SetParent(ParentChart());
    }
    return FCallout;
}

void TSeriesMarks::SetCallout(TMarksCallout* Value) {
    assignOwned(FCallout, Value, [this] { return Callout(); });
}

TSeriesMarksSymbol* TSeriesMarks::Symbol() {
    if (!FSymbol) FSymbol = new TSeriesMarksSymbol(ParentChart());
    return FSymbol;
}

void TSeriesMarks::SetSymbol(TSeriesMarksSymbol* Value) {
    assignOwned(FSymbol, Value, [this] { return Symbol(); });
}

TWhitePen* TSeriesMarks::Arrow() {
    return Callout()->Arrow();
}

void TSeriesMarks::SetArrow(TWhitePen* Value) {
    Callout()->SetArrow(Value);
}

int TSeriesMarks::ArrowLength() {
    return FCallout ? FCallout->Length() : 8;
}

void TSeriesMarks::SetArrowLength(int Value) {
    Callout()->SetLength(Value);
}

void TSeriesMarks::SetTextAlign(TAlignment Value) {
    SetAndRepaint(FTextAlign, Value);
}

TTeeCustomShape* TSeriesMarks::MarkItem(int Index) {
    if (TMarksItem* item = FItems->Get(Index)) return item;
    return this;
}

void TSeriesMarks::Clear() {
    FPositions->Clear();
    if (FItems->Count() > 0 && !FItems->ILoadingCustom) FItems->Clear();
}

void TSeriesMarks::ResetPositions() {
    for (int i = 0; i < FPositions->Count(); ++i)
        FPositions->Automatic(i);
    if (FParentSeries) FParentSeries->Repaint();
}

void TSeriesMarks::SeriesBoolean(bool& Field, bool Value) {
    if (FParentSeries)
        FParentSeries->SetBooleanProperty(Field, Value);
    else
        Field = Value;
}

void TSeriesMarks::SetAngle(int Value) {
    if (FParentSeries)
        FParentSeries->SetIntegerProperty(FAngle, Value);
    else
        FAngle = Value;
}

void TSeriesMarks::SetClip(bool Value) {
    SeriesBoolean(FClip, Value);
}

void TSeriesMarks::SetDrawEvery(int Value) {
    // Every point is the most a mark can be drawn for; 0 or less would leave no points.
    Value = std::max(1, Value);
    if (FParentSeries)
        FParentSeries->SetIntegerProperty(FDrawEvery, Value);
    else
        FDrawEvery = Value;
}

void TSeriesMarks::SetMargins(TMargins* Value) {
    FMargins->Assign(Value);
}

void TSeriesMarks::SetMultiLine(bool Value) {
    SeriesBoolean(FMultiLine, Value);
}

void TSeriesMarks::SetStyle(TSeriesMarksStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    if (FParentSeries) FParentSeries->Repaint();
}

void TSeriesMarks::SetFontSeriesColor(bool Value) {
    SeriesBoolean(FFontSeriesColor, Value);
}

// ---- placement, drawing and hit test -----------------------------------------------------------

TPoint TSeriesMarks::ConvertTo2D(TPoint APoint, TPoint P) {
    TCustomTeePanel* chart = ParentChart();
    if (!chart || !chart->View3D() || !chart->Canvas() || chart->Canvas()->Supports3DText()) return P;
    const TPoint moved = chart->Canvas()->Calculate3DPosition(APoint, FZPosition);
    return Point(ClampPx(Int64(P.X) + moved.X - APoint.X), ClampPx(Int64(P.Y) + moved.Y - APoint.Y));
}

void TSeriesMarks::UsePosition(int Index, TSeriesMarkPosition* APosition) {
    TSeriesMarkPosition* stored = FPositions->Ensure(Index);
    if (stored == APosition) return;
    if (stored->Custom) {
        const TPoint from = APosition->ArrowFrom;
        APosition->Assign(stored);
        if (stored->ArrowFix) APosition->ArrowFrom = from;
    } else {
        stored->Assign(APosition);
    }
}

void TSeriesMarks::InternalDraw(int Index, TColor AColor, const String& St, TSeriesMarkPosition* APosition) {
    UsePosition(Index, APosition);
    DrawItem(MarkItem(Index), AColor, St, APosition);
}

void TSeriesMarks::DrawItem(TTeeCustomShape* Shape, TColor AColor, const String& St,
                            TSeriesMarkPosition* APosition) {
    TCustomTeePanel* chart = ParentChart();
    if (!chart || !chart->Canvas()) return;
    TCanvas3D* canvas = chart->Canvas();

    if (FCallout && (FCallout->Visible() || FCallout->Arrow()->Visible()))
        FCallout->Draw(AColor, APosition->ArrowFrom, APosition->ArrowTo, APosition->MidPoint, FZPosition,
                       APosition->HasMid);

    if (Shape->Transparent()) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->SetBackMode(cbmTransparent);
    } else {
        canvas->AssignBrush(Shape->Brush(), Shape->Color(), Shape->Brush()->Color());
    }
    canvas->AssignVisiblePen(Shape->Pen());

    APosition->LeftTop = ConvertTo2D(APosition->ArrowTo, APosition->LeftTop);
    TRect r = APosition->Bounds();
    if (APosition->Custom) {
        const TRect& b = chart->ChartBounds();
        r = TRect{r.Left + b.Left, r.Top + b.Top, r.Right + b.Left, r.Bottom + b.Top};
    }
    const int angle = FAngle % 360;
    Shape->ShapeBounds = r;
    Shape->DrawRectRotated(chart, r, angle, FZPosition + 1);

    const int h = canvas->FontHeight();
    if (DrawSymbol()) {
        FSymbol->SetParent(chart);
        FSymbol->Brush()->SetColor(AColor);
        FSymbol->SetColor(AColor);
        FSymbol->SetTransparent(false);
        FSymbol->ShapeBounds = TRect{r.Left + 4, r.Top + 3, r.Left + h - 1, r.Top + h - 2};
        FSymbol->DrawRectRotated(chart, FSymbol->ShapeBounds, angle, FZPosition + 1);
    }

    canvas->Brush()->SetStyle(bsClear);
    canvas->SetBackMode(cbmTransparent);
    r.Left += 2;
    if (DrawSymbol()) r.Left += FSymbol->Width() + 4;
    canvas->AssignFont(Shape->Font());
    if (FFontSeriesColor) canvas->Font()->SetColor(AColor);
    DrawText(r, St);
}

void TSeriesMarks::DrawText(const TRect& R, const String& St) {
    TCustomTeePanel* chart = ParentChart();
    if (!chart || !chart->Canvas()) return;
    TCanvas3D* canvas = chart->Canvas();
    const TRect& m = FMargins->Size();
    const int cx = (R.Left + m.Left + R.Right - m.Right) / 2;
    const int cy = (R.Top + m.Top + R.Bottom - m.Bottom) / 2;
    int x = cx;
    switch (FTextAlign) {
    case taCenter:
        canvas->SetTextAlign(TA_CENTER);
        break;
    case taRightJustify:
        canvas->SetTextAlign(TA_RIGHT);
        x = R.Right - m.Right;
        break;
    case taLeftJustify:
        canvas->SetTextAlign(TA_LEFT);
        x = R.Left + m.Left;
        break;
    }

    if (TextFormat() == ttfHtml) {
        HtmlTextOut(canvas, x, R.Top + m.Top, St);
        return;
    }

    const int h = canvas->FontHeight();
    const int penTerm = FPen->Visible() ? (FPen->Width() - 1) / 2 : 0;
    const bool text3D = canvas->Supports3DText();
    const double a = FAngle * M_PI / 180.0;
    const QStringList lines = St.split(TeeLineSeparator);
    for (int k = 0; k < lines.size(); ++k) {
        int px, py;
        if (FAngle == 0) {
            px = x;
            py = R.Top + m.Top + k * h + penTerm;
        } else {
            const int c = k * h + cy - R.Bottom - m.Bottom + penTerm;
            px = cx + Round(c * std::sin(a)) + (FAngle == 90 ? 1 : 0);
            py = cy + Round(c * std::cos(a));
        }
        if (text3D) {
            if (FAngle != 0)
                canvas->RotateLabel3D(px, py, FZPosition, lines[k], FAngle);
            else
                canvas->TextOut3D(px, py, FZPosition, lines[k]);
        } else {
            canvas->RotateLabel(px, py, lines[k], FAngle);
        }
    }
}

int TSeriesMarks::TextWidth(int Index) {
    TCustomTeePanel* chart = ParentChart();
    if (!FParentSeries || !chart || !chart->Canvas()) return 0;
    int result = 0;
    for (const String& line : FParentSeries->GetMarkText(Index).split(TeeLineSeparator))
        result = std::max(result, chart->Canvas()->TextWidth(line));
    return result;
}

TRect TSeriesMarks::TotalBounds(int Index, const TSeriesMarkPosition* P) {
    TTeeCustomShape* shape = MarkItem(Index);
    const TPoint lt = ConvertTo2D(P->ArrowTo, P->LeftTop);
    TRect r = ::Bounds(lt.X, lt.Y, P->Width, P->Height);
    if (shape->Pen()->Visible()) {
        r.Right += shape->Pen()->Width();
        r.Bottom += shape->Pen()->Width();
    }
    if (TTeeShadow* shadow = shape->Shadow()) {
        (shadow->HorizSize() > 0 ? r.Right : r.Left) += shadow->HorizSize();
        (shadow->VertSize() > 0 ? r.Bottom : r.Top) += shadow->VertSize();
    }
    return r;
}

void TSeriesMarks::AntiOverlap(int First, int Index, TSeriesMarkPosition* P) {
    const TRect r = TotalBounds(Index, P);
    for (int j = std::max(0, First); j < Index; ++j) {
        const TSeriesMarkPosition* other = FPositions->Get(j);
        if (!other) continue;
        const TRect b = TotalBounds(j, other);
        if (!Overlap(r, b)) continue;
        const int d = r.Top < b.Top ? r.Bottom - b.Top : r.Top - b.Bottom;
        P->LeftTop.Y -= d;
        P->ArrowTo.Y -= d;
        if (P->HasMid) P->MidPoint.Y -= d;
    }
}

void TSeriesMarks::ApplyArrowLength(TSeriesMarkPosition* P) {
    Callout()->ApplyArrowLength(P);
}

int TSeriesMarks::Clicked(int X, int Y) {
    // Hit as drawn: the rectangle turned by the same angle the drawing uses.
    const int angle = FAngle % 360;
    const TPoint p = Point(X, Y);
    for (int i = FPositions->Count() - 1; i >= 0; --i) {
        if (i % FDrawEvery != 0) continue;
        const TSeriesMarkPosition* pos = FPositions->Get(i);
        if (!pos) continue;
        const TPoint lt = ConvertTo2D(pos->ArrowTo, pos->LeftTop);
        const TRect r = ::Bounds(lt.X, lt.Y, pos->Width, pos->Height);
        if (angle != 0) {
            TFourPoints corners;
            RectToFourPoints(r, angle, corners);
            if (PointInPolygon(p, corners)) return i;
        } else if (PointInRect(r, p)) {
            return i;
        }
    }
    return -1;
}

// ---- the stored items ------------------------------------------------------------------------

void TSeriesMarks::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty("Items", TStreamProc(this, &TSeriesMarks::ReadItems),
                                TStreamProc(this, &TSeriesMarks::WriteItems), FItems->Count() > 0);
}

void TSeriesMarks::WriteItems(TStream* Stream) {
    const std::int32_t count = FItems->Count();
    const unsigned char b[4] = {static_cast<unsigned char>(count), static_cast<unsigned char>(count >> 8),
                                static_cast<unsigned char>(count >> 16),
                                static_cast<unsigned char>(count >> 24)};
    Stream->WriteBuffer(b, 4);
    TWriter w(Stream, 1024);
    for (int i = 0; i < count; ++i) {
        w.WriteListBegin();
        w.WriteProperties(FItems->Item(i));
        w.WriteListEnd();
    }
}

void TSeriesMarks::ReadItems(TStream* Stream) {
    const Int64 remaining = Stream->Size() - Stream->Position();
    unsigned char b[4] = {};
    if (remaining < 4) throw EReadError::CreateRes(&SReadError);
    Stream->ReadBuffer(b, 4);
    const std::int32_t count = std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                                            std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24);
    // Each item takes at least its list start and end: a count the block cannot hold is
    // damage, refused before any item is made.
    if (count < 0 || Int64(count) * 2 > remaining - 4) throw EReadError::CreateRes(&SReadError);
    FItems->ILoadingCustom = count > 0;
    TReader r(Stream, 1024);
    for (int i = 0; i < count; ++i) {
        TMarksItem* item = FItems->Item(i);
        r.ReadListBegin();
        while (!r.EndOfList())
            r.ReadProperty(item);
        r.ReadListEnd();
    }
}
