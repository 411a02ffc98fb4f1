// The update check against a real HTTP server on the loopback: the version decision, the
// downloads, the events and status texts, failures of the server and of the transfer, and a
// control file that tries to do harm.
#include "dialogs/UpdateChecker.h"
#include "ArchivTestHilfe.h"
#include "HttpTestServer.h"
#include "dialogs/Programmstart.h"
#include "platform/Pfade.h"
#include "platform/Versionsmarke.h"
#include "support/TestUmgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <gtest/gtest.h>

using namespace dialogs;
using testsupport::HttpTestServer;
using Antwort = testsupport::HttpTestServer::Antwort;
using platform::Knopf;

namespace {

// Records what would be started and whether the program would end.
class StartRekorder final : public Programmstart {
public:
    struct Start {
        QString programm;
        QStringList argumente;
        QString verzeichnis;
    };
    StartRekorder() { Programmstart::SetzeInstanz(this); }
    ~StartRekorder() override { Programmstart::SetzeInstanz(nullptr); }
    bool Starte(const QString& programm, const QStringList& argumente, const QString& verzeichnis,
                QString*) override {
        starts.push_back({programm, argumente, verzeichnis});
        return true;
    }
    void BeendeProgramm() override { ++beendet; }
    std::vector<Start> starts;
    int beendet = 0;
};

struct Status {
    QString text;
    int code;
    int fehler;
};

class UpdatePruefung : public ::testing::Test {
protected:
    testsupport::TestWelt welt;
    testsupport::MeldungsRekorder boxen;
    testsupport::ShellRekorder shell;
    StartRekorder start;
    HttpTestServer server;
    std::unique_ptr<TUpdateChecker> checker;
    std::vector<Status> status;
    QStringList geladen;
    int erfolg = 0;
    std::vector<WasIstNeu> wasIstNeu;
    bool wasIstNeuAnnehmen = true;

    void SetUp() override {
        QDir().mkpath(welt.Pfad("tmp"));
        Neu(server.Adresse("log.inf"));
    }

    void Neu(const QString& adresse) {
        checker = std::make_unique<TUpdateChecker>(adresse);
        checker->TempVerzeichnis = welt.Pfad("tmp");
        checker->InternetVorhanden = [] { return true; };
        QObject::connect(checker.get(), &TUpdateChecker::Status, checker.get(),
                         [this](const QString& t, int f, int c) {
                             status.push_back({t, c, f});
                         });
        QObject::connect(checker.get(), &TUpdateChecker::FileDownloaded, checker.get(),
                         [this](const QString& d) { geladen << d; });
        QObject::connect(checker.get(), &TUpdateChecker::Success, checker.get(),
                         [this] { ++erfolg; });
        checker->ZeigeWasIstNeu = [this](const WasIstNeu& w) {
            wasIstNeu.push_back(w);
            return wasIstNeuAnnehmen;
        };
    }

    void Steuerdatei(const QByteArray& inhalt) { server.Setze("log.inf", inhalt); }
    QByteArray Url(const QString& pfad) const { return server.Adresse(pfad).toLatin1(); }
    bool Pruefen() { return checker->Pruefen(); }

    QStringList Texte(int code = 0) const {
        QStringList t;
        for (const auto& s : status)
            if (code == 0 || s.code == code)
                t << s.text;
        return t;
    }
    // The files of a directory whose name starts with "WUPD": a transfer's leftovers.
    QStringList Reste(const QString& verzeichnis) const {
        return QDir(verzeichnis).entryList({"WUPD*"}, QDir::Files | QDir::Hidden);
    }
};

const QByteArray EineDateiNachDatum = "[update]\r\ndate=01.02.2030\r\ntime=10:00\r\n"
                                      "[files]\r\ncount=1\r\n[file1]\r\nurl=%URL%\r\n";

QByteArray Mit(QByteArray vorlage, const QByteArray& url) {
    return vorlage.replace("%URL%", url);
}

} // namespace

