#include "platform/graphics/Cursor.h"

#include "platform/classes/ResourceStream.h"
#include "platform/classes/TypInfo.h"

#include <QCursor>
#include <QFile>
#include <QImage>
#include <QPixmap>

#include <array>
#include <cstdint>
#include <cstring>
#include <set>

using namespace platform::detail;

namespace {

struct StockShape {
    TCursor id;
    const char* name;
    Qt::CursorShape shape;
};

// The stock cursors, in the order of the identifier list, with the desktop cursor that
// shows each.
constexpr std::array<StockShape, 22> kStock = {{
    {crDefault, "crDefault", Qt::ArrowCursor},
    {crNone, "crNone", Qt::BlankCursor},
    {crArrow, "crArrow", Qt::ArrowCursor},
    {crCross, "crCross", Qt::CrossCursor},
    {crIBeam, "crIBeam", Qt::IBeamCursor},
    {crSizeNESW, "crSizeNESW", Qt::SizeBDiagCursor},
    {crSizeNS, "crSizeNS", Qt::SizeVerCursor},
    {crSizeNWSE, "crSizeNWSE", Qt::SizeFDiagCursor},
    {crSizeWE, "crSizeWE", Qt::SizeHorCursor},
    {crUpArrow, "crUpArrow", Qt::UpArrowCursor},
    {crHourGlass, "crHourGlass", Qt::WaitCursor},
    {crDrag, "crDrag", Qt::DragMoveCursor},
    {crNoDrop, "crNoDrop", Qt::ForbiddenCursor},
    {crHSplit, "crHSplit", Qt::SplitHCursor},
    {crVSplit, "crVSplit", Qt::SplitVCursor},
    {crMultiDrag, "crMultiDrag", Qt::DragCopyCursor},
    {crSQLWait, "crSQLWait", Qt::WaitCursor},
    {crNo, "crNo", Qt::ForbiddenCursor},
    {crAppStart, "crAppStart", Qt::BusyCursor},
    {crHelp, "crHelp", Qt::WhatsThisCursor},
    {crHandPoint, "crHandPoint", Qt::PointingHandCursor},
    {crSizeAll, "crSizeAll", Qt::SizeAllCursor},
}};

// One shared handle per stock id (crDefault and crArrow are separate handles of the
// same shape, so that a table can tell them apart).
HCURSOR stockHandle(std::size_t i) {
    static const auto handles = [] {
        std::array<HCURSOR, kStock.size()> h{};
        for (std::size_t k = 0; k < kStock.size(); ++k)
            h[k] = NewIcon(QImage(), {}, false, int(kStock[k].shape));
        return h;
    }();
    return handles[i];
}

int stockIndex(int id) {
    for (std::size_t i = 0; i < kStock.size(); ++i)
        if (kStock[i].id == id) return int(i);
    return -1;
}

// Streams and editors show cursor properties by these names.
const bool kIdentsRegistered = [] {
    RegisterIntegerConsts(TypeInfoTCursor(), IdentToCursor, CursorToIdent);
    return true;
}();

struct SystemCursor {
    int id;
    TCursor cursor;
};
constexpr SystemCursor kSystemCursors[] = {
    {IDC_ARROW, crArrow},          {IDC_IBEAM, crIBeam},     {IDC_WAIT, crHourGlass},
    {IDC_CROSS, crCross},          {IDC_UPARROW, crUpArrow}, {IDC_SIZENWSE, crSizeNWSE},
    {IDC_SIZENESW, crSizeNESW},    {IDC_SIZEWE, crSizeWE},   {IDC_SIZENS, crSizeNS},
    {IDC_SIZEALL, crSizeAll},      {IDC_NO, crNo},           {IDC_HAND, crHandPoint},
    {IDC_APPSTARTING, crAppStart}, {IDC_HELP, crHelp},
};

// Cursor resources of the program that the desktop's own cursors stand for, so that
// they follow the desktop's theme.
struct NamedCursor {
    const char* name;
    TCursor cursor;
};
constexpr NamedCursor kNamedCursors[] = {
    {"TEE_CURSOR_HAND", crHandPoint},
};

HCURSOR cursorFromFileData(const QByteArray& data) {
    bool isCursor = false;
    TPoint hot;
    const QImage img = ReadIconFile(data, {32, 32}, isCursor, hot);
    if (img.isNull()) return nullptr;
    // An icon used as a cursor points with its centre.
    if (!isCursor) hot = {img.width() / 2, img.height() / 2};
    return NewIcon(img, hot, false);
}

// ---- Animated cursor files ---------------------------------------------------------------

std::uint32_t aniLe32(const uchar* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

bool aniTag(const uchar* p, const char (&tag)[5]) {
    return std::memcmp(p, tag, 4) == 0;
}

// One chunk of a RIFF list: its tag and its bytes (without the pad byte).
struct AniChunk {
    const uchar* tag;
    const uchar* data;
    std::size_t size;
};

// Splits [p, p + n) into chunks; false when a chunk runs past the end. A missing pad
// byte after the last chunk is tolerated, as writers often leave it out.
bool aniChunks(const uchar* p, std::size_t n, std::vector<AniChunk>& out) {
    std::size_t at = 0;
    while (at < n) {
        if (n - at < 8) return false;
        const std::size_t size = aniLe32(p + at + 4);
        if (size > n - at - 8) return false;
        out.push_back({p + at, p + at + 8, size});
        at += 8 + size + (size & 1);
    }
    return true;
}

// Header flag: the frames are cursor or icon files (not raw bitmaps).
constexpr std::uint32_t kAniIconFrames = 1;
// Far beyond any real animation; keeps a damaged count from costing memory.
constexpr std::uint32_t kAniMaxFrames = 4096;
constexpr std::uint32_t kAniMaxSteps = 65536;

HCURSOR cursorFromAniData(const QByteArray& data) {
    TAnimatedCursorFile file;
    if (!ReadAnimatedCursorFile(data, file)) return nullptr;
    const TAnimatedCursorFrame& first = file.Frames[std::size_t(file.Steps.front().Frame)];
    return NewIcon(first.Image, first.HotSpot, false);
}

} // namespace

namespace platform::detail {

bool ReadAnimatedCursorFile(const QByteArray& Data, TAnimatedCursorFile& File) {
    File = {};
    const auto* p = reinterpret_cast<const uchar*>(Data.constData());
    const std::size_t n = std::size_t(Data.size());
    if (n < 12 || !aniTag(p, "RIFF") || !aniTag(p + 8, "ACON")) return false;
    const std::size_t riffSize = aniLe32(p + 4);
    if (riffSize < 4 || riffSize > n - 8) return false;
    std::vector<AniChunk> chunks;
    if (!aniChunks(p + 12, riffSize - 4, chunks)) return false;

    const AniChunk* header = nullptr;
    const AniChunk* rates = nullptr;
    const AniChunk* sequence = nullptr;
    std::vector<AniChunk> frames;
    for (const AniChunk& c : chunks) {
        if (aniTag(c.tag, "anih")) {
            if (header) return false;
            header = &c;
        } else if (aniTag(c.tag, "rate")) {
            if (rates) return false;
            rates = &c;
        } else if (aniTag(c.tag, "seq ")) {
            if (sequence) return false;
            sequence = &c;
        } else if (aniTag(c.tag, "LIST") && c.size >= 4 && aniTag(c.data, "fram")) {
            if (!frames.empty()) return false;
            if (!aniChunks(c.data + 4, c.size - 4, frames)) return false;
            for (const AniChunk& f : frames)
                if (!aniTag(f.tag, "icon")) return false;
        }
        // Anything else (the "INFO" list with title and author) is not needed.
    }
    if (!header || header->size < 36 || aniLe32(header->data) < 36) return false;
    const std::uint32_t frameCount = aniLe32(header->data + 4);
    std::uint32_t stepCount = aniLe32(header->data + 8);
    const std::uint32_t defaultRate = aniLe32(header->data + 28);
    const std::uint32_t flags = aniLe32(header->data + 32);
    // Frames given as raw bitmaps instead of cursor files are not supported.
    if (!(flags & kAniIconFrames)) return false;
    if (frameCount == 0 || frameCount > kAniMaxFrames || frames.size() != frameCount) return false;
    if (!sequence) {
        // Without a sequence (whatever the header's flag says) the steps are the frames
        // in order.
        if (stepCount == 0) stepCount = frameCount;
        if (stepCount != frameCount) return false;
    }
    if (stepCount == 0 || stepCount > kAniMaxSteps) return false;
    if (sequence && sequence->size != std::size_t(stepCount) * 4) return false;
    if (rates && rates->size != std::size_t(stepCount) * 4) return false;

    File.Steps.resize(stepCount);
    for (std::uint32_t i = 0; i < stepCount; ++i) {
        const std::uint32_t frame = sequence ? aniLe32(sequence->data + i * 4) : i;
        const std::uint32_t rate = rates ? aniLe32(rates->data + i * 4) : defaultRate;
        if (frame >= frameCount || rate > 0x7FFFFFFF) {
            File = {};
            return false;
        }
        File.Steps[i] = {int(frame), int(rate)};
    }
    File.Frames.reserve(frameCount);
    for (const AniChunk& f : frames) {
        bool isCursor = false;
        TPoint hot;
        const QByteArray bytes(reinterpret_cast<const char*>(f.data), qsizetype(f.size));
        QImage img = ReadIconFile(bytes, {32, 32}, isCursor, hot);
        if (img.isNull()) {
            File = {};
            return false;
        }
        if (!isCursor) hot = {img.width() / 2, img.height() / 2};
        File.Frames.push_back({std::move(img), hot});
    }
    return true;
}

HCURSOR CursorFromFileBytes(const QByteArray& Data) {
    if (Data.startsWith("RIFF")) return cursorFromAniData(Data);
    return cursorFromFileData(Data);
}

} // namespace platform::detail

bool CursorToIdent(int Cursor, String& Ident) {
    const int i = stockIndex(Cursor);
    if (i < 0) return false;
    Ident = QString::fromLatin1(kStock[std::size_t(i)].name);
    return true;
}

bool IdentToCursor(const String& Ident, int& Cursor) {
    for (const auto& s : kStock) {
        if (Ident.compare(QLatin1String(s.name), Qt::CaseInsensitive) == 0) {
            Cursor = s.id;
            return true;
        }
    }
    return false;
}

String CursorToString(TCursor Cursor) {
    String s;
    if (CursorToIdent(Cursor, s)) return s;
    return QString::number(Cursor);
}

TCursor StringToCursor(const String& S) {
    int c = 0;
    if (IdentToCursor(S, c)) return TCursor(c);
    bool ok = false;
    const int v = S.trimmed().toInt(&ok);
    if (!ok || v < -32768 || v > 32767)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(S));
    return TCursor(v);
}

