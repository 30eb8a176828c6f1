#include "chart/editor/AntiAliasEditor.h"

#include "chart/editor/FiltersEditor.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/tools/AntiAliasTool.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/graphics/Bitmap.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TAntiAliasEditor, TForm)

ORVO_PUBLISHED(TAntiAliasEditor) {
    using S = TAntiAliasEditor;
    P.Field("Button1", &S::Button1);
    P.Field("CBAnti", &S::CBAnti);
    P.Method("FormShow", &S::FormShow);
    P.Method("CBAntiClick", &S::CBAntiClick);
    P.Method("Button1Click", &S::Button1Click);
}

TAntiAliasEditor::TAntiAliasEditor(TComponent* AOwner) : TForm(AOwner) {}

void TAntiAliasEditor::FormShow(TObject*) {
    Tool = dynamic_cast<TAntiAliasTool*>(reinterpret_cast<TObject*>(Tag()));
    if (Tool) CBAnti->SetChecked(Tool->AntiAlias());
}

void TAntiAliasEditor::CBAntiClick(TObject*) {
    if (Tool) Tool->SetAntiAlias(CBAnti->Checked());
}

bool TAntiAliasEditor::EditFilters(TBitmap* Picture) {
    return ShowFiltersEditor(this, Picture, Tool->Filters());
}

void TAntiAliasEditor::Button1Click(TObject*) {
    if (!Tool || !Tool->ParentChart()) return;
    TCustomAxisPanel* chart = Tool->ParentChart();
    // The chart stops repainting itself and the tool is switched off for the picture; both
    // come back however the filters editor ends, an error included.
    struct Restore {
        TCustomAxisPanel* chart;
        TAntiAliasTool* tool;
        bool autoRepaint;
        bool active;
        bool toolRestored = false;
        void RestoreTool() {
            if (toolRestored) return;
            toolRestored = true;
            tool->SetActive(active);
        }
        ~Restore() {
            RestoreTool();
            chart->SetAutoRepaint(autoRepaint);
        }
    } restore{chart, Tool, chart->AutoRepaint(), Tool->Active()};
    chart->SetAutoRepaint(false);
    Tool->SetActive(false);
    std::unique_ptr<TBitmap> picture(chart->TeeCreateBitmap());
    restore.RestoreTool();
    if (restore.active) chart->Draw();
    const bool changed = EditFilters(picture.get());
    chart->SetAutoRepaint(restore.autoRepaint);
    if (changed) Tool->Repaint();
}
