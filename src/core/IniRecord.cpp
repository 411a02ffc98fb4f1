#include "core/IniRecord.h"

#include "platform/ProfilDatei.h"

namespace core {
namespace {
const QString Station = QStringLiteral("Stationsangaben");
const QString Fenster = QStringLiteral("Fenster");
const QString Einstellung = QStringLiteral("Einstellung");

int SuchLeftVorgabe(const HauptfensterLage& lage) {
    return lage.left + lage.aussenBreite / 2;
}
int SuchTopVorgabe(const HauptfensterLage& lage) {
    return lage.top + 15;
}
} // namespace

QString AsciiGross(const QString& text) {
    QString s = text;
    for (QChar& c : s)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 'a' + 'A');
    return s;
}

StartEinstellungen EinstellungenLesen(const platform::IniDatei& ini, const HauptfensterLage& lage,
                                      const QString& dateiVersion) {
    StartEinstellungen e;
    IniRecord& r = e.record;
    r.Stationscall =
        ini.LeseText(Station, QStringLiteral("Stationscall"), QStringLiteral("CALL UNBEKANNT"));
    r.Kontestbezeichnung = ini.LeseText(Station, QStringLiteral("Kontestbezeichnung"),
                                        QStringLiteral("RLP Aktivitätsabend"));
    r.FDmanagerName =
        ini.LeseText(Station, QStringLiteral("FDmanagerName"), QStringLiteral("Vor- und Nachname"));
    r.FDmanagerStr =
        ini.LeseText(Station, QStringLiteral("FDmanagerStr"), QStringLiteral("Strasse + Nr."));
    r.FDmanagerOrt =
        ini.LeseText(Station, QStringLiteral("FDmanagerOrt"), QStringLiteral("Plz und Ort"));
    r.FDmanagerTelGesch = ini.LeseText(Station, QStringLiteral("FDmanagerTelGesch"),
                                       QStringLiteral("Telefon geschäftlich"));
    r.FDmanagerTelPrivat = ini.LeseText(Station, QStringLiteral("FDmanagerTelPrivat"),
                                        QStringLiteral("Telefon privat"));
    r.FDmanagerDOK = ini.LeseText(Station, QStringLiteral("FDmanagerDOK"), QStringLiteral("???"));
    r.Distriktskenner =
        AsciiGross(ini.LeseText(Station, QStringLiteral("Distriktskenner"), QString()));
    r.SuchLeft = ini.LeseGanzzahl(Fenster, QStringLiteral("SuchLeft"), SuchLeftVorgabe(lage));
    r.SuchTop = ini.LeseGanzzahl(Fenster, QStringLiteral("SuchTop"), SuchTopVorgabe(lage));
    r.LogformLeft = ini.LeseGanzzahl(Fenster, QStringLiteral("LogformLeft"), 5);
    r.LogformTop = ini.LeseGanzzahl(Fenster, QStringLiteral("LogformTop"), 5);
    e.trace = ini.LeseSchalter(QStringLiteral("Trace"), QStringLiteral("Trace"), false);
    r.ZeitmodusUTC = ini.LeseSchalter(Einstellung, QStringLiteral("UTC"), true);
    r.Operators = ini.LeseText(Station, QStringLiteral("Operators"), r.Stationscall);
    e.dokVorschlag = ini.LeseSchalter(Einstellung, QStringLiteral("DokVorschlag"), true);
    e.starthinweise = ini.LeseSchalter(Fenster, QStringLiteral("Starthinweise"), true);
    if (!e.starthinweise) {
        // Hints switched off in another version come back once.
        const QString ver = ini.LeseText(Fenster, QStringLiteral("StarthinweiseVer"), dateiVersion);
        if (ver != dateiVersion)
            e.starthinweise = true;
    }
    return e;
}

SuchEinstellungen SuchEinstellungenLesen(const platform::IniDatei& ini,
                                         const HauptfensterLage& lage) {
    SuchEinstellungen s;
    s.left = ini.LeseGanzzahl(Fenster, QStringLiteral("SuchLeft"), SuchLeftVorgabe(lage));
    s.top = ini.LeseGanzzahl(Fenster, QStringLiteral("SuchTop"), SuchTopVorgabe(lage));
    s.autoSuche = ini.LeseSchalter(Fenster, QStringLiteral("AutoSuche"), true);
    return s;
}

void StationsangabenSchreiben(platform::IniDatei& ini, const IniRecord& r) {
    ini.SchreibeText(Station, QStringLiteral("Stationscall"), r.Stationscall);
    ini.SchreibeText(Station, QStringLiteral("Kontestbezeichnung"), r.Kontestbezeichnung);
    ini.SchreibeText(Station, QStringLiteral("FDmanagerName"), r.FDmanagerName);
    ini.SchreibeText(Station, QStringLiteral("FDmanagerStr"), r.FDmanagerStr);
    ini.SchreibeText(Station, QStringLiteral("FDmanagerOrt"), r.FDmanagerOrt);
    ini.SchreibeText(Station, QStringLiteral("FDmanagerTelGesch"), r.FDmanagerTelGesch);
    ini.SchreibeText(Station, QStringLiteral("FDmanagerTelPrivat"), r.FDmanagerTelPrivat);
    ini.SchreibeText(Station, QStringLiteral("FDmanagerDOK"), r.FDmanagerDOK);
    ini.SchreibeText(Station, QStringLiteral("Distriktskenner"), r.Distriktskenner);
    ini.SchreibeText(Station, QStringLiteral("Operators"), r.Operators);
}

bool SuchPositionSchreiben(platform::IniDatei& ini, IniRecord& r, int left, int top) {
    if (left == r.SuchLeft && top == r.SuchTop)
        return false;
    // Remembered before it is written: a Log.ini that cannot be written is reported once per
    // move, not again at every keystroke that looks at the position.
    r.SuchLeft = left;
    r.SuchTop = top;
    ini.SchreibeGanzzahl(Fenster, QStringLiteral("SuchLeft"), left);
    ini.SchreibeGanzzahl(Fenster, QStringLiteral("SuchTop"), top);
    return true;
}

bool LogformPositionSchreiben(platform::IniDatei& ini, IniRecord& r, int left, int top) {
    if (left == r.LogformLeft && top == r.LogformTop)
        return false;
    r.LogformLeft = left;
    r.LogformTop = top;
    ini.SchreibeGanzzahl(Fenster, QStringLiteral("LogformLeft"), left);
    ini.SchreibeGanzzahl(Fenster, QStringLiteral("LogformTop"), top);
    return true;
}

void UtcSchreiben(platform::IniDatei& ini, bool utc) {
    ini.SchreibeSchalter(Einstellung, QStringLiteral("UTC"), utc);
}

void StarthinweiseSchreiben(platform::IniDatei& ini, bool an) {
    ini.SchreibeSchalter(Fenster, QStringLiteral("Starthinweise"), an);
}

void StarthinweiseVersionSchreiben(platform::IniDatei& ini, const QString& dateiVersion) {
    ini.SchreibeText(Fenster, QStringLiteral("StarthinweiseVer"), dateiVersion);
}

void AutoSucheSchreiben(platform::IniDatei& ini, bool an) {
    ini.SchreibeSchalter(Fenster, QStringLiteral("AutoSuche"), an);
}

void DokVorschlagSchreiben(platform::IniDatei& ini, bool an) {
    ini.SchreibeSchalter(Einstellung, QStringLiteral("DokVorschlag"), an);
}

} // namespace core
