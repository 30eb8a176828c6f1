// A settings file of many small sections (about 32 bytes each, "[Section0000001]" and one
// key), read by the settings storage as the program reads it at start-up, and written back
// as at exit. Counters: the file's size, the memory the loaded file keeps and the peak memory
// of a load (measured in a child process, so that earlier runs do not hide it), each also as
// a multiple of the file's size; the rate is in bytes of file per second.
#include "storage/XcAppIniFileStorage.h"

#include "platform/classes/MemIniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

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

// A field of /proc/self/status in bytes ("VmRSS", "VmHWM"); -1 when it cannot be read.
double StatusBytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() * 1024;
    return -1;
}

struct TLoadMemory {
    double Peak = -1; // the most that the load had in memory at once, beyond what was there
    double Kept = -1; // what the loaded file keeps
};

// The memory of one load, measured in a child process so that neither the benchmark's own
// runs nor their freed memory hide it.
TLoadMemory MemoryOfALoad(const QString& name) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        malloc_trim(0);
        // Writing 5 resets the peak resident size to the present one.
        if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
            std::fputs("5", f);
            std::fclose(f);
        }
        const double before = StatusBytes("VmRSS");
        TLoadMemory m;
        auto storage = Load(name);
        benchmark::DoNotOptimize(storage->IniFile()->SectionExists(QStringLiteral("Section0000001")));
        m.Kept = StatusBytes("VmRSS") - before;
        m.Peak = StatusBytes("VmHWM") - before;
        const ssize_t written = write(pipeFds[1], &m, sizeof m);
        _exit(written == sizeof m ? 0 : 1);
    }
    close(pipeFds[1]);
    TLoadMemory m;
    if (read(pipeFds[0], &m, sizeof m) != sizeof m) m = {};
    close(pipeFds[0]);
    waitpid(child, nullptr, 0);
    return m;
}

QTemporaryDir& Folder() {
    static QTemporaryDir dir;
    return dir;
}

void BM_SettingsLoad(benchmark::State& state) {
    const QString name = WriteSettingsFile(Folder(), int(state.range(0)));
    const double fileBytes = double(QFile(name).size());
    const TLoadMemory memory = MemoryOfALoad(name);
    for (auto _ : state) {
        auto storage = Load(name);
        benchmark::DoNotOptimize(storage->IniFile()->ReadString(QStringLiteral("Section0000001"),
                                                                QStringLiteral("Key"), QString()));
        state.PauseTiming();
        storage.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(std::int64_t(fileBytes) * state.iterations());
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["kept_MB"] = memory.Kept / 1e6;
    state.counters["kept_x_file"] = memory.Kept / fileBytes;
    state.counters["peak_MB"] = memory.Peak / 1e6;
    state.counters["peak_x_file"] = memory.Peak / fileBytes;
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
