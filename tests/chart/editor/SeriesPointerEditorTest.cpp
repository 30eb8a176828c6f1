// The pointer editor driven through its controls: each control changes the series' pointer
// at once, and the enabling rules follow the pointer and the chart.
#include "EditorPagesTestSupport.h"

#include "chart/editor/ButtonPen.h"
#include "chart/editor/FormTeeSeries.h"
#include "chart/editor/SeriesPointerEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/series/LineSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"

#include <memory>

class PointerEditor : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        series = new TLineSeries(form);
        series->SetName(QStringLiteral("Series1"));
        series->SetParentChart(chart);
        for (int i = 0; i < 5; ++i)
            series->AddXY(i, i * i);
        host = new TPanel(form);
        host->SetParent(form);
        host->SetBounds(300, 0, 440, 300);
    }
    // The editor embedded in the host with Element as its Tag, shown.
    TSeriesPointerEditor* Embed(TObject* Element) {
        auto* editor =
            static_cast<TSeriesPointerEditor*>(TSeriesPointerEditor::StaticClass()->CreateComponent(form));
        AddFormTo(editor, host, Element);
        editor->FormShow(editor);
        return editor;
    }
    TSeriesPointer* Pointer() { return series->Pointer(); }

    TLineSeries* series = nullptr;
    TPanel* host = nullptr;
};

TEST_F(PointerEditor, ControlsShowThePointerAndChangeItAtOnce) {
    Pointer()->SetVisible(true);
    Pointer()->SetHorizSize(6);
    Pointer()->SetVertSize(7);
    Pointer()->SetStyle(psDiamond);
    series->SetColorEachPoint(true);
    series->SetTreatNulls(tnIgnore);
    TSeriesPointerEditor* e = Embed(series);
    EXPECT_EQ(e->Pointer(), Pointer());
    EXPECT_TRUE(e->CBDrawPoint->Checked());
    EXPECT_EQ(e->SEPointHorizSize->Text(), QStringLiteral("6"));
    EXPECT_EQ(e->SEPointVertSize->Text(), QStringLiteral("7"));
    EXPECT_EQ(e->CBStyle->ItemIndex(), int(psDiamond));
    EXPECT_EQ(e->CBStyle->Items()->Count(), int(psHexagon) + 1);
    EXPECT_TRUE(e->CBColorEach->Visible());
    EXPECT_TRUE(e->CBColorEach->Checked());
    EXPECT_TRUE(e->CBIgnoreNulls->Checked());
    EXPECT_FALSE(e->PanelBottom->Visible());
    EditorScreenshot(e, "series-pointer-editor");

    e->UDPointHorizSize->SetPosition(9);
    EXPECT_EQ(Pointer()->HorizSize(), 9);
    e->SEPointVertSize->SetText(QStringLiteral("11"));
    EXPECT_EQ(Pointer()->VertSize(), 11);
    // Text that is no size (empty while retyping, 0) leaves the pointer as it was.
    e->SEPointVertSize->SetText(QString());
    e->SEPointVertSize->SetText(QStringLiteral("0"));
    EXPECT_EQ(Pointer()->VertSize(), 11);
    e->CBStyle->SetItemIndex(int(psHexagon));
    e->CBStyleChange(e->CBStyle);
    EXPECT_EQ(Pointer()->Style(), psHexagon);
    e->CBInflate->SetChecked(!Pointer()->InflateMargins());
    EXPECT_EQ(Pointer()->InflateMargins(), e->CBInflate->Checked());
    e->TBTransp->SetPosition(40);
    EXPECT_EQ(Pointer()->Transparency(), 40);
    e->CBColorEach->SetChecked(false);
    EXPECT_FALSE(series->ColorEachPoint());
    e->CBIgnoreNulls->SetChecked(false);
    EXPECT_EQ(series->TreatNulls(), tnDontPaint);
    e->CBIgnoreNulls->SetChecked(true);
    EXPECT_EQ(series->TreatNulls(), tnIgnore);
}

TEST_F(PointerEditor, UncheckingVisibleGreysThePointerControls) {
    chart->SetView3D(true);
    Pointer()->SetVisible(true);
    Pointer()->SetStyle(psRectangle);
    TSeriesPointerEditor* e = Embed(series);
    TControl* const followers[] = {e->CBInflate,       e->SEPointHorizSize, e->UDPointHorizSize,
                                   e->SEPointVertSize, e->UDPointVertSize,  e->BPointFillColor,
                                   e->CBStyle,         e->BPoinPenCol,      e->CBDefBrushColor};
    for (TControl* c : followers)
        EXPECT_TRUE(c->Enabled()) << c->Name().toStdString();
    EXPECT_TRUE(e->CB3dPoint->Enabled());

    e->CBDrawPoint->SetChecked(false);
    EXPECT_FALSE(Pointer()->Visible());
    for (TControl* c : followers)
        EXPECT_FALSE(c->Enabled()) << c->Name().toStdString();
    EXPECT_FALSE(e->CB3dPoint->Enabled());
    EXPECT_FALSE(e->CBPoDark->Enabled());

    e->CBDrawPoint->SetChecked(true);
    EXPECT_TRUE(Pointer()->Visible());
    for (TControl* c : followers)
        EXPECT_TRUE(c->Enabled()) << c->Name().toStdString();
    EXPECT_TRUE(e->CB3dPoint->Enabled());
}

