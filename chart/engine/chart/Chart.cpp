// TCustomChart and TChart: the chart control's own steps, zoom and its undo, and the
// published properties of the chart and its axes.
#include "chart/engine/chart/Chart.h"

#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/StdControlTypes.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TCustomChart, TCustomAxisPanel)
ORVO_IMPLEMENT_CLASS(TChart, TCustomChart)

TTeeNewChartHook TeeNewChartHook = nullptr;
TTeeThemeSelectorHook TeeThemeSelectorHook = nullptr;

TCustomChart::TCustomChart(TComponent* AOwner) : TCustomAxisPanel(AOwner) {
    const bool oldRepaint = AutoRepaint();
    SetAutoRepaint(false);
    FTitle = new TChartTitle(this);
    if (ComponentState().Contains(csDesigning)) FTitle->Text()->Add(ClassName());
    FSubTitle = new TChartTitle(this);
    FFoot = new TChartFootTitle(this);
    FSubFoot = new TChartFootTitle(this);
    FWalls = new TChartWalls(this);
    FLegend = new TChartLegend(this);
    Axes()->OnRemoveAxis = TEvent<TChartAxis*>(this, &TCustomChart::AxisRemoved);
    SetAutoRepaint(oldRepaint);
    if (TeeNewChartHook && ComponentState().Contains(csDesigning) && Owner() &&
        !Owner()->ComponentState().Contains(csLoading))
        TeeNewChartHook(this);
}

TCustomChart::~TCustomChart() {
    // The axes outlive this part of the chart: stop listening before they go.
    Axes()->OnRemoveAxis = TEvent<TChartAxis*>();
    FSavedScales.clear();
    SetAutoRepaint(false);
    delete FSubTitle;
    FSubTitle = nullptr;
    delete FTitle;
    FTitle = nullptr;
    delete FSubFoot;
    FSubFoot = nullptr;
    delete FFoot;
    FFoot = nullptr;
    delete FWalls;
    FWalls = nullptr;
    delete FLegend;
    FLegend = nullptr;
}

void TCustomChart::AxisRemoved(TChartAxis* Axis) {
    FSavedScales.erase(Axis);
}

bool TCustomChart::IsFreeSeriesColor(TColor AColor, bool CheckBackground, TChartSeries* Series) {
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = GetSeries(i);
        if (s != Series && s->SeriesColor() == AColor) return false;
    }
    return !(CheckBackground && AColor == Color());
}

void TCustomChart::SaveScales() {
    FSavedScales.clear();
    for (int i = 0; i < Axes()->Count(); ++i) {
        TChartAxis* a = Axes()->Get(i);
        if (a->IsDepthAxis()) continue;
        FSavedScales[a] = TAxisSavedScales{a->Automatic(), a->AutomaticMinimum(), a->AutomaticMaximum(),
                                           a->Minimum(), a->Maximum()};
    }
}

void TCustomChart::RestoreScales() {
    for (int i = 0; i < Axes()->Count(); ++i) {
        TChartAxis* a = Axes()->Get(i);
        auto it = FSavedScales.find(a);
        if (a->IsDepthAxis() || it == FSavedScales.end()) continue;
        const TAxisSavedScales& s = it->second;
        a->FAutomatic = s.Auto;
        a->FAutomaticMinimum = s.AutoMin;
        a->FAutomaticMaximum = s.AutoMax;
        a->FMinimumValue = s.Min;
        a->FMaximumValue = s.Max;
    }
}

void TCustomChart::UndoZoom() {
    if (!RestoredAxisScales) {
        RestoreScales();
        FSavedScales.clear();
        RestoredAxisScales = true;
    }
    TCustomAxisPanel::UndoZoom();
}

