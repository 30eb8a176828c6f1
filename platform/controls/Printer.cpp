#include "platform/controls/Printer.h"

#include "platform/classes/StringList.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

ORVO_IMPLEMENT_CLASS(TPrinter, TObject)

namespace {

// Every DC of the platform reports 96 pixels per inch; the printer's pages use the same.
constexpr int PrinterResolution = 96;

TPrinterSource& printerSource() {
    static TPrinterSource source;
    return source;
}

std::vector<TPrinterTarget> systemPrinters() {
    std::vector<TPrinterTarget> list;
    const QString def = QPrinterInfo::defaultPrinterName();
    const QStringList names = QPrinterInfo::availablePrinterNames();
    // The default queue comes first, as index -1 selects the first printer.
    if (!def.isEmpty() && names.contains(def)) list.push_back({def, {}});
    for (const QString& n : names)
        if (n != def) list.push_back({n, {}});
    return list;
}

QPageLayout::Orientation qtOrientation(TPrinterOrientation o) {
    return o == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// An A4 page at the printer resolution, for a printer that cannot tell its own.
QSize fallbackPage(TPrinterOrientation o) {
    const QSize portrait(int(std::lround(210 / 25.4 * PrinterResolution)),
                         int(std::lround(297 / 25.4 * PrinterResolution)));
    return o == poLandscape ? portrait.transposed() : portrait;
}

} // namespace

TPrinterSource SetPrinterSource(TPrinterSource Source) {
    TPrinterSource old = std::move(printerSource());
    printerSource() = std::move(Source);
    return old;
}

namespace platform::detail {
// A document being printed: the Qt printer it goes to and the DC of its pages.
struct PrinterJob {
    std::unique_ptr<DeviceContext> dc;
};
} // namespace platform::detail

struct TPrinter::QtState {
    std::unique_ptr<QPrinter> printer; // of the selected printer, made on demand
    int printerFor = -2;               // the index it was made for
    QImage infoImage;                  // the surface of the DC outside a document
    std::unique_ptr<DeviceContext> infoDC;
};

TPrinter::TPrinter() : FPrinters(new TStringList), FCanvas(new TCanvas), FQt(std::make_unique<QtState>()) {}

TPrinter::~TPrinter() {
    if (FJob) {
        try {
            Abort();
        } catch (...) {
        }
    }
    FCanvas->SetHandle(nullptr);
    delete FCanvas;
    delete FPrinters;
}

void TPrinter::LoadPrinters() {
    if (FLoaded) return;
    FLoaded = true;
    FTargets = printerSource() ? printerSource()() : systemPrinters();
    FPrinters->BeginUpdate();
    FPrinters->Clear();
    for (const TPrinterTarget& t : FTargets)
        FPrinters->Add(t.Name);
    FPrinters->EndUpdate();
    if (FPrinterIndex >= int(FTargets.size())) FPrinterIndex = -1;
}

void TPrinter::Refresh() {
    CheckPrinting(false);
    FLoaded = false;
    FQt->printer.reset();
    FQt->printerFor = -2;
    LoadPrinters();
}

TStrings* TPrinter::Printers() {
    LoadPrinters();
    return FPrinters;
}

int TPrinter::PrinterIndex() {
    LoadPrinters();
    if (FTargets.empty()) return -1;
    return FPrinterIndex < 0 ? 0 : FPrinterIndex;
}

void TPrinter::SetPrinterIndex(int Value) {
    CheckPrinting(false);
    LoadPrinters();
    if (Value < -1 || Value >= int(FTargets.size()))
        throw EPrinter(QStringLiteral("Printer index out of range"));
    FPrinterIndex = Value;
}

void TPrinter::SetOrientation(TPrinterOrientation Value) {
    CheckPrinting(false);
    FOrientation = Value;
    // The information DC has the page's size: make it again for the new orientation.
    FCanvas->SetHandle(nullptr);
    FQt->infoDC.reset();
}

void TPrinter::SetCopies(int Value) {
    CheckPrinting(false);
    FCopies = Value < 1 ? 1 : Value;
}

void TPrinter::CheckPrinting(bool Value) {
    if (Printing() == Value) return;
    throw EPrinter(Value ? QStringLiteral("Printer is not currently printing")
                         : QStringLiteral("Printing in progress"));
}

void* TPrinter::QtPrinter() {
    LoadPrinters();
    if (FTargets.empty()) return nullptr;
    ConfigureQtPrinter();
    return FQt->printer.get();
}

void TPrinter::ConfigureQtPrinter() {
    const int index = PrinterIndex();
    if (!FQt->printer || FQt->printerFor != index) {
        const TPrinterTarget& t = FTargets[std::size_t(index)];
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!t.PdfFile.isEmpty()) {
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(t.PdfFile);
            p->setPageSize(QPageSize(QPageSize::A4));
        } else {
            p->setPrinterName(t.Name);
        }
        p->setResolution(PrinterResolution);
        FQt->printer = std::move(p);
        FQt->printerFor = index;
    }
    // A running document keeps the settings it started with.
    if (FJob) return;
    QPrinter* p = FQt->printer.get();
    p->setPageOrientation(qtOrientation(FOrientation));
    p->setCopyCount(FCopies);
    p->setDocName(FTitle);
}

