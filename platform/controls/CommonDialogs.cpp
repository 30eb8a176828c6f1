#include "platform/controls/CommonDialogs.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Printer.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/GdiObject.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/IntText.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <cmath>

ORVO_IMPLEMENT_CLASS(TCommonDialog, TComponent)
ORVO_IMPLEMENT_CLASS(TOpenDialog, TCommonDialog)
ORVO_IMPLEMENT_CLASS(TSaveDialog, TOpenDialog)
ORVO_IMPLEMENT_CLASS(TColorDialog, TCommonDialog)
ORVO_IMPLEMENT_CLASS(TFontDialog, TCommonDialog)
ORVO_IMPLEMENT_CLASS(TPrintDialog, TCommonDialog)
ORVO_IMPLEMENT_CLASS(TPrinterSetupDialog, TCommonDialog)

ORVO_IMPLEMENT_ENUM_TYPE(TOpenOption, "ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir",
                         "ofShowHelp", "ofNoValidate", "ofAllowMultiSelect", "ofExtensionDifferent",
                         "ofPathMustExist", "ofFileMustExist", "ofCreatePrompt", "ofShareAware",
                         "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames",
                         "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify",
                         "ofEnableSizing", "ofDontAddToRecent", "ofForceShowHidden")
ORVO_IMPLEMENT_SET_TYPE(TOpenOptions, TOpenOption)
ORVO_IMPLEMENT_ENUM_TYPE(TColorDialogOption, "cdFullOpen", "cdPreventFullOpen", "cdShowHelp", "cdSolidColor",
                         "cdAnyColor")
ORVO_IMPLEMENT_SET_TYPE(TColorDialogOptions, TColorDialogOption)
ORVO_IMPLEMENT_ENUM_TYPE(TFontDialogOption, "fdAnsiOnly", "fdTrueTypeOnly", "fdEffects", "fdFixedPitchOnly",
                         "fdForceFontExist", "fdNoFaceSel", "fdNoOEMFonts", "fdNoSimulations", "fdNoSizeSel",
                         "fdNoStyleSel", "fdNoVectorFonts", "fdShowHelp", "fdWysiwyg", "fdLimitSize",
                         "fdScalableOnly", "fdApplyButton")
ORVO_IMPLEMENT_SET_TYPE(TFontDialogOptions, TFontDialogOption)
ORVO_IMPLEMENT_ENUM_TYPE(TPrintRange, "prAllPages", "prSelection", "prPageNums")
ORVO_IMPLEMENT_ENUM_TYPE(TPrintDialogOption, "poPrintToFile", "poPageNums", "poSelection", "poWarning",
                         "poHelp", "poDisablePrintToFile")
ORVO_IMPLEMENT_SET_TYPE(TPrintDialogOptions, TPrintDialogOption)

namespace {

TCommonDialogHook& dialogHook() {
    static TCommonDialogHook hook;
    return hook;
}

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

// The Qt name filter of one description/mask pair: Qt reads the masks from the last
// parentheses, blank-separated.
QString qtNameFilter(const TOpenDialog::TFilterItem& item) {
    QString masks = item.Masks;
    masks.replace(QLatin1Char(';'), QLatin1Char(' '));
    return item.Description + QStringLiteral(" (") + masks.simplified() + QLatin1Char(')');
}

} // namespace

TCommonDialogHook SetCommonDialogHook(TCommonDialogHook Hook) {
    TCommonDialogHook old = std::move(dialogHook());
    dialogHook() = std::move(Hook);
    return old;
}

// ---- TCommonDialog -----------------------------------------------------------------------------

TCommonDialog::TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}

void TCommonDialog::DoShow() {
    if (OnShow) OnShow(this);
}

void TCommonDialog::DoClose() {
    if (OnClose) OnClose(this);
}

bool TCommonDialog::Execute() {
    DoShow();
    bool ok = false;
    try {
        ok = dialogHook() ? dialogHook()(this) : ExecuteQt();
        if (ok) Confirmed();
    } catch (...) {
        DoClose();
        FParentWnd = nullptr;
        throw;
    }
    DoClose();
    FParentWnd = nullptr;
    return ok;
}

