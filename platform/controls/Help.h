// Context help: a help request on a control (F1, or a form's help button) walks up from the
// control to the first one with a help context (the form last) and asks the application to
// show that context. What shows help is a viewer behind one replaceable hook; the program
// has none on Linux, so a request does nothing and reports that nothing was shown.
#pragma once

#include "platform/rtl/Types.h"

class TControl;

class IHelpViewer {
public:
    virtual ~IHelpViewer() = default;
    // Shows topic Context of HelpFile; true when it was shown.
    virtual bool ShowHelpContext(const String& HelpFile, int Context) = 0;
};

// The viewer in use (none by default); SetHelpViewer returns the one it replaces.
IHelpViewer* HelpViewer();
IHelpViewer* SetHelpViewer(IHelpViewer* Viewer);

// A help request on Control: the help context of Control or of its nearest parent that has
// one is shown through Application->HelpContext. False when none on the way has a help
// context or nothing showed it.
bool ControlHelpRequest(TControl* Control);
