// The update window with a local server: the operator's messages for each outcome, the address
// of the first download, tracing, and the window closing when a check ends with its file list.
#include "HttpTestServer.h"
#include "dialogs/Programmstart.h"
#include "dialogs/TWasIstNeuDlg.h"
#include "dialogs/TfrmLogUpdate.h"
#include "platform/Versionsmarke.h"
#include "support/TestUmgebung.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

using namespace dialogs;
using testsupport::HttpTestServer;
using Antwort = testsupport::HttpTestServer::Antwort;
using platform::Knopf;

namespace {

class NieStarten final : public Programmstart {
public:
    NieStarten() { Programmstart::SetzeInstanz(this); }
    ~NieStarten() override { Programmstart::SetzeInstanz(nullptr); }
    bool Starte(const QString& programm, const QStringList& argumente, const QString&,
                QString*) override {
        gestartet << (QStringList{programm} + argumente).join(u' ');
        return true;
    }
    void BeendeProgramm() override {}
    QStringList gestartet;
};

const QString Speicherort = QStringLiteral(
    "\rWenn Sie sich gleich für den Download entscheiden wird dieser gespeichert unter: \r");
const QString Entpacken =
    QStringLiteral("\rDanach den Inhalt des ZIP-Files ins Programmverzeichnis entpacken!");

class UpdateFenster : public ::testing::Test {
protected:
    testsupport::TestWelt welt;
    testsupport::MeldungsRekorder boxen;
    NieStarten start;
    HttpTestServer server;
    std::unique_ptr<TfrmLogUpdate> fenster;

    void SetUp() override {
        QDir().mkpath(welt.Pfad("tmp"));
        server.Setze("update.zip", "PK zip");
    }
    // The window as the program builds it at start (after Log.ini is in place), then shown.
    TfrmLogUpdate& Fenster(const QString& adresse = QString()) {
        fenster = std::make_unique<TfrmLogUpdate>(
            nullptr, adresse.isEmpty() ? server.Adresse("log.inf") : adresse);
        fenster->UpdateChecker1.TempVerzeichnis = welt.Pfad("tmp");
        fenster->UpdateChecker1.InternetVorhanden = [] { return true; };
        fenster->show();
        return *fenster;
    }
    void Steuerdatei(const QByteArray& update, const QByteArray& rest = {}) {
        server.Setze("log.inf", "[update]\r\n" + update + rest +
                                    "[files]\r\ncount=1\r\n[file1]\r\nurl=" +
                                    server.Adresse("update.zip").toLatin1() + "\r\n");
    }
    QString Hier() const { return QDir::currentPath() + u'/'; }
};

} // namespace

TEST_F(UpdateFenster, AufbauUndKnopf) {
    auto& f = Fenster();
    EXPECT_EQ(f.windowTitle(), "Update");
    EXPECT_EQ(f.Button1->text(), "Auf neue Version prüfen");
    EXPECT_TRUE(f.Button1->isEnabled());
    EXPECT_EQ(TUpdateChecker::StandardAdresse(), "http://www.example.org/tarvex/log.inf");
}

TEST_F(UpdateFenster, NeuereVersionNachDatumLaedtUndSchliesstDasFenster) {
    Steuerdatei("date=01.02.2030\r\n");
    auto& f = Fenster();
    f.Button1->click();
    EXPECT_EQ(boxen.Texte(), QStringList({"Neue Version gefunden: 01.02.2030" + Speicherort +
                                              Hier() + "update.zip" + Entpacken,
                                          "Neue Dateien jetzt herunterladen ?",
                                          "Die Updateprüfung ist abgeschlossen!"}));
    EXPECT_EQ(boxen.eintraege.back().art, "Zeige");
    EXPECT_EQ(welt.Lies("update.zip"), "PK zip");
    EXPECT_EQ(f.DownloadUrl, server.Adresse("update.zip"));
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
}

