// The small types shared by every control: alignment, anchors, control style and state,
// the shift state of mouse and key events, the mouse buttons and the event signatures.
// The cursor ids (TCursor, crDefault ...) come from the graphics unit.
#pragma once

#include "platform/classes/Event.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Cursor.h"
#include "platform/graphics/GdiTypes.h"

class TObject;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
ORVO_DECLARE_ENUM_TYPE(TAlign)
using TAlignSet = Set<TAlign>;

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
ORVO_DECLARE_ENUM_TYPE(TAnchorKind)
using TAnchors = Set<TAnchorKind>;
ORVO_DECLARE_SET_TYPE(TAnchors)

enum TControlStyleItem {
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
    csNeedsBorderPaint,
    csParentBackground,
    csPannable,
    csAlignWithMargins,
    csGestures,
    csPaintBlackOpaqueOnGlass,
    csOverrideStylePaint
};
using TControlStyle = Set<TControlStyleItem>;

enum TControlStateItem {
    csLButtonDown,
    csClicked,
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking,
    csDesignerHide,
    csPanning,
    csRecreating,
    csAligning,
    csGlassPaint,
    csPrintClient
};
using TControlState = Set<TControlStateItem>;

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
ORVO_DECLARE_ENUM_TYPE(TBiDiMode)

enum TMouseButton { mbLeft, mbRight, mbMiddle };
ORVO_DECLARE_ENUM_TYPE(TMouseButton)

enum TShiftStateItem {
    ssShift,
    ssAlt,
    ssCtrl,
    ssLeft,
    ssRight,
    ssMiddle,
    ssDouble,
    ssTouch,
    ssPen,
    ssCommand
};
ORVO_DECLARE_ENUM_TYPE(TShiftStateItem)
using TShiftState = Set<TShiftStateItem>;
ORVO_DECLARE_SET_TYPE(TShiftState)

// Results of modal forms and buttons.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;
inline constexpr TModalResult mrClose = 11;

using TCaption = String;

// Event signatures.
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TKeyEvent = TEvent<TObject*, Word&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, QChar&>;
using TMouseWheelEvent = TEvent<TObject*, TShiftState, int, TPoint, bool&>;
using TMouseWheelUpDownEvent = TEvent<TObject*, TShiftState, TPoint, bool&>;
using TContextPopupEvent = TEvent<TObject*, TPoint, bool&>;
ORVO_DECLARE_EVENT_TYPE(TMouseEvent)
ORVO_DECLARE_EVENT_TYPE(TMouseMoveEvent)
ORVO_DECLARE_EVENT_TYPE(TKeyEvent)
ORVO_DECLARE_EVENT_TYPE(TKeyPressEvent)
ORVO_DECLARE_EVENT_TYPE(TMouseWheelEvent)
ORVO_DECLARE_EVENT_TYPE(TMouseWheelUpDownEvent)
ORVO_DECLARE_EVENT_TYPE(TContextPopupEvent)
// Sender and a Boolean the handler clears to refuse: a form's close query, a tab
// control's or an up-down's change. Those units name it after themselves, but it is one
// C++ type, so its type information is made once, here, under the form's name.
using TCloseQueryEvent = TEvent<TObject*, bool&>;
ORVO_DECLARE_EVENT_TYPE(TCloseQueryEvent)

// The shift state of key data bits (Alt 0x20000000) and of the current key state.
TShiftState KeyDataToShiftState(std::intptr_t KeyData);
TShiftState KeyboardStateToShiftState();
