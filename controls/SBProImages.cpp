// The status bar's calls into image lists (see SBPro.cpp).
#include "platform/classes/TypInfo.h"
#include "platform/graphics/ImageList.h"

namespace sbpro::detail {
int ImageWidth(TCustomImageList* List) {
    return List->Width();
}
int ImageHeight(TCustomImageList* List) {
    return List->Height();
}
int ImageCount(TCustomImageList* List) {
    return List->Count();
}
void DrawImage(TCustomImageList* List, TCanvas* Canvas, int X, int Y, int Index) {
    List->Draw(Canvas, X, Y, Index, true);
}
void Link(TCustomImageList* List, TChangeLink* Link, bool Register) {
    if (Register)
        List->RegisterChanges(Link);
    else
        List->UnRegisterChanges(Link);
}
TChangeLink* NewChangeLink(TNotifyEvent OnChange) {
    auto* link = new TChangeLink;
    link->OnChange = std::move(OnChange);
    return link;
}
void FreeChangeLink(TChangeLink* Link) {
    delete Link;
}
TComponent* AsComponent(TCustomImageList* List) {
    return List;
}
TCustomImageList* AsImageList(TComponent* Component) {
    auto* list = dynamic_cast<TCustomImageList*>(Component);
    if (!list) throw EPropertyError(QStringLiteral("Invalid property value: not an image list"));
    return list;
}
} // namespace sbpro::detail
