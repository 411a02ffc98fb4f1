// The exports' splitter on any bytes: lines, fields with their places and QSO records never crash,
// every field lies inside its line in order, and a QSO record always has its eleven fields.
#include "Pruefen.h"
#include "export/Zerlegung.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse) {
    const QByteArrayView inhalt(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    for (const QByteArrayView zeile : exporte::DateiZeilen(inhalt)) {
        FUZZ_PRUEFEN(!zeile.contains('\n'));
        const QByteArray blank = exporte::BlankZuNbsp(zeile.toByteArray());
        FUZZ_PRUEFEN(blank.size() == zeile.size());
        qsizetype vorher = 0;
        for (const exporte::Feld& f : exporte::FelderMitLage(blank)) {
            FUZZ_PRUEFEN(vorher <= f.anfang && f.anfang <= f.ende && f.ende <= blank.size());
            vorher = f.ende;
        }
        (void)exporte::ZeileZerlegen(blank);
        const exporte::QsoZeile q = exporte::QsoFelder(zeile);
        if (q.art == exporte::ZeilenArt::Qso)
            FUZZ_PRUEFEN(q.felder.size() >= 11);
    }
    return 0;
}
