// Translation of the resource strings of the runtime and the class library. The engine
// installs TranslateResourceText as the platform's resource-text hook, so every resource
// string loaded on the user-interface thread passes through the catalogues of the text
// domains listed in ResourceTextDomains ("default").
#pragma once

#include "platform/rtl/Types.h"

class TStringList;
class TMultiReadExclusiveWriteSynchronizer;

// The text domains searched for resource strings, in order.
extern TStringList* ResourceTextDomains;
extern TMultiReadExclusiveWriteSynchronizer* ResourceTextDomainsLock;

// The first translation of Text in ResourceTextDomains that differs from it, or Text.
// Only the thread that created DefaultTranslator translates; other threads, and every
// thread once the engine has shut down, get Text unchanged.
String TranslateResourceText(const String& Text);

// Makes ResourceTextDomains (with "default") and its lock.
void CreateResourceTextDomains();
void FreeResourceTextDomains();
// Routes the platform's resource strings through TranslateResourceText (enabled) or
// restores their plain loading.
void InstallResourceHooks(bool enabled);