void GetCursorValues(void (*Proc)(const String& S, void* Data), void* Data) {
    for (const auto& s : kStock)
        Proc(QString::fromLatin1(s.name), Data);
}

HCURSOR LoadCursor(NativeUInt, int CursorId) {
    for (const auto& s : kSystemCursors)
        if (s.id == CursorId) return StockCursor(s.cursor);
    return nullptr;
}

HCURSOR LoadCursor(NativeUInt Instance, const String& Name) {
    if (const TResourceEntry* res = FindResource(Instance, Name, QString::fromLatin1(RT_CURSOR)))
        return cursorFromFileData(QByteArray(reinterpret_cast<const char*>(res->Data), qsizetype(res->Size)));
    for (const auto& n : kNamedCursors)
        if (Name.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) return StockCursor(n.cursor);
    return nullptr;
}

HCURSOR LoadCursorFromFile(const String& FileName) {
    QFile f(FileName);
    if (!f.open(QIODevice::ReadOnly)) return nullptr;
    return CursorFromFileBytes(f.readAll());
}

namespace platform::detail {

HCURSOR StockCursor(TCursor Cursor) {
    const int i = stockIndex(Cursor);
    return stockHandle(std::size_t(i < 0 ? stockIndex(crArrow) : i));
}

QCursor ToQCursor(HCURSOR Cursor) {
    if (!Cursor) return QCursor(Qt::ArrowCursor);
    const int shape = IconCursorShape(Cursor);
    if (shape >= 0) return QCursor(Qt::CursorShape(shape));
    const TPoint hot = IconHotSpot(Cursor);
    return QCursor(QPixmap::fromImage(IconImage(Cursor)), hot.X, hot.Y);
}

} // namespace platform::detail

