// One whole save in the running main window with 10 000 and 100 000 QSOs already in the log:
// columns, list row, the flushed LOG.TXT line, count and evaluation.
#include "widgets/MaskEdit.h"
#include "app/TLogForm.h"
#include "platform/Pfade.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void Speichern(benchmark::State& state) {
    QTemporaryDir dir;
    platform::SetzeProgrammVerzeichnis(dir.path());
    platform::SetzeEinstellungsVerzeichnis(dir.path());
    QDir::setCurrent(dir.path());
    {
        QFile ini(dir.filePath("Log.ini"));
        ini.open(QIODevice::WriteOnly);
        ini.write("[Fenster]\r\nStarthinweise=0\r\n[Stationsangaben]\r\nFDmanagerDOK=K32\r\n");
        QFile f(dir.filePath("LOG.TXT"));
        f.open(QIODevice::WriteOnly);
        f.write("Version;Datum;Zeit in UTC;Call;Rst gegeben;DOK gegeben;Rst erhalten;DOK erhalten;"
                "Band;Bemerkungen;Mode;\r\n");
        for (int i = 0; i < state.range(0); ++i)
            f.write("1;24.03.2026;19:05:00;QA" + QByteArray::number(i % 10) + "X" +
                    QByteArray::number(i) + ";59;K32;59;K" + QByteArray::number(i % 50) +
                    ";2;;SSB;\r\n");
    }
    app::TLogForm form;
    int n = 0;
    for (auto _ : state) {
        form.CallMaskEdit->SetzeText(QStringLiteral("QB%1ZZ").arg(n++));
        form.QSONrInMaskEdit->SetzeText(QStringLiteral("K01"));
        form.SpeichernButton->setEnabled(true);
        form.SpeichernButtonClick();
    }
    QDir::setCurrent(QDir::tempPath());
}
BENCHMARK(Speichern)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