bool TCommonDialog::Execute(void* ParentWnd) {
    FParentWnd = ParentWnd;
    return Execute();
}

// ---- TOpenDialog -------------------------------------------------------------------------------

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFiles(new TStringList) {}

TOpenDialog::~TOpenDialog() {
    delete FFiles;
}

void TOpenDialog::SetDefaultExt(const String& Value) {
    // Stored without a leading dot, as the dialog adds one.
    FDefaultExt = Value.startsWith(QLatin1Char('.')) ? Value.mid(1) : Value;
}

std::vector<TOpenDialog::TFilterItem> TOpenDialog::FilterItems() const {
    std::vector<TFilterItem> items;
    if (FFilter.isEmpty()) return items;
    const QStringList parts = FFilter.split(QLatin1Char('|'));
    for (int i = 0; i < parts.size(); i += 2)
        items.push_back({parts[i], i + 1 < parts.size() ? parts[i + 1] : String()});
    return items;
}

void TOpenDialog::Confirmed() {
    // A name typed without an extension gets the default one.
    auto complete = [this](const String& name) {
        if (FDefaultExt.isEmpty() || name.isEmpty() || !ExtractFileExt(name).isEmpty()) return name;
        return name + QLatin1Char('.') + FDefaultExt;
    };
    FFileName = complete(FFileName);
    if (FFiles->Count() == 0 && !FFileName.isEmpty()) FFiles->Add(FFileName);
    for (int i = 0; i < FFiles->Count(); ++i)
        FFiles->SetStrings(i, complete(FFiles->Strings(i)));
}

bool TOpenDialog::ExecuteQt() {
    QFileDialog dlg(dialogParent());
    dlg.setAcceptMode(FSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setWindowTitle(!FTitle.isEmpty() ? FTitle
                       : FSave           ? QStringLiteral("Save As")
                                         : QStringLiteral("Open"));
    if (FSave)
        dlg.setFileMode(QFileDialog::AnyFile);
    else if (FOptions.Contains(ofAllowMultiSelect))
        dlg.setFileMode(QFileDialog::ExistingFiles);
    else if (FOptions.Contains(ofFileMustExist))
        dlg.setFileMode(QFileDialog::ExistingFile);
    else
        dlg.setFileMode(QFileDialog::AnyFile);
    QFileDialog::Options opts;
    if (!FOptions.Contains(ofOverwritePrompt)) opts |= QFileDialog::DontConfirmOverwrite;
    if (FOptions.Contains(ofNoDereferenceLinks)) opts |= QFileDialog::DontResolveSymlinks;
    dlg.setOptions(opts);
    if (!FDefaultExt.isEmpty()) dlg.setDefaultSuffix(FDefaultExt);
    QStringList filters;
    for (const TFilterItem& item : FilterItems())
        filters << qtNameFilter(item);
    if (!filters.isEmpty()) {
        dlg.setNameFilters(filters);
        const int index = FFilterIndex >= 1 && FFilterIndex <= filters.size() ? FFilterIndex - 1 : 0;
        dlg.selectNameFilter(filters[index]);
    }
    if (!FInitialDir.isEmpty()) dlg.setDirectory(FInitialDir);
    if (!FFileName.isEmpty()) dlg.selectFile(FFileName);
    if (dlg.exec() != QDialog::Accepted) return false;
    const QStringList chosen = dlg.selectedFiles();
    if (chosen.isEmpty()) return false;
    FFiles->Clear();
    for (const QString& f : chosen)
        FFiles->Add(f);
    FFileName = chosen.first();
    if (!filters.isEmpty()) FFilterIndex = int(filters.indexOf(dlg.selectedNameFilter())) + 1;
    if (FFilterIndex < 1) FFilterIndex = 1;
    return true;
}

TSaveDialog::TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {
    FSave = true;
}

// ---- TColorDialog ------------------------------------------------------------------------------

TColorDialog::TColorDialog(TComponent* AOwner) : TCommonDialog(AOwner), FCustomColors(new TStringList) {}

TColorDialog::~TColorDialog() {
    delete FCustomColors;
}

void TColorDialog::SetCustomColors(TStrings* Value) {
    FCustomColors->Assign(Value);
}

namespace {
QColor qColorOf(TColor c) {
    const COLORREF rgb = COLORREF(ColorToRGB(c));
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}
TColor colorOf(const QColor& q) {
    return TColor(q.red() | (q.green() << 8) | (q.blue() << 16));
}
} // namespace

bool TColorDialog::ExecuteQt() {
    // Sixteen custom colours "ColorA" .. "ColorP", hexadecimal TColor values.
    for (int i = 0; i < 16 && i < QColorDialog::customCount(); ++i) {
        const String name = QStringLiteral("Color") + QChar(u'A' + i);
        const String v = FCustomColors->Values(name);
        if (!v.isEmpty())
            QColorDialog::setCustomColor(i, qColorOf(TColor(StrToIntDef(QStringLiteral("$") + v, 0))));
    }
    const QColor chosen = QColorDialog::getColor(qColorOf(FColor), dialogParent());
    for (int i = 0; i < 16 && i < QColorDialog::customCount(); ++i) {
        const String name = QStringLiteral("Color") + QChar(u'A' + i);
        FCustomColors->SetValues(name, IntToHex(colorOf(QColorDialog::customColor(i)), 6));
    }
    if (!chosen.isValid()) return false;
    FColor = colorOf(chosen);
    return true;
}

// ---- TFontDialog -------------------------------------------------------------------------------

TFontDialog::TFontDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFont(new TFont) {}

TFontDialog::~TFontDialog() {
    delete FFont;
}

void TFontDialog::SetFont(TFont* Value) {
    FFont->Assign(Value);
}

bool TFontDialog::ExecuteQt() {
    QFont initial = FFont->Handle()->qfont;
    initial.setFamily(FFont->Name());
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, dialogParent());
    if (!ok) return false;
    FFont->SetName(chosen.family());
    if (chosen.pixelSize() > 0)
        FFont->SetHeight(-chosen.pixelSize());
    else
        FFont->SetHeight(-int(std::lround(chosen.pointSizeF() * FFont->PixelsPerInch() / 72.0)));
    TFontStyles style;
    if (chosen.bold()) style << fsBold;
    if (chosen.italic()) style << fsItalic;
    if (chosen.underline()) style << fsUnderline;
    if (chosen.strikeOut()) style << fsStrikeOut;
    FFont->SetStyle(style);
    return true;
}

