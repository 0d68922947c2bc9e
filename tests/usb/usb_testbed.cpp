#include "usb_testbed.h"

#include <libusb.h>
#include <linux/ioctl.h>
#include <linux/usbdevice_fs.h>
#include <umockdev.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <stdexcept>

namespace {

void AppendLe16(QByteArray& bytes, std::uint16_t value) {
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>(value >> 8));
}

void AppendBytes(QByteArray& bytes, std::initializer_list<int> values) {
    for (int v : values) {
        bytes.append(static_cast<char>(v));
    }
}

QByteArray DeviceDescriptor(std::uint16_t vendorId, std::uint16_t productId, int deviceClass,
                            bool hasSerial) {
    QByteArray d;
    AppendBytes(d, {18, LIBUSB_DT_DEVICE});
    AppendLe16(d, 0x0200);
    AppendBytes(d, {deviceClass, 0, 0, 64});
    AppendLe16(d, vendorId);
    AppendLe16(d, productId);
    AppendLe16(d, 0x0100);
    AppendBytes(d, {1, 2, hasSerial ? 3 : 0, 1});
    return d;
}

QByteArray RootHubDescriptors() {
    QByteArray d = DeviceDescriptor(0x1d6b, 0x0002, LIBUSB_CLASS_HUB, false);
    AppendBytes(d, {9, LIBUSB_DT_CONFIG});
    AppendLe16(d, 9 + 9 + 7);
    AppendBytes(d, {1, 1, 0, 0xE0, 0});
    AppendBytes(d, {9, LIBUSB_DT_INTERFACE, 0, 0, 1, LIBUSB_CLASS_HUB, 0, 0, 0});
    AppendBytes(d, {7, LIBUSB_DT_ENDPOINT, 0x81, LIBUSB_TRANSFER_TYPE_INTERRUPT});
    AppendLe16(d, 4);
    AppendBytes(d, {12});
    return d;
}

void WriteFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(contents) != contents.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

}  // namespace

QByteArray UsbDescriptors(const UsbDeviceInfo& info) {
    QByteArray d = DeviceDescriptor(info.vendorId, info.productId, 0, !info.serial.isEmpty());
    int total = 9;
    for (const UsbInterfaceInfo& i : info.interfaces) {
        total += 9 + 7 * ((i.bulkOut ? 1 : 0) + (i.bulkIn ? 1 : 0));
    }
    AppendBytes(d, {9, LIBUSB_DT_CONFIG});
    AppendLe16(d, static_cast<std::uint16_t>(total));
    AppendBytes(d, {static_cast<int>(info.interfaces.size()), 1, 0, 0xC0, 50});
    int number = 0;
    for (const UsbInterfaceInfo& i : info.interfaces) {
        const bool printer = i.interfaceClass == LIBUSB_CLASS_PRINTER;
        AppendBytes(d,
                    {9, LIBUSB_DT_INTERFACE, number++, 0, (i.bulkOut ? 1 : 0) + (i.bulkIn ? 1 : 0),
                     i.interfaceClass, printer ? 1 : 0, printer ? 2 : 0, 0});
        for (std::uint8_t endpoint : {i.bulkOut, i.bulkIn}) {
            if (endpoint) {
                AppendBytes(d, {7, LIBUSB_DT_ENDPOINT, endpoint, LIBUSB_TRANSFER_TYPE_BULK});
                AppendLe16(d, 64);
                AppendBytes(d, {0});
            }
        }
    }
    return d;
}

// ---- UsbPeer -------------------------------------------------------------------------------

// GObject signal handlers, called on umockdev's worker thread.
struct UsbPeerRequests {
    static gboolean onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer peer) {
        return static_cast<UsbPeer*>(peer)->handleIoctl(client);
    }
    static void onConnected(UMockdevIoctlBase*, UMockdevIoctlClient*, gpointer peer) {
        auto* self = static_cast<UsbPeer*>(peer);
        std::lock_guard lock(self->m_mutex);
        ++self->m_opens;
    }
};

UsbPeer::UsbPeer(int port, const UsbDeviceInfo& info) : m_port(port), m_info(info) {
    m_handler = umockdev_ioctl_base_new();
    g_signal_connect(m_handler, "handle-ioctl", G_CALLBACK(&UsbPeerRequests::onIoctl), this);
    g_signal_connect(m_handler, "client-connected", G_CALLBACK(&UsbPeerRequests::onConnected),
                     this);
}

