// Writes the MS-COMPRESS (SZDD) format: the build packs the restart helper with it, since
// libmspack reads the format but has no writer for it.
#pragma once

#include <cstdint>
#include <vector>

namespace upd {

// The whole SZDD file for `daten`: the header with the length and the character that stands for
// the last one of the original name (0: none), then the LZSS stream.
std::vector<std::uint8_t> SzddKomprimiert(const std::vector<std::uint8_t>& daten,
                                          std::uint8_t fehlendesZeichen);

} // namespace upd
