// The pressure window and frame: the calibration line from two points, the dial for each
// pressure type, the live value on the hand, and what showing and closing the window does to
// the stored scaling.
#include "AppTestSupport.h"
#include "app/ChipTuningChannel.h"
#include "app/forms/FormPressure.h"
#include "app/forms/FramePressure.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/TeeShape.h"
#include "chart/gauges/CircularGauge.h"
#include "controls/XcSpin.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/graphics/Bitmap.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct PressureWindow {
    explicit PressureWindow(TApplicationSettings::COEFFS c) : coeffs(c) {
        form.reset(new TFormPressure(nullptr, &coeffs));
        form->AfterConstruction();
    }
    TFramePressure* Frame() const { return form->FramePressure1; }
    void Show() { form->FormShow(form.get()); }
    void Close() {
        TCloseAction action = caHide;
        form->FormClose(form.get(), action);
    }
    TApplicationSettings::COEFFS coeffs;
    struct Free {
        void operator()(TFormPressure* f) const { FreeObject(f); }
    };
    std::unique_ptr<TFormPressure, Free> form;
};

// The user types a value into a spin edit: its change event runs.
void Type(TXcSpinEdit* Edit, const char* Text) {
    Edit->SetText(QString::fromLatin1(Text));
}

} // namespace

TEST(PressureWindow, DefaultsShowTheBoostDialAndTheStoredLine) {
    PressureWindow w({1.0, 0.0, 0});
    w.Show();
    TFramePressure* f = w.Frame();
    ASSERT_NE(f, nullptr);
    EXPECT_DOUBLE_EQ(double(f->ScaleVolt1->GetValue()), 0.0);
    EXPECT_DOUBLE_EQ(double(f->ScaleVolt2->GetValue()), 5.0);
    EXPECT_DOUBLE_EQ(double(f->ScalePress1->GetValue()), 0.0);
    EXPECT_DOUBLE_EQ(double(f->ScalePress2->GetValue()), 5.0);
    EXPECT_EQ(f->Series1->Minimum(), 0);
    EXPECT_EQ(f->Series1->Maximum(), 4);
    EXPECT_DOUBLE_EQ(f->Chart1->BottomAxis()->Increment(), 0.4);
    EXPECT_DOUBLE_EQ(f->Series1->GreenLine()->EndValue(), 2.8);
    EXPECT_DOUBLE_EQ(f->Series1->RedLine()->StartValue(), 2.8);
    EXPECT_DOUBLE_EQ(f->Series1->RedLine()->EndValue(), 4);
    EXPECT_TRUE(f->Series1->Circled());
    // The window's own look of the frame.
    EXPECT_EQ(f->PressureUnits->Caption(), "Pressure Type");
    EXPECT_EQ(f->Owner(), w.form.get());
    EXPECT_EQ(f->Align(), alClient);
    EXPECT_TRUE(f->Series1->Face()->Transparent());
    EXPECT_EQ(f->Series1->Hand()->VertSize(), 88);
    EXPECT_EQ(f->Series1->Hand()->HorizSize(), 3) << "the frame's own setting stays";
    EXPECT_FALSE(w.form->Panel1->Visible());

    f->SetVoltage(2.5);
    EXPECT_DOUBLE_EQ(f->Series1->Value(), 2.5);
    TBitmap window;
    window.SetSize(350, 350);
    f->Chart1->Draw(window.Canvas(), TRect{0, 0, 350, 350});
    EXPECT_DOUBLE_EQ(f->Series1->CalcValue(2.5), 30 + 2.5 / 4 * 300);
}

