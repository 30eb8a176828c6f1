// The gallery panel: rows for the types of a page, the grid of thumbnails, greyed types that
// cannot be chosen, the first selectable chart focused, the arrow keys (no wrap at the last
// column or row), a panel of no columns, the sub-gallery, and the smoothing and mode options.
#include "EditorBaseTestSupport.h"
#include "GalleryTestSupport.h"

#include "chart/editor/TeeGalleryPanel.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/series/BarSeries.h"
#include "platform/classes/Registry.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QTemporaryDir>

using namespace editortest;
using namespace gallerytest;

namespace {
struct PanelFixture : ::testing::Test {
    QTemporaryDir dir;
    Owned<TForm> form{new TForm(nullptr, 0)};
    TChartGalleryPanel* panel = nullptr;
    void SetUp() override {
        SetRegistryFileName(dir.filePath(QStringLiteral("registry.ini")));
        form->SetClientSize(480, 360);
        panel = new TChartGalleryPanel(form.get());
        panel->SetParent(form.get());
        panel->SetAlign(alClient);
        form->Show();
    }
    void TearDown() override {
        form.reset();
        SetRegistryFileName(QString());
    }
    int selected() const { return panel->Charts()->IndexOf(panel->SelectedChart()); }
    void key(int QtKey, Qt::KeyboardModifiers Mods = Qt::NoModifier) { SendKey(panel, QtKey, Mods); }
};
} // namespace

TEST_F(PanelFixture, APageGetsAsManyRowsAsItsTypesNeed) {
    struct Case {
        int types;
        int cols;
        int rows;
    };
    const Case cases[] = {{9, 4, 3}, {13, 4, 4}, {5, 4, 3}, {16, 4, 4}, {17, 4, 5}, {7, 2, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.types << " on " << c.cols);
        TTestPage page(QStringLiteral("Test page"), c.types);
        panel->SetNumRows(3);
        panel->SetNumCols(c.cols);
        panel->CreateGalleryPage(page.Name());
        EXPECT_EQ(panel->Charts()->Count(), c.types);
        EXPECT_EQ(panel->NumRows(), c.rows);
        // Chart i at column i mod columns, row i div columns.
        const int b = panel->BevelWidth() + panel->BorderWidth();
        for (int i = 0; i < c.types; ++i) {
            TGalleryChart* chart = panel->GetChart(i);
            EXPECT_EQ(chart->Left(), b + (i % c.cols) * panel->ColWidth()) << i;
            EXPECT_EQ(chart->Top(), b + (i / c.cols) * panel->RowHeight()) << i;
            EXPECT_EQ(chart->Tag(), i + 1);
        }
        EXPECT_EQ(panel->RowHeight(), (panel->Height() - b) / c.rows);
        EXPECT_EQ(panel->ColWidth(), (panel->Width() - b) / c.cols);
    }
    // The standard page holds at least the nine standard types.
    panel->SetNumCols(4);
    panel->CreateGalleryPage(TeeMsg_GalleryStandard);
    const int standard = panel->Charts()->Count();
    EXPECT_GE(standard, 9);
    EXPECT_EQ(panel->NumRows(), standard <= 8 ? 3 : (standard - 1) / 4 + 1);
}

