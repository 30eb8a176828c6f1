// The legend: item count and texts by style, the layout along an edge of the chart, the
// drawing of frame, title, symbols, texts, check boxes and dividing lines, clicks and check
// boxes, and the published properties.
#include "chart/engine/chart/ChartLegend.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/HtmlText.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/List.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/ResStrings.h"
#include "platform/rtl/SysMath.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>

ORVO_IMPLEMENT_ENUM_TYPE(TLegendAlignment, "laLeft", "laRight", "laTop", "laBottom")
ORVO_IMPLEMENT_ENUM_TYPE(TCheckBoxesStyle, "cbsCheck", "cbsRadio")
ORVO_IMPLEMENT_ENUM_TYPE(TLegendStyle, "lsAuto", "lsSeries", "lsValues", "lsLastValues", "lsSeriesGroups")
ORVO_IMPLEMENT_ENUM_TYPE(TLegendSymbolPosition, "spLeft", "spRight")
ORVO_IMPLEMENT_ENUM_TYPE(TLegendSymbolSize, "lcsPercent", "lcsPixels")
ORVO_IMPLEMENT_EVENT_TYPE(TLegendCalcSize)
ORVO_IMPLEMENT_EVENT_TYPE(TSymbolDrawEvent)
ORVO_IMPLEMENT_CLASS(TChartLegendGradient, TTeeGradient)
ORVO_IMPLEMENT_CLASS(TLegendSymbol, TPersistent)
ORVO_IMPLEMENT_CLASS(TLegendItem, TPersistent)
ORVO_IMPLEMENT_CLASS(TLegendItems, TObject)
ORVO_IMPLEMENT_CLASS(TLegendTitle, TTeeShape)
ORVO_IMPLEMENT_CLASS(TCustomChartLegend, TTeeCustomShapePosition)
ORVO_IMPLEMENT_CLASS(TChartLegend, TCustomChartLegend)

TChartLegendGradient::TChartLegendGradient() {
    SetDirection(gdRightLeft);
    SetEndColor(clWhite);
    SetStartColor(clSilver);
}

// ---- TLegendSymbol ---------------------------------------------------------------------------

TLegendSymbol::TLegendSymbol(TCustomChartLegend* ALegend) : FLegend(ALegend) {
    const TNotifyEvent changed(this, &TLegendSymbol::Changed);
    FGradient = new TTeeGradient(changed);
    FPen = new TChartPen(changed);
    FShadow = new TTeeShadow(changed);
    FShadow->InitValues(clBlack, 3);
    FShadow->SetVisible(false);
    FShadow->DefaultVisible = false;
}

TLegendSymbol::~TLegendSymbol() {
    delete FGradient;
    delete FPen;
    delete FShadow;
}

void TLegendSymbol::Changed(TObject*) {
    if (FLegend) FLegend->Repaint();
}

void TLegendSymbol::Assign(TPersistent* Source) {
    auto* s = dynamic_cast<TLegendSymbol*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    FContinuous = s->FContinuous;
    FDefaultPen = s->FDefaultPen;
    FGradient->Assign(s->FGradient);
    FPen->Assign(s->FPen);
    FPosition = s->FPosition;
    FShadow->Assign(s->FShadow);
    FSquared = s->FSquared;
    FVisible = s->FVisible;
    FWidth = s->FWidth;
    FWidthUnits = s->FWidthUnits;
}

int TLegendSymbol::CalcWidth(int Width) const {
    if (!FVisible) return 0;
    if (FSquared) return (CalcItemHeight ? CalcItemHeight() : 0) - 5;
    if (FWidthUnits == lcsPixels) return FWidth;
    return int(Round(Width * FWidth * 0.01));
}

void TLegendSymbol::Draw(TColor Color, const TRect& Rect) {
    TCustomChart* chart = FLegend ? FLegend->Chart() : nullptr;
    if (!chart) return;
    TCanvas3D* canvas = chart->Canvas();
    if (FShadow->Visible() && FShadow->Size() != 0) FShadow->Draw(canvas, Rect);
    if (!FDefaultPen) canvas->AssignVisiblePen(FPen);
    if (FGradient->Visible()) {
        FGradient->SetEndColor(Color);
        FGradient->Draw(static_cast<TTeeCanvas*>(canvas), Rect);
        canvas->Brush()->SetStyle(bsClear);
    } else {
        canvas->Brush()->SetColor(Color);
    }
    if (canvas->Pen()->Style() != psClear)
        canvas->Rectangle(Rect);
    else if (canvas->Brush()->Style() != bsClear)
        canvas->Rectangle(Rect.Left, Rect.Top, Rect.Right + 1, Rect.Bottom + 1);
}

void TLegendSymbol::SetContinuous(bool Value) {
    Store(FContinuous, Value);
}
void TLegendSymbol::SetDefaultPen(bool Value) {
    Store(FDefaultPen, Value);
}
void TLegendSymbol::SetGradient(TTeeGradient* Value) {
    FGradient->Assign(Value);
}
void TLegendSymbol::SetPen(TChartPen* Value) {
    FPen->Assign(Value);
}
void TLegendSymbol::SetPosition(TLegendSymbolPosition Value) {
    Store(FPosition, Value);
}
void TLegendSymbol::SetShadow(TTeeShadow* Value) {
    FShadow->Assign(Value);
}
void TLegendSymbol::SetSquared(bool Value) {
    Store(FSquared, Value);
}
void TLegendSymbol::SetVisible(bool Value) {
    Store(FVisible, Value);
}
void TLegendSymbol::SetWidth(int Value) {
    Store(FWidth, Value);
}
void TLegendSymbol::SetWidthUnits(TLegendSymbolSize Value) {
    Store(FWidthUnits, Value);
}

// ---- items -----------------------------------------------------------------------------------

