// TTeeExportForm: the export dialog used by the chart editor and TeeExport. For a chart the
// Native tab writes chart files (binary, text or XML, with or without the points) and the
// Data tab exports the series' values as text, XML, an HTML table or a spreadsheet.
#pragma once

#include "chart/editor/TeeExportFormBase.h"

class TCustomChart;

class TTeeExportForm : public TTeeExportFormBase {
    ORVO_CLASS(TTeeExportForm, TTeeExportFormBase)
public:
    explicit TTeeExportForm(TComponent* AOwner) : TTeeExportFormBase(AOwner) {}

    // A new exporter of the Data tab's choices (the caller frees it); none without a chart.
    TSeriesData* CreateData() override;

protected:
    void PrepareOnShow() override;
    TMemoryStream* CreateNativeStream() override;
    void DoSaveNativeToFile(const String& FileName, bool IncludeData) override;

private:
    TCustomChart* Chart() const;
};

// Shows the export dialog for APanel modally; InitDir is the save dialogs' first folder.
void TeeExport(TComponent* AOwner, TCustomTeePanel* APanel, const String& InitDir = String());
