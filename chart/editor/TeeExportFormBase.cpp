#include "chart/editor/TeeExportFormBase.h"

#include "chart/editor/FormatEditor.h"
#include "chart/editor/StringsEditor.h"
#include "chart/editor/TeeExport.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/CustomTeePanel.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/export/ChartXML.h"
#include "chart/export/HourGlass.h"
#include "chart/export/TeeExportData.h"
#include "chart/export/TeeStore.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/ReplaceFileStream.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Clipboard.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileUtils.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <memory>

ORVO_IMPLEMENT_CLASS(TTeeExportFormBase, TForm)

ORVO_PUBLISHED(TTeeExportFormBase) {
    using S = TTeeExportFormBase;
#define F(name) P.Field(#name, &S::name)
    F(PageControl1);
    F(TabPicture);
    F(TabNative);
    F(TabData);
    F(GBFormat);
    F(LBFormat);
    F(PageOptions);
    F(TabOptions);
    F(TabSize);
    F(LabelWidth);
    F(EWidth);
    F(UDWidth);
    F(LabelHeight);
    F(EHeight);
    F(UDHeight);
    F(CBAspect);
    F(CBPicSize);
    F(LabelPicSize);
    F(CBNativeData);
    F(CBNativeFormat);
    F(CBFileSize);
    F(LabelSize);
    F(BViewNative);
    F(LabelSeries);
    F(CBSeries);
    F(RGText);
    F(CBUseSeriesFormat);
    F(LabelValueFormat);
    F(SeriesValueFormat);
    F(BFormat);
    F(GBInclude);
    F(CBIndex);
    F(CBLabels);
    F(CBHeader);
    F(CBColors);
    F(LabelDelim);
    F(CBDelim);
    F(ECustom);
    F(LabelQuotes);
    F(EQuotes);
    F(PanelButtons);
    F(BCopy);
    F(BSave);
    F(BSend);
    F(BClose);
    F(SaveDialogPicture);
    F(SaveDialogData);
    F(SaveDialogNative);
#undef F
#define M(name) P.Method(#name, &S::name)
    M(FormShow);
    M(FormCreate);
    M(PageControl1Change);
    M(LBFormatClick);
    M(PageOptionsChange);
    M(EWidthChange);
    M(EHeightChange);
    M(CBPicSizeClick);
    M(CBNativeFormatClick);
    M(CBFileSizeClick);
    M(BViewNativeClick);
    M(RGTextClick);
    M(CBDelimChange);
    M(CBUseSeriesFormatClick);
    M(BFormatClick);
    M(BCopyClick);
    M(BSaveClick);
    M(BSendClick);
#undef M
}

namespace {
String BytesOf(TMemoryStream* Stream) {
    return QString::fromUtf8(static_cast<const char*>(Stream->Memory()), int(Stream->Size()));
}

int BoxValue(const TEdit* Edit) {
    bool ok = false;
    const int v = Edit->Text().trimmed().toInt(&ok);
    return ok && v > 0 ? v : 0;
}
} // namespace

TTeeExportFormBase::TTeeExportFormBase(TComponent* AOwner)
    : TForm(AOwner), Formats(new TStringList), EmailName(QStringLiteral("VorUvivi")),
      NativeFilter(TeeMsg_NativeFilter) {
    DataFilter = QStringList{TeeMsg_TextFilter1, TeeMsg_TextFilter2, TeeMsg_TextFilter3, TeeMsg_TextFilter4,
                             TeeMsg_TextFilter5, TeeMsg_XMLFilter,   TeeMsg_HTMLFilter,  TeeMsg_ExcelFilter}
                     .join(u'|');
}

TTeeExportFormBase::~TTeeExportFormBase() {
    FreeFormats();
    delete Formats;
}

void TTeeExportFormBase::FreeFormats() {
    if (LBFormat) LBFormat->Items()->Clear();
    for (int i = 0; i < Formats->Count(); ++i)
        delete static_cast<TTeeExportFormat*>(Formats->Objects(i));
    Formats->Clear();
}

void TTeeExportFormBase::FormCreate(TObject*) {}