void TLegendItem::SetText(const String& Value) {
    if (FText == Value) return;
    FText = Value;
    if (FOwner) {
        FOwner->Custom = true;
        if (FOwner->FLegend) FOwner->FLegend->Repaint();
    }
}

void TLegendItem::SetText2(const String& Value) {
    if (FText2 == Value) return;
    FText2 = Value;
    if (FOwner) {
        FOwner->Custom = true;
        if (FOwner->FLegend) FOwner->FLegend->Repaint();
    }
}

TLegendItems::~TLegendItems() {
    FreeItems();
}

void TLegendItems::FreeItems() {
    for (TLegendItem* item : FItems)
        delete item;
    FItems.clear();
}

TLegendItem* TLegendItems::Items(int Index) {
    if (Index < 0) TList::Error(LoadResString(&SListIndexError), Index);
    while (Count() <= Index)
        FItems.push_back(new TLegendItem(this));
    return FItems[size_t(Index)];
}

void TLegendItems::Clear() {
    FreeItems();
    Custom = false;
    if (FLegend) FLegend->Repaint();
}

// ---- TLegendTitle ----------------------------------------------------------------------------

TLegendTitle::TLegendTitle(TCustomTeePanel* Chart) : TTeeShape(Chart) {
    FText = new TStringList();
    FText->OnChange = TNotifyEvent(this, &TLegendTitle::TextChanged);
    SetTransparent(true);
    DefaultTransparent = true;
    Font()->SetStyle(TFontStyles() << fsBold);
    Font()->IDefStyle = TFontStyles() << fsBold;
    Shadow()->InitValues(clSilver, 2);
}

TLegendTitle::~TLegendTitle() {
    delete FText;
}

void TLegendTitle::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TLegendTitle*>(Source)) {
        FText->Assign(s->FText);
        FTextAlign = s->FTextAlign;
    }
    TTeeShape::Assign(Source);
}

TStrings* TLegendTitle::Text() const {
    return FText;
}

void TLegendTitle::SetText(TStrings* Value) {
    FText->Assign(Value);
}

void TLegendTitle::SetTextAlignment(TAlignment Value) {
    SetAndRepaint(FTextAlign, Value);
}

String TLegendTitle::Caption() const {
    return FText->Count() > 0 ? FText->Strings(0) : String();
}

void TLegendTitle::SetCaption(const String& Value) {
    FText->SetText(Value);
}

int TLegendTitle::CalcHeight() {
    if (!FParent) return 0;
    TCanvas3D* canvas = FParent->Canvas();
    canvas->AssignFont(Font());
    return FText->Count() * canvas->TextHeight(QStringLiteral("W"));
}

int TLegendTitle::TotalWidth() {
    if (!FParent) return 0;
    TCanvas3D* canvas = FParent->Canvas();
    canvas->AssignFont(Font());
    int w = 0;
    for (int i = 0; i < FText->Count(); ++i)
        w = std::max(w, canvas->TextWidth(FText->Strings(i)));
    return w + 8;
}

void TLegendTitle::DrawText() {
    if (!FParent) return;
    TCanvas3D* canvas = FParent->Canvas();
    Draw();
    canvas->AssignFont(Font());
    canvas->SetBackMode(cbmTransparent);
    canvas->SetTextAlign(TA_LEFT | TA_TOP);
    const int h = canvas->TextHeight(QStringLiteral("W"));
    for (int i = 0; i < FText->Count(); ++i) {
        const String& line = FText->Strings(i);
        int x = ShapeBounds.Left + 4;
        if (FTextAlign == taRightJustify)
            x = ShapeBounds.Right - 4 - canvas->TextWidth(line);
        else if (FTextAlign == taCenter)
            x = (ShapeBounds.Left + ShapeBounds.Right - canvas->TextWidth(line)) / 2;
        canvas->TextOut(x, ShapeBounds.Top + i * h, line);
    }
}

// ---- TCustomChartLegend: settings -----------------------------------------------------------

TCustomChartLegend::TCustomChartLegend(TCustomTeePanel* Chart) : TTeeCustomShapePosition(Chart) {
    FSymbol = new TLegendSymbol(this);
    FSymbol->CalcItemHeight = [this] { return CalcItemHeight(); };
    FDividingLines = new TChartHiddenPen(changedEvent());
    FTitle = new TLegendTitle(Chart);
    FItems = new TLegendItems(this);
}

TCustomChartLegend::~TCustomChartLegend() {
    delete FItems;
    delete FTitle;
    delete FSymbol;
    delete FDividingLines;
}

TCustomChart* TCustomChartLegend::Chart() const {
    return dynamic_cast<TCustomChart*>(FParent);
}

TClass TCustomChartLegend::GetGradientClass() const {
    return TChartLegendGradient::StaticClass();
}

void TCustomChartLegend::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TCustomChartLegend*>(Source)) {
        FAlignment = s->FAlignment;
        FCheckBoxes = s->FCheckBoxes;
        FCheckBoxesStyle = s->FCheckBoxesStyle;
        FCurrentPage = s->FCurrentPage;
        FDividingLines->Assign(s->FDividingLines);
        FFirstValue = s->FFirstValue;
        FFontSeriesColor = s->FFontSeriesColor;
        FHorizMargin = s->FHorizMargin;
        FInverted = s->FInverted;
        FLeftPercent = s->FLeftPercent;
        FLegendStyle = s->FLegendStyle;
        FMaxNumRows = s->FMaxNumRows;
        FPosUnits = s->FPosUnits;
        FResizeChart = s->FResizeChart;
        FSymbol->Assign(s->FSymbol);
        FTextStyle = s->FTextStyle;
        FTitle->Assign(s->FTitle);
        FTopLeftPos = s->FTopLeftPos;
        FTopPercent = s->FTopPercent;
        FVertMargin = s->FVertMargin;
        FVertSpacing = s->FVertSpacing;
    }
    TTeeCustomShapePosition::Assign(Source);
}

