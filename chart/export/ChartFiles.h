// Chart files: a whole chart (its published properties, series, tools and other owned
// elements, optionally the series' points) stored as a component stream. The binary form
// starts with the four bytes 60 30 57 01 and the signature "TPF0"; the text form is the
// component stream's text form; the XML form is the text form converted by
// ConvertTextToXML. Every file is written whole or not at all: a failing writer leaves the
// old file as it was.
#pragma once

#include "chart/engine/chart/Chart.h"
#include "platform/classes/Event.h"
#include "platform/classes/Reader.h"

class TStream;

// Asked about each reading error of a chart file with its message: true skips the failing
// item and goes on, false ends the load.
using TProcTeeCheckError = TEvent<const String& /*Message*/, bool& /*Skip*/>;

// The component reader for chart files: every reading error is skipped unless CheckError
// says otherwise.
class TChartReader : public TReader {
    ORVO_CLASS(TChartReader, TReader)
public:
    using TReader::TReader;
    TProcTeeCheckError CheckError;

protected:
    bool Error(const String& Message) override;
};

// Compatibility chart classes, so that streams naming them as root load.
class TChartChart : public TChart {
    ORVO_CLASS(TChartChart, TChart)
public:
    explicit TChartChart(TComponent* AOwner) : TChart(AOwner) {}
};

class TODBCChart : public TChartChart {
    ORVO_CLASS(TODBCChart, TChartChart)
public:
    explicit TODBCChart(TComponent* AOwner) : TChartChart(AOwner) {}
};

// Writes AChart at the stream's position, binary (with the four header bytes) or in text
// form; with IncludeData every series stores its points, without none does. The stream
// carries no chart name. The chart's name and the series' save flags are given back
// whatever happens.
void SaveChartToStream(TCustomChart* AChart, TStream* AStream, bool IncludeData = true,
                       bool TextFormat = false);
void SaveChartToFile(TCustomChart* AChart, const String& FileName, bool IncludeData = true,
                     bool TextFormat = false);
// The text form converted to XML into AStream, which must be empty.
void SaveChartToXMLStream(TCustomChart* AChart, TStream* AStream, bool IncludeData = true,
                          bool XMLHeader = true);
void SaveChartToXMLFile(TCustomChart* AChart, const String& FileName, bool IncludeData = true,
                        bool XMLHeader = true);

// Loads a binary or text chart file into AChart, which keeps its name. An empty stream
// raises ChartException (TeeMsg_EmptyTeeFile), one that is not a chart file
// ChartException (TeeMsg_WrongTeeFileFormat), both before the chart is touched. With
// TryReadData, point blocks that follow the component stream are read into the series in
// list order. The chart repaints afterwards, also when the load fails.
void LoadChartFromStreamCheck(TCustomChart* AChart, TStream* AStream, TProcTeeCheckError ACheckError = {},
                              bool TryReadData = false);
void LoadChartFromStream(TCustomChart* AChart, TStream* AStream);
void LoadChartFromFileCheck(TCustomChart* AChart, const String& FileName,
                            TProcTeeCheckError ACheckError = {});
void LoadChartFromFile(TCustomChart* AChart, const String& FileName);

// Converts a chart file to text or to binary form; the destination may be the source.
void ConvertTeeFileToText(const String& InputFile, const String& OutputFile);
void ConvertTeeFileToBinary(const String& InputFile, const String& OutputFile);
// The stream-to-stream conversions behind them, from Source's position.
void ConvertTeeToText(TStream* Source, TStream* Destination);
void ConvertTeeToBinary(TStream* Source, TStream* Destination);

// FileName, with "." and TeeMsg_TeeExtension appended when it has no extension.
String TeeCheckExtension(const String& FileName);

// Whether the stream at its position holds a chart file, and whether in binary form; the
// position is left unchanged.
bool IsTeeStream(TStream* Stream, bool& IsBinary);

// Registration of the compatibility chart classes (the library's start-up).
void RegisterChartFileClasses();
void UnregisterChartFileClasses();
