// The Axis page: every control writes its axis property (the edits, boxes, lists, pen
// buttons and dialogs), the axis list with custom axes (and the host told when one comes or
// goes), refused start positions, depth axes, the log base and the logarithmic switch a
// date-time axis refuses, and the range dialog reached from the page.
#include "EditorBaseTestSupport.h"
#include "EditorPagesTestSupport.h"

#include "chart/editor/AxisIncrement.h"
#include "chart/editor/AxisMaxMin.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/FormTeeAxis.h"
#include "chart/editor/FormatEditor.h"
#include "chart/editor/PenDialog.h"
#include "chart/editor/TeeFontEditor.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/series/LineSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FloatText.h"

#include <cmath>
#include <functional>

class AxisPage : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        auto* series = new TLineSeries(form);
        series->SetParentChart(chart);
        series->AddXY(0, 1);
        series->AddXY(10, 5);
    }
    void ShowPage(TChartAxis* Axis) {
        page = new TFormTeeAxis(form, Axis);
        page->AfterConstruction();
        page->NotifyCustom = TEvent<TChartAxis*>(this, &AxisPage::Notified);
        page->SetParent(form);
        page->SetBounds(300, 0, 460, 420);
        page->Show();
    }
    void Pick(int Index) {
        page->LBAxes->SetItemIndex(Index);
        page->LBAxesClick(page->LBAxes);
    }
    void Notified(TChartAxis* Axis) { notices.push_back(Axis); }

    TFormTeeAxis* page = nullptr;
    std::vector<TChartAxis*> notices;
};

TEST_F(AxisPage, NumericEditsWriteTheirAxisProperty) {
    TChartAxis* a = chart->LeftAxis();
    ShowPage(a);
    EditorScreenshot(page, "axis-page");
    struct Case {
        const char* name;
        TEdit* edit;
        int value;
        std::function<double()> read;
    };
    const Case cases[] = {
        {"min offset", page->EMinOff, -7, [&] { return a->MinimumOffset(); }},
        {"max offset", page->EMaxOff, 12, [&] { return a->MaximumOffset(); }},
        {"title angle", page->SETitleAngle, 90, [&] { return a->Title()->Angle(); }},
        {"title size", page->SETitleSize, 30, [&] { return a->TitleSize(); }},
        {"labels size", page->SELabelsSize, 40, [&] { return a->LabelsSize(); }},
        {"labels angle", page->SELabelsAngle, 270, [&] { return a->LabelsAngle(); }},
        {"separation", page->SESepar, 30, [&] { return a->LabelsSeparation(); }},
        {"tick length", page->SEAxisTickLength, 9, [&] { return a->TickLength(); }},
        {"inner ticks", page->SEInnerTicksLength, 3, [&] { return a->TickInnerLength(); }},
        {"minor ticks", page->SEAxisMinorTickLen, 2, [&] { return a->MinorTickLength(); }},
        {"minor count", page->Edit3, 4, [&] { return a->MinorTickCount(); }},
        {"grid minor count", page->SEMinorCount, 6, [&] { return a->MinorTickCount(); }},
        {"grid z", page->Edit2, 50, [&] { return a->Grid()->ZPosition(); }},
        {"draw every", page->EMarksEvery, 3, [&] { return a->Grid()->DrawEvery(); }},
        {"position", page->EPos, 20, [&] { return a->PositionPercent(); }},
        {"start", page->EStart, 10, [&] { return a->StartPosition(); }},
        {"end", page->EEnd, 90, [&] { return a->EndPosition(); }},
        {"z", page->Edit1, 30, [&] { return a->ZPosition(); }},
    };
    for (const Case& c : cases) {
        c.edit->SetText(QString::number(c.value));
        EXPECT_DOUBLE_EQ(c.read(), c.value) << c.name;
    }
    EXPECT_EQ(page->UDCount->Position(), 6) << "the two minor counts are one property";
    EXPECT_FALSE(page->CBShowAll->Checked());
    page->SESepar->SetText(QStringLiteral("0"));
    EXPECT_TRUE(page->CBShowAll->Checked());
    page->CBShowAll->SetChecked(false);
    EXPECT_EQ(a->LabelsSeparation(), 10);

    const std::pair<TCheckBox*, std::function<bool()>> boxes[] = {
        {page->CBInverted, [&] { return a->Inverted(); }},
        {page->CBMultiline, [&] { return a->LabelsMultiLine(); }},
        {page->CBOnAxis, [&] { return a->LabelsOnAxis(); }},
        {page->CBRoundFirst, [&] { return a->RoundFirstLabel(); }},
        {page->CBAlternate, [&] { return a->LabelsAlternate(); }},
        {page->CBExpo, [&] { return a->LabelsExponent(); }},
        {page->CBTickOnLabels, [&] { return a->TickOnLabelsOnly(); }},
        {page->CBGridCentered, [&] { return a->GridCentered(); }},
        {page->CBTitleVisible, [&] { return a->Title()->Visible(); }},
        {page->CBLabels, [&] { return a->Labels(); }},
        {page->CBVisible, [&] { return a->Visible(); }},
    };
    for (const auto& [box, read] : boxes) {
        box->SetChecked(!box->Checked());
        EXPECT_EQ(read(), box->Checked()) << box->Name().toStdString();
    }
    page->CBLabelStyle->SetItemIndex(2);
    page->CBLabelStyleChange(page->CBLabelStyle);
    EXPECT_EQ(a->LabelStyle(), talValue);
    page->CBPosUnits->SetItemIndex(1);
    page->CBPosUnitsChange(page->CBPosUnits);
    EXPECT_EQ(a->PosUnits(), muPixels);
    page->ETitle->SetText(QStringLiteral("Volts"));
    EXPECT_EQ(a->Title()->Caption(), QStringLiteral("Volts"));
    page->CBLabelAlign->SetChecked(false);
    EXPECT_EQ(a->LabelsAlign(), alOpposite);
    page->CBFormat->SetText(QStringLiteral("0.00"));
    page->CBFormatChange(page->CBFormat);
    EXPECT_EQ(a->ValuesFormat(), QStringLiteral("0.00"));
    // Automatic off turns both ends off.
    page->CBAutomatic->SetChecked(false);
    EXPECT_FALSE(a->Automatic());
    EXPECT_FALSE(a->AutomaticMaximum());
    EXPECT_FALSE(page->CBAutoMax->Checked());
}

