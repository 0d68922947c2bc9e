#pragma once

// A USB bus for tests: a umockdev test bed with one root hub, on which devices are plugged and
// unplugged while the program's real libusb code talks to them. Each device node answers the
// usbdevfs requests libusb makes and records what the program did: opens, claims, the kernel
// driver's detach and return, and every byte that reached a bulk OUT endpoint.
//
// The test process must run under umockdev-wrapper (the build does that for ctest).

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

struct libusb_device;
typedef struct _UMockdevTestbed UMockdevTestbed;
typedef struct _UMockdevIoctlBase UMockdevIoctlBase;
typedef struct _UMockdevIoctlClient UMockdevIoctlClient;
typedef struct _UMockdevIoctlData UMockdevIoctlData;

struct UsbInterfaceInfo {
    std::uint8_t interfaceClass;  // 7 printer, 0xFF vendor, ...
    std::uint8_t bulkOut;         // endpoint address, 0 for none
    std::uint8_t bulkIn;          // endpoint address, 0 for none
};

struct UsbDeviceInfo {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::vector<UsbInterfaceInfo> interfaces;
    QString serial;  // empty: the device has none
};

// Device and configuration descriptors as the kernel shows them in sysfs.
QByteArray UsbDescriptors(const UsbDeviceInfo& info);

// One plugged device: how it behaves and what was done to it. Requests are answered on
// umockdev's worker thread, so everything here is under a mutex.
class UsbPeer {
public:
    UsbPeer(int port, const UsbDeviceInfo& info);
    ~UsbPeer();
    UsbPeer(const UsbPeer&) = delete;
    UsbPeer& operator=(const UsbPeer&) = delete;

    int port() const { return m_port; }
    QString sysPath() const;
    QString devNode() const;
    const UsbDeviceInfo& info() const { return m_info; }

    // Behaviour. Each bulk OUT transfer takes at most this many bytes (0: all).
    void setAcceptAtMost(int bytes);
    // OUT transfers are taken but never completed, as by a printer that stopped reading.
    void setStalled(bool stalled);
    // Once this many bytes have arrived, every new transfer finds the device gone (-1: never).
    void setGoneAfter(int bytes);
    // Claiming an interface fails as if another program held it.
    void setClaimBusy(bool busy);

    // Record.
    QByteArray received(std::uint8_t endpoint) const;
    int opens() const;
    int submittedTransfers() const;
    int claimedInterface() const;   // last claimed, -1 none
    int releasedInterface() const;  // last released, -1 none
    bool driverDetachedOnClaim() const;
    int driverReattachments() const;

    UMockdevIoctlBase* handler() const { return m_handler; }

private:
    friend struct UsbPeerRequests;
    bool handleIoctl(UMockdevIoctlClient* client);

    const int m_port;
    const UsbDeviceInfo m_info;
    UMockdevIoctlBase* m_handler = nullptr;

    mutable std::mutex m_mutex;
    int m_acceptAtMost = 0;
    bool m_stalled = false;
    int m_goneAfter = -1;
    bool m_claimBusy = false;
    std::map<std::uint8_t, QByteArray> m_received;
    int m_receivedTotal = 0;
    int m_opens = 0;
    int m_submitted = 0;
    int m_claimed = -1;
    int m_released = -1;
    bool m_detachedOnClaim = false;
    int m_reattachments = 0;
    std::vector<UMockdevIoctlData*> m_completed;  // transfers waiting to be reaped
    std::vector<UMockdevIoctlData*> m_pending;    // taken, never completing (stalled)
    std::vector<UMockdevIoctlData*> m_discarded;  // cancelled, waiting to be reaped
};

class UsbTestbed {
public:
    UsbTestbed();  // bus 1 with its root hub, nothing plugged
    ~UsbTestbed();
    UsbTestbed(const UsbTestbed&) = delete;
    UsbTestbed& operator=(const UsbTestbed&) = delete;

    // Plugs a device into the next free port of the root hub; libusb hears of it at once.
    UsbPeer& plug(const UsbDeviceInfo& info);
    // Unplugs it: the removal is announced, then the device vanishes from sysfs and /dev.
    void unplug(UsbPeer& peer);
    // Gives a plugged device other descriptors (seen by the next enumeration).
    void setDescriptors(UsbPeer& peer, const UsbDeviceInfo& info);
    // Takes the device node away, so opening the device fails as it does without access rights.
    void removeNode(UsbPeer& peer);

    // True when umockdev's preload library is in the process (umockdev-wrapper puts it there).
    static bool InMockEnvironment();

    // Calls back with every present device, in the order libusb enumerates them.
    static void VisitPresentDevices(const std::function<void(libusb_device*)>& visit);

    // Ports of the plugged devices in the order libusb enumerates them, root hub left out.
    static std::vector<int> EnumerationOrder();

private:
    void addDevice(const QString& name, int devnum, const QByteArray& descriptors,
                   const QString& serial);

    UMockdevTestbed* m_testbed = nullptr;
    QString m_root;
    int m_nextPort = 1;
    std::vector<std::unique_ptr<UsbPeer>> m_peers;
};