TTeeExportFormat* TTeeExportFormBase::SelectedFormat() const {
    const int i = LBFormat->ItemIndex();
    if (i < 0) return nullptr;
    return static_cast<TTeeExportFormat*>(LBFormat->Items()->Objects(i));
}

String TTeeExportFormBase::PictureFilter() const {
    return SaveDialogPicture->Filter();
}

int TTeeExportFormBase::PictureWidth() const {
    return BoxValue(EWidth);
}

int TTeeExportFormBase::PictureHeight() const {
    return BoxValue(EHeight);
}

void TTeeExportFormBase::SetPictureWidth(int Value) {
    EWidth->SetText(QString::number(Value));
}

void TTeeExportFormBase::SetPictureHeight(int Value) {
    EHeight->SetText(QString::number(Value));
}

// ---- show

void TTeeExportFormBase::FormShow(TObject*) {
    RGText->SetItemIndex(0);
    for (TSaveDialog* d : {SaveDialogPicture, SaveDialogData, SaveDialogNative}) {
        TOpenOptions o = d->Options();
        o << ofEnableSizing;
        d->SetOptions(o);
    }
    if (Tag() != 0)
        if (auto* p = dynamic_cast<TCustomTeePanel*>(TeeFormTagObject(this))) ExportPanel = p;
    if (ExportPanel) {
        ChangingSize = true;
        const int w = ExportPanel->Width(), h = ExportPanel->Height();
        UDWidth->SetPosition(w);
        UDHeight->SetPosition(h);
        EWidth->SetText(QString::number(w));
        EHeight->SetText(QString::number(h));
        // A panel without height keeps no aspect: the other box is then left alone.
        IAspect = h != 0 ? double(w) / double(h) : 0;
        PrepareOnShow();
        // Every show starts from empty lists: the dialog is shown again on each visit of
        // the editor's Export tab.
        FreeFormats();
        SaveDialogPicture->SetFilter(String());
        TeeFillPictureDialog(SaveDialogPicture, ExportPanel, Formats);
        for (int i = 0; i < Formats->Count(); ++i)
            LBFormat->Items()->AddObject(Formats->Strings(i), Formats->Objects(i));
        CBDelim->SetItemIndex(1);
        EnableDelimiter();
        if (LBFormat->Items()->Count() > 0) LBFormat->SetItemIndex(0);
        const String valueFormat = SeriesValueFormat->Text();
        SeriesValueFormat->Items()->Clear();
        AddDefaultValueFormats(SeriesValueFormat->Items());
        if (!valueFormat.isEmpty())
            SeriesValueFormat->SetText(valueFormat);
        else if (SeriesValueFormat->Items()->Count() > 0)
            SeriesValueFormat->SetText(SeriesValueFormat->Items()->Strings(0));
        CBUseSeriesFormatClick(nullptr);
        LBFormatClick(nullptr);
        EnableButtons();
        ChangingSize = false;
    }
    TeeTranslateControl(this);
}

void TTeeExportFormBase::PrepareOnShow() {
    TabData->SetTabVisible(false);
    CBNativeData->SetVisible(false);
}

bool TTeeExportFormBase::ExistData() {
    auto* p = dynamic_cast<TCustomAxisPanel*>(ExportPanel);
    return p && p->SeriesCount() > 0;
}

TSeriesData* TTeeExportFormBase::CreateData() {
    return nullptr;
}

// ---- enabling

int TTeeExportFormBase::NativeFormat() const {
    return std::max(0, CBNativeFormat->ItemIndex());
}

String TTeeExportFormBase::NativeExtension() const {
    switch (NativeFormat()) {
    case 1:
        return QStringLiteral("txt");
    case 2:
        return QStringLiteral("xml");
    default:
        return TeeMsg_TeeExtension;
    }
}

