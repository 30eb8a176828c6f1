#include "chart/editor/TeeExport.h"

#include "chart/engine/panel/CustomTeePanel.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/Registry.h"
#include "platform/classes/ReplaceFileStream.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/CustomForm.h"
#include "platform/graphics/Graphic.h"
#include "platform/rtl/Exception.h"
#include "platform/win/Shell.h"

#include <QFileInfo>

#include <algorithm>
#include <memory>

ORVO_IMPLEMENT_CLASS(TTeeExportFormat, TObject)

namespace {
std::vector<TTeeExportFormatEntry>& Formats() {
    static std::vector<TTeeExportFormatEntry> formats;
    return formats;
}
} // namespace

TTeeExportFormat::~TTeeExportFormat() {
    delete FOptions;
}

void TTeeExportFormat::IncFileFilterIndex(int& Index) {
    ++Index;
    FFilterIndex = Index;
}

TCustomForm* TTeeExportFormat::Options(bool) {
    return nullptr;
}

void TTeeExportFormat::CheckSize() {
    if (!Panel) return;
    if (Width == 0) Width = Panel->Width();
    if (Height == 0) Height = Panel->Height();
}

void TTeeExportFormat::Prepare() {
    if (!Panel) throw Exception(TeeMsg_ExportPanelNotSet);
    Options(true);
    CheckSize();
}

void TTeeExportFormat::CopyToClipboard() {
    Prepare();
    DoCopyToClipboard();
}

void TTeeExportFormat::SaveToFile(const String& FileName) {
    Prepare();
    // The picture is made whole in memory and put in place of the file in one step: a
    // failure leaves the old file as it was.
    TReplaceFileStream stream(FileName);
    SaveToStream(&stream);
    stream.Commit();
}

const std::vector<TTeeExportFormatEntry>& TeeExportFormats() {
    return Formats();
}

void RegisterTeeExportFormat(TClass Class, TTeeExportFormatClass Make) {
    Formats().push_back({Class, Make});
}

void UnRegisterTeeExportFormat(TClass Class) {
    auto& f = Formats();
    f.erase(
        std::remove_if(f.begin(), f.end(), [&](const TTeeExportFormatEntry& e) { return e.Class == Class; }),
        f.end());
}

void TeeSavePanel(TTeeExportFormatClass Make, TCustomTeePanel* APanel) {
    std::unique_ptr<TTeeExportFormat> format(Make());
    format->Panel = APanel;
    TSaveDialog dialog(nullptr);
    dialog.SetFilter(format->FileFilter());
    dialog.SetDefaultExt(format->FileExtension());
    TOpenOptions options = dialog.Options();
    options << ofOverwritePrompt;
    dialog.SetOptions(options);
    if (dialog.Execute()) format->SaveToFile(dialog.FileName());
}

void TeeSaveToBitmap(TCustomTeePanel* APanel, const String& FileName, const TRect& R) {
    for (const TTeeExportFormatEntry& e : Formats()) {
        std::unique_ptr<TTeeExportFormat> format(e.Make());
        if (format->FileExtension().compare(QLatin1String("bmp"), Qt::CaseInsensitive) != 0) continue;
        format->Panel = APanel;
        format->Width = R.Right - R.Left;
        format->Height = R.Bottom - R.Top;
        format->SaveToFile(FileName);
        return;
    }
}

String GetRegistryHelpPath(const String& HelpFile) {
    try {
        TRegistry reg;
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        if (reg.OpenKeyReadOnly(QStringLiteral("SOFTWARE\\Microsoft\\Windows\\Help")) &&
            reg.ValueExists(HelpFile))
            return reg.ReadString(HelpFile) + QLatin1Char('\\') + HelpFile;
    } catch (const Exception&) {
    }
    return String();
}

bool TeeCanEmail() {
    // Asked once per run, as the mail library is probed once.
    static const bool can = MailSender().Available();
    return can;
}

void TeeEmailFile(const String& FileName, const String& Subject) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\"").arg(FileName));
    const QByteArray data = file.readAll();
    file.close();
    const int result = SendFileByMail(Subject, FileName, data);
    // Sent, or cancelled by the user: nothing to say.
    if (result != MAIL_SUCCESS && result != MAIL_USER_ABORT)
        throw Exception(
            QString(TeeMsg_CanNotEmailChart).replace(QLatin1String("%d"), QString::number(result)));
}

void TeeFillPictureDialog(TOpenDialog* Dialog, TCustomTeePanel* APanel, TStrings* Items) {
    int index = Dialog->Filter().isEmpty() ? 0 : 1;
    for (const TTeeExportFormatEntry& e : Formats()) {
        std::unique_ptr<TTeeExportFormat> format(e.Make());
        format->Panel = APanel;
        format->IncFileFilterIndex(index);
        String filter = Dialog->Filter();
        if (!filter.isEmpty()) filter += u'|';
        Dialog->SetFilter(filter + format->FileFilter());
        if (Items) {
            String description = format->Description();
            description.remove(u'&');
            Items->AddObject(description, format.release());
        }
    }
}

TGraphic* WithFileExtension(const String& Extension) {
    for (const TTeeExportFormatEntry& e : Formats()) {
        std::unique_ptr<TTeeExportFormat> format(e.Make());
        if ((u'.' + format->FileExtension()).compare(Extension, Qt::CaseInsensitive) != 0) continue;
        const TClass cls = format->GraphicClass();
        if (!cls || !cls->CreatePlain) return nullptr;
        return dynamic_cast<TGraphic*>(cls->CreatePlain());
    }
    return nullptr;
}
