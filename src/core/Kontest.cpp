#include "core/Kontest.h"

#include "core/LogDatei.h"

#include "platform/Pfade.h"
#include "platform/ProfilDatei.h"
#include "platform/Version.h"
#include <QDir>

namespace core {

Kontest::Kontest(Auswerter auswerter) : auswerter_(std::move(auswerter)), liste_(Log) {}

QString Kontest::LogPfad() {
    return QString::fromLatin1(LogDateiName);
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
    ausstehend_.remove(0, r.anzahl);
    liste_.SetzeAusstehend(ausstehend_);
    return r.meldung;
}

bool Kontest::AusstehendeSchreiben() {
    Nachschreiben();
    return ausstehend_.isEmpty();
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
