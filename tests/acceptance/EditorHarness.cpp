#include "tests/acceptance/EditorHarness.h"

#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameChart.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/series/ChartSeries.h"
#include "controls/XcComCtrls.h"
#include "platform/controls/Application.h"
#include "platform/controls/Messages.h"
#include "platform/controls/PageControl.h"

#include <algorithm>

namespace acceptance {

namespace {

LPARAM At(int x, int y) {
    return LPARAM((x & 0xFFFF) | ((y & 0xFFFF) << 16));
}

} // namespace

CurvePoints CurveAt(std::initializer_list<std::pair<int, double>> points) {
    CurvePoints c(CurveLength, CurveNoPoint);
    for (auto [index, correction] : points)
        c[std::size_t(index)] = std::uint16_t(VoltToCode(IndexToVolt(index) + correction));
    return c;
}

CurvePoints CurveOf(const sim::Bytes& image) {
    CurvePoints c;
    for (std::size_t i = 0; i + 1 < image.size(); i += 2)
        c.push_back(std::uint16_t(image[i] | image[i + 1] << 8));
    return c;
}

sim::Bytes ImageOf(const CurvePoints& curve) {
    const std::vector<unsigned char> image = MapImageOfCurve(curve);
    return sim::Bytes(image.begin(), image.end());
}

void TEditorOverLink::SetUp() {
    TToolOverLink::SetUp();
    if (!ChipTuningParts().CreateEditor) GTEST_SKIP() << "the program has no curve editors";
}

TFrameChart* TEditorOverLink::Left() {
    return Window() ? dynamic_cast<TFrameChart*>(Window()->FrameChartLeft) : nullptr;
}

TFrameChart* TEditorOverLink::Right() {
    return Window() ? dynamic_cast<TFrameChart*>(Window()->FrameChartRight) : nullptr;
}

TChart* TEditorOverLink::ChartOf(TFrameChart* editor) {
    return editor->PageControl1->ActivePageIndex() == 0 ? editor->Chart1 : editor->Chart2;
}

TChartSeries* TEditorOverLink::SeriesOf(TFrameChart* editor) {
    return editor->PageControl1->ActivePageIndex() == 0 ? editor->Series1 : editor->Series2;
}

int TEditorOverLink::XPos(TFrameChart* editor, double x) {
    ChartOf(editor)->Draw();
    return SeriesOf(editor)->CalcXPosValue(x);
}

int TEditorOverLink::YPos(TFrameChart* editor, double y) {
    ChartOf(editor)->Draw();
    return SeriesOf(editor)->CalcYPosValue(y);
}

void TEditorOverLink::Drag(TControl* control, int x0, int y0, int x1, int y1) {
    control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(x0, y0));
    // In a few steps, as a hand moves the mouse.
    for (int step = 1; step <= 4; ++step)
        control->Perform(WM_MOUSEMOVE, MK_LBUTTON, At(x0 + (x1 - x0) * step / 4, y0 + (y1 - y0) * step / 4));
    control->Perform(WM_LBUTTONUP, 0, At(x1, y1));
    Application->ProcessMessages();
}

void TEditorOverLink::RightClick(TControl* control, int x, int y) {
    control->Perform(WM_RBUTTONDOWN, MK_RBUTTON, At(x, y));
    control->Perform(WM_RBUTTONUP, 0, At(x, y));
    Application->ProcessMessages();
}

void TEditorOverLink::ClickCell(TFrameChart* editor, int col, int row, bool shift) {
    const TRect r = editor->ChartGrid1->CellRect(col, row);
    const int x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;
    const WPARAM keys = shift ? WPARAM(MK_SHIFT) : 0;
    editor->ChartGrid1->Perform(WM_LBUTTONDOWN, MK_LBUTTON | keys, At(x, y));
    editor->ChartGrid1->Perform(WM_LBUTTONUP, keys, At(x, y));
    Application->ProcessMessages();
}

void TEditorOverLink::Key(TWinControl* control, Word key, bool shift) {
    const LPARAM data = shift ? ShiftMask : 0;
    control->Perform(WM_KEYDOWN, key, data);
    control->Perform(WM_KEYUP, key, data);
    Application->ProcessMessages();
}

void TEditorOverLink::Type(TWinControl* control, const String& text) {
    for (QChar c : text)
        control->Perform(WM_CHAR, WPARAM(c.unicode()), 0);
    Application->ProcessMessages();
}

void TEditorOverLink::ClickMapTab(TFrameChart* editor, int map) {
    TXcTabControl* tabs =
        editor->PageControl1->ActivePageIndex() == 0 ? editor->XcTabControl1 : editor->XcTabControl2;
    const TRect r = tabs->TabRect(map - 1);
    Click(tabs, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

std::size_t TEditorOverLink::MapWrites() {
    const std::vector<int> cmds = BoxCommands();
    return std::size_t(std::count_if(cmds.begin(), cmds.end(), [](int c) { return c == 0x01 || c == 0x07; }));
}

std::vector<std::pair<int, int>> TEditorOverLink::MapReads() {
    // USB: length (2 bytes), command 0x02, map, channel. Bluetooth: sync, length (2 bytes),
    // command 0x08, map, channel, chunk; the first chunk stands for the map.
    const bool usb = GetParam() == Link::Usb;
    const std::size_t at = usb ? 2 : 3;
    std::vector<std::pair<int, int>> reads;
    for (const sim::Bytes& r : Box().Requests()) {
        if (r.size() < at + 3) continue;
        if (usb ? r[at] != 0x02 : (r[at] != 0x08 || r.size() < at + 4 || r[at + 3] != 0)) continue;
        reads.emplace_back(r[at + 1], r[at + 2]);
    }
    return reads;
}

int TEditorOverLink::TicksUntilWrite(std::size_t before, int maxMs) {
    const UInt64 start = clock.Milliseconds();
    while (clock.Milliseconds() - start <= UInt64(maxMs)) {
        if (MapWrites() > before) return int(clock.Milliseconds() - start);
        Tick(50);
    }
    return -1;
}

void TEditorOverLink::Ticks50(int ms) {
    const UInt64 start = clock.Milliseconds();
    while (clock.Milliseconds() - start < UInt64(ms))
        Tick(50);
}

} // namespace acceptance
