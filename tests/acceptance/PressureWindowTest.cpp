// The pressure window of the left editor, over each transport: opened with "Pressure", the
// boost and common-rail dials, a calibration typed into its spin edits, the hand following the
// box's live input every 50 ms, and the values kept in the settings file at exit.
#include "tests/acceptance/EditorHarness.h"

#include "app/ApplicationSettings.h"
#include "app/forms/ChipTuningForm.h"
#include "app/forms/FormPressure.h"
#include "app/forms/FrameChart.h"
#include "app/forms/FramePressure.h"
#include "chart/gauges/CircularGauge.h"
#include "controls/XcSpin.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Messages.h"
#include "platform/controls/RadioGroup.h"

namespace acceptance {
namespace {

class PressureWindow : public TEditorOverLink {
protected:
    // The text of a spin edit replaced by typing.
    void TypeInto(TXcSpinEdit* edit, const char* text) {
        edit->SetFocus();
        edit->SelectAll();
        Type(edit, QString::fromUtf8(text));
    }
    // The hand shows the pressure of the live input within one or two voltage ticks.
    bool HandShows(TFramePressure* p, double pressure) {
        for (int i = 0; i < 3; ++i) {
            if (p->Series1->Count() > 0 && std::abs(p->Series1->Value() - pressure) < 1e-6) return true;
            Tick(50);
        }
        return false;
    }
};

TEST_P(PressureWindow, DialsCalibrationAndTheLiveHandAreKeptAtExit) {
    sim::Box& box = Box();
    box.SetLiveCodes(2048, 1024);
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        Click(Left()->btnPressure);
        TFormPressure* window = Left()->channels[0]->pressureForm;
        ASSERT_TRUE(window->Visible());
        TFramePressure* p = window->FramePressure1;

        // The defaults: the boost dial (0 to 4 bar), the line 0 bar at 0 V, 5 bar at 5 V.
        EXPECT_EQ(p->PressureUnits->ItemIndex(), 0);
        EXPECT_EQ(p->Series1->Minimum(), 0.0);
        EXPECT_EQ(p->Series1->Maximum(), 4.0);
        EXPECT_EQ(p->ScalePress1->GetValue(), 0.0);
        EXPECT_EQ(p->ScalePress2->GetValue(), 5.0);
        EXPECT_TRUE(HandShows(p, CodeToVolt(2048)));
        // The hand follows the live input of channel 1.
        box.SetLiveCodes(819, 1024);
        EXPECT_TRUE(HandShows(p, CodeToVolt(819)));

        // Common rail: the dial runs to 2000 bar; the calibration stays.
        Click(p->PressureUnits->Buttons(1));
        EXPECT_EQ(p->PressureUnits->ItemIndex(), 1);
        EXPECT_EQ(p->Series1->Maximum(), 2000.0);
        EXPECT_EQ(p->ScalePress2->GetValue(), 5.0);
        EXPECT_DOUBLE_EQ(p->Gain, 1.0);

        // 0.5 V is 0 bar and 4.5 V 2000 bar.
        TypeInto(p->ScaleVolt1, "0.5");
        TypeInto(p->ScalePress1, "0");
        TypeInto(p->ScaleVolt2, "4.5");
        TypeInto(p->ScalePress2, "2000");
        EXPECT_DOUBLE_EQ(p->Gain, 500.0);
        EXPECT_DOUBLE_EQ(p->Offset, -250.0);
        box.SetLiveCodes(2048, 1024);
        EXPECT_TRUE(HandShows(p, 500.0 * CodeToVolt(2048) - 250.0));
        Screenshot(window, "pressure-window");

        // Closed with its close box: the values go to the settings in memory.
        window->Perform(WM_CLOSE, 0, 0);
        Application->ProcessMessages();
        EXPECT_FALSE(window->Visible());
        EXPECT_EQ(ApplicationSettings->Coeffs()[0].CoeffA, 500.0);
        EXPECT_EQ(ApplicationSettings->Coeffs()[0].CoeffB, -250.0);
        EXPECT_EQ(ApplicationSettings->Coeffs()[0].Type, 1);
        // Channel 2 keeps its own.
        EXPECT_EQ(ApplicationSettings->Coeffs()[1].CoeffA, 1.0);
        EXPECT_TRUE(MessageTexts().isEmpty());
    });
    EXPECT_TRUE(SettingsFile().startsWith("[Pressure]\nCoeffA0=500\nCoeffB0=-250\nType0=1\nCoeffA1=1\n"))
        << SettingsFile().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Links, PressureWindow, ::testing::Values(Link::Usb, Link::Bluetooth), LinkName);

} // namespace
} // namespace acceptance