// ---- TCursorTable ------------------------------------------------------------------------

TCursorTable::TCursorTable() : default_(StockCursor(crDefault)) {}

TCursorTable::~TCursorTable() {
    // Each handle once, however many slots held it.
    std::set<HCURSOR> handles{default_};
    for (const auto& entry : cursors_)
        handles.insert(entry.second);
    cursors_.clear();
    for (HCURSOR h : handles)
        DestroyCursor(h);
}

HCURSOR TCursorTable::Cursor(int Index) const {
    if (Index == crDefault) return default_;
    if (auto it = cursors_.find(Index); it != cursors_.end()) return it->second;
    if (stockIndex(Index) >= 0) return StockCursor(TCursor(Index));
    return default_;
}

bool TCursorTable::Contains(int Index) const {
    if (Index == crDefault) return true;
    return cursors_.count(Index) != 0 || stockIndex(Index) >= 0;
}

void TCursorTable::Release(HCURSOR Handle) {
    if (!Handle || Handle == default_) return;
    for (const auto& [id, h] : cursors_)
        if (h == Handle) return;
    DestroyCursor(Handle);
}

void TCursorTable::SetCursor(int Index, HCURSOR Handle) {
    if (Index == crDefault) {
        HCURSOR old = default_;
        default_ = Handle ? Handle : StockCursor(crDefault);
        if (old != default_) Release(old);
        return;
    }
    HCURSOR old = nullptr;
    if (auto it = cursors_.find(Index); it != cursors_.end()) {
        old = it->second;
        cursors_.erase(it);
    }
    if (Handle) cursors_[Index] = Handle;
    if (old != Handle) Release(old);
}
