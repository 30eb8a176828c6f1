#include "chart/gauges/NumericGauge.h"

#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/ResStrings.h"

#include <cstdint>

ORVO_IMPLEMENT_ENUM_TYPE(TDigitalFont, "dfBar", "dfDot", "dfCustom")
ORVO_IMPLEMENT_CLASS(TNumericGauge, TCustomGauge)

ORVO_PUBLISHED(TNumericGauge) {
    using S = TNumericGauge;
    P.Property("DigitalFont", &S::DigitalFont, &S::SetDigitalFont).Default(dfBar);
}

const std::vector<TColor>& NumericGaugePalette() {
    static const std::vector<TColor> palette{
        TColor(0x00282828), TColor(0x00323232), TColor(0x00646464), TColor(0x0082AAAA), TColor(0x00C8DBDB),
        TColor(0x0082AAAA), TColor(0x00282864), TColor(0x00000000), TColor(0x00646464), TColor(0x00646464),
        TColor(0x00000000), TColor(0x001EC81E), TColor(0x003C73C8), TColor(0x003C73C8), TColor(0x003C73C8),
        TColor(0x000A3296), TColor(0x00828282), TColor(0x00828282), TColor(0x00000000), TColor(0x001E1E1E),
        TColor(0x00282828), TColor(0x00646464), TColor(0x00646464), TColor(0x00646464)};
    return palette;
}

const std::vector<TColor>& LedGaugePalette() {
    static const std::vector<TColor> palette = [] {
        std::vector<TColor> p = NumericGaugePalette();
        const TColor led[] = {TColor(0x007D3705), TColor(0x00C8780A), TColor(0x00A05A05),
                              TColor(0x000A0A0A), TColor(0x000A0A0A), TColor(0x000A0A0A)};
        for (std::size_t i = 0; i < std::size(led); ++i)
            p[i] = led[i];
        p[20] = TColor(0x001E1EFF);
        return p;
    }();
    return palette;
}

namespace {
const String BarFontName = QStringLiteral("DS-Digital");
const String DotFontName = QStringLiteral("Elektra");

[[noreturn]] void BadMarkers() {
    throw EReadError::CreateRes(&SReadError);
}

// One marker of a stored list: a component stream of its own that must name the marker class
// (or one derived from it) and hold no components of its own.
TNumericMarker* ReadOneMarker(TStream* Stream) {
    const Int64 start = Stream->Position();
    String className;
    {
        TReader peek(Stream, 256);
        peek.ReadSignature();
        TFilerFlags flags;
        int childPos = 0;
        peek.ReadPrefix(flags, childPos);
        className = peek.ReadStr();
    }
    Stream->SetPosition(start);
    TClass cls = GetClass(className);
    if (!cls || !cls->InheritsFrom(TNumericMarker::StaticClass()) || !cls->CreateComponent)
        throw EReadError(QStringLiteral("Invalid class type %1").arg(className));
    auto* marker = dynamic_cast<TNumericMarker*>(cls->CreateComponent(nullptr));
    if (!marker) throw EReadError(QStringLiteral("Invalid class type %1").arg(className));
    try {
        TReader reader(Stream, 1024);
        reader.OnFindComponentClass = TFindComponentClassEvent([](TReader*, const String& Name, TClass&) {
            throw EReadError(QStringLiteral("Invalid class type %1").arg(Name));
        });
        reader.ReadRootComponent(marker);
    } catch (...) {
        FreeObject(marker);
        throw;
    }
    return marker;
}
} // namespace

TNumericGauge::TNumericGauge(TComponent* AOwner) : TCustomGauge(AOwner) {
    FMarkers = new TNumericMarkers(this);
    const std::vector<TColor>& palette = NumericGaugePalette();
    SetGaugePalette(palette, int(palette.size()) - 1);
    // A gauge read from a stream gets the markers stored with it, and no others.
    if (AOwner && AOwner->ComponentState().Contains(csLoading)) return;
    FMarkers->Add(FormatFloat(ValueFormat(), Value()), 36, ppCenter, 20, 4);
    FMarkers->Add(QStringLiteral("MHz"), 18, ppLeftBottom, 20, 4);
    FMarkers->Add(QStringLiteral("FREQ"), 11, ppLeftTop, 4, 20)->Shape()->SetTransparent(false);
}

TNumericGauge::~TNumericGauge() {
    delete FMarkers;
    FMarkers = nullptr;
}

void TNumericGauge::Assign(TPersistent* Source) {
    auto* s = dynamic_cast<TNumericGauge*>(Source);
    if (s && s != this) {
        FDigitalFont = s->FDigitalFont;
        FMarkers->Clear();
        for (int i = 0; i < s->FMarkers->Count(); ++i) {
            TNumericMarker* m = s->FMarkers->Marker(i);
            if (!m) continue;
            auto* copy = new TNumericMarker(nullptr);
            copy->Assign(m);
            FMarkers->Append(copy);
        }
    }
    inherited::Assign(Source);
}

String TNumericGauge::GetEditorClass() {
    return QStringLiteral("TNumericGaugeEditor");
}

void TNumericGauge::SetParentChart(TCustomAxisPanel* Value) {
    inherited::SetParentChart(Value);
    if (!FMarkers) return;
    for (int i = 0; i < FMarkers->Count(); ++i)
        if (TNumericMarker* m = FMarkers->Marker(i)) m->SetParentChart(Value);
}

void TNumericGauge::CreateSubGallery(TChartSubGalleryProc AddSubChart) {
    inherited::CreateSubGallery(AddSubChart);
    AddSubChart(TeeMsg_LEDGauge);
}

