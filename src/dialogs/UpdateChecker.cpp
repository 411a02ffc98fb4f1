#include "dialogs/UpdateChecker.h"

#include "dialogs/MsEntpacken.h"
#include "dialogs/Neustart.h"
#include "dialogs/Programmstart.h"
#include "dialogs/Uebertragung.h"
#include "dialogs/UpdateDateien.h"
#include "platform/Codepage.h"
#include "platform/Meldungen.h"
#include "platform/Pfade.h"
#include "platform/ProfilDatei.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkInformation>
#include <QProcess>
#include <QTemporaryFile>
#include <QUrl>
#include <map>
#include <optional>
#include <vector>

namespace dialogs {
namespace {

const QString Aktuell = QStringLiteral("Ihre Version ist aktuell. Keine neue Version gefunden");
const QString NeueVersion = QStringLiteral("Neue Version gefunden: ");
const QString NichtLadbar = QStringLiteral("Updatedatei kann nicht geladen werden : ");
const QString ProzessFehler = QStringLiteral("Fehler beim bearbeiten des Update-Prozesses : ");

// The control file writes a line break as the two characters backslash and n.
QString MitZeilenumbruch(QString text) {
    return text.replace(QStringLiteral("\\n"), QStringLiteral("\r"));
}

bool Ja(const QString& frage, platform::Knoepfe knoepfe = platform::Knoepfe::JaNein) {
    return platform::Meldungen::Instanz().Frage(frage, knoepfe) == platform::Knopf::Ja;
}

// The log in the current directory and the settings are never replaced by a download.
bool Geschuetzt(const QString& ziel) {
    const QFileInfo datei(ziel);
    const QFileInfo log(QDir::current().filePath(QStringLiteral("LOG.TXT")));
    const QFileInfo einstellungen(platform::EinstellungsDatei());
    const auto gleich = [&](const QFileInfo& geschuetzt) {
        return datei.absoluteDir() == geschuetzt.absoluteDir() &&
               datei.fileName().compare(geschuetzt.fileName(), Qt::CaseInsensitive) == 0;
    };
    return gleich(log) || gleich(einstellungen);
}

// The restart helper, which the program carries packed, written to its place.
bool SchreibeHelfer(const QString& ziel, QString* fehler) {
    QFile quelle(QStringLiteral(":/tarvex/upd.ex_"));
    QTemporaryFile teil(QFileInfo(ziel).absoluteDir().filePath(QStringLiteral("WUPDXXXXXX")));
    if (!quelle.open(QIODevice::ReadOnly) || !teil.open() ||
        teil.write(quelle.readAll()) != quelle.size() || !teil.flush()) {
        *fehler = quelle.isOpen() ? teil.errorString() : quelle.errorString();
        return false;
    }
    teil.close();
    if (!Einsetzen(teil.fileName(), ziel, fehler))
        return false;
    teil.setAutoRemove(false);
    return true;
}

} // namespace

struct TUpdateChecker::Lauf {
    struct Datei {
        QString url; // place-holders resolved
        QString targetdir;
        bool compressed = false;
    };

