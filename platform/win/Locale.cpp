#include "platform/win/Locale.h"

#include "platform/rtl/FormatSettings.h"

#include <QLocale>
#include <atomic>

namespace platform::detail {
namespace {

class TSystemLocale : public ILocaleProvider {
public:
    String Environment(const char* name) override { return qEnvironmentVariable(name); }
    String SystemLocaleName() override { return QLocale::system().name(); }
    QChar DecimalSeparator() override { return QLocale::system().decimalPoint().at(0); }
    QChar ThousandSeparator() override {
        String s = QLocale::system().groupSeparator();
        return s.isEmpty() ? QChar(u',') : s.at(0);
    }
    String ShortDateFormat() override {
        return RuntimeDateTimeFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
    }
    String LongTimeFormat() override {
        return RuntimeDateTimeFormat(QLocale::system().timeFormat(QLocale::LongFormat));
    }
};

std::atomic<ILocaleProvider*> g_provider{nullptr};

TSystemLocale& SystemLocale() {
    static TSystemLocale locale;
    return locale;
}

String CutAtDot(const String& s) {
    int dot = s.indexOf(u'.');
    return dot < 0 ? s : s.left(dot);
}

} // namespace
} // namespace platform::detail

using namespace platform::detail;

ILocaleProvider* SetLocaleProvider(ILocaleProvider* provider) {
    ILocaleProvider* previous = g_provider.exchange(provider);
    return previous ? previous : &SystemLocale();
}

ILocaleProvider& LocaleProvider() {
    ILocaleProvider* p = g_provider.load();
    return p ? *p : SystemLocale();
}

String LanguageFromEnvironment() {
    return CutAtDot(LocaleProvider().Environment("LANG"));
}

String LanguageFromLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES"}) {
        String value = CutAtDot(LocaleProvider().Environment(name));
        if (!value.isEmpty()) return value;
    }
    return LocaleProvider().SystemLocaleName();
}

bool IsJapaneseLocale() {
    return LanguageFromLocale().startsWith(QLatin1String("ja"));
}

String RuntimeDateTimeFormat(const String& qtFormat) {
    return QtToRuntimeFormat(qtFormat);
}
