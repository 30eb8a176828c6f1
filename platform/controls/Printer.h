// TPrinter: the process-wide printer with a canvas to draw pages on, over Qt's print
// support. The printers come from one replaceable source: the system's print queues by
// default; a test (or a headless run) installs printers that write PDF files instead.
// Pages are laid out at 96 pixels per inch, the resolution every DC of this platform
// reports, so that sizes read from the canvas's DC and from the printer agree.
#pragma once

#include "platform/classes/Object.h"
#include "platform/graphics/GdiTypes.h"

#include <functional>
#include <memory>
#include <vector>

class TCanvas;
class TStrings;

enum TPrinterOrientation { poPortrait, poLandscape };
enum TPrinterCapability { pcCopies, pcOrientation, pcCollation };
using TPrinterCapabilities = Set<TPrinterCapability>;

// One printer the source offers. A printer with a PdfFile writes its pages to that file;
// otherwise Name is a print queue of the system.
struct TPrinterTarget {
    String Name;
    String PdfFile;
};
using TPrinterSource = std::function<std::vector<TPrinterTarget>()>;

// Installs the source of printers (an empty function restores the system's queues) and
// returns the previous one. The printer list is read again on the next use.
TPrinterSource SetPrinterSource(TPrinterSource Source);

namespace platform::detail {
struct PrinterJob;
}

class TPrinter : public TObject {
    ORVO_CLASS(TPrinter, TObject)
public:
    TPrinter();
    ~TPrinter() override;

    // The names of the printers, in the source's order.
    TStrings* Printers();
    // -1 selects the default printer (the first one); setting an index outside the list
    // raises EPrinter "Printer index out of range".
    int PrinterIndex();
    void SetPrinterIndex(int Value);
    // Reads the list again (a printer added or removed since).
    void Refresh();

    TPrinterOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TPrinterOrientation Value);
    int Copies() const { return FCopies; }
    void SetCopies(int Value);
    TPrinterCapabilities Capabilities() const { return {pcCopies, pcOrientation, pcCollation}; }

    // The printable area of a page in device pixels; with no printer, an A4 page.
    int PageWidth();
    int PageHeight();
    // The page being printed, 1-based; 0 outside a document.
    int PageNumber() const { return FPageNumber; }

    String Title() const { return FTitle; }
    void SetTitle(const String& Value) { FTitle = Value; }

    // Starts a document on the selected printer: EPrinter "Printing in progress" when one
    // runs, "There is no default printer currently selected" without printers, "Printer
    // selected is not valid" when the printer cannot start.
    void BeginDoc();
    // Ends the page and starts the next (EPrinter "Printer is not currently printing"
    // outside a document).
    void NewPage();
    // Ends the document and sends it.
    void EndDoc();
    // Drops the document; Aborted stays true until the next BeginDoc.
    void Abort();
    bool Printing() const { return FJob != nullptr; }
    bool Aborted() const { return FAborted; }

    // The canvas of the current page; outside a document it draws nowhere.
    TCanvas* Canvas();
    // The DC of the current page (an information DC outside a document).
    HDC Handle();

    // The Qt printer of the selected printer, set up as this object says (for the print
    // dialogs of the layer).
    void* QtPrinter();

private:
    void CheckPrinting(bool Value);
    void LoadPrinters();
    void ConfigureQtPrinter();
    std::vector<TPrinterTarget> FTargets;
    bool FLoaded = false;
    TStrings* FPrinters = nullptr;
    int FPrinterIndex = -1;
    TPrinterOrientation FOrientation = poPortrait;
    int FCopies = 1;
    int FPageNumber = 0;
    bool FAborted = false;
    String FTitle;
    TCanvas* FCanvas = nullptr;
    std::unique_ptr<platform::detail::PrinterJob> FJob;
    struct QtState;
    std::unique_ptr<QtState> FQt;
};

// The process-wide printer, made on first use.
TPrinter* Printer();
// Replaces the process-wide printer (the old one is freed); returns the new one.
TPrinter* SetPrinter(TPrinter* NewPrinter);
