// Process-wide helpers: a critical section held for the lifetime of an interface
// reference, named shared blocks of memory with reference counts, GUID text and zero
// filling.
#pragma once

#include "platform/win/DynamicLibrary.h"

#include "platform/classes/Interfaces.h"
#include "platform/classes/SyncObjs.h"
#include "storage/support/SclBase.h"

ORVO_DECLARE_EXCEPTION(ESharedMemError, ESclError)

// Access to a shared block, as the caller asks for it. Within this process every block is
// readable and writable, so the value only documents the caller's intent.
inline constexpr DWORD FILE_MAP_COPY = 0x0001;
inline constexpr DWORD FILE_MAP_WRITE = 0x0002;
inline constexpr DWORD FILE_MAP_READ = 0x0004;
inline constexpr DWORD FILE_MAP_ALL_ACCESS = 0x000F001F;

// A critical section entered by taking a reference to its interface and left by dropping
// it, so that a local TInterfacePtr<IInterface> holds the lock for its scope. The object
// is not reference counted: its owner frees it.
class TSclIntfCriticalSection : public TObject, public virtual IInterface {
    ORVO_CLASS(TSclIntfCriticalSection, TObject)
public:
    TSclIntfCriticalSection();
    ~TSclIntfCriticalSection() override;

    HResult QueryInterface(const TGUID& IID, void** Obj) override;
    // Enter and leave the section; both answer 0.
    int _AddRef() override;
    int _Release() override;

private:
    TCriticalSection* FCriticalSection;
};

// Maps the named block of Size bytes into p: 0 when it was created here,
// ERROR_ALREADY_EXISTS (183) when it existed (p is then the existing memory and its count
// grows by one). Names are matched regardless of letter case. Raises ESharedMemError
// "The MMF named "%s" cannot be created empty" for Size 0 and a name that exists nowhere.
DWORD MapSharedBlock(void*& p, const String& Name, DWORD Size, DWORD DesiredAccess = FILE_MAP_ALL_ACCESS);
// Drops one reference to the block at p (the last frees it) and empties p. True when p was
// empty or released; false when p is no block of this list.
bool ReleaseSharedBlock(void*& p);

// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" in lower-case hexadecimal.
String GuidToText(const TGUID& Guid);
// Fills Size bytes with 0; nothing for Size <= 0.
void ZeroFill(void* P, NativeInt Size);
// Frees a loaded library when Module is not 0, then sets Module to 0.
void FreeModuleHandle(HMODULE& Module);