TEST_F(UpdateFenster, DownloadfrageMitNeinSchliesstDasFensterEbenso) {
    Steuerdatei("date=01.02.2030\r\n");
    auto& f = Fenster();
    boxen.Antworte(Knopf::Ok);
    boxen.Antworte(Knopf::Nein);
    f.Button1->click();
    EXPECT_EQ(boxen.Texte().last(), "Die Updateprüfung ist abgeschlossen!");
    EXPECT_FALSE(welt.Existiert("update.zip"));
    EXPECT_FALSE(f.isVisible());
}

TEST_F(UpdateFenster, VersionGegenDieInstallierteDatei) {
    welt.Schreibe("tarvex.bin", QByteArray(64, 'x') + platform::VersionsMarke({1, 9, 4, 0}));
    const QByteArray lokal = "localversion=" + welt.Pfad("tarvex.bin").toUtf8() + "\r\n";

    Steuerdatei(lokal + "newversion=1.9.4.0\r\n");
    auto& f = Fenster();
    f.Button1->click();
    EXPECT_EQ(boxen.Texte(), QStringList{"Es gibt keine neuere Version"});
    EXPECT_TRUE(f.isVisible()); // nothing found: the window stays open

    boxen.Leeren();
    Steuerdatei(lokal + "newversion=1.9.5.0\r\n");
    boxen.Antworte(Knopf::Ok);
    boxen.Antworte(Knopf::Nein);
    f.Button1->click();
    EXPECT_EQ(boxen.Texte().first(),
              "Neue Version gefunden: 1.9.5.0" + Speicherort + Hier() + "update.zip" + Entpacken);
}

TEST_F(UpdateFenster, DieMeldungNenntDasWirklicheZielverzeichnis) {
    server.Setze("log.inf", "[update]\r\ndate=01.02.2030\r\n[files]\r\ncount=1\r\n[file1]\r\n"
                            "url=" +
                                server.Adresse("update.zip").toLatin1() +
                                "\r\ntargetdir={TMP}/neu\r\n");
    auto& f = Fenster();
    f.Button1->click();
    EXPECT_EQ(boxen.Texte().first(), "Neue Version gefunden: 01.02.2030" + Speicherort +
                                         welt.Pfad("tmp/neu/update.zip") + Entpacken);
    EXPECT_EQ(welt.Lies("tmp/neu/update.zip"), "PK zip");
}

TEST_F(UpdateFenster, KeinServerUndHttpFehler) {
    const QString adresse =
        QStringLiteral("http://127.0.0.1:%1/log.inf").arg(HttpTestServer::FreierPort());
    auto& f = Fenster(adresse);
    f.Button1->click();
    EXPECT_EQ(boxen.Texte(),
              QStringList({"Datei nicht gefunden : " + adresse + "\rKeine Updateinfos verfügbar",
                           "Update-Control Datei nicht gefunden\rKeine Updateinfos verfügbar"}));
    EXPECT_TRUE(f.isVisible());

    boxen.Leeren();
    server.Setze("log.inf", Antwort{404, "weg", Antwort::Art::Ganz});
    Fenster().Button1->click();
    EXPECT_EQ(boxen.Texte(),
              QStringList{"Update-Control Datei nicht gefunden\rKeine Updateinfos verfügbar"});
}

TEST_F(UpdateFenster, MitTraceJederStatustextVorSeinerMeldung) {
    welt.Schreibe("Log.ini", "[Trace]\r\nTrace=1\r\n");
    const QString adresse =
        QStringLiteral("http://127.0.0.1:%1/log.inf").arg(HttpTestServer::FreierPort());
    Fenster(adresse).Button1->click();
    const QString nichtGefunden = "Datei nicht gefunden : " + adresse;
    EXPECT_EQ(boxen.Texte(),
              QStringList({"Prüfe Internetverbindung", "Internetverbindung besteht",
                           "Herunterladen : " + adresse, nichtGefunden,
                           nichtGefunden + "\rKeine Updateinfos verfügbar",
                           "Update-Control Datei nicht gefunden",
                           "Update-Control Datei nicht gefunden\rKeine Updateinfos verfügbar",
                           "Internetverbindung geschlossen"}));
    for (const auto& e : boxen.eintraege)
        EXPECT_EQ(e.art, "Information");
}