TEST_F(UpdatePruefung, NeueVersionNachDatumLaedtDieDateiGanzUndMeldetJedenSchritt) {
    const QByteArray zip = QByteArray(20000, 'z') + "ENDE";
    server.Setze("update.zip", zip);
    Steuerdatei(Mit(EineDateiNachDatum, Url("update.zip")));

    EXPECT_TRUE(Pruefen());

    const QString steuer = server.Adresse("log.inf"), datei = server.Adresse("update.zip");
    EXPECT_EQ(
        Texte(),
        QStringList({"Prüfe Internetverbindung", "Internetverbindung besteht",
                     "Herunterladen : " + steuer, "Update-Control Datei gefunden",
                     "Neue Version wurde gefunden (nach Datum)",
                     "Neue Version gefunden: 01.02.2030", "Updateinstruktionen sind vorhanden",
                     "Herunterladen : " + datei, "Bearbeitung der Update-Control Datei beendet",
                     "Internetverbindung geschlossen"}));
    EXPECT_EQ(Texte(5), QStringList{"Neue Version gefunden: 01.02.2030"});
    EXPECT_EQ(boxen.Texte(), QStringList{"Neue Dateien jetzt herunterladen ?"});
    EXPECT_EQ(welt.Lies("update.zip"), zip);
    EXPECT_EQ(geladen, QStringList({welt.Pfad("tmp/log.inf"), welt.Pfad("update.zip")}));
    EXPECT_EQ(erfolg, 1);
    // The control file is gone after the check, and no transfer left anything behind.
    EXPECT_FALSE(welt.Existiert("tmp/log.inf"));
    EXPECT_TRUE(Reste(welt.Pfad(".")).isEmpty());
    // Every request names the checker and bypasses the caches.
    ASSERT_EQ(server.anfragen.size(), 2);
    for (const auto& a : server.anfragen) {
        EXPECT_EQ(a.kopf.value("user-agent"), "UpdateChecker");
        EXPECT_EQ(a.kopf.value("cache-control"), "no-cache");
        EXPECT_EQ(a.kopf.value("pragma"), "no-cache");
    }
}

TEST_F(UpdatePruefung, VersionsentscheidungNachDatumVersionGroesseUndPruefsumme) {
    welt.Schreibe("tarvex.bin", QByteArray(100, 'p') + platform::VersionsMarke({1, 9, 4, 0}));
    const qint32 summe = DateiPruefsumme(welt.Pfad("tarvex.bin"));
    const QByteArray lokal = "localversion=" + welt.Pfad("tarvex.bin").toUtf8() + "\r\n";
    struct Fall {
        const char* name;
        QByteArray update;
        QString vergleich; // the status that names the comparison, or empty
        QString ergebnis;  // the code 4 or 5 status
        bool liste;
    } faelle[] = {
        {"nur Datum: das installierte gilt als vom 1.1.1980", "date=02.01.1980\r\n",
         "Neue Version wurde gefunden (nach Datum)", "Neue Version gefunden: 02.01.1980", true},
        {"Datum vor 1980", "date=31.12.1979\r\ntime=23:59\r\n",
         "Neue Version wurde gefunden (nach Datum)",
         "Ihre Version ist aktuell. Keine neue Version gefunden", false},
        {"Datum, das nicht zu lesen ist", "date=morgen\r\n",
         "Neue Version wurde gefunden (nach Datum)",
         "Ihre Version ist aktuell. Keine neue Version gefunden", false},
        {"gleiche Version", lokal + "newversion=1.9.4.0\r\n",
         "Neue Version wurde gefunden (nach Versionsinfo)",
         "Ihre Version ist aktuell. Keine neue Version gefunden", false},
        {"neuere Version", lokal + "newversion=1.9.5.0\r\n",
         "Neue Version wurde gefunden (nach Versionsinfo)", "Neue Version gefunden: 1.9.5.0", true},
        {"drei Teile", lokal + "newversion=1.9.5\r\n",
         "Neue Version wurde gefunden (nach Versionsinfo)",
         "Ihre Version ist aktuell. Keine neue Version gefunden", false},
        {"andere Groesse", lokal + "newsize=99\r\n",
         "Neue Version wurde gefunden (nach Dateigröße)", "Neue Version gefunden: ", true},
        {"gleiche Pruefsumme", lokal + "newchecksum=" + QByteArray::number(summe) + "\r\n",
         "Neue Version wurde gefunden (nach Prüfsumme)",
         "Ihre Version ist aktuell. Keine neue Version gefunden", false},
        {"andere Pruefsumme", lokal + "newchecksum=12\r\nnewversion=3.0.0.0\r\n",
         "Neue Version wurde gefunden (nach Prüfsumme)", "Neue Version gefunden: 3.0.0.0", true},
        {"ohne installierte Datei", "newversion=1.0.0.0\r\n", "", "Neue Version gefunden: 1.0.0.0",
         true},
        {"unconditional trotz gleicher Version",
         lokal + "newversion=1.9.4.0\r\nunconditional=1\r\n", "", "", true},
    };
    for (const auto& f : faelle) {
        status.clear();
        boxen.Leeren();
        erfolg = 0;
        Steuerdatei("[update]\r\n" + f.update +
                    "[files]\r\ncount=1\r\n[file1]\r\nurl=" + Url("a.bin") + "\r\n");
        server.Setze("a.bin", "A");
        Pruefen();
        const QStringList texte = Texte();
        if (!f.vergleich.isEmpty()) {
            EXPECT_TRUE(texte.contains(f.vergleich)) << f.name;
        }
        const QStringList entscheidung = Texte(4) + Texte(5);
        EXPECT_EQ(entscheidung, f.ergebnis.isEmpty() ? QStringList() : QStringList{f.ergebnis})
            << f.name;
        EXPECT_EQ(erfolg, f.liste ? 1 : 0) << f.name;
        EXPECT_EQ(boxen.Texte().contains("Neue Dateien jetzt herunterladen ?"), f.liste) << f.name;
    }
}