    Platzhalter orte;
    QString steuerPfad;
    std::optional<platform::ProfilInhalt> steuer;
    bool appupdate = false;
    bool silentrestart = false;
    QString appname, appcomps;
    std::vector<Datei> dateien;
    bool neustartFaellig = false;
    bool neustartAbgesagt = false;
};

QString TUpdateChecker::StandardAdresse() {
    return QStringLiteral(TARVEX_UPDATE_URL);
}

TUpdateChecker::TUpdateChecker(QString steuerAdresse, QObject* eltern)
    : QObject(eltern), steuerAdresse_(std::move(steuerAdresse)) {}

TUpdateChecker::~TUpdateChecker() = default;

bool TUpdateChecker::Pruefen() {
    if (laeuft_)
        return false;
    laeuft_ = true;
    abbruch_ = false;
    Lauf lauf;
    lauf_ = &lauf;
    struct Ende {
        TUpdateChecker* c;
        ~Ende() {
            c->lauf_ = nullptr;
            c->netz_.reset();
            c->laeuft_ = false;
        }
    } ende{this};
    Ablauf(lauf);
    return true;
}

void TUpdateChecker::Abbrechen() {
    if (!laeuft_)
        return;
    abbruch_ = true;
    if (netz_)
        netz_->Abbrechen();
}

void TUpdateChecker::Melde(const QString& text, int statuscode, int fehler) {
    // A stopped check says nothing more: its window is gone.
    if (!abbruch_)
        emit Status(text, fehler, statuscode);
}

void TUpdateChecker::Ablauf(Lauf& lauf) {
    Melde(QStringLiteral("Prüfe Internetverbindung"));
    if (!(InternetVorhanden ? InternetVorhanden() : InternetVerbindungVorhanden()))
        return;
    Melde(QStringLiteral("Internetverbindung besteht"));
    netz_ = std::make_unique<Uebertragung>(QStringLiteral("UpdateChecker"));
    netz_->zeitlimitMs = ZeitlimitMs;
    lauf.orte.win = QFileInfo(platform::EinstellungsDatei()).absolutePath();
    lauf.orte.app = QDir::currentPath();
    lauf.orte.tmp = TempVerzeichnis.isEmpty() ? QDir::tempPath() : TempVerzeichnis;
    lauf.orte.pf = QFileInfo(QDir::cleanPath(platform::ProgrammVerzeichnis())).absolutePath();

    if (Steuerdatei(lauf) && VersionEntscheiden(lauf) && Aktionen(lauf) && WasIstNeuZeigen(lauf)) {
        Dateiliste(lauf);
        if (!lauf.dateien.empty()) {
            Herunterladen(lauf);
            Nachher(lauf);
        }
    }

    Melde(QStringLiteral("Internetverbindung geschlossen"));
    netz_.reset();
    if (!lauf.steuerPfad.isEmpty())
        QFile::remove(lauf.steuerPfad);
    if (abbruch_)
        return;
    if (!lauf.dateien.empty())
        emit Success();
    Neustart(lauf);
}

bool TUpdateChecker::Lade(const QString& adresse, const QString& ziel, qint64 hoechstens) {
    Melde(QStringLiteral("Herunterladen : ") + adresse);
    const auto antwort = netz_->Lade(adresse, ziel, hoechstens);
    switch (antwort.ergebnis) {
    case Uebertragung::Ergebnis::Ok:
        return true;
    case Uebertragung::Ergebnis::KeineAntwort:
        Melde(QStringLiteral("Datei nicht gefunden : ") + adresse, 2);
        return false;
    case Uebertragung::Ergebnis::HttpFehler:
        Melde(QStringLiteral("Http-Status : ") + QString::number(antwort.httpStatus), 6,
              antwort.httpStatus);
        return false;
    default:
        return false;
    }
}

bool TUpdateChecker::Steuerdatei(Lauf& lauf) {
    const QString adresse = Aufgeloest(steuerAdresse_, lauf.orte);
    const QString name = DateiNameVon(adresse);
    const QString ziel = QDir(lauf.orte.tmp).filePath(name);
    if (GueltigerDateiName(name) && Lade(adresse, ziel, MaxSteuerGroesse)) {
        lauf.steuerPfad = ziel;
        Melde(QStringLiteral("Update-Control Datei gefunden"));
        emit FileDownloaded(ziel);
        lauf.steuer = platform::ProfilInhalt::Lade(ziel);
        if (lauf.steuer)
            return !abbruch_;
    }
    Melde(QStringLiteral("Update-Control Datei nicht gefunden"), 2);
    return false;
}

UpdateEintrag TUpdateChecker::Eintrag(const QString& sektion) const {
    const auto& s = *lauf_->steuer;
    UpdateEintrag e;
    e.newversion = s.LeseText(sektion, QStringLiteral("newversion"));
    e.newsize = s.LeseGanzzahl(sektion, QStringLiteral("newsize"), 0);
    e.newchecksum = s.LeseGanzzahl(sektion, QStringLiteral("newchecksum"), -1);
    e.localversion = Aufgeloest(s.LeseText(sektion, QStringLiteral("localversion")), lauf_->orte);
    return e;
}

bool TUpdateChecker::VersionEntscheiden(Lauf& lauf) {
    const auto& s = *lauf.steuer;
    const QString anwendung = QStringLiteral("application");
    lauf.appupdate = s.LeseGanzzahl(anwendung, QStringLiteral("appupdate"), 0) == 1;
    lauf.appname =
        AppnameGequotet(Aufgeloest(s.LeseText(anwendung, QStringLiteral("appname")), lauf.orte));
    lauf.appcomps = Aufgeloest(s.LeseText(anwendung, QStringLiteral("appcomps")), lauf.orte);
    lauf.silentrestart = s.LeseGanzzahl(anwendung, QStringLiteral("silentrestart"), 0) == 1;

    const QString update = QStringLiteral("update");
    const QString datum = s.LeseText(update, QStringLiteral("date"));
    bool neuer = false;
    if (!datum.isEmpty()) {
        Melde(QStringLiteral("Neue Version wurde gefunden (nach Datum)"));
        const auto neu = DatumZeit(datum, s.LeseText(update, QStringLiteral("time")));
        if (neu && InstallierteVersionVom() < *neu) {
            Melde(NeueVersion + neu->date().toString(QStringLiteral("dd.MM.yyyy")), 5);
            neuer = true;
        } else {
            Melde(Aktuell, 4);
        }
    }
    if (!neuer && !s.LeseText(update, QStringLiteral("unconditional")).isEmpty())
        return true;
    if (datum.isEmpty()) {
        const UpdateEintrag e = Eintrag(update);
        if (HatVergleichswert(e) && !e.localversion.isEmpty()) {
            switch (VergleichFuer(e)) {
            case Vergleich::Pruefsumme:
                Melde(QStringLiteral("Neue Version wurde gefunden (nach Prüfsumme)"));
                break;
            case Vergleich::Dateigroesse:
                Melde(QStringLiteral("Neue Version wurde gefunden (nach Dateigröße)"));
                break;
            case Vergleich::Versionsinfo:
                Melde(QStringLiteral("Neue Version wurde gefunden (nach Versionsinfo)"));
                break;
            }
        }
        const auto ergebnis = IstNeuer(e);
        neuer = ergebnis.neuer;
        Melde(neuer ? NeueVersion + ergebnis.version : Aktuell, neuer ? 5 : 4);
    }
    return neuer && !abbruch_;
}

void TUpdateChecker::StarteBefehl(const QString& befehl) {
    // A command line from the network runs only on a deliberate "Ja"; Enter declines it.
    if (!Ja(QStringLiteral("Die Update-Control Datei möchte dieses Programm starten:\r\r") +
                befehl + QStringLiteral("\r\rSoll es gestartet werden ?"),
            platform::Knoepfe::JaNeinVorsicht))
        return;
    QStringList teile = QProcess::splitCommand(befehl);
    if (teile.isEmpty())
        return;
    const QString programm = teile.takeFirst();
    QString fehler;
    if (!Programmstart::Instanz().Starte(programm, teile, QDir::currentPath(), &fehler))
        Melde(ProzessFehler + fehler, 9);
}

void TUpdateChecker::OeffneAdresse(const QString& adresse) {
    // Only web addresses: a file or program address from the server is never handed to the
    // desktop.
    const QUrl url(adresse, QUrl::StrictMode);
    const QString schema = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (schema != u"http" && schema != u"https"))
        return;
    if (Ja(QStringLiteral("Die Update-Control Datei möchte diese Adresse öffnen:\r\r") + adresse +
           QStringLiteral("\r\rSoll sie geöffnet werden ?")))
        platform::Shell::Instanz().OeffneAdresse(url);
}

