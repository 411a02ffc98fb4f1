// Compressed files as a hostile server may send them: libmspack expands an SZDD file or unpacks a
// cabinet of any content without a crash, and nothing is ever written outside the directory it
// was asked to unpack into.
#include "Pruefen.h"
#include "dialogs/MsEntpacken.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Every file below the directory, with its path.
QStringList Inhalt(const QString& ordner) {
    QStringList pfade;
    QDirIterator it(ordner, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        pfade << it.next();
    pfade.sort();
    return pfade;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, size_t groesse) {
    static const QTemporaryDir ordner;
    const QString quelle = ordner.filePath("datei.ex_");
    const QString ziel = ordner.filePath("datei.exe");
    const QString auspacken = ordner.filePath("aus");
    {
        QFile f(quelle);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(daten), qint64(groesse));
    }
    QFile::remove(ziel);
    QDir(auspacken).removeRecursively();
    QDir().mkpath(auspacken);

    const QStringList vorher = Inhalt(ordner.path());
    switch (dialogs::MsFormatVon(quelle)) {
    case dialogs::MsFormat::Szdd: {
        // A header libmspack does not take stores no character; the name then loses its "_".
        const char zeichen = dialogs::SzddFehlendesZeichen(quelle).value_or(0);
        const QString name = dialogs::SzddZielName(QStringLiteral("datei.ex_"), zeichen);
        FUZZ_PRUEFEN(name.isEmpty() || !name.contains(u'/'));
        if (dialogs::SzddEntpacken(quelle, ziel)) {
            FUZZ_PRUEFEN(QFile::exists(ziel));
        } else {
            FUZZ_PRUEFEN(!QFile::exists(ziel));
        }
        break;
    }
    case dialogs::MsFormat::Cab:
        dialogs::CabEntpacken(quelle, auspacken);
        break;
    case dialogs::MsFormat::Keins:
        break;
    }
    // Besides the expanded file, only the unpacking directory may have grown.
    for (const QString& pfad : Inhalt(ordner.path()))
        FUZZ_PRUEFEN(vorher.contains(pfad) || pfad == ziel || pfad.startsWith(auspacken + u'/'));
    return 0;
}
