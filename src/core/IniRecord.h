// The settings record read from Log.ini at start, with the readers and writers of every key.
#pragma once

#include <QString>

namespace platform {
class IniDatei;
}

namespace core {

struct IniRecord {
    QString Stationscall;
    QString Kontestbezeichnung;
    QString FDmanagerName;
    QString FDmanagerStr;
    QString FDmanagerOrt;
    QString FDmanagerTelGesch;
    QString FDmanagerTelPrivat;
    QString FDmanagerDOK;
    qint32 SuchLeft = 0;
    qint32 SuchTop = 0;
    qint32 LogformLeft = 5;
    qint32 LogformTop = 5;
    bool ZeitmodusUTC = true;
    QString Distriktskenner;
    QString Operators;
};

// What the main window's creation reads besides the record.
struct StartEinstellungen {
    IniRecord record;
    bool trace = false;
    bool starthinweise = true; // the tick of "Starthinweise anzeigen" after the version rule
    bool dokVorschlag = true;  // the tick of "DOK-Vorschlag aus dem Archiv"
};

// The geometry the defaults of the search window's position are taken from.
struct HauptfensterLage {
    int left = 5;
    int top = 5;
    int aussenBreite = 0;
};

// Reads every key in the order of start-up. The defaults of SuchLeft and SuchTop follow the main
// window's position as it stands before it is moved to the stored one.
StartEinstellungen EinstellungenLesen(const platform::IniDatei& ini, const HauptfensterLage& lage,
                                      const QString& dateiVersion);

// The search window's creation reads its position again and the automatic-search switch.
struct SuchEinstellungen {
    qint32 left = 0;
    qint32 top = 0;
    bool autoSuche = true;
};
SuchEinstellungen SuchEinstellungenLesen(const platform::IniDatei& ini,
                                         const HauptfensterLage& lage);

// Writes all ten station data keys, in their order.
void StationsangabenSchreiben(platform::IniDatei& ini, const IniRecord& record);

// Writes a window position (both keys, left first) only when it differs from the remembered one;
// the record is updated. True when something was written.
bool SuchPositionSchreiben(platform::IniDatei& ini, IniRecord& record, int left, int top);
bool LogformPositionSchreiben(platform::IniDatei& ini, IniRecord& record, int left, int top);

void UtcSchreiben(platform::IniDatei& ini, bool utc);
void StarthinweiseSchreiben(platform::IniDatei& ini, bool an);
void StarthinweiseVersionSchreiben(platform::IniDatei& ini, const QString& dateiVersion);
void AutoSucheSchreiben(platform::IniDatei& ini, bool an);
void DokVorschlagSchreiben(platform::IniDatei& ini, bool an);

// Upper case for the ASCII letters a to z only.
QString AsciiGross(const QString& text);

} // namespace core
