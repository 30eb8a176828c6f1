#include "chart/editor/PieSeriesEditor.h"
#include "chart/editor/CircledSeriesEditor.h"

#include "EditorBaseTestSupport.h"
#include "SeriesEditorsTestSupport.h"

#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/PieSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"

#include <gtest/gtest.h>

namespace {

using PieEditor = SeriesEditorFixture;

TEST_F(PieEditor, DarkThreeDFollowsTheChartsView) {
    for (bool view3D : {false, true}) {
        SCOPED_TRACE(view3D);
        chart->SetView3D(view3D);
        auto* pie = new TPieSeries(form);
        auto* e = Edit<TPieSeriesEditor>(pie);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->CBDark3d->Enabled(), view3D);
        EXPECT_EQ(e->PageControl1->ActivePage(), e->TabOptions);
        FreeObject(e);
        FreeObject(pie);
    }
}

TEST_F(PieEditor, EachOptionChangesThePieAtOnce) {
    auto* pie = new TPieSeries(form);
    pie->AddSampleValues(6);
    auto* e = Edit<TPieSeriesEditor>(pie);
    ASSERT_NE(e, nullptr);
    editortest::Screenshot(form, "pie-series-editor");
    EXPECT_EQ(e->Edit1->Text(), QStringLiteral("360"));

    e->CBDark3d->SetChecked(false);
    EXPECT_FALSE(pie->Dark3D());
    e->UDExpBig->SetPosition(15);
    EXPECT_EQ(pie->ExplodeBiggest(), 15);
    e->CBPatterns->SetChecked(true);
    EXPECT_TRUE(pie->UsePatterns());
    e->Edit1->SetText(QStringLiteral("180"));
    EXPECT_EQ(pie->AngleSize(), 180);
    e->UpDown1->SetPosition(40);
    EXPECT_EQ(pie->DarkPen(), 40);
    e->CBMultiple->SetItemIndex(1);
    e->CBMultipleChange(e->CBMultiple);
    EXPECT_EQ(pie->MultiPie(), mpDisabled);
    e->TBBright->SetPosition(-64);
    EXPECT_EQ(pie->GradientBright(), -64);
    EXPECT_EQ(e->LBright->Caption(), QStringLiteral("-64"));
    EXPECT_TRUE(e->BGradient->OnlyStart);
    EXPECT_EQ(e->BGradient->GetGradient(), pie->Gradient());

    e->CBMarksAutoPosition->SetChecked(false);
    EXPECT_FALSE(pie->AutoMarkPosition());
    e->CBVertCenter->SetChecked(true);
    EXPECT_TRUE(pie->PieMarks()->VertCenter());
    e->SBLegSize->SetPosition(12);
    EXPECT_EQ(pie->PieMarks()->LegSize(), 12);
}

TEST_F(PieEditor, GroupedSlicesStyleEnablesTheirBoxes) {
    auto* pie = new TPieSeries(form);
    auto* e = Edit<TPieSeriesEditor>(pie);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->EOtherLabel->Text(), QStringLiteral("Other"));
    const struct {
        int item;
        TPieOtherStyle style;
        bool boxes;
    } cases[] = {{1, poBelowPercent, true}, {2, poBelowValue, true}, {0, poNone, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        e->CBOther->SetItemIndex(c.item);
        e->CBOtherChange(e->CBOther);
        EXPECT_EQ(pie->OtherSlice()->Style(), c.style);
        EXPECT_EQ(e->EOtherValue->Enabled(), c.boxes);
        EXPECT_EQ(e->EOtherLabel->Enabled(), c.boxes);
    }
    e->EOtherLabel->SetText(QStringLiteral("Rest"));
    EXPECT_EQ(pie->OtherSlice()->Text(), QStringLiteral("Rest"));
}

