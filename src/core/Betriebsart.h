// The six operating modes with their report masks, default reports and limits, and the bands.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace core {

enum class Betriebsart { SSB, CW, FM, PSK, RTTY, SSTV };

struct BetriebsartDaten {
    Betriebsart art;
    const char* menu;  // caption of the menu item
    const char* label; // text of the mode label, four characters
    const char* maske; // report mask
    const char* rapport;
    int grenze; // upper limit of the report given
};

const BetriebsartDaten& Daten(Betriebsart art);
inline constexpr std::array<Betriebsart, 6> AlleBetriebsarten = {
    Betriebsart::SSB, Betriebsart::CW,   Betriebsart::FM,
    Betriebsart::PSK, Betriebsart::RTTY, Betriebsart::SSTV};

// The text saved in SpalteMode, derived from the label.
QString ModeText(const QString& label);
// The next mode of the label's click cycle CW, SSB, FM, PSK, RTTY, SSTV, CW.
Betriebsart NaechsteImKreis(Betriebsart art);

// Bands the band box accepts when left; anything else becomes "2".
bool BandGueltig(const QString& band);
inline const QStringList BandListe = {QStringLiteral("80"), QStringLiteral("10"),
                                      QStringLiteral("2"), QStringLiteral("0.70")};

} // namespace core
