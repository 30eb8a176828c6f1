#include "storage/support/SclModuleVersionInfo.h"

#include "platform/win/Process.h"
#include "storage/support/SclPaths.h"

#include <QLocale>

namespace {

String HandleText(const void* handle) {
    return QString::number(qulonglong(reinterpret_cast<std::uintptr_t>(handle)));
}

struct LanguageName {
    Word LangId;
    const char* Locale; // BCP 47 name for QLocale
};

// The language ids of the version blocks this system meets, with their locales; other
// ids of a known primary language take that language's main country.
constexpr LanguageName kLanguages[] = {
    {0x0401, "ar_SA"}, {0x0402, "bg_BG"}, {0x0403, "ca_ES"}, {0x0404, "zh_TW"}, {0x0405, "cs_CZ"},
    {0x0406, "da_DK"}, {0x0407, "de_DE"}, {0x0408, "el_GR"}, {0x0409, "en_US"}, {0x040A, "es_ES"},
    {0x040B, "fi_FI"}, {0x040C, "fr_FR"}, {0x040D, "he_IL"}, {0x040E, "hu_HU"}, {0x040F, "is_IS"},
    {0x0410, "it_IT"}, {0x0411, "ja_JP"}, {0x0412, "ko_KR"}, {0x0413, "nl_NL"}, {0x0414, "nb_NO"},
    {0x0415, "pl_PL"}, {0x0416, "pt_BR"}, {0x0418, "ro_RO"}, {0x0419, "ru_RU"}, {0x041A, "hr_HR"},
    {0x041B, "sk_SK"}, {0x041C, "sq_AL"}, {0x041D, "sv_SE"}, {0x041E, "th_TH"}, {0x041F, "tr_TR"},
    {0x0422, "uk_UA"}, {0x0424, "sl_SI"}, {0x0425, "et_EE"}, {0x0426, "lv_LV"}, {0x0427, "lt_LT"},
    {0x0804, "zh_CN"}, {0x0807, "de_CH"}, {0x0809, "en_GB"}, {0x080A, "es_MX"}, {0x080C, "fr_BE"},
    {0x0810, "it_CH"}, {0x0813, "nl_BE"}, {0x0816, "pt_PT"}, {0x0C07, "de_AT"}, {0x0C09, "en_AU"},
    {0x0C0A, "es_ES"}, {0x0C0C, "fr_CA"}, {0x1009, "en_CA"}, {0x100C, "fr_CH"},
};

const char* LocaleOf(Word LangId) {
    for (const auto& l : kLanguages)
        if (l.LangId == LangId) return l.Locale;
    // The primary language is the low ten bits; its default sub-language is 1.
    const Word primary = LangId & 0x3FF;
    for (const auto& l : kLanguages)
        if (l.LangId == (0x0400 | primary)) return l.Locale;
    return nullptr;
}

} // namespace

String WindowProcessFileName(HWND Window) {
    if (!Window)
        throw ESclError(QStringLiteral("The window with handle %1 is not valid").arg(HandleText(Window)));
    return ProgramFileName();
}

std::unique_ptr<TSclFileVersionInfo> FileVersionInfoOfWindow(HWND Window) {
    return std::make_unique<TSclFileVersionInfo>(WindowProcessFileName(Window));
}

std::unique_ptr<TSclFileVersionInfo> FileVersionInfoOfModule(void* Module) {
    const String path = ModuleFilePath(Module);
    if (path.isEmpty())
        throw ESclError(QStringLiteral("The Module with handle %1 is not valid").arg(HandleText(Module)));
    return std::make_unique<TSclFileVersionInfo>(path);
}

String VersionLanguageName(Word LangId) {
    if (LangId == 0) return QStringLiteral("Language Neutral");
    const char* name = LocaleOf(LangId);
    if (!name) return String();
    const QLocale locale(QString::fromLatin1(name));
    return QStringLiteral("%1 (%2)").arg(QLocale::languageToString(locale.language()),
                                         QLocale::territoryToString(locale.territory()));
}
