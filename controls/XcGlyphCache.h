// The shared lists that hold the state images of button glyphs: one TXcGlyphList per image
// size in the process-wide TXcGlyphCache. A list reuses the slots of deleted images, so
// the indexes of the images still held stay valid.
#pragma once

#include "platform/graphics/ImageList.h"

#include <vector>

class TXcGlyphList : public TCustomImageList {
    ORVO_CLASS(TXcGlyphList, TCustomImageList)
public:
    TXcGlyphList(int AWidth, int AHeight);

    // Put the image in the first free slot (or append) and answer its index.
    int Add(TBitmap* Image, TBitmap* Mask);
    int AddMasked(TBitmap* Image, TColor MaskColor);
    // Frees the slot (the image stays until the slot is taken again).
    void Delete(int Index);
    // Images held (used slots).
    int Count() const { return FCount; }

private:
    int AllocateIndex();
    std::vector<bool> FUsed;
    int FCount = 0;
};

class TXcGlyphCache : public TObject {
    ORVO_CLASS(TXcGlyphCache, TObject)
public:
    ~TXcGlyphCache() override;
    // The list for images of that size, made when missing.
    TXcGlyphList* GetList(int AWidth, int AHeight);
    // Frees the list when it holds no image any more.
    void ReturnList(TXcGlyphList* List);
    bool Empty() const { return FLists.empty(); }
    int ListCount() const { return static_cast<int>(FLists.size()); }

private:
    std::vector<TXcGlyphList*> FLists;
};

// The process-wide cache: made with the first glyph, freed when the last glyph has gone and
// no list is left.
TXcGlyphCache* GlyphCache();
void AddGlyphCacheClient();
void ReleaseGlyphCacheClient();
