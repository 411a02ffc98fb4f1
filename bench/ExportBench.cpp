// The STF and the ADIF export over a LOG.TXT of 100 000 QSOs, file reading and writing included.
#include "export/Exporte.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int AnzahlQsos = 100000;

struct Umgebung {
    QTemporaryDir dir;
    QString log = dir.filePath(QStringLiteral("LOG.TXT"));

    Umgebung() {
        static const char* const baender[] = {"80", "40", "10", "2", "0.70"};
        static const char* const modes[] = {"SSB", "CW", "FM", "PSK", "RTTY", "SSTV"};
        QByteArray inhalt = "Version;Datum;Zeit in UTC;Call;Rst gegeben;DOK gegeben;Rst erhalten;"
                            "DOK erhalten;Band;Bemerkungen;Mode;\r\n";
        inhalt.reserve(AnzahlQsos * 70);
        for (int i = 0; i < AnzahlQsos; ++i) {
            inhalt += "1;07.03.2014;19:" + QByteArray::number(i % 60).rightJustified(2, '0') +
                      ":00;DL" + QByteArray::number(i) + "X;59;K32;57;Z" +
                      QByteArray::number(i % 99) + ";" + baender[i % 5] + ";" +
                      (i % 3 ? "" : "Bemerkung mit Blanks") + ";" + modes[i % 6] + ";\r\n";
        }
        QFile f(log);
        if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size())
            throw std::runtime_error("cannot write LOG.TXT");
    }
};

Umgebung& Welt() {
    static Umgebung u;
    return u;
}

void BM_StfExport(benchmark::State& state) {
    Umgebung& u = Welt();
    core::IniRecord station;
    station.Kontestbezeichnung = QStringLiteral("Aktivitätsabend");
    const QString ziel = u.dir.filePath(QStringLiteral("LOG.STF"));
    for (auto _ : state) {
        const auto e =
            exporte::StfExport(u.log, ziel, station, AnzahlQsos + 1, QStringLiteral("Multis: 30"),
                               QStringLiteral("QSO Punkte: 300000"), QStringLiteral("1.0.0.0"),
                               QDateTime::currentDateTime());
        benchmark::DoNotOptimize(e.saetze);
    }
}

void BM_AdifExport(benchmark::State& state) {
    Umgebung& u = Welt();
    const QString ziel = u.dir.filePath(QStringLiteral("LOG.ADI"));
    for (auto _ : state) {
        const auto e = exporte::AdifExport(u.log, ziel);
        benchmark::DoNotOptimize(e.saetze);
    }
}

} // namespace

BENCHMARK(BM_StfExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdifExport)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