void TCustomChartLegend::SetAlignment(TLegendAlignment Value) {
    Store(FAlignment, Value);
}
void TCustomChartLegend::SetCheckBoxes(bool Value) {
    Store(FCheckBoxes, Value);
}

void TCustomChartLegend::SetCheckBoxesStyle(TCheckBoxesStyle Value) {
    Store(FCheckBoxesStyle, Value);
    TCustomChart* chart = Chart();
    if (Value != cbsRadio || !chart) return;
    bool found = false;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        TChartSeries* s = chart->GetSeries(i);
        if (!s->ShowInLegend() || !s->Active()) continue;
        if (found) s->SetActive(false);
        found = true;
    }
}

int TCustomChartLegend::ColorWidth() const {
    return FSymbol->Width();
}
void TCustomChartLegend::SetColorWidth(int Value) {
    FSymbol->SetWidth(Value);
}
void TCustomChartLegend::SetCurrentPage(bool Value) {
    Store(FCurrentPage, Value);
}
void TCustomChartLegend::SetDividingLines(TChartHiddenPen* Value) {
    FDividingLines->Assign(Value);
}

void TCustomChartLegend::SetFirstValue(int Value) {
    if (Value < 0) throw LegendException(TeeMsg_LegendFirstValue);
    Store(FFirstValue, Value);
}

void TCustomChartLegend::SetFontSeriesColor(bool Value) {
    Store(FFontSeriesColor, Value);
}
void TCustomChartLegend::SetHorizMargin(int Value) {
    Store(FHorizMargin, Value);
}
void TCustomChartLegend::SetInverted(bool Value) {
    Store(FInverted, Value);
}
void TCustomChartLegend::SetLeftPercent(int Value) {
    Store(FLeftPercent, Value);
}
void TCustomChartLegend::SetLegendStyle(TLegendStyle Value) {
    Store(FLegendStyle, Value);
    CalcLegendStyle();
}
void TCustomChartLegend::SetMaxNumRows(int Value) {
    Store(FMaxNumRows, Value);
}
void TCustomChartLegend::SetPositionUnits(TTeeUnits Value) {
    Store(FPosUnits, Value);
}
void TCustomChartLegend::SetResizeChart(bool Value) {
    Store(FResizeChart, Value);
}
void TCustomChartLegend::SetSeries(TChartSeries* Value) {
    FSeries = Value;
    Repaint();
}
void TCustomChartLegend::SetSymbol(TLegendSymbol* Value) {
    FSymbol->Assign(Value);
}
void TCustomChartLegend::SetTextStyle(TLegendTextStyle Value) {
    Store(FTextStyle, Value);
}
void TCustomChartLegend::SetTitle(TLegendTitle* Value) {
    FTitle->Assign(Value);
}
void TCustomChartLegend::SetTopPos(int Value) {
    Store(FTopLeftPos, Value);
}
void TCustomChartLegend::SetTopPercent(int Value) {
    Store(FTopPercent, Value);
}
void TCustomChartLegend::SetVertMargin(int Value) {
    Store(FVertMargin, Value);
}
void TCustomChartLegend::SetVertSpacing(int Value) {
    Store(FVertSpacing, Value);
}

// ---- TCustomChartLegend: what is listed ------------------------------------------------------

namespace {
// The chart's series group at Index, or null outside the collection.
TSeriesGroup* GroupAt(TCustomChart* Chart, int Index) {
    TSeriesGroups* groups = Chart->SeriesGroups();
    return Index >= 0 && Index < groups->Count() ? groups->Get(Index) : nullptr;
}
} // namespace

TLegendStyle TCustomChartLegend::CalcLegendStyle() {
    if (FLegendStyle != lsAuto)
        InternalLegendStyle = FLegendStyle;
    else if (FCheckBoxes)
        InternalLegendStyle = lsSeries;
    else {
        TCustomChart* chart = Chart();
        InternalLegendStyle = chart && chart->CountActiveSeries() >= 2 ? lsSeries : lsValues;
    }
    return InternalLegendStyle;
}

bool TCustomChartLegend::HasCheckBoxes() {
    return FCheckBoxes && CalcLegendStyle() != lsValues;
}

bool TCustomChartLegend::ShouldDraw() {
    TCustomChart* chart = Chart();
    return Visible() && chart && (HasCheckBoxes() || chart->CountActiveSeries() > 0);
}

TChartSeries* TCustomChartLegend::GetLegendSeries() {
    TCustomChart* chart = Chart();
    if (!chart) return nullptr;
    // A series set by the program counts only while it is still in the chart.
    if (FSeries && chart->SeriesList()->IndexOf(FSeries) >= 0) return FSeries;
    TChartSeries* firstActive = nullptr;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        TChartSeries* s = chart->GetSeries(i);
        if (!s->Active()) continue;
        if (!firstActive) firstActive = s;
        if (s->ShowInLegend()) return s;
    }
    return firstActive;
}

TChartSeries* TCustomChartLegend::LegendSeriesAt(int Index) {
    TCustomChart* chart = Chart();
    return chart ? chart->SeriesLegend(Index, !HasCheckBoxes()) : nullptr;
}

int TCustomChartLegend::CountItems() {
    TCustomChart* chart = Chart();
    if (!chart) return 0;
    int n = 0;
    switch (InternalLegendStyle) {
    case lsSeries:
    case lsLastValues: {
        const bool all = HasCheckBoxes();
        for (int i = 0; i < chart->SeriesCount(); ++i) {
            TChartSeries* s = chart->GetSeries(i);
            if (s->ShowInLegend() && (all || s->Active())) ++n;
        }
        break;
    }
    case lsValues: {
        TChartSeries* s = GetLegendSeries();
        if (s && s->ShowInLegend()) n = s->CountLegendItems();
        break;
    }
    case lsSeriesGroups:
        n = chart->SeriesGroups()->Count();
        break;
    default:
        return 0;
    }
    return std::max(0, n - IFirst);
}

