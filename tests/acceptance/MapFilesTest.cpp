// Map files from the tools column, over each transport: both channels saved into one file of
// 2058 bytes and opened back into both editors, each sent to its channel; bad files refused
// with nothing changed or sent, a FIFO among them.
#include "tests/acceptance/AcceptanceHarness.h"
#include "tests/support/Fifo.h"
#include "tests/support/TestFiles.h"

#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameTools.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"

#include <QtEndian>
#include <algorithm>

namespace acceptance {
namespace {

class MapFiles : public TToolOverLink {
protected:
    void SetUp() override {
        TToolOverLink::SetUp();
        if (!ChipTuningParts().CreateEditor) GTEST_SKIP() << "the program has no curve editors";
    }
    // The map writes the box received since its log was cleared (USB: one frame per map,
    // Bluetooth: four chunks and a commit).
    std::size_t MapWrites() {
        const std::vector<int> cmds = BoxCommands();
        return std::size_t(
            std::count_if(cmds.begin(), cmds.end(), [](int c) { return c == 0x01 || c == 0x07; }));
    }
    static QByteArray Header(std::uint16_t format, std::uint32_t count) {
        QByteArray b(6, '\0');
        qToLittleEndian(format, b.data());
        qToLittleEndian(count, b.data() + 2);
        return b;
    }
};

TEST_P(MapFiles, BothChannelsSavedAndOpenedBackBadFilesRefused) {
    sim::Box& box = Box();
    const sim::Bytes rising = sim::Box::IdentityMap();
    const sim::Bytes raised =
        MapOf([](int i) { return std::uint16_t(std::min(4095, (i * 4095 + 255) / 511 + 410)); });
    box.SetMap(1, 1, rising);
    box.SetMap(2, 1, raised);
    const String file = config.filePath(QStringLiteral("both.map"));
    String chosen;
    onFileDialog = [&](TCommonDialog*) { return chosen; };
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        chosen = file;
        Click(Tools()->btnSave);
        EXPECT_EQ(FileBytes(file).size(), 2058);
        // Cleared in the box, then opened back: each curve is sent to its own channel.
        Click(Tools()->btnClear);
        ASSERT_NE(box.Map(1, 1), rising);
        box.ClearLog();
        Click(Tools()->btnLoad);
        EXPECT_EQ(box.Map(1, 1), rising);
        EXPECT_EQ(box.Map(2, 1), raised);
        EXPECT_EQ(MapWrites(), 2u);
        EXPECT_TRUE(MessageTexts().isEmpty());

        const QByteArray good = FileBytes(file);
        const struct {
            const char* name;
            QByteArray bytes;
        } bad[] = {
            {"format 2", Header(2, 512) + good.mid(6)},
            {"no points", Header(1, 0) + good.mid(6)},
            {"too many points", Header(1, 513) + good.mid(6)},
            {"empty", QByteArray()},
        };
        for (const auto& c : bad) {
            SCOPED_TRACE(c.name);
            const String name = config.filePath(QString::fromUtf8(c.name) + QStringLiteral(".map"));
            ASSERT_TRUE(PutFile(name, c.bytes));
            chosen = name;
            messages.clear();
            box.ClearLog();
            Click(Tools()->btnLoad);
            EXPECT_EQ(MessageTexts(), QStringList({"Unsupported file format!"}));
            EXPECT_EQ(MapWrites(), 0u);
            EXPECT_EQ(box.Map(1, 1), rising);
            EXPECT_EQ(box.Map(2, 1), raised);
        }
        // A FIFO chosen in the dialog: the Open button returns at once, the file refused.
        TFifoGuard fifo(config.filePath(QStringLiteral("pipe.map")));
        ASSERT_TRUE(fifo.Made());
        chosen = config.filePath(QStringLiteral("pipe.map"));
        messages.clear();
        box.ClearLog();
        Click(Tools()->btnLoad);
        EXPECT_FALSE(fifo.Released());
        EXPECT_EQ(MessageTexts(), QStringList({"Unsupported file format!"}));
        EXPECT_EQ(MapWrites(), 0u);
        EXPECT_EQ(box.Map(1, 1), rising);
    });
}

INSTANTIATE_TEST_SUITE_P(Links, MapFiles, ::testing::Values(Link::Usb, Link::Bluetooth), LinkName);

} // namespace
} // namespace acceptance
