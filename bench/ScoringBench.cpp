// Multiauswertung over logs of 10 000 and 100 000 QSOs: every saved QSO reruns it over the whole
// log, so its cost must grow linearly.
#include "scoring/Multiauswertung.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

core::LogSpalten ZufallsLog(int anzahl) {
    std::mt19937 zufall(4711);
    const char* baender[] = {"80", "40", "10", "2", "0.70", "20"};
    const char* modes[] = {"CW", "SSB", "FM", "RTTY"};
    core::LogSpalten log;
    log.Reservieren(anzahl);
    for (int i = 0; i < anzahl; ++i) {
        core::QsoWerte q;
        q.Call = QStringLiteral("DL%1ABC").arg(zufall() % 10000);
        if (zufall() % 20 == 0)
            q.Call += QStringLiteral("/P");
        // Mostly the contest's district, some others, a few with blanks from a hand-edited log.
        const char distrikt = zufall() % 4 == 0 ? char('A' + zufall() % 26) : 'K';
        q.DokEin = QStringLiteral("%1%2")
                       .arg(QChar::fromLatin1(distrikt))
                       .arg(zufall() % 60, 2, 10, QChar(u'0'));
        if (zufall() % 50 == 0)
            q.DokEin = QStringLiteral(" ") + q.DokEin;
        q.Band = QString::fromLatin1(baender[zufall() % std::size(baender)]);
        q.Mode = QString::fromLatin1(modes[zufall() % std::size(modes)]);
        log.Anhaengen(q);
    }
    return log;
}

void BM_Multiauswertung(benchmark::State& state) {
    core::LogSpalten log = ZufallsLog(static_cast<int>(state.range(0)));
    core::IniRecord station;
    station.FDmanagerDOK = QStringLiteral("K32");
    core::SonderListen listen;
    QStringList doks, calls;
    for (int i = 0; i < 50; ++i) {
        doks << QStringLiteral("Z%1").arg(i);
        calls << QStringLiteral("DL%1ABC").arg(i * 7);
    }
    listen.SonderDOKListe.Setzen(doks);
    listen.SonderCallListe.Setzen(calls);
    for (auto _ : state) {
        const auto a = scoring::Multiauswertung(log, station, listen);
        benchmark::DoNotOptimize(a.Punkte);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Multiauswertung)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