bool TUpdateChecker::Aktionen(Lauf& lauf) {
    const auto& s = *lauf.steuer;
    const QString aktion = QStringLiteral("action");
    const QString msg = s.LeseText(aktion, QStringLiteral("msg"));
    if (!msg.isEmpty()) {
        Melde(QStringLiteral("Zusatzinformation vorhanden"));
        platform::Meldungen::Instanz().Information(MitZeilenumbruch(msg));
    }
    const QString html = Aufgeloest(s.LeseText(aktion, QStringLiteral("htmldlg")), lauf.orte);
    if (!html.isEmpty()) {
        Melde(QStringLiteral("HTML Zusatzinformation vorhanden"), 7);
        OeffneAdresse(html);
    }
    const QString vorher = Aufgeloest(s.LeseText(aktion, QStringLiteral("runbefore")), lauf.orte);
    if (!vorher.isEmpty())
        StarteBefehl(vorher);
    const QString link = Aufgeloest(s.LeseText(aktion, QStringLiteral("showURL")), lauf.orte);
    if (!link.isEmpty()) {
        Melde(QStringLiteral("Information auf Internet-Link vorhanden"));
        OeffneAdresse(link);
    }
    const QString frage = s.LeseText(aktion, QStringLiteral("query"));
    if (!frage.isEmpty()) {
        Melde(QStringLiteral("Abfrageinformation vorhanden"));
        if (!Ja(MitZeilenumbruch(frage)))
            return false;
    }
    return !abbruch_;
}