TEST_F(PanelFixture, APanelOfNoColumnsCountsOne) {
    TTestPage page(QStringLiteral("Test page"), 3);
    panel->SetNumCols(0);
    panel->CreateGalleryPage(page.Name());
    ASSERT_EQ(panel->Charts()->Count(), 3);
    EXPECT_EQ(panel->NumRows(), 3);
    EXPECT_EQ(panel->ColWidth(), 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(panel->GetChart(i)->Left(), panel->BevelWidth() + panel->BorderWidth());
    key(Qt::Key_Down);
    EXPECT_EQ(selected(), 1);
    key(Qt::Key_Right);
    EXPECT_EQ(selected(), 1);
}

TEST_F(PanelFixture, GreyTypesCannotBeChosenByMouseOrKeys) {
    TTestPage page(QStringLiteral("Test page"), 6, {0, 2});
    Owned<TTestGallerySeries> retyped(new TTestGallerySeries(nullptr));
    panel->CheckSeries = true;
    panel->SelectedSeries = retyped.get();
    panel->CreateGalleryPage(page.Name());
    ASSERT_EQ(panel->Charts()->Count(), 6);
    EXPECT_TRUE(panel->GetChart(0)->Disabled());
    EXPECT_EQ(panel->GetChart(0)->Cursor(), crNo);
    EXPECT_FALSE(panel->GetChart(1)->Disabled());
    EXPECT_EQ(panel->GetChart(1)->Cursor(), crHandPoint);
    // Nothing of the retyped class's plain entry here: the first selectable chart is focused.
    EXPECT_EQ(selected(), 1);
    Click(panel->GetChart(0));
    EXPECT_EQ(selected(), 1);
    DoubleClick(panel->GetChart(2), 10, 10);
    EXPECT_EQ(selected(), 1);
    key(Qt::Key_Right); // onto grey chart 2: stays
    EXPECT_EQ(selected(), 1);
    key(Qt::Key_Left); // grey chart 0
    EXPECT_EQ(selected(), 1);
    Click(panel->GetChart(3));
    EXPECT_EQ(selected(), 3);
    TClass seriesClass = nullptr, functionClass = nullptr;
    int sub = -1;
    ASSERT_TRUE(panel->GetSeriesClass(seriesClass, functionClass, sub));
    EXPECT_EQ(seriesClass, TTestGallerySeries::StaticClass());
    EXPECT_EQ(functionClass, nullptr);
    EXPECT_EQ(sub, 4);
}

TEST_F(PanelFixture, ArrowKeysMoveWithoutWrappingAndEnterChooses) {
    TTestPage page(QStringLiteral("Test page"), 10);
    int chosen = 0, changes = 0;
    panel->OnSelectedChart = TNotifyEvent([&](TObject*) { ++chosen; });
    panel->OnChangeChart = TNotifyEvent([&](TObject*) { ++changes; });
    panel->CreateGalleryPage(page.Name());
    ASSERT_EQ(panel->NumRows(), 3);
    EXPECT_EQ(selected(), 0);
    EXPECT_GT(changes, 0);
    struct Step {
        int key;
        int expected;
    };
    // 4 columns: 0-3, 4-7, 8-9.
    const Step steps[] = {{Qt::Key_Left, 0},  {Qt::Key_Up, 0},    {Qt::Key_Right, 1}, {Qt::Key_Right, 2},
                          {Qt::Key_Right, 3}, {Qt::Key_Right, 3}, {Qt::Key_Down, 7},  {Qt::Key_Down, 7},
                          {Qt::Key_Left, 6},  {Qt::Key_Left, 5},  {Qt::Key_Down, 9},  {Qt::Key_Down, 9},
                          {Qt::Key_Right, 9}, {Qt::Key_Up, 5}};
    for (const Step& s : steps) {
        key(s.key);
        EXPECT_EQ(selected(), s.expected) << s.key;
    }
    key(Qt::Key_Return);
    EXPECT_EQ(chosen, 1);
    // The focused chart looks the part.
    TGalleryChart* chart = panel->SelectedChart();
    EXPECT_TRUE(chart->Gradient()->Visible());
    EXPECT_EQ(chart->View3DOptions()->Rotation(), 345);
    EXPECT_FALSE(panel->GetChart(0)->Gradient()->Visible());
    EXPECT_EQ(panel->GetChart(0)->View3DOptions()->Rotation(), 335);
}

TEST_F(PanelFixture, ThePreselectedTypeIsFocused) {
    Owned<TBarSeries> bar(new TBarSeries(nullptr));
    panel->SelectedSeries = bar.get();
    panel->CreateGalleryPage(TeeMsg_GalleryStandard);
    ASSERT_NE(panel->SelectedChart(), nullptr);
    EXPECT_EQ(panel->SelectedChart()->Series(0)->ClassType(), TBarSeries::StaticClass());
}

TEST_F(PanelFixture, TheSubGalleryOpensWithAltDownAndEscapeKeepsTheStyle) {
    TTestPage page(QStringLiteral("Test page"), 2, {}, true);
    TTestGallerySeries::SubStyles = 6;
    panel->CreateGalleryPage(page.Name());
    ASSERT_EQ(selected(), 0);
    ASSERT_EQ(panel->SelectedChart()->Tag(), 0);
    int subSelected = 0;
    panel->OnSubSelected = TNotifyEvent([&](TObject*) { ++subSelected; });
    struct Case {
        bool escape;
        int tag;
    };
    for (const Case& c : {Case{true, 0}, Case{false, 3}, Case{true, 3}}) {
        SCOPED_TRACE(c.escape);
        int opened = 0;
        ModalHook hook([&](TCustomForm* Form) {
            ++opened;
            EXPECT_EQ(Form, panel->SubGalleryForm());
            TChartGalleryPanel* sub = panel->SubGalleryPanel();
            EXPECT_NE(sub, nullptr);
            if (!sub) return int(mrCancel);
            Form->Show();
            EXPECT_EQ(sub->Charts()->Count(), 6);
            EXPECT_EQ(sub->NumRows(), 2);
            EXPECT_FALSE(sub->DisplaySub());
            EXPECT_TRUE(sub->IsSubGallery());
            if (c.escape) {
                SendKey(sub->GetChart(0), Qt::Key_Escape);
            } else {
                DoubleClick(sub->GetChart(3), 10, 10);
            }
            return int(Form->ModalResult());
        });
        key(Qt::Key_Down, Qt::AltModifier);
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(panel->SubGalleryForm(), nullptr);
        EXPECT_EQ(panel->SelectedChart()->Tag(), c.tag);
        auto* shown = dynamic_cast<TTestGallerySeries*>(panel->SelectedChart()->Series(0));
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->SubStyle, c.tag);
    }
    EXPECT_EQ(subSelected, 1);
    // Without the sub-gallery option Alt+Down does nothing.
    panel->SetDisplaySub(false);
    int opened = 0;
    ModalHook none([&](TCustomForm*) {
        ++opened;
        return int(mrCancel);
    });
    key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(opened, 0);
    TTestGallerySeries::SubStyles = 16;
}

