// File names and the file system. The path delimiter is "/"; the name functions also treat
// "\" as a delimiter, and the functions that touch the file system turn every "\" into "/"
// first, since names built with "\" come from code written for the other platform (a file
// whose name contains "\" is not supported).
#pragma once

#include "platform/rtl/Types.h"

#include <memory>

inline constexpr char16_t PathDelim = u'/';

// ---- Names ------------------------------------------------------------------------------

// s with one delimiter at the end (an empty s gives "/").
String IncludeTrailingPathDelimiter(const String& s);
// s without its last character when that is a delimiter.
String ExcludeTrailingPathDelimiter(const String& s);
// The folder part with its trailing delimiter ("" for a bare name).
String ExtractFilePath(const String& FileName);
// The folder part without its trailing delimiter, except for the root ("/a" -> "/").
String ExtractFileDir(const String& FileName);
// The part after the last delimiter.
String ExtractFileName(const String& FileName);
// The extension with its point (".ini"); a name ending in a point has the extension ".";
// a name part without a point has "".
String ExtractFileExt(const String& FileName);
// FileName with its extension replaced by Extension (which carries its own point), or with
// Extension appended when the name part has no point.
String ChangeFileExt(const String& FileName, const String& Extension);

// ---- The file system --------------------------------------------------------------------

String GetCurrentDir();
// True for an existing entry that is not a folder (links are followed).
bool FileExists(const String& FileName);
bool DirectoryExists(const String& Directory);
// Creates Dir and every missing folder above it; true when Dir exists afterwards. An empty
// Dir gives false.
bool ForceDirectories(const String& Dir);
// Creates one folder; false when it exists already or its parent is missing.
bool CreateDir(const String& Dir);
// Deletes a file (not a folder).
bool DeleteFile(const String& FileName);
// Renames or moves an entry; false when NewName exists already.
bool RenameFile(const String& OldName, const String& NewName);

// File attributes. A name starting with "." (other than "." and "..") is hidden; a file is
// read-only when its owner has no write permission.
inline constexpr int faReadOnly = 0x01;
inline constexpr int faHidden = 0x02;
inline constexpr int faSysFile = 0x04;
inline constexpr int faVolumeID = 0x08;
inline constexpr int faDirectory = 0x10;
inline constexpr int faArchive = 0x20;
inline constexpr int faAnyFile = 0x3F;

// The attributes of an entry, or -1 when it does not exist.
int FileGetAttr(const String& FileName);

namespace platform::detail {
struct SearchState;
// FileName as the operating system takes it: every "\" turned into "/".
String NativeFileName(const String& FileName);
} // namespace platform::detail

// One entry found by FindFirst or FindNext.
struct TSearchRec {
    Int64 Size = 0;
    int Attr = 0;
    String Name;
    int ExcludeAttr = 0;
    std::shared_ptr<platform::detail::SearchState> FindHandle;
};

// Starts a listing of the entries that match Path ("folder/*.mo"; "*" any run of characters,
// "?" one character, "*.*" everything; case-sensitive). Files are found unless hidden;
// folders only when Attr has faDirectory, hidden entries only when it has faHidden. The
// folder's "." and ".." entries are listed as folders. Answers 0 and fills F with the first
// entry, or a Windows error code: 2 (nothing matches) or 3 (the folder does not exist).
int FindFirst(const String& Path, int Attr, TSearchRec& F);
// The next entry: 0, or 18 (no more files) at the end.
int FindNext(TSearchRec& F);
// Ends the listing.
void FindClose(TSearchRec& F);
