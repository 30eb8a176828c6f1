#include "platform/controls/Help.h"

#include "platform/controls/Application.h"
#include "platform/controls/Control.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WinControl.h"

#include <atomic>

namespace {
std::atomic<IHelpViewer*> g_viewer{nullptr};
} // namespace

IHelpViewer* HelpViewer() {
    return g_viewer.load();
}

IHelpViewer* SetHelpViewer(IHelpViewer* Viewer) {
    return g_viewer.exchange(Viewer);
}

bool TApplication::HelpContext(int Context) {
    IHelpViewer* viewer = HelpViewer();
    if (!viewer) return false;
    // The active form's help file, else the program's.
    String file = FHelpFile;
    if (TCustomForm* form = Screen ? Screen->ActiveCustomForm() : nullptr;
        form && !form->HelpFile().isEmpty())
        file = form->HelpFile();
    return viewer->ShowHelpContext(file, Context);
}

bool ControlHelpRequest(TControl* Control) {
    TControl* c = Control;
    while (c && c->HelpContext() == 0)
        c = c->Parent();
    if (!c || !Application) return false;
    return Application->HelpContext(c->HelpContext());
}
