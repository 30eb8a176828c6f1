#include "chart/editor/TeeGalleryPanel.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/ChartTitles.h"
#include "chart/engine/chart/ChartWalls.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/pictures/SmoothStretch.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/TeeFunction.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Mouse.h"
#include "platform/controls/PaintBox.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"

#include <algorithm>
#include <memory>
#include <vector>

TColor clTeeGallery = clWhite;

ORVO_IMPLEMENT_CLASS(TGalleryChart, TCustomChart)
ORVO_IMPLEMENT_CLASS(TChartList, TList)
ORVO_IMPLEMENT_CLASS(TChartGalleryPanel, TCustomPanelNoCaption)

ORVO_PUBLISHED(TGalleryChart) {}
ORVO_PUBLISHED(TChartList) {}
ORVO_PUBLISHED(TChartGalleryPanel) {
    using S = TChartGalleryPanel;
    P.Property("DisplaySub", &S::DisplaySub, &S::SetDisplaySub).Default(true);
    P.Property("FocusRotation", &S::FocusRotation, &S::SetFocusRotation).Default(true);
    P.Property("NumRows", &S::NumRows, &S::SetNumRows).Default(3);
    P.Property("NumCols", &S::NumCols, &S::SetNumCols).Default(4);
    P.Property("Smooth", &S::Smooth, &S::SetSmooth).Default(false);
    P.Property("View3D", &S::View3D, &S::SetView3D).Default(true);
    P.Property("OnSelectedChart", &S::OnSelectedChart);
    P.Property("OnChangeChart", &S::OnChangeChart);
    P.Property("OnSubSelected", &S::OnSubSelected);
}

namespace {
constexpr TColor kGrey = TColor(0x808080);
constexpr TColor kSilver = TColor(0xC0C0C0);
constexpr TColor kNavy = TColor(0x800000);
const String kSmoothGallery = QStringLiteral("SmoothGallery");
const String kGalleryMode = QStringLiteral("GalleryMode");
} // namespace

// ---- thumbnails -----------------------------------------------------------------------------

TGalleryChart::TGalleryChart(TComponent* AOwner) : TCustomChart(AOwner) {
    Legend()->SetVisible(false);
    for (TChartAxis* axis : {LeftAxis(), BottomAxis()}) {
        axis->SetLabelStyle(talValue);
        axis->Grid()->SetSmallDots(true);
        axis->Grid()->SetSmallSpace(3);
        axis->LabelsFont()->SetSize(7);
        axis->LabelsFont()->SetColor(kGrey);
    }
    Title()->Font()->SetColor(kNavy);
    SetAnimatedZoom(true);
    TView3DOptions* view = View3DOptions();
    view->SetOrthogonal(false);
    view->SetZoom(90);
    view->SetPerspective(55);
    SetChart3DPercent(100);
    SetClipPoints(false);
    Frame()->SetVisible(false);
    SetBevelWidth(2);
    SetBevelOuter(bvNone);
    for (TCustomChartWall* wall :
         {static_cast<TCustomChartWall*>(LeftWall()), static_cast<TCustomChartWall*>(BottomWall())}) {
        wall->SetColor(clWhite);
        wall->SetSize(4);
        wall->Pen()->SetColor(kGrey);
        wall->Gradient()->SetStartColor(kGrey);
        wall->Gradient()->SetEndColor(kSilver);
        wall->Gradient()->SetVisible(true);
    }
    if (auto* panel = dynamic_cast<TChartGalleryPanel*>(AOwner); panel && panel->FocusRotation()) {
        view->SetRotation(335);
        view->SetElevation(350);
    }
}

TChartGalleryPanel* TGalleryChart::GalleryPanel() const {
    return dynamic_cast<TChartGalleryPanel*>(Owner());
}

void TGalleryChart::SetSmooth(bool Value) {
    if (FSmooth == Value) return;
    FSmooth = Value;
    Invalidate();
}