void TTeeExportFormBase::EnableButtons() {
    TTabSheet* page = PageControl1->ActivePage();
    bool copy = false;
    if (page == TabPicture)
        copy = true;
    else if (page == TabData)
        copy = ExistData();
    else if (page == TabNative)
        copy = NativeFormat() > 0;
    const bool save = copy || page == TabNative;
    // The spreadsheet stream is binary: nothing to put on the clipboard as text.
    if (page == TabData && RGText->ItemIndex() == 3) copy = false;
    BCopy->SetEnabled(copy);
    BSave->SetEnabled(save);
    BSend->SetEnabled(save && TeeCanEmail());
    BViewNative->SetEnabled(NativeFormat() > 0);
}

void TTeeExportFormBase::PageControl1Change(TObject*) {
    EnableButtons();
}

void TTeeExportFormBase::EnableDelimiter() {
    const bool text = RGText->ItemIndex() <= 0;
    CBDelim->SetEnabled(text);
    ECustom->SetEnabled(text && CBDelim->ItemIndex() == 4);
}

void TTeeExportFormBase::RGTextClick(TObject*) {
    EnableDelimiter();
    EnableButtons();
}

void TTeeExportFormBase::CBDelimChange(TObject*) {
    EnableDelimiter();
    if (CBDelim->ItemIndex() == 4 && ECustom->Showing() && ECustom->Enabled()) ECustom->SetFocus();
}

void TTeeExportFormBase::CBUseSeriesFormatClick(TObject*) {
    const bool own = !CBUseSeriesFormat->Checked();
    SeriesValueFormat->SetEnabled(own);
    BFormat->SetEnabled(own);
}

QChar TTeeExportFormBase::Delimiter() const {
    switch (CBDelim->ItemIndex()) {
    case 0:
        return QChar(32);
    case 2:
        return QChar(44);
    case 3:
        return QChar(58);
    case 4: {
        const String s = ECustom->Text();
        return s.isEmpty() ? QChar(32) : s.at(0);
    }
    default:
        return QChar(9);
    }
}

int TTeeExportFormBase::DataFilterIndex() const {
    const int format = RGText->ItemIndex();
    if (format >= 1) return format + 5;
    return std::max(0, CBDelim->ItemIndex()) + 1;
}

// ---- picture

void TTeeExportFormBase::LBFormatClick(TObject*) {
    for (int i = 0; i < TabOptions->ControlCount(); ++i)
        TabOptions->Controls(i)->SetVisible(false);
    TTeeExportFormat* format = SelectedFormat();
    TCustomForm* options = format ? format->Options(true) : nullptr;
    if (options && options->ControlCount() > 0) {
        TabOptions->SetTabVisible(true);
        AddFormTo(options, TabOptions);
        TeeTranslateControl(options);
        PageOptions->SetActivePage(TabOptions);
    } else {
        TabOptions->SetTabVisible(false);
        PageOptions->SetActivePage(TabSize);
    }
    ShowPictureSize();
}

void TTeeExportFormBase::PageOptionsChange(TObject*) {
    ShowPictureSize();
}

void TTeeExportFormBase::TakeBoxSizes(TTeeExportFormat* Format) const {
    Format->Width = PictureWidth();
    Format->Height = PictureHeight();
}

void TTeeExportFormBase::SetAspectFrom(bool FromWidth) {
    if (!Showing() || ChangingSize) return;
    ChangingSize = true;
    struct TOff {
        bool& Flag;
        ~TOff() { Flag = false; }
    } off{ChangingSize};
    if (CBAspect->Checked() && IAspect != 0) {
        if (FromWidth)
            EHeight->SetText(QString::number(int(std::lround(PictureWidth() / IAspect))));
        else
            EWidth->SetText(QString::number(int(std::lround(PictureHeight() * IAspect))));
    }
    ShowPictureSize();
}

void TTeeExportFormBase::EWidthChange(TObject*) {
    SetAspectFrom(true);
}

void TTeeExportFormBase::EHeightChange(TObject*) {
    SetAspectFrom(false);
}

void TTeeExportFormBase::ShowPictureSize() {
    TTeeExportFormat* format = SelectedFormat();
    if (!CBPicSize->Checked() || !format || !ExportPanel) {
        LabelPicSize->SetCaption(QStringLiteral("?"));
        return;
    }
    TakeBoxSizes(format);
    format->Options(true);
    format->CheckSize();
    TMemoryStream stream;
    format->SaveToStream(&stream);
    LabelPicSize->SetCaption(
        QString(TeeMsg_FileSize).replace(QLatin1String("%d"), QString::number(stream.Size())));
}