void TCustomChart::DoZoom(double TopMin, double TopMax, double BottomMin, double BottomMax, double LeftMin,
                          double LeftMax, double RightMin, double RightMax) {
    if (RestoredAxisScales) {
        SaveScales();
        RestoredAxisScales = false;
    }
    if (Zoom()->Animated()) {
        // Each step covers a part of the remaining distance; the chart is redrawn at once.
        auto step = [](TChartAxis* Axis, double Min, double Max) {
            Axis->SetMinMax(Axis->Minimum() + (Min - Axis->Minimum()) / AnimatedZoomFactor,
                            Axis->Maximum() - (Axis->Maximum() - Max) / AnimatedZoomFactor);
        };
        for (int i = 1; i < Zoom()->AnimatedSteps(); ++i) {
            if (Zoom()->Direction() != tzdHorizontal) {
                step(LeftAxis(), LeftMin, LeftMax);
                step(RightAxis(), RightMin, RightMax);
            }
            if (Zoom()->Direction() != tzdVertical) {
                step(TopAxis(), TopMin, TopMax);
                step(BottomAxis(), BottomMin, BottomMax);
            }
            Refresh();
        }
    }
    if (Zoom()->Direction() != tzdHorizontal) {
        LeftAxis()->SetMinMax(LeftMin, LeftMax);
        RightAxis()->SetMinMax(RightMin, RightMax);
    }
    if (Zoom()->Direction() != tzdVertical) {
        TopAxis()->SetMinMax(TopMin, TopMax);
        BottomAxis()->SetMinMax(BottomMin, BottomMax);
    }
    SetZoomed(true);
    if (OnZoom) OnZoom(this);
}

// ---- the series list seen from the editor --------------------------------------------------------

void TCustomChart::SeriesUp(TChartSeries* ASeries) {
    const int i = SeriesList()->IndexOf(ASeries);
    if (i > 0) ExchangeSeries(i, i - 1);
}

void TCustomChart::SeriesDown(TChartSeries* ASeries) {
    const int i = SeriesList()->IndexOf(ASeries);
    if (i >= 0 && i < SeriesCount() - 1) ExchangeSeries(i, i + 1);
}

TChartSeries* TCustomChart::GetASeries() const {
    for (TChartSeries* s : *SeriesList())
        if (s->Active()) return s;
    return nullptr;
}

void TCustomChart::ClearChart() {
    for (TChartSeries* s : *SeriesList())
        s->SetDataSource(nullptr);
    FreeAllSeries(nullptr);
    Tools()->Clear();
    std::unique_ptr<TChart> fresh(new TChart(nullptr));
    fresh->SetParent(Parent());
    Assign(fresh.get());
    fresh->SetParent(nullptr);
}

void TCustomChart::FillSeriesSourceItems(TChartSeries*, TGetStrProc) {}

void TCustomChart::FillValueSourceItems(TChartValueList* ValueList, TGetStrProc Proc) {
    if (!ValueList || !Proc) return;
    TChartSeries* owner = ValueList->Owner();
    auto* source = owner ? dynamic_cast<TChartSeries*>(owner->DataSource()) : nullptr;
    if (!source) return;
    for (int i = 0; i < source->ValuesList()->Count(); ++i)
        Proc(source->ValuesList()->Get(i)->Name());
}

// ---- published properties ----------------------------------------------------------------------

namespace {
// The frame, fill and text properties every framed shape of an axis publishes.
template <class T> void publishShapeLook(TPublisher<T>& P) {
    P.Property("Bevel", &T::Bevel, &T::SetBevel).Default(bvNone);
    P.Property("BevelWidth", &T::BevelWidth, &T::SetBevelWidth).Default(2);
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor()).Default(clWhite);
    P.Property("Font", &T::Font, &T::SetFont);
    P.Property("Gradient", &T::Gradient, &T::SetGradient).Present(&T::HasGradient);
    P.Property("Picture", &T::Picture, &T::SetPicture).Present(&T::HasPicture);
    P.Property("Shadow", &T::Shadow, &T::SetShadow);
    P.Property("ShapeStyle", &T::ShapeStyle, &T::SetShapeStyle).Default(fosRectangle);
    P.Property("Transparency", &T::Transparency, &T::SetTransparency).Default(0);
    P.Property("Transparent", &T::Transparent, &T::SetTransparent).Stored(&T::IsTransparentStored);
}
} // namespace

ORVO_PUBLISHED(TChartAxisTitle) {
    using T = TChartAxisTitle;
    P.Property("Angle", &T::Angle, &T::SetAngle).Stored(&T::IsAngleStored);
    P.Property("Caption", &T::Caption, &T::SetCaption).Stored(&T::IsCaptionStored);
    P.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
    P.Property("Brush", &T::Brush, &T::SetBrush);
    P.Property("Pen", &T::Pen, &T::SetPen);
    P.Property("RoundSize", &T::RoundSize, &T::SetRoundSize).Default(16);
    publishShapeLook(P);
}

ORVO_PUBLISHED(TAxisItem) {
    using T = TAxisItem;
    P.Property("Value", &T::Value, &T::SetValue).Default(0.0);
    P.Property("Text", &T::Text, &T::SetText);
    publishShapeLook(P);
}

