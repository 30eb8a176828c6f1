// The series galleries: adding a series with the type of the selected one preselected,
// retyping without functions, cancelling, the alternate gallery of the "GalleryMode" option
// with its rows of sub-styles, the series list retyping through the gallery, and the
// list's gallery procedures installed by the library's start-up.
#include "EditorBaseTestSupport.h"
#include "GalleryTestSupport.h"

#include "chart/editor/ChartEditorStartup.h"
#include "chart/editor/ChartListBox.h"
#include "chart/editor/TeeGalleryAlternate.h"
#include "chart/editor/TeeGalleryPanel.h"
#include "chart/editor/TeeGally.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/series/AreaSeries.h"
#include "chart/series/BarSeries.h"
#include "chart/series/BasicFunctions.h"
#include "chart/series/LineSeries.h"
#include "chart/series/PieSeries.h"
#include "platform/classes/LibraryStartup.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TabControl.h"

#include <QTemporaryDir>

#include <functional>

using namespace editortest;
using namespace gallerytest;

namespace {
QStringList TabsOf(TTabControl* Tabs) {
    QStringList out;
    for (int i = 0; i < Tabs->Tabs()->Count(); ++i)
        out << Tabs->Tabs()->Strings(i);
    return out;
}

// The index of the thumbnail whose first series is of the class, -1 when none.
int ChartOf(TChartGalleryPanel* Panel, TClass SeriesClass) {
    for (int i = 0; i < Panel->Charts()->Count(); ++i)
        if (Panel->GetChart(i)->SeriesCount() > 0 &&
            Panel->GetChart(i)->Series(0)->ClassType() == SeriesClass &&
            !Panel->GetChart(i)->Series(0)->FunctionType())
            return i;
    return -1;
}

struct GalleryFixture : ::testing::Test {
    QTemporaryDir dir;
    Owned<TForm> form{new TForm(nullptr, 0)};
    TChart* chart = nullptr;
    void SetUp() override {
        SetRegistryFileName(dir.filePath(QStringLiteral("registry.ini")));
        form->SetClientSize(400, 300);
        chart = new TChart(form.get());
        chart->SetParent(form.get());
        chart->SetBounds(0, 0, 300, 200);
        form->Show();
    }
    void TearDown() override {
        form.reset();
        SetRegistryFileName(QString());
    }
    template <class S> S* add(const QString& Title) {
        auto* s = new S(form.get());
        s->SetTitle(Title);
        s->SetParentChart(chart);
        return s;
    }
    // Answers the standard gallery: Pick chooses from its panel; Cancel when it answers null.
    using TPick = std::function<TGalleryChart*(TTeeGallery*)>;
    ModalHook answer(TPick Pick, int* Shown = nullptr) {
        return ModalHook([Pick, Shown](TCustomForm* Form) {
            auto* gallery = dynamic_cast<TTeeGallery*>(Form);
            EXPECT_NE(gallery, nullptr);
            if (!gallery) return int(mrCancel);
            if (Shown) ++*Shown;
            Form->Show();
            TGalleryChart* chosen = Pick(gallery);
            if (!chosen) {
                Click(gallery->Button2);
                return int(Form->ModalResult());
            }
            DoubleClick(chosen, 10, 10);
            return int(Form->ModalResult());
        });
    }
};
} // namespace

