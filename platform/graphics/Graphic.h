// TGraphic: the base of pictures that draw themselves on a canvas and load and save in
// a file format; the registry of formats by file extension; TPicture, which holds one.
#pragma once

#include "platform/classes/Event.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/GdiTypes.h"

class QByteArray;
class TCanvas;
class TStream;

ORVO_DECLARE_EXCEPTION(EInvalidGraphic, Exception)
ORVO_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception)

namespace platform::detail {
// The bytes from the stream's position to its end: what a picture format loads from.
QByteArray ReadRemainingBytes(TStream* Stream);
// The largest picture the tool loads: 16384 pixels a side and 2^28 pixels in all. Every
// loader refuses a bigger size, and one its data cannot hold, before it allocates.
constexpr long long kMaxPictureSide = 16384;
constexpr long long kMaxPicturePixels = 1LL << 28;
// Width and height each 0 or more and within the limits above.
bool PictureSizeAllowed(long long Width, long long Height);
} // namespace platform::detail

class TGraphic : public TPersistent {
    ORVO_CLASS(TGraphic, TPersistent)
public:
    TGraphic() = default;
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int Value) = 0;
    virtual void SetHeight(int Value) = 0;
    virtual void SetSize(int AWidth, int AHeight) {
        SetWidth(AWidth);
        SetHeight(AHeight);
    }
    virtual bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool Value);
    bool Modified() const { return modified_; }
    void SetModified(bool Value);
    HPALETTE Palette() const { return nullptr; }

    virtual void LoadFromStream(TStream* Stream) = 0;
    virtual void SaveToStream(TStream* Stream) = 0;
    virtual void LoadFromFile(const String& FileName);
    virtual void SaveToFile(const String& FileName);

    // Draws the whole picture into Rect (stretched when the sizes differ).
    virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;

    TNotifyEvent OnChange;

protected:
    virtual void Changed(TObject* Sender);
    bool transparent_ = false;
    bool modified_ = false;
};
using TGraphicClass = TClass;

// Registers a graphic class for a file extension (without the dot, case-insensitive).
void RegisterFileFormat(const String& Extension, const String& Description, TGraphicClass AGraphicClass);
void UnregisterGraphicClass(TGraphicClass AClass);
// The class registered for an extension, or null.
TGraphicClass GraphicClassForExtension(const String& Extension);
// The default extension of a graphic class ("bmp"), empty when it has none.
String GraphicExtension(TGraphicClass GraphicClass);
// The open-dialog filter of the registered formats of GraphicClass and its descendants:
// "All (*.bmp;*.jpg)|*.bmp;*.jpg|Bitmaps (*.bmp)|*.bmp|...".
String GraphicFilter(TGraphicClass GraphicClass);

class TBitmap;

class TPicture : public TPersistent {
    ORVO_CLASS(TPicture, TPersistent)
public:
    TPicture();
    ~TPicture() override;
    void Assign(TPersistent* Source) override;

    TGraphic* Graphic() const { return graphic_; }
    // Takes a copy of Value (null empties the picture).
    void SetGraphic(TGraphic* Value);
    // The bitmap held, made (empty) when the picture holds something else or nothing.
    TBitmap* Bitmap();
    int Width() const;
    int Height() const;

    // Picks the class registered for the file's extension; raises EInvalidGraphic for
    // an unknown extension.
    void LoadFromFile(const String& FileName);
    void SaveToFile(const String& FileName);

    TNotifyEvent OnChange;

private:
    void GraphicChanged(TObject* Sender);
    void Replace(TGraphic* NewGraphic);
    TGraphic* graphic_ = nullptr;
};
