#include "link/port_lists.h"

#include <iterator>

#include "core/program_state.h"
#include "link/link_handles.h"
#include "link/link_messages.h"
#include "link/parallel_port.h"
#include "link/port_messages.h"
#include "link/serial_port.h"

namespace {

constexpr int kBaudRates[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
constexpr int kDefaultBaudRate = 128000;

}  // namespace

void OnLptListChanged(const QString& selectedName) {
    {
        LinkLock lock(LinkMutex());
        CloseLinkHandle(g_hLpt);
        g_hLpt = INVALID_HANDLE;
        g_strLptName.set(selectedName);
        g_hLpt = LptOpen(selectedName);
        if (g_hLpt == INVALID_HANDLE) {
            SetStatus(selectedName + Text(link_messages::kLptInvalid));
        } else {
            SetStatus(Text(port_messages::kLptOpened).arg(selectedName));
        }
    }
    ShowStatus();
}

void OnComListChanged(const QString& selectedName) {
    {
        LinkLock lock(LinkMutex());
        CloseLinkHandle(g_hCom);
        g_hCom = INVALID_HANDLE;
        g_strComName.set(selectedName);
    }
    SetStatus(Text(port_messages::kComChosen).arg(selectedName));
    ShowStatus();
}

void OnBaudListChanged(int index) {
    const int rate = BaudRateForIndex(index);
    g_nBaudRate = rate;
    {
        LinkLock lock(LinkMutex());
        if (g_hCom != INVALID_HANDLE) {
            SetComBaudRate(g_hCom, rate);
        }
    }
    SetStatus(Text(port_messages::kBaudRate).arg(rate));
    ShowStatus();
}

void OnFlowListChanged(int index) {
    LinkLock lock(LinkMutex());
    if (g_hCom != INVALID_HANDLE) {
        SetComFlowControl(g_hCom, index);
    }
}

int BaudRateForIndex(int index) {
    constexpr int count = static_cast<int>(std::size(kBaudRates));
    return index >= 0 && index < count ? kBaudRates[index] : kDefaultBaudRate;
}
