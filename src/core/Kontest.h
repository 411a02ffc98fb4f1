// The running contest without a window: the settings record, the in-memory log with its counter,
// the duplicate index, the special lists, the list model and the last evaluation, with the
// start-up loading, the save sequence and the correction of a logged QSO. The main window owns
// one and shows what it returns.
#pragma once

#include "core/Auswertung.h"
#include "core/DokArchiv.h"
#include "core/IniRecord.h"
#include "core/LogKorrektur.h"
#include "core/LogSpalten.h"
#include "core/QsoListe.h"
#include "core/Rufzeichen.h"
#include "core/SonderListen.h"

#include <QString>
#include <QStringList>

namespace core {

class Kontest {
public:
    explicit Kontest(Auswerter auswerter);
    Kontest(const Kontest&) = delete;
    Kontest& operator=(const Kontest&) = delete;

    // --- state of the running contest ---
    IniRecord Ini;
    bool Trace = false;
    LogSpalten Log;
    // Between saves the number of QSOs plus 1.
    qint32 QsoNummer = 0;
    DoppelIndex Doppelte;
    SonderListen Sonderlisten;
    // The DOKs of earlier evenings and of this one, by base callsign.
    DokArchiv Archiv;
    QsoListenModell& Liste() { return liste_; }
    const Auswertung& LetzteAuswertung() const { return auswertung_; }

    // Start-up, first half: Log.ini and the special lists from the program's directory.
    StartEinstellungen EinstellungenLaden(const HauptfensterLage& lage);

    struct LogStart {
        QStringList meldungen;    // plain boxes, in order
        bool bandGelesen = false; // at least one QSO was loaded
        QString letztesBand;      // the band of the last QSO loaded
        Auswertung auswertung;
    };
    // Start-up, second half: LOG.TXT into the log, the list filled, the evaluation run.
    LogStart LogLaden();

    enum class Pruefung { Neu, Ungueltig, Gearbeitet };
    // The plausibility and the duplicate check of a callsign about to be logged.
    Pruefung RufzeichenPruefen(const QString& call) const;
    static QString Meldung(Pruefung p);

    struct Gespeichert {
        bool aufPlatte = false; // the line is on the disk
        QStringList meldungen;  // plain boxes, in order
        Auswertung auswertung;
    };
    // The save sequence: the columns, the list's new top row, the line appended to LOG.TXT and
    // flushed to the disk, the evaluation, the counter. A ";" or a line break in a value would
    // split the record in the file, so the values enter the log as LogFelder makes them. The
    // QSOs still waiting for the disk go first, in their order.
    Gespeichert Speichern(const QsoWerte& qso);

    // The QSOs of the log whose lines are not in LOG.TXT yet (the disk was full, the file could
    // not be written), oldest first. They stay in the log, the list shows them in red, and every
    // later save, and closing, writes them first.
    const QList<int>& Ausstehend() const { return ausstehend_; }
    // Tries to write them now; true when none is left waiting.
    bool AusstehendeSchreiben();
    struct Korrektur {
        bool ok = false;
        QString meldung;       // the plain box to show when refused or not written
        int feld = -1;         // the field a refusal is about (a QsoFeld), -1 for none
        Auswertung auswertung; // after a change
    };
    // The checks of a corrected QSO before anything is written, with the entry mask's rules and
    // texts. A value left as it was passes (the band, a callsign that the log holds twice); the
    // reports are checked again when the mode changed. A time "hh:mm" becomes "hh:mm:00", as a
    // save writes it.
    Korrektur QsoPruefen(int index, QsoWerte& neu) const;
    // QSO `index` (0 the oldest) replaced by `neu` or removed: LOG.TXT rewritten with only its
    // line changed, then the log, the duplicate index, the list, the counter and the evaluation
    // follow as after a save. A refusal or a failed write changes nothing.
    Korrektur QsoErsetzen(int index, QsoWerte neu);
    Korrektur QsoLoeschen(int index);

    // The evaluation over the whole log, as after a save.
    Auswertung Auswerten();

    // The archive folder beside LOG.TXT, and the archive read from it (any thread); the result
    // is handed over with ArchivUebernehmen, which adds the running log as the most recent.
    static QString ArchivPfad();
    static DokArchiv ArchivLesen(const QString& ordner, DokArchiv::Lesung* lesung = nullptr);
    void ArchivUebernehmen(DokArchiv archiv);

    // "Sonderlisten neu einlesen": the text of the box that reports what was read.
    QString SonderListenNeuEinlesen();

    // The file the log is kept in: LOG.TXT in the working directory.
    static QString LogPfad();
    // The file a correction keeps the previous LOG.TXT in.
    static QString LogSicherungPfad();

private:
    Auswerter auswerter_;
    QsoListenModell liste_;
    Auswertung auswertung_;
    QList<int> ausstehend_;

    // Writes the waiting QSOs; the message of a failure, or an empty text.
    QString Nachschreiben();
    LogFingerabdruck logStand_;
};

} // namespace core