bool TUpdateChecker::WasIstNeuZeigen(Lauf& lauf) {
    const auto& s = *lauf.steuer;
    const QString sektion = QStringLiteral("whatsnew");
    const QString adresse = s.LeseText(sektion, QStringLiteral("file"));
    if (adresse.isEmpty())
        return true;
    Melde(QStringLiteral("Was-ist-neu Information vorhanden"), 12);
    const QString name = DateiNameVon(adresse);
    if (!GueltigerDateiName(name)) {
        Melde(NichtLadbar + adresse, 2);
        return true;
    }
    const QString pfad = QDir(lauf.orte.tmp).filePath(name);
    if (!Lade(adresse, pfad, MaxSteuerGroesse))
        return !abbruch_;
    QFile datei(pfad);
    QString text;
    if (datei.open(QIODevice::ReadOnly))
        text = platform::AnsiNachText(datei.readAll());
    datei.close();
    datei.remove();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    WasIstNeu neu;
    neu.caption = s.LeseText(sektion, QStringLiteral("caption"));
    neu.text = text;
    neu.okbtn = s.LeseText(sektion, QStringLiteral("okbtn"));
    neu.cancelbtn = s.LeseText(sektion, QStringLiteral("cancelbtn"));
    if (neu.okbtn.isEmpty())
        neu.okbtn = QStringLiteral("Ok");
    if (neu.cancelbtn.isEmpty())
        neu.cancelbtn = QStringLiteral("Cancel");
    if (ZeigeWasIstNeu && !ZeigeWasIstNeu(neu)) {
        Melde(QStringLiteral("Was-ist-neu nicht akzeptiert"), 14);
        return false;
    }
    return !abbruch_;
}

namespace {

// The sections "file1" to "fileN" present in the file, by their number. A number that names no
// section gives no entry.
std::map<qint32, QString> DateiSektionen(const platform::ProfilInhalt& s, qint32 anzahl) {
    std::map<qint32, QString> sektionen;
    for (const QString& name : s.Sektionen()) {
        if (!name.startsWith(QStringLiteral("file"), Qt::CaseInsensitive))
            continue;
        const QString nummer = name.mid(4);
        bool zahl = false;
        const qint32 n = nummer.toInt(&zahl);
        if (zahl && n >= 1 && n <= anzahl && QString::number(n) == nummer)
            sektionen.emplace(n, name);
    }
    return sektionen;
}

} // namespace

void TUpdateChecker::Dateiliste(Lauf& lauf) {
    const auto& s = *lauf.steuer;
    const qint32 anzahl = s.LeseGanzzahl(QStringLiteral("files"), QStringLiteral("count"), 0);
    if (anzahl <= 0)
        return;
    Melde(QStringLiteral("Updateinstruktionen sind vorhanden"));
    for (const auto& [nummer, sektion] : DateiSektionen(s, anzahl)) {
        const UpdateEintrag e = Eintrag(sektion);
        const QString datum = s.LeseText(sektion, QStringLiteral("date"));
        bool behalten = false;
        if (!e.localversion.isEmpty() && !datum.isEmpty()) {
            const auto neu = DatumZeit(datum, s.LeseText(sektion, QStringLiteral("time")));
            const QFileInfo installiert(e.localversion);
            behalten = neu && (!installiert.exists() || installiert.lastModified() < *neu);
        } else {
            behalten = IstNeuer(e).neuer;
        }
        if (behalten)
            lauf.dateien.push_back(
                {Aufgeloest(s.LeseText(sektion, QStringLiteral("url")), lauf.orte),
                 s.LeseText(sektion, QStringLiteral("targetdir")),
                 s.LeseGanzzahl(sektion, QStringLiteral("compressed"), 0) == 1});
    }
}

QString TUpdateChecker::ZielVerzeichnisFuer(const QString& url) const {
    const QString aktuell = QDir::currentPath() + u'/';
    if (!lauf_ || !lauf_->steuer)
        return aktuell;
    const auto& s = *lauf_->steuer;
    QString gesucht = url.trimmed();
    if (gesucht.size() >= 2 && (gesucht.front() == u'"' || gesucht.front() == u'\'') &&
        gesucht.back() == gesucht.front())
        gesucht = gesucht.mid(1, gesucht.size() - 2);
    for (const auto& [nummer, sektion] :
         DateiSektionen(s, s.LeseGanzzahl(QStringLiteral("files"), QStringLiteral("count"), 0))) {
        if (s.LeseText(sektion, QStringLiteral("url")) != gesucht)
            continue;
        const auto verzeichnis =
            ZielVerzeichnis(s.LeseText(sektion, QStringLiteral("targetdir")), lauf_->orte);
        return verzeichnis ? *verzeichnis + u'/' : aktuell;
    }
    return aktuell;
}

