// TAntiAliasTool: owns the smoothing canvas until a chart takes it over.
#include "chart/tools/AntiAliasTool.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/pictures/TeeFilters.h"
#include "chart/engine/pictures/TeePicture.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/tools/AntiAliasCanvas.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"

#include <QImage>

#include <cstring>

ORVO_IMPLEMENT_CLASS(TAntiAliasTool, TTeeCustomTool)

ORVO_PUBLISHED(TAntiAliasTool) {
    using S = TAntiAliasTool;
    P.Property("AntiAlias", &S::AntiAlias, &S::SetAntiAlias).Default(true);
}

TAntiAliasTool::TAntiAliasTool(TComponent* AOwner) : TTeeCustomTool(AOwner) {
    FFilters = new TFilterItems(this);
    SetAntiAlias(true);
}

TAntiAliasTool::~TAntiAliasTool() {
    if (FCanvas) {
        if (FInstalled && FInstalled->Canvas() == FCanvas)
            FCanvas->ITool = nullptr; // the chart keeps drawing with it
        else
            delete FCanvas;
        FCanvas = nullptr;
    }
    delete FFilters;
}

String TAntiAliasTool::Description() {
    return Teeproco::TeeMsg_AntiAlias;
}

String TAntiAliasTool::LongDescription() {
    return TeeMsg_AntiAliasDesc;
}

void TAntiAliasTool::CanvasFreed(TAntiAliasCanvas* ACanvas) {
    if (FCanvas != ACanvas) return;
    FCanvas = nullptr;
    FInstalled = nullptr;
}

bool TAntiAliasTool::AntiAlias() const {
    return FCanvas && FCanvas->AntiAlias() == aaYes;
}

void TAntiAliasTool::SetAntiAlias(bool Value) {
    if (!FCanvas) {
        FCanvas = new TAntiAliasCanvas();
        FCanvas->ITool = this;
    }
    FCanvas->SetAntiAlias(Value ? aaYes : aaNo);
    CheckParentCanvas();
}

void TAntiAliasTool::CheckParentCanvas() {
    if (!Active() || !AntiAlias() || !FParent || FParent->Canvas() == FCanvas) return;
    if (FInstalled && FInstalled != FParent) {
        // The canvas stays with the chart that draws with it; this chart gets a new one.
        const TAntiAlias mode = FCanvas->AntiAlias();
        if (FInstalled->Canvas() == FCanvas)
            FCanvas->ITool = nullptr;
        else
            delete FCanvas;
        FCanvas = new TAntiAliasCanvas();
        FCanvas->ITool = this;
        FCanvas->SetAntiAlias(mode);
    }
    FInstalled = FParent;
    FParent->SetInternalCanvas(FCanvas);
}

void TAntiAliasTool::SetActive(bool Value) {
    TTeeCustomTool::SetActive(Value);
    SetAntiAlias(Active());
}

void TAntiAliasTool::SetParentChart(TCustomAxisPanel* Value) {
    TTeeCustomTool::SetParentChart(Value);
    CheckParentCanvas();
}

void TAntiAliasTool::SetFilters(TFilterItems* Value) {
    if (Value && Value != FFilters) FFilters->Assign(Value);
}

void TAntiAliasTool::ChartEvent(TChartToolEvent AEvent) {
    TTeeCustomTool::ChartEvent(AEvent);
    if (AEvent != cteAfterDraw || !FParent || FFilters->Count() == 0) return;
    auto* canvas = dynamic_cast<TTeeCanvas3D*>(FParent->Canvas());
    TBitmap* bitmap = canvas ? canvas->Bitmap() : nullptr;
    if (!bitmap || bitmap->Empty()) return;
    const TPixelFormat format = bitmap->PixelFormat();
    if (format == pf24bit) {
        FFilters->ApplyTo(bitmap);
        return;
    }
    // The filters work on 24-bit rows; the chart's image keeps its own format (its 32-bit
    // rows are what the fast line drawing writes into), so they run on a copy whose pixels
    // are put back into the image's rows.
    TBitmap work;
    work.SetImage(bitmap->Image(), pf24bit);
    FFilters->ApplyTo(&work);
    const int w = std::min(work.Width(), bitmap->Width()), h = std::min(work.Height(), bitmap->Height());
    if (bitmap->Image().depth() != 32) {
        bitmap->SetImage(work.Image(), format);
        return;
    }
    for (int y = 0; y < h; ++y) {
        const auto* in = static_cast<const std::uint8_t*>(work.ScanLine(y));
        auto* out = static_cast<std::uint8_t*>(bitmap->ScanLine(y));
        for (int x = 0; x < w; ++x) {
            out[4 * x] = in[3 * x];
            out[4 * x + 1] = in[3 * x + 1];
            out[4 * x + 2] = in[3 * x + 2];
        }
    }
}

void TAntiAliasTool::DefineProperties(TFiler* Filer) {
    TTeeCustomTool::DefineProperties(Filer);
    Filer->DefineProperty(QStringLiteral("FilterItems"), Method(this, &TAntiAliasTool::ReadFilterItems),
                          Method(this, &TAntiAliasTool::WriteFilterItems), FFilters->Count() > 0);
}

void TAntiAliasTool::ReadFilterItems(TReader* Reader) {
    TTeePicture::ReadFilters(Reader, FFilters);
}

void TAntiAliasTool::WriteFilterItems(TWriter* Writer) {
    TTeePicture::WriteFilters(Writer, FFilters);
}

void RegisterAntiAlias() {
    TeeAntiAliasCanvas = TAntiAliasCanvas::StaticClass();
    RegisterTeeTools({TAntiAliasTool::StaticClass()});
}

void UnRegisterAntiAlias() {
    TeeAntiAliasCanvas = nullptr;
    UnRegisterTeeTools({TAntiAliasTool::StaticClass()});
    UnRegisterClass(TAntiAliasTool::StaticClass());
}
