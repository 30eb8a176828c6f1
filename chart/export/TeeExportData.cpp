#include "chart/export/TeeExportData.h"

#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/export/TeeXMLText.h"
#include "platform/classes/ReplaceFileStream.h"
#include "platform/classes/Streams.h"
#include "platform/controls/Clipboard.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StrUtils.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

ORVO_IMPLEMENT_CLASS(TTeeExportData, TPersistent)
ORVO_IMPLEMENT_CLASS(TSeriesData, TTeeExportData)
ORVO_IMPLEMENT_CLASS(TSeriesDataText, TSeriesData)
ORVO_IMPLEMENT_CLASS(TSeriesDataXML, TSeriesData)
ORVO_IMPLEMENT_CLASS(TSeriesDataHTML, TSeriesData)
ORVO_IMPLEMENT_CLASS(TSeriesDataXLS, TSeriesData)

namespace {
const String CRLF = QStringLiteral("\r\n");

// The value lists of a series: X and Y first, then the further ones.
int ListCount(TChartSeries* S) {
    return S->ValuesList()->Count();
}
TChartValueList* List(TChartSeries* S, int Index) {
    return S->ValuesList()->Get(Index);
}
} // namespace

String TeeColorText(TColor Color) {
    const TColor c = ColorToRGB(Color);
    return QStringLiteral("#%1%2%3")
        .arg(c & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// ---- TTeeExportData

String TTeeExportData::AsString() {
    return String();
}

void TTeeExportData::CopyToClipboard() {
    Clipboard()->SetAsText(AsString());
}

void TTeeExportData::SaveToFile(const String& FileName) {
    TReplaceFileStream stream(FileName);
    SaveToStream(&stream);
    stream.Commit();
}

void TTeeExportData::SaveToStream(TStream* Stream) {
    const String text = AsString();
    QByteArray bytes("\xFF\xFE", 2);
    bytes.reserve(2 + text.size() * 2);
    for (QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    Stream->WriteBuffer(bytes.constData(), int(bytes.size()));
}

// ---- TSeriesData

TSeriesData::TSeriesData(TCustomChart* AChart, TChartSeries* ASeries) : Chart(AChart), Series(ASeries) {}

std::vector<TChartSeries*> TSeriesData::ExportedSeries() const {
    std::vector<TChartSeries*> result;
    if (Series) {
        result.push_back(Series);
    } else if (Chart) {
        for (int i = 0; i < Chart->SeriesCount(); ++i)
            result.push_back(Chart->Series(i));
    }
    return result;
}

void TSeriesData::GuessSeriesFormat() {
    if (Series) {
        IFormat = SeriesGuessContents(Series);
    } else if (Chart) {
        for (int i = 0; i < Chart->SeriesCount(); ++i)
            if (Chart->Series(i)->Count() > 0) {
                IFormat = SeriesGuessContents(Chart->Series(i));
                break;
            }
    }
}

void TSeriesData::Prepare() {
    GuessSeriesFormat();
    if (!IncludeLabels) IFormat >> tfLabel;
    if (!IncludeColors) IFormat >> tfColor;
}

int TSeriesData::MaxSeriesCount() {
    if (Series) return Series->Count();
    int result = 0;
    if (Chart)
        for (int i = 0; i < Chart->SeriesCount(); ++i)
            result = std::max(result, Chart->Series(i)->Count());
    return result;
}

String TSeriesData::FormatOf(TChartSeries* ASeries) const {
    return UseSeriesFormat && ASeries ? ASeries->ValueFormat() : ValueFormat;
}

String TSeriesData::ValueToString(TChartSeries* ASeries, double Value) {
    const String format = FormatOf(ASeries);
    return format.isEmpty() ? FloatToStr(Value) : FormatFloat(format, Value);
}

String TSeriesData::PointToString(int) {
    return String();
}

String TSeriesData::AsString() {
    Prepare();
    String result;
    const int rows = MaxSeriesCount();
    for (int i = 0; i < rows; ++i)
        result += PointToString(i) + CRLF;
    return result;
}

// ---- TSeriesDataText

TSeriesDataText::TSeriesDataText(TCustomChart* AChart, TChartSeries* ASeries)
    : TSeriesData(AChart, ASeries) {}

void TSeriesDataText::GuessSeriesFormat() {
    TSeriesData::GuessSeriesFormat();
    if (!Series && Chart && IncludeLabels && !IFormat.Contains(tfLabel))
        for (int i = 0; i < Chart->SeriesCount(); ++i)
            if (HasLabels(Chart->Series(i))) {
                IFormat << tfLabel;
                break;
            }
}

String TSeriesDataText::Quoted(const String& Text) const {
    if (!TextQuotes.isEmpty()) {
        String inner = Text;
        inner.replace(TextQuotes, TextQuotes + TextQuotes);
        return TextQuotes + inner + TextQuotes;
    }
    if (Text.contains(TextDelimiter) || Text.contains(u'"') || Text.contains(u'\r') || Text.contains(u'\n')) {
        String inner = Text;
        inner.replace(u'"', QStringLiteral("\"\""));
        return u'"' + inner + u'"';
    }
    return Text;
}

String TSeriesDataText::HeaderLine() {
    QStringList fields;
    if (IncludeIndex) fields << Quoted(TeeMsg_Index);
    if (IFormat.Contains(tfLabel)) fields << Quoted(TeeMsg_Text);
    if (IFormat.Contains(tfColor)) fields << Quoted(TeeMsg_Colors);
    for (TChartSeries* s : ExportedSeries()) {
        if (IFormat.Contains(tfNoMandatory)) fields << Quoted(s->NotMandatoryValueList()->Name());
        if (ListCount(s) == 2) {
            fields << Quoted(SeriesTitleOrName(s));
        } else {
            fields << Quoted(s->MandatoryValueList()->Name());
            for (int l = 2; l < ListCount(s); ++l)
                fields << Quoted(List(s, l)->Name());
        }
    }
    return fields.join(TextDelimiter);
}

String TSeriesDataText::PointToString(int Index) {
    QStringList fields;
    if (IncludeIndex) fields << QString::number(Index);
    const std::vector<TChartSeries*> all = ExportedSeries();
    auto value = [&](TChartSeries* s, TChartValueList* list) {
        if (Index >= s->Count()) return String();
        if (list->DateTime()) return Quoted(DateTimeToStr(list->Value(Index)));
        // A number holding the delimiter (a decimal comma in comma-separated text) is
        // quoted rather than split.
        const String text = ValueToString(s, list->Value(Index));
        return text.contains(TextDelimiter) ? Quoted(text) : text;
    };
    for (std::size_t n = 0; n < all.size(); ++n) {
        TChartSeries* s = all[n];
        if (n == 0 && IFormat.Contains(tfLabel)) {
            String label;
            if (Series) {
                if (Index < Series->Count()) label = Series->XLabel(Index);
            } else {
                for (TChartSeries* other : all)
                    if (Index < other->Count() && !other->XLabel(Index).isEmpty()) {
                        label = other->XLabel(Index);
                        break;
                    }
            }
            fields << (label.isEmpty() ? String() : Quoted(label));
        }
        if (n == 0 && IFormat.Contains(tfColor))
            fields << TeeColorText(Index < s->Count() ? s->ValueColor(Index) : clTeeColor);
        if (IFormat.Contains(tfNoMandatory)) fields << value(s, s->NotMandatoryValueList());
        fields << value(s, s->MandatoryValueList());
        for (int l = 2; l < ListCount(s); ++l)
            fields << value(s, List(s, l));
    }
    return fields.join(TextDelimiter);
}

String TSeriesDataText::AsString() {
    Prepare();
    String result;
    if (IncludeHeader) result += HeaderLine() + CRLF;
    return result + TSeriesData::AsString() + CRLF;
}

// ---- TSeriesDataXML

TSeriesDataXML::TSeriesDataXML(TCustomChart* AChart, TChartSeries* ASeries)
    : TSeriesData(AChart, ASeries), Encoding(QStringLiteral("UTF-16")) {
    IncludeHeader = true;
}

String TSeriesDataXML::SeriesElement(TChartSeries* S) {
    String result = QStringLiteral("<series title=\"") + TeeXMLEscape(SeriesTitleOrName(S)) +
                    QStringLiteral("\" type=\"") + TeeXMLEscape(GetGallerySeriesName(S)) +
                    QStringLiteral("\" color=\"") + TeeColorText(S->SeriesColor()) + QStringLiteral("\">") +
                    CRLF;
    result += QStringLiteral("<points count=\"%1\">").arg(S->Count()) + CRLF;
    auto attribute = [&](TChartValueList* list, int i) {
        return u' ' + TeeXMLName(list->Name()) + QStringLiteral("=\"") +
               TeeXMLEscape(ValueToString(S, list->Value(i))) + u'"';
    };
    for (int i = 0; i < S->Count(); ++i) {
        String point = QStringLiteral("<point ");
        if (IncludeIndex) point += QStringLiteral("index=\"%1\"").arg(i);
        if (IFormat.Contains(tfLabel))
            point += QStringLiteral(" text=\"") + TeeXMLEscape(S->XLabel(i)) + u'"';
        if (IFormat.Contains(tfColor))
            point += QStringLiteral(" color=\"") + TeeColorText(S->ValueColor(i)) + u'"';
        const bool null = S->IsNull(i);
        if (IFormat.Contains(tfNoMandatory) &&
            (!null || S->NotMandatoryValueList()->Name() == QStringLiteral("X")))
            point += attribute(S->NotMandatoryValueList(), i);
        if (!null) {
            point += attribute(S->MandatoryValueList(), i);
            for (int l = 2; l < ListCount(S); ++l)
                point += attribute(List(S, l), i);
        }
        result += point + QStringLiteral("/>") + CRLF;
    }
    return result + QStringLiteral("</points>") + CRLF + QStringLiteral("</series>") + CRLF + CRLF;
}

String TSeriesDataXML::AsString() {
    Prepare();
    String result;
    if (IncludeHeader) {
        result = QStringLiteral("<?xml version=\"1.0\"");
        if (!Encoding.isEmpty()) result += QStringLiteral(" encoding=\"") + TeeXMLEscape(Encoding) + u'"';
        result += QStringLiteral("?>") + CRLF;
    }
    if (Series) return result + SeriesElement(Series);
    result += QStringLiteral("<chart>") + CRLF;
    for (TChartSeries* s : ExportedSeries())
        result += SeriesElement(s);
    return result + QStringLiteral("</chart>");
}

// ---- TSeriesDataHTML

namespace {
String Cell(const String& Text) {
    return QStringLiteral("<td>") + TeeXMLEscape(Text) + QStringLiteral("</td>");
}
} // namespace

bool TSeriesDataHTML::HasLabelColumn(TChartSeries* S) const {
    if (!IFormat.Contains(tfLabel)) return false;
    if (!FirstSeriesLabels) return true;
    return Chart ? Chart->SeriesCount() > 0 && Chart->Series(0) == S : S == Series;
}

String TSeriesDataHTML::PointToString(int Index) {
    String row = QStringLiteral("<tr>");
    if (IncludeIndex) row += Cell(QString::number(Index));
    for (TChartSeries* s : ExportedSeries()) {
        const bool has = Index < s->Count();
        if (HasLabelColumn(s)) row += Cell(has ? s->XLabel(Index) : String());
        if (IFormat.Contains(tfColor)) row += Cell(has ? TeeColorText(s->ValueColor(Index)) : String());
        auto value = [&](TChartValueList* list) {
            return Cell(has ? ValueToString(s, list->Value(Index)) : String());
        };
        if (IFormat.Contains(tfNoMandatory)) row += value(s->NotMandatoryValueList());
        row += value(s->MandatoryValueList());
        for (int l = 2; l < ListCount(s); ++l)
            row += value(List(s, l));
    }
    return row + QStringLiteral("</tr>");
}

String TSeriesDataHTML::AsString() {
    Prepare();
    String result = QStringLiteral("<table border=\"1\">") + CRLF;
    if (IncludeHeader) {
        result += QStringLiteral("<tr>");
        if (IncludeIndex) result += Cell(TeeMsg_Index);
        for (TChartSeries* s : ExportedSeries()) {
            if (HasLabelColumn(s)) result += Cell(TeeMsg_Text);
            if (IFormat.Contains(tfColor)) result += Cell(TeeMsg_Colors);
            if (IFormat.Contains(tfNoMandatory)) result += Cell(s->NotMandatoryValueList()->Name());
            if (ListCount(s) == 2) {
                result += Cell(SeriesTitleOrName(s));
            } else {
                result += Cell(s->MandatoryValueList()->Name());
                for (int l = 2; l < ListCount(s); ++l)
                    result += Cell(List(s, l)->Name());
            }
        }
        result += QStringLiteral("</tr>") + CRLF;
    }
    return result + TSeriesData::AsString() + CRLF + QStringLiteral("</table>");
}

// ---- TSeriesDataXLS

namespace {

class TSheetWriter {
public:
    void Word(int Value) {
        FBytes += char(Value & 0xFF);
        FBytes += char((Value >> 8) & 0xFF);
    }
    void Record(int Type, int Length) {
        Word(Type);
        Word(Length);
    }
    void CellHeader(int Type, int DataLength, int Row, int Col) {
        Record(Type, DataLength + 7);
        Word(Row);
        Word(Col);
        FBytes.append(3, '\0');
    }
    void Number(int Row, int Col, double Value) {
        CellHeader(3, 8, Row, Col);
        char b[8];
        std::memcpy(b, &Value, 8);
        FBytes.append(b, 8); // the machines this runs on are little-endian, as the record is
    }
    // Text in Windows-1252, characters it cannot hold as "?", at most 255 bytes.
    void Label(int Row, int Col, const String& Text) {
        QByteArray bytes;
        for (qsizetype i = 0; i < Text.size() && bytes.size() < 255; ++i) {
            const QChar c = Text[i];
            AnsiString one;
            if (c.isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate()) {
                ++i;
                bytes += '?';
            } else if (TryStringToAnsi(String(c), CP_WINDOWS_1252, one) && one.size() == 1) {
                bytes += one[0];
            } else {
                bytes += '?';
            }
        }
        CellHeader(4, 1 + int(bytes.size()), Row, Col);
        FBytes += char(bytes.size());
        FBytes += bytes;
    }
    void Blank(int Row, int Col) { CellHeader(1, 0, Row, Col); }
    const QByteArray& Bytes() const { return FBytes; }

private:
    QByteArray FBytes;
};

// Formatted text read back as a number: as it is, or without thousands separators.
bool ReadBack(String Text, double& Value) {
    if (TryStrToFloat(Text, Value)) return true;
    Text.remove(FormatSettings.ThousandSeparator);
    return TryStrToFloat(Text, Value);
}

} // namespace

void TSeriesDataXLS::SaveToStream(TStream* Stream) {
    Prepare();
    const std::vector<TChartSeries*> all = ExportedSeries();
    const int points = MaxSeriesCount();
    const Int64 rows = Int64(points) + (IncludeHeader ? 1 : 0);
    // Row numbers are 16-bit: a larger sheet would wrap and overwrite its first rows.
    if (rows > 65535)
        throw ChartException(QStringLiteral("Too many rows for a spreadsheet: %1 (at most 65535)").arg(rows));
    const int seriesCount = int(all.size());
    int columns = IncludeIndex ? 1 : 0;
    for (TeeFormatFlag f : {tfLabel, tfColor, tfNoMandatory})
        if (IFormat.Contains(f)) columns += seriesCount;
    for (TChartSeries* s : all)
        columns += ListCount(s) - 1;

    TSheetWriter w;
    w.Record(0x0809, 8);
    for (int v : {0, 0x10, 0, 0})
        w.Word(v);
    w.Record(0x0200, 10);
    for (int v : {0, int(rows), 0, columns, 0})
        w.Word(v);

    int row = 0;
    if (IncludeHeader) {
        int col = 0;
        if (IncludeIndex) w.Label(row, col++, TeeMsg_Index);
        for (TChartSeries* s : all) {
            if (IFormat.Contains(tfLabel)) w.Label(row, col++, TeeMsg_Text);
            if (IFormat.Contains(tfColor)) w.Label(row, col++, TeeMsg_Colors);
            if (IFormat.Contains(tfNoMandatory)) w.Label(row, col++, s->NotMandatoryValueList()->Name());
            w.Label(row, col++, s->MandatoryValueList()->Name());
            for (int l = 2; l < ListCount(s); ++l)
                w.Label(row, col++, List(s, l)->Name());
        }
        ++row;
    }
    auto value = [&](TChartSeries* s, double v) {
        if (FormatOf(s).isEmpty()) return v;
        double back = 0;
        return ReadBack(ValueToString(s, v), back) ? back : v;
    };
    for (int i = 0; i < points; ++i, ++row) {
        int col = 0;
        if (IncludeIndex) w.Number(row, col++, i);
        for (TChartSeries* s : all) {
            if (i >= s->Count()) {
                if (IFormat.Contains(tfLabel)) w.Label(row, col++, String());
                if (IFormat.Contains(tfColor)) w.Label(row, col++, String());
                if (IFormat.Contains(tfNoMandatory)) w.Blank(row, col++);
                for (int l = 1; l < ListCount(s); ++l)
                    w.Blank(row, col++);
                continue;
            }
            if (IFormat.Contains(tfLabel)) w.Label(row, col++, s->XLabel(i));
            if (IFormat.Contains(tfColor)) w.Label(row, col++, TeeColorText(s->ValueColor(i)));
            if (IFormat.Contains(tfNoMandatory))
                w.Number(row, col++, value(s, s->NotMandatoryValueList()->Value(i)));
            if (s->IsNull(i)) {
                for (int l = 1; l < ListCount(s); ++l)
                    w.Blank(row, col++);
            } else {
                w.Number(row, col++, value(s, s->MandatoryValueList()->Value(i)));
                for (int l = 2; l < ListCount(s); ++l)
                    w.Number(row, col++, value(s, List(s, l)->Value(i)));
            }
        }
    }
    w.Record(0x000A, 0);
    Stream->WriteBuffer(w.Bytes().constData(), int(w.Bytes().size()));
}
