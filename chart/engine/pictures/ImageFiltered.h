// TImageFiltered: an image control that shows its picture through a list of bitmap
// filters, resized smoothly to where the image draws it.
#pragma once

#include "chart/engine/pictures/TeeFilters.h"
#include "platform/controls/Image.h"

class TReader;
class TWriter;

class TImageFiltered : public TImage {
    ORVO_CLASS(TImageFiltered, TImage)
public:
    explicit TImageFiltered(TComponent* AOwner);
    ~TImageFiltered() override;

    TFilterItems* Filters() const { return FFilters; }
    // Copies Value's filters.
    void SetFilters(TFilterItems* Value);
    // A new bitmap (the caller frees it): the picture, resized smoothly when it is drawn
    // at another size, with the filters applied. Null without a picture.
    TBitmap* Filtered();

protected:
    void Paint() override;
    void DefineProperties(TFiler* Filer) override;

private:
    void ReadFilterItems(TReader* Reader);
    void WriteFilterItems(TWriter* Writer);
    TFilterItems* FFilters;
};