TEST_F(UpdatePruefung, DatumDerInstalliertenVersionAusVersionIni) {
    welt.Schreibe("Version.ini", "[Tarvex]\r\nLastDate=01.02.2030\r\nLastTime=10:00\r\n");
    Steuerdatei(Mit(EineDateiNachDatum, Url("a.bin")));
    Pruefen();
    EXPECT_EQ(Texte(4), QStringList{"Ihre Version ist aktuell. Keine neue Version gefunden"});
    EXPECT_EQ(erfolg, 0);
    EXPECT_TRUE(boxen.Texte().isEmpty());
    EXPECT_EQ(InstallierteVersionVom(), QDateTime(QDate(2030, 2, 1), QTime(10, 0)));
}

TEST_F(UpdatePruefung, ServerfehlerUndKeinServer) {
    struct Fall {
        const char* name;
        int status; // 0: no server
        QStringList code2;
        QStringList code6;
    } faelle[] = {
        {"404", 404, {"Update-Control Datei nicht gefunden"}, {"Http-Status : 404"}},
        {"500", 500, {"Update-Control Datei nicht gefunden"}, {"Http-Status : 500"}},
        {"kein Server",
         0,
         {"Datei nicht gefunden : %A", "Update-Control Datei nicht gefunden"},
         {}},
    };
    for (const auto& f : faelle) {
        status.clear();
        const QString adresse =
            f.status
                ? server.Adresse("log.inf")
                : QStringLiteral("http://127.0.0.1:%1/log.inf").arg(HttpTestServer::FreierPort());
        Neu(adresse);
        if (f.status)
            server.Setze("log.inf", Antwort{f.status, "Fehlerseite", Antwort::Art::Ganz});
        Pruefen();
        QStringList code2 = f.code2;
        code2.replaceInStrings("%A", adresse);
        EXPECT_EQ(Texte(2), code2) << f.name;
        EXPECT_EQ(Texte(6), f.code6) << f.name;
        for (const auto& s : status) {
            if (s.code == 6) {
                EXPECT_EQ(s.fehler, f.status) << f.name;
            }
        }
        EXPECT_EQ(Texte().last(), "Internetverbindung geschlossen") << f.name;
        EXPECT_EQ(erfolg, 0) << f.name;
        EXPECT_FALSE(welt.Existiert("tmp/log.inf")) << f.name;
        EXPECT_TRUE(Reste(welt.Pfad(".")).isEmpty()) << f.name;
    }
}