String TCustomChartLegend::FormattedValue(TChartSeries* ASeries, int ValueIndex) {
    if (!ASeries || ValueIndex == -1) return String();
    String text = ASeries->LegendString(ValueIndex, FTextStyle);
    text.replace(QChar(TeeLineSeparator), QLatin1Char(' '));
    return text;
}

String TCustomChartLegend::FormattedLegend(int Index) {
    TCustomChart* chart = Chart();
    if (!chart) return String();
    switch (CalcLegendStyle()) {
    case lsSeries:
        return chart->SeriesTitleLegend(Index, !HasCheckBoxes());
    case lsValues:
        return chart->FormattedValueLegend(GetLegendSeries(), Index);
    case lsLastValues: {
        TChartSeries* s = LegendSeriesAt(Index);
        return s ? chart->FormattedValueLegend(s, s->CountLegendItems() - 1) : String();
    }
    case lsSeriesGroups: {
        TSeriesGroup* group = GroupAt(chart, Index);
        return group ? group->Name() : String();
    }
    default:
        return String();
    }
}

int TCustomChartLegend::CalcItemHeight() {
    TCustomChart* chart = Chart();
    if (!chart) return 1;
    TCanvas3D* canvas = chart->Canvas();
    canvas->AssignFont(Font());
    int h = canvas->TextHeight(QStringLiteral("W"));
    if (HasCheckBoxes()) h = std::max(17, h);
    h += FVertSpacing;
    if (Vertical() && FDividingLines->Visible()) h += FDividingLines->Width();
    // Rows are counted by dividing by this height.
    return std::max(1, h);
}

int TCustomChartLegend::FirstItemTop() {
    int top = ShapeBounds.Top;
    if (IDrawTitle) {
        top += FTitle->Height() + 2;
        if (!FTitle->Transparent() && FTitle->Shadow()->Visible())
            top += std::abs(FTitle->Shadow()->VertSize());
    }
    return top;
}

void TCustomChartLegend::PrepareSymbolPen() {
    if (TCustomChart* chart = Chart()) chart->LegendPen = FSymbol->DefaultPen() ? nullptr : FSymbol->Pen();
}

// ---- TCustomChartLegend: layout and drawing --------------------------------------------------

void TCustomChartLegend::SplitTexts() {
    TCustomChart* chart = Chart();
    TCanvas3D* canvas = chart->Canvas();
    const int count = ILastValue - IFirst + 1;
    ITexts.assign(size_t(std::max(0, count)), {});
    const bool html = TextFormat() == ttfHtml;
    auto width = [&](const String& s) { return html ? HtmlTextExtent(canvas, s).cx : canvas->TextWidth(s); };
    if (ColumnWidthAuto) ColumnWidths = {0, 0};
    for (int k = 0; k < count; ++k) {
        const int index = IFirst + k;
        std::array<String, 2>& texts = ITexts[size_t(k)];
        if (FItems->Custom && index < FItems->Count()) {
            texts = {FItems->Items(index)->Text(), FItems->Items(index)->Text2()};
        } else {
            // A legend of a series' own (a pie's other slice) formats its items itself.
            const String text =
                this == chart->Legend() ? chart->FormattedLegend(index) : FormattedLegend(index);
            const QStringList pieces = text.split(TeeColumnSeparator);
            for (int c = 0; c < 2 && c < pieces.size(); ++c)
                texts[size_t(c)] = pieces[c];
        }
        if (ColumnWidthAuto)
            for (size_t c = 0; c < 2; ++c)
                ColumnWidths[c] = std::max(ColumnWidths[c], width(texts[c]));
    }
    canvas->AssignFont(Font());
    ITextWidth = 0;
    for (int w : ColumnWidths)
        if (w > 0) ITextWidth += w + IBlank - 1;
}

