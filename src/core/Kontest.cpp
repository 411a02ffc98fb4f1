#include "core/Kontest.h"

#include "core/Betriebsart.h"
#include "core/LogDatei.h"
#include "platform/Pfade.h"
#include "platform/ProfilDatei.h"
#include "platform/Version.h"

#include <QDate>
#include <QDir>
#include <QTime>

namespace core {

namespace {

Kontest::Korrektur Abgelehnt(QsoFeld feld, const char* meldung) {
    Kontest::Korrektur k;
    k.feld = static_cast<int>(feld);
    k.meldung = QString::fromUtf8(meldung);
    return k;
}

// The mode a saved text names, or null for a text that names none (a hand-edited log).
const BetriebsartDaten* ModeDaten(const QString& mode) {
    for (const Betriebsart art : AlleBetriebsarten)
        if (mode == QLatin1String(Daten(art).menu))
            return &Daten(art);
    return nullptr;
}

// A report as the report masks let it be typed: exactly the mode's digits; the report given
// also no higher than the mode's limit.
bool RapportGueltig(const QString& rapport, const BetriebsartDaten& mode, bool mitGrenze) {
    const qsizetype stellen = qstrlen(mode.rapport);
    if (rapport.size() != stellen)
        return false;
    for (const QChar c : rapport)
        if (c < u'0' || c > u'9')
            return false;
    return !mitGrenze || rapport.toInt() <= mode.grenze;
}

} // namespace

Kontest::Kontest(Auswerter auswerter) : auswerter_(std::move(auswerter)), liste_(Log) {}

QString Kontest::LogPfad() {
    return QString::fromLatin1(LogDateiName);
}

QString Kontest::LogSicherungPfad() {
    return QString::fromLatin1(LogSicherungName);
}

StartEinstellungen Kontest::EinstellungenLaden(const HauptfensterLage& lage) {
    const platform::IniDatei ini(platform::EinstellungsDatei());
    StartEinstellungen e =
        EinstellungenLesen(ini, lage, QString::fromLatin1(platform::DateiVersion));
    Ini = e.record;
    Trace = e.trace;
    SonderListenStartLaden(Sonderlisten, platform::ProgrammVerzeichnis());
    QsoNummer = 1;
    Log.Leeren();
    ausstehend_.clear();
    liste_.SetzeAusstehend(ausstehend_);
    return e;
}

Kontest::LogStart Kontest::LogLaden() {
    LogStart s;
    const LogLadeErgebnis geladen = LogDateiLesen(LogPfad(), Log);
    QsoNummer = geladen.anzahl;
    s.bandGelesen = geladen.bandGelesen;
    s.letztesBand = geladen.letztesBand;
    s.meldungen = geladen.meldungen;
    logStand_.Setze(geladen.gelesen);
    Doppelte.Aufbauen(Log.SpalteCall);
    Archiv.LaufendesLogUebernehmen(Log);
    liste_.FillQsoGrid();
    s.auswertung = Auswerten();
    ++QsoNummer;
    return s;
}

Kontest::Pruefung Kontest::RufzeichenPruefen(const QString& call) const {
    if (!PruefeRufzeichen(call))
        return Pruefung::Ungueltig;
    if (Doppelte.Gearbeitet(call))
        return Pruefung::Gearbeitet;
    return Pruefung::Neu;
}

QString Kontest::Meldung(Pruefung p) {
    switch (p) {
    case Pruefung::Ungueltig:
        return QStringLiteral("Ungültiges Rufzeichen");
    case Pruefung::Gearbeitet:
        return QStringLiteral("STOP - heute schon gearbeitet");
    case Pruefung::Neu:
        break;
    }
    return {};
}

Kontest::Gespeichert Kontest::Speichern(const QsoWerte& qso) {
    Gespeichert g;
    // 1. the columns (QsoNummer is now the number of QSOs), 2. the list, 3. the file
    const QsoWerte werte = LogFelder(qso);
    Log.Anhaengen(werte);
    Doppelte.Hinzufuegen(werte.Call);
    Archiv.LaufendesQsoUebernehmen(werte.Call, werte.DokEin);
    liste_.AddQsoToGrid();
    ausstehend_.append(Log.Anzahl() - 1);
    const QString meldung = Nachschreiben();
    g.aufPlatte = !ausstehend_.contains(Log.Anzahl() - 1);
    if (!meldung.isEmpty())
        g.meldungen << meldung;
    // 4. the evaluation, 5. the counter
    g.auswertung = Auswerten();
    ++QsoNummer;
    return g;
}

QString Kontest::Nachschreiben() {
    if (ausstehend_.isEmpty())
        return {};
    const LogSchreibErgebnis r = LogZeilenSchreiben(LogPfad(), Log, ausstehend_);
    // What this program appends keeps the file the one it knows.
    if (!r.angehaengt.isEmpty())
        logStand_.Angehaengt(r.vorher, r.angehaengt);
    ausstehend_.remove(0, r.anzahl);
    liste_.SetzeAusstehend(ausstehend_);
    return r.meldung;
}

bool Kontest::AusstehendeSchreiben() {
    Nachschreiben();
    return ausstehend_.isEmpty();
}

Kontest::Korrektur Kontest::QsoPruefen(int index, QsoWerte& neu) const {
    if (index < 0 || index >= Log.Anzahl()) {
        Korrektur k;
        k.meldung = QString::fromLatin1(LogSchreibfehler);
        return k;
    }
    const QsoWerte alt = Log.Qso(index);
    // The characters first, then the values in the order of the dialog's fields, so the first
    // complaint is about the first field in the way.
    constexpr QsoFeld reihe[] = {
        QsoFeld::Call,      QsoFeld::RstAus, QsoFeld::RstEin, QsoFeld::DokEin, QsoFeld::Band,
        QsoFeld::Bemerkung, QsoFeld::Mode,   QsoFeld::Datum,  QsoFeld::Zeit,   QsoFeld::DokAus};
    const auto werte = neu.Felder();
    for (const QsoFeld feld : reihe) {
        const QString& w = *werte[static_cast<int>(feld)];
        // LOG.TXT has no escape for its separator or for a line end.
        if (w.contains(u';') || w.contains(u'\n') || w.contains(u'\r'))
            return Abgelehnt(feld, "Ungültiges Zeichen (\";\" oder Zeilenumbruch)");
    }

    if (neu.Call != alt.Call) {
        if (!PruefeRufzeichen(neu.Call))
            return Abgelehnt(QsoFeld::Call, "Ungültiges Rufzeichen");
        const QString grund = Grundrufzeichen(neu.Call);
        for (int i = 0; i < Log.Anzahl(); ++i)
            if (i != index && Grundrufzeichen(Log.SpalteCall[i]) == grund)
                return Abgelehnt(QsoFeld::Call, "STOP - heute schon gearbeitet");
    }
    // The reports follow the mode, so a mode of its own comes first. An unchanged text that
    // names no mode is taken as a voice mode, as the entry mask takes every mode but CW and the
    // digital ones.
    const bool modeNeu = neu.Mode != alt.Mode;
    const BetriebsartDaten* art = ModeDaten(neu.Mode);
    if (modeNeu && !art)
        return Abgelehnt(QsoFeld::Mode, "Ungültige Betriebsart");
    const BetriebsartDaten& mode = art ? *art : Daten(Betriebsart::SSB);
    if ((modeNeu || neu.RstAus != alt.RstAus) && !RapportGueltig(neu.RstAus, mode, true))
        return Abgelehnt(QsoFeld::RstAus, "Ungültiger Rapport");
    if ((modeNeu || neu.RstEin != alt.RstEin) && !RapportGueltig(neu.RstEin, mode, false))
        return Abgelehnt(QsoFeld::RstEin, "Ungültiger Rapport");
    if (neu.Band != alt.Band && !BandGueltig(neu.Band))
        return Abgelehnt(QsoFeld::Band, "Ungültiges Band");
    if (neu.Datum != alt.Datum &&
        !QDate::fromString(neu.Datum, QStringLiteral("dd.MM.yyyy")).isValid())
        return Abgelehnt(QsoFeld::Datum, "Ungültiges Datum");
    if (neu.Zeit != alt.Zeit) {
        if (QTime::fromString(neu.Zeit, QStringLiteral("HH:mm")).isValid())
            neu.Zeit += QStringLiteral(":00");
        else if (!QTime::fromString(neu.Zeit, QStringLiteral("HH:mm:ss")).isValid())
            return Abgelehnt(QsoFeld::Zeit, "Ungültige Uhrzeit");
    }
    Korrektur k;
    k.ok = true;
    return k;
}

Kontest::Korrektur Kontest::QsoErsetzen(int index, QsoWerte neu) {
    Korrektur k = QsoPruefen(index, neu);
    if (!k.ok)
        return k;
    // Rows and records match only when every QSO of the log is in the file.
    if (!AusstehendeSchreiben()) {
        k.ok = false;
        k.meldung = QString::fromLatin1(LogSchreibfehler);
        return k;
    }
    // The file and the evaluation hold the received DOK trimmed.
    neu.DokEin = Getrimmt(neu.DokEin);
    if (neu == Log.Qso(index)) {
        k.auswertung = auswertung_;
        return k; // nothing to write
    }
    const LogUmschreibErgebnis e =
        LogSatzUmschreiben(LogPfad(), LogSicherungPfad(), Log, logStand_, index, &neu);
    if (!e.geschrieben) {
        k.ok = false;
        k.meldung = e.meldung;
        return k;
    }
    logStand_.Setze(e.inhalt);
    Log.Ersetzen(index, neu);
    Doppelte.Aufbauen(Log.SpalteCall);
    Archiv.LaufendesLogUebernehmen(Log);
    liste_.QsoGeaendert(index);
    k.auswertung = Auswerten();
    return k;
}

Kontest::Korrektur Kontest::QsoLoeschen(int index) {
    Korrektur k;
    if (!AusstehendeSchreiben()) {
        k.meldung = QString::fromLatin1(LogSchreibfehler);
        return k;
    }
    const LogUmschreibErgebnis e =
        LogSatzUmschreiben(LogPfad(), LogSicherungPfad(), Log, logStand_, index, nullptr);
    if (!e.geschrieben) {
        k.meldung = e.meldung;
        return k;
    }
    logStand_.Setze(e.inhalt);
    Log.Entfernen(index);
    Doppelte.Aufbauen(Log.SpalteCall);
    Archiv.LaufendesLogUebernehmen(Log);
    liste_.QsoEntfernt(index);
    --QsoNummer;
    k.ok = true;
    k.auswertung = Auswerten();
    return k;
}

Auswertung Kontest::Auswerten() {
    auswertung_ = auswerter_ ? auswerter_(Log, Ini, Sonderlisten) : Auswertung{};
    return auswertung_;
}

QString Kontest::ArchivPfad() {
    return QDir::current().filePath(QString::fromLatin1(ArchivOrdner));
}

DokArchiv Kontest::ArchivLesen(const QString& ordner, DokArchiv::Lesung* lesung) {
    DokArchiv a;
    const DokArchiv::Lesung l = a.OrdnerLesen(ordner);
    if (lesung)
        *lesung = l;
    return a;
}

void Kontest::ArchivUebernehmen(DokArchiv archiv) {
    archiv.LaufendesLogUebernehmen(Log);
    Archiv = std::move(archiv);
}

QString Kontest::SonderListenNeuEinlesen() {
    return core::SonderListenNeuEinlesen(Sonderlisten, platform::ProgrammVerzeichnis());
}

} // namespace core
