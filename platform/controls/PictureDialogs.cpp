#include "platform/controls/PictureDialogs.h"

#include "platform/graphics/Graphic.h"

ORVO_IMPLEMENT_CLASS(TOpenPictureDialog, TOpenDialog)

ORVO_PUBLISHED(TOpenPictureDialog) {}

TOpenPictureDialog::TOpenPictureDialog(TComponent* AOwner) : TOpenDialog(AOwner) {
    SetFilter(GraphicFilter(TGraphic::StaticClass()));
}