TEST_F(PieEditor, OtherValueIgnoresTextThatIsNoNumber) {
    auto* pie = new TPieSeries(form);
    pie->OtherSlice()->SetStyle(poBelowValue);
    auto* e = Edit<TPieSeriesEditor>(pie);
    ASSERT_NE(e, nullptr);
    // Typed key by key: the lone minus and the empty box come on the way to a number.
    const struct {
        const char* text;
        double value;
    } steps[] = {{"", 0},         {"-", 0},      {"-2", -2}, {"-2.5", -2.5},
                 {"-2.5x", -2.5}, {"abc", -2.5}, {"", -2.5}, {"7", 7}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.text);
        EXPECT_NO_THROW(e->EOtherValue->SetText(QString::fromLatin1(s.text)));
        EXPECT_DOUBLE_EQ(pie->OtherSlice()->Value(), s.value);
    }
    // Typed through the keyboard as well.
    e->PageControl1->SetActivePage(e->TabGroup);
    QCoreApplication::processEvents();
    ASSERT_NE(e->EOtherValue->Widget(), nullptr);
    editortest::TypeText(e->EOtherValue, QStringLiteral("-"));
    EXPECT_EQ(e->EOtherValue->Text(), QStringLiteral("-"));
    EXPECT_DOUBLE_EQ(pie->OtherSlice()->Value(), 7);
}

TEST_F(PieEditor, ColorEachSwitchesBetweenColorAndPalette) {
    auto* pie = new TPieSeries(form);
    pie->SetColorEachPoint(false);
    auto* e = Edit<TPieSeriesEditor>(pie);
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->BColor->Enabled());
    EXPECT_FALSE(e->CBPalette->Enabled());
    ASSERT_GT(e->CBPalette->Items()->Count(), 2);
    EXPECT_EQ(e->CBPalette->ItemIndex(), chart->ColorPaletteIndex() + 1);

    e->CBColorEach->SetChecked(true);
    EXPECT_TRUE(pie->ColorEachPoint());
    EXPECT_FALSE(e->BColor->Enabled());
    EXPECT_TRUE(e->CBPalette->Enabled());
    e->CBPalette->SetItemIndex(3);
    e->CBPaletteChange(e->CBPalette);
    EXPECT_EQ(chart->ColorPaletteIndex(), 2);
    e->CBColorEach->SetChecked(false);
    EXPECT_TRUE(e->BColor->Enabled());
}

TEST_F(PieEditor, CircledOptionsAreInsertedOnceWithoutTheirColorControls) {
    auto* pie = new TPieSeries(form);
    auto* e = Edit<TPieSeriesEditor>(pie);
    ASSERT_NE(e, nullptr);
    ASSERT_NE(e->tmpCircled, nullptr);
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->Pages(1)->Caption(), QStringLiteral("Circled"));
    EXPECT_EQ(e->tmpCircled->Circled, pie);
    EXPECT_FALSE(e->tmpCircled->BBack->Visible());
    EXPECT_FALSE(e->tmpCircled->CBTransp->Visible());
    EXPECT_FALSE(e->tmpCircled->BGradient->Visible());
    TCircledSeriesEditor* circled = e->tmpCircled;
    ShowAgain(e);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(e->tmpCircled, circled);
    pages->SetActivePage(pages->Pages(1));
    editortest::Screenshot(form, "pie-series-editor-circled");
    FreeObject(e);
}

class CircledEditor : public SeriesEditorFixture {
protected:
    // The circled tab of a pie's editor, visited.
    TCircledSeriesEditor* CircledTab(TPieSeries* Pie) {
        auto* e = Edit<TPieSeriesEditor>(Pie);
        if (!e || !e->tmpCircled) return nullptr;
        Visit(pages->Pages(1));
        return e->tmpCircled;
    }
    void Visit(TTabSheet* Tab) {
        pages->SetActivePage(Tab);
        QCoreApplication::processEvents();
    }
};