TEST(PressureWindow, CommonRailChangesTheDialNotTheCalibration) {
    PressureWindow w({1.0, 0.0, 0});
    w.Show();
    TFramePressure* f = w.Frame();
    f->PressureUnits->SetItemIndex(1);
    f->PressureUnitsClick(f->PressureUnits);
    EXPECT_EQ(f->Series1->Maximum(), 2000);
    EXPECT_DOUBLE_EQ(f->Chart1->BottomAxis()->Increment(), 200);
    EXPECT_DOUBLE_EQ(f->Series1->GreenLine()->EndValue(), 1400);
    EXPECT_DOUBLE_EQ(f->Gain, 1.0);
    EXPECT_DOUBLE_EQ(f->Offset, 0.0);
    // An index outside the two types leaves the dial as it was.
    f->PressureUnits->SetItemIndex(-1);
    f->PressureUnitsClick(f->PressureUnits);
    EXPECT_EQ(f->Series1->Maximum(), 2000);
}

TEST(PressureWindow, TwoPointsSetGainAndOffsetAndCloseStoresThem) {
    PressureWindow w({1.0, 0.0, 0});
    w.Show();
    TFramePressure* f = w.Frame();
    Type(f->ScaleVolt1, "0.50");
    Type(f->ScalePress1, "0.0");
    Type(f->ScaleVolt2, "4.50");
    Type(f->ScalePress2, "2000.0");
    EXPECT_NEAR(f->Gain, 500, 1e-9);
    EXPECT_NEAR(f->Offset, -250, 1e-9);
    // Equal voltages keep the previous conversion.
    Type(f->ScaleVolt2, "0.50");
    EXPECT_NEAR(f->Gain, 500, 1e-9);
    EXPECT_NEAR(f->Offset, -250, 1e-9);
    f->PressureUnits->SetItemIndex(1);
    w.Close();
    EXPECT_NEAR(w.coeffs.CoeffA, 500, 1e-9);
    EXPECT_NEAR(w.coeffs.CoeffB, -250, 1e-9);
    EXPECT_EQ(w.coeffs.Type, 1);
}

TEST(PressureWindow, ShowingAndClosingKeepsTheStoredScaling) {
    // A gain the one-decimal pressure fields cannot show exactly.
    PressureWindow w({0.13, 0.0, 1});
    for (int round = 0; round < 3; ++round) {
        w.Show();
        w.Close();
    }
    EXPECT_DOUBLE_EQ(w.coeffs.CoeffA, 0.13);
    EXPECT_DOUBLE_EQ(w.coeffs.CoeffB, 0.0);
    EXPECT_EQ(w.coeffs.Type, 1);
    EXPECT_EQ(w.Frame()->Series1->Maximum(), 2000);
}

// The window of a channel edits that channel's entry of the settings, which the settings
// write to their file when the program ends.
TEST(PressureWindow, AChannelsCalibrationReachesTheSettingsFileAtExit) {
    QTemporaryDir dir;
    TEnvOverride xdg("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + "/config"));
    {
        auto settings = std::make_unique<TApplicationSettings>();
        settings->LoadSettings();
        ApplicationSettings = settings.get();
        TFakeCurveSeries series;
        {
            CVoltageChannel channel(2, &series);
            TFormPressure* form = channel.pressureForm;
            form->FormShow(form);
            TFramePressure* f = form->FramePressure1;
            Type(f->ScaleVolt1, "0.50");
            Type(f->ScalePress1, "0.0");
            Type(f->ScaleVolt2, "4.50");
            Type(f->ScalePress2, "2000.0");
            f->PressureUnits->SetItemIndex(1);
            TCloseAction action = caHide;
            form->FormClose(form, action);
        }
        ApplicationSettings = nullptr;
        settings->SaveSettings();
    }
    TApplicationSettings next;
    next.LoadSettings();
    EXPECT_DOUBLE_EQ(next.Coeffs()[0].CoeffA, 1.0) << "channel 1 untouched";
    EXPECT_NEAR(next.Coeffs()[1].CoeffA, 500, 1e-9);
    EXPECT_NEAR(next.Coeffs()[1].CoeffB, -250, 1e-9);
    EXPECT_EQ(next.Coeffs()[1].Type, 1);
}
