#include "chart/engine/series/SeriesDataStream.h"

#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/SeriesMarks.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace {

// The bytes of one mark position in a point record.
constexpr int MarkPositionSize = 34;
// The long label form: this length byte, then a 32-bit byte count.
constexpr unsigned char LongLabel = 255;

[[noreturn]] void DamagedData() {
    throw EReadError::CreateRes(&SReadError);
}

// Reads from a block of known length; running past its end is damage.
class TBlockReader {
public:
    explicit TBlockReader(TStream* Stream) : FStream(Stream) {}

    Int64 Remaining() { return FStream->Size() - FStream->Position(); }
    void Need(Int64 Count) {
        if (Count < 0 || Count > Remaining()) DamagedData();
    }
    void Read(void* Buffer, int Count) {
        Need(Count);
        FStream->ReadBuffer(Buffer, Count);
    }
    unsigned char Byte() {
        unsigned char b = 0;
        Read(&b, 1);
        return b;
    }
    std::int32_t Int32() {
        unsigned char b[4];
        Read(b, 4);
        return std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
                            std::uint32_t(b[3]) << 24);
    }
    double Double() {
        unsigned char b[8];
        Read(b, 8);
        std::uint64_t bits = 0;
        for (int i = 7; i >= 0; --i)
            bits = bits << 8 | b[i];
        double d;
        std::memcpy(&d, &bits, 8);
        return d;
    }
    TPoint Point() {
        const int x = Int32();
        const int y = Int32();
        return {x, y};
    }

private:
    TStream* FStream;
};

class TBlockWriter {
public:
    explicit TBlockWriter(TStream* Stream) : FStream(Stream) {}
    void Byte(unsigned char b) { FStream->WriteBuffer(&b, 1); }
    void Int32(std::int32_t v) {
        const std::uint32_t u = std::uint32_t(v);
        const unsigned char b[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                                    static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
        FStream->WriteBuffer(b, 4);
    }
    void Double(double d) {
        std::uint64_t bits;
        std::memcpy(&bits, &d, 8);
        unsigned char b[8];
        for (int i = 0; i < 8; ++i)
            b[i] = static_cast<unsigned char>(bits >> (8 * i));
        FStream->WriteBuffer(b, 8);
    }
    void Point(const TPoint& p) {
        Int32(p.X);
        Int32(p.Y);
    }
    void Bytes(const QByteArray& bytes) {
        if (!bytes.isEmpty()) FStream->WriteBuffer(bytes.constData(), int(bytes.size()));
    }

private:
    TStream* FStream;
};

// Label bytes: UTF-8 as written today; a block from an 8-bit writer that is not valid
// UTF-8 is read as Latin-1.
String DecodeLabel(const QByteArray& Bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    String text = utf8.decode(Bytes);
    if (utf8.hasError()) return String::fromLatin1(Bytes);
    return text;
}

} // namespace

bool HasNoMandatoryValues(TChartSeries* Series) {
    TChartValueList* list = Series->NotMandatoryValueList();
    for (int i = 0; i < list->Count(); ++i)
        if (list->Value(i) != i) return true;
    return false;
}

bool HasColors(TChartSeries* Series) {
    for (int i = 0; i < Series->Count(); ++i)
        if (Series->InternalColor(i) != clTeeColor) return true;
    return false;
}

bool HasLabels(TChartSeries* Series) {
    TLabelsList* labels = Series->Labels();
    for (int i = 0; i < labels->Count(); ++i)
        if (!labels->Label(i).isEmpty()) return true;
    return false;
}

TeeFormatFlags SeriesGuessContents(TChartSeries* Series) {
    TeeFormatFlags flags;
    if (HasNoMandatoryValues(Series)) flags << tfNoMandatory;
    if (HasColors(Series)) flags << tfColor;
    if (HasLabels(Series)) flags << tfLabel;
    if (Series->Marks()->Positions()->ExistCustom()) flags << tfMarkPosition;
    return flags;
}

