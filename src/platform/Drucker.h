// The default printer behind a seam: its resolution, paper and unprintable border, text metrics
// of fonts at its resolution, and print jobs. The program uses the Qt implementation (CUPS on
// Linux); a test puts in a printer of its own.
#pragma once

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringView>
#include <memory>
#include <optional>

class QPainter;

namespace platform {

// What the default printer tells about itself, in its own pixels, for the orientation asked.
struct Druckerdaten {
    int dpiX = 300;
    int dpiY = 300;
    QSize papier;   // the whole sheet
    QPoint versatz; // left and top unprintable border; the printable area starts there
};

// Metrics of a font whose size is given in pixels of the printer.
struct Schriftmetrik {
    int hoehe = 0;               // ascent plus descent
    int aufstieg = 0;            // from the top of a text to its baseline
    int externerDurchschuss = 0; // the gap the font asks for between two lines
};

// One running print job. Pages are drawn with Painter() in the printer's pixels, the origin at
// the top left corner of the printable area.
class Druckauftrag {
public:
    virtual ~Druckauftrag() = default;
    virtual QPainter& Painter() = 0;
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    virtual void NeueSeite() = 0;
    // Sends the job to the printer; raises Fehler when that fails.
    virtual void Ende() = 0;
    // Throws the job away; nothing is printed.
    virtual void Abbrechen() = 0;
};

class Drucker {
public:
    virtual ~Drucker() = default;
    // The default printer, or nothing when none is installed or the printer service fails.
    virtual std::optional<Druckerdaten> Standarddrucker(bool quer) = 0;
    virtual Schriftmetrik Metrik(const QFont& font) = 0;
    // Width of a text in the font's pixels, rounded to whole pixels.
    virtual int Textbreite(const QFont& font, QStringView text) = 0;
    // The printer's own copy count, used by the next job.
    virtual int Kopien() const = 0;
    virtual void SetzeKopien(int kopien) = 0;
    // Starts a job on the default printer; raises Fehler when there is none or it fails.
    virtual std::unique_ptr<Druckauftrag> Starte(const QString& titel, bool quer) = 0;

    // The Qt printer unless a test has put in its own.
    static Drucker& Instanz();
    // nullptr brings back the Qt printer. The caller keeps ownership.
    static void SetzeInstanz(Drucker* drucker);
};

} // namespace platform
