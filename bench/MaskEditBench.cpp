// What one keystroke costs in the fields of the entry mask: a received DOK typed into its mask, a
// callsign typed in upper case, and the time typed over a selection.
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

namespace {

void Tippe(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        const int taste = c.toUpper().unicode();
        QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &druck);
        QKeyEvent los(QEvent::KeyRelease, taste, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &los);
    }
}

// One iteration types the text once into the emptied field; the counter is per keystroke.
void Feld(benchmark::State& state, const QString& maske, const QString& text) {
    widgets::TMaskEdit edit;
    edit.SetzeMaske(maske);
    edit.SetzeGrossbuchstaben(maske.isEmpty());
    edit.SetzeMaxLaenge(13);
    edit.show();
    for (auto _ : state) {
        edit.SetzeText(QString());
        Tippe(&edit, text);
        benchmark::DoNotOptimize(edit.Text());
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}

void DokMaske(benchmark::State& state) {
    Feld(state, QStringLiteral(">cccccccc;1;_"), QStringLiteral("k32;z22x"));
}
void Rufzeichen(benchmark::State& state) {
    Feld(state, QString(), QStringLiteral("qa1abc/p"));
}
void Zeit(benchmark::State& state) {
    Feld(state, QStringLiteral("!90:00;1; "), QStringLiteral("18:15"));
}

BENCHMARK(DokMaske);
BENCHMARK(Rufzeichen);
BENCHMARK(Zeit);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
