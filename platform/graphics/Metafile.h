// Metafiles: a picture that records drawing calls and plays them back at any size.
// TMetafileCanvas records into a metafile; the recording belongs to the metafile when
// the canvas is freed. The recording is kept as Qt's picture; a metafile's stream is an
// enhanced metafile (.emf) when Enhanced, else a placeable Windows metafile (.wmf), as
// other programs read them. Loading reads either (and the platform's own recording that
// earlier versions wrote), setting Enhanced to what was read.
#pragma once

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphic.h"

#include <memory>

struct GdiMetafile;
using HENHMETAFILE = GdiMetafile*;

class TMetafile : public TGraphic {
    ORVO_CLASS(TMetafile, TGraphic)
public:
    TMetafile();
    ~TMetafile() override;
    void Assign(TPersistent* Source) override;

    bool Empty() const override;
    // The frame of the recording in pixels: set before recording, or else the extent of
    // what was drawn.
    int Width() const override;
    int Height() const override;
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;
    bool Enhanced() const { return enhanced_; }
    void SetEnhanced(bool Value) { enhanced_ = Value; }
    void Clear();
    HENHMETAFILE Handle() const { return meta_.get(); }

    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    // Plays the recording scaled from its frame to Rect.
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

private:
    friend class TMetafileCanvas;
    std::unique_ptr<GdiMetafile> meta_;
    bool enhanced_ = true;
};

class TMetafileCanvas : public TCanvas {
    ORVO_CLASS(TMetafileCanvas, TCanvas)
public:
    // ReferenceDevice is accepted for the callers' sake: the recording is in pixels.
    TMetafileCanvas(TMetafile* AMetafile, HDC ReferenceDevice);
    ~TMetafileCanvas() override;

private:
    TMetafile* metafile_;
    std::unique_ptr<GdiMetafile> recording_;
    HDC dc_ = nullptr;
};

// Plays a recording on a DC, scaled from its frame to Rect (logical units).
BOOL PlayEnhMetaFile(HDC DC, HENHMETAFILE Metafile, const TRect* Rect);