void WriteSeriesData(TChartSeries* Series, TStream* Stream) {
    const TeeFormatFlags flags = SeriesGuessContents(Series);
    TBlockWriter w(Stream);
    w.Byte(static_cast<unsigned char>(flags.toBits()));
    const int n = Series->Count();
    w.Int32(n);
    TChartValueLists* lists = Series->ValuesList();
    TSeriesMarksPositions* positions = Series->Marks()->Positions();
    for (int i = 0; i < n; ++i) {
        if (flags.Contains(tfNoMandatory)) w.Double(Series->NotMandatoryValueList()->Value(i));
        w.Double(Series->MandatoryValueList()->Value(i));
        if (flags.Contains(tfColor)) w.Int32(Series->InternalColor(i));
        if (flags.Contains(tfLabel)) {
            const QByteArray bytes = Series->Labels()->Label(i).toUtf8();
            w.Byte(LongLabel);
            w.Int32(int(bytes.size()));
            w.Bytes(bytes);
        }
        for (int l = 2; l < lists->Count(); ++l)
            w.Double(lists->Get(l)->Value(i));
        if (flags.Contains(tfMarkPosition)) {
            const TSeriesMarkPosition* p = positions->Ensure(i);
            w.Point(p->ArrowFrom);
            w.Byte(p->ArrowFix ? 1 : 0);
            w.Point(p->ArrowTo);
            w.Byte(p->Custom ? 1 : 0);
            w.Int32(p->Height);
            w.Point(p->LeftTop);
            w.Int32(p->Width);
        }
    }
}

void ReadSeriesData(TChartSeries* Series, TStream* Stream) {
    Series->Clear();
    TBlockReader r(Stream);
    const unsigned char flagByte = r.Byte();
    if (flagByte & 0xF0) DamagedData();
    const TeeFormatFlags flags = TeeFormatFlags::fromBits(flagByte);
    const int n = r.Int32();
    if (n < 0) DamagedData();
    TChartValueLists* lists = Series->ValuesList();
    const int further = lists->Count() - 2;
    // The smallest record the flags allow: a count the block cannot hold is refused
    // before anything is read or allocated.
    const Int64 minRecord = (flags.Contains(tfNoMandatory) ? 8 : 0) + 8 + (flags.Contains(tfColor) ? 4 : 0) +
                            (flags.Contains(tfLabel) ? 1 : 0) + 8 * Int64(further) +
                            (flags.Contains(tfMarkPosition) ? MarkPositionSize : 0);
    if (Int64(n) * minRecord > r.Remaining()) DamagedData();
    const bool horizontal = Series->MandatoryValueList() != Series->YValues();
    TSeriesMarksPositions* positions = Series->Marks()->Positions();
    Series->BeginUpdate();
    try {
        for (int i = 0; i < n; ++i) {
            double a = flags.Contains(tfNoMandatory) ? r.Double() : double(i);
            double b = r.Double();
            // The record holds the not-mandatory value first.
            double x = a;
            double y = b;
            if (horizontal) std::swap(x, y);
            const TColor color = flags.Contains(tfColor) ? TColor(r.Int32()) : clTeeColor;
            String label;
            if (flags.Contains(tfLabel)) {
                int length = r.Byte();
                if (length == LongLabel) length = r.Int32();
                r.Need(length);
                QByteArray bytes(length, Qt::Uninitialized);
                r.Read(bytes.data(), length);
                label = DecodeLabel(bytes);
            }
            for (int l = 2; l < lists->Count(); ++l)
                lists->Get(l)->TempValue = r.Double();
            Series->AddXY(x, y, label, color);
            if (flags.Contains(tfMarkPosition)) {
                // Stored points and sizes are held within the pixel limit (sizes not below 0):
                // drawing adds them to other positions.
                auto point = [&r] {
                    const TPoint v = r.Point();
                    return TPoint{ClampPx(v.X), ClampPx(v.Y)};
                };
                auto size = [&r] { return std::max(0, ClampPx(r.Int32())); };
                TSeriesMarkPosition p;
                p.ArrowFrom = point();
                p.ArrowFix = r.Byte() != 0;
                p.ArrowTo = point();
                p.Custom = r.Byte() != 0;
                p.Height = size();
                p.LeftTop = point();
                p.Width = size();
                TSeriesMarkPosition* entry = positions->Ensure(positions->Count());
                entry->Assign(&p);
            }
        }
        // Bytes left over mean the records were longer than this series type's: the
        // block belongs to a type with more value lists.
        if (r.Remaining() != 0) DamagedData();
    } catch (...) {
        Series->EndUpdate();
        Series->SetManualData(true);
        throw;
    }
    Series->EndUpdate();
    Series->SetManualData(true);
}

// ---- the series' stored property -------------------------------------------------------------

void TChartSeries::WriteData(TStream* Stream) {
    WriteSeriesData(this, Stream);
}

void TChartSeries::ReadDataStream(TStream* Stream) {
    ReadSeriesData(this, Stream);
}

void TChartSeries::WriteDataStream(TStream* Stream) {
    WriteData(Stream);
}

bool TChartSeries::HasStoredData() const {
    return FForceSaveData || (FManualData && !FDontSaveData);
}

void TChartSeries::DefineDataProperty(TFiler* Filer) {
    Filer->DefineBinaryProperty("Data", TStreamProc(this, &TChartSeries::ReadDataStream),
                                TStreamProc(this, &TChartSeries::WriteDataStream), HasStoredData());
}
