#include "chart/editor/TeeBMPOptions.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/panel/CustomTeePanel.h"
#include "chart/engine/pictures/TeeFilters.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Clipboard.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"
#include "platform/graphics/Bitmap.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TBMPOptions, TForm)
ORVO_IMPLEMENT_CLASS(TBMPExportFormat, TTeeExportFormat)

ORVO_PUBLISHED(TBMPOptions) {
    P.Field("Label1", &TBMPOptions::Label1);
    P.Field("CBColors", &TBMPOptions::CBColors);
    P.Field("CBMono", &TBMPOptions::CBMono);
    P.Method("FormShow", &TBMPOptions::FormShow);
    P.Method("CBMonoClick", &TBMPOptions::CBMonoClick);
}

void TBMPOptions::FormShow(TObject*) {
    CBColors->SetItemIndex(0);
}

void TBMPOptions::CBMonoClick(TObject*) {
    CBColors->SetEnabled(!CBMono->Checked());
}

TBMPExportFormat::TBMPExportFormat() : FFilters(new TFilterItems(nullptr)) {}

TBMPExportFormat::~TBMPExportFormat() {
    delete FFilters;
}

String TBMPExportFormat::Description() {
    return TeeMsg_AsBMP;
}

String TBMPExportFormat::FileFilter() {
    return TeeMsg_BMPFilter;
}

TClass TBMPExportFormat::GraphicClass() {
    return TBitmap::StaticClass();
}

TCustomForm* TBMPExportFormat::Options(bool Check) {
    if (!FOptions && Check) {
        auto* form = new TBMPOptions(nullptr);
        form->AfterConstruction();
        form->CBColors->SetItemIndex(0);
        FOptions = form;
    }
    return FOptions;
}

TBitmap* TBMPExportFormat::InternalGetBitmap() {
    CheckSize();
    auto* options = static_cast<TBMPOptions*>(Options(true));
    static const TPixelFormat formats[] = {pfDevice, pf1bit,  pf4bit,  pf8bit,
                                           pf15bit,  pf16bit, pf24bit, pf32bit};
    TPixelFormat format = pfDevice;
    if (options->CBMono->Checked()) {
        format = pf1bit;
    } else {
        const int i = options->CBColors->ItemIndex();
        if (i >= 0 && i < 8) format = formats[i];
    }
    if (Panel->Canvas() && Panel->Canvas()->SupportsFullRotation()) format = pf24bit;
    const int w = std::max(1, Width), h = std::max(1, Height);
    // The panel draws into a colour bitmap; the chosen depth is applied to the result.
    std::unique_ptr<TBitmap> bitmap(Panel->TeeCreateBitmap(Panel->Color(), TRect{0, 0, w, h}, pf24bit));
    if (format != pf24bit && format != pfDevice) {
        if (format == pf1bit)
            bitmap->SetMonochrome(true);
        else
            bitmap->SetPixelFormat(format);
    }
    return bitmap.release();
}

TBitmap* TBMPExportFormat::Bitmap() {
    Options(true);
    std::unique_ptr<TBitmap> bitmap(InternalGetBitmap());
    FFilters->ApplyTo(bitmap.get());
    return bitmap.release();
}

void TBMPExportFormat::DoCopyToClipboard() {
    std::unique_ptr<TBitmap> bitmap(Bitmap());
    Clipboard()->Assign(bitmap.get());
}

void TBMPExportFormat::SaveToStream(TStream* Stream) {
    std::unique_ptr<TBitmap> bitmap(Bitmap());
    bitmap->SaveToStream(Stream);
}