UsbPeer::~UsbPeer() {
    for (auto* list : {&m_completed, &m_pending, &m_discarded}) {
        for (UMockdevIoctlData* data : *list) {
            g_object_unref(data);
        }
    }
    g_signal_handlers_disconnect_by_data(m_handler, this);
    g_object_unref(m_handler);
}

QString UsbPeer::sysPath() const {
    return QStringLiteral("/sys/devices/usb1/1-%1").arg(m_port);
}

QString UsbPeer::devNode() const {
    return QStringLiteral("/dev/bus/usb/001/%1").arg(m_port + 1, 3, 10, QLatin1Char('0'));
}

void UsbPeer::setAcceptAtMost(int bytes) {
    std::lock_guard lock(m_mutex);
    m_acceptAtMost = bytes;
}
void UsbPeer::setStalled(bool stalled) {
    std::lock_guard lock(m_mutex);
    m_stalled = stalled;
}
void UsbPeer::setGoneAfter(int bytes) {
    std::lock_guard lock(m_mutex);
    m_goneAfter = bytes;
}
void UsbPeer::setClaimBusy(bool busy) {
    std::lock_guard lock(m_mutex);
    m_claimBusy = busy;
}
QByteArray UsbPeer::received(std::uint8_t endpoint) const {
    std::lock_guard lock(m_mutex);
    auto it = m_received.find(endpoint);
    return it == m_received.end() ? QByteArray() : it->second;
}
int UsbPeer::opens() const {
    std::lock_guard lock(m_mutex);
    return m_opens;
}
int UsbPeer::submittedTransfers() const {
    std::lock_guard lock(m_mutex);
    return m_submitted;
}
int UsbPeer::claimedInterface() const {
    std::lock_guard lock(m_mutex);
    return m_claimed;
}
int UsbPeer::releasedInterface() const {
    std::lock_guard lock(m_mutex);
    return m_released;
}
bool UsbPeer::driverDetachedOnClaim() const {
    std::lock_guard lock(m_mutex);
    return m_detachedOnClaim;
}
int UsbPeer::driverReattachments() const {
    std::lock_guard lock(m_mutex);
    return m_reattachments;
}

namespace {

// The ioctl argument as a local copy of a structure of the given size.
UMockdevIoctlData* Resolve(UMockdevIoctlData* data, std::size_t offset, std::size_t size) {
    return umockdev_ioctl_data_resolve(data, offset, size, nullptr);
}

template <typename T>
T ArgumentValue(UMockdevIoctlData* arg) {
    UMockdevIoctlData* data = Resolve(arg, 0, sizeof(T));
    T value{};
    if (data) {
        std::memcpy(&value, data->data, sizeof(T));
        g_object_unref(data);
    }
    return value;
}

// Takes the data object out of the list when its client address matches.
UMockdevIoctlData* TakeByAddress(std::vector<UMockdevIoctlData*>& list, gulong address) {
    auto it = std::find_if(list.begin(), list.end(),
                           [address](UMockdevIoctlData* d) { return d->client_addr == address; });
    if (it == list.end()) {
        return nullptr;
    }
    UMockdevIoctlData* data = *it;
    list.erase(it);
    return data;
}

}  // namespace

