// The small routines every page and dialog of the chart editor shares: finding an element's
// editor form by class name and embedding it in a page, creating, centring and scaling
// dialogs, yes/no questions, moving list items, the value-format choices, the arrow bitmaps
// and the cursor names the editors offer.
#pragma once

#include "platform/classes/Component.h"
#include "platform/controls/StdControlTypes.h"
#include "platform/graphics/Cursor.h"

#include <span>

class TBitmap;
class TComboFlat;
class TComponent;
class TControl;
class TCustomForm;
class TCustomListBox;
class TPicture;
class TStrings;
class TWinControl;

// ---- editor forms ----------------------------------------------------------------------

// The editor form class an element (series, tool, function, gauge) names: its class name
// looked up in the class registry. Null when the element names none or a name no start-up
// registered; then there is no editor to show.
TClass TeeEditorFormClass(TObject* Element);
// Creates the editor form of Element owned by Host, translated, aligned to Host's client
// area and embedded there with Element as its Tag (AddFormTo). Null, and Host left empty,
// when the element has no registered editor.
TCustomForm* TeeCreateEditorForm(TObject* Element, TWinControl* Host);

// Embeds AForm in AParent: borderless, with the parent's background and colour, at left 4
// and a top of at most 4, scaled to the enclosing form, shown. The object becomes its Tag.
void AddFormTo(TCustomForm* AForm, TWinControl* AParent, TObject* ATag = nullptr);
void AddFormTo(TCustomForm* AForm, TWinControl* AParent, NativeInt ATag);
// The object an embedded editor was given (its Tag).
inline TObject* TeeFormTagObject(const TComponent* Form) {
    return Form ? reinterpret_cast<TObject*>(Form->Tag()) : nullptr;
}

// A free-standing dialog of FormClass: owned by AOwner's form when AOwner is a control
// on one, not aligned, centred (PositionToCenter), with a dialog border.
TCustomForm* TeeCreateForm(TClass FormClass, TComponent* AOwner);
template <class T> T* TeeCreateForm(TComponent* AOwner) {
    return static_cast<T*>(TeeCreateForm(T::StaticClass(), AOwner));
}
// Centred on the owner's form when the form has an owner, else on the screen.
void PositionToCenter(TCustomForm* Form);
// Scales Form to the pixels per inch of the nearest form it sits in, when they differ.
void TeeScaleForm(TCustomForm* Form);
void ShowControls(bool Visible, std::span<TControl* const> Controls);

// ---- questions -------------------------------------------------------------------------

// A Yes/No confirmation, placed near Owner's client origin when there is one; true on Yes.
bool TeeYesNo(const String& Message, TControl* Owner = nullptr);
// "Delete <Name> ?" as TeeYesNo asks it.
bool TeeYesNoDelete(const String& Name, TControl* Owner = nullptr);

// ---- lists -----------------------------------------------------------------------------

// Alignment combos list left, centre and right (the enumeration has centre last): the row
// of an alignment (0 for any other) and the alignment of a row (false for no row).
int TeeAlignmentRow(TAlignment Value);
bool TeeRowAlignment(int Row, TAlignment& Value);

// The value formats the editors offer, appended to Items.
void AddDefaultValueFormats(TStrings* Items);
// The selected items of Source (text and object, in order) appended to Dest, then
// deleted from Source.
void MoveList(TCustomListBox* Source, TCustomListBox* Dest);
// Every item of Source appended to Dest; Source emptied.
void MoveListAll(TStrings* Source, TStrings* Dest);

// The bitmap resources "TeeArrowUp" and "TeeArrowDown".
void TeeLoadArrowBitmaps(TBitmap* Up, TBitmap* Down);

// ---- cursors ---------------------------------------------------------------------------

// "crTeeHand" is the charts' hand cursor (2020); every other identifier is the class
// library's. True when the identifier (resp. the cursor) is known.
bool TeeIdentToCursor(const String& Ident, int& Cursor);
bool TeeCursorToIdent(int Cursor, String& Ident);
// The cursor named "cr" + Name; Current when there is none of that name.
TCursor TeeSetCursor(TCursor Current, const String& Name);
// Fills Combo with every cursor name (without "cr"), then "TeeHand", and selects Cursor's
// name (nothing when it has none).
void TeeFillCursors(TComboFlat* Combo, TCursor Cursor);
// Draws Cursor into Picture at the system cursor size; an empty picture for a cursor
// without an image.
void TeePreviewCursor(TCursor Cursor, TPicture* Picture);
