// The curve editors of the main window as the user works them: mouse messages at the pixels
// the chart maps values to, keys and typed characters in the point grid, clicks on the map
// tabs; and what reached the box: the map writes and reads in its traffic log, and the curve
// of a map as the box holds it.
#pragma once

#include "tests/acceptance/AcceptanceHarness.h"

#include "app/ChipTuningChannel.h"

#include <utility>
#include <vector>

class TChart;
class TChartSeries;
class TFrameChart;
class TWinControl;

namespace acceptance {

// A curve with points at the given indexes, output = input + correction volts.
CurvePoints CurveAt(std::initializer_list<std::pair<int, double>> points);
// The curve of a map image as the box holds it.
CurvePoints CurveOf(const sim::Bytes& image);
sim::Bytes ImageOf(const CurvePoints& curve);

class TEditorOverLink : public TToolOverLink {
protected:
    void SetUp() override;

    // The left editor (channel 1) and the right one (channel 2).
    TFrameChart* Left();
    TFrameChart* Right();
    // The chart and series of the channel an editor shows.
    static TChart* ChartOf(TFrameChart* editor);
    static TChartSeries* SeriesOf(TFrameChart* editor);
    // The pixel a value maps to on the editor's chart (laid out first).
    int XPos(TFrameChart* editor, double x);
    int YPos(TFrameChart* editor, double y);

    // Mouse messages on a control: a press, moves with the button held and a release.
    void Drag(TControl* control, int x0, int y0, int x1, int y1);
    void RightClick(TControl* control, int x, int y);
    // A click on a cell of the editor's grid (shift: extends the selection).
    void ClickCell(TFrameChart* editor, int col, int row, bool shift = false);
    // A key pressed and released on a window control, with the shift state given by the
    // key data as the platform sends it.
    void Key(TWinControl* control, Word key, bool shift = false);
    // Characters typed into the control that has the focus of the editor's grid.
    void Type(TWinControl* control, const String& text);
    // A click on a map tab of the page the editor shows.
    void ClickMapTab(TFrameChart* editor, int map);

    // Map writes the box received since its log was cleared (USB: one frame per map,
    // Bluetooth: four chunks and a commit, counted by the commit).
    std::size_t MapWrites();
    // The (map, channel) of each map read the box received since its log was cleared.
    std::vector<std::pair<int, int>> MapReads();
    // Ticks the 50 ms voltage timer until the box received more map writes than `before`;
    // the virtual time that took, or -1 when none came within maxMs.
    int TicksUntilWrite(std::size_t before, int maxMs = 3000);
    // Ticks in 50 ms steps for ms.
    void Ticks50(int ms);
};

} // namespace acceptance
