#include "platform/graphics/Cursor.h"

#include "platform/classes/ResourceStream.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/CursorTheme.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSettings>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
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

// The size of the stock cursors' images (SM_CXCURSOR).
constexpr int kCursorSize = 32;

// The names a cursor theme gives the picture of each stock cursor, most likely first.
const char* const* themeNames(TCursor id) {
    static const char* const arrow[] = {"left_ptr", "default", "arrow", nullptr};
    static const char* const cross[] = {"crosshair", "cross", "tcross", nullptr};
    static const char* const ibeam[] = {"xterm", "text", "ibeam", nullptr};
    static const char* const nesw[] = {"nesw-resize", "fd_double_arrow", "size_bdiag", nullptr};
    static const char* const ns[] = {"ns-resize", "sb_v_double_arrow", "v_double_arrow", "size_ver", nullptr};
    static const char* const nwse[] = {"nwse-resize", "bd_double_arrow", "size_fdiag", nullptr};
    static const char* const we[] = {"ew-resize", "sb_h_double_arrow", "h_double_arrow", "size_hor", nullptr};
    static const char* const up[] = {"up-arrow", "sb_up_arrow", "center_ptr", nullptr};
    static const char* const wait[] = {"wait", "watch", nullptr};
    static const char* const drag[] = {"dnd-move", "move", "closedhand", nullptr};
    static const char* const no[] = {"not-allowed", "no-drop", "crossed_circle", "forbidden", nullptr};
    static const char* const hsplit[] = {"col-resize", "split_h", "sb_h_double_arrow", nullptr};
    static const char* const vsplit[] = {"row-resize", "split_v", "sb_v_double_arrow", nullptr};
    static const char* const copy[] = {"dnd-copy", "copy", nullptr};
    static const char* const progress[] = {"progress", "left_ptr_watch", nullptr};
    static const char* const help[] = {"help", "question_arrow", "whats_this", nullptr};
    static const char* const hand[] = {"pointer", "hand2", "pointing_hand", "hand1", nullptr};
    static const char* const all[] = {"all-scroll", "fleur", "size_all", nullptr};
    switch (id) {
    case crCross:
        return cross;
    case crIBeam:
        return ibeam;
    case crSizeNESW:
        return nesw;
    case crSizeNS:
        return ns;
    case crSizeNWSE:
        return nwse;
    case crSizeWE:
        return we;
    case crUpArrow:
        return up;
    case crHourGlass:
    case crSQLWait:
        return wait;
    case crDrag:
        return drag;
    case crNoDrop:
    case crNo:
        return no;
    case crHSplit:
        return hsplit;
    case crVSplit:
        return vsplit;
    case crMultiDrag:
        return copy;
    case crAppStart:
        return progress;
    case crHelp:
        return help;
    case crHandPoint:
        return hand;
    case crSizeAll:
        return all;
    default:
        return arrow;
    }
}

// The folders cursor themes live in, as the X cursor library looks for them.
QStringList themeFolders() {
    const QByteArray path = qgetenv("XCURSOR_PATH");
    if (!path.isEmpty()) return QString::fromLocal8Bit(path).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    const QString home = QDir::homePath();
    const QString data = qEnvironmentVariable("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    return {data + QStringLiteral("/icons"), home + QStringLiteral("/.icons"),
            QStringLiteral("/usr/share/icons"), QStringLiteral("/usr/share/pixmaps")};
}

// The file of one of Names in Theme or the themes it inherits (a few levels at most).
QString themeFile(const QString& Theme, const char* const* Names, int Depth = 0) {
    if (Theme.isEmpty() || Depth > 4) return QString();
    const QStringList folders = themeFolders();
    for (const QString& folder : folders)
        for (const char* const* n = Names; *n; ++n) {
            const QString file =
                folder + QLatin1Char('/') + Theme + QStringLiteral("/cursors/") + QLatin1String(*n);
            if (QFile::exists(file)) return file;
        }
    for (const QString& folder : folders) {
        const QString index = folder + QLatin1Char('/') + Theme + QStringLiteral("/index.theme");
        if (!QFile::exists(index)) continue;
        QSettings settings(index, QSettings::IniFormat);
        const QStringList parents = settings.value(QStringLiteral("Icon Theme/Inherits")).toStringList();
        for (const QString& parent : parents)
            if (QString found = themeFile(parent.trimmed(), Names, Depth + 1); !found.isEmpty()) return found;
    }
    return QString();
}

