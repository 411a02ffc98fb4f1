// The printed log on the test printer: pages, page heads, rows, the totals at their places, the
// evaluation's numbers, and the preview's buttons with their enabling rules.
#include "SeitendruckerTestHilfe.h"

#include "core/Kontest.h"
#include "report/TfrmPrintPreview.h"

#include <QLabel>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace seitendrucker_test;
using testsupport::MeldungsRekorder;
using testsupport::TestDrucker;
using testsupport::TestWelt;

namespace {

struct Umgebung {
    TestWelt welt;
    MeldungsRekorder meldungen;
    TestDrucker drucker;
    core::Kontest kontest{nullptr};
    std::unique_ptr<TfrmPrintPreview> fenster;

    Umgebung() {
        platform::Drucker::SetzeInstanz(&drucker);
        kontest.Ini.Kontestbezeichnung = QStringLiteral("RLP Aktivitätsabend");
        kontest.Ini.Stationscall = QStringLiteral("DA0XYZ");
        kontest.Ini.FDmanagerDOK = QStringLiteral("K32");
        kontest.Ini.FDmanagerName = QStringLiteral("Erna Beispiel");
        fenster = std::make_unique<TfrmPrintPreview>(kontest);
    }
    ~Umgebung() {
        fenster.reset();
        platform::Drucker::SetzeInstanz(nullptr);
    }
    void Qso(const QString& call, const QString& dok, const QString& band = "80",
             const QString& mode = "SSB") {
        kontest.Log.Anhaengen(
            {"24.03.2026", "19:05:00", call, "59", "K32", "59", dok, band, "Bemerkung", mode});
    }
    void Qsos(int n, const QString& mode = "SSB") {
        for (int i = 0; i < n; ++i)
            Qso(QStringLiteral("QA%1AA%2").arg(i % 10).arg(i),
                QStringLiteral("K%1").arg(i % 100, 2, 10, QLatin1Char('0')), "80", mode);
    }
    TPagePrinter& pp() const { return *fenster->PagePrinter1; }
    QStringList Texte(int seite) const { return pp().Page(seite).Texte(); }
    // The text drawn right after `label` on the page (the totals are drawn label, value).
    QString Nach(int seite, const QString& label) const {
        const QStringList t = Texte(seite);
        const qsizetype i = t.indexOf(label);
        return i >= 0 && i + 1 < t.size() ? t.at(i + 1) : QStringLiteral("(kein %1)").arg(label);
    }
};

} // namespace

TEST(Druckprotokoll, FensterWieEntworfen) {
    Umgebung u;
    EXPECT_EQ(u.fenster->windowTitle(), "Druckvorschau Logausdruck");
    EXPECT_EQ(u.fenster->size(), QSize(732, 739));
    const std::pair<QToolButton*, const char*> knoepfe[] = {
        {u.fenster->ToolbarButton1, "Drucken"},
        {u.fenster->btnPagePrev, "Seite zurück"},
        {u.fenster->btnPageNext, "nächste Seite"},
        {u.fenster->btnZoomOut, "Verkleinern"},
        {u.fenster->btnZoomIn, "Vergrößern"},
        {u.fenster->btnFitToWidth, "Auf Seitenbreite anpassen"},
        {u.fenster->btnFitToHeight, "Auf Seitenhöhe anpassen"},
        {u.fenster->btnExitPrintpreview, "Druckvorschau beenden"}};
    for (const auto& [knopf, hinweis] : knoepfe)
        EXPECT_EQ(knopf->toolTip(), QString::fromUtf8(hinweis));
    EXPECT_EQ(u.fenster->lblZoomfaktor->toolTip(), "Anzeigegröße");
    EXPECT_EQ(u.fenster->lblZoomfaktor->text(), " 80% ");
    EXPECT_EQ(u.fenster->lblPageNr->text(), " 1 ");
    EXPECT_EQ(u.pp().ZoomPercent(), 80);
    EXPECT_FALSE(u.pp().GradientBackground());
    EXPECT_EQ(u.pp().Font().Name, "Courier New");
}

