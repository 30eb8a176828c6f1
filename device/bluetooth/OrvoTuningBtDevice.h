// The tuning box over a Bluetooth serial port: every box command as one locked request/reply
// exchange (Transact) with an optional second attempt and a guard that stops talking to a box
// that no longer answers; maps travel in four chunks of 256 bytes and a commit. Open finds the
// paired boxes, identifies each and connects to the one that answers, or lets the user choose.
#pragma once

#include "device/OrvoTuningDevice.h"
#include "platform/rtl/Types.h"
#include "platform/win/Comm.h"

#include <cstddef>
#include <vector>

class CSerial;
class TCriticalSection;

// One discovered box: its port (a device path), its address as twelve hexadecimal digits, and
// "BOOTLOADER" as label when it identified itself in boot-loader mode (else empty).
struct BTCOM {
    String port;
    String address;
    String label;
};

// The paired boxes named exactly name (case-sensitive) that have a port, in the order the
// Bluetooth lookup lists them; true when there is at least one.
bool DiscoverBtDevices(const String& name, std::vector<BTCOM>& out);
// The port bound to the address idPart (twelve hexadecimal digits, any case); 0 found, -1 not.
int FindComPort(const String& idPart, String& port);

// Serialises whole Bluetooth exchanges of the process; made on first use, thread-safely.
TCriticalSection& BtTransactLock();

// The device-choice dialog as Open uses it. Open calls it on the user-interface thread only:
// fills it with one line per answering box (the first selected), shows it modally and reads
// the chosen line.
class IBtDeviceChoiceDialog {
public:
    virtual ~IBtDeviceChoiceDialog() = default;
    virtual void FillDevices(const std::vector<String>& items) = 0;
    // The modal result: mrOk when the user chose a box.
    virtual int ShowModal() = 0;
    // The chosen line, or -1.
    virtual int ChosenIndex() = 0;
};

// Installs the dialog Open asks when several boxes answer (nullptr: none, the choice counts
// as cancelled); returns the previous one. The caller keeps ownership.
IBtDeviceChoiceDialog* SetBtDeviceChoiceDialog(IBtDeviceChoiceDialog* dialog);

class TOrvoTuningBtDevice : public TOrvoTuningDevice {
public:
    // Bytes of a map image and of one chunk of it.
    static constexpr std::size_t MapImageBytes = 1024;
    static constexpr std::size_t MapChunkBytes = 256;

    TOrvoTuningBtDevice();
    // Closes an open port without writing the saved time-outs back.
    ~TOrvoTuningBtDevice() override;
    TOrvoTuningBtDevice(const TOrvoTuningBtDevice&) = delete;
    TOrvoTuningBtDevice& operator=(const TOrvoTuningBtDevice&) = delete;

    // Discovers the boxes named "ChipTuning", identifies each on its port and connects to the
    // only one that answers, or to the one the user chooses when several answer. True when a
    // box's port is open and set up; false leaves no port open. May take seconds: runs on a
    // worker thread, the choice dialog is shown on the user-interface thread.
    bool Open() override;
    // Writes the saved time-outs back and closes the port; false when no port was open.
    bool Close() override;
    bool GetTuning() override;
    void SetTuning(bool off) override;
    // The image must hold 1024 bytes; any other size is refused with -1, nothing sent. Four
    // chunks, then the commit; a commit that fails after the four chunks were taken sends the
    // whole map once more, since a spoiled reply to a commit the box carried out makes the
    // repeated commit fail.
    int SendMap(unsigned char channel, unsigned char map, std::vector<unsigned char> image) override;
    // A chunk reply of any size other than 256 bytes fails with -3; out keeps the chunks
    // read before it.
    int ReadMap(unsigned char channel, unsigned char map, std::vector<unsigned char>* out) override;
    int ReadVoltages(std::vector<unsigned char>* out) override;
    int GetActiveMap() override;
    void ActivateMap(int map) override;
    int GetTriggeredInput() override;
    void SetTriggeredInput(bool on) override;

    // One exchange under BtTransactLock, two attempts when retry is set. 0 success (*reply =
    // the reply data); -1 not sent; -2 reply status not success; -3 no valid reply; -4 refused
    // without traffic because two reads in a row have failed since the last good reply or open.
    virtual int Transact(unsigned char cmd, std::vector<unsigned char> request,
                         std::vector<unsigned char>* reply, bool retry);

    CSerial* serial;
    COMMTIMEOUTS savedTimeouts;
    // Failed frame reads since the last reply frame or the last port opened; read and written
    // under BtTransactLock.
    int readFailures = 0;

private:
    // Opens, sets up and purges the port of a box and sets the time-outs the receiver needs.
    bool OpenPort(const BTCOM& entry);
    // Closes the port without restoring time-outs (identification and failed opens).
    void DropPort();
    // Asks the user-interface thread to let the user choose among the lines; the chosen
    // index, or -1 when the choice was cancelled.
    static int ChooseDevice(const std::vector<String>& items);
};
