// The export dialog: which buttons each tab enables, the size boxes with the aspect kept,
// saving through the save dialogs (the file's kind follows the dialog's entry), sending a
// file through the desktop's mail command, and showing the dialog again from scratch.
#include "chart/editor/TeeExportForm.h"
#include "chart/editor/TeeEMFOptions.h"
#include "chart/editor/TeeExport.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "chart/series/BarSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Clipboard.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/RadioGroup.h"
#include "platform/win/Shell.h"

#include "EditorBaseTestSupport.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace editortest;

namespace {

// A stub of the desktop's mail command on the PATH for the whole program (whether mail can
// be sent is found once per run): it records its arguments and a copy of the attachment.
class StubMailCommand : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString script = dir.filePath("xdg-email");
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(
            "#!/bin/sh\n"
            "log=\"$(dirname \"$0\")/log\"\n"
            "while [ $# -gt 0 ]; do\n"
            "  case \"$1\" in\n"
            "    --subject) echo \"subject=$2\" >> \"$log\"; shift 2;;\n"
            "    --attach) echo \"attach=$2\" >> \"$log\"; cp \"$2\" \"$(dirname \"$0\")/copy\"; shift 2;;\n"
            "    *) shift;;\n"
            "  esac\n"
            "done\n"
            "exit 0\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", (dir.path() + u':' + qEnvironmentVariable("PATH")).toLocal8Bit());
    }
    static QString Log() { return Read("log"); }
    static QString Read(const char* Name) { return QString::fromUtf8(ReadBytes(Name)); }
    static QByteArray ReadBytes(const char* Name) {
        QFile f(dir.filePath(QString::fromLatin1(Name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void ClearLog() {
        QFile::remove(dir.filePath("log"));
        QFile::remove(dir.filePath("copy"));
    }
    static QTemporaryDir dir;
};
QTemporaryDir StubMailCommand::dir;
[[maybe_unused]] ::testing::Environment* const stubMail =
    ::testing::AddGlobalTestEnvironment(new StubMailCommand);

QByteArray FileBytes(const QString& Name) {
    QFile f(Name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A 400 × 300 chart with one bar series of three labelled points, and the dialog for it.
class ExportDialog : public ::testing::Test {
protected:
    void SetUp() override {
        chart.SetBounds(0, 0, 400, 300);
        bars = new TBarSeries(&chart);
        bars->SetParentChart(&chart);
        bars->Add(3, "a");
        bars->Add(5, "b");
        bars->Add(4, "c");
        form.reset(new TTeeExportForm(nullptr));
        form->AfterConstruction();
        form->ExportPanel = &chart;
        form->Show();
    }
    // Selects the picture format of the class in the format list.
    template <class TFormat> TFormat* SelectFormat() {
        for (int i = 0; i < form->LBFormat->Items()->Count(); ++i)
            if (auto* f = dynamic_cast<TFormat*>(form->LBFormat->Items()->Objects(i))) {
                form->LBFormat->SetItemIndex(i);
                form->LBFormatClick(nullptr);
                return f;
            }
        return nullptr;
    }
    void Tab(TTabSheet* Page) {
        form->PageControl1->SetActivePage(Page);
        form->PageControl1Change(form->PageControl1);
    }
    // Answers the save dialog with a file in the folder and a filter entry.
    std::unique_ptr<DialogHook> Answer(const QString& Name, int Entry) {
        const QString file = dir.filePath(Name);
        return std::make_unique<DialogHook>([file, Entry](TCommonDialog* d) {
            auto* save = dynamic_cast<TSaveDialog*>(d);
            if (!save) return false;
            save->SetFileName(file);
            save->SetFilterIndex(Entry);
            return true;
        });
    }

    TChart chart{nullptr};
    TBarSeries* bars = nullptr;
    Owned<TTeeExportForm> form;
    QTemporaryDir dir;
};

} // namespace

TEST_F(ExportDialog, ButtonsFollowTheTabAndTheChosenFormat) {
    ASSERT_TRUE(TeeCanEmail());
    struct Case {
        const char* what;
        int tab; // 0 Picture, 1 Native, 2 Data
        int native;
        int data;
        bool copy, save, view;
    };
    const Case cases[] = {
        {"picture", 0, 0, 0, true, true, false},           {"native binary", 1, 0, 0, false, true, false},
        {"native text", 1, 1, 0, true, true, true},        {"native xml", 1, 2, 0, true, true, true},
        {"data text", 2, 0, 0, true, true, false},         {"data html", 2, 0, 2, true, true, false},
        {"data spreadsheet", 2, 0, 3, false, true, false},
    };
    TTabSheet* tabs[] = {form->TabPicture, form->TabNative, form->TabData};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form->CBNativeFormat->SetItemIndex(c.native);
        form->CBNativeFormatClick(nullptr);
        form->RGText->SetItemIndex(c.data);
        form->RGTextClick(nullptr);
        Tab(tabs[c.tab]);
        EXPECT_EQ(form->BCopy->Enabled(), c.copy);
        EXPECT_EQ(form->BSave->Enabled(), c.save);
        EXPECT_EQ(form->BSend->Enabled(), c.save);
        EXPECT_EQ(form->BViewNative->Enabled(), c.view);
        EXPECT_EQ(form->CBDelim->Enabled(), c.data == 0);
    }
}

TEST_F(ExportDialog, ChartWithoutSeriesHasNoDataToCopy) {
    bars->SetParentChart(nullptr);
    form->Hide();
    form->Show();
    Tab(form->TabData);
    EXPECT_FALSE(form->BCopy->Enabled());
    EXPECT_FALSE(form->BSave->Enabled());
    EXPECT_FALSE(form->BSend->Enabled());
    bars->SetParentChart(&chart);
}

TEST_F(ExportDialog, SizeBoxesKeepTheAspectRatio) {
    EXPECT_EQ(form->PictureWidth(), 400);
    EXPECT_EQ(form->PictureHeight(), 300);
    form->SetPictureWidth(800);
    EXPECT_EQ(form->PictureHeight(), 600);
    form->SetPictureHeight(150);
    EXPECT_EQ(form->PictureWidth(), 200);
    // Unchecked, each box keeps to itself.
    form->CBAspect->SetChecked(false);
    form->SetPictureWidth(640);
    EXPECT_EQ(form->PictureHeight(), 150);
    // The picture's size in bytes follows the boxes: a bitmap of 640 × 150 is more than
    // one of 10 × 10.
    form->CBPicSize->SetChecked(true);
    form->CBPicSizeClick(nullptr);
    const String big = form->LabelPicSize->Caption();
    EXPECT_TRUE(big.endsWith(" bytes")) << big.toStdString();
    form->SetPictureWidth(10);
    form->SetPictureHeight(10);
    EXPECT_LT(form->LabelPicSize->Caption().section(u' ', 0, 0).toInt(), big.section(u' ', 0, 0).toInt());
}

TEST_F(ExportDialog, EmptySizeBoxesExportThePanelsOwnSize) {
    form->CBAspect->SetChecked(false);
    form->SetPictureWidth(0);
    form->SetPictureHeight(0);
    for (int i = 0; i < form->LBFormat->Items()->Count(); ++i)
        if (form->LBFormat->Items()->Strings(i) == "as Bitmap") form->LBFormat->SetItemIndex(i);
    form->LBFormatClick(nullptr);
    auto hook = Answer("chart.bmp", 1);
    form->BSaveClick(nullptr);
    const QImage image = QImage::fromData(FileBytes(dir.filePath("chart.bmp")), "BMP");
    EXPECT_EQ(image.size(), QSize(400, 300));
}

TEST_F(ExportDialog, NativeTextCopiedAsText) {
    Tab(form->TabNative);
    form->CBNativeFormat->SetItemIndex(1);
    form->CBNativeFormatClick(nullptr);
    Clipboard()->SetAsText(String());
    form->BCopyClick(nullptr);
    EXPECT_TRUE(Clipboard()->AsText().startsWith("object ")) << Clipboard()->AsText().left(40).toStdString();
}

TEST_F(ExportDialog, PanelWithoutHeightKeepsNoAspect) {
    chart.SetBounds(0, 0, 400, 0);
    form->Hide();
    form->Show();
    EXPECT_EQ(form->Aspect(), 0);
    form->SetPictureWidth(800);
    EXPECT_EQ(form->PictureHeight(), 0);
    form->SetPictureHeight(120);
    EXPECT_EQ(form->PictureWidth(), 800);
}

TEST_F(ExportDialog, EachShowStartsFromEmptyLists) {
    const String filter = form->PictureFilter();
    const int formats = form->LBFormat->Items()->Count();
    const int valueFormats = form->SeriesValueFormat->Items()->Count();
    ASSERT_EQ(formats, int(TeeExportFormats().size()));
    TStringList defaults;
    AddDefaultValueFormats(&defaults);
    ASSERT_EQ(valueFormats, defaults.Count());
    for (int visit = 0; visit < 2; ++visit) {
        form->Hide();
        form->Show();
    }
    EXPECT_EQ(form->PictureFilter(), filter);
    EXPECT_EQ(form->LBFormat->Items()->Count(), formats);
    EXPECT_EQ(form->SeriesValueFormat->Items()->Count(), valueFormats);
    EXPECT_EQ(form->CBSeries->Items()->Count(), 2);
    // The formats' filter indexes still point at their own entries.
    for (int i = 0; i < formats; ++i) {
        auto* f = static_cast<TTeeExportFormat*>(form->LBFormat->Items()->Objects(i));
        const QStringList parts = filter.split(u'|');
        ASSERT_LT(f->FileFilterIndex() * 2 - 1, parts.size());
        EXPECT_TRUE(parts[f->FileFilterIndex() * 2 - 1].endsWith(f->FileExtension()));
    }
}

TEST_F(ExportDialog, EmbeddedDialogTakesThePanelFromItsTag) {
    Owned<TTeeExportForm> embedded(new TTeeExportForm(nullptr));
    embedded->AfterConstruction();
    TForm host(nullptr, 0);
    host.SetClientSize(460, 340);
    host.Show();
    AddFormTo(embedded.get(), &host, &chart);
    EXPECT_EQ(embedded->ExportPanel, &chart);
    EXPECT_EQ(embedded->PictureWidth(), 400);
    EXPECT_TRUE(embedded->TabData->TabVisible());
    embedded->SetParent(nullptr);
}

TEST_F(ExportDialog, NativeTextSavedUnderItsOwnExtension) {
    Tab(form->TabNative);
    form->CBNativeFormat->SetItemIndex(1);
    form->CBNativeFormatClick(nullptr);
    auto hook = Answer("chart.tee", 1);
    form->BSaveClick(nullptr);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("chart.tee")));
    const QByteArray text = FileBytes(dir.filePath("chart.txt"));
    EXPECT_TRUE(text.startsWith("object ")) << text.left(40).toStdString();
    EXPECT_TRUE(text.contains("TBarSeries"));

    form->CBNativeFormat->SetItemIndex(0);
    form->CBNativeFormatClick(nullptr);
    form->BSaveClick(nullptr);
    EXPECT_TRUE(FileBytes(dir.filePath("chart.tee")).startsWith(QByteArray("\x60\x30\x57\x01TPF0", 8)));
}

// A panel that is no chart has no data to export and is stored as a plain component stream.
TEST(ExportDialogPanel, PanelWithoutSeriesSavesItsComponentStream) {
    TDraw3D panel(nullptr);
    panel.SetName("Drawing");
    panel.SetBounds(0, 0, 200, 100);
    Owned<TTeeExportForm> form(new TTeeExportForm(nullptr));
    form->AfterConstruction();
    form->ExportPanel = &panel;
    form->Show();
    EXPECT_FALSE(form->TabData->TabVisible());
    EXPECT_FALSE(form->CBNativeData->Visible());
    QTemporaryDir dir;
    form->PageControl1->SetActivePage(form->TabNative);
    const std::pair<int, const char*> kinds[] = {{0, "TPF0"}, {1, "object Drawing: TDraw3D"}, {2, "<?xml"}};
    for (auto [kind, start] : kinds) {
        SCOPED_TRACE(start);
        form->CBNativeFormat->SetItemIndex(kind);
        form->CBNativeFormatClick(nullptr);
        const QString file = dir.filePath(QStringLiteral("panel%1.tee").arg(kind));
        form->SaveCurrentTo(file);
        const QString written =
            QDir(dir.path())
                .filePath(QFileInfo(file).completeBaseName() + u'.' + QStringList{"tee", "txt", "xml"}[kind]);
        EXPECT_TRUE(FileBytes(written).startsWith(start)) << FileBytes(written).left(40).toStdString();
    }
}

TEST(ExportDialogPanel, TeeExportShowsTheDialogForThePanel) {
    TChart chart(nullptr);
    TTeeExportForm* shown = nullptr;
    ModalHook hook([&](TCustomForm* form) {
        shown = dynamic_cast<TTeeExportForm*>(form);
        EXPECT_TRUE(shown);
        if (shown) {
            EXPECT_EQ(shown->ExportPanel, &chart);
            EXPECT_EQ(shown->InitDir, "/somewhere");
        }
        return int(mrCancel);
    });
    TeeExport(nullptr, &chart, "/somewhere");
    EXPECT_TRUE(shown);
}

TEST_F(ExportDialog, PictureFileKindFollowsTheDialogEntry) {
    // Select the metafile format with "Enhanced" checked.
    TEMFExportFormat* emf = SelectFormat<TEMFExportFormat>();
    ASSERT_TRUE(emf);
    ASSERT_TRUE(emf->Enhanced());
    EXPECT_TRUE(form->TabOptions->TabVisible());
    Tab(form->TabPicture);
    {
        auto hook = Answer("chart.emf", emf->FileFilterIndex());
        form->BSaveClick(nullptr);
    }
    // An enhanced metafile's first record is its header: type 1, and " EMF" at 40.
    const QByteArray enhanced = FileBytes(dir.filePath("chart.emf"));
    ASSERT_GT(enhanced.size(), 44);
    EXPECT_EQ(enhanced.mid(40, 4), QByteArray(" EMF"));
    {
        auto hook = Answer("chart.wmf", emf->FileFilterIndex() + 1);
        form->BSaveClick(nullptr);
    }
    // A placeable metafile starts with its key D7 CD C6 9A.
    EXPECT_TRUE(FileBytes(dir.filePath("chart.wmf")).startsWith(QByteArray("\xD7\xCD\xC6\x9A", 4)));
    EXPECT_FALSE(emf->Enhanced());
}

TEST_F(ExportDialog, MetafileCopiedAsItsPicture) {
    chart.SetView3D(false);
    bars->SetColorEachPoint(false);
    bars->SetSeriesColor(clRed);
    ASSERT_TRUE(SelectFormat<TEMFExportFormat>());
    Tab(form->TabPicture);
    QGuiApplication::clipboard()->clear();
    form->BCopyClick(nullptr);
    const QImage image = QGuiApplication::clipboard()->image();
    ASSERT_EQ(image.size(), QSize(400, 300));
    // The bars are red where the chart puts them; just above the lowest bar is none.
    auto red = [&](int X, int Y) {
        const QRgb c = image.pixel(X, Y);
        return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
    };
    for (int i = 0; i < bars->Count(); ++i) {
        const TRect r = bars->CalcBarBounds(i);
        EXPECT_TRUE(red((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2)) << i;
    }
    const TRect lowest = bars->CalcBarBounds(0);
    EXPECT_FALSE(red((lowest.Left + lowest.Right) / 2, lowest.Top - 5));
}

TEST_F(ExportDialog, DataEntryChoosesFormatAndDelimiter) {
    Tab(form->TabData);
    ASSERT_EQ(form->CBDelim->ItemIndex(), 1); // Tab on show
    struct Case {
        int entry;
        const char* name;
        const char* expect;
        const char* custom = "";
    };
    // The text entries name their delimiter; the others their format. The custom entry
    // takes the custom box's character, or a space when the box is empty.
    const Case cases[] = {
        {3, "data.csv", "a,3"},       {4, "data4.txt", "a:3"},  {1, "data1.txt", "a 3"},
        {2, "data2.txt", "a\t3"},     {6, "data.xml", "<?xml"}, {7, "data.htm", "<table"},
        {5, "data5.txt", "a;3", ";"}, {5, "data5e.txt", "a 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->ECustom->SetText(QString::fromLatin1(c.custom));
        auto hook = Answer(c.name, c.entry);
        form->BSaveClick(nullptr);
        const QByteArray raw = FileBytes(dir.filePath(c.name));
        ASSERT_GE(raw.size(), 2);
        // The exporters write UTF-16 with a byte-order mark.
        const QString text =
            QString::fromUtf16(reinterpret_cast<const char16_t*>(raw.constData() + 2), (raw.size() - 2) / 2);
        EXPECT_TRUE(text.contains(QLatin1String(c.expect), Qt::CaseInsensitive))
            << text.left(80).toStdString();
    }
    // The custom entry left the box on "Custom", with its character box open for typing.
    EXPECT_EQ(form->CBDelim->ItemIndex(), 4);
    EXPECT_TRUE(form->ECustom->Enabled());
}

TEST_F(ExportDialog, SendMailsOneAttachmentNamedAfterTheChart) {
    StubMailCommand::ClearLog();
    Tab(form->TabData);
    form->CBDelim->SetItemIndex(2);
    form->CBDelimChange(nullptr);
    EXPECT_EQ(form->CurrentExtension(), "csv");
    form->BSendClick(nullptr);
    const QStringList lines = StubMailCommand::Log().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << StubMailCommand::Log().toStdString();
    EXPECT_EQ(lines[0], "subject=VorUvivi");
    ASSERT_TRUE(lines[1].startsWith("attach="));
    const QString attachment = lines[1].mid(7);
    EXPECT_EQ(QFileInfo(attachment).fileName(), "VorUvivi.csv");
    const QByteArray raw = StubMailCommand::ReadBytes("copy");
    ASSERT_GE(raw.size(), 2);
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(raw.constData() + 2), (raw.size() - 2) / 2);
    EXPECT_TRUE(text.contains("a,3")) << text.toStdString();
    // The mail program may read the file later: it stays until the program ends.
    EXPECT_TRUE(QFileInfo::exists(attachment));
    RemoveMailAttachments();
    EXPECT_FALSE(QFileInfo::exists(attachment));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(attachment).path()));
}

TEST_F(ExportDialog, Screenshots) {
    form->CBPicSize->SetChecked(true);
    form->CBPicSizeClick(nullptr);
    const std::pair<TTabSheet*, const char*> tabs[] = {{form->TabPicture, "ExportDialogPicture"},
                                                       {form->TabNative, "ExportDialogNative"},
                                                       {form->TabData, "ExportDialogData"}};
    for (auto [page, name] : tabs) {
        Tab(page);
        Screenshot(form.get(), name);
    }
    Tab(form->TabPicture);
    form->PageOptions->SetActivePage(form->TabSize);
    Screenshot(form.get(), "ExportDialogPictureSize");
}
