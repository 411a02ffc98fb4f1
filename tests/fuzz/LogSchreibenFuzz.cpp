// LOG.TXT written and read back: whatever the file held before and whatever the ten values are,
// the appended record reads back as the values the log keeps (no ";" or line break in a field,
// the received DOK trimmed, through Windows-1252), the records before it are unchanged, and the
// columns always have the same length. A file whose loading stops at a newer version takes no
// further record, as before.
#include "Pruefen.h"
#include "core/LogDatei.h"
#include "platform/Codepage.h"

#include <QByteArray>
#include <fuzzer/FuzzedDataProvider.h>

namespace {
QString Wert(FuzzedDataProvider& fdp) {
    // Mostly single bytes as the file would hold them, now and then any UTF-16 character.
    const std::string bytes = fdp.ConsumeRandomLengthString(64);
    QString w = platform::AnsiNachText(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (fdp.ConsumeBool())
        w += QChar(fdp.ConsumeIntegral<char16_t>());
    return w;
}

QString WieGelesen(const QString& wert) {
    return platform::AnsiNachText(platform::TextNachAnsi(core::LogFeld(wert)));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse) {
    FuzzedDataProvider fdp(daten, groesse);
    core::QsoWerte q;
    for (QString* w : {&q.Datum, &q.Zeit, &q.Call, &q.RstAus, &q.DokAus, &q.RstEin, &q.DokEin,
                       &q.Band, &q.Bemerkung, &q.Mode})
        *w = Wert(fdp);
    const std::string rest = fdp.ConsumeRemainingBytesAsString();
    const QByteArray vorher(rest.data(), qsizetype(rest.size()));

    core::LogSpalten alt;
    const core::LogLadeErgebnis e1 = core::LogInhaltLesen(vorher, alt);

    core::LogSpalten neu;
    neu.Anhaengen(q);
    const QByteArray nachher = vorher + core::AnhangBytes(vorher.isEmpty() ? '\0' : vorher.back(),
                                                          vorher.isEmpty(), core::LogZeile(neu, 0));
    FUZZ_PRUEFEN(nachher.endsWith("\r\n"));

    core::LogSpalten log;
    const core::LogLadeErgebnis e2 = core::LogInhaltLesen(nachher, log);
    for (const QStringList* spalte : log.Spalten())
        FUZZ_PRUEFEN(spalte->size() == log.Anzahl());
    FUZZ_PRUEFEN(e2.abgeschnitten == e1.abgeschnitten);
    FUZZ_PRUEFEN(e2.ohneVersion == e1.ohneVersion);
    for (int i = 0; i < alt.Anzahl(); ++i)
        for (int c = 0; c < 10; ++c)
            FUZZ_PRUEFEN((*log.Spalten()[c])[i] == (*alt.Spalten()[c])[i]);

    const bool gestoppt = e1.meldungen.contains(
        QStringLiteral("Diese Datendatei gehört zu einer neueren Programmversion\n\rSie hat "
                       "nicht das gleiche Format. Bitte Updaten!"));
    if (gestoppt) {
        FUZZ_PRUEFEN(log.Anzahl() == alt.Anzahl());
        return 0;
    }
    FUZZ_PRUEFEN(log.Anzahl() == alt.Anzahl() + 1);
    const core::QsoWerte z = log.Qso(log.Anzahl() - 1);
    FUZZ_PRUEFEN(z.Datum == WieGelesen(q.Datum));
    FUZZ_PRUEFEN(z.Zeit == WieGelesen(q.Zeit));
    FUZZ_PRUEFEN(z.Call == WieGelesen(q.Call));
    FUZZ_PRUEFEN(z.RstAus == WieGelesen(q.RstAus));
    FUZZ_PRUEFEN(z.DokAus == WieGelesen(q.DokAus));
    FUZZ_PRUEFEN(z.RstEin == WieGelesen(q.RstEin));
    FUZZ_PRUEFEN(z.DokEin == WieGelesen(core::Getrimmt(q.DokEin)));
    FUZZ_PRUEFEN(z.Band == WieGelesen(q.Band));
    FUZZ_PRUEFEN(z.Bemerkung == WieGelesen(q.Bemerkung));
    FUZZ_PRUEFEN(z.Mode == WieGelesen(q.Mode));
    return 0;
}
