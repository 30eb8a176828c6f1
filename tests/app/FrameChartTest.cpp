// The curve editor on the offscreen platform with the virtual clock and a scripted box: what a
// new editor shows, the road of an edit to the box (voltage tick, update timer, the map it was
// made on), reads on a new link and on a map tab, map files, the live voltages, and the
// editing operations (drag, right-click, keys, rubber band, typed values, delete).
#include "app/forms/FrameChart.h"
#include "AppTestSupport.h"
#include "FrameChartTestSupport.h"
#include "app/ApplicationSettings.h"
#include "app/MapFile.h"
#include "app/forms/FormPressure.h"
#include "app/forms/FramePressure.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/chart/ChartTitles.h"
#include "chart/engine/chart/ChartWalls.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/SeriesPointer.h"
#include "chart/gauges/CircularGauge.h"
#include "controls/XcComCtrls.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Messages.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/win/Clock.h"
#include "platform/win/MessageBox.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

using namespace charttest;

class FrameChartTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        form_ = new TForm(nullptr, 0);
        form_->SetClientSize(700, 400);
        frame = new TFrameChart(nullptr);
        frame->AfterConstruction();
        frame->SetHost(&host);
        frame->SetParent(form_);
        form_->Show();
        host.Device = &box;
        Draw();
    }
    void TearDown() override {
        FreeObject(form_);
        EditorTest::TearDown();
    }
    // Moves the virtual clock on in 10 ms steps, firing the timers that are due and handling
    // the posted messages.
    void Wait(int ms) {
        for (int t = 0; t < ms; t += 10) {
            clock.Advance(10);
            CheckTimers();
            Application->ProcessMessages();
        }
    }
    // Lays the charts out, so that values and screen positions convert.
    void Draw() {
        frame->Chart1->Draw();
        frame->Chart2->Draw();
    }
    TChartSeries* S1() { return frame->Series1; }
    CChipTuningChannel* Ch1() { return frame->channels[0]; }
    // The points of a series as (x, y).
    static std::vector<std::pair<double, double>> Points(TChartSeries* s) {
        std::vector<std::pair<double, double>> out;
        for (int i = 0; i < s->Count(); ++i)
            out.emplace_back(s->XValues()->Value(i), s->YValues()->Value(i));
        return out;
    }
    // Shows a curve on channel 1 as read from the box (map 1), nothing pending.
    void ShowOnChannel1(const CurvePoints& curve) {
        box.Maps[{1, 1}] = Image(curve);
        ASSERT_TRUE(frame->ReadMapAllChannels(1));
        box.Log.clear();
        Draw();
    }
    void Key(Word key, TShiftState shift = {}) {
        frame->ChartGrid1->KeyDown(key, shift);
        Application->ProcessMessages();
    }
    void SelectRows(int top, int bottom) {
        frame->ChartGrid1->SetSelection(TGridRect{1, top, 1, bottom});
        TMessage m;
        m.Msg = WM_CHART_SELECT;
        m.WParam = 1;
        m.LParam = LPARAM(top);
        frame->SelectFromGrid(m);
    }
    // The value on the dial of channel c's pressure window (0 for channel 1).
    double PressureShown(int c) {
        TCircularGauge* gauge = frame->channels[std::size_t(c)]->pressureForm->FramePressure1->Series1;
        return gauge->Count() > 0 ? gauge->Value() : 0.0;
    }
    int XPos(double x) { return S1()->CalcXPosValue(x); }
    int YPos(double y) { return S1()->CalcYPosValue(y); }
    // A left-button press, move or release on channel 1's chart window, as the mouse gives it:
    // the chart hands it to its tools before its own handlers.
    void MouseOnChart1(QEvent::Type Type, int X, int Y) {
        QWidget* w = frame->Chart1->Widget();
        const QPointF local(X, Y);
        const Qt::MouseButton button = Type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons buttons = Type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(Type, local, local, w->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }

    TFakeClock clock{1000};
    TClockOverride useClock{&clock};
    TEditorBox box;
    TFakeEditorHost host;
    TFrameChart* frame = nullptr;

private:
    TForm* form_ = nullptr;
};

// ---- form and construction -------------------------------------------------------------

