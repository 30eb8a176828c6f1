#include "platform/controls/Printer.h"

#include "platform/classes/StringList.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Gdi.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A printer object over a list of PDF printers in a temporary folder; the previous
// source is restored afterwards.
class PrinterTest : public ::testing::Test {
protected:
    void UsePrinters(std::vector<TPrinterTarget> targets) {
        previous = SetPrinterSource([targets] { return targets; });
        installed = true;
        printer = std::make_unique<TPrinter>();
    }
    void TearDown() override {
        printer.reset();
        if (installed) SetPrinterSource(previous);
    }
    String Pdf(const char* name) { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    TPrinterSource previous;
    bool installed = false;
    std::unique_ptr<TPrinter> printer;
};

TEST_F(PrinterTest, PrintsPagesIntoThePdfOfTheSelectedPrinter) {
    UsePrinters({{QStringLiteral("First"), Pdf("a.pdf")}, {QStringLiteral("Second"), Pdf("b.pdf")}});
    ASSERT_EQ(printer->Printers()->Count(), 2);
    EXPECT_EQ(printer->Printers()->Strings(1), QStringLiteral("Second"));
    EXPECT_EQ(printer->PrinterIndex(), 0); // -1 selects the first one
    printer->SetPrinterIndex(1);
    printer->SetTitle(QStringLiteral("Curves"));

    printer->BeginDoc();
    EXPECT_TRUE(printer->Printing());
    EXPECT_EQ(printer->PageNumber(), 1);
    TCanvas* c = printer->Canvas();
    // The page's DC agrees with the printer about its size and resolution.
    EXPECT_EQ(GetDeviceCaps(c->Handle(), LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(c->Handle(), HORZRES), printer->PageWidth());
    c->Rectangle(10, 10, 200, 100);
    c->TextOut(20, 20, QStringLiteral("page one"));
    printer->NewPage();
    EXPECT_EQ(printer->PageNumber(), 2);
    printer->Canvas()->TextOut(20, 20, QStringLiteral("page two"));
    printer->EndDoc();
    EXPECT_FALSE(printer->Printing());
    EXPECT_EQ(printer->PageNumber(), 0);

    EXPECT_FALSE(QFile::exists(Pdf("a.pdf")));
    QFile f(Pdf("b.pdf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    EXPECT_TRUE(data.startsWith("%PDF"));
    EXPECT_EQ(data.count("/Type /Page\n") + data.count("/Type /Page>>") + data.count("/Type /Page "), 2);
}

TEST_F(PrinterTest, StateErrorsRaiseEPrinter) {
    UsePrinters({{QStringLiteral("Pdf"), Pdf("x.pdf")}});
    EXPECT_THROW(printer->NewPage(), EPrinter);
    EXPECT_THROW(printer->EndDoc(), EPrinter);
    EXPECT_THROW(printer->SetPrinterIndex(1), EPrinter);
    EXPECT_THROW(printer->SetPrinterIndex(-2), EPrinter);
    printer->BeginDoc();
    EXPECT_THROW(printer->BeginDoc(), EPrinter);
    EXPECT_THROW(printer->SetOrientation(poLandscape), EPrinter);
    printer->Abort();
    EXPECT_TRUE(printer->Aborted());
    EXPECT_FALSE(printer->Printing());
    printer->BeginDoc();
    EXPECT_FALSE(printer->Aborted());
    printer->EndDoc();
}

TEST_F(PrinterTest, NoPrinterRaisesOnBeginDocAndReportsAnA4Page) {
    UsePrinters({});
    EXPECT_EQ(printer->Printers()->Count(), 0);
    EXPECT_EQ(printer->PrinterIndex(), -1);
    EXPECT_EQ(printer->PageWidth(), 794);
    EXPECT_EQ(printer->PageHeight(), 1123);
    printer->SetOrientation(poLandscape);
    EXPECT_EQ(printer->PageWidth(), 1123);
    EXPECT_THROW(printer->BeginDoc(), EPrinter);
    EXPECT_FALSE(printer->Printing());
    // Drawing outside a document goes nowhere and does not fail.
    printer->Canvas()->TextOut(0, 0, QStringLiteral("x"));
}

TEST_F(PrinterTest, APrinterThatCannotStartRaisesAndLeavesNoDocumentOpen) {
    UsePrinters({{QStringLiteral("Broken"), dir.filePath(QStringLiteral("missing/folder/out.pdf"))}});
    EXPECT_THROW(printer->BeginDoc(), EPrinter);
    EXPECT_FALSE(printer->Printing());
    EXPECT_THROW(printer->EndDoc(), EPrinter);
}

TEST_F(PrinterTest, LandscapeSwapsThePageSides) {
    UsePrinters({{QStringLiteral("Pdf"), Pdf("o.pdf")}});
    const int w = printer->PageWidth(), h = printer->PageHeight();
    EXPECT_GT(h, w);
    printer->SetOrientation(poLandscape);
    EXPECT_EQ(printer->PageWidth(), h);
    EXPECT_EQ(printer->PageHeight(), w);
}

} // namespace
