// The General page: the fonts of a chart listed, one change copied to the other selected
// fonts attribute by attribute, lines of elements deleted elsewhere gone when the page is
// shown again, cursor files loaded (and one that does not load refused), zoom and scroll.
#include "EditorPagesTestSupport.h"

#include "chart/editor/FormTeeGeneral.h"
#include "chart/editor/TeeFontEditor.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/chart/ChartTitles.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/series/LineSeries.h"
#include "chart/tools/AnnotationTool.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Image.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Cursor.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/Icon.h"

#include <QFile>
#include <QTemporaryDir>

class GeneralPage : public EditorPageFixture {
protected:
    void ShowPage() {
        page = new TFormTeeGeneral(form, chart);
        page->AfterConstruction();
        page->SetParent(form);
        page->SetBounds(300, 0, 440, 260);
        page->Show();
    }
    int Line(const char* Text) { return page->LBFonts->Items()->IndexOf(QString::fromLatin1(Text)); }
    TTeeFont* FontOf(const char* Text) {
        const int i = Line(Text);
        return i < 0 ? nullptr : static_cast<TTeeFont*>(page->LBFonts->Items()->Objects(i));
    }
    void SelectOnly(std::initializer_list<const char*> Lines, const char* Shown) {
        page->LBFonts->ClearSelection();
        for (const char* l : Lines)
            page->LBFonts->SetSelected(Line(l), true);
        page->LBFonts->SetItemIndex(Line(Shown));
        page->LBFontsClick(page->LBFonts);
    }

    TFormTeeGeneral* page = nullptr;
};

TEST_F(GeneralPage, ChartWithoutSeriesListsTitleLegendAndAxisFonts) {
    ShowPage();
    EditorScreenshot(page, "general-page");
    EXPECT_EQ(page->LBFonts->Items()->Count(), 6 + 12);
    for (const char* l : {"Legend", "Legend title", "Title", "Footer", "SubTitle", "SubFooter", "Left axis",
                          "Left axis (Axis Title)", "Depth Top axis", "Depth axis (Axis Title)"})
        EXPECT_GE(Line(l), 0) << l;
    EXPECT_EQ(page->ShownFont(), chart->Title()->Font());
    EXPECT_EQ(page->LBFonts->SelCount(), 1);
}

