#include "chart/export/ChartFiles.h"

#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/SeriesDataStream.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/export/ChartXML.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/ReplaceFileStream.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/FileUtils.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TChartReader, TReader)
ORVO_IMPLEMENT_CLASS(TChartChart, TChart)
ORVO_IMPLEMENT_CLASS(TODBCChart, TChartChart)

bool TChartReader::Error(const String& Message) {
    if (!CheckError.Assigned()) return true;
    bool skip = false;
    CheckError(Message, skip);
    return skip;
}

namespace {

// The first two 16-bit words of a binary chart file, little-endian.
constexpr Byte TeeFileHeader[4] = {0x60, 0x30, 0x57, 0x01};

void WriteHeader(TStream* Stream) {
    Stream->WriteBuffer(TeeFileHeader, 4);
}

[[noreturn]] void WrongFormat() {
    throw ChartException(TeeMsg_WrongTeeFileFormat);
}

bool Designing(TComponent* C) {
    return C->ComponentState().Contains(csDesigning);
}

// Sets the series' save flags for one save and clears them again when it ends, however.
class TSaveFlags {
public:
    TSaveFlags(TCustomChart* Chart, bool IncludeData) : FChart(Chart) {
        for (int i = 0; i < Chart->SeriesCount(); ++i) {
            TChartSeries* s = Chart->Series(i);
            if (IncludeData)
                s->SetForceSaveData(true);
            else
                s->SetDontSaveData(true);
        }
    }
    ~TSaveFlags() {
        for (int i = 0; i < FChart->SeriesCount(); ++i) {
            FChart->Series(i)->SetForceSaveData(false);
            FChart->Series(i)->SetDontSaveData(false);
        }
    }

private:
    TCustomChart* FChart;
};

// Takes the chart's name away for a save, so that the stream carries none, and gives it
// back whatever happens.
class TStoredName {
public:
    explicit TStoredName(TCustomChart* Chart) : FChart(Chart), FName(Chart->Name()) {
        if (!Designing(Chart)) Chart->SetName(String());
    }
    ~TStoredName() {
        if (Designing(FChart) || FChart->Name() == FName) return;
        try {
            FChart->SetName(FName);
        } catch (const Exception&) {
            // The name was valid and unique a moment ago; nothing else could have taken it.
        }
    }

private:
    TCustomChart* FChart;
    String FName;
};

// The byte count of one series' point block at the stream's position (as the series'
// "Data" property stores it), or -1 when the rest of the stream cannot hold such a block.
Int64 PointBlockSize(TChartSeries* Series, TStream* Stream) {
    const Int64 start = Stream->Position();
    const Int64 size = Stream->Size();
    Int64 result = -1;
    Byte head[5];
    if (Stream->Read(head, 5) == 5 && !(head[0] & 0xF0)) {
        const TeeFormatFlags flags = TeeFormatFlags::fromBits(head[0]);
        const Int64 count = Int64(std::int32_t(std::uint32_t(head[1]) | std::uint32_t(head[2]) << 8 |
                                               std::uint32_t(head[3]) << 16 | std::uint32_t(head[4]) << 24));
        const Int64 fixedBefore =
            (flags.Contains(tfNoMandatory) ? 8 : 0) + 8 + (flags.Contains(tfColor) ? 4 : 0);
        const Int64 fixedAfter =
            8 * Int64(Series->ValuesList()->Count() - 2) + (flags.Contains(tfMarkPosition) ? 34 : 0);
        Int64 pos = start + 5;
        bool ok = count >= 0;
        for (Int64 i = 0; ok && i < count; ++i) {
            pos += fixedBefore;
            if (flags.Contains(tfLabel)) {
                Byte length = 0;
                Stream->SetPosition(pos);
                ok = Stream->Read(&length, 1) == 1;
                pos += 1;
                Int64 bytes = length;
                if (ok && length == 255) {
                    Byte b[4];
                    ok = Stream->Read(b, 4) == 4;
                    bytes = std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                                         std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24);
                    pos += 4;
                }
                ok = ok && bytes >= 0;
                pos += bytes;
            }
            pos += fixedAfter;
            ok = ok && pos <= size;
        }
        if (ok && pos <= size) result = pos - start;
    }
    Stream->SetPosition(start);
    return result;
}

// Reads the point blocks that follow a chart's component stream, one per series in list
// order, while the stream has bytes left.
void ReadTrailingPoints(TCustomChart* Chart, TStream* Stream) {
    for (int i = 0; i < Chart->SeriesCount() && Stream->Position() < Stream->Size(); ++i) {
        TChartSeries* series = Chart->Series(i);
        const Int64 length = PointBlockSize(series, Stream);
        if (length < 0) throw EReadError::CreateRes(&SReadError);
        TMemoryStream block;
        block.CopyFrom(Stream, length);
        block.SetPosition(0);
        ReadSeriesData(series, &block);
    }
}

} // namespace

bool IsTeeStream(TStream* Stream, bool& IsBinary) {
    IsBinary = false;
    const Int64 start = Stream->Position();
    Byte head[4] = {};
    // Fewer than four bytes hold no chart file of either form.
    const int n = Stream->Read(head, 4);
    Stream->SetPosition(start);
    if (n < 4) return false;
    IsBinary = head[0] == TeeFileHeader[0] && head[1] == TeeFileHeader[1];
    return IsBinary || head[0] == 'O' || head[0] == 'o';
}

String TeeCheckExtension(const String& FileName) {
    if (!ExtractFileExt(FileName).isEmpty()) return FileName;
    return FileName + u'.' + TeeMsg_TeeExtension;
}

// ---- conversions

