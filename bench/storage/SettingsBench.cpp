// A settings file of many small sections (about 32 bytes each, "[Section0000001]" and one
// key), read by the settings storage as the program reads it at start-up, and written back
// as at exit. Counters: the file's size, the time per megabyte of file, the memory the loaded
// file keeps, and the peak memory of a load (measured in a child process, so that earlier
// runs do not hide it), each also as a multiple of the file's size.
#include "storage/XcAppIniFileStorage.h"

#include "platform/classes/MemIniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString WriteSettingsFile(const QTemporaryDir& dir, int sections) {
    const QString name = dir.filePath(QStringLiteral("settings-%1.ini").arg(sections));
    if (QFile::exists(name)) return name;
    QByteArray text;
    text.reserve(qsizetype(sections) * 34);
    char line[64];
    for (int i = 0; i < sections; ++i) {
        const int n = std::snprintf(line, sizeof line, "[Section%07d]\nKey=Value%07d\n", i, i);
        text.append(line, n);
    }
    QFile f(name);
    if (f.open(QIODevice::WriteOnly)) f.write(text);
    return name;
}

std::unique_ptr<TXcAppIniFileStorage> Load(const QString& name) {
    auto storage = std::make_unique<TXcAppIniFileStorage>(nullptr);
    storage->SetFlushOnDestroy(false);
    storage->SetLocation(flCustom);
    storage->SetFileName(name);
    return storage;
}

long MaxRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The peak resident memory that one load adds, in bytes, from a child process.
double PeakOfALoad(const QString& name) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        const long before = MaxRssKiB();
        {
            auto storage = Load(name);
            benchmark::DoNotOptimize(storage->IniFile()->SectionExists(QStringLiteral("Section0000001")));
        }
        const long grown = (MaxRssKiB() - before) * 1024;
        const ssize_t written = write(pipeFds[1], &grown, sizeof grown);
        _exit(written == sizeof grown ? 0 : 1);
    }
    close(pipeFds[1]);
    long grown = -1;
    if (read(pipeFds[0], &grown, sizeof grown) != sizeof grown) grown = -1;
    close(pipeFds[0]);
    waitpid(child, nullptr, 0);
    return double(grown);
}

QTemporaryDir& Folder() {
    static QTemporaryDir dir;
    return dir;
}

void BM_SettingsLoad(benchmark::State& state) {
    const QString name = WriteSettingsFile(Folder(), int(state.range(0)));
    const double fileBytes = double(QFile(name).size());
    double kept = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        auto storage = Load(name);
        kept = double(mallinfo2().uordblks - before);
        benchmark::DoNotOptimize(storage->IniFile()->ReadString(QStringLiteral("Section0000001"),
                                                                QStringLiteral("Key"), QString()));
        state.PauseTiming();
        storage.reset();
        state.ResumeTiming();
    }
    const double peak = PeakOfALoad(name);
    state.SetBytesProcessed(std::int64_t(fileBytes) * state.iterations());
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["kept_MB"] = kept / 1e6;
    state.counters["kept_x_file"] = kept / fileBytes;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_x_file"] = peak / fileBytes;
}
BENCHMARK(BM_SettingsLoad)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SettingsWrite(benchmark::State& state) {
    const QString name = WriteSettingsFile(Folder(), int(state.range(0)));
    auto storage = Load(name);
    const QString copy = name + QStringLiteral(".written");
    storage->IniFile()->Rename(copy, false);
    for (auto _ : state)
        storage->IniFile()->UpdateFile();
    state.SetBytesProcessed(QFile(name).size() * state.iterations());
}
BENCHMARK(BM_SettingsWrite)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
