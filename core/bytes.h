#pragma once

#include <cstdint>
#include <vector>

// The one byte-sequence type of the program: what builders produce and links write.
using Bytes = std::vector<std::uint8_t>;
