// The colour dialog of the chart editors: it starts at a colour and keeps the user's
// custom colours for the rest of the run (TeeCustomEditColors).
#pragma once

#include "platform/graphics/Color.h"

class TComponent;

// Shows the colour dialog starting at AColor; the chosen colour on OK (the dialog's custom
// colours are kept), AColor on cancel.
TColor EditColor(TComponent* AOwner, TColor AColor);
// EditColor; true, with AColor updated, only when the user picked another colour.
bool EditColorDialog(TComponent* AOwner, TColor& AColor);