TEST_F(GeneralPage, OnlyTheChangedAttributeReachesTheOtherSelectedFonts) {
    ShowPage();
    FontOf("Footer")->SetName(QStringLiteral("Courier New"));
    FontOf("Legend")->SetColor(clGreen);
    SelectOnly({"Title", "Footer", "Legend"}, "Title");
    page->ShownFont()->SetSize(17);
    for (const char* l : {"Title", "Footer", "Legend"})
        EXPECT_EQ(FontOf(l)->Size(), 17) << l;
    EXPECT_EQ(FontOf("Footer")->Name(), QStringLiteral("Courier New")) << "the name was not changed";
    EXPECT_EQ(FontOf("Legend")->Color(), clGreen);
    EXPECT_NE(FontOf("SubTitle")->Size(), 17) << "not selected";

    const int footSize = FontOf("Footer")->Size();
    SelectOnly({"SubTitle", "Footer"}, "SubTitle");
    page->ShownFont()->SetName(QStringLiteral("Times New Roman"));
    EXPECT_EQ(FontOf("Footer")->Name(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(FontOf("Footer")->Size(), footSize);
}

TEST_F(GeneralPage, LinesOfDeletedElementsGoAndTheirFontIsNotTouched) {
    auto* series = new TLineSeries(form);
    series->SetName(QStringLiteral("Series1"));
    series->SetParentChart(chart);
    auto* note = new TAnnotationTool(form);
    note->SetName(QStringLiteral("ChartTool1"));
    note->SetParentChart(chart);
    ShowPage();
    ASSERT_GE(Line("ChartTool1"), 0);
    ASSERT_GE(Line("Series1 (marks)"), 0);
    SelectOnly({"ChartTool1", "Title"}, "ChartTool1");

    // Deleted while another page shows: the line is gone when the page shows again.
    page->Hide();
    delete note;
    page->Show();
    EXPECT_EQ(Line("ChartTool1"), -1);
    EXPECT_GE(page->LBFonts->Items()->IndexOf(QStringLiteral("Title")), 0);
    EXPECT_TRUE(page->LBFonts->Selected(Line("Title"))) << "the selection kept by text";

    // Deleted while the page shows its font: the lines go and nothing uses the freed font.
    SelectOnly({"Series1 (marks)", "Title"}, "Series1 (marks)");
    delete series;
    EXPECT_EQ(Line("Series1 (marks)"), -1);
    EXPECT_EQ(page->ShownFont(), nullptr);
    SelectOnly({"Title", "Footer"}, "Title");
    page->ShownFont()->SetSize(19);
    EXPECT_EQ(FontOf("Footer")->Size(), 19);
}

namespace {
QImage Filled(QRgb c) {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}
QByteArray Riff(const char* Tag, const QByteArray& Data) {
    QByteArray b(Tag, 4);
    const quint32 n = quint32(Data.size());
    b.append(reinterpret_cast<const char*>(&n), 4);
    b.append(Data);
    if (Data.size() & 1) b.append('\0');
    return b;
}
QByteArray AnimatedCursor() {
    const QByteArray frame = platform::detail::WriteIconFile(Filled(qRgb(0, 0, 255)), true, {1, 1});
    const quint32 header[9] = {36, 1, 1, 0, 0, 0, 0, 6, 1};
    return Riff("RIFF", QByteArray("ACON") +
                            Riff("anih", QByteArray(reinterpret_cast<const char*>(header), 36)) +
                            Riff("LIST", QByteArray("fram") + Riff("icon", frame)));
}
} // namespace

TEST_F(GeneralPage, CursorFilesLoadIntoFreeSlotsAndABadOneChangesNothing) {
    ShowPage();
    EXPECT_TRUE(page->BLoad->Visible());
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    };
    const QString cur =
        write("red.cur", platform::detail::WriteIconFile(Filled(qRgb(255, 0, 0)), true, {2, 2}));
    const QString ani = write("blue.ani", AnimatedCursor());
    const QString bad = write("bad.ani", QByteArray("RIFF\x04\0\0\0ACON", 12));
    QString answer;
    const TCommonDialogHook old = SetCommonDialogHook([&](TCommonDialog* d) {
        static_cast<TOpenDialog*>(d)->SetFileName(answer);
        return true;
    });
    TDialogsAnswered dialogs;
    int firstFree = 2021;
    while (Screen->Cursors(firstFree) != Screen->Cursors(crDefault))
        ++firstFree;

    answer = cur;
    page->BLoad->Click();
    EXPECT_EQ(chart->Cursor(), firstFree);
    EXPECT_EQ(chart->OriginalCursor(), firstFree);
    TGraphic* preview = page->ImageCursor->Picture()->Graphic();
    ASSERT_NE(preview, nullptr);
    auto* bitmap = dynamic_cast<TBitmap*>(preview);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 32);
    EXPECT_EQ(bitmap->Canvas()->Pixels(10, 10), clRed);

    answer = ani;
    page->BLoad->Click();
    EXPECT_EQ(chart->Cursor(), firstFree + 1) << "the next free slot";
    bitmap = dynamic_cast<TBitmap*>(page->ImageCursor->Picture()->Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Canvas()->Pixels(10, 10), clBlue);

    answer = bad;
    page->BLoad->Click();
    EXPECT_EQ(chart->Cursor(), firstFree + 1) << "the cursor stays";
    EXPECT_EQ(Screen->Cursors(firstFree + 2), Screen->Cursors(crDefault)) << "no slot taken";
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_TRUE(dialogs.Messages[0].contains(QStringLiteral("bad.ani")));
    SetCommonDialogHook(old);
    Screen->SetCursors(firstFree, nullptr);
    Screen->SetCursors(firstFree + 1, nullptr);
}

TEST_F(GeneralPage, ZoomAndScrollControlsWriteTheChart) {
    ShowPage();
    page->CBAllowZoom->SetChecked(false);
    EXPECT_FALSE(chart->Zoom()->Allow());
    EXPECT_FALSE(page->CBUpLeft->Enabled());
    page->CBAllowZoom->SetChecked(true);
    page->CBUpLeft->SetChecked(true);
    EXPECT_TRUE(chart->Zoom()->UpLeftZooms());
    page->RGPanning->SetItemIndex(0);
    EXPECT_EQ(chart->AllowPanning(), pmNone);
    EXPECT_FALSE(page->CBScrollMouse->Enabled());
}

namespace {
// Counts the frees of the components it watches.
class TFreeCounter : public TComponent {
public:
    TFreeCounter() : TComponent(nullptr) {}
    int freed = 0;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove) ++freed;
    }
};
} // namespace

TEST_F(GeneralPage, FontEditorShowsBesideTheListAndGoesWithThePage) {
    ShowPage();
    ASSERT_NE(page->IFontEditor, nullptr);
    EXPECT_EQ(page->IFontEditor->Parent(), page->PanelFont);
    TFreeCounter counter;
    page->IFontEditor->FreeNotification(&counter);
    delete page;
    page = nullptr;
    EXPECT_EQ(counter.freed, 1);
}