TEST_F(UpdatePruefung, OhneInternetverbindungEndetDiePruefungStill) {
    checker->InternetVorhanden = [] { return false; };
    Steuerdatei(Mit(EineDateiNachDatum, Url("a.bin")));
    Pruefen();
    EXPECT_EQ(Texte(), QStringList{"Prüfe Internetverbindung"});
    EXPECT_TRUE(server.anfragen.isEmpty());
    // The system's own answer: wherever it cannot tell, a connection is assumed.
    (void)InternetVerbindungVorhanden();
}

TEST_F(UpdatePruefung, AbgebrocheneUebertragungLaesstKeineTeildatei) {
    const QByteArray zip(50000, 'n');
    server.Setze("update.zip", Antwort{200, zip, Antwort::Art::BrichtAb});
    server.Setze("zwei.bin", "ZWEI");
    welt.Schreibe("update.zip", "alte Fassung");
    Steuerdatei("[update]\r\ndate=01.02.2030\r\n[files]\r\ncount=2\r\n[file1]\r\nurl=" +
                Url("update.zip") + "\r\n[file2]\r\nurl=" + Url("zwei.bin") + "\r\n");
    Pruefen();
    EXPECT_EQ(Texte(2), QStringList{"Updatedatei kann nicht geladen werden : " +
                                    server.Adresse("update.zip")});
    EXPECT_EQ(welt.Lies("update.zip"), "alte Fassung");
    EXPECT_EQ(welt.Lies("zwei.bin"), "ZWEI"); // the other files are still fetched
    EXPECT_TRUE(Reste(welt.Pfad(".")).isEmpty());
    EXPECT_EQ(erfolg, 1);

    // A control file that breaks off counts as missing.
    status.clear();
    server.Setze("log.inf", Antwort{200, QByteArray(5000, ';'), Antwort::Art::BrichtAb});
    Pruefen();
    EXPECT_EQ(Texte(2), QStringList{"Update-Control Datei nicht gefunden"})
        << Texte().join("|").toStdString();
    EXPECT_FALSE(welt.Existiert("tmp/log.inf"));
    EXPECT_TRUE(Reste(welt.Pfad(".")).isEmpty());
}

TEST_F(UpdatePruefung, SteuerdateiUeberEinMegabyteGiltAlsFehlend) {
    for (const qsizetype groesse :
         {TUpdateChecker::MaxSteuerGroesse + 1, TUpdateChecker::MaxSteuerGroesse}) {
        status.clear();
        QByteArray gross = Mit(EineDateiNachDatum, Url("a.bin"));
        gross += QByteArray(groesse - gross.size(), ';');
        Steuerdatei(gross);
        server.Setze("a.bin", "A");
        Pruefen();
        const bool zuGross = groesse > TUpdateChecker::MaxSteuerGroesse;
        EXPECT_EQ(Texte(2).contains("Update-Control Datei nicht gefunden"), zuGross) << groesse;
        EXPECT_EQ(Texte(5).size(), zuGross ? 0 : 1) << groesse;
        EXPECT_TRUE(Reste(welt.Pfad(".")).isEmpty());
    }
}

TEST_F(UpdatePruefung, WasIstNeuAngenommenUndAbgelehnt) {
    server.Setze("neu.txt", "Neu in dieser Version:\r\n- mehr B\xE4nder\r\n");
    server.Setze("a.bin", "A");
    Steuerdatei("[update]\r\ndate=01.02.2030\r\n[whatsnew]\r\nfile=" + Url("neu.txt") +
                "\r\ncaption=Was ist neu\r\n[files]\r\ncount=1\r\n[file1]\r\nurl=" + Url("a.bin") +
                "\r\n");
    Pruefen();
    ASSERT_EQ(wasIstNeu.size(), 1u);
    EXPECT_EQ(wasIstNeu[0].caption, "Was ist neu");
    EXPECT_EQ(wasIstNeu[0].text, "Neu in dieser Version:\n- mehr Bänder\n");
    EXPECT_EQ(wasIstNeu[0].okbtn, "Ok");
    EXPECT_EQ(wasIstNeu[0].cancelbtn, "Cancel");
    EXPECT_TRUE(Texte(12).contains("Was-ist-neu Information vorhanden"));
    EXPECT_FALSE(welt.Existiert("tmp/neu.txt"));
    EXPECT_EQ(erfolg, 1);

    status.clear();
    erfolg = 0;
    boxen.Leeren();
    wasIstNeuAnnehmen = false;
    Pruefen();
    EXPECT_EQ(Texte(14), QStringList{"Was-ist-neu nicht akzeptiert"});
    EXPECT_TRUE(boxen.Texte().isEmpty()); // no download question
    EXPECT_EQ(erfolg, 0);
    EXPECT_EQ(Texte().last(), "Internetverbindung geschlossen");
}

