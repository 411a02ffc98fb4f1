#include "scoring/Berichtsauswertung.h"

#include "core/LogDatei.h"
#include "scoring/Multiauswertung.h"

#include <QSet>
#include <array>

namespace scoring {

namespace {

bool Ziffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

QString Zeile(const QStringList& spalte, qsizetype i) {
    return i < spalte.size() ? spalte.at(i) : QString();
}

} // namespace

QString BemerkungGekuerzt(const QString& bemerkung) {
    if (bemerkung.size() > 19)
        return core::Getrimmt(bemerkung.left(18) + QStringLiteral(".."));
    return core::Getrimmt(bemerkung);
}

QString GearbeiteteBaender(const QStringList& baender) {
    QSet<QString> gesehen;
    QStringList teile;
    for (const QString& band : baender) {
        const QString schluessel = band.toCaseFolded();
        if (gesehen.contains(schluessel))
            continue;
        gesehen.insert(schluessel);
        const bool quoten = std::any_of(band.cbegin(), band.cend(), [](QChar c) {
            return c.unicode() <= 0x20 || c == u'"' || c == u'+';
        });
        if (quoten) {
            QString q = band;
            q.replace(u'"', QStringLiteral("\"\""));
            teile << u'"' + q + u'"';
        } else {
            teile << band;
        }
    }
    return teile.join(u'+');
}

Berichtsauswertung BerichtAuswerten(const core::LogSpalten& log, core::IniRecord& station,
                                    const core::SonderListen& listen, EigenerDokRegel regel) {
    Berichtsauswertung b;
    b.Distrikt = DistriktBestimmen(station, b.DistriktskennerUngueltig);
    const qsizetype anzahl = log.SpalteDatum.size();
    if (b.Distrikt.size() != 1 || anzahl == 0)
        return b;
    b.Druckbar = true;
    const QChar distrikt = b.Distrikt.front();
    const QString& eigenerDok = station.FDmanagerDOK;
    b.GearbeiteteBaender = GearbeiteteBaender(log.SpalteBand);
    b.PunkteProQso = PunkteProQso(log.SpalteMode, anzahl);

    BandMultis bandMultis;

    b.Zeilen.reserve(anzahl);
    for (qsizetype i = 0; i < anzahl; ++i) {
        int zeilenMultis = 0;
        ++b.QsosWertbar;
        ++b.QsosTotal;
        b.QsoPunkte += b.PunkteProQso;

        const QString dokRoh = Zeile(log.SpalteDokEin, i);
        const QString dok = core::Getrimmt(dokRoh);
        const QString dokGefaltet = dok.toCaseFolded();
        const bool eigener = dokRoh == eigenerDok;
        if (eigener && (regel == EigenerDokRegel::JederOhnePunkte ||
                        bandMultis.IrgendwoGezaehlt(dokGefaltet))) {
            b.QsoPunkte -= b.PunkteProQso;
            --b.QsosWertbar;
        }

        const int band = BandIndex(Zeile(log.SpalteBand, i));
        if (band >= 0) {
            auto& menge = bandMultis[band];
            const bool distriktDok =
                dok.size() == 3 && dok.at(0) == distrikt && Ziffer(dok.at(1)) && Ziffer(dok.at(2));
            const bool dokZaehlt =
                listen.SonderDOKListe.EnthaeltGefaltet(dokGefaltet) || distriktDok;
            if (dokZaehlt && !menge.contains(dokGefaltet)) {
                menge.insert(dokGefaltet);
                ++b.Multis;
                ++zeilenMultis;
            }
            if (listen.SonderCallListe.Anzahl() > 0) {
                const QString call = SonderCallSchluessel(Zeile(log.SpalteCall, i)).toCaseFolded();
                if (listen.SonderCallListe.EnthaeltGefaltet(call) && !menge.contains(call)) {
                    menge.insert(call);
                    ++b.Multis;
                    ++zeilenMultis;
                }
            }
        }

        BerichtsZeile z;
        z.Datum = Zeile(log.SpalteDatum, i).left(6);
        z.Zeit = Zeile(log.SpalteZeit, i).left(5);
        z.Call = core::Getrimmt(Zeile(log.SpalteCall, i));
        z.Band = core::Getrimmt(Zeile(log.SpalteBand, i));
        z.Mode = core::Getrimmt(Zeile(log.SpalteMode, i));
        z.RstAus = core::Getrimmt(Zeile(log.SpalteRstAus, i));
        z.RstEin = core::Getrimmt(Zeile(log.SpalteRstEin, i));
        z.DokEin = dok;
        z.ZeilenMultis = zeilenMultis;
        z.Bemerkung = BemerkungGekuerzt(Zeile(log.SpalteBemerkung, i));
        b.Zeilen.append(std::move(z));
    }
    return b;
}

} // namespace scoring
