#include "platform/classes/Registry.h"

#include "platform/classes/MemIniFile.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/IntText.h"

#include <QDir>
#include <QFileInfo>

#include <map>
#include <memory>
#include <mutex>

ORVO_IMPLEMENT_CLASS(TRegistry, TObject)

namespace {

struct RegistryStore {
    std::unique_ptr<TMemIniFile> Ini;
    bool Writable = true; // false when the file exists but could not be read
};

struct RegistryState {
    std::recursive_mutex m;
    String fileName; // empty: the default
    std::map<String, RegistryStore> stores;
};

RegistryState& state() {
    static RegistryState* s = new RegistryState; // lives until the process ends
    return *s;
}

String defaultFileName() {
    String config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/orvo-tuning/registry.ini");
}

// The store of the current file; call with the state's lock held.
RegistryStore& store() {
    RegistryState& s = state();
    const String name = s.fileName.isEmpty() ? defaultFileName() : s.fileName;
    auto it = s.stores.find(name);
    if (it != s.stores.end()) return it->second;
    RegistryStore st;
    try {
        st.Ini = std::make_unique<TMemIniFile>(name);
    } catch (const Exception&) {
        // Unreadable: start empty, and never write over the file.
        st.Ini = std::make_unique<TMemIniFile>(String());
        st.Ini->Rename(name, false);
        st.Writable = false;
    }
    return s.stores.emplace(name, std::move(st)).first->second;
}

void flush(RegistryStore& st) {
    if (!st.Writable) return;
    QDir().mkpath(QFileInfo(st.Ini->FileName()).absolutePath());
    try {
        st.Ini->UpdateFile();
    } catch (const Exception&) {
        // Preferences that cannot be saved are not worth an error in the tool.
    }
}

const char* rootName(HKEY root) {
    switch (root) {
    case HKEY_CLASSES_ROOT:
        return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER:
        return "HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE:
        return "HKEY_LOCAL_MACHINE";
    case HKEY_USERS:
        return "HKEY_USERS";
    default:
        return "";
    }
}

// "a\\b\" -> "a\b": empty names dropped.
String normalPath(const String& path) {
    return path.split(u'\\', Qt::SkipEmptyParts).join(u'\\');
}

bool keyExists(TMemIniFile& ini, const String& section) {
    if (ini.SectionExists(section)) return true;
    TStringList sections;
    ini.ReadSections(&sections);
    const String prefix = section + u'\\';
    for (int i = 0; i < sections.Count(); ++i)
        if (sections.Strings(i).startsWith(prefix, Qt::CaseInsensitive)) return true;
    return false;
}

// Values are kept on one line with their blanks: "\" is doubled, control characters and
// a blank at either end are written as \xHH.
String escapeValue(const String& value) {
    String out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c.unicode() < 0x20 || (c == u' ' && (i == 0 || i == value.size() - 1)))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

String unescapeValue(const String& text) {
    String out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            if (text[i + 1] == u'\\') {
                out += u'\\';
                ++i;
                continue;
            }
            bool ok = false;
            const int code = text.mid(i + 2, 2).toInt(&ok, 16);
            if (text[i + 1] == u'x' && i + 3 < text.size() && ok) {
                out += QChar(code);
                i += 3;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace

void SetRegistryFileName(const String& FileName) {
    std::lock_guard lock(state().m);
    state().fileName = FileName;
}

String RegistryFileName() {
    std::lock_guard lock(state().m);
    return state().fileName.isEmpty() ? defaultFileName() : state().fileName;
}

TRegistry::~TRegistry() {
    CloseKey();
}

void TRegistry::SetRootKey(HKEY Value) {
    CloseKey();
    rootKey_ = Value;
}

String TRegistry::Section() const {
    const String root = QString::fromLatin1(rootName(rootKey_));
    return currentPath_.isEmpty() ? root : root + u'\\' + currentPath_;
}

bool TRegistry::OpenKey(const String& Key, bool CanCreate) {
    // Only the current user's keys are kept; the other roots are empty.
    if (rootKey_ != HKEY_CURRENT_USER) return false;
    const bool relative = !Key.startsWith(u'\\');
    const String path = normalPath(relative && open_ ? currentPath_ + u'\\' + Key : Key);
    const String root = QString::fromLatin1(rootName(rootKey_));
    const String section = path.isEmpty() ? root : root + u'\\' + path;
    std::lock_guard lock(state().m);
    RegistryStore& st = store();
    bool created = false;
    if (!keyExists(*st.Ini, section)) {
        if (!CanCreate || !st.Writable) return false;
        // An empty section stands for a key without values.
        st.Ini->WriteString(section, String(), String());
        st.Ini->DeleteKey(section, String());
        created = true;
    }
    CloseKey();
    currentPath_ = path;
    open_ = true;
    readOnly_ = false;
    changed_ = created;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const String& Key) {
    if (rootKey_ != HKEY_CURRENT_USER) return false;
    if (!OpenKey(Key, false)) return false;
    readOnly_ = true;
    return true;
}

void TRegistry::CloseKey() {
    if (open_ && changed_) {
        std::lock_guard lock(state().m);
        flush(store());
    }
    open_ = false;
    readOnly_ = false;
    changed_ = false;
    currentPath_.clear();
}

bool TRegistry::ValueExists(const String& Name) {
    if (!open_) return false;
    std::lock_guard lock(state().m);
    return store().Ini->ValueExists(Section(), Name);
}

String TRegistry::ReadString(const String& Name) {
    if (!open_) return String();
    std::lock_guard lock(state().m);
    return unescapeValue(store().Ini->ReadString(Section(), Name, String()));
}

int TRegistry::ReadInteger(const String& Name) {
    std::lock_guard lock(state().m);
    if (!open_ || !store().Ini->ValueExists(Section(), Name))
        throw ERegistryException(QStringLiteral("Failed to get data for '%1'").arg(Name));
    int value = 0;
    if (!TryStrToInt(store().Ini->ReadString(Section(), Name, String()), value))
        throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(Name));
    return value;
}

bool TRegistry::ReadBool(const String& Name) {
    return ReadInteger(Name) != 0;
}

void TRegistry::CheckWritable(const String& Name) const {
    if (!open_ || readOnly_)
        throw ERegistryException(QStringLiteral("Failed to set data for '%1'").arg(Name));
}

void TRegistry::WriteString(const String& Name, const String& Value) {
    CheckWritable(Name);
    std::lock_guard lock(state().m);
    store().Ini->WriteString(Section(), Name, escapeValue(Value));
    changed_ = true;
}

void TRegistry::WriteInteger(const String& Name, int Value) {
    CheckWritable(Name);
    std::lock_guard lock(state().m);
    store().Ini->WriteString(Section(), Name, IntToStr(Value));
    changed_ = true;
}

void TRegistry::WriteBool(const String& Name, bool Value) {
    WriteInteger(Name, Value ? 1 : 0);
}
