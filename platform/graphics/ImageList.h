// Image lists: a row of same-sized images with masks, drawn by index (enabled, or greyed
// as a disabled control shows them), and the change links through which controls that
// show a list's images hear of changes to it.
#pragma once

#include "platform/classes/Component.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"

#include <memory>
#include <vector>

class TCustomImageList;
using HIMAGELIST = TCustomImageList*;

// A control's subscription to an image list's changes.
class TChangeLink : public TObject {
    ORVO_CLASS(TChangeLink, TObject)
public:
    TChangeLink() = default;
    // Unregisters itself from the list it is linked to.
    ~TChangeLink() override;
    TCustomImageList* Sender() const { return sender_; }
    void SetSender(TCustomImageList* Value) { sender_ = Value; }
    virtual void Change();

    TNotifyEvent OnChange;

private:
    TCustomImageList* sender_ = nullptr;
};

class TCustomImageList : public TComponent {
    ORVO_CLASS(TCustomImageList, TComponent)
public:
    explicit TCustomImageList(TComponent* AOwner);
    TCustomImageList(int AWidth, int AHeight);
    ~TCustomImageList() override;
    void Assign(TPersistent* Source) override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size empties the list.
    void SetWidth(int Value) { SetSize(Value, height_); }
    void SetHeight(int Value) { SetSize(width_, Value); }
    void SetSize(int AWidth, int AHeight);
    int Count() const;
    // Without masks the images are drawn as rectangles.
    bool Masked() const { return masked_; }
    void SetMasked(bool Value);
    HIMAGELIST Handle() { return this; }

    // Adds the images of a strip (as many as its width holds, at least one); Mask: white
    // pixels are transparent (none: every pixel shows). Answers the index of the first.
    int Add(TBitmap* Image, TBitmap* Mask);
    // As Add, the pixels of MaskColor transparent (clDefault: the image's transparent
    // colour).
    int AddMasked(TBitmap* Image, TColor MaskColor);
    void Replace(int Index, TBitmap* Image, TBitmap* Mask);
    // Index -1 removes every image; another index outside the list raises
    // EInvalidOperation.
    void Delete(int Index);
    void Clear();

    // Draws an image; disabled, it is embossed in the button highlight and shadow colours.
    // An index outside the list draws nothing.
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
    // The image drawn on Image, resized to the list's size (transparent pixels keep what
    // the bitmap had). False for an index outside the list.
    bool GetBitmap(int Index, TBitmap* Image);

    void RegisterChanges(TChangeLink* Value);
    void UnRegisterChanges(TChangeLink* Value);
    // Names of embedded BITMAP resources that make up the list, in order: how form
    // resources give an image list its pictures ("ResourceNames.Strings = ( ... )"). A
    // change reloads the images (after loading, while the list is being read); a 32-bit
    // bitmap keeps its alpha, others are masked by their transparent colour when the list
    // is masked. A name with no bitmap raises EResNotFound.
    TStrings* ResourceNames() const { return resourceNames_.get(); }
    void SetResourceNames(TStrings* Value);

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

    TNotifyEvent OnChange;

    // The image of an index (ARGB32; alpha 0 = transparent), for the layer's own units.
    const QImage& Image(int Index) const;
    // Draws the top-left Width x Height of an image (0: all of it) on a DC by the ILD_
    // style; Background (a COLORREF, CLR_NONE for none) fills under transparent pixels.
    bool DrawOn(HDC DC, int Index, int X, int Y, int Width, int Height, COLORREF Background,
                UINT Style) const;

protected:
    virtual void Change();
    void Loaded() override;

private:
    void WatchResourceNames();
    void LoadResourceImages();
    std::unique_ptr<TStringList> resourceNames_ = std::make_unique<TStringList>();
    std::vector<QImage> slices(TBitmap* Image, const QImage* mask) const;
    int width_ = 16;
    int height_ = 16;
    bool masked_ = true;
    int updateCount_ = 0;
    bool changed_ = false;
    std::vector<QImage> images_;
    std::vector<TChangeLink*> clients_;
};

class TImageList : public TCustomImageList {
    ORVO_CLASS(TImageList, TCustomImageList)
public:
    using TCustomImageList::TCustomImageList;
};

inline constexpr UINT ILD_NORMAL = 0x0000;
inline constexpr UINT ILD_TRANSPARENT = 0x0001;
inline constexpr UINT ILD_MASK = 0x0010;

BOOL ImageList_Draw(HIMAGELIST List, int Index, HDC DC, int X, int Y, UINT Style);
// Width and Height 0 draw the whole image; Background CLR_DEFAULT is the list's colour.
BOOL ImageList_DrawEx(HIMAGELIST List, int Index, HDC DC, int X, int Y, int Width, int Height,
                      COLORREF Background, COLORREF Foreground, UINT Style);
BOOL ImageList_GetIconSize(HIMAGELIST List, int* Width, int* Height);
int ImageList_GetImageCount(HIMAGELIST List);