TEST_F(AxisPage, BoxesListsPenButtonsAndDialogsWriteTheirAxisProperty) {
    TChartAxis* a = chart->LeftAxis();
    ShowPage(a);
    using editortest::Click;
    using editortest::SendKey;

    // Each box clicked on and off again.
    struct BoxCase {
        TTabSheet* tab;
        TCheckBox* box;
        std::function<bool()> read;
    };
    const BoxCase boxes[] = {
        {nullptr, page->CBShow, [&] { return chart->Axes()->Visible(); }},
        {nullptr, page->CBAxisBeh, [&] { return chart->Axes()->Behind(); }},
        {page->TabScales, page->CBMinRound, [&] { return a->MinimumRound(); }},
        {page->TabScales, page->CBMaxRound, [&] { return a->MaximumRound(); }},
        {page->TabScales, page->CBAutoMin, [&] { return a->AutomaticMinimum(); }},
        {page->TabScales, page->CBAutoMax, [&] { return a->AutomaticMaximum(); }},
    };
    for (const BoxCase& c : boxes) {
        SCOPED_TRACE(c.box->Name().toStdString());
        if (c.tab) page->PageAxis->SetActivePage(c.tab);
        const bool before = c.read();
        ASSERT_EQ(c.box->Checked(), before);
        Click(c.box);
        EXPECT_NE(c.read(), before);
        EXPECT_EQ(c.box->Checked(), c.read());
        Click(c.box);
        EXPECT_EQ(c.read(), before);
    }
    // An automatic end off disables its Round box.
    Click(page->CBAutoMin);
    EXPECT_FALSE(page->CBMinRound->Enabled());
    EXPECT_TRUE(page->CBMaxRound->Enabled());
    Click(page->CBAutoMin);
    EXPECT_TRUE(page->CBMinRound->Enabled());
    // Automatic on again takes the range from the series once more.
    Click(page->CBAutomatic);
    ASSERT_FALSE(a->Automatic());
    a->SetMinimum(-50);
    Click(page->CBAutomatic);
    EXPECT_TRUE(a->Automatic());
    EXPECT_TRUE(a->AutomaticMinimum());
    EXPECT_TRUE(page->CBAutoMin->Checked());
    EXPECT_GT(a->Minimum(), -50);
    EXPECT_EQ(page->LAxisMin->Caption(), FormatFloat(a->ValuesFormat(), a->Minimum()));

    // The lists walked with the arrow keys, one item at a time.
    page->PageAxis->SetActivePage(page->TabLabels);
    SendKey(page->CBLabelStyle, Qt::Key_End);
    for (TAxisLabelStyle style : {talText, talMark, talValue, talNone, talAuto}) {
        EXPECT_EQ(a->LabelStyle(), style) << page->CBLabelStyle->Text().toStdString();
        SendKey(page->CBLabelStyle, Qt::Key_Up);
    }
    page->PageAxis->SetActivePage(page->TabPosition);
    SendKey(page->CBPosUnits, Qt::Key_Down);
    EXPECT_EQ(a->PosUnits(), muPixels);
    SendKey(page->CBPosUnits, Qt::Key_Up);
    EXPECT_EQ(a->PosUnits(), muPercent);

    // Each pen button edits its pen of the axis being shown, also after another is picked.
    {
        struct PenCase {
            TTabSheet* tab;
            TButtonPen* button;
            std::function<TPen*()> pen;
        };
        const PenCase pens[] = {
            {page->TabTicks, page->BAxisPen, [&] { return page->TheAxis->Axis(); }},
            {page->TabTicks, page->BTickPen, [&] { return page->TheAxis->Ticks(); }},
            {page->TabTicks, page->BTickInner, [&] { return page->TheAxis->TicksInner(); }},
            {page->TabTicks, page->BTickMinor, [&] { return page->TheAxis->MinorTicks(); }},
            {page->TabGrid, page->BAxisGrid, [&] { return page->TheAxis->Grid(); }},
            {page->TabGrid, page->BMinorGrid, [&] { return page->TheAxis->MinorGrid(); }},
        };
        TDialogsAnswered dialogs;
        TPen* edited = nullptr;
        dialogs.OnModal = [&](TCustomForm* f) {
            if (auto* d = dynamic_cast<TPenDialog*>(f)) edited = d->ThePen;
            return int(mrCancel);
        };
        for (int index : {0, 3}) {
            Pick(index);
            for (const PenCase& c : pens) {
                SCOPED_TRACE(c.button->Name().toStdString() + " of axis " + std::to_string(index));
                page->PageAxis->SetActivePage(c.tab);
                edited = nullptr;
                Click(c.button);
                EXPECT_EQ(edited, c.pen());
            }
        }
        Pick(0);
    }

    // The format dialog starts from the list's text, offers no dates on a value axis and
    // stores what it gives back.
    {
        page->PageAxis->SetActivePage(page->TabLabels);
        page->PageLabels->SetActivePage(page->TabLabelsFormat);
        const String before = page->CBFormat->Text();
        TDialogsAnswered dialogs;
        String given;
        bool dates = true;
        dialogs.OnModal = [&](TCustomForm* f) {
            auto* d = static_cast<TFormatEditor*>(f);
            f->Show();
            given = d->Format;
            dates = d->RBDate->Visible();
            Click(d->RBCustom);
            d->CBCustom->SetText(QStringLiteral("0.0 V"));
            return int(mrOk);
        };
        Click(page->Button1);
        EXPECT_EQ(given, before);
        EXPECT_FALSE(dates);
        EXPECT_EQ(a->ValuesFormat(), QStringLiteral("0.0 V"));
        EXPECT_EQ(page->CBFormat->Text(), QStringLiteral("0.0 V"));
    }

    // The increment dialog's answer goes into the axis and onto the page.
    {
        page->PageAxis->SetActivePage(page->TabScales);
        TDialogsAnswered dialogs;
        dialogs.OnModal = [&](TCustomForm* f) {
            auto* d = static_cast<TAxisIncrement*>(f);
            f->Show();
            d->ECustom->SetText(QStringLiteral("2.5"));
            d->BOk->Click();
            return int(f->ModalResult());
        };
        Click(page->BIncre);
        EXPECT_DOUBLE_EQ(a->DesiredIncrement(), 2.5);
        EXPECT_EQ(page->LAxisIncre->Caption(), FloatToStr(2.5));
    }

    // Other side: only a custom axis has it.
    page->PageAxis->SetActivePage(page->TabPosition);
    Click(page->CBOtherSide);
    EXPECT_FALSE(a->OtherSide()) << "disabled on a built-in axis";
    page->BAdd->Click();
    TChartAxis* custom = chart->CustomAxes()->Get(0);
    ASSERT_EQ(page->TheAxis, custom);
    page->PageAxis->SetActivePage(page->TabPosition);
    Click(page->CBOtherSide);
    EXPECT_TRUE(custom->OtherSide());
    Click(page->CBOtherSide);
    EXPECT_FALSE(custom->OtherSide());
}

