// The bitmap picture format (.bmp) and its options form: colour depth or monochrome, and
// the bitmap filters applied after drawing.
#pragma once

#include "chart/editor/TeeExport.h"
#include "platform/controls/CustomForm.h"

class TBitmap;
class TCheckBox;
class TComboBox;
class TFilterItems;
class TLabel;

class TBMPOptions : public TForm {
    ORVO_CLASS(TBMPOptions, TForm)
public:
    explicit TBMPOptions(TComponent* AOwner) : TForm(AOwner) {}

    TLabel* Label1 = nullptr;
    TComboBox* CBColors = nullptr;
    TCheckBox* CBMono = nullptr;

    void FormShow(TObject* Sender);
    void CBMonoClick(TObject* Sender);
};

class TBMPExportFormat : public TTeeExportFormat {
    ORVO_CLASS(TBMPExportFormat, TTeeExportFormat)
public:
    TBMPExportFormat();
    ~TBMPExportFormat() override;

    void DoCopyToClipboard() override;
    String Description() override;
    String FileExtension() override { return QStringLiteral("bmp"); }
    String FileFilter() override;
    TClass GraphicClass() override;
    void SaveToStream(TStream* Stream) override;
    TCustomForm* Options(bool Check = true) override;

    // The picture: drawn, then every enabled filter applied. The caller owns it.
    TBitmap* Bitmap();
    TFilterItems* Filters() const { return FFilters; }

private:
    TBitmap* InternalGetBitmap();
    TFilterItems* FFilters = nullptr;
};
