// The class registry: classes found by name when a stream or a resource names them.
#pragma once

#include "platform/classes/Object.h"

#include <initializer_list>
#include <vector>

// Registers the class and its ancestors up to TPersistent (or up to the first one already
// registered). Registering the same class twice is harmless; a different class under a
// name already taken raises EFilerError "A class named %s already exists".
void RegisterClass(TClass AClass);
void RegisterClasses(std::initializer_list<TClass> AClasses);
// Registers AClass under another name as well.
void RegisterClassAlias(TClass AClass, const String& Alias);
void UnRegisterClass(TClass AClass);
void UnRegisterClasses(std::initializer_list<TClass> AClasses);
// The registered class of that name (compared without letter case), or nullptr.
TClass GetClass(const String& AClassName);
// As GetClass, but a missing class raises EClassNotFound "Class %s not found".
TClass FindClass(const String& ClassName);

// Every registered class once (aliases not repeated), in no particular order.
std::vector<TClass> RegisteredClasses();

// Class groups: all classes live in one group on this platform, so these only
// keep the calling code as it is.
void StartClassGroup(TClass AClass);
void GroupDescendentsWith(TClass AClass, TClass AClassGroup);
TClass ActivateClassGroup(TClass AClass);
TClass ClassGroupOf(TClass AClass);