bool UsbPeer::handleIoctl(UMockdevIoctlClient* client) {
    const gulong request = umockdev_ioctl_client_get_request(client);
    UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
    std::lock_guard lock(m_mutex);

    switch (request) {
        case USBDEVFS_GET_CAPABILITIES: {
            UMockdevIoctlData* caps = Resolve(arg, 0, sizeof(guint32));
            *reinterpret_cast<guint32*>(caps->data) =
                USBDEVFS_CAP_BULK_CONTINUATION | USBDEVFS_CAP_NO_PACKET_SIZE_LIM |
                USBDEVFS_CAP_REAP_AFTER_DISCONNECT | USBDEVFS_CAP_ZERO_PACKET;
            umockdev_ioctl_client_complete(client, 0, 0);
            g_object_unref(caps);
            return TRUE;
        }
        case USBDEVFS_DISCONNECT_CLAIM:
        case USBDEVFS_CLAIMINTERFACE: {
            // Both start with the interface number.
            const unsigned interface = ArgumentValue<unsigned>(arg);
            if (m_claimBusy) {
                umockdev_ioctl_client_complete(client, -1, EBUSY);
                return TRUE;
            }
            m_claimed = static_cast<int>(interface);
            m_detachedOnClaim = request == USBDEVFS_DISCONNECT_CLAIM;
            umockdev_ioctl_client_complete(client, 0, 0);
            return TRUE;
        }
        case USBDEVFS_RELEASEINTERFACE:
            m_released = static_cast<int>(ArgumentValue<unsigned>(arg));
            umockdev_ioctl_client_complete(client, 0, 0);
            return TRUE;
        case USBDEVFS_IOCTL: {
            const usbdevfs_ioctl command = ArgumentValue<usbdevfs_ioctl>(arg);
            if (command.ioctl_code == static_cast<int>(USBDEVFS_CONNECT)) {
                ++m_reattachments;
            }
            umockdev_ioctl_client_complete(client, 0, 0);
            return TRUE;
        }
        case USBDEVFS_GETDRIVER:
            umockdev_ioctl_client_complete(client, -1, ENODATA);
            return TRUE;
        case USBDEVFS_SETINTERFACE:
        case USBDEVFS_CLEAR_HALT:
        case USBDEVFS_RESETEP:
        case USBDEVFS_RESET:
            umockdev_ioctl_client_complete(client, 0, 0);
            return TRUE;

        case USBDEVFS_SUBMITURB: {
            ++m_submitted;
            UMockdevIoctlData* urbData = Resolve(arg, 0, sizeof(usbdevfs_urb));
            auto* urb = reinterpret_cast<usbdevfs_urb*>(urbData->data);
            const bool bulkOut = urb->type == USBDEVFS_URB_TYPE_BULK && !(urb->endpoint & 0x80);
            if (!bulkOut || (m_goneAfter >= 0 && m_receivedTotal >= m_goneAfter)) {
                g_object_unref(urbData);
                umockdev_ioctl_client_complete(client, -1, bulkOut ? ENODEV : EINVAL);
                return TRUE;
            }
            if (m_stalled) {
                m_pending.push_back(urbData);
                umockdev_ioctl_client_complete(client, 0, 0);
                return TRUE;
            }
            int take = urb->buffer_length;
            if (m_acceptAtMost > 0) {
                take = std::min(take, m_acceptAtMost);
            }
            if (m_goneAfter >= 0) {
                take = std::min(take, m_goneAfter - m_receivedTotal);
            }
            if (take > 0) {
                UMockdevIoctlData* buffer =
                    Resolve(urbData, offsetof(usbdevfs_urb, buffer), urb->buffer_length);
                m_received[urb->endpoint].append(reinterpret_cast<const char*>(buffer->data), take);
                g_object_unref(buffer);
            }
            m_receivedTotal += take;
            urb->actual_length = take;
            urb->status = 0;
            m_completed.push_back(urbData);
            umockdev_ioctl_client_complete(client, 0, 0);
            return TRUE;
        }
        case USBDEVFS_REAPURB:
        case USBDEVFS_REAPURBNDELAY: {
            UMockdevIoctlData* urbData = nullptr;
            if (!m_discarded.empty()) {
                urbData = m_discarded.front();
                m_discarded.erase(m_discarded.begin());
                auto* urb = reinterpret_cast<usbdevfs_urb*>(urbData->data);
                urb->status = -ENOENT;
                urb->actual_length = 0;
            } else if (!m_completed.empty()) {
                urbData = m_completed.front();
                m_completed.erase(m_completed.begin());
            } else {
                umockdev_ioctl_client_complete(client, -1, EAGAIN);
                return TRUE;
            }
            UMockdevIoctlData* pointer = Resolve(arg, 0, sizeof(void*));
            umockdev_ioctl_data_set_ptr(pointer, 0, urbData);
            umockdev_ioctl_client_complete(client, 0, 0);
            g_object_unref(pointer);
            g_object_unref(urbData);
            return TRUE;
        }
        case USBDEVFS_DISCARDURB: {
            const gulong address = *reinterpret_cast<gulong*>(arg->data);
            if (UMockdevIoctlData* urbData = TakeByAddress(m_pending, address)) {
                m_discarded.push_back(urbData);
                umockdev_ioctl_client_complete(client, 0, 0);
            } else {
                umockdev_ioctl_client_complete(client, -1, EINVAL);
            }
            return TRUE;
        }
        default:
            umockdev_ioctl_client_complete(client, -1, ENOTTY);
            return TRUE;
    }
}

// ---- UsbTestbed ----------------------------------------------------------------------------

UsbTestbed::UsbTestbed() {
    m_testbed = umockdev_testbed_new();
    gchar* root = umockdev_testbed_get_root_dir(m_testbed);
    m_root = QString::fromUtf8(root);
    g_free(root);
    addDevice(QStringLiteral("usb1"), 1, RootHubDescriptors(), QString());
}

UsbTestbed::~UsbTestbed() {
    g_object_unref(m_testbed);  // stops umockdev's worker before the handlers go
    m_peers.clear();
}