TEST_F(GalleryFixture, AddingOpensTheStandardPageWithTheSelectedTypeFocused) {
    add<TLineSeries>(QStringLiteral("Line"));
    TChartSeries* bar = add<TBarSeries>(QStringLiteral("Bar"));
    Owned<TChartListBox> list(new TChartListBox(form.get()));
    list->SetParent(form.get());
    list->SetChart(chart);
    list->SelectSeries(1);
    ASSERT_NE(TeeAddGalleryProc, nullptr);
    QStringList seen;
    auto hook = answer([&](TTeeGallery* g) -> TGalleryChart* {
        seen = TabsOf(g->TabTypes);
        EXPECT_EQ(g->Caption(), "VorUvivi Gallery");
        EXPECT_EQ(g->TabPages->Tabs()->Strings(0), TeeMsg_GalleryStandard);
        EXPECT_EQ(g->TabPages->TabIndex(), 0);
        TGalleryChart* focused = g->ChartGalleryPanel1->SelectedChart();
        EXPECT_NE(focused, nullptr);
        if (focused) {
            EXPECT_EQ(focused->Series(0)->ClassType(), TBarSeries::StaticClass());
        }
        const int area = ChartOf(g->ChartGalleryPanel1, TAreaSeries::StaticClass());
        return area < 0 ? nullptr : g->ChartGalleryPanel1->GetChart(area);
    });
    TChartSeries* made = list->AddSeriesGallery();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(seen, QStringList({TeeMsg_Series, TeeMsg_GalleryFunctions}));
    EXPECT_EQ(made->ClassType(), TAreaSeries::StaticClass());
    EXPECT_EQ(made->ParentChart(), chart);
    EXPECT_EQ(chart->SeriesCount(), 3);
    EXPECT_EQ(list->SelectedSeries(), made);
    EXPECT_EQ(bar->ParentChart(), chart);
}

TEST_F(GalleryFixture, RetypingShowsOnlySeriesAndCancelLeavesTheSeries) {
    TChartSeries* line = add<TLineSeries>(QStringLiteral("Line"));
    line->SetName(QStringLiteral("Line1"));
    QStringList seen;
    bool functionsShown = true;
    {
        auto hook = answer([&](TTeeGallery* g) -> TGalleryChart* {
            seen = TabsOf(g->TabTypes);
            functionsShown = g->ChartGalleryPanel1->FunctionsVisible;
            return nullptr;
        });
        TChartSeries* s = line;
        EXPECT_EQ(ChangeSeriesTypeGallery(form.get(), s), nullptr);
        EXPECT_EQ(s, line);
    }
    EXPECT_EQ(seen, QStringList({TeeMsg_Series}));
    EXPECT_FALSE(functionsShown);
    EXPECT_EQ(chart->Series(0), line);
    EXPECT_EQ(line->Title(), "Line");
    // Choosing another type puts a series of it in the old one's place.
    auto hook = answer([&](TTeeGallery* g) -> TGalleryChart* {
        const int bar = ChartOf(g->ChartGalleryPanel1, TBarSeries::StaticClass());
        return bar < 0 ? nullptr : g->ChartGalleryPanel1->GetChart(bar);
    });
    TChartSeries* s = line;
    TChartSeries* made = ChangeSeriesTypeGallery(form.get(), s);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(s, made);
    EXPECT_EQ(made->ClassType(), TBarSeries::StaticClass());
    EXPECT_EQ(made->Title(), "Line");
    EXPECT_EQ(made->Name(), "Line1");
    EXPECT_EQ(chart->SeriesCount(), 1);
    EXPECT_EQ(chart->Series(0), made);
}

TEST_F(GalleryFixture, TheListRetypesEverySelectedSeriesToTheFirstOnesType) {
    add<TLineSeries>(QStringLiteral("A"));
    add<TAreaSeries>(QStringLiteral("B"));
    add<TLineSeries>(QStringLiteral("C"));
    Owned<TChartListBox> list(new TChartListBox(form.get()));
    list->SetParent(form.get());
    list->SetChart(chart);
    list->ClearSelection();
    list->SetSelected(0, true);
    list->SetSelected(1, true);
    list->SetItemIndex(0);
    struct Case {
        TClass picked; // null: the gallery is cancelled
        TClass first, second;
    };
    // Cancelled, the first keeps its type and the second takes it.
    const Case cases[] = {
        {TBarSeries::StaticClass(), TBarSeries::StaticClass(), TBarSeries::StaticClass()},
        {nullptr, TBarSeries::StaticClass(), TBarSeries::StaticClass()},
        {TLineSeries::StaticClass(), TLineSeries::StaticClass(), TLineSeries::StaticClass()}};
    for (const Case& c : cases) {
        auto hook = answer([&](TTeeGallery* g) -> TGalleryChart* {
            if (!c.picked) return nullptr;
            const int at = ChartOf(g->ChartGalleryPanel1, c.picked);
            return at < 0 ? nullptr : g->ChartGalleryPanel1->GetChart(at);
        });
        list->ChangeTypeSeries(list.get());
        EXPECT_EQ(chart->Series(0)->ClassType(), c.first);
        EXPECT_EQ(chart->Series(1)->ClassType(), c.second);
        EXPECT_EQ(chart->Series(2)->ClassType(), TLineSeries::StaticClass());
        EXPECT_EQ(chart->SeriesCount(), 3);
        EXPECT_TRUE(list->Selected(0));
        EXPECT_TRUE(list->Selected(1));
        EXPECT_FALSE(list->Selected(2));
    }
    // The first series is changed to the class with the chosen look, the order kept.
    EXPECT_EQ(chart->Series(0)->Title(), "A");
    EXPECT_EQ(chart->Series(1)->Title(), "B");
}

