#include "link/usb_hotplug.h"

#include <libusb.h>
#include <sys/time.h>

#include "link/usb_device_path.h"

// libusb calls a plain function; this one hands the event to the object.
struct UsbHotplugCallback {
    static int LIBUSB_CALL onEvent(libusb_context*, libusb_device* device,
                                   libusb_hotplug_event event, void* userData) {
        auto* self = static_cast<UsbHotplug*>(userData);
        if (event == LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED) {
            self->onArrived(device);
        } else if (event == LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT) {
            self->onRemoved(device);
        }
        return 0;  // stay registered
    }
};

namespace {

// How long one wait for events may last; stop() also wakes the wait at once.
constexpr suseconds_t kEventWaitMicroseconds = 500000;

}  // namespace

UsbHotplug::UsbHotplug(QObject* parent) : QObject(parent) {}

UsbHotplug::~UsbHotplug() {
    stop();
}

bool UsbHotplug::start() {
    if (m_context) {
        return true;
    }
    libusb_context* context = nullptr;
    if (libusb_init(&context) != LIBUSB_SUCCESS) {
        return false;
    }
    libusb_hotplug_callback_handle handle = 0;
    if (!libusb_has_capability(LIBUSB_CAP_HAS_HOTPLUG) ||
        libusb_hotplug_register_callback(
            context,
            static_cast<libusb_hotplug_event>(LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED |
                                              LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT),
            LIBUSB_HOTPLUG_NO_FLAGS, LIBUSB_HOTPLUG_MATCH_ANY, LIBUSB_HOTPLUG_MATCH_ANY,
            LIBUSB_HOTPLUG_MATCH_ANY, &UsbHotplugCallback::onEvent, this,
            &handle) != LIBUSB_SUCCESS) {
        libusb_exit(context);
        return false;
    }
    m_context = context;
    m_callbackHandle = handle;
    m_stopping = false;
    m_thread = std::thread([this] { eventLoop(); });
    return true;
}

void UsbHotplug::stop() {
    if (!m_context) {
        return;
    }
    m_stopping = true;
    // Deregistering wakes a thread waiting in libusb_handle_events.
    libusb_hotplug_deregister_callback(m_context, m_callbackHandle);
    if (m_thread.joinable()) {
        m_thread.join();
    }
    libusb_exit(m_context);
    m_context = nullptr;
    std::lock_guard lock(m_pathsMutex);
    m_arrivedPaths.clear();
}

void UsbHotplug::eventLoop() {
    while (!m_stopping) {
        timeval wait{0, kEventWaitMicroseconds};
        libusb_handle_events_timeout_completed(m_context, &wait, nullptr);
    }
}

void UsbHotplug::onArrived(libusb_device* device) {
    const QString path = UsbDevicePath(device);
    if (path.isEmpty()) {
        return;
    }
    {
        std::lock_guard lock(m_pathsMutex);
        m_arrivedPaths[UsbBusPortName(device)] = path;
    }
    QMetaObject::invokeMethod(
        this, [this, path] { Q_EMIT deviceArrived(path); }, Qt::QueuedConnection);
}

void UsbHotplug::onRemoved(libusb_device* device) {
    QString path;
    {
        std::lock_guard lock(m_pathsMutex);
        auto it = m_arrivedPaths.find(UsbBusPortName(device));
        if (it != m_arrivedPaths.end()) {
            path = it->second;
            m_arrivedPaths.erase(it);
        }
    }
    if (path.isEmpty()) {
        path = UsbDevicePathWithoutSerial(device);  // present before we started
    }
    if (path.isEmpty()) {
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, path] { Q_EMIT deviceRemoved(path); }, Qt::QueuedConnection);
}
