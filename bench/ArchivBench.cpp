// Reading an archive of 200 earlier logs of 500 QSOs each (100 000 QSOs), and the lookup of one
// callsign in it.
#include "core/DokArchiv.h"
#include "core/LogDatei.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QTemporaryDir& Archiv() {
    static const QTemporaryDir dir = [] {
        QTemporaryDir d;
        for (int datei = 0; datei < 200; ++datei) {
            QByteArray b = QByteArray(core::LogKopfzeile) + "\r\n";
            for (int i = 0; i < 500; ++i) {
                const int station = (datei * 131 + i * 17) % 20000;
                b += "1;" + QByteArray::number(1 + datei % 28).rightJustified(2, '0') + "." +
                     QByteArray::number(1 + datei % 12).rightJustified(2, '0') +
                     ".2026;19:" + QByteArray::number(i % 60).rightJustified(2, '0') + ":00;QA" +
                     QByteArray::number(station % 10) + "X" + QByteArray::number(station) +
                     ";59;K32;59;K" + QByteArray::number(station % 50) + ";2;;SSB;\r\n";
            }
            QFile f(
                QDir(d.path()).filePath(QStringLiteral("%1.TXT").arg(datei, 3, 10, QChar('0'))));
            f.open(QIODevice::WriteOnly);
            f.write(b);
        }
        return d;
    }();
    return dir;
}

void ArchivLesen(benchmark::State& state) {
    const QString ordner = Archiv().path();
    for (auto _ : state) {
        core::DokArchiv a;
        const auto l = a.OrdnerLesen(ordner);
        benchmark::DoNotOptimize(l.dateien);
        state.counters["Stationen"] = a.Stationen();
    }
}
BENCHMARK(ArchivLesen)->Unit(benchmark::kMillisecond);

void ArchivNachschlagen(benchmark::State& state) {
    core::DokArchiv a;
    a.OrdnerLesen(Archiv().path());
    const QString call = QStringLiteral("QA7X12347/P");
    for (auto _ : state)
        benchmark::DoNotOptimize(a.Dok(call));
}
BENCHMARK(ArchivNachschlagen);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
