// One loaded GNU message catalogue (".mo" file) in either byte order. The whole catalogue
// is read into memory at creation and checked: the header, both string tables and every
// string must lie inside the file, so that no lookup ever reads outside it.
#pragma once

#include "platform/classes/Object.h"

#include <vector>

class TMoFile : public TObject {
    ORVO_CLASS(TMoFile, TObject)
public:
    // Reads Size bytes at Offset of Filename (Size 0: the whole file). Raises EGGIOError
    // for a file that is not a valid catalogue; file errors of the platform pass through.
    TMoFile(const String& Filename, Int64 Offset = 0, Int64 Size = 0);
    // A catalogue from bytes already in memory; Name is used in error messages.
    TMoFile(std::vector<Byte> Memory, const String& Name);

    // The translation of msgid (UTF-8 bytes) and Found true; or msgid and Found false.
    AnsiString gettext(const AnsiString& msgid, bool& Found) const;

    bool isSwappedArchitecture() const { return doswap; }
    // The 32-bit field at a byte position of the catalogue (which the checks at creation
    // guarantee to lie inside it), in the catalogue's byte order.
    Cardinal ReadCardinal(std::size_t Position) const;
    Cardinal StringCount() const { return N; }

    // Number of domains holding this catalogue; kept by the catalogue cache.
    int Users = 0;

private:
    void Analyze(const String& Name);
    // Index i is 1-based; returns the length and start of the i-th string of a table.
    void Entry(Cardinal TableOffset, Cardinal i, Cardinal& Length, Cardinal& Start) const;

    bool doswap = false;
    Cardinal N = 0;
    Cardinal O = 0;
    Cardinal T = 0;
    Cardinal StartIndex = 0;
    Cardinal StartStep = 0;
    std::vector<Byte> moMemory;
};
