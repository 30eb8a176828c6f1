#include "platform/graphics/Cursor.h"

#include "platform/classes/ResourceStream.h"
#include "platform/classes/TypInfo.h"

#include <QCursor>
#include <QFile>
#include <QImage>
#include <QPixmap>

#include <array>
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

} // namespace

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
    return cursorFromFileData(f.readAll());
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
