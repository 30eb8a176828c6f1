// Map files: the curve of one channel (format 0) or the curves of both channels (format 1)
// on disk, little-endian, without header text or checksum:
//   format word (16 bit), count c1 (32 bit), c1 entries (16 bit each),
//   format 1 only: count c2 (32 bit), c2 entries.
// The writers write whole curves (512 entries: 1030 bytes for format 0, 2058 for format 1);
// the readers accept nothing else, so a bad file never changes a curve.
#pragma once

#include "app/ChipTuningChannel.h"

#include <cstdint>

inline constexpr std::uint16_t MapFileOneCurve = 0;
inline constexpr std::uint16_t MapFileTwoCurves = 1;
// The largest number of bytes a reader looks at; anything after it is ignored.
inline constexpr std::size_t MapFileMaxBytes = 2 + 2 * (4 + MapImageBytes);

// What a reader takes from a file.
enum class TMapFileScope {
    // The curve editor: the first curve, whatever the format word says (so a format-1 file
    // gives channel 1's curve).
    FirstCurve,
    // The tools frame: format 0 or 1 and every curve the format announces.
    AllCurves,
};

// The file of one curve (format 0) or of two (format 1, channel 1 first). Raises
// std::invalid_argument for any other number of curves.
std::vector<unsigned char> MapFileBytes(const std::vector<CurvePoints>& curves);

// Writes the file of the curves. The bytes go to a temporary file in the same folder that
// then replaces the file, so a failure never leaves a half-written file in place of a good
// one. The temporary file is <file>.tmp-<process id>-<n>; once a save is done, those that
// savers killed before their rename left in the folder (of processes that are gone) are
// removed. False when the file could not be written (the old one, if
// any, stays).
bool SaveMapFile(const String& fileName, const std::vector<CurvePoints>& curves);

// The curves of a map file's bytes. False, leaving curves alone, unless every curve the scope
// needs has the count 512, all of its bytes, and only entries 0 to 4095 or 0xFFFF (and, for
// AllCurves, the format word is 0 or 1). Bytes after the last curve needed are ignored.
bool ParseMapFile(const unsigned char* data, std::size_t size, TMapFileScope scope,
                  std::vector<CurvePoints>& curves);
// Reads and parses a map file; false also when it cannot be opened or read, or is not a
// regular file (a FIFO, a device).
bool LoadMapFile(const String& fileName, TMapFileScope scope, std::vector<CurvePoints>& curves);
