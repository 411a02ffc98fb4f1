// Loading LOG.TXT of 100 000 QSOs into the columns, with the duplicate index and the list model
// filled as the start does, and the duplicate check of one callsign against a long log.
#include "core/LogDatei.h"
#include "core/QsoListe.h"
#include "core/Rufzeichen.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray LogMit(int n) {
    QByteArray b = QByteArray(core::LogKopfzeile) + "\r\n";
    b.reserve(n * 64);
    for (int i = 0; i < n; ++i)
        b += "1;24.03.2026;19:05:00;QA" + QByteArray::number(i % 10) + "X" + QByteArray::number(i) +
             ";59;K32;59;K" + QByteArray::number(i % 50) + ";2;eine Bemerkung;SSB;\r\n";
    return b;
}

void LogLaden(benchmark::State& state) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath("LOG.TXT");
    {
        QFile f(pfad);
        f.open(QIODevice::WriteOnly);
        f.write(LogMit(static_cast<int>(state.range(0))));
    }
    for (auto _ : state) {
        core::LogSpalten log;
        const auto e = core::LogDateiLesen(pfad, log);
        core::DoppelIndex index;
        index.Aufbauen(log.SpalteCall);
        core::QsoListenModell modell(log);
        modell.FillQsoGrid();
        benchmark::DoNotOptimize(e.anzahl);
        benchmark::DoNotOptimize(modell.rowCount());
    }
}
BENCHMARK(LogLaden)->Arg(100000)->Unit(benchmark::kMillisecond);

void DoppelPruefung(benchmark::State& state) {
    QStringList calls;
    for (int i = 0; i < state.range(0); ++i)
        calls << QStringLiteral("QA%1X%2/P").arg(i % 10).arg(i);
    core::DoppelIndex index;
    index.Aufbauen(calls);
    const QString neu = QStringLiteral("QB/QA5X77777");
    for (auto _ : state)
        benchmark::DoNotOptimize(index.Gearbeitet(neu));
}
BENCHMARK(DoppelPruefung)->Arg(10000)->Arg(100000);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
