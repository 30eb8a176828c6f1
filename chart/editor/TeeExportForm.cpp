#include "chart/editor/TeeExportForm.h"

#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/texts/LocalFormat.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/export/ChartFiles.h"
#include "chart/export/TeeExportData.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/RadioGroup.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TTeeExportForm, TTeeExportFormBase)

TCustomChart* TTeeExportForm::Chart() const {
    return dynamic_cast<TCustomChart*>(ExportPanel);
}

void TTeeExportForm::PrepareOnShow() {
    auto* panel = dynamic_cast<TCustomAxisPanel*>(ExportPanel);
    if (!panel || !Chart()) {
        TTeeExportFormBase::PrepareOnShow();
        return;
    }
    TabData->SetTabVisible(true);
    CBNativeData->SetVisible(true);
    CBSeries->Items()->Clear();
    CBSeries->Items()->AddObject(TeeMsg_All, nullptr);
    for (int i = 0; i < panel->SeriesCount(); ++i)
        CBSeries->Items()->AddObject(SeriesTitleOrName(panel->Series(i)), panel->Series(i));
    CBSeries->SetItemIndex(0);
}

TSeriesData* TTeeExportForm::CreateData() {
    TCustomChart* chart = Chart();
    if (!chart) return nullptr;
    const int i = CBSeries->ItemIndex();
    auto* series = i > 0 ? dynamic_cast<TChartSeries*>(CBSeries->Items()->Objects(i)) : nullptr;
    std::unique_ptr<TSeriesData> data;
    switch (RGText->ItemIndex()) {
    case 1:
        data = std::make_unique<TSeriesDataXML>(chart, series);
        break;
    case 2:
        data = std::make_unique<TSeriesDataHTML>(chart, series);
        break;
    case 3:
        data = std::make_unique<TSeriesDataXLS>(chart, series);
        break;
    default: {
        auto text = std::make_unique<TSeriesDataText>(chart, series);
        text->TextDelimiter = Delimiter();
        text->TextQuotes = EQuotes->Text();
        data = std::move(text);
        break;
    }
    }
    data->IncludeIndex = CBIndex->Checked();
    data->IncludeLabels = CBLabels->Checked();
    data->IncludeHeader = CBHeader->Checked();
    data->IncludeColors = CBColors->Checked();
    data->UseSeriesFormat = CBUseSeriesFormat->Checked();
    if (!data->UseSeriesFormat) data->ValueFormat = LocalToBuiltInFormat(SeriesValueFormat->Text());
    return data.release();
}

TMemoryStream* TTeeExportForm::CreateNativeStream() {
    TCustomChart* chart = Chart();
    if (!chart) return TTeeExportFormBase::CreateNativeStream();
    auto stream = std::make_unique<TMemoryStream>();
    const bool data = CBNativeData->Checked();
    if (NativeFormat() == 2)
        SaveChartToXMLStream(chart, stream.get(), data, true);
    else
        SaveChartToStream(chart, stream.get(), data, NativeFormat() == 1);
    stream->SetPosition(0);
    return stream.release();
}

void TTeeExportForm::DoSaveNativeToFile(const String& FileName, bool IncludeData) {
    TCustomChart* chart = Chart();
    if (!chart) return TTeeExportFormBase::DoSaveNativeToFile(FileName, IncludeData);
    if (NativeFormat() == 2)
        SaveChartToXMLFile(chart, FileName, IncludeData, true);
    else
        SaveChartToFile(chart, FileName, IncludeData, NativeFormat() == 1);
}

void TeeExport(TComponent* AOwner, TCustomTeePanel* APanel, const String& InitDir) {
    auto* form = new TTeeExportForm(AOwner);
    struct TFree {
        TTeeExportForm* Form;
        ~TFree() { FreeObject(Form); }
    } freeForm{form};
    form->AfterConstruction();
    form->ExportPanel = APanel;
    form->InitDir = InitDir;
    form->ShowModal();
}