TEST_F(PanelFixture, SmoothingAndGalleryModeLiveInTheRegistry) {
    EXPECT_FALSE(TChartGalleryPanel::DefaultSmooth());
    EXPECT_EQ(TChartGalleryPanel::DefaultMode(), 0);
    TChartGalleryPanel::SaveMode(1);
    EXPECT_EQ(TChartGalleryPanel::DefaultMode(), 1);
    TChartGalleryPanel::SaveMode(0);
    // A panel made after smoothing was saved starts smooth; changing it saves it when the
    // panel goes.
    TChartGalleryPanel::SaveSmooth(true);
    auto* smooth = new TChartGalleryPanel(form.get());
    EXPECT_TRUE(smooth->Smooth());
    smooth->SetSmooth(false);
    EXPECT_TRUE(TChartGalleryPanel::DefaultSmooth());
    FreeObject(smooth);
    EXPECT_FALSE(TChartGalleryPanel::DefaultSmooth());
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(TeeEditorOptionsKey));
    EXPECT_FALSE(reg.ReadBool(QStringLiteral("SmoothGallery")));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("GalleryMode")), 0);
}

TEST_F(PanelFixture, TheFocusedThumbnailShowsItsSubGalleryArrowSmoothOrNot) {
    TTestPage page(QStringLiteral("Test page"), 2, {}, true);
    for (bool smooth : {false, true}) {
        SCOPED_TRACE(smooth);
        panel->SetSmooth(smooth);
        panel->CreateGalleryPage(page.Name());
        ASSERT_EQ(selected(), 0);
        // The arrow: a triangle in the bottom-left corner of the focused chart only.
        auto arrowInk = [&](TGalleryChart* Chart) {
            TBitmap image(Chart->Width(), Chart->Height());
            Chart->PaintTo(image.Canvas(), 0, 0);
            const TRect r = Chart->SubGalleryArrowRect();
            const TPoint inside{r.Left + 3, r.Bottom - 7};
            const TPoint beside{r.Left + 3, r.Bottom - 11};
            return image.Canvas()->Pixels(inside.X, inside.Y) != image.Canvas()->Pixels(beside.X, beside.Y);
        };
        EXPECT_TRUE(arrowInk(panel->GetChart(0)));
        EXPECT_FALSE(arrowInk(panel->GetChart(1)));
        EXPECT_EQ(panel->GetChart(0)->Smooth(), smooth);
    }
}