TEST_F(FrameChartTest, NewEditorShowsTheNeutralCurveOnBothPages) {
    for (TChartSeries* s : {frame->Series1, frame->Series2})
        EXPECT_EQ(Points(s), (std::vector<std::pair<double, double>>{{0.0, 0.0}, {5.0, 0.0}}));
    EXPECT_EQ(frame->Series1->SeriesColor(), TColor(0x000000FF));
    EXPECT_EQ(frame->Series2->SeriesColor(), TColor(0x00008000));
    for (CVoltageChannel* ch : frame->channels) {
        EXPECT_EQ(ch->points, Neutral());
        EXPECT_FALSE(ch->Changed());
    }
    EXPECT_EQ(frame->ChartGrid1->Name(), "MyChartGrid");
    EXPECT_EQ(frame->ChartGrid1->Series(), frame->Series1);
    EXPECT_EQ(frame->ChartGrid1->RowCount(), 3);
    EXPECT_EQ(frame->XcTabControl1->Tabs()->Text(), "Map 1\r\nMap 2\r\nMap 3\r\n");
    EXPECT_EQ(frame->ActiveMap(), 1);
    EXPECT_EQ(frame->VoltageValuesTimer->Interval(), 50u);
    EXPECT_TRUE(frame->VoltageValuesTimer->Enabled());
    EXPECT_EQ(frame->UpdateTimer->Interval(), 1000u);
    EXPECT_FALSE(frame->UpdateTimer->Enabled());
    EXPECT_TRUE(frame->btnClear->Visible());
    EXPECT_TRUE(frame->btnPressure->Visible());
    for (TButton* hidden : {frame->btnRead, frame->btnSend, frame->btnLoad, frame->btnSave, frame->btnEdit})
        EXPECT_FALSE(hidden->Visible()) << hidden->Name().toStdString();
    EXPECT_EQ(frame->Chart1->LeftAxis()->Minimum(), -2.0);
    EXPECT_EQ(frame->Chart1->LeftAxis()->Maximum(), 2.0);
    EXPECT_EQ(frame->Chart2->BottomAxis()->Maximum(), 5.0);
    // The charts' furniture from the form resource and the construction.
    for (TChart* chart : {frame->Chart1, frame->Chart2}) {
        EXPECT_FALSE(chart->Legend()->Visible());
        EXPECT_FALSE(chart->Title()->Visible());
        EXPECT_EQ(chart->ColorPaletteIndex(), 13);
        EXPECT_EQ(chart->ScrollMouseButton(), mbMiddle);
    }
    for (TSplitter* splitter : {frame->BaseSplitter1, frame->Splitter1})
        EXPECT_EQ(splitter->Cursor(), crVSplit);
    EXPECT_TRUE(frame->Chart1->BackWall()->Gradient()->Visible());
    for (TChartSeries* series : {frame->Series1, frame->Series2}) {
        auto* s = dynamic_cast<TLineSeries*>(series);
        ASSERT_NE(s, nullptr);
        EXPECT_TRUE(s->Pointer()->Visible());
        EXPECT_EQ(s->Pointer()->Style(), psCircle);
        EXPECT_EQ(s->LinePen()->Width(), 3);
    }
    for (TCursorTool* cursor : {frame->cursorTool1, frame->cursorTool2}) {
        EXPECT_EQ(cursor->Style(), cssVertical);
        EXPECT_EQ(cursor->ClickTolerance(), -1);
        EXPECT_EQ(cursor->Pen()->Width(), 3);
        EXPECT_EQ(cursor->Pen()->Color(), TColor(0x00FF0000));
    }

    frame->PageControl1->SetActivePageIndex(1);
    frame->PageControl1Change(frame->PageControl1);
    EXPECT_EQ(frame->ChartGrid1->Series(), frame->Series2);
    EXPECT_EQ(frame->ActiveChannel(), frame->channels[1]);
}

TEST_F(FrameChartTest, GridTurnsKeysIntoMessagesAndInsertsNoRows) {
    ShowOnChannel1(Curve({{0, 0}, {100, 0.2}, {200, 0.3}, {511, 0}}));
    frame->ChartGrid1->SetRow(2);
    Application->ProcessMessages();
    ASSERT_EQ(Ch1()->selection, std::vector<int>{1});
    const double y = S1()->YValues()->Value(1);
    Key(VK_UP, {ssShift});
    EXPECT_EQ(frame->ChartGrid1->Row(), 2) << "Up moves points, not the grid's row";
    EXPECT_NEAR(S1()->YValues()->Value(1), y + 0.1, 1e-9);
    for (TShiftState shift : {TShiftState{}, TShiftState{ssCtrl}, TShiftState{ssShift}}) {
        Key(VK_INSERT, shift);
        EXPECT_EQ(frame->ChartGrid1->RowCount(), 5);
        EXPECT_EQ(S1()->Count(), 4);
    }
    // Nor does a step down from the last row append one.
    frame->ChartGrid1->SetRow(4);
    Application->ProcessMessages();
    for (TShiftState shift : {TShiftState{ssAlt}, TShiftState{ssCtrl}}) {
        Key(VK_DOWN, shift);
        EXPECT_EQ(frame->ChartGrid1->RowCount(), 5);
        EXPECT_EQ(S1()->Count(), 4);
    }
}

// ---- the road of an edit --------------------------------------------------------------------

