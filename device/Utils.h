// Trace and byte helpers shared by every unit of the device link. Traces are never shown:
// DebugTrace is the one sink and discards what it gets. A test or a benchmark may put a
// keeping sink in its place; only then are trace texts built at all.
#pragma once

#include "platform/rtl/Format.h"
#include "platform/rtl/Types.h"

#include <cstddef>
#include <utility>

// A sink that keeps traces; nullptr stands for the discarding one.
using TTraceSink = void (*)(const AnsiString& text);
// Installs the sink (nullptr: discard again) and returns the previous one.
TTraceSink SetTraceSink(TTraceSink sink);
// Whether a trace handed to DebugTrace now would be kept.
bool TraceKept();

// The trace sink of the device link: takes an 8-bit text and, by default, discards it.
void DebugTrace(const AnsiString& text);

// Builds a trace with make() and hands it to DebugTrace, only when the sink keeps it: the
// hex dumps of every frame would otherwise cost processor time on each exchange for nothing.
template <class MakeText> void Trace(MakeText&& make) {
    if (TraceKept()) DebugTrace(std::forward<MakeText>(make)());
}

// Each byte as the separator followed by two upper-case hex digits: AA 05 with '$' gives "$AA$05".
AnsiString HexDump(const void* data, std::size_t count, char separator);

// Traces "prefix: (code) text" with the system's text for a Windows error code.
void TraceSystemError(DWORD code, const AnsiString& prefix);

// "tick: text" with the current tick count in front when withTick is set, else the text itself.
AnsiString TickPrefix(const AnsiString& text, bool withTick);

// Bits 8 to 15 and bits 0 to 7 of a 16-bit value, for little-endian fields.
unsigned char HighByte(int v);
unsigned char LowByte(int v);