TEST_F(GalleryFixture, FunctionsComeFromTheFunctionsOnlyGallery) {
    int shown = 0;
    QStringList seen;
    auto hook = answer(
        [&](TTeeGallery* g) -> TGalleryChart* {
            seen = TabsOf(g->TabTypes);
            EXPECT_TRUE(g->ChartGalleryPanel1->FunctionsVisible);
            TChartGalleryPanel* panel = g->ChartGalleryPanel1;
            for (int i = 0; i < panel->Charts()->Count(); ++i)
                if (panel->GetChart(i)->Series(0)->FunctionType() &&
                    panel->GetChart(i)->Series(0)->FunctionType()->ClassType() ==
                        TAverageTeeFunction::StaticClass())
                    return panel->GetChart(i);
            return nullptr;
        },
        &shown);
    EXPECT_EQ(GetChartGalleryFunction(form.get()), TAverageTeeFunction::StaticClass());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(seen, QStringList({TeeMsg_GalleryFunctions}));
}

TEST_F(GalleryFixture, GalleryModeOneOpensTheAlternateGalleryWithItsSubStyles) {
    TTestPage page(QStringLiteral("Test subs"), 1, {}, true);
    TTestGallerySeries::SubStyles = 16;
    TChartGalleryPanel::SaveMode(1);
    TChartSeries* line = add<TLineSeries>(QStringLiteral("Line"));
    (void)line;
    int rows = 0, count = 0;
    QString caption;
    ModalHook hook([&](TCustomForm* Form) {
        auto* g = dynamic_cast<TTeeGalleryForm*>(Form);
        EXPECT_NE(g, nullptr);
        if (!g) return int(mrCancel);
        caption = g->Caption();
        Form->Show();
        EXPECT_EQ(g->CBPage->Items()->Strings(0), TeeMsg_All);
        EXPECT_EQ(g->CBPage->CurrentItem(), TeeMsg_GalleryStandard);
        const int at = g->CBPage->Items()->IndexOf(page.Name());
        EXPECT_GE(at, 0);
        g->CBPage->SetItemIndex(at);
        g->CBPageChange(g->CBPage);
        EXPECT_EQ(g->ChartListBox1->Count(), 1);
        rows = g->ChartGalleryPanel1->NumRows();
        count = g->ChartGalleryPanel1->Charts()->Count();
        if (count < 6) return int(mrCancel);
        DoubleClick(g->ChartGalleryPanel1->GetChart(5), 10, 10);
        return int(Form->ModalResult());
    });
    int sub = -1;
    TChartSeries* made = CreateNewSeriesGallery(form.get(), nullptr, chart, true, false, sub);
    EXPECT_EQ(caption, "RorOraza Doz Gallery");
    EXPECT_EQ(count, 16);
    EXPECT_EQ(rows, 5);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->ClassType(), TTestGallerySeries::StaticClass());
    EXPECT_EQ(sub, 5);
    EXPECT_EQ(static_cast<TTestGallerySeries*>(made)->SubStyle, 5);
    TChartGalleryPanel::SaveMode(0);
}