void TNumericGauge::SetSubGallery(TChartSeries* ASeries, int Index) {
    auto* gauge = dynamic_cast<TNumericGauge*>(ASeries);
    if (!gauge || Index != 1) return;
    gauge->SetDigitalFont(dfDot);
    const std::vector<TColor>& palette = LedGaugePalette();
    gauge->SetGaugePalette(palette, int(palette.size()) - 1);
}

bool TNumericGauge::UseAxis() {
    return false;
}

int TNumericGauge::NumSampleValues() {
    return 1;
}

void TNumericGauge::AddSampleValues(int NumValues, bool OnlyMandatory) {
    inherited::AddSampleValues(NumValues, OnlyMandatory);
    ShowValue();
}

void TNumericGauge::PrepareForGallery(bool IsEnabled) {
    inherited::PrepareForGallery(IsEnabled);
    SetValue(RandomValue(30));
    ValueMarker()->SetPosition(ppRightBottom);
    ValueMarker()->Shape()->Font()->SetSize(18);
    UnitsMarker()->Shape()->Font()->SetSize(16);
    TextMarker()->Shape()->Font()->SetSize(12);
}

void TNumericGauge::SetGaugePalette(const std::vector<TColor>& Colors, int LastIndex) {
    inherited::SetGaugePalette(Colors, LastIndex);
    if (!FMarkers) return;
    auto colour = [this](int Index, int FontIndex, int ShapeIndex) {
        if (TNumericMarker* m = FMarkers->Marker(Index)) {
            m->Shape()->Font()->SetColor(GetPaletteColor(FontIndex));
            m->Shape()->SetColor(GetPaletteColor(ShapeIndex));
        }
    };
    colour(0, 20, 4);
    colour(1, 20, 4);
    colour(2, 4, 20);
}

void TNumericGauge::SetValue(double AValue) {
    const bool changed = Count() == 0 || Value() != AValue;
    inherited::SetValue(AValue);
    if (changed) ShowValue();
}

void TNumericGauge::SetValueFormat(const String& Value) {
    inherited::SetValueFormat(Value);
    ShowValue();
}

void TNumericGauge::ShowValue() {
    if (!FMarkers) return;
    if (TNumericMarker* m = FMarkers->Marker(0)) m->SetText(FormatFloat(ValueFormat(), Value()));
}

void TNumericGauge::SetDigitalFont(TDigitalFont Value) {
    StoreAndRepaint(FDigitalFont, Value);
}

TNumericMarker* TNumericGauge::MarkerAt(int Index) {
    while (FMarkers->Count() <= Index)
        FMarkers->Add(String());
    return FMarkers->Marker(Index);
}

void TNumericGauge::DrawAllValues() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    inherited::DrawAllValues();
    // The boxes are placed in the chart's coordinates; the text shape draws relative to the
    // chart's bounds.
    const TRect& bounds = chart->ChartBounds();
    for (int i = 0; i < FMarkers->Count(); ++i) {
        TNumericMarker* m = FMarkers->Marker(i);
        if (!m || !m->Active()) continue;
        if (FDigitalFont == dfBar)
            m->Shape()->Font()->SetName(BarFontName);
        else if (FDigitalFont == dfDot)
            m->Shape()->Font()->SetName(DotFontName);
        int lines = 0, x = 0, y = 0;
        TRect r = m->GetTextBounds(chart, INewRect, lines, x, y);
        r = TRect{r.Left - bounds.Left, r.Top - bounds.Top, r.Right - bounds.Left, r.Bottom - bounds.Top};
        m->Shape()->DrawText(chart, r, lines, m->GetXOffset());
    }
}

// ---- streaming -------------------------------------------------------------------------------

void TNumericGauge::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(QStringLiteral("InternalMarkers"),
                                TStreamProc(this, &TNumericGauge::ReadMarkers),
                                TStreamProc(this, &TNumericGauge::WriteMarkers), FMarkers->Count() > 0);
}

void TNumericGauge::WriteMarkers(TStream* Stream) {
    std::vector<TNumericMarker*> markers;
    for (int i = 0; i < FMarkers->Count(); ++i)
        if (TNumericMarker* m = FMarkers->Marker(i)) markers.push_back(m);
    const auto count = std::uint32_t(markers.size());
    const unsigned char b[4] = {static_cast<unsigned char>(count), static_cast<unsigned char>(count >> 8),
                                static_cast<unsigned char>(count >> 16),
                                static_cast<unsigned char>(count >> 24)};
    Stream->WriteBuffer(b, 4);
    for (TNumericMarker* m : markers) {
        TWriter w(Stream, 1024);
        w.WriteRootComponent(m);
    }
}

void TNumericGauge::ReadMarkers(TStream* Stream) {
    FMarkers->Clear();
    unsigned char b[4] = {};
    if (Stream->Size() - Stream->Position() < 4) BadMarkers();
    Stream->ReadBuffer(b, 4);
    const auto count = std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                                    std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24);
    if (count < 0) BadMarkers();
    // The count is only what the block claims: each marker is read (and kept) before the next
    // is looked for, and a block that ends early is damage.
    for (std::int32_t i = 0; i < count; ++i) {
        if (Stream->Position() >= Stream->Size()) BadMarkers();
        TNumericMarker* marker = nullptr;
        try {
            marker = ReadOneMarker(Stream);
        } catch (const EReadError&) {
            throw;
        } catch (const Exception& e) {
            // Whatever else a damaged marker raises is a read error of the block.
            throw EReadError(e.Message);
        }
        FMarkers->Append(marker);
    }
}