TEST_F(UpdateFenster, BefehlDesServersWirdGezeigtUndMitNeinNieGestartet) {
    Steuerdatei("date=01.02.2030\r\n", "[action]\r\nrunbefore=touch /tmp/x\r\n");
    auto& f = Fenster();
    boxen.Antworte(Knopf::Ok);
    boxen.Antworte(Knopf::Nein);
    f.Button1->click();
    ASSERT_GE(boxen.Texte().size(), 2);
    EXPECT_EQ(boxen.eintraege[1].art, "Frage");
    EXPECT_TRUE(boxen.Texte()[1].contains("\r\rtouch /tmp/x\r\r"));
    EXPECT_TRUE(start.gestartet.isEmpty());
    EXPECT_EQ(boxen.Texte().last(), "Die Updateprüfung ist abgeschlossen!");
}

TEST_F(UpdateFenster, WasIstNeuImEigenenDialog) {
    server.Setze("neu.txt", "Zeile 1\r\nZeile 2\r\n");
    Steuerdatei("date=01.02.2030\r\n",
                "[whatsnew]\r\nfile=" + server.Adresse("neu.txt").toLatin1() +
                    "\r\ncaption=Neuigkeiten\r\nokbtn=Weiter\r\n"
                    "cancelbtn=Lieber nicht\r\n");
    auto& f = Fenster();
    QSize groesse;
    QString titel, text, ok, abbrechen;
    bool nurLesen = false, mittig = false;
    // Looks for the dialog while the check runs, and answers it once it is shown.
    QTimer suche;
    QObject::connect(&suche, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<TWasIstNeuDlg*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        suche.stop();
        groesse = dialog->size();
        titel = dialog->windowTitle();
        text = dialog->Text->toPlainText();
        nurLesen = dialog->Text->isReadOnly();
        ok = dialog->OkBtn->text();
        abbrechen = dialog->CancelBtn->text();
        const QPoint mitte = dialog->screen()->availableGeometry().center();
        mittig = (dialog->frameGeometry().center() - mitte).manhattanLength() <= 2;
        dialog->CancelBtn->click();
    });
    suche.start(5);
    f.Button1->click();
    EXPECT_EQ(groesse, QSize(400, 400));
    EXPECT_EQ(titel, "Neuigkeiten");
    EXPECT_EQ(text, "Zeile 1\nZeile 2\n");
    EXPECT_TRUE(nurLesen);
    EXPECT_TRUE(mittig);
    EXPECT_EQ(ok, "Weiter");
    EXPECT_EQ(abbrechen, "Lieber nicht");
    // Refused: no download question, the window stays open.
    EXPECT_EQ(boxen.Texte().size(), 1);
    EXPECT_TRUE(f.isVisible());
}

TEST_F(UpdateFenster, KnopfGesperrtWaehrendDerPruefungZweiterDruckAbgelehnt) {
    server.Setze("log.inf",
                 Antwort{200, "[update]\r\nnewversion=1.0.0.0\r\n" + QByteArray(200, ';'),
                         Antwort::Art::Langsam, 15, 16});
    auto& f = Fenster();
    bool gesperrt = false;
    QTimer::singleShot(60, [&] {
        gesperrt = !f.Button1->isEnabled();
        f.Button1Click();
    });
    f.Button1Click();
    EXPECT_TRUE(gesperrt);
    EXPECT_TRUE(f.Button1->isEnabled());
    EXPECT_EQ(server.Anzahl("log.inf"), 1);
}

TEST_F(UpdateFenster, SchliessenWaehrendDerPruefungBeendetSieOhneWeitereMeldung) {
    Steuerdatei("date=01.02.2030\r\n");
    server.Setze("update.zip", Antwort{200, QByteArray(50000, 'z'), Antwort::Art::Langsam, 20});
    auto& f = Fenster();
    boxen.beimZeigen = [&](const auto& e) {
        if (e.text == "Neue Dateien jetzt herunterladen ?")
            QTimer::singleShot(150, [&] { f.close(); });
    };
    f.Button1->click();
    EXPECT_EQ(boxen.Texte().size(), 2); // the new version and the download question only
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(welt.Existiert("update.zip"));
}