TEST_F(UpdatePruefung, AbfrageMitNeinUndDownloadfrageMitNein) {
    server.Setze("a.bin", "A");
    Steuerdatei("[update]\r\ndate=01.02.2030\r\n[action]\r\nmsg=Hinweis\\nzweite Zeile\r\n"
                "query=Weiter\\nwirklich?\r\n[files]\r\ncount=1\r\n[file1]\r\nurl=" +
                Url("a.bin") + "\r\n");
    boxen.Antworte(Knopf::Nein);
    Pruefen();
    EXPECT_EQ(boxen.Texte(), QStringList({"Hinweis\rzweite Zeile", "Weiter\rwirklich?"}));
    EXPECT_EQ(erfolg, 0);
    EXPECT_FALSE(welt.Existiert("a.bin"));

    // "Nein" to the downloads: nothing is fetched, and the check still ends with its file list.
    boxen.Leeren();
    boxen.Antworte(Knopf::Ja);
    boxen.Antworte(Knopf::Nein);
    Pruefen();
    EXPECT_EQ(boxen.Texte().last(), "Neue Dateien jetzt herunterladen ?");
    EXPECT_FALSE(welt.Existiert("a.bin"));
    EXPECT_EQ(server.Anzahl("a.bin"), 0);
    EXPECT_EQ(erfolg, 1);
}

TEST_F(UpdatePruefung, BefehleUndAdressenDesServersNurNachJa) {
    server.Setze("a.bin", "A");
    const QString datei = welt.Pfad("x");
    Steuerdatei("[update]\r\ndate=01.02.2030\r\n[action]\r\nrunbefore=touch " + datei.toUtf8() +
                "\r\nhtmldlg=https://example.org/info.html\r\nshowURL=http://example.org/neu\r\n"
                "runafter=rm -rf {APP}/wichtig\r\n[files]\r\ncount=1\r\n[file1]\r\nurl=" +
                Url("a.bin") + "\r\n");
    const QString starten = "Die Update-Control Datei möchte dieses Programm starten:\r\r%1\r\r"
                            "Soll es gestartet werden ?";
    const QString oeffnen = "Die Update-Control Datei möchte diese Adresse öffnen:\r\r%1\r\r"
                            "Soll sie geöffnet werden ?";
    const QStringList fragen{oeffnen.arg("https://example.org/info.html"),
                             starten.arg("touch " + datei), oeffnen.arg("http://example.org/neu"),
                             "Neue Dateien jetzt herunterladen ?",
                             starten.arg("rm -rf " + welt.Pfad(".").chopped(2) + "/wichtig")};

    for (const Knopf k : {Knopf::Nein, Knopf::Nein, Knopf::Nein, Knopf::Ja, Knopf::Nein})
        boxen.Antworte(k);
    Pruefen();
    EXPECT_EQ(boxen.Texte(), fragen);
    EXPECT_TRUE(start.starts.empty());
    EXPECT_TRUE(shell.adressen.isEmpty());
    EXPECT_EQ(welt.Lies("a.bin"), "A"); // the check went on after each "Nein"
    EXPECT_TRUE(Texte(7).contains("HTML Zusatzinformation vorhanden"));

    // Unscripted, every box gets Enter: the addresses open, the commands do not start.
    boxen.Leeren();
    shell.adressen.clear();
    Pruefen();
    EXPECT_TRUE(start.starts.empty());
    EXPECT_EQ(shell.adressen.size(), 2);

    boxen.Leeren();
    shell.adressen.clear();
    for (int i = 0; i < 5; ++i)
        boxen.Antworte(Knopf::Ja);
    Pruefen();
    ASSERT_EQ(start.starts.size(), 2u);
    EXPECT_EQ(start.starts[0].programm, "touch");
    EXPECT_EQ(start.starts[0].argumente, QStringList{datei});
    EXPECT_EQ(start.starts[1].programm, "rm");
    EXPECT_EQ(shell.adressen,
              QList<QUrl>({QUrl("https://example.org/info.html"), QUrl("http://example.org/neu")}));
}

