// The metafile picture format: an enhanced metafile (.emf) or, with "Enhanced" off, a
// placeable Windows metafile (.wmf); the save dialog holds one filter entry for each.
#pragma once

#include "chart/editor/TeeExport.h"
#include "platform/controls/CustomForm.h"

class TCheckBox;
class TMetafile;

class TEMFOptions : public TForm {
    ORVO_CLASS(TEMFOptions, TForm)
public:
    explicit TEMFOptions(TComponent* AOwner) : TForm(AOwner) {}
    TCheckBox* CBEnhanced = nullptr;
};

class TEMFExportFormat : public TTeeExportFormat {
    ORVO_CLASS(TEMFExportFormat, TTeeExportFormat)
public:
    void DoCopyToClipboard() override;
    int FileFilterIndex() override;
    void IncFileFilterIndex(int& Index) override;
    bool WantsFilterIndex(int Index) override;
    String Description() override;
    String FileExtension() override;
    String FileFilter() override;
    TClass GraphicClass() override;
    void SaveToStream(TStream* Stream) override;
    TCustomForm* Options(bool Check = true) override;

    // The options' "Enhanced" box; true while no options form exists. Setting it makes
    // the form first.
    bool Enhanced();
    void SetEnhanced(bool Value);
    // The picture of the panel at the format's size. The caller owns it.
    TMetafile* Metafile();
};
