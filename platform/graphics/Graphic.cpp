#include "platform/graphics/Graphic.h"

#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/PngImage.h"

#include <QByteArray>
#include <QFileInfo>

#include <algorithm>

#include <memory>
#include <vector>

ORVO_IMPLEMENT_CLASS(TGraphic, TPersistent)
ORVO_IMPLEMENT_CLASS(TPicture, TPersistent)

namespace {

struct FileFormat {
    String extension;
    String description;
    TGraphicClass graphicClass;
};

// The registered formats; the built-in ones come first.
std::vector<FileFormat>& formats() {
    static std::vector<FileFormat> list = {
        {QStringLiteral("bmp"), QStringLiteral("Bitmaps"), TBitmap::StaticClass()},
        {QStringLiteral("jpg"), QStringLiteral("JPEG Image File"), TJPEGImage::StaticClass()},
        {QStringLiteral("jpeg"), QStringLiteral("JPEG Image File"), TJPEGImage::StaticClass()},
        {QStringLiteral("png"), QStringLiteral("Portable Network Graphics"), TPngImage::StaticClass()},
        {QStringLiteral("ico"), QStringLiteral("Icons"), TIcon::StaticClass()},
    };
    return list;
}

TGraphic* newGraphic(TGraphicClass cls) {
    TObject* obj = cls && cls->CreatePlain ? cls->CreatePlain() : nullptr;
    auto* g = dynamic_cast<TGraphic*>(obj);
    if (!g) {
        delete obj;
        throw EInvalidGraphic(QStringLiteral("Cannot create a graphic of class %1")
                                  .arg(cls ? cls->ClassName() : QStringLiteral("nil")));
    }
    return g;
}

} // namespace

QByteArray platform::detail::ReadRemainingBytes(TStream* Stream) {
    const Int64 size = Stream->Size() - Stream->Position();
    QByteArray data(int(std::max<Int64>(0, size)), '\0');
    if (!data.isEmpty()) Stream->ReadBuffer(data.data(), int(data.size()));
    return data;
}

bool platform::detail::PictureSizeAllowed(long long Width, long long Height) {
    return Width >= 0 && Height >= 0 && Width <= kMaxPictureSide && Height <= kMaxPictureSide &&
           Width * Height <= kMaxPicturePixels;
}

void TGraphic::SetTransparent(bool Value) {
    if (Value == transparent_) return;
    transparent_ = Value;
    Changed(this);
}

void TGraphic::SetModified(bool Value) {
    if (Value)
        Changed(this);
    else
        modified_ = false;
}

void TGraphic::Changed(TObject*) {
    modified_ = true;
    if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const String& FileName) {
    TFileStream s(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&s);
}

void TGraphic::SaveToFile(const String& FileName) {
    TFileStream s(FileName, fmCreate);
    SaveToStream(&s);
}

void RegisterFileFormat(const String& Extension, const String& Description, TGraphicClass AGraphicClass) {
    auto& list = formats();
    for (auto& f : list) {
        if (f.extension.compare(Extension, Qt::CaseInsensitive) == 0) {
            f = {Extension.toLower(), Description, AGraphicClass};
            return;
        }
    }
    list.push_back({Extension.toLower(), Description, AGraphicClass});
}

void UnregisterGraphicClass(TGraphicClass AClass) {
    auto& list = formats();
    std::erase_if(list, [AClass](const FileFormat& f) { return f.graphicClass == AClass; });
}

TGraphicClass GraphicClassForExtension(const String& Extension) {
    String ext = Extension;
    if (ext.startsWith(QLatin1Char('.'))) ext = ext.mid(1);
    for (const auto& f : formats())
        if (f.extension.compare(ext, Qt::CaseInsensitive) == 0) return f.graphicClass;
    return nullptr;
}

String GraphicExtension(TGraphicClass GraphicClass) {
    for (const auto& f : formats())
        if (f.graphicClass == GraphicClass) return f.extension;
    return {};
}

String GraphicFilter(TGraphicClass GraphicClass) {
    QStringList all, parts;
    for (const auto& f : formats()) {
        if (GraphicClass && !f.graphicClass->InheritsFrom(GraphicClass)) continue;
        const String mask = QStringLiteral("*.") + f.extension;
        all << mask;
        parts << QStringLiteral("%1 (%2)|%2").arg(f.description, mask);
    }
    if (all.isEmpty()) return {};
    const String joined = all.join(QLatin1Char(';'));
    if (all.size() > 1) parts.prepend(QStringLiteral("All (%1)|%1").arg(joined));
    return parts.join(QLatin1Char('|'));
}

// ---- TPicture ----------------------------------------------------------------------------

TPicture::TPicture() = default;
TPicture::~TPicture() {
    delete graphic_;
}

void TPicture::Replace(TGraphic* NewGraphic) {
    delete graphic_;
    graphic_ = NewGraphic;
    if (graphic_) graphic_->OnChange = Method(this, &TPicture::GraphicChanged);
    GraphicChanged(this);
}