void TGalleryChart::Focus(bool Rotate) {
    Gradient()->SetDirection(gdFromTopLeft);
    Gradient()->SetStartColor(kSilver);
    Gradient()->SetEndColor(clTeeGallery);
    Gradient()->SetVisible(true);
    if (Rotate) {
        View3DOptions()->SetRotation(345);
        if (SeriesCount() > 0) Series(0)->GalleryChanged3D(View3D());
    }
    TFont* font = Title()->Font();
    font->SetStyle(TFontStyles{fsBold});
    font->SetColor(clBlack);
    font->SetSize(10);
    TTeeShadow* shadow = Title()->Font()->Shadow();
    shadow->SetVisible(true);
    shadow->SetSize(2);
    shadow->SetColor(kGrey);
    shadow->SetSmooth(true);
    shadow->SetSmoothBlur(5);
    SetBevelOuter(bvRaised);
    if (Showing() && CanFocus() && !Focused()) SetFocus();
}

void TGalleryChart::UnFocus(bool Rotate) {
    if (!HasGradient() || !Gradient()->Visible()) return;
    Gradient()->SetVisible(false);
    SetBevelOuter(bvNone);
    TFont* font = Title()->Font();
    font->SetStyle(TFontStyles());
    font->SetColor(kNavy);
    font->SetSize(8);
    Title()->Font()->Shadow()->SetVisible(false);
    if (Rotate) {
        View3DOptions()->SetRotation(335);
        if (SeriesCount() > 0) Series(0)->GalleryChanged3D(View3D());
    }
}

TPoint TGalleryChart::ArrowOrigin() {
    int x = 4;
    if (Border()->Visible()) x += FSmooth ? Border()->Width() / 2 : Border()->Width();
    int down = BorderWidth() + Shadow()->Size();
    if (FSmooth) down /= 2;
    return TPoint{x, Height() - down};
}

TRect TGalleryChart::SubGalleryArrowRect() {
    const TPoint o = ArrowOrigin();
    return TRect{o.X, o.Y - 12, o.X + 12, o.Y};
}

void TGalleryChart::DrawSubGalleryArrow(TCanvas* ACanvas) {
    const TPoint o = ArrowOrigin();
    const TPoint points[] = {{o.X, o.Y - 8}, {o.X + 7, o.Y - 8}, {o.X + 3, o.Y - 4}};
    ACanvas->Pen()->SetStyle(psClear);
    ACanvas->Pen()->SetMode(pmNotXor);
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(clBlack);
    ACanvas->Polygon(points, 3);
    ACanvas->Pen()->SetMode(pmCopy);
    ACanvas->Pen()->SetStyle(psSolid);
}

void TGalleryChart::DrawFrame(TCanvas* ACanvas) {
    const int r = Width() - 1, b = Height() - 1;
    ACanvas->Pen()->SetStyle(psSolid);
    ACanvas->Pen()->SetWidth(1);
    ACanvas->Pen()->SetColor(clWhite);
    ACanvas->MoveTo(0, b);
    ACanvas->LineTo(0, 0);
    ACanvas->LineTo(r, 0);
    ACanvas->Pen()->SetColor(kGrey);
    ACanvas->LineTo(r, b);
    ACanvas->LineTo(0, b);
}

void TGalleryChart::SmoothDraw() {
    const int w = Width(), h = Height();
    if (w < 2 || h < 2) return;
    // The chart drawn twice as large without its title, then made small smoothly: the
    // title drawn at the normal size stays above it.
    auto big = std::make_unique<TBitmap>(2 * w, 2 * h);
    big->SetPixelFormat(pf24bit);
    const bool titleVisible = Title()->Visible();
    const int oldTop = MarginTop();
    const bool oldRepaint = AutoRepaint();
    SetAutoRepaint(false);
    ICreatingBitmap = true;
    Title()->SetVisible(false);
    SetMarginTop(30);
    try {
        Draw(big->Canvas(), TRect{0, 0, 2 * w, 2 * h});
    } catch (...) {
        ICreatingBitmap = false;
        Title()->SetVisible(titleVisible);
        SetMarginTop(oldTop);
        SetAutoRepaint(oldRepaint);
        throw;
    }
    ICreatingBitmap = false;
    Title()->SetVisible(titleVisible);
    SetMarginTop(oldTop);
    SetAutoRepaint(oldRepaint);
    auto small = std::make_unique<TBitmap>(w, h);
    small->SetPixelFormat(pf24bit);
    SmoothStretch(big.get(), small.get());
    const int keep = titleVisible ? 15 : 0;
    VclCanvas()->CopyRect(TRect{0, keep, w, h}, small->Canvas(), TRect{0, keep, w, h});
}

