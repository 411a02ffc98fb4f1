#include "dialogs/MsEntpacken.h"

#include "dialogs/UpdateDateien.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <memory>
#include <mspack.h>
#include <vector>

namespace dialogs {
namespace {

constexpr char SzddKennung[] = {'S', 'Z', 'D', 'D', '\x88', '\xF0', '\x27', '\x33'};

struct SzddLoeschen {
    void operator()(msszdd_decompressor* d) const { mspack_destroy_szdd_decompressor(d); }
};
struct CabLoeschen {
    void operator()(mscab_decompressor* d) const { mspack_destroy_cab_decompressor(d); }
};

QString MsFehler(int code) {
    switch (code) {
    case MSPACK_ERR_OPEN:
        return QStringLiteral("Datei kann nicht geöffnet werden");
    case MSPACK_ERR_READ:
    case MSPACK_ERR_SEEK:
        return QStringLiteral("Datei kann nicht gelesen werden");
    case MSPACK_ERR_WRITE:
        return QStringLiteral("Datei kann nicht geschrieben werden");
    case MSPACK_ERR_NOMEMORY:
        return QStringLiteral("Nicht genug Speicher");
    case MSPACK_ERR_SIGNATURE:
        return QStringLiteral("Unbekanntes Dateiformat");
    default:
        return QStringLiteral("Datei ist beschädigt");
    }
}

void Setze(QString* fehler, const QString& text) {
    if (fehler)
        *fehler = text;
}

// A temporary file beside `ziel` for libmspack to write by name; removed unless it was moved.
std::unique_ptr<QTemporaryFile> Zwischendatei(const QString& ziel) {
    auto datei = std::make_unique<QTemporaryFile>(
        QFileInfo(ziel).absoluteDir().filePath(QStringLiteral("WUPDXXXXXX")));
    if (!datei->open())
        return nullptr;
    datei->close();
    return datei;
}

bool Einsetzen(QTemporaryFile& fertig, const QString& ziel, QString* fehler,
               QFileDevice::Permissions rechte) {
    if (!dialogs::Einsetzen(fertig.fileName(), ziel, fehler, rechte))
        return false;
    fertig.setAutoRemove(false);
    return true;
}

constexpr auto Normal = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther;
constexpr auto Ausfuehrbar =
    Normal | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

} // namespace

MsFormat MsFormatVon(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return MsFormat::Keins;
    const QByteArray anfang = datei.read(8);
    if (anfang == QByteArray(SzddKennung, sizeof SzddKennung))
        return MsFormat::Szdd;
    if (anfang.startsWith("MSCF"))
        return MsFormat::Cab;
    return MsFormat::Keins;
}

std::optional<char> SzddFehlendesZeichen(const QString& pfad) {
    std::unique_ptr<msszdd_decompressor, SzddLoeschen> szdd(
        mspack_create_szdd_decompressor(nullptr));
    if (!szdd)
        return std::nullopt;
    const QByteArray name = QFile::encodeName(pfad);
    msszddd_header* kopf = szdd->open(szdd.get(), name.constData());
    if (!kopf)
        return std::nullopt;
    const char zeichen = kopf->missing_char;
    szdd->close(szdd.get(), kopf);
    return zeichen;
}

QString SzddZielName(const QString& name, char fehlendesZeichen) {
    if (!name.endsWith(u'_'))
        return GueltigerDateiName(name) ? name : QString();
    QString ziel = name.chopped(1);
    if (fehlendesZeichen != 0)
        ziel += QChar::fromLatin1(fehlendesZeichen);
    return GueltigerDateiName(ziel) ? ziel : QString();
}

bool SzddEntpacken(const QString& quelle, const QString& ziel, QString* fehler) {
    std::unique_ptr<msszdd_decompressor, SzddLoeschen> szdd(
        mspack_create_szdd_decompressor(nullptr));
    const auto zwischen = Zwischendatei(ziel);
    if (!szdd || !zwischen) {
        Setze(fehler, QStringLiteral("Datei kann nicht geschrieben werden"));
        return false;
    }
    const QByteArray von = QFile::encodeName(quelle);
    const QByteArray nach = QFile::encodeName(zwischen->fileName());
    const int code = szdd->decompress(szdd.get(), von.constData(), nach.constData());
    if (code != MSPACK_ERR_OK) {
        Setze(fehler, MsFehler(code));
        return false;
    }
    return Einsetzen(*zwischen, ziel, fehler, Normal);
}

bool CabEntpacken(const QString& cab, const QString& verzeichnis, QString* fehler) {
    std::unique_ptr<mscab_decompressor, CabLoeschen> entpacker(
        mspack_create_cab_decompressor(nullptr));
    if (!entpacker) {
        Setze(fehler, MsFehler(MSPACK_ERR_NOMEMORY));
        return false;
    }
    const QByteArray name = QFile::encodeName(cab);
    mscabd_cabinet* kabinett = entpacker->open(entpacker.get(), name.constData());
    if (!kabinett) {
        Setze(fehler, MsFehler(entpacker->last_error(entpacker.get())));
        return false;
    }
    const auto schliessen = [&] { entpacker->close(entpacker.get(), kabinett); };

    struct Mitglied {
        mscabd_file* datei;
        QString pfad;
    };
    std::vector<Mitglied> mitglieder;
    bool gut = (kabinett->flags & (MSCAB_HDR_PREVCAB | MSCAB_HDR_NEXTCAB)) == 0;
    if (!gut)
        Setze(fehler, QStringLiteral("Das Archiv ist Teil einer Folge"));
    for (mscabd_file* d = kabinett->files; gut && d; d = d->next) {
        QString relativ = (d->attribs & MSCAB_ATTRIB_UTF_NAME) ? QString::fromUtf8(d->filename)
                                                               : QString::fromLatin1(d->filename);
        relativ.replace(u'\\', u'/');
        if (relativ.isEmpty() || relativ.endsWith(u'/') || !BleibtDarunter(relativ) ||
            relativ.split(u'/').contains(QStringLiteral("."))) {
            Setze(fehler, QStringLiteral("Unzulässiger Name im Archiv: ") + relativ);
            gut = false;
            break;
        }
        mitglieder.push_back({d, QDir(verzeichnis).filePath(relativ)});
    }
    for (const Mitglied& m : mitglieder) {
        if (!gut)
            break;
        const QString ort = QFileInfo(m.pfad).absolutePath();
        const auto zwischen = QDir().mkpath(ort) ? Zwischendatei(m.pfad) : nullptr;
        if (!zwischen) {
            Setze(fehler, QStringLiteral("Datei kann nicht geschrieben werden"));
            gut = false;
            break;
        }
        const QByteArray nach = QFile::encodeName(zwischen->fileName());
        const int code = entpacker->extract(entpacker.get(), m.datei, nach.constData());
        if (code != MSPACK_ERR_OK) {
            Setze(fehler, MsFehler(code));
            gut = false;
            break;
        }
        gut = Einsetzen(*zwischen, m.pfad, fehler,
                        (m.datei->attribs & MSCAB_ATTRIB_EXEC) ? Ausfuehrbar : Normal);
    }
    schliessen();
    return gut;
}

} // namespace dialogs
