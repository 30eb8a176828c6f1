#include "chart/editor/TeeEMFOptions.h"

#include "chart/engine/panel/CustomTeePanel.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Clipboard.h"
#include "platform/graphics/Metafile.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TEMFOptions, TForm)
ORVO_IMPLEMENT_CLASS(TEMFExportFormat, TTeeExportFormat)

ORVO_PUBLISHED(TEMFOptions) {
    P.Field("CBEnhanced", &TEMFOptions::CBEnhanced);
}

String TEMFExportFormat::Description() {
    return TeeMsg_AsEMF;
}

String TEMFExportFormat::FileFilter() {
    return TeeMsg_EMFFilter;
}

String TEMFExportFormat::FileExtension() {
    return Enhanced() ? QStringLiteral("emf") : QStringLiteral("wmf");
}

TClass TEMFExportFormat::GraphicClass() {
    return TMetafile::StaticClass();
}

void TEMFExportFormat::IncFileFilterIndex(int& Index) {
    // Two entries: the enhanced one is the format's index, the plain one the next.
    FFilterIndex = Index + 1;
    Index += 2;
}

int TEMFExportFormat::FileFilterIndex() {
    return Enhanced() ? FFilterIndex : FFilterIndex + 1;
}

bool TEMFExportFormat::WantsFilterIndex(int Index) {
    if (Index == FFilterIndex + 1) {
        SetEnhanced(false);
        return true;
    }
    return Index == FFilterIndex;
}

TCustomForm* TEMFExportFormat::Options(bool Check) {
    if (!FOptions && Check) {
        auto* form = new TEMFOptions(nullptr);
        form->AfterConstruction();
        FOptions = form;
    }
    return FOptions;
}

bool TEMFExportFormat::Enhanced() {
    return !FOptions || static_cast<TEMFOptions*>(FOptions)->CBEnhanced->Checked();
}

void TEMFExportFormat::SetEnhanced(bool Value) {
    static_cast<TEMFOptions*>(Options(true))->CBEnhanced->SetChecked(Value);
}

TMetafile* TEMFExportFormat::Metafile() {
    CheckSize();
    return Panel->TeeCreateMetafile(Enhanced(), TRect{0, 0, Width, Height});
}

void TEMFExportFormat::DoCopyToClipboard() {
    std::unique_ptr<TMetafile> meta(Metafile());
    Clipboard()->Assign(meta.get());
}

void TEMFExportFormat::SaveToStream(TStream* Stream) {
    std::unique_ptr<TMetafile> meta(Metafile());
    meta->SaveToStream(Stream);
}