void ConvertTeeToText(TStream* Source, TStream* Destination) {
    bool binary = false;
    if (!IsTeeStream(Source, binary)) WrongFormat();
    if (binary) {
        Source->Seek(4, soCurrent);
        ObjectBinaryToText(Source, Destination);
    } else {
        Destination->CopyFrom(Source, Source->Size() - Source->Position());
    }
}

void ConvertTeeToBinary(TStream* Source, TStream* Destination) {
    bool binary = false;
    if (!IsTeeStream(Source, binary)) WrongFormat();
    if (binary) {
        Destination->CopyFrom(Source, Source->Size() - Source->Position());
    } else {
        WriteHeader(Destination);
        ObjectTextToBinary(Source, Destination);
    }
}

void ConvertTeeFileToText(const String& InputFile, const String& OutputFile) {
    TReplaceFileStream output(OutputFile);
    {
        TFileStream input(InputFile, fmOpenRead | fmShareDenyWrite);
        ConvertTeeToText(&input, &output);
    }
    output.Commit();
}

void ConvertTeeFileToBinary(const String& InputFile, const String& OutputFile) {
    TReplaceFileStream output(OutputFile);
    {
        TFileStream input(InputFile, fmOpenRead | fmShareDenyWrite);
        ConvertTeeToBinary(&input, &output);
    }
    output.Commit();
}

// ---- saving

void SaveChartToStream(TCustomChart* AChart, TStream* AStream, bool IncludeData, bool TextFormat) {
    std::unique_ptr<TMemoryStream> temp;
    TStream* target = AStream;
    if (TextFormat) {
        temp = std::make_unique<TMemoryStream>();
        target = temp.get();
    }
    WriteHeader(target);
    {
        TStoredName name(AChart);
        TSaveFlags flags(AChart, IncludeData);
        TWriter writer(target, 4096);
        writer.SetRoot(AChart->Owner() ? AChart->Owner() : AChart);
        writer.WriteSignature();
        writer.WriteComponent(AChart);
        writer.FlushBuffer();
    }
    if (TextFormat) {
        temp->SetPosition(0);
        ConvertTeeToText(temp.get(), AStream);
    }
}

void SaveChartToFile(TCustomChart* AChart, const String& FileName, bool IncludeData, bool TextFormat) {
    TReplaceFileStream stream(TeeCheckExtension(FileName));
    SaveChartToStream(AChart, &stream, IncludeData, TextFormat);
    stream.Commit();
}

void SaveChartToXMLStream(TCustomChart* AChart, TStream* AStream, bool IncludeData, bool XMLHeader) {
    SaveChartToStream(AChart, AStream, IncludeData, true);
    AStream->SetPosition(0);
    ConvertTextToXML(AStream, XMLHeader);
}

void SaveChartToXMLFile(TCustomChart* AChart, const String& FileName, bool IncludeData, bool XMLHeader) {
    TReplaceFileStream stream(TeeCheckExtension(FileName));
    SaveChartToXMLStream(AChart, &stream, IncludeData, XMLHeader);
    stream.Commit();
}

// ---- loading

void LoadChartFromStreamCheck(TCustomChart* AChart, TStream* AStream, TProcTeeCheckError ACheckError,
                              bool TryReadData) {
    if (AStream->Size() == 0) throw ChartException(TeeMsg_EmptyTeeFile);
    bool binary = false;
    if (!IsTeeStream(AStream, binary)) WrongFormat();

    // Whatever happens below, the chart repaints again and shows what it holds.
    struct TRepaintAgain {
        TCustomChart* Chart;
        ~TRepaintAgain() {
            Chart->SetAutoRepaint(true);
            Chart->Invalidate();
        }
    } repaintAgain{AChart};
    AChart->SetAutoRepaint(false);
    AChart->FreeAllSeries();
    AChart->Tools()->Clear();

    std::unique_ptr<TMemoryStream> temp;
    TStream* source = AStream;
    if (!binary) {
        temp = std::make_unique<TMemoryStream>();
        ConvertTeeToBinary(AStream, temp.get());
        temp->SetPosition(0);
        source = temp.get();
    }
    source->Seek(4, soCurrent);

    const String name = AChart->Name();
    try {
        {
            TChartReader reader(source, 4096);
            reader.CheckError = ACheckError;
            // Handlers the program does not have stay unassigned.
            reader.OnFindMethod = [](TReader*, const String&, TMethod&, bool& Error) { Error = false; };
            reader.ReadRootComponent(AChart);
        }
        if (!name.isEmpty()) AChart->SetName(name);
    } catch (...) {
        if (!name.isEmpty() && AChart->Name() != name) {
            try {
                AChart->SetName(name);
            } catch (const Exception&) {
            }
        }
        throw;
    }
    if (TryReadData && source->Position() < source->Size()) ReadTrailingPoints(AChart, source);
}

void LoadChartFromStream(TCustomChart* AChart, TStream* AStream) {
    LoadChartFromStreamCheck(AChart, AStream, {}, false);
}

void LoadChartFromFileCheck(TCustomChart* AChart, const String& FileName, TProcTeeCheckError ACheckError) {
    TFileStream stream(TeeCheckExtension(FileName), fmOpenRead | fmShareDenyWrite);
    LoadChartFromStreamCheck(AChart, &stream, ACheckError, false);
}

void LoadChartFromFile(TCustomChart* AChart, const String& FileName) {
    LoadChartFromFileCheck(AChart, FileName, {});
}

void RegisterChartFileClasses() {
    RegisterClasses({TChartChart::StaticClass(), TODBCChart::StaticClass()});
}

void UnregisterChartFileClasses() {
    UnRegisterClasses({TChartChart::StaticClass(), TODBCChart::StaticClass()});
}