TEST_F(FrameChartTest, OneSendAboutASecondAfterAnEditCarriesEveryEditOfThatSecond) {
    ShowOnChannel1(Curve({{0, 0}, {256, 0}, {511, 0}}));
    frame->XcTabControl1->SetTabIndex(1);
    box.Maps[{1, 2}] = Image(Curve({{0, 0}, {256, 0}, {511, 0}}));
    frame->XcTabControl1Change(frame->XcTabControl1);
    box.Log.clear();

    S1()->YValues()->SetValue(1, 0.5);
    frame->OnDragPoint(frame->dragTool1, 1);
    Wait(50);
    EXPECT_TRUE(frame->UpdateTimer->Enabled());
    Wait(500);
    S1()->YValues()->SetValue(1, 0.7);
    frame->OnDragPoint(frame->dragTool1, 1);
    Wait(400);
    EXPECT_TRUE(box.Log.isEmpty());
    Wait(200);
    ASSERT_EQ(box.Log, QStringList({"SendMap 1 2"}));
    EXPECT_EQ(box.Sent.back(), Image(Curve({{0, 0}, {256, 0.7}, {511, 0}})));
    EXPECT_EQ(box.Sent.back().size(), MapImageBytes);
    Wait(3000);
    EXPECT_EQ(box.Log.size(), 1) << "nothing changed since";
    EXPECT_FALSE(Ch1()->Changed());
}

TEST_F(FrameChartTest, NewLinkReadsTheSelectedMapAndSendsAPendingEditToItsOwnMapFirst) {
    ShowOnChannel1(Curve({{0, 0}, {256, 0}, {511, 0}}));
    // An edit on map 1, then the link goes before the update timer sends it.
    S1()->YValues()->SetValue(1, 0.5);
    frame->OnDragPoint(frame->dragTool1, 1);
    host.State = Disconnected;
    Wait(2000);
    EXPECT_TRUE(box.Log.isEmpty());
    // Map 2 picked meanwhile: nothing to read without a link.
    frame->XcTabControl1->SetTabIndex(1);
    frame->XcTabControl1Change(frame->XcTabControl1);
    EXPECT_TRUE(box.Log.isEmpty());
    EXPECT_NEAR(S1()->YValues()->Value(1), 0.5, 1e-9);

    const CurvePoints map2 = Curve({{0, 0.1}, {511, -0.1}});
    box.Maps[{1, 2}] = Image(map2);
    host.State = Opened;
    EXPECT_TRUE(frame->ReadMapAllChannels(frame->ActiveMap()));
    EXPECT_EQ(box.Log, QStringList({"SendMap 1 1", "ReadMap 1 2", "ReadMap 2 2"}));
    EXPECT_EQ(box.Maps[std::pair(1, 1)], Image(Curve({{0, 0}, {256, 0.5}, {511, 0}})));
    EXPECT_EQ(Ch1()->points, map2);
    EXPECT_FALSE(Ch1()->Changed());
    host.State = Connected;
    box.Log.clear();
    Wait(2000);
    EXPECT_TRUE(box.Log.isEmpty()) << "the fresh read is not sent back";
}

TEST_F(FrameChartTest, MapTabChangeWithinTheSecondSendsTheEditToItsMapThenReads) {
    ShowOnChannel1(Curve({{0, 0}, {256, 0}, {511, 0}}));
    const CurvePoints map2 = Curve({{0, 0}, {100, -0.3}, {511, 0}});
    box.Maps[{1, 2}] = Image(map2);
    S1()->YValues()->SetValue(1, -0.4);
    frame->OnDragPoint(frame->dragTool1, 1);
    Wait(300);
    frame->XcTabControl1->SetTabIndex(1);
    frame->XcTabControl1Change(frame->XcTabControl1);
    EXPECT_EQ(box.Log, QStringList({"SendMap 1 1", "ReadMap 1 2", "ReadMap 2 2"}));
    EXPECT_EQ(box.Maps[std::pair(1, 2)], Image(map2)) << "map 2 untouched";
    box.Log.clear();
    Wait(2000);
    EXPECT_TRUE(box.Log.isEmpty());
}

TEST_F(FrameChartTest, CtrlTabOnTheMapTabsReadsTheMapAsAClickDoes) {
    const CurvePoints map3 = Curve({{0, 0}, {300, 1.0}, {511, 0}});
    box.Maps[{1, 3}] = Image(map3);
    frame->Chart1->SetFocus();
    frame->XcTabControl1->SetTabIndex(1);
    EXPECT_EQ(frame->XcTabControl1->Perform(CM_DIALOGKEY, VK_TAB, CtrlMask), 1);
    EXPECT_EQ(frame->ActiveMap(), 3);
    EXPECT_EQ(box.Log, QStringList({"ReadMap 1 3", "ReadMap 2 3"}));
    EXPECT_EQ(Ch1()->points, map3);
}

