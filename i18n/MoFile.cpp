#include "i18n/MoFile.h"

#include "i18n/GettextExceptions.h"
#include "platform/classes/Streams.h"

#include <cstring>

ORVO_IMPLEMENT_CLASS(TMoFile, TObject)

namespace {

constexpr std::size_t kHeaderSize = 28;

[[noreturn]] void notACatalogue(const String& name) {
    throw EGGIOError(QStringLiteral("This file is not a valid GNU gettext mo file: ") + name);
}

[[noreturn]] void damaged(const String& name) {
    throw EGGIOError(QStringLiteral("This GNU gettext mo file is damaged: ") + name);
}

} // namespace

TMoFile::TMoFile(const String& Filename, Int64 Offset, Int64 Size) {
    TFileStream file(Filename, fmOpenRead | fmShareDenyNone);
    if (Size <= 0) Size = file.Size() - Offset;
    if (Offset < 0 || Size < 0 || Offset + Size > file.Size()) damaged(Filename);
    // A catalogue must fit the 32-bit offsets of its own tables.
    if (Size > Int64(0xFFFFFFFFu)) damaged(Filename);
    moMemory.resize(std::size_t(Size));
    file.SetPosition(Offset);
    if (Size > 0) file.ReadBuffer(moMemory.data(), int(Size));
    Analyze(Filename);
}

TMoFile::TMoFile(std::vector<Byte> Memory, const String& Name) : moMemory(std::move(Memory)) {
    if (moMemory.size() > 0xFFFFFFFFu) damaged(Name);
    Analyze(Name);
}

void TMoFile::Analyze(const String& Name) {
    if (moMemory.size() < 4) notACatalogue(Name);
    const Cardinal magic = (Cardinal(moMemory[0]) << 24) | (Cardinal(moMemory[1]) << 16) |
                           (Cardinal(moMemory[2]) << 8) | Cardinal(moMemory[3]);
    if (magic == 0x950412DEu)
        doswap = false;
    else if (magic == 0xDE120495u)
        doswap = true;
    else
        notACatalogue(Name);
    if (moMemory.size() < kHeaderSize) damaged(Name);

    N = ReadCardinal(8);
    O = ReadCardinal(12);
    T = ReadCardinal(16);
    const UInt64 size = moMemory.size();
    const UInt64 tableBytes = UInt64(N) * 8;
    if (UInt64(O) + tableBytes > size || UInt64(T) + tableBytes > size) damaged(Name);
    for (Cardinal i = 1; i <= N; ++i) {
        for (Cardinal table : {O, T}) {
            Cardinal length, start;
            Entry(table, i, length, start);
            if (UInt64(start) + length > size) damaged(Name);
        }
    }

    StartIndex = 0;
    if (N > 0) {
        StartIndex = 1;
        for (Cardinal n = N; n != 0; n >>= 1)
            StartIndex <<= 1;
        StartIndex >>= 1;
    }
    StartStep = StartIndex >> 1;
}

Cardinal TMoFile::ReadCardinal(std::size_t Position) const {
    const Byte* p = moMemory.data() + Position;
    if (doswap)
        return Cardinal(p[0]) | (Cardinal(p[1]) << 8) | (Cardinal(p[2]) << 16) | (Cardinal(p[3]) << 24);
    return (Cardinal(p[0]) << 24) | (Cardinal(p[1]) << 16) | (Cardinal(p[2]) << 8) | Cardinal(p[3]);
}

void TMoFile::Entry(Cardinal TableOffset, Cardinal i, Cardinal& Length, Cardinal& Start) const {
    const std::size_t pos = std::size_t(TableOffset) + std::size_t(i - 1) * 8;
    Length = ReadCardinal(pos);
    Start = ReadCardinal(pos + 4);
}

AnsiString TMoFile::gettext(const AnsiString& msgid, bool& Found) const {
    Found = false;
    if (N == 0) return msgid;
    const auto* key = reinterpret_cast<const unsigned char*>(msgid.data());
    const std::size_t keyLength = msgid.size();
    Cardinal idx = StartIndex;
    Cardinal step = StartStep;
    for (;;) {
        Cardinal length, start;
        Entry(O, idx, length, start);
        const std::size_t common = std::min<std::size_t>(keyLength, length);
        int result = common ? std::memcmp(key, moMemory.data() + start, common) : 0;
        if (result == 0) result = keyLength < length ? -1 : (keyLength > length ? 1 : 0);
        if (result == 0) {
            Entry(T, idx, length, start);
            Found = true;
            return AnsiString(reinterpret_cast<const char*>(moMemory.data()) + start, length);
        }
        if (step == 0) return msgid;
        if (result < 0)
            idx = (step + 1 > idx) ? 1 : idx - step;
        else
            idx = (idx + step > N) ? N : idx + step;
        step >>= 1;
    }
}
