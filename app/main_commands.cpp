#include "app/main_commands.h"

namespace {

constexpr Accelerator kAccelerators[] = {
    {"Ctrl+N", ID_FILE_NEW},           {"Ctrl+O", ID_FILE_OPEN},  {"Ctrl+S", ID_FILE_SAVE},
    {"Ctrl+Shift+A", ID_FILE_SAVE_AS}, {"Ctrl+P", ID_FILE_PRINT}, {"Ctrl+L", ID_LOGO_DOWN},
};

}  // namespace

std::span<const Accelerator> AcceleratorTable() {
    return kAccelerators;
}