void TGalleryChart::Paint() {
    TCustomChart::Paint();
    if (ICreatingBitmap) return;
    if (FSmooth) SmoothDraw();
    TCanvas* canvas = VclCanvas();
    TChartGalleryPanel* panel = GalleryPanel();
    if (panel && panel->FDisplaySub && panel->ISelectedChart == this) DrawSubGalleryArrow(canvas);
    if (FMouseInside && !FDisabled) DrawFrame(canvas);
}

void TGalleryChart::KeyDown(Word& Key, TShiftState Shift) {
    TChartGalleryPanel* panel = GalleryPanel();
    if (panel && !panel->ISubGallery)
        panel->HandleKey(Key, Shift);
    else if (panel &&
             (Key == VK_RETURN || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN))
        panel->HandleKey(Key, Shift);
    if (Key) TCustomChart::KeyDown(Key, Shift);
}

void TGalleryChart::DoEnter() {
    TCustomChart::DoEnter();
    if (TChartGalleryPanel* panel = GalleryPanel(); panel && !FDisabled) panel->SelectChart(this);
}

void TGalleryChart::Dispatch(TMessage& Message) {
    TCustomChart::Dispatch(Message);
    switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        const bool inside = Message.Msg == CM_MOUSEENTER;
        if (inside != FMouseInside && !FDisabled) {
            FMouseInside = inside;
            Invalidate();
        }
        break;
    }
    case WM_GETDLGCODE:
        Message.Result |= DLGC_WANTARROWS;
        break;
    default:
        break;
    }
}

void TChartList::Clear() {
    for (int i = Count() - 1; i >= 0; --i)
        FreeObject(GetChart(i));
    TList::Clear();
}

// ---- panel ----------------------------------------------------------------------------------

TChartGalleryPanel::TChartGalleryPanel(TComponent* AOwner) : TCustomPanelNoCaption(AOwner) {
    FCharts = new TChartList();
    SetParentBackground(true);
    SetParentColor(true);
    FDefaultSmooth = DefaultSmooth();
    FSmooth = FDefaultSmooth;
}

TChartGalleryPanel::~TChartGalleryPanel() {
    if (FSmooth != FDefaultSmooth) SaveSmooth(FSmooth);
    ISelectedChart = nullptr;
    FCharts->Clear();
    delete FCharts;
}

bool TChartGalleryPanel::DefaultSmooth() {
    return TeeReadBoolOption(kSmoothGallery, false);
}

int TChartGalleryPanel::DefaultMode() {
    return TeeReadIntegerOption(kGalleryMode, 0);
}

void TChartGalleryPanel::SaveSmooth(bool Value) {
    TeeSaveBoolOption(kSmoothGallery, Value);
}

void TChartGalleryPanel::SaveMode(int Value) {
    TeeSaveIntegerOption(kGalleryMode, Value);
}

void TChartGalleryPanel::Dispatch(TMessage& Message) {
    TCustomPanelNoCaption::Dispatch(Message);
    if (Message.Msg == WM_GETDLGCODE) Message.Result |= DLGC_WANTARROWS;
}

int TChartGalleryPanel::Columns() const {
    return std::max(1, FNumCols);
}

void TChartGalleryPanel::CalcChartWidthHeight() {
    if (FNumRows > 0 && FNumCols > 0) {
        const int b = BevelWidth() + BorderWidth();
        FRowHeight = (Height() - b) / FNumRows;
        FColWidth = (Width() - b) / FNumCols;
    } else {
        FRowHeight = 0;
        FColWidth = 0;
    }
}

