#include "scoring/Multiauswertung.h"

#include "core/LogDatei.h"

#include <QSet>
#include <array>

namespace scoring {

int ModeKlasse(const QString& mode) {
    if (mode == u"CW")
        return 1;
    if (mode == u"PSK" || mode == u"RTTY" || mode == u"SSTV")
        return 2;
    return 0;
}

namespace {

// Stores every received DOK trimmed. This happens in every run, also one that counts nothing,
// so that every later reader of the column sees the DOKs without blanks.
void DoksTrimmen(QStringList& doks) {
    for (qsizetype i = 0; i < doks.size(); ++i) {
        const QString& roh = doks.at(i);
        const QStringView getrimmt = core::Getrimmt(QStringView(roh));
        if (getrimmt.size() != roh.size())
            doks[i] = getrimmt.toString();
    }
}

} // namespace

int BandIndex(const QString& band) {
    for (int b = 0; b < BandAnzahl; ++b)
        if (band == QLatin1StringView(MultiBaender[b]))
            return b;
    return -1;
}

int PunkteProQso(const QStringList& modes, qsizetype anzahl) {
    const auto mode = [&](qsizetype i) { return i < modes.size() ? modes[i] : QString(); };
    const int erste = ModeKlasse(mode(0));
    if (erste == 0)
        return 1;
    for (qsizetype i = 1; i < anzahl; ++i)
        if (ModeKlasse(mode(i)) != erste)
            return 1;
    return 3;
}

QString SonderCallSchluessel(const QString& call) {
    QStringView c = core::Getrimmt(QStringView(call));
    const qsizetype p = c.indexOf(u"/P");
    if (p >= 0)
        c = c.first(p);
    return c.toString();
}

QString DistriktBestimmen(core::IniRecord& station, bool& ungueltig) {
    ungueltig = false;
    QString distrikt = station.FDmanagerDOK.left(1);
    if (!station.Distriktskenner.isEmpty()) {
        station.Distriktskenner = core::AsciiGross(station.Distriktskenner);
        const char16_t erstes = station.Distriktskenner.front().unicode();
        if (erstes >= u'A' && erstes <= u'Z')
            distrikt = station.Distriktskenner;
        else
            ungueltig = true;
    }
    return distrikt;
}

Auswertung Multiauswertung(core::LogSpalten& log, core::IniRecord& station,
                           const core::SonderListen& listen) {
    Auswertung a;
    const QString& eigenerDok = station.FDmanagerDOK;
    const QString distrikt = DistriktBestimmen(station, a.DistriktskennerUngueltig);

    DoksTrimmen(log.SpalteDokEin);
    const qsizetype anzahl = log.SpalteDokEin.size();
    if (distrikt.size() != 1 || anzahl == 0)
        return a;
    const QChar distriktZeichen = distrikt.front();

    const int punkteProQso = PunkteProQso(log.SpalteMode, anzahl);
    BandMultis bandMultis;

    for (qsizetype i = 0; i < anzahl; ++i) {
        a.QsoPunkte += punkteProQso;

        const QString& dok = log.SpalteDokEin.at(i);
        const QString dokGefaltet = dok.toCaseFolded();

        // Only the first QSO with a station of the own DOK earns points, whatever the band.
        if (dok == eigenerDok && bandMultis.IrgendwoGezaehlt(dokGefaltet))
            a.QsoPunkte -= punkteProQso;

        const int band = i < log.SpalteBand.size() ? BandIndex(log.SpalteBand.at(i)) : -1;
        if (band < 0)
            continue;
        auto& menge = bandMultis[band];

        const bool dokZaehlt = listen.SonderDOKListe.EnthaeltGefaltet(dokGefaltet) ||
                               (!dok.isEmpty() && dok.front() == distriktZeichen);
        if (dokZaehlt && !menge.contains(dokGefaltet)) {
            menge.insert(dokGefaltet);
            ++a.Multis;
        }

        if (i < log.SpalteCall.size() && listen.SonderCallListe.Anzahl() > 0) {
            const QString call = SonderCallSchluessel(log.SpalteCall.at(i)).toCaseFolded();
            if (listen.SonderCallListe.EnthaeltGefaltet(call) && !menge.contains(call)) {
                menge.insert(call);
                ++a.Multis;
            }
        }
    }
    a.Punkte = a.QsoPunkte * a.Multis;
    return a;
}

QString MultisText(const Auswertung& a) {
    return QStringLiteral("Multis: %1").arg(a.Multis);
}

QString PunkteText(const Auswertung& a) {
    return QStringLiteral("QSO Punkte: %1").arg(a.QsoPunkte * a.Multis);
}

} // namespace scoring
