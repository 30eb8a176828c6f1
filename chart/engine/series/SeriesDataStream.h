// The stored form of a series' points: the binary "Data" property. One flag byte says what
// each point record carries (its not-mandatory value, colour, label, mark position), a
// 32-bit count follows, then the records, little-endian.
#pragma once

#include "platform/rtl/Types.h"

class TChartSeries;
class TStream;

enum TeeFormatFlag { tfNoMandatory, tfColor, tfLabel, tfMarkPosition };
using TeeFormatFlags = Set<TeeFormatFlag, 8>;

// The series' not-mandatory values are not the plain sequence 0, 1, 2 ...
bool HasNoMandatoryValues(TChartSeries* Series);
// Some point has a colour of its own.
bool HasColors(TChartSeries* Series);
// Some point has a label.
bool HasLabels(TChartSeries* Series);
// What each point record of the series' "Data" block carries.
TeeFormatFlags SeriesGuessContents(TChartSeries* Series);

// Writes the "Data" block of Series' points to Stream.
void WriteSeriesData(TChartSeries* Series, TStream* Stream);
// Replaces Series' points with those of a "Data" block (the rest of Stream). A block that
// is damaged or was written by a series type with another number of value lists raises
// EReadError; the points read before the damage stay.
void ReadSeriesData(TChartSeries* Series, TStream* Stream);