void TCustomChartLegend::DrawLegend() {
    TCustomChart* chart = Chart();
    if (!chart) return;
    TCanvas3D* canvas = chart->Canvas();
    canvas->BeginEntity(QStringLiteral("Legend"));
    const TLegendStyle style = CalcLegendStyle();
    IFrameWidth = Frame()->Visible() ? Frame()->Width() : 0;
    if (Bevel() != bvNone) IFrameWidth = BevelWidth();
    const int fw = IFrameWidth;
    const bool custom = CustomPosition();
    const bool checks = HasCheckBoxes();

    if (custom && FPosUnits == muPercent) {
        const int w = ShapeBounds.Right - ShapeBounds.Left;
        const int h = ShapeBounds.Bottom - ShapeBounds.Top;
        ShapeBounds.Left = int(Round(FLeftPercent * chart->Width() * 0.01));
        ShapeBounds.Top = int(Round(FTopPercent * chart->Height() * 0.01));
        ShapeBounds.Right = ShapeBounds.Left + w;
        ShapeBounds.Bottom = ShapeBounds.Top + h;
    }
    const TPoint shift = custom ? TPoint{chart->ChartBounds().Left, chart->ChartBounds().Top} : TPoint{0, 0};
    auto move = [this](int dx, int dy) {
        ShapeBounds = TRect{ShapeBounds.Left + dx, ShapeBounds.Top + dy, ShapeBounds.Right + dx,
                            ShapeBounds.Bottom + dy};
    };
    move(shift.X, shift.Y);

    // A paged point legend lists the current page's points; the program's FirstValue is
    // kept for when paging ends.
    IFirst = FFirstValue;
    const bool paged = chart->MaxPointsPerPage() > 0;
    const bool pageOfPoints = paged && style == lsValues && FCurrentPage;
    if (pageOfPoints) IFirst = chart->Pages()->FirstValueIndex();
    ITotalItems = CountItems();
    if (pageOfPoints) ITotalItems = std::min(ITotalItems, chart->MaxPointsPerPage());

    chart->LegendColor = Color();
    canvas->AssignFont(Font());
    IBlank = canvas->TextWidth(QStringLiteral(" "));
    IItemHeight = CalcItemHeight();
    const int H = IItemHeight;
    IDrawTitle = FTitle->Visible() && !FTitle->Text()->Text().trimmed().isEmpty();
    const int titleHeight = IDrawTitle ? FTitle->CalcHeight() : 0;
    if (IDrawTitle) FTitle->SetHeight(titleHeight);
    canvas->AssignFont(Font());

    TTeeShadow* shadow = Shadow();
    const bool shadowVisible = shadow && shadow->Visible();
    TTeeShadow* symbolShadow = FSymbol->Shadow();
    const bool symbolShadowVisible = FSymbol->Visible() && symbolShadow->Visible();
    const int extraWidth = checks ? 15 : 0;

    if (Vertical()) {
        int e = 0;
        TTeeShadow* panelShadow = chart->Shadow();
        if (panelShadow && panelShadow->Visible() && panelShadow->VertSize() < 0)
            e = 2 * -panelShadow->VertSize();
        if (!custom) {
            const TRect& b = chart->ChartBounds();
            const int h = ShapeBounds.Bottom - ShapeBounds.Top;
            ShapeBounds.Top = int(Round(FTopLeftPos * (b.Bottom - b.Top - e) * 0.01)) + e + b.Top;
            ShapeBounds.Bottom = ShapeBounds.Top + h;
        }
        NumCols = 1;
        const int first = FirstItemTop();
        NumRows = first >= chart->ChartRect.Bottom
                      ? 0
                      : std::max(0, std::min((chart->ChartRect.Bottom - 2 * fw - first) / H, ITotalItems));
        ILastValue = IFirst + std::min(ITotalItems, NumRows) - 1;
        SplitTexts();
    } else {
        ILastValue = IFirst + ITotalItems - 1;
        SplitTexts();
        IColorWidth = FSymbol->CalcWidth(ITextWidth);
        if (!custom) {
            if (FAlignment == laBottom) {
                int d = fw + 1;
                if (shadowVisible) d += shadow->VertSize();
                if (OnCalcSize) OnCalcSize(this, d);
                const int h = ShapeBounds.Bottom - ShapeBounds.Top;
                ShapeBounds.Bottom = chart->ChartRect.Bottom - d;
                ShapeBounds.Top = ShapeBounds.Bottom - h;
            } else {
                const int h = ShapeBounds.Bottom - ShapeBounds.Top;
                ShapeBounds.Top = chart->ChartRect.Top + fw + 1;
                ShapeBounds.Bottom = ShapeBounds.Top + h;
            }
        }
        // The item width is never below one pixel: the columns are counted by dividing by it.
        const int W = std::max(1, IColorWidth + ITextWidth + 8 + (checks ? 27 : 0));
        NumCols = 8 >= chart->ChartRect.Right
                      ? 0
                      : std::max(0, std::min((chart->ChartWidth() - 2 * fw - 8) / W, ITotalItems));
        if (NumCols < 1)
            NumRows = 0;
        else
            NumRows = std::min((ITotalItems + NumCols - 1) / NumCols, FMaxNumRows);
        ILastValue = IFirst + std::min(ITotalItems, NumCols * NumRows) - 1;
    }

    if (ILastValue >= IFirst) {
        IGap = int(Round(H * 0.1));
        int height = H * NumRows + 2 + 2 * IGap;
        if (IDrawTitle) {
            height += titleHeight + 4;
            if (!FTitle->Transparent() && FTitle->Shadow()->Visible())
                height += std::abs(FTitle->Shadow()->VertSize());
        }
        if (symbolShadowVisible && symbolShadow->VertSize() > H / 6)
            height += symbolShadow->VertSize() - H / 6;
        if (FAlignment == laBottom && !custom)
            ShapeBounds.Top = ShapeBounds.Bottom - height;
        else
            ShapeBounds.Bottom = ShapeBounds.Top + height;

        int x = 0;
        if (Vertical()) {
            int w = ITextWidth + 12;
            if (style == lsSeriesGroups) {
                IColorWidth = 0;
            } else {
                IColorWidth = FSymbol->CalcWidth(w);
                w += IColorWidth;
                if (FSymbol->Visible()) {
                    w += 2;
                    if (symbolShadow->Visible()) w += std::abs(symbolShadow->HorizSize());
                }
            }
            if (OnCalcSize) OnCalcSize(this, w);
            if (IDrawTitle) w = std::max(w, FTitle->TotalWidth());
            if (FAlignment == laLeft || custom) {
                if (!custom) ShapeBounds.Left = chart->ChartRect.Left + fw + 1;
            } else {
                ShapeBounds.Right =
                    chart->ChartRect.Right - (shadowVisible ? shadow->HorizSize() : 0) - fw - 1;
                ShapeBounds.Left = ShapeBounds.Right - w - extraWidth;
            }
            x = ShapeBounds.Left;
            if (checks) {
                IXCheck = ShapeBounds.Left + 4;
                x = ShapeBounds.Left + 15;
            }
            ShapeBounds.Right = x + w;
        } else {
            int w = NumCols * (ITextWidth + IColorWidth + 6) + 6 + 2 * NumCols;
            if (checks) w += 15 * NumCols + 4;
            if (IDrawTitle) w = std::max(w, FTitle->TotalWidth());
            const int c = std::min(chart->ChartWidth(), w) / 2;
            if (!custom) {
                const TRect& b = chart->ChartBounds();
                ShapeBounds.Left =
                    int(Round(FTopLeftPos * (b.Right - b.Left - 2 * c) * 0.01)) + chart->ChartXCenter() - c;
            }
            ShapeBounds.Right = ShapeBounds.Left + 2 * c;
            x = ShapeBounds.Left;
            if (checks) {
                IXCheck = ShapeBounds.Left + 4;
                x = ShapeBounds.Left + 15;
            }
        }

        if (FSymbol->Visible() && FSymbol->Position() == spLeft) {
            IXSymbol = x + 6;
            IXText = x + IColorWidth + 12;
            if (symbolShadow->Visible()) {
                const int hs = symbolShadow->HorizSize();
                IXText += std::abs(hs);
                if (hs < 0) IXSymbol += std::abs(hs);
            }
        } else {
            IXText = x + (FSymbol->Visible() ? 6 : 8);
            IXSymbol = IXText + ITextWidth;
        }

        if (chart->OnGetLegendRect) chart->OnGetLegendRect(chart, ShapeBounds);

        Draw();
        if (IDrawTitle) {
            TRect t{ShapeBounds.Left + 2, ShapeBounds.Top + 2, ShapeBounds.Right - 2,
                    ShapeBounds.Top + 2 + titleHeight};
            TTeeShadow* ts = FTitle->Shadow();
            if (ts->Visible()) {
                if (ts->HorizSize() < 1)
                    t.Left -= ts->HorizSize();
                else
                    t.Right -= ts->HorizSize();
                if (ts->VertSize() < 0) t.Top -= ts->VertSize();
            }
            FTitle->ShapeBounds = t;
            FTitle->DrawText();
            canvas->AssignFont(Font());
        }

        if (!FItems->Custom) FItems->FreeItems();
        const int listed = ILastValue - IFirst + 1;
        for (int p = 0; p < listed; ++p)
            DrawItem(p, FInverted ? ILastValue - p : IFirst + p);

        if (!chart->CustomChartRect() && FResizeChart && !custom) {
            TRect& r = chart->ChartRect;
            const int hm = FHorizMargin != 0 ? FHorizMargin : 3 * chart->ChartWidth() / 100;
            const int vm = FVertMargin != 0 ? FVertMargin : 4 * chart->ChartHeight() / 100;
            switch (FAlignment) {
            case laLeft:
                r.Left = ShapeBounds.Right + hm;
                break;
            case laRight:
                r.Right = ShapeBounds.Left - hm;
                break;
            case laTop: {
                TTeeShadow* panelShadow = chart->Shadow();
                r.Top = ShapeBounds.Bottom + vm;
                if (panelShadow && panelShadow->Visible()) r.Top += panelShadow->VertSize();
                break;
            }
            case laBottom:
                r.Bottom = ShapeBounds.Top - vm;
                break;
            }
            chart->ReCalcWidthHeight();
        }
    }
    move(-shift.X, -shift.Y);
    canvas->EndEntity();
}

