#include "platform/win/Locale.h"

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
    String out;
    bool quoted = false;
    for (int i = 0; i < qtFormat.size(); ++i) {
        QChar c = qtFormat.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            out += u'"';
            continue;
        }
        if (quoted) {
            out += c;
            continue;
        }
        if (c == u'M')
            out += u'm';
        else if (c == u'm')
            out += u'n';
        else if (c == u'H')
            out += u'h';
        else if (c == u'A' || c == u'a') {
            // "AP"/"ap" and "A"/"a" all become the runtime's locale AM/PM marker.
            if (i + 1 < qtFormat.size() && (qtFormat.at(i + 1) == u'P' || qtFormat.at(i + 1) == u'p')) ++i;
            out += QLatin1String("ampm");
        } else if (c == u't')
            continue; // no time-zone field in the runtime's formats
        else
            out += c;
    }
    return out.trimmed();
}
