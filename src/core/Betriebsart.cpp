#include "core/Betriebsart.h"

namespace core {
namespace {
constexpr std::array<BetriebsartDaten, 6> Tabelle = {{
    {Betriebsart::SSB, "SSB", "SSB ", "00;0; ", "59", 59},
    {Betriebsart::CW, "CW", " CW ", "000;0; ", "599", 599},
    {Betriebsart::FM, "FM", " FM ", "00;0; ", "59", 59},
    {Betriebsart::PSK, "PSK", "PSK ", "000;0; ", "599", 599},
    {Betriebsart::RTTY, "RTTY", "RTTY", "000;0; ", "599", 599},
    {Betriebsart::SSTV, "SSTV", "SSTV", "000;0; ", "599", 599},
}};
} // namespace

const BetriebsartDaten& Daten(Betriebsart art) {
    return Tabelle[static_cast<int>(art)];
}

QString ModeText(const QString& label) {
    return label.trimmed();
}

Betriebsart NaechsteImKreis(Betriebsart art) {
    switch (art) {
    case Betriebsart::CW:
        return Betriebsart::SSB;
    case Betriebsart::SSB:
        return Betriebsart::FM;
    case Betriebsart::PSK:
        return Betriebsart::RTTY;
    case Betriebsart::RTTY:
        return Betriebsart::SSTV;
    case Betriebsart::SSTV:
        return Betriebsart::CW;
    case Betriebsart::FM:
        break;
    }
    return Betriebsart::PSK;
}

bool BandGueltig(const QString& band) {
    return band == u"80" || band == u"40" || band == u"2" || band == u"10" || band == u"0.70";
}

} // namespace core
