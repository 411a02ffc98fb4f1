#include "SzddSchreiber.h"

#include <algorithm>
#include <array>

namespace upd {
namespace {

// The reader's window: 4096 bytes filled with blanks, the first byte written at 4096 - 16.
constexpr int Fenster = 4096;
constexpr int Anfang = Fenster - 16;
constexpr int MinLaenge = 3;
constexpr int MaxLaenge = 18;
// How far back a match may start: the window less the longest match, so that what a match copies
// has never been overwritten while it is copied.
constexpr int MaxAbstand = Fenster - MaxLaenge;
constexpr int Versuche = 256;
constexpr int HashGroesse = 1 << 14;

int Hash(const std::uint8_t* p) {
    return ((p[0] << 6) ^ (p[1] << 3) ^ p[2]) & (HashGroesse - 1);
}

void Anhaengen32(std::vector<std::uint8_t>& aus, std::uint32_t wert) {
    for (int i = 0; i < 4; ++i)
        aus.push_back(static_cast<std::uint8_t>(wert >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> SzddKomprimiert(const std::vector<std::uint8_t>& daten,
                                          std::uint8_t fehlendesZeichen) {
    std::vector<std::uint8_t> aus = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A'};
    aus.push_back(fehlendesZeichen);
    Anhaengen32(aus, static_cast<std::uint32_t>(daten.size()));

    const int n = static_cast<int>(daten.size());
    std::vector<int> kopf(HashGroesse, -1);
    std::vector<int> vorher(n, -1);
    const auto merke = [&](int i) {
        if (i + MinLaenge <= n) {
            const int h = Hash(&daten[i]);
            vorher[i] = kopf[h];
            kopf[h] = i;
        }
    };

    // Eight items share one flag byte: a set bit is a literal byte, a clear one a match of two
    // bytes (the window position, low 8 bits, then its high 4 bits and the length less 3).
    std::size_t flagPos = 0;
    int bit = 8;
    const auto naechstesElement = [&](bool literal) {
        if (bit == 8) {
            flagPos = aus.size();
            aus.push_back(0);
            bit = 0;
        }
        if (literal)
            aus[flagPos] |= static_cast<std::uint8_t>(1u << bit);
        ++bit;
    };

    for (int i = 0; i < n;) {
        int besteLaenge = 0, besterStart = 0;
        if (i + MinLaenge <= n) {
            const int grenze = std::min(MaxLaenge, n - i);
            int versuche = Versuche;
            for (int j = kopf[Hash(&daten[i])]; j >= 0 && i - j <= MaxAbstand && versuche-- > 0;
                 j = vorher[j]) {
                int l = 0;
                while (l < grenze && daten[j + l] == daten[i + l])
                    ++l;
                if (l > besteLaenge) {
                    besteLaenge = l;
                    besterStart = j;
                    if (l == grenze)
                        break;
                }
            }
        }
        if (besteLaenge >= MinLaenge) {
            naechstesElement(false);
            const int position = (Anfang + besterStart) % Fenster;
            aus.push_back(static_cast<std::uint8_t>(position & 0xFF));
            aus.push_back(
                static_cast<std::uint8_t>(((position >> 4) & 0xF0) | (besteLaenge - MinLaenge)));
            for (int k = 0; k < besteLaenge; ++k)
                merke(i + k);
            i += besteLaenge;
        } else {
            naechstesElement(true);
            aus.push_back(daten[i]);
            merke(i);
            ++i;
        }
    }
    return aus;
}

} // namespace upd
