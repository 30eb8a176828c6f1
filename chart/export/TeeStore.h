// A panel stored as a plain component stream ("TPF0" and the panel's record, no chart-file
// header): what the export dialog writes natively for a panel that is not a chart.
#pragma once

#include "platform/rtl/Types.h"

class TCustomTeePanel;
class TStream;

void SaveTeeToStream(TCustomTeePanel* APanel, TStream* AStream);
// Writes the whole file or nothing: a failure leaves the old file as it was. The panel is
// visible while it is written and gets its visibility back afterwards.
void SaveTeeToFile(TCustomTeePanel* APanel, const String& FileName);
// Reads such a stream into APanel, which keeps its name. Handlers the program does not have
// stay unassigned; a malformed stream raises an exception and the panel repaints.
void LoadTeeFromStream(TCustomTeePanel* APanel, TStream* AStream);
void LoadTeeFromFile(TCustomTeePanel* APanel, const String& FileName);
