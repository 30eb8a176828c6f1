// One lookup in a catalogue of 2,000 messages: the engine's gettext against the C
// library's dgettext on the same msgfmt-built catalogue.
#include "i18n/GnuGettext.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <clocale>
#include <cstdlib>
#include <libintl.h>
#include <vector>

namespace {

constexpr int kMessages = 2000;

QString messageId(int i) {
    return QStringLiteral("Message number %1 of the tuning tool").arg(i);
}

// Writes <root>/<folder>/LC_MESSAGES/bench.mo with msgfmt.
struct Catalogue {
    QTemporaryDir dir;
    bool ok = false;
    Catalogue() {
        QString po = QStringLiteral("msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n");
        for (int i = 0; i < kMessages; ++i)
            po += QStringLiteral("msgid \"%1\"\nmsgstr \"Meldung Nummer %2\"\n\n").arg(messageId(i)).arg(i);
        const QString poFile = dir.filePath(QStringLiteral("bench.po"));
        QFile f(poFile);
        if (!f.open(QIODevice::WriteOnly)) return;
        f.write(po.toUtf8());
        f.close();
        // The C library looks the catalogue up under the locale's name; the engine under de.
        for (const char* folder : {"de", "C.UTF-8", "C.utf8", "C"}) {
            const QString out = dir.filePath(QString::fromLatin1(folder) + QStringLiteral("/LC_MESSAGES"));
            QDir().mkpath(out);
            if (QProcess::execute(QStringLiteral("msgfmt"),
                                  {QStringLiteral("-o"), out + QStringLiteral("/bench.mo"), poFile}) != 0)
                return;
        }
        ok = true;
    }
};

Catalogue& catalogue() {
    static Catalogue c;
    return c;
}

void BM_EngineGettext(benchmark::State& state) {
    if (!catalogue().ok) return state.SkipWithError("msgfmt failed");
    DefaultTranslator->bindtextdomain(QStringLiteral("bench"), catalogue().dir.path());
    DefaultTranslator->UseLanguage(QStringLiteral("de"));
    const QString id = messageId(1234);
    if (DefaultTranslator->dgettext(QStringLiteral("bench"), id) != QStringLiteral("Meldung Nummer 1234"))
        return state.SkipWithError("the engine did not translate");
    for (auto _ : state)
        benchmark::DoNotOptimize(DefaultTranslator->dgettext(QStringLiteral("bench"), id));
}
BENCHMARK(BM_EngineGettext);

// The first lookup of every message after a language switch, as when all forms are
// translated again: the catalogue is read again and nothing is remembered yet. Reported per
// lookup.
void BM_EngineFirstLookups(benchmark::State& state) {
    if (!catalogue().ok) return state.SkipWithError("msgfmt failed");
    DefaultTranslator->bindtextdomain(QStringLiteral("bench"), catalogue().dir.path());
    std::vector<QString> ids;
    for (int i = 0; i < kMessages; ++i)
        ids.push_back(messageId(i));
    for (auto _ : state) {
        DefaultTranslator->UseLanguage(QStringLiteral("de"));
        for (const QString& id : ids)
            benchmark::DoNotOptimize(DefaultTranslator->dgettext(QStringLiteral("bench"), id));
    }
    state.SetItemsProcessed(state.iterations() * kMessages);
}
BENCHMARK(BM_EngineFirstLookups);

void BM_LibcDgettext(benchmark::State& state) {
    if (!catalogue().ok) return state.SkipWithError("msgfmt failed");
    std::setlocale(LC_ALL, "C.UTF-8");
    setenv("LANGUAGE", "de", 1);
    const QByteArray dir = QFile::encodeName(catalogue().dir.path());
    bindtextdomain("bench", dir.constData());
    bind_textdomain_codeset("bench", "UTF-8");
    const QByteArray id = messageId(1234).toUtf8();
    if (std::string(::dgettext("bench", id.constData())) != "Meldung Nummer 1234")
        return state.SkipWithError("the C library did not translate");
    for (auto _ : state)
        benchmark::DoNotOptimize(::dgettext("bench", id.constData()));
}
BENCHMARK(BM_LibcDgettext);

} // namespace

BENCHMARK_MAIN();
