#include "chart/engine/widgets/EditColor.h"

#include "chart/engine/canvas/CanvasGeometry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CommonDialogs.h"

#include <memory>

namespace {
// Frees the kept custom colours when the program ends.
struct CustomColorsOwner {
    ~CustomColorsOwner() {
        delete TeeCustomEditColors;
        TeeCustomEditColors = nullptr;
    }
} customColorsOwner;
} // namespace

TColor EditColor(TComponent* AOwner, TColor AColor) {
    if (!TeeCustomEditColors) TeeCustomEditColors = new TStringList;
    TColorDialog dialog(AOwner);
    dialog.SetCustomColors(TeeCustomEditColors);
    dialog.SetColor(AColor);
    if (!dialog.Execute()) return AColor;
    TeeCustomEditColors->Assign(dialog.CustomColors());
    return dialog.Color();
}

bool EditColorDialog(TComponent* AOwner, TColor& AColor) {
    const TColor chosen = EditColor(AOwner, AColor);
    if (chosen == AColor) return false;
    AColor = chosen;
    return true;
}