int TPrinter::PageWidth() {
    LoadPrinters();
    if (FTargets.empty()) return fallbackPage(FOrientation).width();
    ConfigureQtPrinter();
    const int w = FQt->printer->width();
    return w > 0 ? w : fallbackPage(FOrientation).width();
}

int TPrinter::PageHeight() {
    LoadPrinters();
    if (FTargets.empty()) return fallbackPage(FOrientation).height();
    ConfigureQtPrinter();
    const int h = FQt->printer->height();
    return h > 0 ? h : fallbackPage(FOrientation).height();
}

void TPrinter::BeginDoc() {
    CheckPrinting(false);
    LoadPrinters();
    if (FTargets.empty()) throw EPrinter(QStringLiteral("There is no default printer currently selected"));
    ConfigureQtPrinter();
    QPrinter* p = FQt->printer.get();
    auto job = std::make_unique<platform::detail::PrinterJob>();
    job->dc = std::make_unique<DeviceContext>(static_cast<QPaintDevice*>(p));
    // Begin painting now: a printer that cannot start (no queue, a file that cannot be
    // written) fails here rather than on the first drawing call.
    if (!p->isValid() || !job->dc->ShapePainter())
        throw EPrinter(QStringLiteral("Printer selected is not valid"));
    FAborted = false;
    FPageNumber = 1;
    FJob = std::move(job);
    FCanvas->SetHandle(FJob->dc.get());
}

void TPrinter::NewPage() {
    CheckPrinting(true);
    FCanvas->Refresh();
    FQt->printer->newPage();
    ++FPageNumber;
}

void TPrinter::EndDoc() {
    CheckPrinting(true);
    FCanvas->SetHandle(nullptr);
    FJob->dc->ReleasePainter(); // ending the painter sends the document
    FJob.reset();
    FPageNumber = 0;
}

void TPrinter::Abort() {
    CheckPrinting(true);
    FCanvas->SetHandle(nullptr);
    FQt->printer->abort();
    FJob->dc->ReleasePainter();
    FJob.reset();
    FPageNumber = 0;
    FAborted = true;
}

HDC TPrinter::Handle() {
    if (FJob) return FJob->dc.get();
    if (!FQt->infoDC) {
        FQt->infoImage = QImage(QSize(PageWidth(), PageHeight()), QImage::Format_ARGB32_Premultiplied);
        FQt->infoImage.fill(Qt::white);
        FQt->infoDC = std::make_unique<DeviceContext>(&FQt->infoImage);
    }
    return FQt->infoDC.get();
}

TCanvas* TPrinter::Canvas() {
    if (!FJob) FCanvas->SetHandle(Handle());
    return FCanvas;
}

namespace {
std::unique_ptr<TPrinter>& globalPrinter() {
    static std::unique_ptr<TPrinter> printer;
    return printer;
}
} // namespace

TPrinter* Printer() {
    if (!globalPrinter()) globalPrinter().reset(new TPrinter);
    return globalPrinter().get();
}

TPrinter* SetPrinter(TPrinter* NewPrinter) {
    globalPrinter().reset(NewPrinter);
    return NewPrinter;
}
