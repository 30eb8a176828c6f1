// The tools column on two real curve editors (channel 1 left on map 1, channel 2 right on
// map 2) and a scripted box: copy, swap, clear and the two-curve map file reach the box in the
// right channel and in the map each editor shows.
#include "AppTestSupport.h"
#include "FrameChartTestSupport.h"
#include "app/ApplicationSettings.h"
#include "app/MapFile.h"
#include "app/forms/FrameChart.h"
#include "app/forms/FrameTools.h"
#include "controls/XcComCtrls.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/CustomForm.h"
#include "platform/win/Clock.h"
#include "platform/win/MessageBox.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace charttest;

// The main window as the tools column sees it: the editors' link, box and the two editors.
class TTwoEditorsHost : public IToolsHost {
public:
    explicit TTwoEditorsHost(TFakeEditorHost& link) : link_(link) {}
    int ConnectionState() override { return link_.State; }
    TOrvoTuningDevice* CurrentDevice() override { return link_.Device; }
    IToolsCurveEditor* FrameChartLeft() override { return Left; }
    IToolsCurveEditor* FrameChartRight() override { return Right; }
    void SetStatusMessage(const String&) override {}
    IToolsCurveEditor* Left = nullptr;
    IToolsCurveEditor* Right = nullptr;

private:
    TFakeEditorHost& link_;
};

class ToolsOnEditors : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        link.Device = &box;
        form_ = new TForm(nullptr, 0);
        form_->SetClientSize(1000, 500);
        left = NewEditor(1);
        right = NewEditor(2);
        tools = new TFrameTools(nullptr);
        tools->AfterConstruction();
        tools->SetHost(&toolsHost);
        tools->SetParent(form_);
        toolsHost.Left = left;
        toolsHost.Right = right;
        form_->Show();

        // Channel 1 shows map 1, channel 2 map 2, as read from the box.
        box.Maps[{1, 1}] = Image(A);
        box.Maps[{2, 2}] = Image(B);
        ASSERT_TRUE(left->ReadMapAllChannels(1));
        right->XcTabControl2->SetTabIndex(1);
        ASSERT_TRUE(right->ReadMapAllChannels(right->ActiveMap()));
        box.Log.clear();
        box.Sent.clear();
    }
    void TearDown() override {
        FreeObject(form_);
        EditorTest::TearDown();
    }
    TFrameChart* NewEditor(int channel) {
        auto* editor = new TFrameChart(nullptr);
        editor->AfterConstruction();
        editor->SetHost(&link);
        editor->SetParent(form_);
        editor->ShowOnlyChannel(channel);
        return editor;
    }
    CurvePoints Shown1() { return Points(left); }
    CurvePoints Shown2() { return Points(right); }
    static CurvePoints Points(TFrameChart* editor) {
        CurvePoints p;
        editor->GetActiveChannelPoints(p);
        return p;
    }

    const CurvePoints A = Curve({{0, 0.0}, {100, 0.3}, {511, 0.0}});
    const CurvePoints B = Curve({{0, 0.2}, {300, -0.4}, {511, -0.1}});
    TFakeClock clock{1000};
    TClockOverride useClock{&clock};
    TEditorBox box;
    TFakeEditorHost link;
    TTwoEditorsHost toolsHost{link};
    TFrameChart* left = nullptr;
    TFrameChart* right = nullptr;
    TFrameTools* tools = nullptr;

private:
    TForm* form_ = nullptr;
};

TEST_F(ToolsOnEditors, CopySwapAndClearSendToEachChannelsShownMap) {
    const struct {
        const char* name;
        TButton* TFrameTools::*button;
        QStringList sends;
        CurvePoints left, right;
    } cases[] = {
        {"swap", &TFrameTools::btnMoveL2R2L, {"SendMap 2 2", "SendMap 1 1"}, B, A},
        {"copy to right", &TFrameTools::btnMoveL2R, {"SendMap 2 2"}, A, A},
        {"copy to left", &TFrameTools::btnMoveR2L, {"SendMap 1 1"}, B, B},
        {"clear", &TFrameTools::btnClear, {"SendMap 1 1", "SendMap 2 2"}, Neutral(), Neutral()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Each case starts from A on the left and B on the right, both in the box.
        left->SetActiveChannelPoints(A);
        right->SetActiveChannelPoints(B);
        box.Log.clear();
        (tools->*c.button)->Click();
        EXPECT_EQ(box.Log, c.sends);
        EXPECT_EQ(Shown1(), c.left);
        EXPECT_EQ(Shown2(), c.right);
        EXPECT_EQ(box.Maps[std::pair(1, 1)], Image(c.left));
        EXPECT_EQ(box.Maps[std::pair(2, 2)], Image(c.right));
    }
    EXPECT_TRUE(Shown.isEmpty());
    EXPECT_EQ(box.Maps.count({2, 1}), 0u) << "channel 2's map 1 never written";
}

TEST_F(ToolsOnEditors, MapFileOfBothChannelsLoadsIntoBothEditorsAndSendsEach) {
    QTemporaryDir dir;
    ChosenFile = dir.filePath(QStringLiteral("both.map"));
    tools->btnSave->Click();
    const QByteArray saved = FileBytes(ChosenFile);
    EXPECT_EQ(Bytes(saved.begin(), saved.end()), MapFileBytes({A, B}));

    tools->btnClear->Click();
    box.Log.clear();
    tools->btnLoad->Click();
    EXPECT_EQ(box.Log, QStringList({"SendMap 1 1", "SendMap 2 2"}));
    EXPECT_EQ(box.Maps[std::pair(1, 1)], Image(A));
    EXPECT_EQ(box.Maps[std::pair(2, 2)], Image(B));
    EXPECT_EQ(Shown1(), A);
    EXPECT_EQ(Shown2(), B);

    // A second count of 600: neither editor changes and nothing goes to the box.
    QByteArray bad = saved;
    bad[1030] = char(0x58);
    bad[1031] = char(0x02);
    ChosenFile = dir.filePath(QStringLiteral("bad.map"));
    ASSERT_TRUE(PutFile(ChosenFile, bad));
    tools->btnClear->Click();
    box.Log.clear();
    tools->btnLoad->Click();
    EXPECT_EQ(Shown, QStringList({"Unsupported file format!"}));
    EXPECT_TRUE(box.Log.isEmpty());
    EXPECT_EQ(Shown1(), Neutral());
    EXPECT_EQ(Shown2(), Neutral());
}

} // namespace
