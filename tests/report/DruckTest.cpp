// Printing the recorded pages on the test printer: page order with and without collation, the
// progress window and its Cancel, the printer's copy count, and failures of the printer.
#include "SeitendruckerTestHilfe.h"
#include "platform/Fehler.h"
#include "report/PrnPrgDlg.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace seitendrucker_test {
namespace {

TPPPrnPrgDlg* Fortschrittsfenster() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<TPPPrnPrgDlg*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

class DruckTest : public SeitendruckerTest {
protected:
    // Three pages, each with "Seite n" as its first table line.
    void DreiSeiten() {
        pp->SetTitle(QStringLiteral("Aktivitätsabend / DL0XX"));
        pp->SetTableFormat(QStringLiteral("<3"));
        pp->BeginDoc();
        for (int i = 1; i <= 3; ++i) {
            if (i > 1)
                pp->NewPage();
            pp->WriteLine(QStringLiteral("Seite %1").arg(i));
        }
        pp->EndDoc();
    }

    QStringList GedruckteSeiten() const {
        QStringList s;
        for (const auto& seite : drucker.auftraege.back().seiten)
            s << seite.Texte().join(u' ');
        return s;
    }

    // What the progress window shows after each printed page.
    struct Stand {
        QString seite;
        int wert;
        int maximum;
    };
};

TEST_F(DruckTest, ZweiKopienSortiertUndUnsortiert) {
    DreiSeiten();
    pp->SetCopies(2);
    const struct {
        bool sortiert;
        QStringList seiten;
        QStringList zeilen; // the progress window's page label after each page
    } faelle[] = {
        {true,
         {"Seite 1", "Seite 2", "Seite 3", "Seite 1", "Seite 2", "Seite 3"},
         {"Page 1 of 3 x 2 Copies", "Page 2 of 3 x 2 Copies", "Page 3 of 3 x 2 Copies",
          "Page 1 of 3 x 2 Copies", "Page 2 of 3 x 2 Copies", "Page 3 of 3 x 2 Copies"}},
        {false,
         {"Seite 1", "Seite 1", "Seite 2", "Seite 2", "Seite 3", "Seite 3"},
         {"Page 1 of 3 x 2 Copies", "Page 1 of 3 x 2 Copies", "Page 2 of 3 x 2 Copies",
          "Page 2 of 3 x 2 Copies", "Page 3 of 3 x 2 Copies", "Page 3 of 3 x 2 Copies"}},
    };
    for (const auto& f : faelle) {
        drucker.kopien = 4;
        std::vector<Stand> staende;
        drucker.nachSeite = [&staende](int) {
            if (TPPPrnPrgDlg* d = Fortschrittsfenster())
                staende.push_back(
                    {d->Seitenzeile()->text(), d->Balken()->value(), d->Balken()->maximum()});
        };
        pp->SetCollate(f.sortiert);
        EXPECT_TRUE(pp->Print());
        const testsupport::TestAuftrag& a = drucker.auftraege.back();
        EXPECT_EQ(a.titel, QStringLiteral("Aktivitätsabend / DL0XX"));
        EXPECT_EQ(a.kopien, 1); // the copies are made by the page printer, in one job
        EXPECT_TRUE(a.beendet);
        EXPECT_EQ(GedruckteSeiten(), f.seiten);
        EXPECT_EQ(drucker.kopien, 4);
        ASSERT_EQ(staende.size(), 6u);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(staende[i].seite, f.zeilen[i]) << i;
            EXPECT_EQ(staende[i].wert, i + 1);
            EXPECT_EQ(staende[i].maximum, 6);
        }
        EXPECT_EQ(Fortschrittsfenster(), nullptr);
    }
    EXPECT_EQ(drucker.auftraege.size(), 2u);
}

TEST_F(DruckTest, FortschrittsfensterTexteUndGroesse) {
    DreiSeiten();
    const struct {
        bool abbrechbar;
        QString meldung;
        QString status;
        int hoehe;
    } faelle[] = {{true, "", "Sending Pages To Printer", 133},
                  {false, "Logbuch wird gedruckt", "Logbuch wird gedruckt", 98}};
    for (const auto& f : faelle) {
        pp->SetShowCancel(f.abbrechbar);
        pp->SetProgressMessage(f.meldung);
        bool gesehen = false;
        drucker.nachSeite = [&](int seite) {
            TPPPrnPrgDlg* d = Fortschrittsfenster();
            if (!d)
                return; // the job ends after a cancel, without its window
            gesehen = true;
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Aktivitätsabend / DL0XX"));
            EXPECT_EQ(d->Meldung()->text(), f.status);
            EXPECT_EQ(d->Seitenzeile()->text(), QStringLiteral("Page %1 of 3").arg(seite));
            EXPECT_EQ(d->size(), QSize(293, f.hoehe));
            EXPECT_EQ(d->Abbrechen()->text(), QStringLiteral("&Cancel"));
            EXPECT_EQ(d->Abbrechen()->isVisible(), f.abbrechbar);
            EXPECT_EQ(d->Abbrechen()->isEnabled(), f.abbrechbar);
            EXPECT_TRUE(d->Abbrechen()->isDefault());
            EXPECT_TRUE(d->testAttribute(Qt::WA_ShowWithoutActivating));
            EXPECT_FALSE(d->isModal());
            // Without the button nothing can cancel, not even Escape.
            d->reject();
        };
        EXPECT_EQ(pp->Print(), f.abbrechbar ? false : true);
        EXPECT_TRUE(gesehen);
    }

    pp->SetShowProgress(false);
    drucker.nachSeite = [](int) { EXPECT_EQ(Fortschrittsfenster(), nullptr); };
    EXPECT_TRUE(pp->Print());
    EXPECT_EQ(drucker.auftraege.back().seiten.size(), 3u);
}