void TTeeExportFormBase::CBPicSizeClick(TObject*) {
    ShowPictureSize();
}

// ---- native

TMemoryStream* TTeeExportFormBase::CreateNativeStream() {
    auto stream = std::make_unique<TMemoryStream>();
    SaveTeeToStream(ExportPanel, stream.get());
    if (NativeFormat() > 0) {
        auto text = std::make_unique<TMemoryStream>();
        stream->SetPosition(0);
        ObjectBinaryToText(stream.get(), text.get());
        if (NativeFormat() == 2) ConvertTextToXML(text.get(), true);
        stream = std::move(text);
    }
    stream->SetPosition(0);
    return stream.release();
}

void TTeeExportFormBase::DoSaveNativeToFile(const String& FileName, bool) {
    std::unique_ptr<TMemoryStream> stream(CreateNativeStream());
    TReplaceFileStream file(FileName);
    file.CopyFrom(stream.get(), stream->Size());
    file.Commit();
}

void TTeeExportFormBase::ShowNativeSize() {
    if (!CBFileSize->Checked() || !ExportPanel) {
        LabelSize->SetCaption(QStringLiteral("?"));
        return;
    }
    std::unique_ptr<TMemoryStream> stream(CreateNativeStream());
    LabelSize->SetCaption(
        QString(TeeMsg_FileSize).replace(QLatin1String("%d"), QString::number(stream->Size())));
}

void TTeeExportFormBase::CBNativeFormatClick(TObject*) {
    ShowNativeSize();
    EnableButtons();
}

void TTeeExportFormBase::CBFileSizeClick(TObject*) {
    ShowNativeSize();
}

void TTeeExportFormBase::BViewNativeClick(TObject*) {
    if (!ExportPanel) return;
    std::unique_ptr<TMemoryStream> stream(CreateNativeStream());
    String text = BytesOf(stream.get());
    TeeEditStrings(this, text, true);
}

void TTeeExportFormBase::BFormatClick(TObject*) {
    String result;
    if (TFormatEditor::Change(this, SeriesValueFormat->Text(), result, false))
        SeriesValueFormat->SetText(result);
}

// ---- copy, save, send

void TTeeExportFormBase::BCopyClick(TObject*) {
    if (!ExportPanel) return;
    TTabSheet* page = PageControl1->ActivePage();
    if (page == TabPicture) {
        if (TTeeExportFormat* format = SelectedFormat()) {
            TakeBoxSizes(format);
            format->CopyToClipboard();
        }
    } else if (page == TabData) {
        THourGlass busy;
        std::unique_ptr<TSeriesData> data(CreateData());
        if (data) data->CopyToClipboard();
    } else if (page == TabNative && NativeFormat() > 0) {
        std::unique_ptr<TMemoryStream> stream(CreateNativeStream());
        Clipboard()->SetAsText(BytesOf(stream.get()));
    }
}

void TTeeExportFormBase::SavePicture(const String& FileName) {
    THourGlass busy;
    // The save dialog's entry tells a format which of its kinds it writes (the metafile's
    // second entry is the plain kind); the file's extension picks the format.
    const int entry = SaveDialogPicture->FilterIndex();
    for (int i = 0; i < Formats->Count(); ++i)
        static_cast<TTeeExportFormat*>(Formats->Objects(i))->WantsFilterIndex(entry);
    const String ext = ExtractFileExt(FileName).mid(1);
    TTeeExportFormat* chosen = nullptr;
    for (int i = 0; i < Formats->Count() && !chosen; ++i) {
        auto* f = static_cast<TTeeExportFormat*>(Formats->Objects(i));
        if (f->FileExtension().compare(ext, Qt::CaseInsensitive) == 0) chosen = f;
    }
    if (!chosen) chosen = SelectedFormat();
    if (!chosen) return;
    TakeBoxSizes(chosen);
    chosen->SaveToFile(FileName);
}