TEST_F(FrameChartTest, FailedSendIsReportedOnceAndTriedAgainUntilItGoesThrough) {
    ShowOnChannel1(Curve({{0, 0}, {256, 0}, {511, 0}}));
    box.SendResults = {-1, -1, 0};
    S1()->YValues()->SetValue(1, 0.5);
    frame->OnDragPoint(frame->dragTool1, 1);
    Wait(1100);
    EXPECT_EQ(box.Log, QStringList({"SendMap 1 1"}));
    EXPECT_EQ(Shown, QStringList({"Send operation failed!"}));
    EXPECT_TRUE(Ch1()->Changed());
    Wait(1100);
    EXPECT_EQ(box.Log.size(), 2);
    EXPECT_EQ(Shown.size(), 1) << "one message per failure streak";
    Wait(1100);
    EXPECT_EQ(box.Log.size(), 3);
    EXPECT_FALSE(Ch1()->Changed());
    Wait(3000);
    EXPECT_EQ(box.Log.size(), 3);
    EXPECT_EQ(box.Maps[std::pair(1, 1)], Image(Curve({{0, 0}, {256, 0.5}, {511, 0}})));
}

TEST_F(FrameChartTest, ClearSendsTheNeutralCurveOnceOrSaysThereIsNoBox) {
    ShowOnChannel1(Curve({{0, 0}, {256, 0.4}, {511, 0}}));
    frame->btnClearClick(frame->btnClear);
    ASSERT_EQ(box.Log, QStringList({"SendMap 1 1"}));
    EXPECT_EQ(box.Sent.back(), Image(Neutral()));
    Wait(2000);
    EXPECT_EQ(box.Log.size(), 1);

    host.State = Disconnected;
    S1()->YValues()->SetValue(0, 0.3);
    frame->btnClearClick(frame->btnClear);
    EXPECT_EQ(Points(S1()), (std::vector<std::pair<double, double>>{{0.0, 0.0}, {5.0, 0.0}}));
    EXPECT_EQ(Shown, QStringList({"ORVO Tuning not found!\r\nPlease restart application."}));
    EXPECT_EQ(box.Log.size(), 1);
}

// ---- reads -------------------------------------------------------------------------------

TEST_F(FrameChartTest, ReadTakesOnlyWholeMapsOfValidEntries) {
    ShowOnChannel1(Curve({{0, 0}, {256, 0.4}, {511, 0}}));
    const auto before = Points(S1());
    CurvePoints tooHigh = Curve({{0, 0}, {511, 0}});
    tooHigh[10] = 4096;
    const Bytes bad[] = {Bytes{}, Bytes(1022, 0x10), Bytes(1023, 0x10), Image(tooHigh)};
    for (const Bytes& reply : bad) {
        box.Maps[{1, 1}] = reply;
        Shown.clear();
        EXPECT_FALSE(frame->ReadChannelMap(1, Ch1())) << reply.size();
        EXPECT_EQ(Shown, QStringList({"Read operation failed."}));
        EXPECT_EQ(Points(S1()), before);
    }
    box.ReadResults = {-3};
    box.Maps[{1, 1}] = Image(Neutral());
    EXPECT_FALSE(frame->ReadChannelMap(1, Ch1()));

    // An erased box (only 0 and 0xFFFF) gives the neutral curve; one point at 5 V shows alone.
    for (unsigned char fill : {0x00, 0xFF}) {
        box.Maps[{1, 1}] = Bytes(MapImageBytes, fill);
        EXPECT_TRUE(frame->ReadChannelMap(1, Ch1()));
        EXPECT_EQ(Points(S1()), (std::vector<std::pair<double, double>>{{0.0, 0.0}, {5.0, 0.0}}));
    }
    box.Maps[{1, 1}] = Image(Curve({{511, 0}}));
    EXPECT_TRUE(frame->ReadChannelMap(1, Ch1()));
    EXPECT_EQ(Points(S1()), (std::vector<std::pair<double, double>>{{5.0, 0.0}}));

    host.State = Disconnected;
    box.Log.clear();
    EXPECT_FALSE(frame->ReadChannelMap(1, Ch1()));
    EXPECT_TRUE(box.Log.isEmpty());
}