void TPicture::GraphicChanged(TObject*) {
    if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(TGraphic* Value) {
    if (!Value) {
        Replace(nullptr);
        return;
    }
    TGraphic* copy = newGraphic(Value->ClassType());
    try {
        copy->Assign(Value);
    } catch (...) {
        delete copy;
        throw;
    }
    Replace(copy);
}

void TPicture::Assign(TPersistent* Source) {
    if (!Source) {
        Replace(nullptr);
    } else if (auto* p = dynamic_cast<TPicture*>(Source)) {
        SetGraphic(p->graphic_);
    } else if (auto* g = dynamic_cast<TGraphic*>(Source)) {
        SetGraphic(g);
    } else {
        TPersistent::Assign(Source);
    }
}

namespace {
// The formats whose data carries its own byte count in a picture's stream data.
bool sizePrefixed(const TGraphic* Graphic) {
    return dynamic_cast<const TBitmap*>(Graphic) || dynamic_cast<const TJPEGImage*>(Graphic);
}

TGraphicClass registeredGraphicClass(const String& Name) {
    for (const auto& f : formats())
        if (Name.compare(f.graphicClass->ClassName(), Qt::CaseInsensitive) == 0) return f.graphicClass;
    return nullptr;
}

// A picture's stream property "Data": the graphic's class name as a short string, then the
// graphic itself (a bitmap or JPEG image as a 32-bit byte count and its file bytes, another
// format as its file bytes); written whenever the picture holds a graphic.
void writePictureData(TPicture* Picture, TStream* Stream) {
    TGraphic* graphic = Picture->Graphic();
    if (!graphic) return;
    const QByteArray name = graphic->ClassName().toLatin1().left(255);
    const Byte length = Byte(name.size());
    Stream->WriteBuffer(&length, 1);
    Stream->WriteBuffer(name.constData(), int(name.size()));
    TMemoryStream bytes;
    graphic->SaveToStream(&bytes);
    if (sizePrefixed(graphic)) {
        const int32_t size = int32_t(bytes.Size());
        Stream->WriteBuffer(&size, 4);
    }
    if (bytes.Size() > 0) Stream->WriteBuffer(bytes.Memory(), int(bytes.Size()));
}

void readPictureData(TPicture* Picture, TStream* Stream) {
    Byte length = 0;
    Stream->ReadBuffer(&length, 1);
    QByteArray name(length, Qt::Uninitialized);
    if (length > 0) Stream->ReadBuffer(name.data(), length);
    // Only the registered picture formats are created from stored data.
    TGraphicClass cls = registeredGraphicClass(String::fromLatin1(name));
    if (!cls)
        throw EInvalidGraphic(QStringLiteral("Unknown picture format (%1)").arg(String::fromLatin1(name)));
    std::unique_ptr<TGraphic> g(newGraphic(cls));
    if (sizePrefixed(g.get())) {
        int32_t size = 0;
        Stream->ReadBuffer(&size, 4);
        if (size < 0 || size > Stream->Size() - Stream->Position())
            throw EInvalidGraphic(QStringLiteral("Picture data is truncated"));
        if (size > 0) {
            std::vector<char> buffer(static_cast<size_t>(size));
            Stream->ReadBuffer(buffer.data(), size);
            TMemoryStream bytes;
            bytes.WriteBuffer(buffer.data(), size);
            bytes.SetPosition(0);
            g->LoadFromStream(&bytes);
        }
    } else {
        g->LoadFromStream(Stream);
    }
    Picture->SetGraphic(g.get());
}

void definePictureData(TPersistent* Instance, TFiler* Filer) {
    auto* picture = static_cast<TPicture*>(Instance);
    bool hasData = picture->Graphic() != nullptr;
    if (auto* ancestor = dynamic_cast<TPicture*>(Filer->Ancestor()))
        hasData = hasData && picture->Graphic() != ancestor->Graphic();
    Filer->DefineBinaryProperty(
        QStringLiteral("Data"), TStreamProc([picture](TStream* S) { readPictureData(picture, S); }),
        TStreamProc([picture](TStream* S) { writePictureData(picture, S); }), hasData);
}

const bool pictureDataDefined = [] {
    platform::detail::RegisterDefineProperties(TPicture::StaticClass(), &definePictureData);
    return true;
}();
} // namespace

TBitmap* TPicture::Bitmap() {
    if (auto* b = dynamic_cast<TBitmap*>(graphic_)) return b;
    Replace(new TBitmap);
    return static_cast<TBitmap*>(graphic_);
}

int TPicture::Width() const {
    return graphic_ ? graphic_->Width() : 0;
}
int TPicture::Height() const {
    return graphic_ ? graphic_->Height() : 0;
}

void TPicture::LoadFromFile(const String& FileName) {
    const String ext = QFileInfo(FileName).suffix();
    TGraphicClass cls = GraphicClassForExtension(ext);
    if (!cls) throw EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%1)").arg(ext));
    std::unique_ptr<TGraphic> g(newGraphic(cls));
    g->LoadFromFile(FileName);
    Replace(g.release());
}

void TPicture::SaveToFile(const String& FileName) {
    if (graphic_) graphic_->SaveToFile(FileName);
}
