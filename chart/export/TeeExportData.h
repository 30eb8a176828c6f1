// Export of series points: one series, or every series of a chart side by side, as
// delimited text, XML, an HTML table or a minimal spreadsheet stream (BIFF records). An
// exporter is made for a chart and/or a series, its options set, and it is asked for its
// text, copied to the clipboard or saved to a stream or file (replaced whole).
#pragma once

#include "chart/engine/series/SeriesDataStream.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Color.h"

#include <vector>

class TChartSeries;
class TCustomChart;
class TStream;

class TTeeExportData : public TPersistent {
    ORVO_CLASS(TTeeExportData, TPersistent)
public:
    // The whole export as text; empty here.
    virtual String AsString();
    // AsString on the clipboard as text.
    virtual void CopyToClipboard();
    // SaveToStream into the file, which is replaced whole or, on failure, left as it was.
    virtual void SaveToFile(const String& FileName);
    // The byte-order mark FF FE, then AsString in UTF-16 little-endian.
    virtual void SaveToStream(TStream* Stream);
};

class TSeriesData : public TTeeExportData {
    ORVO_CLASS(TSeriesData, TTeeExportData)
public:
    TSeriesData(TCustomChart* AChart = nullptr, TChartSeries* ASeries = nullptr);

    TCustomChart* Chart = nullptr;
    bool IncludeColors = false;
    bool IncludeIndex = false;
    bool IncludeHeader = false;
    bool IncludeLabels = true;
    TChartSeries* Series = nullptr;
    bool UseSeriesFormat = false;
    String ValueFormat;
    TeeFormatFlags IFormat;

    // Prepare, then PointToString of every row, each followed by CR LF.
    String AsString() override;
    // IFormat from the contents of Series, or of the chart's first series with points.
    virtual void GuessSeriesFormat();
    // One row; empty here.
    virtual String PointToString(int Index);

    // GuessSeriesFormat, then labels and colours left out unless asked for.
    void Prepare();
    // The row count: the points of Series, or the most points of a chart's series.
    int MaxSeriesCount();
    // Value in the series' own format (UseSeriesFormat) or the exporter's; the default float
    // text when that is empty.
    String ValueToString(TChartSeries* ASeries, double Value);

protected:
    // The series exported: Series alone, or every series of the chart in list order.
    std::vector<TChartSeries*> ExportedSeries() const;
    // The format ValueToString applies to the series.
    String FormatOf(TChartSeries* ASeries) const;
};

// "#RRGGBB" of a colour, system colours resolved.
String TeeColorText(TColor Color);

class TSeriesDataText : public TSeriesData {
    ORVO_CLASS(TSeriesDataText, TSeriesData)
public:
    TSeriesDataText(TCustomChart* AChart = nullptr, TChartSeries* ASeries = nullptr);

    QChar TextDelimiter = QChar(9);
    // Put round each text field, and doubled inside one. When empty, a text holding the
    // delimiter, a double quote or a line break goes in double quotes, so no field spills
    // into the next column or row.
    String TextQuotes;

    String AsString() override;
    void GuessSeriesFormat() override;
    String PointToString(int Index) override;

private:
    String Quoted(const String& Text) const;
    String HeaderLine();
};

class TSeriesDataXML : public TSeriesData {
    ORVO_CLASS(TSeriesDataXML, TSeriesData)
public:
    TSeriesDataXML(TCustomChart* AChart = nullptr, TChartSeries* ASeries = nullptr);

    // Named in the declaration; by default what SaveToStream writes (UTF-16).
    String Encoding;

    String AsString() override;

private:
    String SeriesElement(TChartSeries* S);
};

class TSeriesDataHTML : public TSeriesData {
    ORVO_CLASS(TSeriesDataHTML, TSeriesData)
public:
    using TSeriesData::TSeriesData;

    // Only the chart's first series gets a label column.
    bool FirstSeriesLabels = false;

    String AsString() override;
    String PointToString(int Index) override;

private:
    bool HasLabelColumn(TChartSeries* S) const;
};

class TSeriesDataXLS : public TSeriesData {
    ORVO_CLASS(TSeriesDataXLS, TSeriesData)
public:
    using TSeriesData::TSeriesData;

    // The spreadsheet records. A sheet of more than 65535 rows (header included) raises
    // ChartException before anything is written.
    void SaveToStream(TStream* Stream) override;
};