void TTeeExportFormBase::SaveData(const String& FileName) {
    THourGlass busy;
    std::unique_ptr<TSeriesData> data(CreateData());
    if (data) data->SaveToFile(FileName);
}

void TTeeExportFormBase::SaveNative(const String& FileName) {
    THourGlass busy;
    DoSaveNativeToFile(FileName, CBNativeData->Checked());
}

void TTeeExportFormBase::SaveCurrentTo(const String& FileName) {
    TTabSheet* page = PageControl1->ActivePage();
    if (page == TabPicture)
        SavePicture(FileName);
    else if (page == TabNative)
        SaveNative(ChangeFileExt(FileName, u'.' + NativeExtension()));
    else if (page == TabData)
        SaveData(FileName);
}

void TTeeExportFormBase::BSaveClick(TObject*) {
    if (!ExportPanel) return;
    TTabSheet* page = PageControl1->ActivePage();
    if (page == TabPicture) {
        TTeeExportFormat* format = SelectedFormat();
        if (!format) return;
        SaveDialogPicture->SetDefaultExt(format->FileExtension());
        SaveDialogPicture->SetFilterIndex(format->FileFilterIndex());
        SaveDialogPicture->SetInitialDir(InitDir);
        SaveDialogPicture->SetFileName(String());
        if (SaveDialogPicture->Execute()) SavePicture(SaveDialogPicture->FileName());
    } else if (page == TabNative) {
        const String ext = NativeExtension();
        SaveDialogNative->SetDefaultExt(ext);
        SaveDialogNative->SetFilter(NativeFilter + QStringLiteral(" (*.") + ext + QStringLiteral(")|*.") +
                                    ext);
        SaveDialogNative->SetInitialDir(InitDir);
        if (SaveDialogNative->Execute()) SaveCurrentTo(SaveDialogNative->FileName());
    } else if (page == TabData) {
        SaveDialogData->SetFilter(DataFilter);
        SaveDialogData->SetFilterIndex(DataFilterIndex());
        SaveDialogData->SetInitialDir(InitDir);
        if (!SaveDialogData->Execute()) return;
        const int entry = SaveDialogData->FilterIndex();
        if (entry > 5) {
            RGText->SetItemIndex(entry - 5);
        } else {
            RGText->SetItemIndex(0);
            // Each text entry names its delimiter: the "Comma" entry writes commas whatever
            // the box said before.
            if (entry >= 1) CBDelim->SetItemIndex(entry - 1);
        }
        EnableDelimiter();
        SaveData(SaveDialogData->FileName());
    }
}

String TTeeExportFormBase::CurrentExtension() const {
    TTabSheet* page = PageControl1->ActivePage();
    if (page == TabPicture) {
        TTeeExportFormat* format = SelectedFormat();
        return format ? format->FileExtension() : String();
    }
    if (page == TabNative) return TeeMsg_TeeExtension;
    // The pattern of the data filter's entry: "Comma ... (*.csv)|*.csv" gives "csv".
    const QStringList parts = DataFilter.split(u'|');
    const int pattern = (DataFilterIndex() - 1) * 2 + 1;
    if (pattern >= parts.size()) return String();
    const String mask = parts[pattern];
    const int dot = mask.indexOf(u'.');
    return dot < 0 ? String() : mask.mid(dot + 1);
}

void TTeeExportFormBase::BSendClick(TObject*) {
    if (!TeeCanEmail()) {
        BSend->SetEnabled(false);
        return;
    }
    if (!ExportPanel) return;
    // Written in a folder of its own, so that no other user's or run's file of the same
    // name is touched; the mail sender keeps its own copy until the program ends.
    QTemporaryDir folder;
    if (!folder.isValid()) throw Exception(TeeMsg_CanNotFindTempPath);
    const String name = QDir(folder.path()).filePath(EmailName + u'.' + CurrentExtension());
    TTabSheet* page = PageControl1->ActivePage();
    if (page == TabPicture)
        SavePicture(name);
    else if (page == TabNative)
        SaveNative(name);
    else
        SaveData(name);
    TeeEmailFile(name, EmailName);
}
