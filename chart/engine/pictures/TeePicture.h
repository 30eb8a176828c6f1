// TTeePicture: a picture that carries a list of bitmap filters and hands out its graphic
// with them applied; the list is streamed as the property "FilterItems".
#pragma once

#include "chart/engine/pictures/TeeFilters.h"
#include "platform/graphics/Graphic.h"

class TReader;
class TWriter;

class TTeePicture : public TPicture {
    ORVO_CLASS(TTeePicture, TPicture)
public:
    TTeePicture() = default;
    ~TTeePicture() override;
    // From another TTeePicture the filter list comes first (a source without one frees
    // this one's), then the picture.
    void Assign(TPersistent* Source) override;

    // Made on first read, owned by the picture.
    TFilterItems* Filters();
    // Null frees the list; a value is copied into it.
    void SetFilters(TFilterItems* Value);
    bool HasFilters() const { return FFilters && FFilters->Count() > 0; }
    // The graphic itself without a graphic or filters; otherwise a bitmap copy of it with
    // every enabled filter applied, kept by the picture and made again at each call.
    TGraphic* Filtered();
    // Tells the picture's listeners that it changed.
    void Repaint();

    // The stream form of a filter list, shared with the filtered image control and the
    // series that keep filters: a collection value with one list per filter holding
    // "ItemClass" and the filter's class name, then its published properties.
    static void ReadFilters(TReader* Reader, TFilterItems* Filters);
    static void WriteFilters(TWriter* Writer, TFilterItems* Filters);

protected:
    void DefineProperties(TFiler* Filer) override;

private:
    void ReadFilterItems(TReader* Reader);
    void WriteFilterItems(TWriter* Writer);
    TFilterItems* FFilters = nullptr;
    TBitmap* IBitmap = nullptr;
};