TEST_F(CircledEditor, ShadowEditorIsMadeOnceAndRefreshedOnEveryShow) {
    auto* pie = new TPieSeries(form);
    TCircledSeriesEditor* c = CircledTab(pie);
    ASSERT_NE(c, nullptr);
    TTeeShadowEditor* shadow = c->ShadowEditor();
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(c->TabShadow->ControlCount(), 1);
    pie->Shadow()->SetHorizSize(9);
    // Every visit of the tab shows the embedded form again.
    for (int visit = 0; visit < 3; ++visit) {
        Visit(formatTab);
        Visit(pages->Pages(1));
    }
    ASSERT_TRUE(c->Showing());
    EXPECT_EQ(c->ShadowEditor(), shadow);
    EXPECT_EQ(c->TabShadow->ControlCount(), 1);
    EXPECT_EQ(shadow->Edit1->Text(), QStringLiteral("9"));
}

TEST_F(CircledEditor, AutoRadiusIsCheckedExactlyForZero) {
    auto* pie = new TPieSeries(form);
    pie->SetCustomYRadius(40);
    TCircledSeriesEditor* c = CircledTab(pie);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->CBAutoXR->Checked());
    EXPECT_FALSE(c->CBAutoYR->Checked());
    const struct {
        const char* text;
        int radius;
        bool autoChecked;
    } cases[] = {{"25", 25, false}, {"0", 0, true}, {"120", 120, false}, {"x", 120, false}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.text);
        c->Edit2->SetText(QString::fromLatin1(k.text));
        EXPECT_EQ(pie->CustomXRadius(), k.radius);
        EXPECT_EQ(c->CBAutoXR->Checked(), k.autoChecked);
    }
    c->CBAutoYR->SetChecked(true);
    EXPECT_EQ(pie->CustomYRadius(), 0);
    EXPECT_EQ(c->Edit3->Text(), QStringLiteral("0"));
}

TEST_F(CircledEditor, OptionsChangeTheSeriesAtOnce) {
    auto* pie = new TPieSeries(form);
    TCircledSeriesEditor* c = CircledTab(pie);
    ASSERT_NE(c, nullptr);
    c->CBCircled->SetChecked(true);
    EXPECT_TRUE(pie->Circled());
    c->CB3D->SetChecked(false);
    EXPECT_FALSE(chart->View3D());
    c->Edit1->SetText(QStringLiteral("90"));
    EXPECT_EQ(pie->RotationAngle(), 90);
    // The rotation wraps round past 360.
    c->UDRot->SetPosition(360);
    EXPECT_EQ(c->UDRot->Increment(), 5);
    EXPECT_TRUE(c->UDRot->Wrap());
}

TEST_F(CircledEditor, TransparentAndBackColorExcludeEachOther) {
    auto* pie = new TPieSeries(form);
    pie->SetParentChart(chart);
    pie->CircleGradient()->SetVisible(true);
    auto* c = new TCircledSeriesEditor(form);
    c->AfterConstruction();
    c->SetAlign(alNone);
    AddFormTo(c, formatTab, pie);
    QCoreApplication::processEvents();
    ASSERT_EQ(c->Circled, pie);
    editortest::Screenshot(c, "circled-series-editor");
    EXPECT_TRUE(c->CBTransp->Checked());
    EXPECT_FALSE(c->CBTransp->Enabled());

    editortest::DialogHook hook([](TCommonDialog* d) {
        auto* dialog = dynamic_cast<TColorDialog*>(d);
        if (dialog) dialog->SetColor(TColor(0x00FF00));
        return dialog != nullptr;
    });
    c->BBack->Click();
    EXPECT_EQ(pie->CircleBackColor(), TColor(0x00FF00));
    EXPECT_FALSE(c->CBTransp->Checked());
    EXPECT_TRUE(c->CBTransp->Enabled());

    c->CBTransp->SetChecked(true);
    EXPECT_EQ(pie->CircleBackColor(), clTeeColor);
    EXPECT_FALSE(pie->CircleGradient()->Visible());
    EXPECT_FALSE(c->CBTransp->Enabled());
    FreeObject(c);
}

} // namespace