TEST_F(PointerEditor, ThreeDEnablingFollowsStyleAndChart) {
    struct Case {
        bool view3D;
        TSeriesPointerStyle style;
        bool draw3D;
        bool enabled3D;
        bool enabledDark;
    };
    const Case cases[] = {
        {true, psRectangle, true, true, true},
        {true, psRectangle, false, true, false},
        {true, psTriangle, true, true, true},
        {true, psDownTriangle, true, true, true},
        // An ordinary canvas cannot rotate a circle: no 3-D circles.
        {true, psCircle, true, false, false},
        {true, psDiamond, true, false, false},
        {false, psRectangle, true, false, false},
    };
    for (const Case& c : cases) {
        chart->SetView3D(c.view3D);
        Pointer()->SetVisible(true);
        Pointer()->SetStyle(psStar);
        Pointer()->SetDraw3D(c.draw3D);
        TSeriesPointerEditor* e = Embed(series);
        // The style is chosen through the list, as a user does.
        e->CBStyle->SetItemIndex(int(c.style));
        e->CBStyleChange(e->CBStyle);
        EXPECT_EQ(e->CB3dPoint->Enabled(), c.enabled3D) << int(c.style) << " 3D " << c.view3D;
        EXPECT_EQ(e->CBPoDark->Enabled(), c.enabledDark) << int(c.style) << " 3D " << c.view3D;
        delete e;
    }
}

TEST_F(PointerEditor, FixedSizePointerShowsNoSizeControls) {
    Pointer()->SetAllowChangeSize(false);
    TSeriesPointerEditor* e = Embed(series);
    for (TControl* c :
         {static_cast<TControl*>(e->LWidth), static_cast<TControl*>(e->SEPointHorizSize),
          static_cast<TControl*>(e->UDPointHorizSize), static_cast<TControl*>(e->LHeight),
          static_cast<TControl*>(e->SEPointVertSize), static_cast<TControl*>(e->UDPointVertSize)})
        EXPECT_FALSE(c->Visible()) << c->Name().toStdString();
    EXPECT_TRUE(e->CBStyle->Visible());
}

TEST_F(PointerEditor, DefaultColoursCheckAndSetBothColours) {
    Pointer()->Brush()->SetColor(clRed);
    Pointer()->Pen()->SetColor(clTeeColor);
    TSeriesPointerEditor* e = Embed(series);
    EXPECT_FALSE(e->CBDefBrushColor->Checked());
    e->CBDefBrushColor->SetChecked(true);
    EXPECT_EQ(Pointer()->Brush()->Color(), clTeeColor);
    EXPECT_EQ(Pointer()->Pen()->Color(), clTeeColor);
    e->CBDefBrushColor->SetChecked(false);
    EXPECT_EQ(Pointer()->Pen()->Color(), clBlack);
    EXPECT_EQ(Pointer()->Brush()->Color(), clTeeColor);
}

TEST_F(PointerEditor, PointerInTagHidesTheSeriesOptions) {
    TSeriesPointerEditor* e = Embed(Pointer());
    EXPECT_EQ(e->Pointer(), Pointer());
    EXPECT_FALSE(e->CBColorEach->Visible());
    EXPECT_FALSE(e->CBIgnoreNulls->Visible());
    EXPECT_FALSE(e->CBIgnoreNulls->Enabled());
}

TEST_F(PointerEditor, EditSeriesPointerShowsAModalPointerDialog) {
    TDialogsAnswered answers;
    TSeriesPointerEditor* shown = nullptr;
    bool bottom = false, inflate = true, colorEach = true;
    String caption;
    answers.OnModal = [&](TCustomForm* f) {
        shown = dynamic_cast<TSeriesPointerEditor*>(f);
        if (shown) {
            shown->FormShow(shown);
            caption = shown->Caption();
            bottom = shown->PanelBottom->Visible();
            inflate = shown->CBInflate->Visible();
            colorEach = shown->CBColorEach->Visible();
            shown->CBDrawPoint->SetChecked(!Pointer()->Visible());
        }
        return int(mrOk);
    };
    const bool wasVisible = Pointer()->Visible();
    EXPECT_TRUE(EditSeriesPointer(form, Pointer()));
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(caption, QStringLiteral("Pointer"));
    EXPECT_TRUE(bottom);
    EXPECT_FALSE(inflate);
    EXPECT_FALSE(colorEach);
    EXPECT_NE(Pointer()->Visible(), wasVisible);
}

TEST_F(PointerEditor, InsertPointerFormAddsATabToTheSeriesPage) {
    auto* page = static_cast<TFormTeeSeries*>(TFormTeeSeries::StaticClass()->CreateComponent(form));
    AddFormTo(page, host);
    const int before = page->PageSeries->PageCount();
    TSeriesPointerEditor* e = TeeInsertPointerForm(page->TheTabSheet, Pointer(), QStringLiteral("Point"));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(page->PageSeries->PageCount(), before + 1);
    ASSERT_EQ(page->InsertedTabs().size(), 1u);
    EXPECT_EQ(page->InsertedTabs()[0]->Caption(), QStringLiteral("Point"));
    EXPECT_EQ(page->InsertedTabs()[0]->PageIndex(), 1);
    EXPECT_EQ(e->Parent(), page->InsertedTabs()[0]);
    EXPECT_EQ(e->Owner(), page);
    EXPECT_EQ(TeeFormTagObject(e), Pointer());
    page->DestroySeriesForms();
    EXPECT_EQ(page->PageSeries->PageCount(), before);
    EXPECT_TRUE(page->InsertedTabs().empty());

    // Outside a series page the form is a plain child of the parent.
    std::unique_ptr<TSeriesPointerEditor> plain(
        TeeInsertPointerForm(host, Pointer(), QStringLiteral("Point")));
    EXPECT_EQ(plain->Owner(), host);
    EXPECT_EQ(plain->Caption(), QStringLiteral("Point"));
    EXPECT_EQ(TeeFormTagObject(plain.get()), Pointer());
}