TEST(Druckprotokoll, SechsundfuenfzigUndSiebenundfuenfzigQsos) {
    for (const int anzahl : {56, 57}) {
        SCOPED_TRACE(anzahl);
        Umgebung u;
        u.Qsos(anzahl);
        u.fenster->ToolbarBtnAktualisierenClick();
        const int seiten = anzahl == 56 ? 1 : 2;
        ASSERT_EQ(u.pp().PageCount(), seiten);
        EXPECT_EQ(u.fenster->lblPageNr->text(), QStringLiteral(" 1 von %1 ").arg(seiten));
        EXPECT_FALSE(u.fenster->btnPagePrev->isEnabled());
        EXPECT_EQ(u.fenster->btnPageNext->isEnabled(), seiten == 2);
        QStringList alle;
        for (int s = 1; s <= seiten; ++s) {
            const QStringList t = u.Texte(s);
            alle += t;
            EXPECT_TRUE(t.contains(QStringLiteral("Seite: %1 von %2").arg(s).arg(seiten)))
                << t.join(" / ").toStdString();
            EXPECT_TRUE(t.contains("RLP Aktivitätsabend"));
            EXPECT_TRUE(t.contains("Erna Beispiel"));
            // "Mul" on page 1; "Multi" wraps in its column on later pages.
            EXPECT_TRUE(t.contains("Mul"));
            EXPECT_EQ(t.contains("ti"), s > 1);
        }
        for (int i = 0; i < anzahl; ++i)
            EXPECT_TRUE(alle.contains(QStringLiteral("QA%1AA%2").arg(i % 10).arg(i))) << i;
        if (seiten == 2) {
            EXPECT_TRUE(u.Texte(2).contains("QA6AA56")) << "the one row of page 2";
        }
        // The totals on the last page only. K32 is the own DOK: it counts as a multiplier, but
        // its QSO has no points in the printed log.
        EXPECT_FALSE(seiten == 2 && u.Texte(1).contains("Summe Multis "));
        EXPECT_EQ(u.Nach(seiten, "Summe Multis "), QString::number(anzahl));
        EXPECT_EQ(u.Nach(seiten, "QSOs wertbar"), QString::number(anzahl - 1));
        EXPECT_EQ(u.Nach(seiten, "QSOs Total"), QString::number(anzahl));
        EXPECT_EQ(u.Nach(seiten, "QSO-Punkte "), QString::number((anzahl - 1) * anzahl));
        EXPECT_FALSE(u.Texte(seiten).contains(" (QSOs * 3 Pkt CW/DIGI-Only * Multis)"));
        EXPECT_TRUE(u.Texte(seiten).contains("Call: DA0XYZ / DOK: K32"));
    }
}

TEST(Druckprotokoll, SummenAnIhrenFestenPlaetzen) {
    Umgebung u;
    u.Qso("QA1AA", "K01", "80", "PSK");
    u.Qso("QA1AB", "K02", "2", "RTTY");
    u.fenster->ToolbarBtnAktualisierenClick();
    const TSeitenBild& seite = u.pp().Page(1);
    const auto an = [&](const char* text, double x, double y) {
        const TextBefehl t = TextAuf(seite, QString::fromUtf8(text));
        EXPECT_EQ(t.oben, QPoint(u.pp().UnitToDevX(x), u.pp().UnitToDevY(y))) << text;
        return t;
    };
    an("Summe Multis ", 97, 274);
    an("QSOs wertbar", 97, 278);
    an("QSOs Total", 150, 278);
    an("QSO-Punkte ", 97, 282);
    an("12", 130, 282); // 2 QSOs of 3 points, 2 multipliers
    an(" (QSOs * 3 Pkt CW/DIGI-Only * Multis)", 135, 282);
    an("Call: DA0XYZ / DOK: K32", 1, 278);
    const TextBefehl kopf = an("Seite: 1 von 1", 165, 1);
    EXPECT_TRUE(kopf.font.bold());
    an("80+2", 60, 18);
    EXPECT_EQ(TextAuf(seite, "Summe Multis ").font.family(), QFont("Arial").family());
}

TEST(Druckprotokoll, EinSsbNimmtDenHinweis) {
    Umgebung u;
    u.Qso("QA1AA", "K01", "80", "PSK");
    u.Qso("QA1AB", "K02", "2", "SSB");
    u.fenster->ToolbarBtnAktualisierenClick();
    EXPECT_FALSE(u.Texte(1).contains(" (QSOs * 3 Pkt CW/DIGI-Only * Multis)"));
    EXPECT_EQ(u.Nach(1, "QSO-Punkte "), "4");
}