void TCustomChartLegend::DrawItem(int Position, int Index) {
    if (Position >= ITotalItems) return;
    TCustomChart* chart = Chart();
    TCanvas3D* canvas = chart->Canvas();
    const TLegendStyle style = InternalLegendStyle;
    const bool checks = HasCheckBoxes();
    const int H = IItemHeight;
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetBackMode(cbmTransparent);
    PrepareSymbolPen();

    int X = IXText;
    int S = IXSymbol;
    int Y = FirstItemTop() + IGap + 1;
    int row = Position;
    int columnOffset = 0;
    if (!Vertical()) {
        row = Position / NumCols;
        columnOffset = (Position % NumCols) * (ITextWidth + IColorWidth + 8 + (checks ? 15 : 0));
        X += columnOffset;
        S += columnOffset;
    }
    Y += H * row + FVertSpacing / 2;
    if (chart->OnGetLegendPos) chart->OnGetLegendPos(chart, Index, S, Y, X);

    TChartSeries* listed = nullptr;
    if (style == lsSeries || style == lsLastValues) listed = LegendSeriesAt(Index);
    TChartSeries* legendSeries = style == lsValues ? GetLegendSeries() : nullptr;
    canvas->AssignFont(Font());
    if (FFontSeriesColor) {
        if (listed)
            canvas->Font()->SetColor(listed->SeriesColor());
        else if (legendSeries)
            canvas->Font()->SetColor(legendSeries->LegendItemColor(Index));
    }

    // With Inverted on a horizontal legend the texts run backwards across the listed range.
    int textIndex = Index - IFirst;
    if (FInverted && !Vertical()) textIndex = ILastValue - Index;
    const std::array<String, 2>& texts = ITexts[size_t(std::clamp(textIndex, 0, int(ITexts.size()) - 1))];
    auto rightAligned = [&](int column) {
        if (style == lsSeries) return false;
        if (column == 0)
            return FTextStyle == ltsLeftValue || FTextStyle == ltsLeftPercent || FTextStyle == ltsXValue ||
                   FTextStyle == ltsValue || FTextStyle == ltsPercent || FTextStyle == ltsXAndValue ||
                   FTextStyle == ltsXAndPercent;
        return FTextStyle == ltsRightValue || FTextStyle == ltsRightPercent || FTextStyle == ltsXAndValue ||
               FTextStyle == ltsXAndPercent;
    };
    const bool custom = FItems->Custom;
    TLegendItem* item = FItems->Items(Index);
    int tx = X - 2;
    const int ty = Y + (checks ? 1 : 0);
    for (int c = 0; c < 2; ++c) {
        const String& text = custom ? (c == 0 ? item->Text() : item->Text2()) : texts[size_t(c)];
        const int width = ColumnWidths[size_t(c)];
        if (!text.isEmpty()) {
            if (custom) {
                canvas->SetTextAlign(item->Align == taRightJustify ? TA_RIGHT : TA_LEFT);
                canvas->TextOut(item->Left, item->Top, text);
            } else {
                const bool right = rightAligned(c);
                const int at = right ? tx + width : tx;
                canvas->SetTextAlign(right ? TA_RIGHT : TA_LEFT);
                if (TextFormat() == ttfHtml)
                    HtmlTextOut(canvas, right ? at - HtmlTextExtent(canvas, text).cx : at, ty, text);
                else
                    canvas->TextOut(at, ty, text);
                if (c == 0) {
                    item->FText = text;
                    item->Align = right ? taRightJustify : taLeftJustify;
                    item->Left = at;
                    item->Top = ty;
                } else {
                    item->FText2 = text;
                }
            }
        }
        tx += width + IBlank;
    }
    canvas->SetTextAlign(TA_LEFT);

    TRect r;
    if (custom) {
        r = item->SymbolRect;
    } else {
        r = TRect{S, Y + 2, S + IColorWidth, Y + H + 1 - (FVertSpacing + 3)};
        if (FSymbol->Continuous()) {
            if (Position != 0) r.Top = Y;
            if (Position != ITotalItems - 1 && Index != ILastValue) r.Bottom = Y + H + 1;
        }
        item->SymbolRect = r;
    }

    const int checkX = IXCheck + columnOffset;
    const int checkY = Y + (H - FVertSpacing - 11) / 2 - 1;
    TCanvas* vcl = canvas->ReferenceCanvas();
    if (style == lsSeries || style == lsLastValues) {
        if (checks && listed && vcl)
            TeeDrawCheckBox(checkX, checkY, vcl, listed->Active(), Color(), FCheckBoxesStyle == cbsCheck);
        if (listed) {
            if (FSymbol->OnDraw)
                FSymbol->OnDraw(FSymbol, listed, -1, r);
            else if (IColorWidth > 0)
                listed->DrawLegend(-1, r);
        } else if (IColorWidth > 0) {
            FSymbol->Draw(clWhite, r);
        }
    } else if (style == lsSeriesGroups) {
        TSeriesGroup* group = GroupAt(chart, Index);
        if (group && vcl)
            TeeDrawCheckBox(checkX, checkY, vcl, group->Active() != gaNo, Color(),
                            FCheckBoxesStyle == cbsCheck);
    } else if (style == lsValues) {
        if (FSymbol->OnDraw) {
            FSymbol->OnDraw(FSymbol, legendSeries, Index, r);
        } else if (IColorWidth > 0) {
            if (legendSeries)
                legendSeries->DrawLegend(legendSeries->LegendToValueIndex(Index), r);
            else
                FSymbol->Draw(clWhite, r);
        }
    }

    if (FDividingLines->Visible() && Position > 0 && (Vertical() || row == 0)) {
        canvas->AssignVisiblePen(FDividingLines);
        const int inset = (Frame()->Visible() ? Frame()->Width() + 1 : 0) / 2;
        if (Vertical()) {
            const int y = Y - FVertSpacing / 2;
            canvas->DoHorizLine(ShapeBounds.Left + inset, ShapeBounds.Right - inset, y);
        } else {
            const int x = ShapeBounds.Left + columnOffset + 2;
            canvas->DoVertLine(x, ShapeBounds.Top + inset, ShapeBounds.Bottom - inset);
        }
    }
}