// The stock cursor's picture from the desktop's theme, when there is one.
QImage themeImage(TCursor id, TPoint& HotSpot) {
    QString theme = qEnvironmentVariable("XCURSOR_THEME");
    if (theme.isEmpty()) theme = QStringLiteral("default");
    const QString file = themeFile(theme, themeNames(id));
    if (file.isEmpty()) return QImage();
    QFile f(file);
    // Theme files are small; a larger one is not read.
    if (!f.open(QIODevice::ReadOnly) || f.size() > (4 << 20)) return QImage();
    return ReadXcursorFile(f.readAll(), kCursorSize, HotSpot);
}

// A built-in picture of the stock cursor: black shapes with a white outline.
QImage builtInImage(TCursor id, TPoint& HotSpot) {
    QImage img(kCursorSize, kCursorSize, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::black);
    auto arrow = [&](QPointF at, double scale) {
        QPainterPath path;
        const QPointF pts[] = {{0, 0}, {0, 16}, {4, 12}, {7, 19}, {9, 18}, {6, 11}, {11, 11}};
        path.moveTo(at + pts[0] * scale);
        for (const QPointF& q : pts)
            path.lineTo(at + q * scale);
        path.closeSubpath();
        p.drawPath(path);
    };
    auto thick = [&](QLineF line) {
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(line);
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(line);
        p.setPen(QPen(Qt::white, 1));
    };
    auto head = [&](QPointF tip, QPointF dir) {
        const QPointF side(-dir.y(), dir.x());
        const QPointF pts[] = {tip, tip - dir * 5 + side * 4, tip - dir * 5 - side * 4};
        p.drawPolygon(pts, 3);
    };
    auto doubleArrow = [&](QPointF a, QPointF b) {
        QPointF d = b - a;
        const double len = std::sqrt(d.x() * d.x() + d.y() * d.y());
        d /= len;
        thick(QLineF(a + d * 4, b - d * 4));
        head(a, -d);
        head(b, d);
    };
    HotSpot = TPoint{kCursorSize / 2, kCursorSize / 2};
    switch (id) {
    case crCross:
        thick(QLineF(16, 4, 16, 28));
        thick(QLineF(4, 16, 28, 16));
        break;
    case crIBeam:
        thick(QLineF(16, 6, 16, 26));
        thick(QLineF(12, 6, 20, 6));
        thick(QLineF(12, 26, 20, 26));
        break;
    case crSizeNESW:
        doubleArrow(QPointF(6, 26), QPointF(26, 6));
        break;
    case crSizeNS:
    case crVSplit:
        doubleArrow(QPointF(16, 4), QPointF(16, 28));
        break;
    case crSizeNWSE:
        doubleArrow(QPointF(6, 6), QPointF(26, 26));
        break;
    case crSizeWE:
    case crHSplit:
        doubleArrow(QPointF(4, 16), QPointF(28, 16));
        break;
    case crSizeAll:
        doubleArrow(QPointF(16, 3), QPointF(16, 29));
        doubleArrow(QPointF(3, 16), QPointF(29, 16));
        break;
    case crUpArrow:
        thick(QLineF(16, 10, 16, 28));
        head(QPointF(16, 3), QPointF(0, -1));
        HotSpot = TPoint{16, 3};
        break;
    case crHourGlass:
    case crSQLWait: {
        const QPointF top[] = {{8, 4}, {24, 4}, {16, 16}};
        const QPointF bottom[] = {{16, 16}, {24, 28}, {8, 28}};
        p.drawPolygon(top, 3);
        p.drawPolygon(bottom, 3);
        break;
    }
    case crNo:
    case crNoDrop:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 3));
        p.drawEllipse(QPointF(16, 16), 10, 10);
        p.drawLine(QLineF(9, 9, 23, 23));
        break;
    case crHandPoint:
        p.drawRoundedRect(QRectF(8, 12, 14, 14), 3, 3);
        p.drawRect(QRectF(10, 2, 4, 12));
        HotSpot = TPoint{12, 2};
        break;
    case crDrag:
    case crMultiDrag:
        arrow(QPointF(2, 2), 1.0);
        p.drawRect(QRectF(14, 18, 10, 8));
        if (id == crMultiDrag) p.drawRect(QRectF(18, 22, 10, 8));
        HotSpot = TPoint{2, 2};
        break;
    case crHelp:
        arrow(QPointF(2, 2), 1.0);
        // A question mark: a hook and a dot.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 2));
        p.drawArc(QRectF(18, 12, 8, 8), 180 * 16, -270 * 16);
        p.drawLine(QLineF(22, 20, 22, 24));
        p.drawPoint(QPointF(22, 27));
        HotSpot = TPoint{2, 2};
        break;
    case crAppStart: {
        arrow(QPointF(2, 2), 1.0);
        const QPointF top[] = {{18, 16}, {28, 16}, {23, 22}};
        const QPointF bottom[] = {{23, 22}, {28, 28}, {18, 28}};
        p.drawPolygon(top, 3);
        p.drawPolygon(bottom, 3);
        HotSpot = TPoint{2, 2};
        break;
    }
    default:
        arrow(QPointF(2, 2), 1.3);
        HotSpot = TPoint{2, 2};
        break;
    }
    p.end();
    return img;
}