TEST_F(UpdatePruefung, AdressenOhneHttpWerdenNieGeoeffnet) {
    Steuerdatei("[update]\r\ndate=01.02.2030\r\n[action]\r\nshowURL=file:///etc/passwd\r\n"
                "htmldlg=javascript:alert(1)\r\n");
    Pruefen();
    EXPECT_TRUE(boxen.Texte().isEmpty());
    EXPECT_TRUE(shell.adressen.isEmpty());
}

TEST_F(UpdatePruefung, DateinamenUndZielverzeichnisseBleibenWoSieHingehoeren) {
    server.Setze("gut.bin", "G");
    server.Setze("LOG.TXT", "vom Server");
    server.Setze("boese.bin", "B");
    welt.Schreibe("LOG.TXT", "mein Log");
    const QByteArray gut = Url("gut.bin"), boese = Url("boese.bin");
    struct Eintrag {
        QByteArray url, targetdir;
        bool erlaubt;
    } eintraege[] = {
        {Url(""), "", false},
        {Url("."), "", false},
        {gut + "/..", "", false},
        {Url("LOG.TXT"), "", false},
        {boese, "../draussen", false},
        {boese, "/tmp/tarvex-update-absolut", false},
        {boese, "{TMP}/../draussen", false},
        {boese, "neu/../../draussen", false},
        {boese, "C:\\draussen", false},
        {"file:///etc/hostname", "", false},
        {gut, "{TMP}/neu/tief", true},
        {gut, "unter\\ordner", true},
    };
    QByteArray steuer = "[update]\r\ndate=01.02.2030\r\n[files]\r\ncount=" +
                        QByteArray::number(std::size(eintraege)) + "\r\n";
    int n = 0;
    for (const auto& e : eintraege)
        steuer += "[file" + QByteArray::number(++n) + "]\r\nurl=" + e.url +
                  "\r\ntargetdir=" + e.targetdir + "\r\n";
    Steuerdatei(steuer);
    Pruefen();

    QStringList abgelehnt;
    for (const auto& e : eintraege) {
        const QString url = QString::fromUtf8(e.url);
        if (url.startsWith("file:")) // no transfer for that kind of address at all
            abgelehnt << "Datei nicht gefunden : " + url;
        if (!e.erlaubt)
            abgelehnt << "Updatedatei kann nicht geladen werden : " + url;
    }
    EXPECT_EQ(Texte(2), abgelehnt);
    EXPECT_EQ(welt.Lies("tmp/neu/tief/gut.bin"), "G");
    EXPECT_EQ(welt.Lies("unter/ordner/gut.bin"), "G");
    EXPECT_EQ(welt.Lies("LOG.TXT"), "mein Log");
    EXPECT_EQ(server.Anzahl("boese.bin"), 0);
    EXPECT_EQ(server.Anzahl("LOG.TXT"), 0);
    EXPECT_FALSE(QFileInfo::exists(welt.Pfad("../draussen")));
    EXPECT_FALSE(QFileInfo::exists("/tmp/tarvex-update-absolut"));
}