TEST_F(AxisPage, DateTimeAxisTakesTheFormatAsTypedAndRefusesLogarithmic) {
    static_cast<TLineSeries*>(chart->Series(0))->XValues()->SetDateTime(true);
    TChartAxis* a = chart->BottomAxis();
    ShowPage(a);
    page->PageAxis->SetActivePage(page->TabLabels);
    page->PageLabels->SetActivePage(page->TabLabelsFormat);
    EXPECT_EQ(page->LFormat->Caption(), QStringLiteral("DateTime For&mat:"));
    const String values = a->ValuesFormat();
    // The whole text selected from its start, then typed over.
    editortest::SendKey(page->CBFormat, Qt::Key_Home);
    editortest::SendKey(page->CBFormat, Qt::Key_End, Qt::ShiftModifier);
    for (QChar c : QStringLiteral("dd-mm-yyyy"))
        editortest::SendKey(page->CBFormat, 0, Qt::NoModifier, QString(c));
    EXPECT_EQ(a->DateTimeFormat(), QStringLiteral("dd-mm-yyyy"));
    EXPECT_EQ(a->ValuesFormat(), values);

    // The refusal reaches the user; the box and the log-base controls go back.
    page->PageAxis->SetActivePage(page->TabScales);
    std::vector<String> errors;
    Application->OnException = TExceptionEvent([&](TObject*, Exception* E) { errors.push_back(E->Message); });
    editortest::Click(page->CBLogarithmic);
    Application->OnException = nullptr;
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QStringLiteral("DateTime Axis cannot be Logarithmic"));
    EXPECT_FALSE(a->Logarithmic());
    EXPECT_FALSE(page->CBLogarithmic->Checked());
    EXPECT_FALSE(page->ELogBase->Enabled());
    EXPECT_FALSE(page->LogE->Enabled());
}

