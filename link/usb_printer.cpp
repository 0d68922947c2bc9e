#include "link/usb_printer.h"

#include <libusb.h>

#include <algorithm>
#include <chrono>

// Each open printer has its own libusb context, so its transfers are handled by the thread that
// writes and never wait for the hot-plug event thread.
struct UsbPrinterHandle {
    libusb_context* context = nullptr;
    libusb_device_handle* device = nullptr;
    int interfaceNumber = -1;
    std::uint8_t endpointOut = 0;
};

namespace {

constexpr int kMaxDevicesLookedAt = 20;
constexpr std::uint8_t kClassPrinter = LIBUSB_CLASS_PRINTER;
constexpr std::uint8_t kClassVendor = 0xFF;  // the vendor's own class
constexpr auto kWriteBaseTime = std::chrono::milliseconds(2000);

struct PrinterInterface {
    int number = -1;
    int alternateSetting = 0;
    std::uint8_t endpointOut = 0;
};

bool FindBulkOut(const libusb_interface_descriptor& setting, std::uint8_t& endpoint) {
    for (int e = 0; e < setting.bNumEndpoints; ++e) {
        const libusb_endpoint_descriptor& ep = setting.endpoint[e];
        const bool out = (ep.bEndpointAddress & LIBUSB_ENDPOINT_DIR_MASK) == LIBUSB_ENDPOINT_OUT;
        const bool bulk =
            (ep.bmAttributes & LIBUSB_TRANSFER_TYPE_MASK) == LIBUSB_TRANSFER_TYPE_BULK;
        if (out && bulk) {
            endpoint = ep.bEndpointAddress;
            return true;
        }
    }
    return false;
}

// The first interface setting of the class that has a bulk OUT endpoint.
bool FindInterface(const libusb_config_descriptor& config, std::uint8_t interfaceClass,
                   PrinterInterface& found) {
    for (int i = 0; i < config.bNumInterfaces; ++i) {
        const libusb_interface& interface = config.interface[i];
        for (int a = 0; a < interface.num_altsetting; ++a) {
            const libusb_interface_descriptor& setting = interface.altsetting[a];
            if (setting.bInterfaceClass == interfaceClass &&
                FindBulkOut(setting, found.endpointOut)) {
                found.number = setting.bInterfaceNumber;
                found.alternateSetting = setting.bAlternateSetting;
                return true;
            }
        }
    }
    return false;
}

bool ChooseInterface(libusb_device* device, PrinterInterface& found) {
    libusb_config_descriptor* config = nullptr;
    if (libusb_get_active_config_descriptor(device, &config) != LIBUSB_SUCCESS &&
        libusb_get_config_descriptor(device, 0, &config) != LIBUSB_SUCCESS) {
        return false;
    }
    const bool ok =
        FindInterface(*config, kClassPrinter, found) || FindInterface(*config, kClassVendor, found);
    libusb_free_config_descriptor(config);
    return ok;
}

// Opens the device and claims its printer interface; nullptr device handle on any failure.
libusb_device_handle* OpenPrinterDevice(libusb_device* device, PrinterInterface& chosen) {
    libusb_device_handle* handle = nullptr;
    if (libusb_open(device, &handle) != LIBUSB_SUCCESS) {
        return nullptr;
    }
    // Not supported only where there is no kernel driver to detach; the claim then tells.
    libusb_set_auto_detach_kernel_driver(handle, 1);
    if (!ChooseInterface(device, chosen) ||
        libusb_claim_interface(handle, chosen.number) != LIBUSB_SUCCESS) {
        libusb_close(handle);
        return nullptr;
    }
    if (chosen.alternateSetting != 0 &&
        libusb_set_interface_alt_setting(handle, chosen.number, chosen.alternateSetting) !=
            LIBUSB_SUCCESS) {
        libusb_release_interface(handle, chosen.number);
        libusb_close(handle);
        return nullptr;
    }
    return handle;
}

}  // namespace

UsbPrinterHandle* UsbOpen() {
    libusb_context* context = nullptr;
    if (libusb_init(&context) != LIBUSB_SUCCESS) {
        return nullptr;
    }
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(context, &list);
    UsbPrinterHandle* result = nullptr;
    int lookedAt = 0;
    for (ssize_t i = 0; i < count && lookedAt < kMaxDevicesLookedAt; ++i) {
        libusb_device* device = list[i];
        if (libusb_get_port_number(device) == 0) {
            continue;  // a root hub: the host controller itself, never a printer
        }
        ++lookedAt;
        const QString path = UsbDevicePath(device);
        if (path.isEmpty()) {
            break;  // a device we cannot describe ends the search
        }
        if (!UsbVidMatches(path)) {
            continue;
        }
        PrinterInterface chosen;
        if (libusb_device_handle* handle = OpenPrinterDevice(device, chosen)) {
            result = new UsbPrinterHandle{context, handle, chosen.number, chosen.endpointOut};
        }
        break;  // the first known printer is the one, opened or not
    }
    if (count >= 0) {
        libusb_free_device_list(list, 1);
    }
    if (!result) {
        libusb_exit(context);
    }
    return result;
}

int UsbWrite(UsbPrinterHandle* handle, const std::uint8_t* bytes, int count) {
    if (!handle || count < 0 || (count > 0 && !bytes)) {
        return 0;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline =
        Clock::now() + kWriteBaseTime + std::chrono::milliseconds(count);
    int sent = 0;
    while (sent < count) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return 0;
        }
        int transferred = 0;
        // libusb takes a non-const buffer for both directions; an OUT transfer only reads it.
        const int result = libusb_bulk_transfer(
            handle->device, handle->endpointOut, const_cast<std::uint8_t*>(bytes + sent),
            count - sent, &transferred, static_cast<unsigned>(left.count()));
        sent += std::clamp(transferred, 0, count - sent);
        if (result == LIBUSB_SUCCESS || result == LIBUSB_ERROR_INTERRUPTED) {
            continue;  // a short transfer: send the rest
        }
        if (result == LIBUSB_ERROR_PIPE) {
            libusb_clear_halt(handle->device, handle->endpointOut);
        }
        return 0;
    }
    return 1;
}

void UsbPurge(UsbPrinterHandle*) {}

void UsbClose(UsbPrinterHandle* handle) {
    if (!handle) {
        return;
    }
    if (handle->device) {
        libusb_release_interface(handle->device, handle->interfaceNumber);
        libusb_close(handle->device);
    }
    libusb_exit(handle->context);
    delete handle;
}

QStringList KnownUsbPrinterPaths() {
    QStringList paths;
    libusb_context* context = nullptr;
    if (libusb_init(&context) != LIBUSB_SUCCESS) {
        return paths;
    }
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(context, &list);
    for (ssize_t i = 0; i < count; ++i) {
        const QString path = UsbDevicePath(list[i]);
        if (libusb_get_port_number(list[i]) != 0 && UsbVidMatches(path)) {
            paths << path;
        }
    }
    if (count >= 0) {
        libusb_free_device_list(list, 1);
    }
    libusb_exit(context);
    return paths;
}