// ---- printing ----------------------------------------------------------------------------------

TPrintDialog::TPrintDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

bool TPrintDialog::ExecuteQt() {
    auto* printer = static_cast<QPrinter*>(Printer()->QtPrinter());
    if (!printer) throw EPrinter(QStringLiteral("There is no default printer currently selected"));
    QPrintDialog dlg(printer, dialogParent());
    QAbstractPrintDialog::PrintDialogOptions opts;
    if (FOptions.Contains(poPrintToFile) && !FOptions.Contains(poDisablePrintToFile))
        opts |= QAbstractPrintDialog::PrintToFile;
    if (FOptions.Contains(poPageNums)) opts |= QAbstractPrintDialog::PrintPageRange;
    if (FOptions.Contains(poSelection)) opts |= QAbstractPrintDialog::PrintSelection;
    opts |= QAbstractPrintDialog::PrintShowPageSize;
    dlg.setOptions(opts);
    if (FMinPage > 0 || FMaxPage > 0) dlg.setMinMax(FMinPage, FMaxPage);
    if (FPrintRange == prPageNums) {
        dlg.setPrintRange(QAbstractPrintDialog::PageRange);
        dlg.setFromTo(FFromPage, FToPage);
    } else if (FPrintRange == prSelection) {
        dlg.setPrintRange(QAbstractPrintDialog::Selection);
    }
    if (dlg.exec() != QDialog::Accepted) return false;
    switch (dlg.printRange()) {
    case QAbstractPrintDialog::PageRange:
        FPrintRange = prPageNums;
        FFromPage = dlg.fromPage();
        FToPage = dlg.toPage();
        break;
    case QAbstractPrintDialog::Selection:
        FPrintRange = prSelection;
        break;
    default:
        FPrintRange = prAllPages;
        break;
    }
    FCopies = printer->copyCount();
    FCollate = printer->collateCopies();
    FPrintToFile = !printer->outputFileName().isEmpty();
    Printer()->SetCopies(FCopies);
    Printer()->SetOrientation(printer->pageLayout().orientation() == QPageLayout::Landscape ? poLandscape
                                                                                            : poPortrait);
    return true;
}