TEST_F(FrameChartTest, ReadOrResetLeavesNoStaleSelection) {
    // Each way of rebuilding the series: an erased map (the neutral curve), a map with points,
    // and Clear. Up afterwards must move nothing.
    const CurvePoints twoPoints = Curve({{0, 0.1}, {511, -0.1}});
    const struct {
        const char* name;
        std::function<void()> rebuild;
        CurvePoints shown;
    } cases[] = {
        {"erased map read",
         [&] {
             box.Maps[{1, 1}] = Image(Neutral());
             ASSERT_TRUE(frame->ReadChannelMap(1, Ch1()));
         },
         Neutral()},
        {"map read",
         [&] {
             box.Maps[{1, 1}] = Image(twoPoints);
             ASSERT_TRUE(frame->ReadChannelMap(1, Ch1()));
         },
         twoPoints},
        {"clear", [&] { frame->btnClearClick(frame->btnClear); }, Neutral()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShowOnChannel1(Curve({{0, 0}, {100, 0}, {200, 0}, {300, 0}, {511, 0}}));
        SelectRows(2, 4);
        ASSERT_EQ(Ch1()->selection, (std::vector<int>{1, 2, 3}));
        c.rebuild();
        EXPECT_TRUE(Ch1()->selection.empty());
        Key(VK_UP);
        Key(VK_DELETE);
        EXPECT_FALSE(frame->modified);
        Wait(50);
        EXPECT_EQ(Ch1()->points, c.shown);
    }
}

// ---- live voltages ------------------------------------------------------------------------

TEST_F(FrameChartTest, VoltageTickMovesBothCursorLines) {
    // Channel 1's pressure window open (its scaling: gain 1, offset 0).
    frame->btnPressureClick(frame->btnPressure);
    box.Voltages = {0xFF, 0x07, 0x00, 0x08}; // 2047 and 2048
    Wait(50);
    EXPECT_DOUBLE_EQ(frame->cursorTool1->XValue(), CodeToVolt(2047));
    EXPECT_DOUBLE_EQ(frame->cursorTool2->XValue(), CodeToVolt(2048));
    // Only the pressure window of the channel shown gets its voltage.
    EXPECT_DOUBLE_EQ(PressureShown(0), CodeToVolt(2047));
    EXPECT_DOUBLE_EQ(PressureShown(1), 0.0);
    box.Voltages = {0xFF, 0x0F};
    Wait(50);
    EXPECT_DOUBLE_EQ(frame->cursorTool1->XValue(), 5.0);
    EXPECT_DOUBLE_EQ(frame->cursorTool2->XValue(), -1.0);
    frame->ShowOnlyChannel(2);
    frame->btnPressureClick(frame->btnPressure);
    box.Voltages = {0x00, 0x00, 0x00, 0x08};
    Wait(50);
    EXPECT_DOUBLE_EQ(PressureShown(1), CodeToVolt(2048));
    EXPECT_DOUBLE_EQ(PressureShown(0), 5.0);
    // Outside Connected nothing is read.
    host.State = Opened;
    const int reads = box.VoltageReads;
    Wait(500);
    EXPECT_EQ(box.VoltageReads, reads);
}

TEST_F(FrameChartTest, ThreeFailedVoltageReadsInARowDisconnect) {
    box.VoltageResults = {-1, -1, 0, -1, -1};
    Wait(250);
    EXPECT_EQ(host.State, Connected) << "a success in between restarts the count";
    box.VoltageResults = {-1};
    Wait(50);
    EXPECT_EQ(host.State, DisconnectRequested);

    // The next link starts counting afresh.
    host.State = Disconnected;
    Wait(100);
    host.State = Connected;
    box.VoltageResults = {-1, -1};
    Wait(100);
    EXPECT_EQ(host.State, Connected);
}

// ---- map files ----------------------------------------------------------------------------

TEST_F(FrameChartTest, LoadTakesWholeCurvesOnlyAndSendsThem) {
    QTemporaryDir dir;
    ShowOnChannel1(Curve({{0, 0}, {256, 0.4}, {511, 0}}));
    const auto before = Points(S1());
    const CurvePoints good = Curve({{0, 0.2}, {50, 0.1}, {511, -0.5}});
    const QByteArray goodFile = [&] {
        const Bytes b = MapFileBytes({good});
        return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
    }();
    auto withCount = [&](std::uint32_t count, int entries) {
        QByteArray f = goodFile.left(2);
        for (int i = 0; i < 4; ++i)
            f.append(char((count >> (8 * i)) & 0xFF));
        f.append(goodFile.mid(6, 2 * entries));
        return f;
    };
    QByteArray format2 = goodFile;
    format2[0] = 2;
    QByteArray badEntry = goodFile;
    badEntry[6 + 20] = char(0x00);
    badEntry[6 + 21] = char(0x10); // 4096
    const std::pair<const char*, QByteArray> bad[] = {
        {"empty", QByteArray()},
        {"short", goodFile.left(500)},
        {"count 0", withCount(0, 0)},
        {"count 511", withCount(511, 511)},
        {"count 513", withCount(513, 513)},
        {"entry 4096", badEntry},
    };
    for (const auto& [name, bytes] : bad) {
        ChosenFile = dir.filePath(QString::fromUtf8(name));
        ASSERT_TRUE(PutFile(ChosenFile, bytes));
        Shown.clear();
        frame->btnLoadClick(frame->btnLoad);
        EXPECT_EQ(Shown, QStringList({"Unsupported file format!"})) << name;
        EXPECT_EQ(Points(S1()), before) << name;
    }
    EXPECT_TRUE(box.Log.isEmpty());

    // The editor takes the first curve of either format (a format word it does not know too).
    for (const QByteArray& bytes : {goodFile, format2}) {
        ChosenFile = dir.filePath(QStringLiteral("good"));
        ASSERT_TRUE(PutFile(ChosenFile, bytes));
        Shown.clear();
        box.Log.clear();
        frame->btnLoadClick(frame->btnLoad);
        EXPECT_TRUE(Shown.isEmpty());
        ASSERT_EQ(box.Log, QStringList({"SendMap 1 1"}));
        EXPECT_EQ(box.Sent.back(), Image(good));
    }
}

TEST_F(FrameChartTest, SaveWritesTheCurveShownAsAOneCurveFile) {
    QTemporaryDir dir;
    ChosenFile = dir.filePath(QStringLiteral("map.bin"));
    frame->btnSaveClick(frame->btnSave);
    const Bytes expected = MapFileBytes({Neutral()});
    const QByteArray bytes = FileBytes(ChosenFile);
    ASSERT_EQ(bytes.size(), 1030);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), expected);
    EXPECT_TRUE(box.Log.isEmpty());

    ChosenFile = dir.filePath(QStringLiteral("no/such/folder/map.bin"));
    frame->btnSaveClick(frame->btnSave);
    EXPECT_EQ(Shown, QStringList({"Save operation failed!"}));
}

