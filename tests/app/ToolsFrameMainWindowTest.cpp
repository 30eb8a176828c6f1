// The tools column inside the real main window: the window answers for the state, the device,
// the curve editors and the message panel.
#include "ToolsFrameTestSupport.h"
#include "app/forms/ChipTuningForm.h"
#include "controls/SBPro.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Timer.h"
#include "platform/win/Clock.h"

#include <gtest/gtest.h>

namespace {

using namespace toolstest;

// A curve editor as the main window holds it, with the tools column's operations beside.
class TWindowEditor : public IChipTuningEditor, public TFakeEditor {
public:
    explicit TWindowEditor(std::uint16_t code) : TFakeEditor(code), frame_(new TPanel(nullptr)) {}
    ~TWindowEditor() override { FreeObject(frame_); }
    TControl* Frame() override { return frame_; }
    bool ReadMapAllChannels(int) override { return true; }

private:
    TPanel* frame_;
};

// In the main window the column asks the window: its state, its device, its editors and its
// message panel.
TEST(ToolsFrameInMainWindow, AsksTheWindow) {
    TFakeClock clock(1000);
    TClockOverride useClock(&clock);
    const TChipTuningParts saved = ChipTuningParts();
    TScriptedBtDevice* box = nullptr;
    TWindowEditor* editors[2] = {};
    TFrameTools* tools = nullptr;
    ChipTuningParts().CreateUsbDevice = [&] { return box = new TScriptedBtDevice; };
    ChipTuningParts().CreateBtDevice = [] { return new TScriptedBtDevice; };
    ChipTuningParts().CreateEditor = [&](TChipTuningForm*, int channel) {
        return editors[channel - 1] = new TWindowEditor(std::uint16_t(channel * 100));
    };
    ChipTuningParts().CreateTools = [&](TChipTuningForm*) -> TControl* {
        tools = new TFrameTools(nullptr);
        tools->AfterConstruction();
        return tools;
    };
    ChipTuningForm = new TChipTuningForm(nullptr);
    ChipTuningForm->AfterConstruction();
    ASSERT_TRUE(tools && box && editors[0] && editors[1]);
    EXPECT_EQ(tools->Parent(), ChipTuningForm->PanelChart);

    ChipTuningForm->ConnectionState = Connected;
    ChipTuningForm->CurrentDevice = box;
    box->BoxState(true, 2);
    clock.Advance(1000);
    CheckTimers();
    EXPECT_EQ(box->Calls, QStringList({"05", "0C"}));
    EXPECT_EQ(ChipTuningForm->StatusBarPro1->Panels()->GetByName(QStringLiteral("PanelMsgs"))->Text(),
              "Tuning is OFF --- Active: Map 2");
    tools->btnMoveL2R->Click();
    EXPECT_EQ(editors[1]->Shown, CurvePoints(CurveLength, 100));

    FreeAndNil(ChipTuningForm);
    ChipTuningParts() = saved;
    Application->ProcessMessages();
}

} // namespace
