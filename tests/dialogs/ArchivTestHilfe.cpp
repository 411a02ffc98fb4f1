#include "ArchivTestHilfe.h"
#include "SzddSchreiber.h"

namespace testsupport {
namespace {

void U16(QByteArray& a, quint16 v) {
    a += static_cast<char>(v & 0xFF);
    a += static_cast<char>(v >> 8);
}
void U32(QByteArray& a, quint32 v) {
    U16(a, static_cast<quint16>(v & 0xFFFF));
    U16(a, static_cast<quint16>(v >> 16));
}

} // namespace

QByteArray Szdd(const QByteArray& daten, char fehlendesZeichen) {
    const std::vector<std::uint8_t> roh(daten.begin(), daten.end());
    const auto aus = upd::SzddKomprimiert(roh, static_cast<std::uint8_t>(fehlendesZeichen));
    return QByteArray(reinterpret_cast<const char*>(aus.data()),
                      static_cast<qsizetype>(aus.size()));
}

QByteArray Kabinett(const QList<std::pair<QByteArray, QByteArray>>& mitglieder) {
    constexpr int Kopf = 36, Ordner = 8, MaxBlock = 32768;
    QByteArray strom, dateien;
    for (const auto& [name, inhalt] : mitglieder) {
        U32(dateien, static_cast<quint32>(inhalt.size()));
        U32(dateien, static_cast<quint32>(strom.size()));
        U16(dateien, 0);      // folder
        U16(dateien, 0x5B21); // 1 September 2025
        U16(dateien, 0x6000); // 12:00
        U16(dateien, 0x20);   // archived
        dateien += name;
        dateien += '\0';
        strom += inhalt;
    }
    QByteArray bloecke;
    int anzahl = 0;
    for (qsizetype ab = 0; ab < strom.size(); ab += MaxBlock, ++anzahl) {
        const QByteArray teil = strom.mid(ab, MaxBlock);
        U32(bloecke, 0); // no checksum
        U16(bloecke, static_cast<quint16>(teil.size()));
        U16(bloecke, static_cast<quint16>(teil.size()));
        bloecke += teil;
    }
    const quint32 datenAb = Kopf + Ordner + static_cast<quint32>(dateien.size());
    QByteArray cab("MSCF");
    U32(cab, 0);
    U32(cab, datenAb + static_cast<quint32>(bloecke.size()));
    U32(cab, 0);
    U32(cab, Kopf + Ordner); // first file entry
    U32(cab, 0);
    cab += char(3);
    cab += char(1);
    U16(cab, 1); // folders
    U16(cab, static_cast<quint16>(mitglieder.size()));
    U16(cab, 0); // flags
    U16(cab, 0x1234);
    U16(cab, 0);
    U32(cab, datenAb);
    U16(cab, static_cast<quint16>(anzahl));
    U16(cab, 0); // stored
    return cab + dateien + bloecke;
}

} // namespace testsupport
