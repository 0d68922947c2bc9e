#pragma once

// Plug and unplug notifications for USB devices. libusb reports them on an event thread of our
// own; the callback there only builds the device path and posts it to the thread this object
// lives in (the interface thread), where the signals are emitted.

#include <QObject>
#include <QString>
#include <atomic>
#include <map>
#include <mutex>
#include <thread>

struct libusb_context;
struct libusb_device;

class UsbHotplug : public QObject {
    Q_OBJECT

public:
    explicit UsbHotplug(QObject* parent = nullptr);
    ~UsbHotplug() override;  // stops

    // Registers for arrival and removal of any USB device and starts the event thread. False
    // when libusb cannot be used, the system has no hot-plug support or the registration
    // fails; the program then runs without plug handling. True when already running.
    bool start();

    // Deregisters and joins the event thread. Events already posted but not yet delivered are
    // still delivered. Safe to call when not running.
    void stop();

    bool isRunning() const { return m_context != nullptr; }

Q_SIGNALS:
    void deviceArrived(const QString& path);
    void deviceRemoved(const QString& path);

private:
    friend struct UsbHotplugCallback;

    void eventLoop();
    // Called on the event thread: no I/O with the device, only building and posting the path.
    void onArrived(libusb_device* device);
    void onRemoved(libusb_device* device);

    libusb_context* m_context = nullptr;
    int m_callbackHandle = 0;
    std::thread m_thread;
    std::atomic<bool> m_stopping{false};

    // Paths seen at arrival, by bus-port, so a removal reports the same path (the serial
    // number can no longer be read once the device is gone).
    std::mutex m_pathsMutex;
    std::map<QString, QString> m_arrivedPaths;
};