TEST_F(DruckTest, AbbrechenBeendetOderVerwirftDenAuftrag) {
    DreiSeiten();
    pp->SetCopies(2);
    for (const bool verwerfen : {false, true}) {
        drucker.kopien = 3;
        pp->SetAbortOnCancel(verwerfen);
        // Cancel is pressed while the third page is begun: it is printed, the fourth is not.
        drucker.nachSeite = [](int seite) {
            if (seite == 2)
                Fortschrittsfenster()->Abbrechen()->click();
        };
        EXPECT_FALSE(pp->Print());
        const testsupport::TestAuftrag& a = drucker.auftraege.back();
        EXPECT_EQ(a.seiten.size(), 3u);
        EXPECT_EQ(a.beendet, !verwerfen);
        EXPECT_EQ(a.abgebrochen, verwerfen);
        EXPECT_EQ(drucker.kopien, 3);
        EXPECT_EQ(Fortschrittsfenster(), nullptr);
    }
    // The next Print starts afresh.
    drucker.nachSeite = {};
    EXPECT_TRUE(pp->Print());
    EXPECT_EQ(drucker.auftraege.back().seiten.size(), 6u);
}

TEST_F(DruckTest, TextLandetWoErAufgezeichnetWurde) {
    DreiSeiten();
    ASSERT_TRUE(pp->Print());
    const TextBefehl aufgezeichnet = TextAuf(pp->Page(2), QStringLiteral("Seite 2"));
    const auto& gedruckt = drucker.auftraege.back().seiten[1].texte;
    ASSERT_EQ(gedruckt.size(), 1u);
    EXPECT_EQ(gedruckt[0].text, QStringLiteral("Seite 2"));
    EXPECT_EQ(gedruckt[0].grundlinie,
              QPointF(aufgezeichnet.oben.x(), aufgezeichnet.oben.y() + aufgezeichnet.aufstieg));
    EXPECT_EQ(gedruckt[0].pixelGroesse, 83);

    // Pages recorded for 600 dpi go to a printer that now has 1200 at twice the scale.
    drucker.daten->dpiX = drucker.daten->dpiY = 1200;
    ASSERT_TRUE(pp->Print());
    const auto& doppelt = drucker.auftraege.back().seiten[1].texte;
    ASSERT_EQ(doppelt.size(), 1u);
    EXPECT_EQ(doppelt[0].grundlinie, gedruckt[0].grundlinie * 2);
    EXPECT_EQ(doppelt[0].pixelGroesse, 166);
}

TEST_F(DruckTest, DruckenOhneSeitenOderWaehrendDerAufzeichnung) {
    EXPECT_TRUE(pp->Print());
    EXPECT_TRUE(drucker.auftraege.empty());

    pp->SetTableFormat(QStringLiteral("<3"));
    pp->BeginDoc();
    pp->WriteLine(QStringLiteral("offen"));
    EXPECT_TRUE(pp->Print());
    EXPECT_FALSE(pp->Printing());
    EXPECT_EQ(GedruckteSeiten(), QStringList({"offen"}));
}

TEST_F(DruckTest, KeinZweiterAuftragWaehrendEinerLaeuft) {
    DreiSeiten();
    bool zweiter = true;
    drucker.nachSeite = [&](int seite) {
        if (seite == 1)
            zweiter = pp->Print();
    };
    EXPECT_TRUE(pp->Print());
    EXPECT_FALSE(zweiter);
    EXPECT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_EQ(drucker.auftraege.back().seiten.size(), 3u);
}

TEST_F(DruckTest, FehlerDesDruckersErreichenDenAufrufer) {
    DreiSeiten();
    drucker.kopien = 2;
    drucker.endeScheitert = true;
    EXPECT_THROW(pp->Print(), platform::Fehler);
    EXPECT_EQ(drucker.kopien, 2);
    EXPECT_EQ(Fortschrittsfenster(), nullptr);

    // The preview keeps working without a printer; printing fails in the printer service.
    drucker.endeScheitert = false;
    drucker.daten.reset();
    EXPECT_THROW(pp->Print(), platform::Fehler);
    EXPECT_EQ(drucker.kopien, 2);
    EXPECT_NO_THROW(pp->SetPageNumber(3));
}

} // namespace
} // namespace seitendrucker_test
