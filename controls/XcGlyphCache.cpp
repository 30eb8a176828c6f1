#include "controls/XcGlyphCache.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TXcGlyphList, TCustomImageList)
ORVO_IMPLEMENT_CLASS(TXcGlyphCache, TObject)

namespace {
TXcGlyphCache* gCache = nullptr;
int gClients = 0;

// Frees the cache at shutdown when glyphs outlived it (static buttons).
struct CacheShutdown {
    ~CacheShutdown() {
        delete gCache;
        gCache = nullptr;
    }
} gShutdown;

// White where the image shows MaskColor (transparent), black elsewhere.
TBitmap* MakeMask(TBitmap* Image, TColor MaskColor) {
    const COLORREF key = COLORREF(ColorToRGB(MaskColor == clDefault ? Image->TransparentColor() : MaskColor));
    auto* mask = new TBitmap(Image->Width(), Image->Height());
    for (int y = 0; y < Image->Height(); ++y)
        for (int x = 0; x < Image->Width(); ++x)
            mask->Canvas()->SetPixels(
                x, y, COLORREF(ColorToRGB(Image->Canvas()->Pixels(x, y))) == key ? clWhite : clBlack);
    return mask;
}
} // namespace

TXcGlyphList::TXcGlyphList(int AWidth, int AHeight) : TCustomImageList(AWidth, AHeight) {}

int TXcGlyphList::AllocateIndex() {
    const auto it = std::find(FUsed.begin(), FUsed.end(), false);
    if (it == FUsed.end()) return -1;
    return static_cast<int>(it - FUsed.begin());
}

int TXcGlyphList::Add(TBitmap* Image, TBitmap* Mask) {
    int index = AllocateIndex();
    if (index < 0) {
        index = TCustomImageList::Add(Image, Mask);
        FUsed.resize(size_t(TCustomImageList::Count()), false);
    } else {
        Replace(index, Image, Mask);
    }
    FUsed[size_t(index)] = true;
    ++FCount;
    return index;
}

int TXcGlyphList::AddMasked(TBitmap* Image, TColor MaskColor) {
    std::unique_ptr<TBitmap> mask(MakeMask(Image, MaskColor));
    return Add(Image, mask.get());
}

void TXcGlyphList::Delete(int Index) {
    if (Index < 0 || Index >= int(FUsed.size()) || !FUsed[size_t(Index)]) return;
    FUsed[size_t(Index)] = false;
    --FCount;
}

TXcGlyphCache::~TXcGlyphCache() {
    for (TXcGlyphList* l : FLists)
        FreeObject(l);
}

TXcGlyphList* TXcGlyphCache::GetList(int AWidth, int AHeight) {
    for (TXcGlyphList* l : FLists)
        if (l->Width() == AWidth && l->Height() == AHeight) return l;
    auto* list = new TXcGlyphList(AWidth, AHeight);
    FLists.push_back(list);
    return list;
}

void TXcGlyphCache::ReturnList(TXcGlyphList* List) {
    if (!List || List->Count() != 0) return;
    const auto it = std::find(FLists.begin(), FLists.end(), List);
    if (it == FLists.end()) return;
    FLists.erase(it);
    FreeObject(List);
}

TXcGlyphCache* GlyphCache() {
    if (!gCache) gCache = new TXcGlyphCache;
    return gCache;
}

void AddGlyphCacheClient() {
    ++gClients;
}

void ReleaseGlyphCacheClient() {
    if (--gClients > 0 || !gCache || !gCache->Empty()) return;
    delete gCache;
    gCache = nullptr;
}
