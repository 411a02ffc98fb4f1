// The profile file (Log.ini) read and written on any content: a key that is written reads back
// as written, and every other key of the file reads as it did before.
#include "Pruefen.h"
#include "platform/Codepage.h"
#include "platform/ProfilDatei.h"

#include <QSet>
#include <fuzzer/FuzzedDataProvider.h>

namespace {
using namespace platform;

QString Text(FuzzedDataProvider& fdp, size_t laenge) {
    const std::string bytes = fdp.ConsumeRandomLengthString(laenge);
    return AnsiNachText(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

bool Rand(QStringView s) {
    return !s.isEmpty() &&
           (s.front() == u' ' || s.front() == u'\t' || s.back() == u' ' || s.back() == u'\t');
}

bool Zeilenumbruch(QStringView s) {
    return s.contains(u'\r') || s.contains(u'\n');
}

// Names the file format can carry as they stand: nothing that makes the line something else.
bool NamenDarstellbar(const QString& sektion, const QString& schluessel) {
    return !sektion.isEmpty() && !sektion.contains(u'[') && !sektion.contains(u']') &&
           !Zeilenumbruch(sektion) && !Rand(sektion) && !schluessel.isEmpty() &&
           !schluessel.contains(u'=') && !schluessel.startsWith(u'[') &&
           !Zeilenumbruch(schluessel) && !Rand(schluessel);
}

// A value the reader's trimming and unquoting gives back whole.
bool WertDarstellbar(const QString& wert) {
    const bool inAnfuehrung = wert.size() >= 2 && (wert.front() == u'"' || wert.front() == u'\'') &&
                              wert.back() == wert.front();
    return !Zeilenumbruch(wert) && !Rand(wert) && !inAnfuehrung &&
           wert.size() <= ProfilWertMaxLaenge;
}

QString Getrimmt(QStringView s) {
    while (!s.isEmpty() && (s.front() == u' ' || s.front() == u'\t'))
        s = s.mid(1);
    while (!s.isEmpty() && (s.back() == u' ' || s.back() == u'\t'))
        s.chop(1);
    return s.toString();
}

// The names the lines offer: section names between brackets, key names before "=".
void Namen(const QStringList& zeilen, QStringList& sektionen, QStringList& schluessel) {
    for (const QString& z : zeilen) {
        const QString t = Getrimmt(z);
        if (t.startsWith(u'[') && t.contains(u']') && sektionen.size() < 16)
            sektionen << Getrimmt(QStringView(t).sliced(1, t.indexOf(u']') - 1));
        else if (z.contains(u'=') && schluessel.size() < 32)
            schluessel << Getrimmt(QStringView(z).first(z.indexOf(u'=')));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse) {
    FuzzedDataProvider fdp(daten, groesse);
    const QString sektion = Text(fdp, 24);
    const QString schluessel = Text(fdp, 24);
    const QString wert = Text(fdp, 64);
    const std::string rest = fdp.ConsumeRemainingBytesAsString();

    const ProfilText vorher = ProfilZeilen(QByteArrayView(rest.data(), qsizetype(rest.size())));
    ProfilText text = vorher;
    ProfilSetzen(text.zeilen, sektion, schluessel, wert);
    const ProfilText nachher = ProfilZeilen(ProfilBytes(text));
    FUZZ_PRUEFEN(nachher.utf8 == vorher.utf8);

    // A line break in a name or a value would make lines of its own; no writer of the program
    // passes one (the station data dialog refuses them).
    if (!NamenDarstellbar(sektion, schluessel) || Zeilenumbruch(wert))
        return 0;
    if (WertDarstellbar(wert))
        FUZZ_PRUEFEN(ProfilWert(nachher.zeilen, sektion, schluessel) == wert);

    QStringList sektionen{sektion}, namen{schluessel};
    Namen(vorher.zeilen, sektionen, namen);
    for (const QString& s : sektionen)
        for (const QString& k : namen) {
            if (s.compare(sektion, Qt::CaseInsensitive) == 0 &&
                k.compare(schluessel, Qt::CaseInsensitive) == 0)
                continue;
            FUZZ_PRUEFEN(ProfilWert(nachher.zeilen, s, k) == ProfilWert(vorher.zeilen, s, k));
        }
    return 0;
}