int TCustomChartLegend::Clicked(int X, int Y) {
    TCustomChart* chart = Chart();
    if (!chart) return -1;
    int right = ShapeBounds.Right;
    if (OnCalcSize) {
        int size = 0;
        OnCalcSize(this, size);
        right -= size;
    }
    if (X < ShapeBounds.Left || X > right || Y < ShapeBounds.Top || Y > ShapeBounds.Bottom) return -1;
    chart->Canvas()->AssignFont(Font());
    const int H = CalcItemHeight();
    const int first = FirstItemTop();
    int row = -1;
    for (int r = 0; r < NumRows; ++r) {
        const int top = first + r * H + 1;
        if (Y >= top && Y <= top + H) {
            row = FInverted ? NumRows - 1 - r : r;
            break;
        }
    }
    if (row < 0) return -1;
    if (Vertical()) return row + IFirst;
    if (NumCols <= 0) return -1;
    const int cw = (ShapeBounds.Right - ShapeBounds.Left) / NumCols;
    const int listed = ILastValue - IFirst + 1;
    int result = -1;
    for (int c = 0; c < NumCols; ++c) {
        const int left = ShapeBounds.Left + c * cw + 1;
        if (X < left || X > left + cw) continue;
        int item = row * NumCols + c;
        if (FInverted) {
            item = row * NumCols + NumCols - c - 1;
            const int k = listed % NumCols;
            if (k > 0) item -= NumCols - k;
        }
        result = item < 0 || item > ITotalItems - 1 ? -1 : item + IFirst;
    }
    return result;
}

