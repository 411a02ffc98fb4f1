// The search runs on the user-interface thread between two keystrokes: one pass over a log of
// 100 000 QSOs, with few hits and with every QSO a hit, bare and through the window's grid.
#include "core/IniRecord.h"
#include "core/LogSpalten.h"
#include "platform/Pfade.h"
#include "search/SuchTreffer.h"
#include "search/TSuchForm.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr int LogGroesse = 100000;

// Callsigns of the form DL1ABC / DA0XYZ: every one contains "D", about one in 600 contains "AB".
const core::LogSpalten& GrossesLog() {
    static const core::LogSpalten log = [] {
        core::LogSpalten l;
        l.Reservieren(LogGroesse);
        std::mt19937 zufall(4711);
        std::uniform_int_distribution<int> buchstabe(0, 25), ziffer(0, 9);
        for (int i = 0; i < LogGroesse; ++i) {
            QString call = QStringLiteral("D");
            call += QChar(u"LKAFBCHJMORQ"[i % 12]);
            call += QChar(u'0' + ziffer(zufall));
            for (int k = 0; k < 3; ++k)
                call += QChar(u'A' + buchstabe(zufall));
            l.Anhaengen({"01.02.2026", "18:05", call, "59", "K32", "59", "Z22", "2", "", "SSB"});
        }
        return l;
    }();
    return log;
}

void BM_TrefferSuchen(benchmark::State& state, const char* text) {
    const core::LogSpalten& log = GrossesLog();
    qsizetype treffer = 0;
    for (auto _ : state) {
        const auto t = suche::TrefferSuchen(log, QString::fromLatin1(text));
        treffer = t.size();
        benchmark::DoNotOptimize(treffer);
    }
    state.counters["Treffer"] = static_cast<double>(treffer);
}
BENCHMARK_CAPTURE(BM_TrefferSuchen, WenigeTreffer, "AB")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TrefferSuchen, AlleTreffer, "D")->Unit(benchmark::kMillisecond);

void BM_FillSuchGrid(benchmark::State& state, const char* text) {
    QTemporaryDir einstellungen;
    platform::SetzeEinstellungsVerzeichnis(einstellungen.path());
    core::IniRecord record;
    QWidget haupt;
    haupt.setGeometry(100, 50, 639, 409);
    auto* call = new QLineEdit(&haupt);
    auto* timer = new QTimer(&haupt);
    auto* autoSuche = new QAction(&haupt);
    suche::TSuchForm form(record, GrossesLog(), &haupt, call, timer, autoSuche);
    call->setText(QString::fromLatin1(text));
    int zeilen = 0;
    for (auto _ : state) {
        form.ResetSuchGrid();
        benchmark::DoNotOptimize(form.FillSuchGrid());
        zeilen = form.Treffer()->rowCount();
    }
    state.counters["Zeilen"] = zeilen;
    platform::SetzeEinstellungsVerzeichnis(QString());
}
BENCHMARK_CAPTURE(BM_FillSuchGrid, WenigeTreffer, "AB")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FillSuchGrid, AlleTreffer, "D")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
