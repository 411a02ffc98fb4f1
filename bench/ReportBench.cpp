// The page printer: recording a long log table (10 000 lines of ten columns with grid, about
// 180 A4 pages at 1200 dpi), painting one preview page at 100 % and at 500 %, and building the
// whole printed log of 1 000 and 10 000 QSOs. Fonts are
// measured by Qt as for printing; the printer is a 1200 dpi A4 printer like a CUPS queue.
#include "core/Kontest.h"
#include "platform/DruckerQt.h"
#include "platform/Fehler.h"
#include "report/PagePrinter.h"
#include "report/TfrmPrintPreview.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

class BenchDrucker final : public platform::Drucker {
public:
    std::optional<platform::Druckerdaten> Standarddrucker(bool) override {
        return platform::Druckerdaten{1200, 1200, QSize(9917, 14033), QPoint(200, 200)};
    }
    platform::Schriftmetrik Metrik(const QFont& font) override { return qt_.Metrik(font); }
    int Textbreite(const QFont& font, QStringView text) override {
        return qt_.Textbreite(font, text);
    }
    int Kopien() const override { return 1; }
    void SetzeKopien(int) override {}
    std::unique_ptr<platform::Druckauftrag> Starte(const QString&, bool) override {
        throw platform::Fehler(QStringLiteral("no printing in the benchmark"));
    }

private:
    platform::DruckerQt qt_;
};

QString Zeile(int i) {
    return QStringLiteral("24.03.|19:%1|DL%2ABC|80|CW|599|599|K%3|%4|Grüße vom DOK-Abend")
        .arg(i % 60, 2, 10, QLatin1Char('0'))
        .arg(i % 1000, 3, 10, QLatin1Char('0'))
        .arg(i % 50)
        .arg(i % 3);
}

// The set-up of the printed log: millimetres, a table in 12 point Courier New with grid, a
// footer with the date.
void Einrichten(report::TPagePrinter& pp) {
    pp.SetMeasureUnit(report::muMillimeters);
    pp.SetMarginBottom(16);
    pp.SetMarginTop(30);
    pp.SetTableGrid(true);
    report::TPrnFont schrift;
    schrift.Size = 12;
    pp.SetFont(schrift);
    pp.SetFriendlyFooter(QStringLiteral("Ausdruck vom {$DATE} {$TIME}"));
    pp.SetTableFormat(QStringLiteral("<17|<16|<35|<12|<12|<12|<12|<21|<10|<51"));
}

void Aufzeichnen(report::TPagePrinter& pp, int zeilen) {
    pp.BeginDoc();
    for (int i = 0; i < zeilen; ++i)
        pp.WriteLine(Zeile(i));
    pp.EndDoc();
}

void BM_Aufzeichnen(benchmark::State& state) {
    BenchDrucker drucker;
    platform::Drucker::SetzeInstanz(&drucker);
    report::TPagePrinter pp;
    Einrichten(pp);
    const int zeilen = int(state.range(0));
    for (auto _ : state)
        Aufzeichnen(pp, zeilen);
    state.counters["pages"] = pp.PageCount();
    state.counters["us_per_line"] = benchmark::Counter(
        double(zeilen), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert,
        benchmark::Counter::kIs1000);
    state.SetComplexityN(zeilen);
    platform::Drucker::SetzeInstanz(nullptr);
}

void BM_Malen(benchmark::State& state) {
    BenchDrucker drucker;
    platform::Drucker::SetzeInstanz(&drucker);
    report::TPagePrinter pp;
    Einrichten(pp);
    Aufzeichnen(pp, 200);
    pp.resize(1000, 1300);
    pp.show();
    QCoreApplication::processEvents();
    pp.SetZoomPercent(int(state.range(0)));
    pp.SetPageNumber(2);
    QImage bild(pp.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state)
        pp.viewport()->render(&bild);
    platform::Drucker::SetzeInstanz(nullptr);
}

// The whole printed log: the reports' evaluation and every page with its head, rows and totals.
void BM_Druckprotokoll(benchmark::State& state) {
    BenchDrucker drucker;
    platform::Drucker::SetzeInstanz(&drucker);
    core::Kontest kontest(nullptr);
    kontest.Ini.FDmanagerDOK = QStringLiteral("K32");
    const int qsos = int(state.range(0));
    for (int i = 0; i < qsos; ++i)
        kontest.Log.Anhaengen({"24.03.2026", "19:05:00", QStringLiteral("DL%1ABC").arg(i), "599",
                               "K32", "599", QStringLiteral("K%1").arg(i % 100), i % 2 ? "80" : "2",
                               "Grüße", "CW"});
    report::TfrmPrintPreview fenster(kontest);
    for (auto _ : state)
        fenster.ToolbarBtnAktualisierenClick();
    state.counters["pages"] = fenster.PagePrinter1->PageCount();
    state.counters["us_per_qso"] = benchmark::Counter(
        double(qsos), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert,
        benchmark::Counter::kIs1000);
    platform::Drucker::SetzeInstanz(nullptr);
}

BENCHMARK(BM_Druckprotokoll)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Aufzeichnen)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Malen)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
