// Lookups in a catalogue of 2,000 messages and 2,000 plural entries: the engine against the
// C library's dgettext and dngettext on the same msgfmt-built catalogue, in one run. Three
// cases: an id the catalogue holds, an id it lacks, and a plural form. After the run the
// engine's time per call is printed as a ratio of the C library's for each case.
#include "i18n/Gettext.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <libintl.h>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kMessages = 2000;
constexpr Int64 kCount = 5; // a count that takes the plural form in German

QString messageId(int i) {
    return QStringLiteral("Message number %1 of the tuning tool").arg(i);
}

QString singularId(int i) {
    return QStringLiteral("%n map of channel ") + QString::number(i);
}

QString pluralId(int i) {
    return QStringLiteral("%n maps of channel ") + QString::number(i);
}

const QString kAbsentId = QStringLiteral("A message the catalogue does not hold at all");

// Writes <root>/<folder>/LC_MESSAGES/bench.mo with msgfmt.
struct Catalogue {
    QTemporaryDir dir;
    bool ok = false;
    Catalogue() {
        QString po = QStringLiteral("msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                                    "\"Plural-Forms: nplurals=2; plural=(n != 1);\\n\"\n\n");
        for (int i = 0; i < kMessages; ++i) {
            po += QStringLiteral("msgid \"%1\"\nmsgstr \"Meldung Nummer %2\"\n\n").arg(messageId(i)).arg(i);
            po += QStringLiteral("msgid \"%1\"\nmsgid_plural \"%2\"\nmsgstr[0] \"%n Kennfeld von Kanal %3\"\n"
                                 "msgstr[1] \"%n Kennfelder von Kanal %3\"\n\n")
                      .arg(singularId(i), pluralId(i))
                      .arg(i);
        }
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

const QString kDomain = QStringLiteral("bench");

bool engineReady(benchmark::State& state) {
    if (!catalogue().ok) {
        state.SkipWithError("msgfmt failed");
        return false;
    }
    DefaultTranslator->bindtextdomain(kDomain, catalogue().dir.path());
    DefaultTranslator->UseLanguage(QStringLiteral("de"));
    return true;
}

bool libcReady(benchmark::State& state) {
    if (!catalogue().ok) {
        state.SkipWithError("msgfmt failed");
        return false;
    }
    std::setlocale(LC_ALL, "C.UTF-8");
    setenv("LANGUAGE", "de", 1);
    const QByteArray dir = QFile::encodeName(catalogue().dir.path());
    bindtextdomain("bench", dir.constData());
    bind_textdomain_codeset("bench", "UTF-8");
    return true;
}

void BM_EnginePresent(benchmark::State& state) {
    if (!engineReady(state)) return;
    const QString id = messageId(1234);
    if (DefaultTranslator->dgettext(kDomain, id) != QStringLiteral("Meldung Nummer 1234"))
        return state.SkipWithError("the engine did not translate");
    for (auto _ : state)
        benchmark::DoNotOptimize(DefaultTranslator->dgettext(kDomain, id));
}
BENCHMARK(BM_EnginePresent);

void BM_LibcPresent(benchmark::State& state) {
    if (!libcReady(state)) return;
    const QByteArray id = messageId(1234).toUtf8();
    if (std::string(::dgettext("bench", id.constData())) != "Meldung Nummer 1234")
        return state.SkipWithError("the C library did not translate");
    for (auto _ : state)
        benchmark::DoNotOptimize(::dgettext("bench", id.constData()));
}
BENCHMARK(BM_LibcPresent);

void BM_EngineAbsent(benchmark::State& state) {
    if (!engineReady(state)) return;
    for (auto _ : state)
        benchmark::DoNotOptimize(DefaultTranslator->dgettext(kDomain, kAbsentId));
}
BENCHMARK(BM_EngineAbsent);

void BM_LibcAbsent(benchmark::State& state) {
    if (!libcReady(state)) return;
    const QByteArray id = kAbsentId.toUtf8();
    for (auto _ : state)
        benchmark::DoNotOptimize(::dgettext("bench", id.constData()));
}
BENCHMARK(BM_LibcAbsent);

void BM_EnginePlural(benchmark::State& state) {
    if (!engineReady(state)) return;
    const QString singular = singularId(1234), plural = pluralId(1234);
    if (DefaultTranslator->dngettext(kDomain, singular, plural, kCount) !=
        QStringLiteral("%n Kennfelder von Kanal 1234"))
        return state.SkipWithError("the engine did not translate");
    for (auto _ : state)
        benchmark::DoNotOptimize(DefaultTranslator->dngettext(kDomain, singular, plural, kCount));
}
BENCHMARK(BM_EnginePlural);

void BM_LibcPlural(benchmark::State& state) {
    if (!libcReady(state)) return;
    const QByteArray singular = singularId(1234).toUtf8(), plural = pluralId(1234).toUtf8();
    if (std::string(::dngettext("bench", singular.constData(), plural.constData(), (unsigned long)kCount)) !=
        "%n Kennfelder von Kanal 1234")
        return state.SkipWithError("the C library did not translate");
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ::dngettext("bench", singular.constData(), plural.constData(), (unsigned long)kCount));
}
BENCHMARK(BM_LibcPlural);

// The first lookup of every message after a language switch, as when all forms are
// translated again: the catalogue is read again and nothing is remembered yet. Reported per
// lookup.
void BM_EngineFirstLookups(benchmark::State& state) {
    if (!engineReady(state)) return;
    std::vector<QString> ids;
    for (int i = 0; i < kMessages; ++i)
        ids.push_back(messageId(i));
    for (auto _ : state) {
        DefaultTranslator->UseLanguage(QStringLiteral("de"));
        for (const QString& id : ids)
            benchmark::DoNotOptimize(DefaultTranslator->dgettext(kDomain, id));
    }
    state.SetItemsProcessed(state.iterations() * kMessages);
}
BENCHMARK(BM_EngineFirstLookups);

// The console report, keeping each benchmark's processor time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> cpu;
    void ReportRuns(const std::vector<Run>& reports) override {
        for (const Run& r : reports)
            if (!r.error_occurred && r.iterations > 0) cpu[r.benchmark_name()] = r.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(reports);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\nEngine time per call / C library time per call:\n");
    for (const char* name : {"Present", "Absent", "Plural"}) {
        const auto engine = reporter.cpu.find(std::string("BM_Engine") + name);
        const auto libc = reporter.cpu.find(std::string("BM_Libc") + name);
        if (engine == reporter.cpu.end() || libc == reporter.cpu.end() || libc->second <= 0) continue;
        std::printf("  %-8s %.2f x\n", name, engine->second / libc->second);
    }
    return 0;
}
