// THourGlass: shows the busy cursor on the screen for the lifetime of the object and puts
// back the cursor that was there before, whichever way the scope is left.
#pragma once

#include "platform/controls/Screen.h"
#include "platform/graphics/Cursor.h"

class THourGlass {
public:
    THourGlass() : FOld(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
    ~THourGlass() { Screen->SetCursor(FOld); }
    THourGlass(const THourGlass&) = delete;
    THourGlass& operator=(const THourGlass&) = delete;

private:
    TCursor FOld;
};