void TChartGalleryPanel::PlaceChart(int Index) {
    const int b = BevelWidth() + BorderWidth();
    const int cols = Columns();
    const int col = Index % cols, row = Index / cols;
    const int left = b + col * FColWidth;
    const int top = b + row * FRowHeight;
    const int right = left + std::min(FColWidth, Width() - b) - 1;
    const int bottom = top + std::min(FRowHeight, Height() - b) - 1;
    GetChart(Index)->SetBounds(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

void TChartGalleryPanel::LayoutCharts() {
    CalcChartWidthHeight();
    for (int i = 0; i < FCharts->Count(); ++i)
        PlaceChart(i);
}

void TChartGalleryPanel::SetNumRows(int Value) {
    FNumRows = Value;
    LayoutCharts();
}

void TChartGalleryPanel::SetNumCols(int Value) {
    FNumCols = Value;
    LayoutCharts();
}

void TChartGalleryPanel::Resize() {
    TCustomPanelNoCaption::Resize();
    LayoutCharts();
}

void TChartGalleryPanel::SetSmooth(bool Value) {
    FSmooth = Value;
    for (int i = 0; i < FCharts->Count(); ++i)
        GetChart(i)->SetSmooth(Value);
}

void TChartGalleryPanel::SetView3D(bool Value) {
    FView3D = Value;
    for (int i = 0; i < FCharts->Count(); ++i) {
        TGalleryChart* chart = GetChart(i);
        chart->SetView3D(Value);
        SetMargins(chart);
        if (chart->SeriesCount() > 0) chart->Series(0)->GalleryChanged3D(Value);
    }
}

void TChartGalleryPanel::SetMargins(TGalleryChart* Chart) {
    const int m = FView3D ? 4 : 5;
    Chart->SetMarginLeft(m);
    Chart->SetMarginTop(m);
    Chart->SetMarginRight(m);
    Chart->SetMarginBottom(m);
}

void TChartGalleryPanel::CreateGalleryPage(const String& Page) {
    std::vector<TTeeSeriesType*> types;
    TTeeSeriesTypes* all = TeeSeriesTypes();
    for (int i = 0; i < all->Count(); ++i) {
        TTeeSeriesType* t = all->Get(i);
        if (t->GalleryPageText() == Page && (t->FunctionClass != nullptr) == FunctionsVisible)
            types.push_back(t);
    }
    const int n = int(types.size());
    const int cols = Columns();
    if ((FNumRows - 1) * cols < n)
        FNumRows = (n - 1) / cols + 1;
    else
        FNumRows = 3;
    CalcChartWidthHeight();
    ISelectedChart = nullptr;
    FCharts->Clear();
    for (TTeeSeriesType* t : types)
        CreateChart(t);
    FindSelectedChart();
    ShowSelectedChart();
}

void TChartGalleryPanel::CreateChartList(std::span<const TClass> SeriesClasses) {
    ISelectedChart = nullptr;
    FCharts->Clear();
    CalcChartWidthHeight();
    for (TClass cls : SeriesClasses)
        if (TTeeSeriesType* t = TeeSeriesTypes()->Find(cls)) CreateChart(t);
    FindSelectedChart();
    ShowSelectedChart();
}

void TChartGalleryPanel::PrepareSeries(TGalleryChart* Chart) {
    if (Chart->SeriesCount() == 0) return;
    TChartSeries* first = Chart->Series(0);
    first->GalleryChanged3D(FView3D);
    if (TTeeFunction* f = first->FunctionType()) {
        auto* temp = static_cast<TTeeFunction*>(f->ClassType()->CreateComponent(nullptr));
        if (temp) {
            temp->PrepareForGallery(Chart);
            FreeObject(temp);
        }
    } else {
        for (int i = 0; i < Chart->SeriesCount(); ++i)
            Chart->Series(i)->PrepareForGallery(!Chart->Disabled());
    }
}

TGalleryChart* TChartGalleryPanel::CreateChart(TTeeSeriesType* AType) {
    TClass seriesClass = AType->SeriesClass;
    if (!seriesClass) seriesClass = GetClass(QStringLiteral("TLineSeries"));
    auto* chart = new TGalleryChart(this);
    chart->SetTag(AType->SubIndex);
    chart->SetColor(Color());
    chart->SetAutoRepaint(false);
    chart->SetView3D(FView3D);
    FCharts->Add(chart);
    TStrings* title = chart->Title()->Text();
    title->Clear();
    for (const String& line : AType->DescriptionText().split(QChar(TeeLineSeparator)))
        title->Add(line);
    chart->SetParent(this);
    chart->SetName(TeeGetUniqueName(this, QStringLiteral("TeeGalleryChart")));
    PlaceChart(FCharts->Count() - 1);
    const int count = std::max(1, AType->NumGallerySeries);
    for (int i = 0; i < count && seriesClass; ++i) {
        auto* series = dynamic_cast<TChartSeries*>(seriesClass->CreateComponent(nullptr));
        if (!series) break;
        series->SetParentChart(chart);
        if (AType->FunctionClass)
            if (auto* f = dynamic_cast<TTeeFunction*>(AType->FunctionClass->CreateComponent(nullptr)))
                series->SetFunctionType(f);
        if (AType->SubIndex != 0) series->SetSubGallery(series, AType->SubIndex);
    }
    const bool disabled = CheckSeries && SelectedSeries && chart->SeriesCount() > 0 &&
                          !chart->Series(0)->IsValidSourceOf(SelectedSeries);
    chart->SetDisabled(disabled);
    if (disabled) {
        chart->SetCursor(crNo);
        chart->Title()->Font()->SetColor(kGrey);
        chart->LeftWall()->Pen()->SetColor(kGrey);
        chart->BottomWall()->Pen()->SetColor(kGrey);
        for (TChartAxis* axis : {chart->LeftAxis(), chart->BottomAxis()}) {
            axis->Axis()->SetWidth(1);
            axis->Axis()->SetColor(clWhite);
        }
    } else {
        chart->SetCursor(crHandPoint);
        chart->OnClick = TNotifyEvent(this, &TChartGalleryPanel::ChartClick);
        chart->OnDblClick = TNotifyEvent(this, &TChartGalleryPanel::ChartDblClick);
    }
    PrepareSeries(chart);
    SetMargins(chart);
    chart->SetSmooth(FSmooth);
    chart->SetAutoRepaint(true);
    return chart;
}

void TChartGalleryPanel::AddChart(TGalleryChart* Chart) {
    if (!Chart || FCharts->IndexOf(Chart) >= 0) return;
    if (Chart->Owner() != this) {
        if (Chart->Owner()) Chart->Owner()->RemoveComponent(Chart);
        InsertComponent(Chart);
    }
    FCharts->Add(Chart);
    Chart->SetParent(this);
    Chart->SetCursor(crHandPoint);
    Chart->OnClick = TNotifyEvent(this, &TChartGalleryPanel::ChartClick);
    Chart->OnDblClick = TNotifyEvent(this, &TChartGalleryPanel::ChartDblClick);
    PlaceChart(FCharts->Count() - 1);
}

void TChartGalleryPanel::ChartClick(TObject* Sender) {
    SelectChart(static_cast<TGalleryChart*>(Sender));
}

void TChartGalleryPanel::ChartDblClick(TObject* Sender) {
    SelectChart(static_cast<TGalleryChart*>(Sender));
    if (OnSelectedChart) OnSelectedChart(this);
}

bool TChartGalleryPanel::GetSeriesClass(TClass& SeriesClass, TClass& FunctionClass, int& SubIndex) {
    TGalleryChart* chart = ISelectedChart;
    if (!chart || chart->SeriesCount() == 0) return false;
    TChartSeries* first = chart->Series(0);
    SeriesClass = first->ClassType();
    FunctionClass = first->FunctionType() ? first->FunctionType()->ClassType() : nullptr;
    SubIndex = int(chart->Tag());
    return true;
}

void TChartGalleryPanel::FindSelectedChart() {
    if (!SelectedSeries) return;
    for (int i = 0; i < FCharts->Count(); ++i) {
        TGalleryChart* chart = GetChart(i);
        if (chart->SeriesCount() == 0) continue;
        TChartSeries* first = chart->Series(0);
        if (first->ClassType() == SelectedSeries->ClassType() && !first->FunctionType()) {
            ISelectedChart = chart;
            return;
        }
    }
}

void TChartGalleryPanel::ShowSelectedChart() {
    if (!ISelectedChart)
        for (int i = 0; i < FCharts->Count(); ++i)
            if (!GetChart(i)->Disabled()) {
                ISelectedChart = GetChart(i);
                break;
            }
    if (ISelectedChart) {
        ISelectedChart->Focus(FFocusRotation);
        if (OnChangeChart) OnChangeChart(this);
    }
    for (int i = 0; i < FCharts->Count(); ++i)
        if (GetChart(i) != ISelectedChart) GetChart(i)->UnFocus(FFocusRotation);
}

void TChartGalleryPanel::SelectChart(TGalleryChart* Chart) {
    if (!Chart || Chart->Disabled()) return;
    if (Chart != ISelectedChart) {
        TGalleryChart* old = ISelectedChart;
        ISelectedChart = Chart;
        if (old) old->Invalidate();
        ShowSelectedChart();
    }
    if (FDisplaySub && Chart->Showing()) {
        const TPoint p = Chart->ScreenToClient(Mouse->CursorPos());
        if (Chart->SubGalleryArrowRect().Contains(p)) ShowSubGallery();
    }
}

void TChartGalleryPanel::HandleKey(Word& Key, TShiftState Shift) {
    if (FCharts->Count() == 0) return;
    const int cols = Columns();
    const int rows = std::max(1, FNumRows);
    int index = ISelectedChart ? FCharts->IndexOf(ISelectedChart) : 0;
    if (index < 0) index = 0;
    int col = index % cols, row = index / cols;
    switch (Key) {
    case VK_RETURN:
        if (ISelectedChart) ChartDblClick(ISelectedChart);
        Key = 0;
        return;
    case VK_LEFT:
        if (col > 0) --col;
        break;
    case VK_UP:
        if (row > 0) --row;
        break;
    case VK_RIGHT:
        // The last column keeps the selection: no wrap into the next row.
        if (col < cols - 1) ++col;
        break;
    case VK_DOWN:
        if (Shift.Contains(ssAlt)) {
            if (FDisplaySub && !ISubGallery) ShowSubGallery();
            Key = 0;
            return;
        }
        if (row < rows - 1) ++row;
        break;
    default:
        return;
    }
    Key = 0;
    const int next = row * cols + col;
    if (next >= 0 && next < FCharts->Count() && !GetChart(next)->Disabled()) SelectChart(GetChart(next));
}

void TChartGalleryPanel::KeyDown(Word& Key, TShiftState Shift) {
    HandleKey(Key, Shift);
    if (Key) TCustomPanelNoCaption::KeyDown(Key, Shift);
}

// ---- sub-styles -----------------------------------------------------------------------------

void TChartGalleryPanel::CreateSubChart(const String& Description) {
    TChartGalleryPanel* target = FSubTarget ? FSubTarget : this;
    TTeeSeriesType type;
    type.SeriesClass = FSubClass;
    type.NumGallerySeries = 1;
    type.Description = &Description;
    type.SubIndex = 0;
    TGalleryChart* chart = target->CreateChart(&type);
    const int index = target->FCharts->Count() - 1;
    if (chart->SeriesCount() > 0 && index != 0) {
        chart->Series(0)->SetSubGallery(chart->Series(0), index);
        target->PrepareSeries(chart);
    }
    chart->SetTag(index);
}

void TChartGalleryPanel::AddSubCharts(TChartGalleryPanel* APanel) {
    if (!FSubClass) return;
    auto* temp = dynamic_cast<TChartSeries*>(FSubClass->CreateComponent(nullptr));
    if (!temp) return;
    FSubTarget = APanel;
    struct Done {
        TChartGalleryPanel* panel;
        TChartSeries* series;
        ~Done() {
            panel->FSubTarget = nullptr;
            FreeObject(series);
        }
    } done{this, temp};
    temp->CreateSubGallery(TChartSubGalleryProc(this, &TChartGalleryPanel::CreateSubChart));
}

void TChartGalleryPanel::CreateSubGallery(TChartGalleryPanel* APanel, TClass SeriesClass) {
    FSubClass = SeriesClass;
    APanel->ISelectedChart = nullptr;
    APanel->FCharts->Clear();
    APanel->CalcChartWidthHeight();
    AddSubCharts(APanel);
}

void TChartGalleryPanel::ShowSubGallery() {
    TGalleryChart* main = ISelectedChart;
    if (!main || main->SeriesCount() == 0) return;
    FreeAndNil(FSubForm);
    main->UnFocus(FFocusRotation);
    auto* form = new TForm(this, 0);
    FSubForm = form;
    form->SetBorderStyle(bsNone);
    form->SetKeyPreview(true);
    form->SetPosition(poDesigned);
    const TPoint at = main->ClientToScreen(TPoint{0, main->Height()});
    form->SetBounds(at.X, at.Y, std::max(Width(), 100), 100);
    // The strip on top closes the window with the choice made.
    auto* strip = new TPanel(form);
    strip->SetParent(form);
    strip->SetAlign(alTop);
    strip->SetHeight(12);
    strip->SetBevelOuter(bvNone);
    strip->OnClick = TNotifyEvent([form](TObject*) { form->SetModalResult(mrOk); });
    auto* box = new TPaintBox(form);
    box->SetParent(strip);
    box->SetBounds(4, 2, 8, 8);
    box->OnPaint = TNotifyEvent([box](TObject*) {
        TCanvas* c = box->Canvas();
        const TPoint points[] = {{0, 8}, {4, 0}, {9, 8}};
        c->Brush()->SetColor(clBlack);
        c->Pen()->SetColor(clBlack);
        c->Polygon(points, 3);
    });
    box->OnClick = TNotifyEvent([form](TObject*) { form->SetModalResult(mrOk); });
    auto* panel = new TChartGalleryPanel(form);
    FSubPanel = panel;
    panel->ISubGallery = true;
    panel->SetDisplaySub(false);
    panel->SetView3D(FView3D);
    panel->SetSmooth(FSmooth);
    panel->FDefaultSmooth = FSmooth;
    panel->SetParent(form);
    panel->SetAlign(alClient);
    panel->OnSelectedChart = TNotifyEvent(this, &TChartGalleryPanel::SubSelected);
    form->OnKeyDown = TKeyEvent([form, panel](TObject*, Word& Key, TShiftState Shift) {
        if (Key == VK_ESCAPE) {
            form->SetModalResult(mrCancel);
            Key = 0;
            return;
        }
        panel->HandleKey(Key, Shift);
    });
    CreateSubGallery(panel, main->Series(0)->ClassType());
    const int cols = panel->Columns();
    const int rows = (panel->FCharts->Count() + cols - 1) / cols;
    panel->FNumRows = std::max(1, rows);
    form->SetHeight(panel->FNumRows * FRowHeight + 8);
    panel->LayoutCharts();
    if (panel->FCharts->Count() > 0) panel->SelectChart(panel->GetChart(0));
    // Kept inside the work area.
    const TRect work = Screen->WorkAreaRect();
    if (form->Left() + form->Width() > work.Right) form->SetLeft(work.Right - form->Width() - 2);
    if (form->Top() + form->Height() > work.Bottom) form->SetTop(work.Bottom - form->Height() - 2);
    struct Free {
        TChartGalleryPanel* panel;
        ~Free() {
            panel->FSubPanel = nullptr;
            FreeAndNil(panel->FSubForm);
            panel->ShowSelectedChart();
        }
    } free{this};
    if (form->ShowModal() == mrOk && OnSubSelected) OnSubSelected(this);
}

void TChartGalleryPanel::SubSelected(TObject* Sender) {
    auto* sub = dynamic_cast<TChartGalleryPanel*>(Sender);
    TGalleryChart* main = ISelectedChart;
    if (!sub || !main || !sub->ISelectedChart) return;
    const int index = int(sub->ISelectedChart->Tag());
    main->SetTag(index);
    if (index != 0) {
        for (int i = 0; i < main->SeriesCount(); ++i)
            main->Series(i)->SetSubGallery(main->Series(i), index);
    } else {
        // The normal style: the series made again as they were first.
        TClass cls = main->Series(0)->ClassType();
        TTeeFunction* f = main->Series(0)->FunctionType();
        TClass functionClass = f ? f->ClassType() : nullptr;
        const int count = main->SeriesCount();
        main->FreeAllSeries();
        for (int i = 0; i < count; ++i) {
            auto* series = dynamic_cast<TChartSeries*>(cls->CreateComponent(nullptr));
            if (!series) break;
            series->SetParentChart(main);
            if (functionClass)
                if (auto* nf = dynamic_cast<TTeeFunction*>(functionClass->CreateComponent(nullptr)))
                    series->SetFunctionType(nf);
        }
        PrepareSeries(main);
    }
    if (FSubForm) FSubForm->SetModalResult(mrOk);
}

void TChartGalleryPanel::UseTheme(TClass ThemeClass) {
    if (!ThemeClass || !ThemeClass->CreatePlain) return;
    TObject* made = ThemeClass->CreatePlain();
    auto* theme = dynamic_cast<TChartTheme*>(made);
    if (!theme) {
        FreeObject(made);
        return;
    }
    for (int i = 0; i < FCharts->Count(); ++i) {
        theme->Chart = GetChart(i);
        theme->Apply();
        PrepareSeries(GetChart(i));
    }
    FreeObject(theme);
}
