// One signal channel of a curve editor: the curve of the map being edited (512 output codes,
// one per input step of 5/511 V), the copy last sent to the box, the selected points, and
// the chart series that shows the curve as (input, output - input) points. Also the
// conversions between input volts and curve indexes, output volts and 12-bit codes, and the
// 1024-byte map image in which a curve travels to and from the box.
#pragma once

#include "app/ApplicationSettings.h"
#include "platform/rtl/Types.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TCanvas;
class TFormPressure;

// A curve: entry i for input i x 5/511 V; CurveNoPoint where the curve has no point, else
// an output code 0 to CurveMaxCode (code x 5/4095 V).
using CurvePoints = std::vector<std::uint16_t>;
inline constexpr int CurveLength = 512;
inline constexpr std::uint16_t CurveNoPoint = 0xFFFF;
inline constexpr int CurveMaxCode = 4095;
// A curve as it travels and is stored: each entry low byte first.
inline constexpr std::size_t MapImageBytes = 2 * CurveLength;

// Entry i's input voltage: i x (the double nearest 5/511); index 511 gives exactly 5.0.
inline double IndexToVolt(int i) {
    return i * (5.0 / 511.0);
}
// The curve index of an input voltage: x x 511 x 0.2 in extended precision, rounded to the
// nearest with ties to even (2.5 V gives 256). Saturates at the int range; NaN gives 0.
int VoltToIndex(double x);
// The 12-bit code of an output voltage: v x 4095 x 0.2 in extended precision, rounded to
// the nearest with ties to even (2.5 V gives 2048). Below 0 V it is negative, above 5 V
// above 4095. Saturates at the int range; NaN gives 0.
int VoltToCode(Extended v);
// The output voltage of a code: code x 5 x (1/4095) in extended precision.
double CodeToVolt(std::uint16_t code);

// True for an entry a curve may hold: a code 0 to 4095, or CurveNoPoint.
inline bool IsCurveEntry(std::uint16_t entry) {
    return entry <= CurveMaxCode || entry == CurveNoPoint;
}
// The map image of a curve: 2 x length bytes, entry i at bytes 2i (low) and 2i + 1 (high).
std::vector<unsigned char> MapImageOfCurve(const CurvePoints& points);
// The curve of a map image read from the box. False, leaving points alone, unless the image
// holds exactly MapImageBytes bytes and every entry is a code 0 to 4095 or CurveNoPoint.
bool CurveOfMapImage(const std::vector<unsigned char>& image, CurvePoints& points);

// The chart series that shows a channel's curve, as the channel uses it. The curve editor
// supplies it for the line series of a channel's chart (it owns both the series and the
// chart); tests supply one that records.
class ICurveSeries {
public:
    virtual ~ICurveSeries() = default;
    virtual void Clear() = 0;
    // Adds the point with an empty label in the series' own colour.
    virtual void AddXY(double x, double y) = 0;
    virtual int Count() const = 0;
    virtual double XValue(int index) const = 0;
    virtual double YValue(int index) const = 0;
    // Screen positions of values on the series' axes.
    virtual int CalcXPosValue(double x) const = 0;
    virtual int CalcYPosValue(double y) const = 0;
    virtual void RefreshSeries() = 0;
    virtual void Repaint() = 0;
    // The canvas of the chart the series is on.
    virtual TCanvas* ChartCanvas() const = 0;
};

class CChipTuningChannel {
public:
    // Every vector empty; the channel number (1 or 2) is the one of the box's map commands.
    explicit CChipTuningChannel(int channelNumber);
    virtual ~CChipTuningChannel();

    // Entry index := code. Indexes outside the curve are ignored. A code outside 0 to 4095
    // has no meaning as an output and is limited to that range, so the point stays on the
    // curve (its low 16 bits would otherwise read as "no point" or as a bad code).
    void SetPoint(int index, int code);
    // Every entry := CurveNoPoint; the length stays.
    void ClearPoints();
    // sentPoints := points.
    void UpdateSentCopy();
    // True when points differ from the copy last sent (in length or any entry).
    bool Changed() const { return points != sentPoints; }

    // Puts a curve of at least CurveLength entries on the series; false, changing nothing,
    // for a shorter one. Neither points nor sentPoints change; the selection, which names
    // points of the old series, is cleared.
    virtual bool DisplayPoints(const CurvePoints& codes) = 0;
    // The neutral curve (output equal to input): points at 0 V and 5 V, also as the sent
    // copy, so a reset alone is no unsent change. The selection is cleared.
    virtual void ResetPoints() = 0;
    // Draws the point markers after the series has drawn its values.
    virtual void DrawMarkers();

    CurvePoints points;
    CurvePoints sentPoints;
    int channelNumber;
    // Indexes of the selected points of the channel's series.
    std::vector<int> selection;
};

// A channel bound to the series of its chart.
class CVoltageChannel : public CChipTuningChannel {
public:
    // Takes channel c's pressure scaling (entry c - 1 of the settings' COEFFS); a channel
    // number without an entry, or no settings object, raises std::out_of_range.
    CVoltageChannel(int channelNumber, ICurveSeries* series);
    ~CVoltageChannel() override;

    bool DisplayPoints(const CurvePoints& codes) override;
    void ResetPoints() override;
    // Puts the points of a curve on a series: (input, output - input) for every entry but
    // CurveNoPoint, then refreshes and repaints it.
    static void DrawCurve(ICurveSeries& series, const CurvePoints& codes);
    // A circle of radius 6 around each point: red pen of width 2, filled yellow when the
    // point is selected, else red.
    void DrawMarkers() override;
    // Shows the channel's pressure window (not modal); nothing while it has none.
    void ShowPressure();
    // Hands a live input voltage to the pressure window; nothing while it has none.
    void SetPressureVoltage(double volts);

    ICurveSeries* series;
    // The channel's pressure window: the constructor makes it with the channel's scaling
    // (coeffs), the destructor deletes it.
    TFormPressure* pressureForm = nullptr;
    // The channel's pressure scaling, owned by the settings object.
    TApplicationSettings::COEFFS* coeffs = nullptr;
};

// Takes a curve back from the series shown in the editor's grid: every entry cleared, then
// for every point in index order the entry VoltToIndex(X) := VoltToCode(X + Y), the sum
// formed in extended precision. Points whose index falls outside the curve are ignored; a
// later point with the same index overwrites an earlier one.
void PullSeriesPoints(CChipTuningChannel& channel, const ICurveSeries& series);
