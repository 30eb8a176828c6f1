#include "app/ChipTuningChannel.h"
#include "app/forms/FormPressure.h"
#include "app/forms/FramePressure.h"

#include "device/Utils.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Pen.h"
#include "platform/rtl/SysMath.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace {

int ToInt(Extended x) {
    return int(std::clamp<Int64>(Round(x), INT_MIN, INT_MAX));
}

constexpr TColor kMarkerRed = 0x000000FF;
constexpr TColor kMarkerYellow = 0x0000FFFF;
constexpr int kMarkerRadius = 6;

} // namespace

int VoltToIndex(double x) {
    return ToInt(Extended(x) * 511 * 0.2L);
}

int VoltToCode(Extended v) {
    return ToInt(v * 4095 * 0.2L);
}

double CodeToVolt(std::uint16_t code) {
    return double(Extended(code) * 5 * (1.0L / 4095));
}

std::vector<unsigned char> MapImageOfCurve(const CurvePoints& points) {
    std::vector<unsigned char> image(2 * points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        image[2 * i] = LowByte(points[i]);
        image[2 * i + 1] = HighByte(points[i]);
    }
    return image;
}

bool CurveOfMapImage(const std::vector<unsigned char>& image, CurvePoints& points) {
    if (image.size() != MapImageBytes) return false;
    CurvePoints curve(CurveLength);
    for (int i = 0; i < CurveLength; ++i) {
        curve[i] = std::uint16_t(image[2 * i] | image[2 * i + 1] << 8);
        if (!IsCurveEntry(curve[i])) return false;
    }
    points = std::move(curve);
    return true;
}

// ---- CChipTuningChannel -----------------------------------------------------------------

CChipTuningChannel::CChipTuningChannel(int channelNumber) : channelNumber(channelNumber) {
    UpdateSentCopy();
}

CChipTuningChannel::~CChipTuningChannel() = default;

void CChipTuningChannel::SetPoint(int index, int code) {
    if (index < 0 || index >= int(points.size())) return;
    points[index] = std::uint16_t(std::clamp(code, 0, CurveMaxCode));
}

void CChipTuningChannel::ClearPoints() {
    std::fill(points.begin(), points.end(), CurveNoPoint);
}

void CChipTuningChannel::UpdateSentCopy() {
    sentPoints = points;
}

void CChipTuningChannel::DrawMarkers() {}

// ---- CVoltageChannel --------------------------------------------------------------------

namespace {
TApplicationSettings::COEFFS* ChannelCoeffs(int channelNumber) {
    if (!ApplicationSettings) throw std::out_of_range("no settings for the channel's pressure scaling");
    return &ApplicationSettings->Coeffs().at(std::size_t(channelNumber - 1));
}
} // namespace

CVoltageChannel::CVoltageChannel(int channelNumber, ICurveSeries* series)
    : CChipTuningChannel(channelNumber), series(series), coeffs(ChannelCoeffs(channelNumber)) {
    // Each channel owns the pressure window of its channel; it lives as long as the channel.
    pressureForm = new TFormPressure(nullptr, coeffs);
    pressureForm->AfterConstruction();
}

CVoltageChannel::~CVoltageChannel() {
    FreeObject(pressureForm);
    pressureForm = nullptr;
}

void CVoltageChannel::ShowPressure() {
    if (pressureForm) pressureForm->Show();
}

void CVoltageChannel::SetPressureVoltage(double volts) {
    if (pressureForm && pressureForm->FramePressure1) pressureForm->FramePressure1->SetVoltage(volts);
}

bool CVoltageChannel::DisplayPoints(const CurvePoints& codes) {
    if (codes.size() < std::size_t(CurveLength)) return false;
    selection.clear();
    DrawCurve(*series, codes);
    return true;
}

void CVoltageChannel::DrawCurve(ICurveSeries& series, const CurvePoints& codes) {
    series.Clear();
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == CurveNoPoint) continue;
        const double x = IndexToVolt(int(i));
        const double y = CodeToVolt(codes[i]) - x;
        series.AddXY(x, y);
    }
    series.RefreshSeries();
    series.Repaint();
}

void CVoltageChannel::ResetPoints() {
    series->Clear();
    selection.clear();
    sentPoints.assign(CurveLength, CurveNoPoint);
    points.assign(CurveLength, CurveNoPoint);
    series->AddXY(0.0, 0.0);
    points.front() = 0;
    series->AddXY(5.0, 0.0);
    points.back() = std::uint16_t(VoltToCode(5.0));
    UpdateSentCopy();
    series->RefreshSeries();
}

void CVoltageChannel::DrawMarkers() {
    TCanvas* canvas = series->ChartCanvas();
    if (!canvas) return;
    for (int j = 0; j < series->Count(); ++j) {
        const int px = series->CalcXPosValue(series->XValue(j));
        const int py = series->CalcYPosValue(series->YValue(j));
        canvas->Pen()->SetColor(kMarkerRed);
        canvas->Pen()->SetWidth(2);
        const bool selected = std::find(selection.begin(), selection.end(), j) != selection.end();
        canvas->Brush()->SetColor(selected ? kMarkerYellow : kMarkerRed);
        canvas->Ellipse(px - kMarkerRadius, py - kMarkerRadius, px + kMarkerRadius, py + kMarkerRadius);
    }
}

void PullSeriesPoints(CChipTuningChannel& channel, const ICurveSeries& series) {
    channel.ClearPoints();
    for (int j = 0; j < series.Count(); ++j) {
        const double x = series.XValue(j);
        const int index = VoltToIndex(x);
        if (index < 0 || index >= int(channel.points.size())) continue;
        const int code = VoltToCode(Extended(x) + series.YValue(j));
        channel.SetPoint(index, code);
    }
}