TEST_F(GalleryFixture, TheAlternatePanelOfNoColumnsStillFindsRows) {
    TTestPage page(QStringLiteral("Test subs"), 1, {}, true);
    TTestGallerySeries::SubStyles = 5;
    Owned<TTeeGalleryForm> g(
        static_cast<TTeeGalleryForm*>(TTeeGalleryForm::StaticClass()->CreateComponent(nullptr)));
    g->ChartGalleryPanel1->SetNumCols(0);
    g->CBPage->SetItemIndex(g->CBPage->Items()->IndexOf(page.Name()));
    g->Show();
    g->CBPageChange(g->CBPage);
    EXPECT_EQ(g->ChartGalleryPanel1->Charts()->Count(), 5);
    EXPECT_EQ(g->ChartGalleryPanel1->NumRows(), 6);
    TTestGallerySeries::SubStyles = 16;
}

TEST_F(GalleryFixture, TheListsGalleryProceduresComeAndGoWithTheLibrary) {
    EXPECT_NE(TeeAddGalleryProc, nullptr);
    EXPECT_NE(TeeChangeGalleryProc, nullptr);
    ChartEditorStartup().Finalize();
    EXPECT_EQ(TeeAddGalleryProc, nullptr);
    EXPECT_EQ(TeeChangeGalleryProc, nullptr);
    ChartEditorStartup().Initialize();
    EXPECT_NE(TeeAddGalleryProc, nullptr);
    // Without a chart nothing is added.
    EXPECT_EQ(TeeAddGalleryProc(form.get(), nullptr, nullptr), nullptr);
}

TEST_F(GalleryFixture, TheGalleriesRememberTheirSizeAndSmoothing) {
    {
        Owned<TTeeGallery> g(static_cast<TTeeGallery*>(TTeeGallery::StaticClass()->CreateComponent(nullptr)));
        g->Show();
        g->SetBounds(0, 0, 520, 410);
        Click(g->CBSmooth);
        EXPECT_TRUE(g->ChartGalleryPanel1->Smooth());
        EXPECT_TRUE(TChartGalleryPanel::DefaultSmooth());
    }
    EXPECT_EQ(TeeReadIntegerOption(QStringLiteral("GalleryWidth"), 0), 520);
    EXPECT_EQ(TeeReadIntegerOption(QStringLiteral("GalleryHeight"), 0), 410);
    TeeSaveIntegerOption(QStringLiteral("GalleryWidth"), 20);
    Owned<TTeeGallery> g(static_cast<TTeeGallery*>(TTeeGallery::StaticClass()->CreateComponent(nullptr)));
    g->Show();
    EXPECT_EQ(g->Width(), 100);
    EXPECT_EQ(g->Height(), 410);
    EXPECT_TRUE(g->CBSmooth->Checked());
}

TEST_F(GalleryFixture, ScreenshotsOfBothGalleries) {
    TChartGalleryPanel::SaveSmooth(false);
    Owned<TTeeGallery> g(static_cast<TTeeGallery*>(TTeeGallery::StaticClass()->CreateComponent(nullptr)));
    g->Show();
    const int count = g->ChartGalleryPanel1->Charts()->Count();
    ASSERT_GE(count, 9);
    // The thumbnails fill the panel in their grid, each inside it.
    for (int i = 0; i < count; ++i) {
        TGalleryChart* c = g->ChartGalleryPanel1->GetChart(i);
        EXPECT_LE(c->Left() + c->Width(), g->ChartGalleryPanel1->Width());
        EXPECT_LE(c->Top() + c->Height(), g->ChartGalleryPanel1->Height());
        EXPECT_GT(c->Width(), 50);
    }
    Screenshot(g.get(), "series-gallery");
    TTestPage page(QStringLiteral("Test subs"), 1, {}, true);
    Owned<TTeeGalleryForm> a(
        static_cast<TTeeGalleryForm*>(TTeeGalleryForm::StaticClass()->CreateComponent(nullptr)));
    a->CBSmooth->SetChecked(false);
    a->Show();
    EXPECT_GT(a->ChartListBox1->Count(), 0);
    EXPECT_GT(a->ChartGalleryPanel1->Charts()->Count(), 0);
    EXPECT_LE(a->ChartListBox1->Left() + a->ChartListBox1->Width(), a->ChartGalleryPanel1->Left());
    Screenshot(a.get(), "alternate-gallery");
}

