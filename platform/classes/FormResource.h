// Reading a component (a form, a frame, a data module) from the form resources of its
// class: text or binary component streams embedded as RCDATA resources named after the
// class in upper case ("TCHIPTUNINGFORM").
#pragma once

#include "platform/classes/Object.h"

class TComponent;

// Reads Instance from the resources of its class and of its ancestors below
// RootAncestor, root-most first (an inherited form reads its ancestor's resource, then
// its own). Components are created by class, their published fields and handlers bound
// by name, references resolved, then Loaded runs. False when no class of the chain has a
// resource; an error in a resource raises.
bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor);
// Reads Instance from the one resource ResName; false when there is none.
bool InitComponentRes(const String& ResName, TComponent* Instance);
// Reads Instance from the resource ResName; a missing one raises EResNotFound.
void ReadComponentRes(const String& ResName, TComponent* Instance);