// Long callsigns wrap in their cell and push rows onto pages the page printer begins by itself:
// every page head still names the final count.
TEST(Druckprotokoll, SeitenzahlImKopfIstDieEndgueltige) {
    Umgebung u;
    for (int i = 0; i < 56; ++i)
        u.Qso(QStringLiteral("QA1ABCDEFGHIJKLMN%1/P").arg(i), "K01");
    u.fenster->ToolbarBtnAktualisierenClick();
    const int seiten = u.pp().PageCount();
    ASSERT_GT(seiten, 1);
    int koepfe = 0;
    for (int s = 1; s <= seiten; ++s)
        for (const QString& t : u.Texte(s))
            if (t.startsWith("Seite: ")) {
                ++koepfe;
                EXPECT_TRUE(t.endsWith(QStringLiteral(" von %1").arg(seiten))) << t.toStdString();
            }
    EXPECT_EQ(koepfe, 1) << "only the explicit page has a head";
}

TEST(Druckprotokoll, OhneDistriktOderOhneQsoBleibtDieVorschau) {
    Umgebung u;
    u.fenster->ToolbarBtnAktualisierenClick();
    EXPECT_EQ(u.pp().PageCount(), 0);
    EXPECT_EQ(u.fenster->lblPageNr->text(), " 1 ");
    u.Qsos(3);
    u.kontest.Ini.Distriktskenner = QStringLiteral("1");
    u.fenster->ToolbarBtnAktualisierenClick();
    EXPECT_EQ(u.meldungen.Texte(), QStringList{"Ungültiger Distriktskenner"});
    EXPECT_EQ(u.pp().PageCount(), 1) << "the district came from the own DOK";
    u.kontest.Ini.Distriktskenner = QStringLiteral("KL");
    u.Qso("QB1ZZ", "K09");
    u.fenster->ToolbarBtnAktualisierenClick();
    EXPECT_EQ(u.pp().PageCount(), 1) << "the pages of the earlier build stay";
    EXPECT_FALSE(u.Texte(1).contains("QB1ZZ"));
}

TEST(Druckprotokoll, KnoepfeDerVorschau) {
    Umgebung u;
    u.Qsos(120);
    for (int mal = 0; mal < 2; ++mal) {
        u.fenster->ToolbarBtnAktualisierenClick();
        ASSERT_EQ(u.pp().PageCount(), 3);
        EXPECT_FALSE(u.fenster->btnPagePrev->isEnabled()) << mal;
        EXPECT_TRUE(u.fenster->btnPageNext->isEnabled()) << mal;
        u.fenster->btnPageNext->click();
        u.fenster->btnPageNext->click();
        EXPECT_EQ(u.fenster->lblPageNr->text(), " 3 von 3 ");
        EXPECT_FALSE(u.fenster->btnPageNext->isEnabled());
        EXPECT_TRUE(u.fenster->btnPagePrev->isEnabled());
        u.fenster->btnPageNext->click();
        EXPECT_EQ(u.pp().PageNumber(), 3);
        u.fenster->btnPagePrev->click();
        EXPECT_EQ(u.fenster->lblPageNr->text(), " 2 von 3 ");
    }
    struct Fall {
        int von;
        bool hinein;
        int nach;
    } zoom[] = {{20, false, 10}, {10, false, 10},  {80, false, 70},  {130, false, 105},
                {80, true, 90},  {100, true, 125}, {490, true, 500}, {500, true, 500},
                {84, true, 94},  {84, false, 74},  {14, false, 10}};
    for (const auto& z : zoom) {
        u.pp().SetZoomPercent(z.von);
        (z.hinein ? u.fenster->btnZoomIn : u.fenster->btnZoomOut)->click();
        EXPECT_EQ(u.pp().ZoomPercent(), z.nach) << z.von << (z.hinein ? " +" : " -");
        EXPECT_EQ(u.fenster->lblZoomfaktor->text(), QStringLiteral(" %1% ").arg(z.nach));
    }
    u.fenster->btnFitToWidth->click();
    EXPECT_EQ(u.fenster->lblZoomfaktor->text(), QStringLiteral(" %1% ").arg(u.pp().ZoomPercent()));
}

TEST(Druckprotokoll, DruckenGehtAnDenStandarddrucker) {
    Umgebung u;
    u.Qsos(57);
    u.fenster->ToolbarBtnAktualisierenClick();
    u.fenster->ToolbarButton1->click();
    ASSERT_EQ(u.drucker.auftraege.size(), 1u);
    const auto& auftrag = u.drucker.auftraege.front();
    EXPECT_EQ(auftrag.titel, "RLP Aktivitätsabend / DA0XYZ");
    EXPECT_TRUE(auftrag.beendet);
    ASSERT_EQ(auftrag.seiten.size(), 2u);
    EXPECT_TRUE(auftrag.seiten[1].Texte().contains("Seite: 2 von 2"));
}
