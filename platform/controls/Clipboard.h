// TClipboard: the system clipboard (text and pictures) over Qt's clipboard. Assign puts a
// bitmap or any other graphic on it (drawn into a bitmap); a bitmap or picture assigned
// from the clipboard takes the image held there.
#pragma once

#include "platform/classes/Persistent.h"

using TClipboardFormat = unsigned;
inline constexpr TClipboardFormat CF_TEXT = 1;
inline constexpr TClipboardFormat CF_BITMAP = 2;
inline constexpr TClipboardFormat CF_METAFILEPICT = 3;
inline constexpr TClipboardFormat CF_DIB = 8;
inline constexpr TClipboardFormat CF_UNICODETEXT = 13;
inline constexpr TClipboardFormat CF_ENHMETAFILE = 14;
inline constexpr TClipboardFormat CF_PICTURE = 0xFFFF; // any picture format

class TClipboard : public TPersistent {
    ORVO_CLASS(TClipboard, TPersistent)
public:
    TClipboard() = default;

    // Brackets several changes that make one clipboard content (an Open with text and a
    // picture puts both on the clipboard at Close); nestable.
    void Open();
    void Close();
    void Clear();

    String AsText() const;
    // The text up to its first line break: what a one-line edit pastes.
    String AsTextLine() const;
    void SetAsText(const String& Value);
    // Text, a bitmap (CF_BITMAP, CF_DIB) or any picture (CF_PICTURE) on the clipboard.
    bool HasFormat(TClipboardFormat Format) const;
    int FormatCount() const;

    // Puts a TBitmap, TPicture or other TGraphic on the clipboard; anything else raises
    // EConvertError as Assign does.
    void Assign(TPersistent* Source) override;

protected:
    // Fills a TBitmap or TPicture with the clipboard's image.
    void AssignTo(TPersistent* Dest) override;

private:
    void Commit();
    int FOpenCount = 0;
    bool FPending = false;
};

// The process-wide clipboard object.
TClipboard* Clipboard();