TEST_F(AxisPage, CustomAxesListedByNumberAndTheHostToldOfEachChange) {
    ShowPage(chart->LeftAxis());
    ASSERT_EQ(page->LBAxes->Items()->Count(), 6);
    EXPECT_FALSE(page->BDelete->Enabled());
    page->BAdd->Click();
    page->BAdd->Click();
    ASSERT_EQ(chart->CustomAxes()->Count(), 2);
    ASSERT_EQ(page->LBAxes->Items()->Count(), 8);
    EXPECT_EQ(page->LBAxes->Items()->Strings(6), QStringLiteral("Custom 0"));
    EXPECT_EQ(page->LBAxes->Items()->Strings(7), QStringLiteral("Custom 1"));
    EXPECT_EQ(page->LBAxes->ItemIndex(), 7);
    EXPECT_TRUE(page->BDelete->Enabled());
    EXPECT_TRUE(page->CBHorizAxis->Enabled());
    ASSERT_EQ(notices.size(), 2u) << "the series page's axis lists follow new axes";
    EXPECT_EQ(notices[1], chart->CustomAxes()->Get(1));

    page->CBHorizAxis->SetChecked(true);
    EXPECT_TRUE(chart->CustomAxes()->Get(1)->Horizontal());
    EXPECT_EQ(notices.size(), 3u);

    page->BDelete->Click();
    EXPECT_EQ(chart->CustomAxes()->Count(), 1);
    EXPECT_EQ(page->LBAxes->Items()->Count(), 7);
    EXPECT_EQ(page->LBAxes->ItemIndex(), 6) << "the first custom axis";
    EXPECT_EQ(page->TheAxis, chart->CustomAxes()->Get(0));
    ASSERT_EQ(notices.size(), 4u);
    EXPECT_EQ(notices[3], nullptr) << "told after a delete";

    // Built-in axes cannot turn or go.
    Pick(3);
    EXPECT_EQ(page->TheAxis, chart->BottomAxis());
    EXPECT_FALSE(page->BDelete->Enabled());
    EXPECT_FALSE(page->CBOtherSide->Enabled());
}

TEST_F(AxisPage, StartAtTheEndIsRefusedAndDepthAxesLockTheirControls) {
    TChartAxis* a = chart->LeftAxis();
    a->SetStartPosition(20);
    ShowPage(a);
    ASSERT_EQ(a->EndPosition(), 100);
    page->EStart->SetText(QStringLiteral("100"));
    EXPECT_DOUBLE_EQ(a->StartPosition(), 20);
    EXPECT_EQ(page->UDStart->Position(), 20);
    EXPECT_EQ(page->EStart->Text(), QStringLiteral("20"));
    page->EEnd->SetText(QStringLiteral("10"));
    EXPECT_DOUBLE_EQ(a->EndPosition(), 100);

    Pick(4);
    EXPECT_EQ(page->TheAxis, chart->DepthAxis());
    EXPECT_FALSE(page->CBLogarithmic->Enabled());
    EXPECT_FALSE(page->Edit1->Enabled());
    EXPECT_FALSE(page->UDZPos->Enabled());
    EXPECT_FALSE(page->CBLabelAlign->Enabled());
    Pick(0);
    EXPECT_TRUE(page->CBLogarithmic->Enabled());
    EXPECT_TRUE(page->CBLabelAlign->Enabled());
    Pick(3);
    EXPECT_FALSE(page->CBLabelAlign->Enabled()) << "a horizontal axis";
}

