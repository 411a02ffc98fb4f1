// LOG.TXT's loader on any bytes: it never crashes, the ten columns always have the same length,
// and every line it leaves out is named with a number of a line after the header.
#include "Pruefen.h"
#include "core/LogDatei.h"

#include <QByteArrayView>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse) {
    const QByteArrayView inhalt(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    core::LogSpalten log;
    const core::LogLadeErgebnis e = core::LogInhaltLesen(inhalt, log);
    FUZZ_PRUEFEN(e.anzahl == log.Anzahl());
    for (const QStringList* spalte : log.Spalten())
        FUZZ_PRUEFEN(spalte->size() == log.Anzahl());
    FUZZ_PRUEFEN(e.bandGelesen == (log.Anzahl() > 0));
    FUZZ_PRUEFEN(!e.bandGelesen || e.letztesBand == log.SpalteBand.constLast());
    int vorige = 1;
    for (const QList<int>* liste : {&e.abgeschnitten, &e.ohneVersion}) {
        vorige = 1;
        for (const int nr : *liste) {
            FUZZ_PRUEFEN(nr > vorige);
            vorige = nr;
        }
    }
    FUZZ_PRUEFEN(e.meldungen.size() <= 2);
    return 0;
}