namespace {
template <class T> void publishAxisPen(TPublisher<T>& P, TColor color, TPenStyle style, int width) {
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor()).Default(color);
    P.Property("SmallDots", &T::SmallDots, &T::SetSmallDots).Default(false);
    P.Property("Style", &T::Style, &T::SetStyle).Default(style);
    P.Property("Visible", &T::Visible, &T::SetVisible).Stored(&T::IsVisibleStored);
    P.Property("Width", &T::Width, &T::SetWidth).Default(width);
}
} // namespace

ORVO_PUBLISHED(TChartAxisPen) {
    using T = TChartAxisPen;
    publishAxisPen(P, clBlack, psSolid, 2);
    P.Property("LineMode", &T::LineMode, &T::SetLineMode).Default(lmLine);
}

ORVO_PUBLISHED(TAxisGridPen) {
    using T = TAxisGridPen;
    publishAxisPen(P, clGray, psDot, 1);
    P.Property("DrawEvery", &T::DrawEvery, &T::SetDrawEvery).Default(1);
    P.Property("ZPosition", &T::ZPosition, &T::SetZPosition).Stored(&T::IsZStored);
}

ORVO_PUBLISHED(TChartAxis) {
    using T = TChartAxis;
    P.Property("Automatic", &T::Automatic, &T::SetAutomatic).Default(true);
    P.Property("AutomaticMaximum", &T::AutomaticMaximum, &T::SetAutomaticMaximum).Default(true);
    P.Property("AutomaticMinimum", &T::AutomaticMinimum, &T::SetAutomaticMinimum).Default(true);
    P.Property("Axis", &T::Axis, &T::SetAxis);
    P.Property("AxisValuesFormat", &T::AxisValuesFormat, &T::SetAxisValuesFormat)
        .Stored(&T::IsAxisValuesFormatStored);
    P.Property("DateTimeFormat", &T::DateTimeFormat, &T::SetDateTimeFormat)
        .Stored(&T::IsDateTimeFormatStored);
    P.Property("ExactDateTime", &T::ExactDateTime, &T::SetExactDateTime).Default(true);
    P.Property("Grid", &T::Grid, &T::SetGrid);
    P.Property("GridCentered", &T::GridCentered, &T::SetGridCentered).Default(false);
    P.Property("Increment", &T::Increment, &T::SetIncrement).Default(0.0);
    P.Property("Inverted", &T::Inverted, &T::SetInverted).Default(false);
    P.Property("Horizontal", &T::Horizontal, &T::SetHorizontal).Stored(&T::IsCustom);
    P.Property("OtherSide", &T::OtherSide, &T::SetOtherSide).Stored(&T::IsCustom);
    P.Property("Labels", &T::Labels, &T::SetLabels).Default(true);
    P.Property("LabelsAlign", &T::LabelsAlign, &T::SetLabelsAlign).Default(alDefault);
    P.Property("LabelsAlternate", &T::LabelsAlternate, &T::SetLabelsAlternate).Default(false);
    P.Property("LabelsAngle", &T::LabelsAngle, &T::SetLabelsAngle).Default(0);
    P.Property("LabelsExponent", &T::LabelsExponent, &T::SetLabelsExponent).Default(false);
    P.Property("LabelsFont", &T::LabelsFont, &T::SetLabelsFont);
    P.Property("LabelsMultiLine", &T::LabelsMultiLine, &T::SetLabelsMultiLine).Default(false);
    P.Property("LabelsOnAxis", &T::LabelsOnAxis, &T::SetLabelsOnAxis).Default(true);
    P.Property("LabelsSeparation", &T::LabelsSeparation, &T::SetLabelsSeparation).Default(10);
    P.Property("LabelsSize", &T::LabelsSize, &T::SetLabelsSize).Default(0);
    P.Property("LabelStyle", &T::LabelStyle, &T::SetLabelStyle).Default(talAuto);
    P.Property("Logarithmic", &T::Logarithmic, &T::SetLogarithmic).Default(false);
    P.Property("LogarithmicBase", &T::LogarithmicBase, &T::SetLogarithmicBase).Default(10.0);
    P.Property("Maximum", &T::Maximum, &T::SetMaximum).Stored(&T::IsMaxStored);
    P.Property("MaximumOffset", &T::MaximumOffset, &T::SetMaximumOffset).Default(0);
    P.Property("MaximumRound", &T::MaximumRound, &T::SetMaximumRound).Default(false);
    P.Property("Minimum", &T::Minimum, &T::SetMinimum).Stored(&T::IsMinStored);
    P.Property("MinimumOffset", &T::MinimumOffset, &T::SetMinimumOffset).Default(0);
    P.Property("MinimumRound", &T::MinimumRound, &T::SetMinimumRound).Default(false);
    P.Property("MinorGrid", &T::MinorGrid, &T::SetMinorGrid);
    P.Property("MinorTickCount", &T::MinorTickCount, &T::SetMinorTickCount).Default(3);
    P.Property("MinorTickLength", &T::MinorTickLength, &T::SetMinorTickLength).Default(2);
    P.Property("MinorTicks", &T::MinorTicks, &T::SetMinorTicks);
    P.Property("PositionPercent", &T::PositionPercent, &T::SetPositionPercent).Default(0.0);
    P.Property("PositionUnits", &T::PositionUnits, &T::SetPositionUnits).Default(muPercent);
    P.Property("RoundFirstLabel", &T::RoundFirstLabel, &T::SetRoundFirstLabel).Default(true);
    P.Property("StartPosition", &T::StartPosition, &T::SetStartPosition).Default(0.0);
    P.Property("EndPosition", &T::EndPosition, &T::SetEndPosition).Default(100.0);
    P.Property("TickInnerLength", &T::TickInnerLength, &T::SetTickInnerLength).Default(0);
    P.Property("TickLength", &T::TickLength, &T::SetTickLength).Default(4);
    P.Property("TickOnLabelsOnly", &T::TickOnLabelsOnly, &T::SetTickOnLabelsOnly).Default(true);
    P.Property("Ticks", &T::Ticks, &T::SetTicks);
    P.Property("TicksInner", &T::TicksInner, &T::SetTicksInner);
    P.Property("Title", &T::Title, &T::SetTitle);
    P.Property("TitleSize", &T::TitleSize, &T::SetTitleSize).Default(0);
    P.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
    P.Property("ZPosition", &T::ZPosition, &T::SetZPosition).Stored(&T::IsZPosStored);
    P.Property("OnDrawLabel", &T::OnDrawLabel);
}