TEST_F(GalleryFixture, TheGalleryFormsResourcesBuildTheirControls) {
    Owned<TTeeGallery> g(static_cast<TTeeGallery*>(TTeeGallery::StaticClass()->CreateComponent(nullptr)));
    EXPECT_EQ(g->Position(), poScreenCenter);
    EXPECT_EQ(g->TabTypes->HelpContext(), 1850);
    EXPECT_EQ(TabsOf(g->TabTypes), QStringList({TeeMsg_Series, TeeMsg_GalleryFunctions}));
    EXPECT_EQ(g->TabPages->Parent(), g->TabTypes);
    EXPECT_EQ(g->ChartGalleryPanel1->Parent(), g->TabPages);
    EXPECT_EQ(g->ChartGalleryPanel1->Align(), alClient);
    EXPECT_EQ(g->CB3D->Caption(), "&3D");
    EXPECT_TRUE(g->CB3D->Checked());
    EXPECT_EQ(g->CBSmooth->Caption(), "&Smooth");
    EXPECT_EQ(g->CBPalette->DropDownCount(), 25);
    EXPECT_TRUE(g->CBPalette->Sorted());
    // Every palette name, sorted, each with its index.
    ASSERT_GT(g->CBPalette->Items()->Count(), 1);
    for (int i = 1; i < g->CBPalette->Items()->Count(); ++i)
        EXPECT_LE(g->CBPalette->Items()->Strings(i - 1).compare(g->CBPalette->Items()->Strings(i),
                                                                Qt::CaseInsensitive),
                  0);
    g->SetPalette(3);
    EXPECT_EQ(g->SelectedPaletteIndex(), 3);
    EXPECT_EQ(g->Button1->Caption(), "OK");
    EXPECT_EQ(g->Button1->ModalResult(), mrOk);
    EXPECT_TRUE(g->Button1->Default());
    EXPECT_EQ(g->Button2->Caption(), "Cancel");
    EXPECT_EQ(g->Button2->ModalResult(), mrCancel);
    EXPECT_TRUE(g->Button2->Cancel());
    EXPECT_EQ(g->P1->Align(), alBottom);
    g->HideButtons();
    EXPECT_FALSE(g->P1->Visible());

    Owned<TTeeGalleryForm> a(
        static_cast<TTeeGalleryForm*>(TTeeGalleryForm::StaticClass()->CreateComponent(nullptr)));
    EXPECT_TRUE(a->KeyPreview());
    EXPECT_EQ(a->Label1->Caption(), "&Gallery:");
    EXPECT_EQ(a->CBPage->DropDownCount(), 25);
    EXPECT_EQ(a->CB3D->Caption(), "&3D");
    EXPECT_TRUE(a->CB3D->Checked());
    EXPECT_EQ(a->CBSmooth->Caption(), "&Smooth");
    TChartListBox* types = a->ChartListBox1;
    EXPECT_EQ(types->Align(), alLeft);
    EXPECT_FALSE(types->MultiSelect());
    EXPECT_FALSE(types->ShowActiveCheck());
    EXPECT_FALSE(types->ShowSeriesColor());
    EXPECT_FALSE(types->AllowAddSeries());
    EXPECT_FALSE(types->AllowDeleteSeries());
    EXPECT_FALSE(types->EnableDragSeries());
    EXPECT_FALSE(types->EnableChangeColor());
    EXPECT_FALSE(types->EnableChangeType());
    EXPECT_TRUE(types->Sorted());
    EXPECT_EQ(types->Chart(), a->Chart());
    EXPECT_FALSE(a->Chart()->Visible());
    EXPECT_EQ(a->BOK->ModalResult(), mrOk);
    EXPECT_TRUE(a->BOK->Default());
    EXPECT_EQ(a->BCancel->ModalResult(), mrCancel);
}