bool TCustomChartLegend::DoMouseDown(int, int, int Index) {
    if (!HasCheckBoxes() || Index == -1) return false;
    TCustomChart* chart = Chart();
    if (!chart) return true;
    if (InternalLegendStyle == lsSeriesGroups) {
        TSeriesGroups* groups = chart->SeriesGroups();
        TSeriesGroup* clicked = GroupAt(chart, Index);
        if (!clicked) return true;
        if (FCheckBoxesStyle == cbsCheck) {
            clicked->SetActive(clicked->Active() == gaNo ? gaYes : gaNo);
        } else {
            for (int i = 0; i < groups->Count(); ++i)
                if (groups->Get(i) != clicked) groups->Get(i)->SetActive(gaNo);
            clicked->SetActive(gaYes);
        }
        return true;
    }
    if (FCheckBoxesStyle == cbsCheck) {
        if (TChartSeries* s = LegendSeriesAt(Index)) s->SetActive(!s->Active());
    } else {
        // Collect first: switching a series changes which series are listed.
        std::vector<TChartSeries*> series;
        for (int i = 0; TChartSeries* s = chart->SeriesLegend(i, false); ++i)
            series.push_back(s);
        for (int i = 0; i < int(series.size()); ++i)
            series[size_t(i)]->SetActive(i == Index);
    }
    return true;
}

// ---- published -------------------------------------------------------------------------------

ORVO_PUBLISHED(TLegendSymbol) {
    using T = TLegendSymbol;
    P.Property("Continuous", &T::Continuous, &T::SetContinuous).Default(false);
    P.Property("DefaultPen", &T::DefaultPen, &T::SetDefaultPen).Default(true);
    P.Property("Gradient", &T::Gradient, &T::SetGradient);
    P.Property("Pen", &T::Pen, &T::SetPen);
    P.Property("Position", &T::Position, &T::SetPosition).Default(spLeft);
    P.Property("Shadow", &T::Shadow, &T::SetShadow);
    P.Property("Squared", &T::Squared, &T::SetSquared).Default(false);
    P.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
    P.Property("Width", &T::Width, &T::SetWidth).Default(20);
    P.Property("WidthUnits", &T::WidthUnits, &T::SetWidthUnits).Default(lcsPercent);
    P.Property("OnDraw", &T::OnDraw);
}

ORVO_PUBLISHED(TLegendTitle) {
    using T = TLegendTitle;
    P.Property("Text", &T::Text, &T::SetText);
    P.Property("TextAlignment", &T::TextAlignment, &T::SetTextAlignment).Default(taLeftJustify);
    P.Property("Transparent", &T::Transparent, &T::SetTransparent).Stored(&T::IsTransparentStored);
}

ORVO_PUBLISHED(TChartLegend) {
    using T = TChartLegend;
    P.Property("Alignment", &T::Alignment, &T::SetAlignment).Default(laRight);
    P.Property("Bevel", &T::Bevel, &T::SetBevel).Default(bvNone);
    P.Property("BevelWidth", &T::BevelWidth, &T::SetBevelWidth).Default(2);
    P.Property("Brush", &T::Brush, &T::SetBrush);
    P.Property("CheckBoxes", &T::CheckBoxes, &T::SetCheckBoxes).Default(false);
    P.Property("CheckBoxesStyle", &T::CheckBoxesStyle, &T::SetCheckBoxesStyle).Default(cbsCheck);
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor()).Default(clWhite);
    P.Property("ColorWidth", &T::ColorWidth, &T::SetColorWidth).Default(20);
    P.Property("CurrentPage", &T::CurrentPage, &T::SetCurrentPage).Default(true);
    P.Property("CustomPosition", &T::CustomPosition, &T::SetCustomPosition).Stored(&T::IsCustomStored);
    P.Property("DividingLines", &T::DividingLines, &T::SetDividingLines);
    P.Property("FirstValue", &T::FirstValue, &T::SetFirstValue).Default(0);
    P.Property("Font", &T::Font, &T::SetFont);
    P.Property("FontSeriesColor", &T::FontSeriesColor, &T::SetFontSeriesColor).Default(false);
    P.Property("Frame", &T::Frame, &T::SetFrame);
    P.Property("Gradient", &T::Gradient, &T::SetGradient).Present(&T::HasGradient);
    P.Property("HorizMargin", &T::HorizMargin, &T::SetHorizMargin).Default(0);
    P.Property("Inverted", &T::Inverted, &T::SetInverted).Default(false);
    P.Property("Left", &T::Left, &T::SetLeft).Stored(&T::IsPosStored);
    P.Property("LeftPercent", &T::LeftPercent, &T::SetLeftPercent).Default(0);
    P.Property("LegendStyle", &T::LegendStyle, &T::SetLegendStyle).Default(lsAuto);
    P.Property("MaxNumRows", &T::MaxNumRows, &T::SetMaxNumRows).Default(10);
    P.Property("Picture", &T::Picture, &T::SetPicture).Present(&T::HasPicture);
    P.Property("PositionUnits", &T::PositionUnits, &T::SetPositionUnits).Default(muPixels);
    P.Property("ResizeChart", &T::ResizeChart, &T::SetResizeChart).Default(true);
    P.Property("Shadow", &T::Shadow, &T::SetShadow);
    P.Property("ShapeStyle", &T::ShapeStyle, &T::SetShapeStyle).Default(fosRectangle);
    P.Property("Symbol", &T::Symbol, &T::SetSymbol);
    P.Property("TextStyle", &T::TextStyle, &T::SetTextStyle).Default(ltsLeftValue);
    P.Property("Title", &T::Title, &T::SetTitle);
    P.Property("Top", &T::Top, &T::SetTop).Stored(&T::IsPosStored);
    P.Property("TopPercent", &T::TopPercent, &T::SetTopPercent).Default(0);
    P.Property("TopPos", &T::TopPos, &T::SetTopPos).Default(10);
    P.Property("Transparency", &T::Transparency, &T::SetTransparency).Default(0);
    P.Property("Transparent", &T::Transparent, &T::SetTransparent).Stored(&T::IsTransparentStored);
    P.Property("VertMargin", &T::VertMargin, &T::SetVertMargin).Default(0);
    P.Property("VertSpacing", &T::VertSpacing, &T::SetVertSpacing).Default(0);
    P.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
    P.Property("OnCalcSize", &T::OnCalcSize);
}
