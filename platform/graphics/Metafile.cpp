#include "platform/graphics/Metafile.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/EmfFormat.h"
#include "platform/graphics/WmfFormat.h"

#include <QBuffer>
#include <QPicture>

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TMetafile, TGraphic)
ORVO_IMPLEMENT_CLASS(TMetafileCanvas, TCanvas)

struct GdiMetafile {
    QPicture picture;
    QSize frame{0, 0}; // pixels; a side of 0 takes the extent of the drawing
    QSize Size() const {
        const QRect r = picture.boundingRect();
        const QSize drawn =
            r.isValid() ? QSize(std::max(0, r.right() + 1), std::max(0, r.bottom() + 1)) : QSize(0, 0);
        return {frame.width() > 0 ? frame.width() : drawn.width(),
                frame.height() > 0 ? frame.height() : drawn.height()};
    }
};

// ---- TMetafile ---------------------------------------------------------------------------

TMetafile::TMetafile() : meta_(std::make_unique<GdiMetafile>()) {}
TMetafile::~TMetafile() = default;

void TMetafile::Assign(TPersistent* Source) {
    if (!Source) {
        Clear();
        return;
    }
    if (auto* m = dynamic_cast<TMetafile*>(Source)) {
        if (m == this) return;
        *meta_ = *m->meta_;
        enhanced_ = m->enhanced_;
        Changed(this);
        return;
    }
    TGraphic::Assign(Source);
}

bool TMetafile::Empty() const {
    return meta_->picture.isNull();
}
int TMetafile::Width() const {
    return meta_->Size().width();
}
int TMetafile::Height() const {
    return meta_->Size().height();
}

void TMetafile::SetWidth(int Value) {
    meta_->frame.setWidth(std::max(0, Value));
    Changed(this);
}

void TMetafile::SetHeight(int Value) {
    meta_->frame.setHeight(std::max(0, Value));
    Changed(this);
}

void TMetafile::Clear() {
    meta_ = std::make_unique<GdiMetafile>();
    Changed(this);
}

namespace {
// A metafile stream: the frame's width and height (32-bit little-endian), then the
// recording in Qt's picture format.
constexpr int kHeaderSize = 8;

qint32 readInt(const QByteArray& b, int at) {
    const auto* p = reinterpret_cast<const uchar*>(b.constData()) + at;
    return qint32(quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24));
}
} // namespace

void TMetafile::LoadFromStream(TStream* Stream) {
    const QByteArray data = platform::detail::ReadRemainingBytes(Stream);
    auto m = std::make_unique<GdiMetafile>();
    bool ok = false;
    bool enhanced = enhanced_;
    if (platform::metafile::IsEmf(data)) {
        ok = platform::metafile::ReadEmf(data, m->picture, m->frame);
        enhanced = true;
    } else if (platform::metafile::IsWmf(data)) {
        ok = platform::metafile::ReadWmf(data, m->picture, m->frame);
        enhanced = false;
    } else if (data.size() > kHeaderSize) {
        // The platform's own recording, as earlier versions wrote it.
        const qint32 w = readInt(data, 0), h = readInt(data, 4);
        ok = platform::detail::PictureSizeAllowed(w, h);
        m->frame = QSize(w, h);
        QByteArray pic = data.mid(kHeaderSize);
        QBuffer buf(&pic);
        buf.open(QIODevice::ReadOnly);
        ok = ok && m->picture.load(&buf) && !m->picture.isNull();
    }
    ok = ok && platform::detail::PictureSizeAllowed(m->frame.width(), m->frame.height());
    if (!ok) throw EInvalidGraphic(QStringLiteral("Metafile is not valid"));
    meta_ = std::move(m);
    enhanced_ = enhanced;
    Changed(this);
}

void TMetafile::SaveToStream(TStream* Stream) {
    // Enhanced: the enhanced metafile record format (.emf); else a placeable Windows
    // metafile (.wmf). Both are the drawing's records, which other programs open.
    const QSize frame = meta_->Size();
    const std::vector<platform::metafile::MetaShape> shapes =
        platform::metafile::MetafileShapes(meta_->picture, frame);
    const QByteArray data =
        enhanced_ ? platform::metafile::WriteEmf(shapes, frame) : platform::metafile::WriteWmf(shapes, frame);
    Stream->WriteBuffer(data.constData(), int(data.size()));
}

void TMetafile::Draw(TCanvas* ACanvas, const TRect& R) {
    if (!ACanvas || Empty()) return;
    PlayEnhMetaFile(ACanvas->Handle(), meta_.get(), &R);
}

BOOL PlayEnhMetaFile(HDC DC, HENHMETAFILE Metafile, const TRect* R) {
    if (!DC || !Metafile || !R || Metafile->picture.isNull()) return FALSE;
    const QSize size = Metafile->Size();
    if (size.isEmpty()) return TRUE;
    QPainter* p = DC->ShapePainter();
    if (!p) return FALSE;
    p->save();
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->translate(R->Left, R->Top);
    p->scale(qreal(R->Width()) / size.width(), qreal(R->Height()) / size.height());
    p->drawPicture(0, 0, Metafile->picture);
    p->restore();
    DC->Invalidate(DeviceContext::dAll);
    return TRUE;
}

// ---- TMetafileCanvas ---------------------------------------------------------------------

TMetafileCanvas::TMetafileCanvas(TMetafile* AMetafile, HDC)
    : metafile_(AMetafile), recording_(std::make_unique<GdiMetafile>()) {
    if (metafile_) recording_->frame = metafile_->meta_->frame;
    dc_ = new DeviceContext(static_cast<QPaintDevice*>(&recording_->picture));
    SetHandle(dc_);
}

TMetafileCanvas::~TMetafileCanvas() {
    SetHandle(nullptr);
    delete dc_; // ends the recording
    if (metafile_) {
        metafile_->meta_ = std::move(recording_);
        metafile_->Changed(metafile_);
    }
}
