// A table of 10 000 rows of eleven cells (about 180 A4 pages), written by TPdfBox and, for
// comparison, drawn with QPainter on a QPdfWriter.
#include "report/PdfBox.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

constexpr int Zeilen = 10000;
constexpr int ZeilenProSeite = 55;
const int Spalten[] = {170, 160, 350, 120, 120, 120, 120, 210, 100, 490, 0};

QStringList Zellen(int i) {
    return {QStringLiteral("24.03."),
            QStringLiteral("19:%1").arg(i % 60, 2, 10, QLatin1Char('0')),
            QStringLiteral("DL%1ABC").arg(i % 1000, 3, 10, QLatin1Char('0')),
            QStringLiteral("80"),
            QStringLiteral("CW"),
            QStringLiteral("599"),
            QStringLiteral("599"),
            QStringLiteral("K32"),
            QString::number(i % 3),
            QStringLiteral("Grüße (ß)")};
}

void Gitter(report::TPdfCanvas& c, const QString& name) {
    c.DefineGrid(name, 2, 5);
    for (const int breite : Spalten)
        c.AddGridColumn(name, breite, 0, 2, false);
    c.SetGridPosition(name, 0, 250);
}

void MitPdfBox(const QString& pfad, int zeilen) {
    report::TPdfBox box;
    box.SetFileName(pfad);
    box.BeginDoc();
    report::TPdfCanvas& c = box.Canvas();
    c.Font().Name = QStringLiteral("Courier New");
    Gitter(c, QStringLiteral("G"));
    int zeile = 0;
    for (int i = 0; i < zeilen; ++i) {
        c.AddGridRow(QStringLiteral("G"), 45);
        const QStringList zellen = Zellen(i);
        for (int s = 0; s < 10; ++s)
            c.GridCellText(QStringLiteral("G"), s, zellen[s], zeile);
        if (++zeile == ZeilenProSeite && i + 1 < zeilen) {
            c.AddGridRow(QStringLiteral("G"), 0);
            box.NewPage();
            c.SetGridPosition(QStringLiteral("G"), 0, 250);
            zeile = 0;
        }
    }
    c.AddGridRow(QStringLiteral("G"), 0);
    box.EndDoc();
}

// The same table with QPainter, in tenths of a millimetre through a scaled painter.
void MitQPdfWriter(const QString& pfad) {
    QPdfWriter writer(pfad);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(254); // one device pixel per tenth of a millimetre
    QPainter p(&writer);
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPointSize(10);
    p.setFont(font);
    QPen stift(Qt::black);
    stift.setWidth(1);
    p.setPen(stift);
    const int links = 70;
    int y = 250;
    int zeile = 0;
    for (int i = 0; i < Zeilen; ++i) {
        int x = links;
        const QStringList zellen = Zellen(i);
        for (int s = 0; s < 11; ++s) {
            p.drawLine(x, y, x, y + 45);
            if (s < 10)
                p.drawText(QRect(x + 5, y + 5, Spalten[s] - 10, 35),
                           Qt::AlignLeft | Qt::AlignVCenter, zellen[s]);
            x += Spalten[s];
        }
        p.drawLine(links, y, links + 1960, y);
        y += 45;
        if (++zeile == ZeilenProSeite && i + 1 < Zeilen) {
            p.drawLine(links, y, links + 1960, y);
            writer.newPage();
            y = 250;
            zeile = 0;
        }
    }
    p.drawLine(links, y, links + 1960, y);
}

long HoechsterSpeicherKb() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

void BM_TPdfBox(benchmark::State& state) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("tabelle.pdf"));
    for (auto _ : state)
        MitPdfBox(pfad, static_cast<int>(state.range(0)));
    state.counters["bytes"] = static_cast<double>(QFile(pfad).size());
    state.counters["maxrss_kb"] = static_cast<double>(HoechsterSpeicherKb());
}

void BM_QPdfWriter(benchmark::State& state) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("tabelle.pdf"));
    for (auto _ : state)
        MitQPdfWriter(pfad);
    state.counters["bytes"] = static_cast<double>(QFile(pfad).size());
}

// The writer holds only the current page: the peak memory after 1 000 rows and after 10 000
// rows must be about the same. Registered before QPdfWriter so that its peak is its own.
BENCHMARK(BM_TPdfBox)
    ->Arg(1000)
    ->Arg(Zeilen)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_QPdfWriter)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