// ---- editing ------------------------------------------------------------------------------

TEST_F(FrameChartTest, ClampCorrectionKeepsFixedLimitsWhateverTheAxesShow) {
    const struct {
        double x, y, expected;
    } cases[] = {{4.5, 1.5, 0.5}, {0.5, -1.0, -0.5}, {3.0, -2.5, -2.0}, {1.0, 2.5, 2.0},
                 {2.5, 0.3, 0.3}, {0.0, -0.1, 0.0},  {5.0, 0.1, 0.0}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(frame->ClampCorrection(c.x, c.y), c.expected) << c.x << " " << c.y;
    // A pan moves the left axis; the limits stay, and the pan is undone.
    frame->Chart1->SaveScales();
    frame->Chart1->RestoredAxisScales = false;
    frame->Chart1->LeftAxis()->SetMinMax(0.0, 4.0);
    EXPECT_DOUBLE_EQ(frame->ClampCorrection(1.0, 3.0), 2.0);
    frame->Chart1->OnScroll(frame->Chart1);
    EXPECT_EQ(frame->Chart1->LeftAxis()->Minimum(), -2.0);
    EXPECT_EQ(frame->Chart1->LeftAxis()->Maximum(), 2.0);
}

TEST_F(FrameChartTest, DraggingStopsAtTheAllowedCorrection) {
    ShowOnChannel1(Curve({{0, 0}, {102, 0}, {460, 0}, {511, 0}}));
    const double x45 = S1()->XValues()->Value(2);
    ASSERT_NEAR(x45, 4.5, 0.01);
    MouseOnChart1(QEvent::MouseButtonPress, XPos(x45), YPos(0.0));
    EXPECT_EQ(Ch1()->selection, std::vector<int>{2});
    MouseOnChart1(QEvent::MouseMove, XPos(x45), YPos(1.5));
    MouseOnChart1(QEvent::MouseButtonRelease, XPos(x45), YPos(1.5));
    EXPECT_DOUBLE_EQ(S1()->YValues()->Value(2), 5.0 - x45);
    EXPECT_TRUE(frame->modified);

    const double x1 = S1()->XValues()->Value(1);
    MouseOnChart1(QEvent::MouseButtonPress, XPos(x1), YPos(0.0));
    MouseOnChart1(QEvent::MouseMove, XPos(x1), YPos(-1.9));
    EXPECT_DOUBLE_EQ(S1()->YValues()->Value(1), -x1) << "output 0 V";
    MouseOnChart1(QEvent::MouseButtonRelease, XPos(x1), YPos(-1.9));
}

TEST_F(FrameChartTest, RightClickAddsAPointUnderTheMouseOnce) {
    Draw();
    const int px = XPos(2.5), py = YPos(0.3);
    frame->Chart1MouseDown(frame->Chart1, mbRight, {}, px, py);
    ASSERT_EQ(S1()->Count(), 3);
    EXPECT_NEAR(S1()->XValues()->Value(1), 2.5, 0.02);
    EXPECT_NEAR(S1()->YValues()->Value(1), 0.3, 0.02);
    EXPECT_TRUE(frame->modified);
    frame->Chart1MouseDown(frame->Chart1, mbRight, {}, px, py);
    EXPECT_EQ(S1()->Count(), 3) << "that input has its point";
    for (auto [x, y] : {std::pair{2.0, -2.5}, std::pair{5.5, 0.0}, std::pair{1.0, 2.4}}) {
        frame->Chart1MouseDown(frame->Chart1, mbRight, {}, XPos(x), YPos(y));
        EXPECT_EQ(S1()->Count(), 3) << x << " " << y;
    }
    EXPECT_EQ(frame->ChartGrid1->RowCount(), 4);
}

TEST_F(FrameChartTest, RubberBandSelectsDraggedRightAndDownOnly) {
    ShowOnChannel1(Curve({{0, 0}, {100, 0.5}, {200, -0.5}, {300, 0.5}, {511, 0}}));
    // From above point 1 to below point 3: all three, but not the ends.
    const int left = XPos(IndexToVolt(90)), right = XPos(IndexToVolt(310));
    const int top = YPos(1.0), bottom = YPos(-1.0);
    frame->Chart1MouseDown(frame->Chart1, mbLeft, {}, right, bottom);
    frame->Chart1MouseMove(frame->Chart1, {}, left, top);
    frame->Chart1MouseUp(frame->Chart1, mbLeft, {}, left, top);
    EXPECT_TRUE(Ch1()->selection.empty()) << "up and left selects nothing";

    frame->Chart1MouseDown(frame->Chart1, mbLeft, {}, left, top);
    frame->Chart1MouseMove(frame->Chart1, {}, right, bottom);
    frame->Chart1MouseUp(frame->Chart1, mbLeft, {}, right, bottom);
    EXPECT_EQ(Ch1()->selection, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(frame->ChartGrid1->Selection(), (TGridRect{1, 2, 1, 4}));
    EXPECT_EQ(frame->dragRect.X0, -1);
}

TEST_F(FrameChartTest, ArrowKeysMoveTheSelectionAndTheCurrentPointWithinItsNeighbours) {
    ShowOnChannel1(Curve({{0, 0}, {10, 0}, {20, 0}, {30, 0}, {511, 0}}));
    Key(VK_UP);
    EXPECT_FALSE(frame->modified) << "no selection, no move";

    frame->ChartGrid1->SetRow(3);
    Application->ProcessMessages();
    ASSERT_EQ(Ch1()->selection, std::vector<int>{2});
    const double y = S1()->YValues()->Value(2);
    Key(VK_UP);
    EXPECT_NEAR(S1()->YValues()->Value(2), y + 0.01, 1e-9);
    Key(VK_UP, {ssShift});
    EXPECT_NEAR(S1()->YValues()->Value(2), y + 0.11, 1e-9);
    Key(VK_DOWN, {ssShift});
    Key(VK_DOWN);
    EXPECT_NEAR(S1()->YValues()->Value(2), y, 1e-9);
    EXPECT_TRUE(frame->modified);

    // Sideways: +0.1 V would reach the next point's index (30) and is refused; +0.01 V is taken.
    const double x = S1()->XValues()->Value(2);
    Word right = VK_RIGHT;
    frame->ChartGrid1KeyDown(frame->ChartGrid1, right, {ssShift});
    EXPECT_DOUBLE_EQ(S1()->XValues()->Value(2), x);
    frame->ChartGrid1KeyDown(frame->ChartGrid1, right, {});
    EXPECT_DOUBLE_EQ(S1()->XValues()->Value(2), x + 0.01);
    EXPECT_EQ(VoltToIndex(S1()->XValues()->Value(2)), 21);

    // Clamped like every edit: the point at 0 V cannot go below 0 V output.
    SelectRows(1, 1);
    Key(VK_DOWN, {ssShift});
    EXPECT_DOUBLE_EQ(S1()->YValues()->Value(0), 0.0);
}

TEST_F(FrameChartTest, TypedValuesGetTheWholeClamp) {
    ShowOnChannel1(Curve({{0, 0}, {51, 0}, {460, 0}, {511, 0}}));
    const struct {
        int row;
        double typed, expected;
    } cases[] = {
        {3, 3.0, 5.0 - IndexToVolt(460)}, {2, -1.5, -IndexToVolt(51)}, {2, 0.25, 0.25}, {3, 0.3, 0.3}};
    for (const auto& c : cases) {
        S1()->YValues()->SetValue(c.row - 1, c.typed);
        frame->ChartGrid1SetEditText(frame->ChartGrid1, 1, c.row, QString::number(c.typed));
        EXPECT_DOUBLE_EQ(S1()->YValues()->Value(c.row - 1), c.expected) << c.typed;
    }
    EXPECT_TRUE(frame->modified);
    Wait(50);
    for (std::uint16_t code : Ch1()->points)
        EXPECT_TRUE(IsCurveEntry(code));
}

TEST_F(FrameChartTest, DeleteRemovesExactlyTheSelectedPoints) {
    ShowOnChannel1(Curve({{0, 0}, {100, 0.1}, {200, 0.2}, {300, 0.3}, {400, 0.4}, {511, 0}}));
    Ch1()->selection = {1, 3};
    Key(VK_DELETE);
    ASSERT_EQ(S1()->Count(), 4);
    EXPECT_NEAR(S1()->YValues()->Value(1), 0.2, 1e-3);
    EXPECT_NEAR(S1()->YValues()->Value(2), 0.4, 1e-3);
    EXPECT_TRUE(Ch1()->selection.empty());
    EXPECT_TRUE(frame->modified);
    Key(VK_DELETE);
    EXPECT_EQ(S1()->Count(), 4) << "a second Delete has nothing selected";

    // A selection with an end point deletes nothing.
    SelectRows(1, 2);
    Key(VK_DELETE);
    EXPECT_EQ(S1()->Count(), 4);
    SelectRows(3, 4);
    Key(VK_DELETE);
    EXPECT_EQ(S1()->Count(), 4);
}

TEST_F(FrameChartTest, StatusTextNeedsAPointOfTheGridRow) {
    box.Maps[{1, 1}] = Image(Curve({{200, 0.0}}));
    ASSERT_TRUE(frame->ReadMapAllChannels(1));
    Ch1()->selection.clear();
    frame->Series1->Clear();
    frame->ChartGrid1->RecalcDimensions();
    EXPECT_EQ(frame->ChartGrid1->RowCount(), 2);
    // Drawing with no point behind the grid's row reads nothing that is not there.
    frame->Chart1->Draw();
    frame->Chart1AfterDraw(frame->Chart1);
    SUCCEED();
}

TEST_F(FrameChartTest, GridWidthTakesOneScrollBarWidth) {
    CurvePoints many(CurveLength);
    for (int i = 0; i < CurveLength; ++i)
        many[std::size_t(i)] = std::uint16_t(VoltToCode(IndexToVolt(i)));
    ShowOnChannel1(many);
    frame->FrameResize(frame);
    ASSERT_NE(GetWindowLong(frame->ChartGrid1->Handle(), GWL_STYLE) & LONG(WS_VSCROLL), 0)
        << "512 rows need the scroll bar";
    EXPECT_EQ(frame->ChartGrid1->Width(), frame->ChartGrid1->GridWidth() + GetSystemMetrics(SM_CXVSCROLL));

    // Few rows: no scroll bar, the grid's own width.
    ShowOnChannel1(Neutral());
    frame->FrameResize(frame);
    ASSERT_EQ(GetWindowLong(frame->ChartGrid1->Handle(), GWL_STYLE) & LONG(WS_VSCROLL), 0);
    EXPECT_EQ(frame->ChartGrid1->Width(), frame->ChartGrid1->GridWidth());
}

// A 512-point curve brings the grid's scroll bar long after the frame last resized: the grid
// widens by the bar at once and narrows again when the bar goes, so the value column is never
// under it.
TEST_F(FrameChartTest, GridFollowsItsScrollBarWhenPointsComeAndGo) {
    TChipTuningChartGrid* grid = frame->ChartGrid1;
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    CurvePoints many(CurveLength);
    for (int i = 0; i < CurveLength; ++i)
        many[std::size_t(i)] = std::uint16_t(VoltToCode(IndexToVolt(i)));
    ShowOnChannel1(many);
    ASSERT_NE(grid->WindowStyle() & WS_VSCROLL, 0u) << "512 rows need the scroll bar";
    EXPECT_EQ(grid->Width(), grid->GridWidth() + bar);
    EXPECT_LE(grid->CellRect(1, 1).Right, grid->ClientWidth() - bar);
    // The frame laid the grid out at its new width: it still ends at the frame's right edge.
    EXPECT_EQ(grid->Left() + grid->Width(), frame->ClientWidth());

    ShowOnChannel1(Neutral());
    ASSERT_EQ(grid->WindowStyle() & WS_VSCROLL, 0u);
    EXPECT_EQ(grid->Width(), grid->GridWidth());
}

// The grid's values read on its cells: light text on the black cells, the highlight text on
// the selection, the frame's font colour on the light fixed column.
TEST_F(FrameChartTest, GridValuesReadOnTheirCells) {
    TChipTuningChartGrid* grid = frame->ChartGrid1;
    ShowOnChannel1(Curve({{0, 0.5}, {100, 1.25}, {300, -1.0}, {511, 0.0}}));
    grid->SetSelection(TGridRect{1, 1, 1, 1});
    TBitmap shot;
    shot.SetSize(grid->Width(), grid->Height());
    grid->PaintTo(shot.Canvas(), 0, 0);
    const QImage& image = shot.Image();
    struct Case {
        int col, row;
        TColor cell;
        const char* what;
    };
    const Case cases[] = {
        {1, 1, ColorToRGB(clHighlight), "selected value"},
        {1, 2, clBlack, "value"},
        {1, 4, clBlack, "last value"},
        {0, 2, TColor(0x00FFFBF0), "point number"},
    };
    auto brightness = [](QRgb c) { return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000; };
    for (const Case& c : cases) {
        const TRect r = grid->CellRect(c.col, c.row);
        const QRgb cell = qRgb(int(c.cell) & 0xFF, (int(c.cell) >> 8) & 0xFF, (int(c.cell) >> 16) & 0xFF);
        // The text's pixels: those that differ from the cell, and they differ a lot.
        int text = 0, contrasting = 0;
        for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
            for (int x = r.Left + 1; x < r.Right - 1; ++x) {
                const QRgb p = image.pixel(x, y);
                if (p == cell) continue;
                ++text;
                if (std::abs(brightness(p) - brightness(cell)) > 100) ++contrasting;
            }
        EXPECT_GE(contrasting, 8) << c.what << ": " << text << " text pixels";
    }
}

} // namespace