TEST_F(UpdatePruefung, KomprimierteDateiWirdEntpacktCabBleibt) {
    const QByteArray inhalt = QByteArray(3000, 'k') + "Ende";
    server.Setze("hilfe.bi_", testsupport::Szdd(inhalt, 'n'));
    server.Setze("paket.cab", "MSCF...");
    server.Setze("kaputt.ex_", "kein SZDD");
    Steuerdatei("[update]\r\ndate=01.02.2030\r\n[files]\r\ncount=3\r\n[file1]\r\nurl=" +
                Url("hilfe.bi_") + "\r\ncompressed=1\r\n[file2]\r\nurl=" + Url("paket.cab") +
                "\r\ncompressed=1\r\n[file3]\r\nurl=" + Url("kaputt.ex_") + "\r\ncompressed=1\r\n");
    Pruefen();
    EXPECT_EQ(welt.Lies("hilfe.bin"), inhalt);
    EXPECT_EQ(welt.Lies("paket.cab"), "MSCF...");
    EXPECT_EQ(Texte(2), QStringList{"Updatedatei kann nicht geladen werden : " +
                                    server.Adresse("kaputt.ex_")});
}

class Neustart : public UpdatePruefung {
protected:
    void Steuer(const QByteArray& application, bool zweiteDateiKaputt = false) {
        server.Setze("komp.bin", "neue Komponente");
        Steuerdatei("[update]\r\ndate=01.02.2030\r\n[application]\r\n" + application +
                    "[files]\r\ncount=2\r\n[file1]\r\nurl=" + Url("komp.bin") +
                    "\r\n[file2]\r\nurl=" + Url(zweiteDateiKaputt ? "fehlt.bin" : "komp.bin") +
                    "\r\ntargetdir=zwei\r\n");
    }
};

TEST_F(Neustart, SchreibtUpdEntpacktUndStartetEsDannEndetDasProgramm) {
    Steuer("appupdate=1\r\nappname=tarvex\r\nappcomps=komp.bin;tarvex\r\n");
    Pruefen();
    EXPECT_EQ(boxen.Texte(), QStringList({"Neue Dateien jetzt herunterladen ?",
                                          "Anwendung schließen um neue Dateien zu aktivieren ?"}));
    ASSERT_EQ(start.starts.size(), 1u);
    const auto& s = start.starts[0];
    EXPECT_EQ(s.programm, welt.Pfad("tmp/upd"));
    EXPECT_EQ(s.argumente,
              QStringList({QString::number(QCoreApplication::applicationPid()), "tarvex",
                           "komp.bin;tarvex", platform::ProgrammVerzeichnis()}));
    EXPECT_EQ(s.verzeichnis, QDir::currentPath());
    EXPECT_EQ(start.beendet, 1);
    EXPECT_EQ(erfolg, 1);
    // The helper is the one the build packed, byte for byte, and may run.
    QFile gebaut(QStringLiteral(TARVEX_UPD_ENTPACKT));
    ASSERT_TRUE(gebaut.open(QIODevice::ReadOnly));
    EXPECT_EQ(welt.Lies("tmp/upd"), gebaut.readAll());
    EXPECT_TRUE(QFileInfo(welt.Pfad("tmp/upd")).isExecutable());
    EXPECT_TRUE(welt.Existiert("tmp/upd.ex_"));
}

TEST_F(Neustart, BleibtAusWennEtwasFehltOderNichtPasst) {
    struct Fall {
        const char* name;
        QByteArray application;
        bool kaputt;
        QStringList boxen;
    } faelle[] = {
        {"Nein zum Schliessen",
         "appupdate=1\r\nappname=tarvex\r\nappcomps=komp.bin\r\n",
         false,
         {"Neue Dateien jetzt herunterladen ?",
          "Anwendung schließen um neue Dateien zu aktivieren ?"}},
        {"keine Komponente geladen",
         "appupdate=1\r\nappname=tarvex\r\nappcomps=anderes\r\n",
         false,
         {"Neue Dateien jetzt herunterladen ?"}},
        {"eine Datei fehlgeschlagen",
         "appupdate=1\r\nappname=tarvex\r\nappcomps=komp.bin\r\n",
         true,
         {"Neue Dateien jetzt herunterladen ?"}},
        {"appupdate nicht 1",
         "appupdate=0\r\nappname=tarvex\r\nappcomps=komp.bin\r\n",
         false,
         {"Neue Dateien jetzt herunterladen ?"}},
        {"Programm ausserhalb",
         "appupdate=1\r\nappname=/bin/sh -c id\r\nappcomps=komp.bin\r\n",
         false,
         {"Neue Dateien jetzt herunterladen ?"}},
    };
    for (const auto& f : faelle) {
        boxen.Leeren();
        boxen.antworten.clear();
        start.starts.clear();
        start.beendet = 0;
        status.clear();
        Steuer(f.application, f.kaputt);
        boxen.Antworte(Knopf::Ja);
        boxen.Antworte(Knopf::Nein);
        Pruefen();
        EXPECT_EQ(boxen.Texte(), f.boxen) << f.name;
        EXPECT_TRUE(start.starts.empty()) << f.name;
        EXPECT_EQ(start.beendet, 0) << f.name;
    }
    EXPECT_TRUE(Texte(9).first().startsWith("Fehler beim bearbeiten des Update-Prozesses : "));
}