// One shared handle per stock id (crDefault and crArrow are separate handles of the
// same shape, so that a table can tell them apart). crNone has no picture.
HCURSOR stockHandle(std::size_t i) {
    static const auto handles = [] {
        std::array<HCURSOR, kStock.size()> h{};
        for (std::size_t k = 0; k < kStock.size(); ++k) {
            const TCursor id = kStock[k].id;
            TPoint hot;
            QImage image;
            if (id != crNone) {
                image = themeImage(id, hot);
                if (image.isNull()) image = builtInImage(id, hot);
            }
            h[k] = NewIcon(image, hot, false, int(kStock[k].shape));
        }
        return h;
    }();
    return handles[i];
}

// Little-endian 32-bit words of an X cursor file.
std::uint32_t word32(const QByteArray& Data, qsizetype At) {
    const auto* p = reinterpret_cast<const uchar*>(Data.constData()) + At;
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
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

QImage ReadXcursorFile(const QByteArray& Data, int Want, TPoint& HotSpot) {
    // Header: "Xcur", header size, version, number of table entries; each entry: type,
    // nominal size, file position of its chunk.
    constexpr std::uint32_t kMagic = 0x72756358;
    constexpr std::uint32_t kImageType = 0xFFFD0002;
    const qsizetype n = Data.size();
    if (n < 16 || word32(Data, 0) != kMagic) return QImage();
    const std::uint32_t headerSize = word32(Data, 4);
    const std::uint32_t entries = word32(Data, 12);
    if (headerSize < 16 || qsizetype(headerSize) > n) return QImage();
    if (entries > std::uint32_t((n - headerSize) / 12)) return QImage();
    qsizetype best = -1;
    long bestDistance = 0;
    for (std::uint32_t i = 0; i < entries; ++i) {
        const qsizetype entry = qsizetype(headerSize) + qsizetype(i) * 12;
        if (word32(Data, entry) != kImageType) continue;
        const long distance = std::labs(long(word32(Data, entry + 4)) - Want);
        const std::uint32_t position = word32(Data, entry + 8);
        if (best < 0 || distance < bestDistance) {
            best = qsizetype(position);
            bestDistance = distance;
        }
    }
    // The chunk: header size, type, nominal size, version, width, height, hot spot x and y,
    // delay, then width x height premultiplied ARGB words.
    if (best < 0 || best > n - 36) return QImage();
    const std::uint32_t chunkHeader = word32(Data, best);
    if (chunkHeader < 36 || word32(Data, best + 4) != kImageType) return QImage();
    const std::uint32_t width = word32(Data, best + 16), height = word32(Data, best + 20);
    const std::uint32_t hotX = word32(Data, best + 24), hotY = word32(Data, best + 28);
    if (width == 0 || height == 0 || width > 0x7FFF || height > 0x7FFF || hotX > width || hotY > height)
        return QImage();
    if (qsizetype(chunkHeader) > n - best) return QImage();
    const qsizetype pixels = best + qsizetype(chunkHeader);
    if (qsizetype(width) * qsizetype(height) > (n - pixels) / 4) return QImage();
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return QImage();
    for (int y = 0; y < int(height); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < int(width); ++x)
            line[x] = word32(Data, pixels + (qsizetype(y) * width + x) * 4);
    }
    HotSpot = TPoint{int(hotX), int(hotY)};
    return image;
}

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
