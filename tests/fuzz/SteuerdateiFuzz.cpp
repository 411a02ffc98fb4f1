// The update control file on any content, as a hostile server may send it: read once, its file
// entries walked as the checker walks them. However it reads, a file from the server never lands
// outside the directories the program chose, and a version text the rules accept gives the same
// numbers once rewritten.
#include "Pruefen.h"
#include "dialogs/UpdateDateien.h"
#include "dialogs/UpdateRegeln.h"
#include "platform/ProfilDatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

bool Darunter(const QString& pfad, const QString& wurzel) {
    const QString p = QDir::cleanPath(pfad);
    const QString w = QDir::cleanPath(wurzel);
    return p == w || p.startsWith(w + u'/');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse) {
    static const QTemporaryDir ordner;
    static const dialogs::Platzhalter orte{ordner.filePath("win"), ordner.filePath("app"),
                                           ordner.filePath("tmp"), ordner.filePath("pf/prog")};
    static const QString steuer = ordner.filePath("log.inf");
    static const QString aktuell = QDir::currentPath();
    {
        QFile f(steuer);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(daten), qint64(groesse));
    }
    const auto s = platform::ProfilInhalt::Lade(steuer);
    FUZZ_PRUEFEN(s.has_value());
    (void)dialogs::DatumZeit(s->LeseText("update", "date"), s->LeseText("update", "time"));
    int eintraege = 0;
    for (const QString& sektion : s->Sektionen()) {
        if (++eintraege > 16)
            break;
        FUZZ_PRUEFEN(s->Lies(sektion, "url") == platform::ProfilLesen(steuer, sektion, "url"));
        const QString url = dialogs::Aufgeloest(s->LeseText(sektion, "url"), orte);
        const QString name = dialogs::DateiNameVon(url);
        const auto ziel = dialogs::ZielVerzeichnis(s->LeseText(sektion, "targetdir"), orte);
        if (ziel && dialogs::GueltigerDateiName(name)) {
            const QString pfad = *ziel + u'/' + name;
            if (!Darunter(pfad, aktuell) && !Darunter(pfad, ordner.path()))
                std::fprintf(stderr, "outside: %s\n", qPrintable(pfad));
            FUZZ_PRUEFEN(Darunter(pfad, aktuell) || Darunter(pfad, ordner.path()));
        }
        const QString version = s->LeseText(sektion, "newversion");
        if (const auto teile = dialogs::VersionsTeile(version))
            FUZZ_PRUEFEN(dialogs::VersionsTeile(dialogs::VersionsText(*teile)) == teile);
        dialogs::UpdateEintrag e;
        e.newversion = version;
        e.newsize = s->LeseGanzzahl(sektion, "newsize", 0);
        e.newchecksum = s->LeseGanzzahl(sektion, "newchecksum", -1);
        e.localversion = ordner.filePath("fehlt.bin");
        (void)dialogs::IstNeuer(e);
    }
    return 0;
}