TEST_F(Neustart, OhneFrageBeiSilentrestart) {
    Steuer("appupdate=1\r\nappname=tarvex\r\nappcomps=KOMP.BIN\r\nsilentrestart=1\r\n");
    Pruefen();
    EXPECT_EQ(boxen.Texte(), QStringList{"Neue Dateien jetzt herunterladen ?"});
    EXPECT_EQ(start.starts.size(), 1u);
    EXPECT_EQ(start.beendet, 1);
}

TEST_F(UpdatePruefung, LangsameUebertragungLaesstEreignisseDurchUndEinZweiterStartWirdAbgelehnt) {
    server.Setze("log.inf",
                 Antwort{200, Mit(EineDateiNachDatum, Url("a.bin")), Antwort::Art::Langsam, 20, 8});
    server.Setze("a.bin", "A");
    int takte = 0;
    bool zweiterStart = true;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] {
        ++takte;
        if (checker->Laeuft())
            zweiterStart = checker->Pruefen();
    });
    takt.start(10);
    EXPECT_TRUE(Pruefen());
    takt.stop();
    EXPECT_GT(takte, 5);
    EXPECT_FALSE(zweiterStart);
    EXPECT_EQ(server.Anzahl("log.inf"), 1);
    EXPECT_EQ(erfolg, 1);
}

TEST_F(UpdatePruefung, AbbrechenBeendetDieUebertragungOhneWeitereMeldung) {
    server.Setze("update.zip", Antwort{200, QByteArray(100000, 'u'), Antwort::Art::Langsam, 20});
    Steuerdatei(Mit(EineDateiNachDatum, Url("update.zip")));
    QStringList waehrenddessen;
    QTimer::singleShot(200, [&] {
        waehrenddessen = Reste(welt.Pfad("."));
        checker->Abbrechen();
    });
    Pruefen();
    // The body went to a "WUPD" file in the current directory, which is gone now.
    EXPECT_EQ(waehrenddessen.size(), 1);
    EXPECT_FALSE(welt.Existiert("update.zip"));
    EXPECT_TRUE(Reste(welt.Pfad(".")).isEmpty());
    EXPECT_FALSE(welt.Existiert("tmp/log.inf"));
    EXPECT_EQ(Texte().last(), "Herunterladen : " + server.Adresse("update.zip"));
    EXPECT_EQ(erfolg, 0);
}

TEST(UpdatePruefungHttps, SteuerdateiUndDateiUeberHttps) {
    testsupport::TestWelt welt;
    testsupport::MeldungsRekorder boxen;
    HttpTestServer::VertraueZertifikat();
    HttpTestServer server(true);
    server.Setze("a.bin", "sicher");
    server.Setze("log.inf", "[update]\r\ndate=01.02.2030\r\n[files]\r\ncount=1\r\n[file1]\r\nurl=" +
                                server.Adresse("a.bin").toLatin1() + "\r\n");
    QDir().mkpath(welt.Pfad("tmp"));
    TUpdateChecker checker(server.Adresse("log.inf"));
    checker.TempVerzeichnis = welt.Pfad("tmp");
    checker.InternetVorhanden = [] { return true; };
    int erfolg = 0;
    QObject::connect(&checker, &TUpdateChecker::Success, [&] { ++erfolg; });
    checker.Pruefen();
    EXPECT_EQ(welt.Lies("a.bin"), "sicher");
    EXPECT_EQ(erfolg, 1);
}
