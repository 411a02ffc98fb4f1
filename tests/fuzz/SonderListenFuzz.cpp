// The special lists on any bytes: no entry holds a line break or the NUL that ends the data, the
// entries never outnumber the lines, and every entry kept is found by the lookup.
#include "Pruefen.h"
#include "core/SonderListen.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const QStringList zeilen = core::ListenZeilen(bytes);
    FUZZ_PRUEFEN(zeilen.size() <= bytes.count('\r') + bytes.count('\n') + 1);
    for (const QString& z : zeilen)
        FUZZ_PRUEFEN(!z.contains(u'\r') && !z.contains(u'\n') && !z.contains(QChar(0)));
    core::SonderListe liste;
    liste.Setzen(zeilen);
    liste.LeereEntfernen();
    for (const QString& e : liste.Eintraege()) {
        FUZZ_PRUEFEN(liste.Enthaelt(e));
    }
    return 0;
}
