// Build tool: packs a file into the SZDD format.
//   szddpack <input> <output> [missing character]
#include "SzddSchreiber.h"

#include <cstdio>
#include <fstream>
#include <iterator>

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "Aufruf: szddpack <eingabe> <ausgabe> [fehlendes Zeichen]\n");
        return 2;
    }
    std::ifstream ein(argv[1], std::ios::binary);
    if (!ein) {
        std::fprintf(stderr, "szddpack: %s kann nicht gelesen werden\n", argv[1]);
        return 1;
    }
    const std::vector<std::uint8_t> daten((std::istreambuf_iterator<char>(ein)),
                                          std::istreambuf_iterator<char>());
    const std::uint8_t zeichen = argc == 4 ? static_cast<std::uint8_t>(argv[3][0]) : 0;
    const auto gepackt = upd::SzddKomprimiert(daten, zeichen);
    std::ofstream aus(argv[2], std::ios::binary | std::ios::trunc);
    aus.write(reinterpret_cast<const char*>(gepackt.data()),
              static_cast<std::streamsize>(gepackt.size()));
    aus.close();
    if (!aus) {
        std::fprintf(stderr, "szddpack: %s kann nicht geschrieben werden\n", argv[2]);
        return 1;
    }
    return 0;
}