void TUpdateChecker::Herunterladen(Lauf& lauf) {
    if (!Ja(QStringLiteral("Neue Dateien jetzt herunterladen ?")))
        return;
    for (const auto& d : lauf.dateien) {
        if (abbruch_)
            return;
        const QString name = DateiNameVon(d.url);
        const auto verzeichnis = ZielVerzeichnis(d.targetdir, lauf.orte);
        const QString ziel = verzeichnis ? QDir(*verzeichnis).filePath(name) : QString();
        bool gut = verzeichnis && GueltigerDateiName(name) && !Geschuetzt(ziel) &&
                   QDir().mkpath(*verzeichnis) && Lade(d.url, ziel);
        if (gut) {
            emit FileDownloaded(ziel);
            if (d.compressed && !name.endsWith(QStringLiteral(".CAB"), Qt::CaseInsensitive)) {
                const QString entpackt = SzddZielName(name, SzddFehlendesZeichen(ziel).value_or(0));
                gut = MsFormatVon(ziel) == MsFormat::Szdd && !entpackt.isEmpty() &&
                      !Geschuetzt(QDir(*verzeichnis).filePath(entpackt)) &&
                      SzddEntpacken(ziel, QDir(*verzeichnis).filePath(entpackt));
            }
        }
        if (!gut) {
            Melde(NichtLadbar + d.url, 2);
            lauf.neustartAbgesagt = true;
            continue;
        }
        if (lauf.appcomps.contains(name, Qt::CaseInsensitive))
            lauf.neustartFaellig = true;
    }
}

void TUpdateChecker::Nachher(Lauf& lauf) {
    if (abbruch_)
        return;
    const auto& s = *lauf.steuer;
    const QString aktion = QStringLiteral("action");
    if (!s.LeseText(aktion, QStringLiteral("updateURL")).isEmpty())
        Melde(QStringLiteral("URL Weiterleitungsinformation vorhanden"));
    const QString nachher = Aufgeloest(s.LeseText(aktion, QStringLiteral("runafter")), lauf.orte);
    if (!nachher.isEmpty())
        StarteBefehl(nachher);
    Melde(QStringLiteral("Bearbeitung der Update-Control Datei beendet"));
}

void TUpdateChecker::Neustart(Lauf& lauf) {
    if (!lauf.appupdate || lauf.appname.isEmpty() || !lauf.neustartFaellig || lauf.neustartAbgesagt)
        return;
    const QString programmVerzeichnis = platform::ProgrammVerzeichnis();
    // The helper would refuse to start a program from elsewhere; then the program stays open.
    if (!NeustartBefehl(lauf.appname, programmVerzeichnis)) {
        Melde(ProzessFehler + lauf.appname, 9);
        return;
    }
    if (!lauf.silentrestart &&
        !Ja(QStringLiteral("Anwendung schließen um neue Dateien zu aktivieren ?")))
        return;
    const QDir temp(lauf.orte.tmp);
    const QString gepackt = temp.filePath(QStringLiteral("upd.ex_"));
    const QString helfer = temp.filePath(QStringLiteral("upd"));
    QString fehler;
    const bool gestartet =
        SchreibeHelfer(gepackt, &fehler) && SzddEntpacken(gepackt, helfer, &fehler) &&
        QFile::setPermissions(helfer, QFile::permissions(helfer) | QFileDevice::ExeOwner |
                                          QFileDevice::ExeGroup | QFileDevice::ExeOther) &&
        Programmstart::Instanz().Starte(helfer,
                                        {QString::number(QCoreApplication::applicationPid()),
                                         lauf.appname, lauf.appcomps, programmVerzeichnis},
                                        QDir::currentPath(), &fehler);
    if (!gestartet) {
        Melde(ProzessFehler + fehler, 9);
        return;
    }
    Programmstart::Instanz().BeendeProgramm();
}

bool InternetVerbindungVorhanden() {
    using Info = QNetworkInformation;
    if (!Info::instance())
        Info::loadBackendByFeatures(Info::Feature::Reachability);
    const Info* info = Info::instance();
    if (!info || !info->supports(Info::Feature::Reachability))
        return true;
    return info->reachability() != Info::Reachability::Disconnected;
}

QDateTime InstallierteVersionVom() {
    const QString datei = QFileInfo(platform::EinstellungsDatei())
                              .absoluteDir()
                              .filePath(QStringLiteral("Version.ini"));
    const QString produkt = QStringLiteral("Tarvex");
    const auto datum = DatumZeit(
        platform::ProfilLesen(datei, produkt, QStringLiteral("LastDate")).value_or(QString()),
        platform::ProfilLesen(datei, produkt, QStringLiteral("LastTime")).value_or(QString()));
    return datum.value_or(QDateTime(QDate(1980, 1, 1), QTime(0, 0)));
}

} // namespace dialogs
