#include "platform/Versionsmarke.h"

#include <QFile>

namespace platform {
namespace {

constexpr qsizetype KennungLaenge = 16;
constexpr qsizetype MarkenLaenge = KennungLaenge + 16;

// The marker's first bytes, kept here bitwise inverted: a program that carries this reader would
// otherwise hold the plain bytes twice, and a scan could stop at the reader's copy.
constexpr unsigned char KennungInvertiert[KennungLaenge] = {
    0x76, 0xAB, 0xA9, 0xA7, 0xA9, 0xBA, 0xAD, 0xAC, 0xB6, 0xB0, 0xB1, 0xF2, 0xF5, 0xE5, 0xF5, 0xFF};

QByteArray Kennung() {
    QByteArray k(KennungLaenge, Qt::Uninitialized);
    for (qsizetype i = 0; i < KennungLaenge; ++i)
        k[i] = static_cast<char>(~KennungInvertiert[i]);
    return k;
}

quint16 Wort(const char* p) {
    return static_cast<quint16>(static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[1])
                                                                       << 8);
}

// The four numbers behind the first bytes, each little-endian, then the same four inverted.
std::optional<VersionsNummer> Entschluesselt(const char* nach) {
    VersionsNummer v{};
    for (int i = 0; i < 4; ++i) {
        v[i] = Wort(nach + 2 * i);
        if (static_cast<quint16>(~Wort(nach + 8 + 2 * i)) != v[i])
            return std::nullopt;
    }
    return v;
}

} // namespace

QByteArray VersionsMarke(const VersionsNummer& version) {
    QByteArray m = Kennung();
    for (const quint16 teil : version)
        m += static_cast<char>(teil & 0xFF), m += static_cast<char>(teil >> 8);
    for (const quint16 teil : version) {
        const quint16 invers = static_cast<quint16>(~teil);
        m += static_cast<char>(invers & 0xFF), m += static_cast<char>(invers >> 8);
    }
    return m;
}

std::optional<VersionsNummer> LiesVersionsMarke(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray kennung = Kennung();
    constexpr qint64 Block = 1 << 20;
    QByteArray puffer;
    for (;;) {
        const QByteArray neu = datei.read(Block);
        if (neu.isEmpty())
            return std::nullopt;
        puffer += neu;
        for (qsizetype ab = 0;;) {
            const qsizetype fund = puffer.indexOf(kennung, ab);
            if (fund < 0 || fund + MarkenLaenge > puffer.size())
                break;
            if (auto v = Entschluesselt(puffer.constData() + fund + KennungLaenge))
                return v;
            ab = fund + 1;
        }
        // Keep the tail, so that a marker across two blocks is still found.
        if (puffer.size() > MarkenLaenge)
            puffer = puffer.right(MarkenLaenge - 1);
    }
}

} // namespace platform