void UsbTestbed::addDevice(const QString& name, int devnum, const QByteArray& descriptors,
                           const QString& serial) {
    const QString sysPath = QStringLiteral("/sys/devices/") + name;
    const QString node = QStringLiteral("/dev/bus/usb/001/%1").arg(devnum, 3, 10, QLatin1Char('0'));
    // Everything libusb reads is in place before the add event announces the device.
    WriteFile(m_root + sysPath + QStringLiteral("/descriptors"), descriptors);
    if (!serial.isEmpty()) {
        WriteFile(m_root + sysPath + QStringLiteral("/serial"), serial.toUtf8() + '\n');
    }
    WriteFile(m_root + node, QByteArray());

    const QByteArray devnumText = QByteArray::number(devnum) + '\n';
    const QByteArray devnumProperty =
        QStringLiteral("%1").arg(devnum, 3, 10, QLatin1Char('0')).toLatin1();
    const QByteArray nodeText = node.toLatin1();
    const QByteArray nameText = name.toLatin1();
    const gchar* attributes[] = {
        "busnum", "1\n",  "devnum", devnumText.constData(), "bConfigurationValue", "1\n",
        "speed",  "12\n", nullptr};
    const gchar* properties[] = {
        "DEVTYPE", "usb_device",         "BUSNUM", "001", "DEVNUM", devnumProperty.constData(),
        "DEVNAME", nodeText.constData(), nullptr};
    gchar* created = umockdev_testbed_add_devicev(m_testbed, "usb", nameText.constData(), nullptr,
                                                  const_cast<gchar**>(attributes),
                                                  const_cast<gchar**>(properties));
    if (!created) {
        throw std::runtime_error("umockdev refused device " + name.toStdString());
    }
    g_free(created);
}

UsbPeer& UsbTestbed::plug(const UsbDeviceInfo& info) {
    const int port = m_nextPort++;
    auto peer = std::make_unique<UsbPeer>(port, info);
    GError* error = nullptr;
    // The handler is in place before the device appears, so an open on arrival reaches it.
    if (!umockdev_testbed_attach_ioctl(m_testbed, peer->devNode().toLatin1().constData(),
                                       peer->handler(), &error)) {
        const std::string message = error ? error->message : "attach_ioctl failed";
        g_clear_error(&error);
        throw std::runtime_error(message);
    }
    addDevice(QStringLiteral("usb1/1-%1").arg(port), port + 1, UsbDescriptors(info), info.serial);
    m_peers.push_back(std::move(peer));
    return *m_peers.back();
}

void UsbTestbed::unplug(UsbPeer& peer) {
    const QByteArray sysPath = peer.sysPath().toLatin1();
    umockdev_testbed_uevent(m_testbed, sysPath.constData(), "remove");
    umockdev_testbed_remove_device(m_testbed, sysPath.constData());
}

void UsbTestbed::setDescriptors(UsbPeer& peer, const UsbDeviceInfo& info) {
    QByteArray descriptors = UsbDescriptors(info);
    umockdev_testbed_set_attribute_binary(
        m_testbed, peer.sysPath().toLatin1().constData(), "descriptors",
        reinterpret_cast<guint8*>(descriptors.data()), static_cast<gint>(descriptors.size()));
}

void UsbTestbed::removeNode(UsbPeer& peer) {
    // A broken link, not a missing file: the system's own node of that name stays hidden.
    const QString node = m_root + peer.devNode();
    QFile::remove(node);
    if (!QFile::link(QStringLiteral("/nonexistent/usb-node"), node)) {
        throw std::runtime_error("cannot hide " + node.toStdString());
    }
}

bool UsbTestbed::InMockEnvironment() {
    return qEnvironmentVariable("LD_PRELOAD").contains(QStringLiteral("libumockdev-preload"));
}

void UsbTestbed::VisitPresentDevices(const std::function<void(libusb_device*)>& visit) {
    libusb_context* context = nullptr;
    if (libusb_init(&context) != LIBUSB_SUCCESS) {
        return;
    }
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(context, &list);
    for (ssize_t i = 0; i < count; ++i) {
        visit(list[i]);
    }
    if (count >= 0) {
        libusb_free_device_list(list, 1);
    }
    libusb_exit(context);
}

std::vector<int> UsbTestbed::EnumerationOrder() {
    std::vector<int> ports;
    VisitPresentDevices([&ports](libusb_device* device) {
        if (const int port = libusb_get_port_number(device)) {
            ports.push_back(port);
        }
    });
    return ports;
}