ORVO_PUBLISHED(TChartDepthAxis) {
    using T = TChartDepthAxis;
    P.Property("Visible", &T::Visible, &T::SetVisible).Default(false);
}

ORVO_PUBLISHED(TChart) {
    using T = TChart;
    PublishWinControlBasics(P);
    P.Property("AllowPanning", &T::AllowPanning, &T::SetAllowPanning).Default(pmBoth);
    P.Property("AxisBehind", &T::AxisBehind, &T::SetAxisBehind).Default(true);
    P.Property("AxisVisible", &T::AxisVisible, &T::SetAxisVisible).Default(true);
    // The back colour, the frame and the back image's settings live in the back wall and
    // the back image, which store them.
    P.Property("BackColor", &T::BackColor, &T::SetBackColor).Type(TypeInfoTColor()).Stored(false);
    P.Property("BackImage", &T::BackImage, &T::SetBackImage).Stored(&T::HasBackImage);
    P.Property("BackImageInside", &T::BackImageInside, &T::SetBackImageInside).Stored(false);
    P.Property("BackImageMode", &T::BackImageMode, &T::SetBackImageMode).Stored(false);
    P.Property("BackImageTransp", &T::BackImageTransp, &T::SetBackImageTransp).Default(false);
    P.Property("BackWall", &T::BackWall, &T::SetBackWall);
    P.Property("BevelInner", &T::BevelInner, &T::SetBevelInner).Default(bvNone);
    P.Property("BevelOuter", &T::BevelOuter, &T::SetBevelOuter).Default(bvRaised);
    P.Property("BevelWidth", &T::BevelWidth, &T::SetBevelWidth).Default(1);
    P.Property("Border", &T::Border, &T::SetBorder);
    P.Property("BorderRound", &T::BorderRound, &T::SetBorderRound).Default(0);
    P.Property("BottomAxis", &T::BottomAxis, &T::SetBottomAxis);
    P.Property("BottomWall", &T::BottomWall, &T::SetBottomWall);
    P.Property("BufferedDisplay", &T::BufferedDisplay, &T::SetBufferedDisplay).Default(true);
    P.Property("Chart3DPercent", &T::Chart3DPercent, &T::SetChart3DPercent).Default(15);
    P.Property("ClipPoints", &T::ClipPoints, &T::SetClipPoints).Default(true);
    P.Property("Color", &T::PanelColor, &T::SetPanelColor).Type(TypeInfoTColor()).Default(clBtnFace);
    P.Property("CustomAxes", &T::CustomAxes, &T::SetCustomAxes).Stored(&T::IsCustomAxesStored);
    P.Property("DepthAxis", &T::DepthAxis, &T::SetDepthAxis);
    P.Property("DepthTopAxis", &T::DepthTopAxis, &T::SetDepthTopAxis);
    P.Property("Foot", &T::Foot, &T::SetFoot);
    P.Property("Frame", &T::Frame, &T::SetFrame).Stored(false);
    P.Property("Gradient", &T::Gradient, &T::SetGradient).Stored(&T::HasGradient);
    P.Property("LeftAxis", &T::LeftAxis, &T::SetLeftAxis);
    P.Property("LeftWall", &T::LeftWall, &T::SetLeftWall);
    P.Property("Legend", &T::Legend, &T::SetLegend);
    P.Property("MarginBottom", &T::MarginBottom, &T::SetMarginBottom).Default(4);
    P.Property("MarginLeft", &T::MarginLeft, &T::SetMarginLeft).Default(3);
    P.Property("MarginRight", &T::MarginRight, &T::SetMarginRight).Default(3);
    P.Property("MarginTop", &T::MarginTop, &T::SetMarginTop).Default(4);
    P.Property("MarginUnits", &T::MarginUnits, &T::SetMarginUnits).Default(muPercent);
    // Kept in Pages, which stores it.
    P.Property("MaxPointsPerPage", &T::MaxPointsPerPage, &T::SetMaxPointsPerPage).Stored(false);
    P.Property("Monochrome", &T::Monochrome, &T::SetMonochrome).Default(false);
    P.Property("Pages", &T::Pages, &T::SetPages);
    P.Property("PrintProportional", &T::PrintProportional, &T::SetPrintProportional).Default(true);
    P.Property("PrintResolution", &T::PrintResolution, &T::SetPrintResolution).Default(0);
    P.Property("RightAxis", &T::RightAxis, &T::SetRightAxis);
    P.Property("RightWall", &T::RightWall, &T::SetRightWall);
    P.Property("ScrollMouseButton", &T::ScrollMouseButton, &T::SetScrollMouseButton).Default(mbRight);
    P.Property("SeriesGroups", &T::SeriesGroups, &T::SetSeriesGroups).Stored(&T::IsSeriesGroupsStored);
    P.Property("Shadow", &T::Shadow, &T::SetShadow);
    P.Property("SubFoot", &T::SubFoot, &T::SetSubFoot);
    P.Property("SubTitle", &T::SubTitle, &T::SetSubTitle);
    P.Property("Title", &T::Title, &T::SetTitle);
    P.Property("TopAxis", &T::TopAxis, &T::SetTopAxis);
    P.Property("View3D", &T::View3D, &T::SetView3D).Default(true);
    P.Property("View3DOptions", &T::View3DOptions, &T::SetView3DOptions);
    P.Property("View3DWalls", &T::View3DWalls, &T::SetView3DWalls).Default(true);
    P.Property("Zoom", &T::Zoom, &T::SetZoom);
    P.Property("OnAddSeries", &T::OnAddSeries);
    P.Property("OnAfterDraw", &T::OnAfterDraw);
    P.Property("OnAllowScroll", &T::OnAllowScroll);
    P.Property("OnBeforeDrawAxes", &T::OnBeforeDrawAxes);
    P.Property("OnBeforeDrawChart", &T::OnBeforeDrawChart);
    P.Property("OnBeforeDrawSeries", &T::OnBeforeDrawSeries);
    P.Property("OnBeforePrint", &T::OnBeforePrint);
    P.Property("OnClickAxis", &T::OnClickAxis);
    P.Property("OnClickBackground", &T::OnClickBackground);
    P.Property("OnClickLegend", &T::OnClickLegend);
    P.Property("OnClickSeries", &T::OnClickSeries);
    P.Property("OnClickTitle", &T::OnClickTitle);
    P.Property("OnGetAxisLabel", &T::OnGetAxisLabel);
    P.Property("OnGetLegendPos", &T::OnGetLegendPos);
    P.Property("OnGetLegendRect", &T::OnGetLegendRect);
    P.Property("OnGetLegendText", &T::OnGetLegendText);
    P.Property("OnGetNextAxisLabel", &T::OnGetNextAxisLabel);
    P.Property("OnPageChange", &T::OnPageChange);
    P.Property("OnRemoveSeries", &T::OnRemoveSeries);
    P.Property("OnScroll", &T::OnScroll);
    P.Property("OnUndoZoom", &T::OnUndoZoom);
    P.Property("OnZoom", &T::OnZoom);
}