TEST_F(AxisPage, LogBaseTakesEAndIgnoresZeroAndOne) {
    TChartAxis* a = chart->LeftAxis();
    ShowPage(a);
    EXPECT_FALSE(page->ELogBase->Enabled());
    page->CBLogarithmic->SetChecked(true);
    EXPECT_TRUE(a->Logarithmic());
    EXPECT_TRUE(page->ELogBase->Enabled());
    EXPECT_TRUE(page->LogE->Enabled());
    page->LogE->SetChecked(true);
    EXPECT_DOUBLE_EQ(a->LogarithmicBase(), double(StrToFloat(FloatToStr(std::exp(1.0)))));
    EXPECT_FALSE(page->LogE->Enabled());
    for (const char* ignored : {"0", "1", "x"}) {
        page->ELogBase->SetText(QString::fromLatin1(ignored));
        EXPECT_NEAR(a->LogarithmicBase(), std::exp(1.0), 1e-9) << ignored;
    }
    page->ELogBase->SetText(QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(a->LogarithmicBase(), 2);
    EXPECT_FALSE(page->LogE->Checked());
    EXPECT_TRUE(page->LogE->Enabled());
}

TEST_F(AxisPage, ChangeEitherEndThroughTheRangeDialog) {
    TChartAxis* a = chart->LeftAxis();
    ShowPage(a);
    struct Case {
        TButton* button;
        TCheckBox* autoBox;
        const char* word;
        const char* typed;
        double value;
        std::function<double()> read;
        std::function<bool()> automatic;
        TLabel* shown;
    };
    const Case cases[] = {
        {page->BAxisMin, page->CBAutoMin, "Minimum ", "-2", -2, [&] { return a->Minimum(); },
         [&] { return a->AutomaticMinimum(); }, page->LAxisMin},
        {page->BAxisMax, page->CBAutoMax, "Maximum ", "20", 20, [&] { return a->Maximum(); },
         [&] { return a->AutomaticMaximum(); }, page->LAxisMax},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        TDialogsAnswered dialogs;
        String caption;
        dialogs.OnModal = [&](TCustomForm* f) {
            auto* d = static_cast<TAxisMaxMin*>(f);
            f->Show();
            caption = f->Caption();
            d->EMaximum->SetText(QString::fromLatin1(c.typed));
            d->BOk->Click();
            return int(f->ModalResult());
        };
        editortest::Click(c.button);
        EXPECT_DOUBLE_EQ(c.read(), c.value);
        EXPECT_FALSE(c.automatic());
        EXPECT_FALSE(c.autoBox->Checked());
        EXPECT_TRUE(caption.startsWith(QString::fromLatin1(c.word))) << caption.toStdString();
        EXPECT_EQ(c.shown->Caption(), FormatFloat(a->ValuesFormat(), c.value));
    }
}

TEST_F(AxisPage, TextAndFormatTabsGetTheirEditorsOnFirstVisit) {
    ShowPage(chart->LeftAxis());
    EXPECT_EQ(page->ILabelsFont, nullptr);
    page->PageAxis->SetActivePage(page->TabLabels);
    page->PageLabels->SetActivePage(page->TabLabelsFont);
    page->PageLabelsChange(page->PageLabels);
    ASSERT_NE(page->ILabelsFont, nullptr);
    EXPECT_EQ(page->ILabelsFont->Parent(), page->TabLabelsFont);
    TTeeFontEditor* first = page->ILabelsFont;
    page->PageLabelsChange(page->PageLabels);
    EXPECT_EQ(page->ILabelsFont, first) << "made once";

    page->PageAxis->SetActivePage(page->TabTitle);
    page->PageTitle->SetActivePage(page->TabTitleFormat);
    page->PageTitleChange(page->PageTitle);
    ASSERT_NE(page->ITitleEditor, nullptr);
    EXPECT_GT(page->PageTitleFormat->PageCount(), 0);
    EditorScreenshot(page, "axis-page-title-format");
}
