// The messages of the failing setters on both transports: translated through the current
// catalogue, captioned with the application's title, one OK box per failing call.
#include "DeviceTestSupport.h"
#include "device/bluetooth/OrvoTuningBtDevice.h"
#include "device/usb/ChipTuningUsb.h"
#include "device/usb/OrvoTuningUsbDevice.h"
#include "i18n/Gettext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

namespace {

using Messages = std::vector<std::pair<std::string, std::string>>;

void Put32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

// A little-endian catalogue with the UTF-8 header entry and the given messages.
std::vector<unsigned char> Catalogue(Messages messages) {
    messages.insert(messages.begin(), {"", "Content-Type: text/plain; charset=UTF-8\n"});
    std::sort(messages.begin(), messages.end());
    const std::uint32_t n = std::uint32_t(messages.size());
    const std::uint32_t ids = 28, texts = ids + 8 * n;
    std::vector<unsigned char> out(texts + 8 * n, 0);
    Put32(out, 0, 0x950412DE);
    Put32(out, 8, n);
    Put32(out, 12, ids);
    Put32(out, 16, texts);
    auto append = [&](const std::string& s, std::uint32_t entry) {
        Put32(out, entry, std::uint32_t(s.size()));
        Put32(out, entry + 4, std::uint32_t(out.size()));
        out.insert(out.end(), s.begin(), s.end());
        out.push_back(0);
    };
    for (std::uint32_t i = 0; i < n; ++i)
        append(messages[i].first, ids + 8 * i);
    for (std::uint32_t i = 0; i < n; ++i)
        append(messages[i].second, texts + 8 * i);
    return out;
}

// Makes a domain of its own, bound to a German catalogue of the three setter messages, the
// current one, and a test title the application's title, for the life of the fixture.
class DeviceMessageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(DefaultTranslator, nullptr);
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("device.mo"));
        const std::vector<unsigned char> bytes = Catalogue({
            {"Failed to turn on/off tuning.", "Tuning konnte nicht umgeschaltet werden."},
            {"Failed to activate map.", "Kennfeld konnte nicht aktiviert werden."},
            {"Failed to set triggered input.", "Triggereingang konnte nicht gesetzt werden."},
        });
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        f.close();
        previousDomain = DefaultTranslator->getcurrenttextdomain();
        DefaultTranslator->bindtextdomainToFile(QStringLiteral("device-message-test"), path);
        DefaultTranslator->textdomain(QStringLiteral("device-message-test"));
        previousTitle = ApplicationTitle();
        SetApplicationTitle(QStringLiteral("Tuning Test Title"));
    }
    void TearDown() override {
        DefaultTranslator->textdomain(previousDomain);
        SetApplicationTitle(previousTitle);
    }

    // Runs the three setters and checks the boxes they showed.
    void ExpectTranslatedMessages(TOrvoTuningDevice& device) {
        devtest::MessageCapture messages;
        device.SetTuning(true);
        device.ActivateMap(2);
        device.SetTriggeredInput(true);
        EXPECT_EQ(messages.texts, (std::vector<String>{"Tuning konnte nicht umgeschaltet werden.",
                                                       "Kennfeld konnte nicht aktiviert werden.",
                                                       "Triggereingang konnte nicht gesetzt werden."}));
        EXPECT_EQ(messages.captions, std::vector<String>(3, QStringLiteral("Tuning Test Title")));
        EXPECT_EQ(messages.flags, std::vector<unsigned>(3, 0u));
    }

    QTemporaryDir dir;
    String previousDomain;
    String previousTitle;
};

TEST_F(DeviceMessageTest, UsbSettersShowTranslatedMessages) {
    UsbClose();
    sim::Box box;
    sim::FaultRule refuse;
    refuse.action.status = 0x45;
    box.AddFault(refuse);
    sim::FakeUsb::SetSingleBox(box);
    TOrvoTuningUsbDevice device;
    ASSERT_TRUE(device.Open());
    ExpectTranslatedMessages(device);
    UsbClose();
}

// A Bluetooth device whose port is closed fails every send at once.
TEST_F(DeviceMessageTest, BluetoothSettersShowTranslatedMessages) {
    TOrvoTuningBtDevice device;
    ExpectTranslatedMessages(device);
}

} // namespace
