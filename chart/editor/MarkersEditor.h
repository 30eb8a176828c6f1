// TMarkersEditor: the tools page listing a numeric gauge's markers. Adding makes a marker
// with the text "Marker"; cloning copies the marker into its gauge's list.
#pragma once

#include "chart/editor/FormTeeTools.h"

class TMarkersEditor : public TFormTeeTools {
    ORVO_CLASS(TMarkersEditor, TFormTeeTools)
public:
    explicit TMarkersEditor(TComponent* AOwner);

    TTeeCustomTool* CloneTool(TTeeCustomTool* ATool) override;
    TTeeCustomTool* GetNewTool() override;
};
