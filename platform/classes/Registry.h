// TRegistry: the per-user settings tree of keys and values, kept in an INI file at
// $XDG_CONFIG_HOME/orvo-tuning/registry.ini (one section per key, named by its root and
// path: "HKEY_CURRENT_USER\Software\..."). HKEY_LOCAL_MACHINE and the other roots are
// empty and read-only. Every TRegistry of the process shares one copy of the file, which
// is written when a key that was changed is closed.
#pragma once

#include "platform/classes/Object.h"

using HKEY = NativeUInt;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr HKEY HKEY_USERS = 0x80000003u;

ORVO_DECLARE_EXCEPTION(ERegistryException, Exception)

// The file behind the registry; an empty name restores the default. For tests.
void SetRegistryFileName(const String& FileName);
String RegistryFileName();

class TRegistry : public TObject {
    ORVO_CLASS(TRegistry, TObject)
public:
    TRegistry() = default;
    ~TRegistry() override;

    HKEY RootKey() const { return rootKey_; }
    // Closes the open key.
    void SetRootKey(HKEY Value);

    // Opens Key: a path of names separated by "\", relative to the open key unless it
    // starts with "\". With CanCreate a missing key is made. False when the key does not
    // exist (or cannot be made).
    bool OpenKey(const String& Key, bool CanCreate);
    // Opens an existing key for reading only; writes then raise ERegistryException.
    bool OpenKeyReadOnly(const String& Key);
    // Closes the open key, writing the file when values were changed.
    void CloseKey();
    // The path of the open key, without root and without a leading "\".
    const String& CurrentPath() const { return currentPath_; }

    bool ValueExists(const String& Name);
    // "" for a missing value.
    String ReadString(const String& Name);
    // A missing or non-integer value raises ERegistryException.
    int ReadInteger(const String& Name);
    bool ReadBool(const String& Name);
    // Raise ERegistryException when no key is open for writing.
    void WriteString(const String& Name, const String& Value);
    void WriteInteger(const String& Name, int Value);
    void WriteBool(const String& Name, bool Value);

private:
    String Section() const;
    void CheckWritable(const String& Name) const;

    HKEY rootKey_ = HKEY_CURRENT_USER;
    String currentPath_;
    bool open_ = false;
    bool readOnly_ = false;
    bool changed_ = false;
};