TPrinterSetupDialog::TPrinterSetupDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

bool TPrinterSetupDialog::ExecuteQt() {
    auto* printer = static_cast<QPrinter*>(Printer()->QtPrinter());
    if (!printer) throw EPrinter(QStringLiteral("There is no default printer currently selected"));
    QPageSetupDialog dlg(printer, dialogParent());
    if (dlg.exec() != QDialog::Accepted) return false;
    Printer()->SetOrientation(printer->pageLayout().orientation() == QPageLayout::Landscape ? poLandscape
                                                                                            : poPortrait);
    return true;
}

// ---- published properties ----------------------------------------------------------------------

ORVO_PUBLISHED(TCommonDialog) {
    P.Property("Ctl3D", &TCommonDialog::Ctl3D, &TCommonDialog::SetCtl3D).Default(true);
    P.Property("HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext).Default(0);
    P.Property("OnShow", &TCommonDialog::GetOnShow, &TCommonDialog::SetOnShow);
    P.Property("OnClose", &TCommonDialog::GetOnClose, &TCommonDialog::SetOnClose);
}

ORVO_PUBLISHED(TOpenDialog) {
    P.Property("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
    P.Property("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
    P.Property("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
    P.Property("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
    P.Property("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
    P.Property("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions)
        .Default(TOpenOptions{ofHideReadOnly, ofEnableSizing});
    P.Property("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
}

ORVO_PUBLISHED(TSaveDialog) {}

ORVO_PUBLISHED(TColorDialog) {
    P.Property("Color", &TColorDialog::Color, &TColorDialog::SetColor)
        .Type(TypeInfoTColor())
        .Default(clBlack);
    P.Property("CustomColors", &TColorDialog::CustomColors, &TColorDialog::SetCustomColors);
    P.Property("Options", &TColorDialog::Options, &TColorDialog::SetOptions).Default(TColorDialogOptions{});
}

ORVO_PUBLISHED(TFontDialog) {
    P.Property("Font", &TFontDialog::Font, &TFontDialog::SetFont);
    P.Property("MinFontSize", &TFontDialog::MinFontSize, &TFontDialog::SetMinFontSize).Default(0);
    P.Property("MaxFontSize", &TFontDialog::MaxFontSize, &TFontDialog::SetMaxFontSize).Default(0);
    P.Property("Options", &TFontDialog::Options, &TFontDialog::SetOptions)
        .Default(TFontDialogOptions{fdEffects});
}

ORVO_PUBLISHED(TPrintDialog) {
    P.Property("Collate", &TPrintDialog::Collate, &TPrintDialog::SetCollate).Default(false);
    P.Property("Copies", &TPrintDialog::Copies, &TPrintDialog::SetCopies).Default(0);
    P.Property("FromPage", &TPrintDialog::FromPage, &TPrintDialog::SetFromPage).Default(0);
    P.Property("MinPage", &TPrintDialog::MinPage, &TPrintDialog::SetMinPage).Default(0);
    P.Property("MaxPage", &TPrintDialog::MaxPage, &TPrintDialog::SetMaxPage).Default(0);
    P.Property("Options", &TPrintDialog::Options, &TPrintDialog::SetOptions).Default(TPrintDialogOptions{});
    P.Property("PrintToFile", &TPrintDialog::PrintToFile, &TPrintDialog::SetPrintToFile).Default(false);
    P.Property("PrintRange", &TPrintDialog::PrintRange, &TPrintDialog::SetPrintRange).Default(prAllPages);
    P.Property("ToPage", &TPrintDialog::ToPage, &TPrintDialog::SetToPage).Default(0);
}

ORVO_PUBLISHED(TPrinterSetupDialog) {}

void RegisterCommonDialogs() {
    RegisterClasses({TOpenDialog::StaticClass(), TSaveDialog::StaticClass(), TColorDialog::StaticClass(),
                     TFontDialog::StaticClass(), TPrintDialog::StaticClass(),
                     TPrinterSetupDialog::StaticClass()});
}
