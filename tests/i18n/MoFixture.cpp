#include "MoFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <stdexcept>

namespace fixture {

void Patch32(std::vector<Byte>& bytes, std::size_t offset, Cardinal value, bool bigEndian) {
    for (int i = 0; i < 4; ++i) {
        const int shift = bigEndian ? 24 - 8 * i : 8 * i;
        bytes[offset + std::size_t(i)] = Byte(value >> shift);
    }
}

std::vector<Byte> BuildMo(Messages messages, bool bigEndian, const std::string& charset) {
    messages.insert(messages.begin(), {"", "Content-Type: text/plain; charset=" + charset + "\n"});
    std::sort(messages.begin(), messages.end());
    const Cardinal n = Cardinal(messages.size());
    const Cardinal idTable = 28, trTable = idTable + 8 * n;
    std::vector<Byte> out(trTable + 8 * n, 0);
    Patch32(out, 0, 0x950412DE, bigEndian);
    Patch32(out, 8, n, bigEndian);
    Patch32(out, 12, idTable, bigEndian);
    Patch32(out, 16, trTable, bigEndian);
    auto append = [&](const std::string& s, Cardinal entry) {
        Patch32(out, entry, Cardinal(s.size()), bigEndian);
        Patch32(out, entry + 4, Cardinal(out.size()), bigEndian);
        out.insert(out.end(), s.begin(), s.end());
        out.push_back(0);
    };
    for (Cardinal i = 0; i < n; ++i)
        append(messages[i].first, idTable + 8 * i);
    for (Cardinal i = 0; i < n; ++i)
        append(messages[i].second, trTable + 8 * i);
    return out;
}

void WriteFile(const QString& path, const std::vector<Byte>& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write fixture");
    f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
}

std::vector<Byte> ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read fixture");
    const QByteArray data = f.readAll();
    return std::vector<Byte>(data.begin(), data.end());
}

QString TestCatalogue(const QString& lang) {
    return QStringLiteral(ORVO_TEST_LOCALE "/") + lang + QStringLiteral("/LC_MESSAGES/default.mo");
}

void PutCatalogue(const QString& root, const QString& folder, const std::vector<Byte>& bytes,
                  const QString& domain) {
    WriteFile(root + QLatin1Char('/') + folder + QStringLiteral("/LC_MESSAGES/") + domain +
                  QStringLiteral(".mo"),
              bytes);
}

} // namespace fixture
