// The circular gauge editor: its form over the linear one, the angles, the hand's geometry,
// the label and face switches, and the one "&Hand..." button left once the form has shown.
#include "NumericGaugeEditorTestSupport.h"

#include "chart/editor/CircularGaugeEditor.h"
#include "chart/gauges/CircularGauge.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/Timer.h"
#include "platform/controls/UpDown.h"

#include <QElapsedTimer>

#include <functional>

namespace {
// The visible buttons on Parent captioned Caption.
int VisibleButtons(TWinControl* Parent, const char* Caption) {
    int n = 0;
    for (int i = 0; i < Parent->ControlCount(); ++i) {
        auto* b = dynamic_cast<TButton*>(Parent->Controls(i));
        if (b && b->Visible() && b->Caption() == QLatin1String(Caption)) ++n;
    }
    return n;
}
} // namespace

class CircularGaugeEditor : public GaugeEditorFixture<TCircularGauge, TCircularGaugeEditor> {
protected:
    // Lets the editor's one-shot timer run.
    void RunTimer() {
        QElapsedTimer clock;
        clock.start();
        while (editor->Timer1->Enabled() && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
};

TEST_F(CircularGaugeEditor, ShowsOneHandButtonAndNoLinearExtras) {
    ShowEditor();
    EXPECT_EQ(editor->Timer1->Interval(), 1u);
    RunTimer();
    EXPECT_FALSE(editor->Timer1->Enabled());
    EXPECT_EQ(VisibleButtons(editor->TabOptions, "&Hand..."), 1);
    EXPECT_TRUE(editor->BHand->Visible());
    EXPECT_FALSE(editor->BValueArea->Visible());
    EXPECT_FALSE(editor->BMaxIndicator->Visible());
    EXPECT_FALSE(editor->RGFont->Visible());
    EXPECT_FALSE(editor->TabMarkers->TabVisible());
    // Another visit leaves it so.
    ShowAgain();
    RunTimer();
    EXPECT_EQ(VisibleButtons(editor->TabOptions, "&Hand..."), 1);
}

TEST_F(CircularGaugeEditor, ControlsFollowAndChangeTheGauge) {
    gauge->SetTotalAngle(270);
    gauge->SetRotationAngle(45);
    gauge->Hand()->SetDistance(12);
    gauge->Hand()->SetOffset(40);
    gauge->SetLabelsInside(false);
    ShowEditor();
    EXPECT_EQ(editor->UDTotalAngle->Position(), 270);
    EXPECT_EQ(editor->UDRotAngle->Position(), 45);
    EXPECT_EQ(editor->UDHandDist->Position(), 12);
    EXPECT_EQ(editor->UDHandOff->Position(), 40);
    EXPECT_FALSE(editor->CBLabelsInside->Checked());
    EXPECT_EQ(editor->CBRotateLabels->Checked(), gauge->RotateLabels());
    EXPECT_EQ(editor->CBCircled->Checked(), gauge->Circled());

    struct Case {
        TEdit* edit;
        const char* text;
        std::function<double()> value;
        double expected;
    };
    const Case cases[] = {
        {editor->ETotalAngle, "180", [&] { return gauge->TotalAngle(); }, 180},
        {editor->ETotalAngle, "x", [&] { return gauge->TotalAngle(); }, 180},
        {editor->Edit4, "90", [&] { return gauge->RotationAngle(); }, 90},
        {editor->Edit1, "25", [&] { return double(gauge->Hand()->Distance()); }, 25},
        {editor->Edit3, "60", [&] { return double(gauge->Hand()->Offset()); }, 60},
    };
    for (const Case& c : cases) {
        c.edit->SetText(QLatin1String(c.text));
        EXPECT_DOUBLE_EQ(c.value(), c.expected) << c.text;
    }
    // The angles wrap round at the ends of 0 to 360.
    editor->UDTotalAngle->SetPosition(360);
    editor->UDTotalAngle->Step(btNext);
    EXPECT_EQ(editor->UDTotalAngle->Position(), 0);
    EXPECT_DOUBLE_EQ(gauge->TotalAngle(), 0);
    EXPECT_TRUE(editor->UDRotAngle->Wrap());

    editor->CBLabelsInside->SetChecked(true);
    EXPECT_TRUE(gauge->LabelsInside());
    editor->CBRotateLabels->SetChecked(!gauge->RotateLabels());
    EXPECT_EQ(editor->CBRotateLabels->Checked(), gauge->RotateLabels());
    editor->CBCircled->SetChecked(!gauge->Circled());
    EXPECT_EQ(editor->CBCircled->Checked(), gauge->Circled());
}

TEST_F(CircularGaugeEditor, Screenshots) {
    host->SetBounds(300, 0, 420, 320);
    ShowEditor();
    RunTimer();
    editor->PageControl1->SetActivePage(editor->TabOptions);
    EditorScreenshot(form, "CircularGaugeEditor-Options");
    editor->PageControl1->SetActivePage(editor->TabFrame);
    EditorScreenshot(form, "CircularGaugeEditor-Frame");
    editor->PageControl1->SetActivePage(editor->TabRed);
    EditorScreenshot(form, "CircularGaugeEditor-RedLine");
}
