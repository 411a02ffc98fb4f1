// Recording with the page printer: units, margins, column layout, fitting and wrapping, cell
// boxes, header and footer, page breaks, the text-file mode and input that must not hurt it.
// The test printer has 600 dpi, an A4 sheet of 4960 x 7016 pixels and a border of 100 pixels;
// the table font (Courier New, 10 points) is 83 pixels high and 49.8 pixels per character wide.
#include "SeitendruckerTestHilfe.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace seitendrucker_test {
namespace {

// A column width in inches that is exactly that many pixels on the 600 dpi printer, written
// the German way.
QString Px(int pixel) {
    return QLocale().toString(pixel / 600.0, 'g', 17);
}

TEST_F(SeitendruckerTest, VorgabenEinesNeuenSeitendruckers) {
    EXPECT_EQ(pp->MeasureUnit(), muInches);
    for (double rand : {pp->MarginTop(), pp->MarginBottom(), pp->MarginLeft(), pp->MarginRight()})
        EXPECT_DOUBLE_EQ(rand, 100.0 / 600);
    EXPECT_EQ(pp->TokenSeparator(), QChar(124));
    EXPECT_TRUE(pp->WordWrap());
    EXPECT_FALSE(pp->TableGrid());
    EXPECT_EQ(pp->LineSpacing(), lsSingleSpace);
    EXPECT_EQ(pp->Font().Name, QStringLiteral("Courier New"));
    EXPECT_EQ(pp->Font().Size, 10);
    EXPECT_EQ(pp->HeaderFont(), pp->Font());
    EXPECT_EQ(pp->FooterFont(), pp->Font());
    EXPECT_TRUE(pp->AutoHeaderFont() && pp->AutoFooterFont());
    EXPECT_EQ(pp->PageBorders(), 0u);
    EXPECT_EQ(pp->Orientation(), poPortrait);
    EXPECT_FALSE(pp->PrintToFile());
    EXPECT_EQ(pp->Copies(), 1);
    EXPECT_TRUE(pp->Collate());
    EXPECT_TRUE(pp->ShowProgress() && pp->ShowCancel());
    EXPECT_FALSE(pp->AbortOnCancel());
    EXPECT_EQ(pp->ZoomPercent(), 25);
    EXPECT_EQ(pp->ZoomLocation(), zlTopLeft);
    EXPECT_EQ(pp->ShadowOffset(), 5);
    EXPECT_TRUE(pp->ShowMargins() && pp->GradientBackground());
    EXPECT_EQ(pp->PageNumber(), 0);
    EXPECT_EQ(pp->PageCount(), 0);
    EXPECT_EQ(pp->LineHeight(), 83);
    pp->SetTitle(QStringLiteral("DOK-Abend / DL0XX"));
    EXPECT_EQ(pp->Title(), QStringLiteral("DOK-Abend / DL0XX"));
    pp->SetCopies(0);
    EXPECT_EQ(pp->Copies(), 1);
}

TEST_F(SeitendruckerTest, OhneDruckerEinA4BlattBei300Dpi) {
    drucker.daten.reset();
    NeuerSeitendrucker();
    pp->SetTitle(QStringLiteral("Titel"));
    EXPECT_EQ(pp->Title(), QStringLiteral("<Unknown>"));
    EXPECT_EQ(pp->UnitToDevX(1), 300);
    EXPECT_EQ(pp->LineHeight(), 42);
    pp->SetMeasureUnit(muMillimeters);
    EXPECT_NEAR(pp->MarginLeft(), 6, 1e-9);
    // The friendly footer spans the sheet less the side margins: 210 - 2 x 6 mm.
    pp->SetFriendlyFooter(QStringLiteral("Fuss"));
    EXPECT_EQ(pp->FooterFormat(), QStringLiteral("<198"));
    pp->BeginDoc();
    pp->EndDoc();
    EXPECT_EQ(pp->Page(1).Groesse(), QSize(2409, 3437)); // (210 - 6) and (297 - 6) mm at 300 dpi
}

TEST_F(SeitendruckerTest, EinheitenRundenHalbeZurGeradenZahl) {
    drucker.daten->dpiX = drucker.daten->dpiY = 512; // 1/512 inch is exact in binary
    NeuerSeitendrucker();
    const struct {
        double zoll;
        int pixel;
    } faelle[] = {{2.5 / 512, 2}, {3.5 / 512, 4}, {-2.5 / 512, -2}, {1.25, 640}, {0, 0}};
    for (const auto& f : faelle) {
        EXPECT_EQ(pp->UnitToDevX(f.zoll), f.pixel) << f.zoll;
        EXPECT_EQ(pp->UnitToDevY(f.zoll), f.pixel) << f.zoll;
    }
    pp->SetMeasureUnit(muMillimeters);
    EXPECT_EQ(pp->UnitToDevX(25.4), 512);
    EXPECT_DOUBLE_EQ(pp->DevToUnitX(512), 25.4);
    // Lengths no sheet has do not overflow.
    EXPECT_GT(pp->UnitToDevX(1e300), 0);
    EXPECT_LT(pp->UnitToDevY(-1e300), 0);
    EXPECT_EQ(pp->UnitToDevX(std::nan("")), 0);
}

TEST_F(SeitendruckerTest, RaenderWerdenAufDenDruckbarenBereichGeklemmt) {
    const double rand = 100.0 / 600;
    const struct {
        const char* name;
        std::function<void(TPagePrinter&, double)> setzen;
        std::function<double(const TPagePrinter&)> lesen;
        double papier;
    } raender[] = {
        {"top", &TPagePrinter::SetMarginTop, &TPagePrinter::MarginTop, 7016 / 600.0},
        {"bottom", &TPagePrinter::SetMarginBottom, &TPagePrinter::MarginBottom, 7016 / 600.0},
        {"left", &TPagePrinter::SetMarginLeft, &TPagePrinter::MarginLeft, 4960 / 600.0},
        {"right", &TPagePrinter::SetMarginRight, &TPagePrinter::MarginRight, 4960 / 600.0},
    };
    for (const auto& r : raender) {
        r.setzen(*pp, 0);
        EXPECT_DOUBLE_EQ(r.lesen(*pp), rand) << r.name;
        r.setzen(*pp, -3);
        EXPECT_DOUBLE_EQ(r.lesen(*pp), rand) << r.name;
        r.setzen(*pp, 2.5);
        EXPECT_DOUBLE_EQ(r.lesen(*pp), 2.5) << r.name;
        r.setzen(*pp, 100);
        EXPECT_DOUBLE_EQ(r.lesen(*pp), r.papier - rand) << r.name;
        r.setzen(*pp, std::nan(""));
        EXPECT_DOUBLE_EQ(r.lesen(*pp), rand) << r.name;
    }
}

TEST_F(SeitendruckerTest, AenderungenWaehrendDesDruckensWerdenAbgelehnt) {
    QTemporaryDir dir;
    const struct {
        QString meldung;
        std::function<void(TPagePrinter&)> aendern;
    } faelle[] = {
        {"Unable to change orientation while printing",
         [](TPagePrinter& p) { p.SetOrientation(poLandscape); }},
        {"Unable to change top margin while printing", [](TPagePrinter& p) { p.SetMarginTop(1); }},
        {"Unable to change bottom margin while printing",
         [](TPagePrinter& p) { p.SetMarginBottom(1); }},
        {"Unable to change left margin while printing",
         [](TPagePrinter& p) { p.SetMarginLeft(1); }},
        {"Unable to change right margin while printing",
         [](TPagePrinter& p) { p.SetMarginRight(1); }},
        {"Can't change PrintToFile while printing",
         [](TPagePrinter& p) { p.SetPrintToFile(!p.PrintToFile()); }},
        {"Can't change FileName while printing",
         [](TPagePrinter& p) { p.SetFileName(QStringLiteral("anders.txt")); }},
    };
    for (const bool textdatei : {false, true}) {
        pp->SetPrintToFile(textdatei);
        pp->SetFileName(dir.filePath(QStringLiteral("druck.txt")));
        pp->BeginDoc();
        for (const auto& f : faelle) {
            try {
                f.aendern(*pp);
                ADD_FAILURE() << "accepted while printing: " << f.meldung.toStdString();
            } catch (const EPagePrinter& e) {
                EXPECT_EQ(e.Text(), f.meldung);
            }
        }
        EXPECT_EQ(pp->Orientation(), poPortrait);
        EXPECT_DOUBLE_EQ(pp->MarginTop(), 100.0 / 600);
        EXPECT_EQ(pp->PrintToFile(), textdatei);
        EXPECT_EQ(pp->FileName(), dir.filePath(QStringLiteral("druck.txt")));
        // Setting what is already there is no change.
        EXPECT_NO_THROW(pp->SetPrintToFile(textdatei));
        EXPECT_NO_THROW(pp->SetFileName(QStringLiteral("  ") +
                                        dir.filePath(QStringLiteral("druck.txt")) + u' '));
        pp->EndDoc();
        EXPECT_NO_THROW(pp->SetMarginTop(1));
        pp->SetMarginTop(0);
    }
}

TEST_F(SeitendruckerTest, MasseinheitRechnetRaenderUndSpaltenUm) {
    const struct {
        const char* name;
        std::optional<platform::Druckerdaten> daten;
        double randMm; // 0.1941666666666667 inch in millimetres, or the printer's border
        double genau;
    } faelle[] = {
        {"printer with a border of 0.1 inch",
         platform::Druckerdaten{600, 600, QSize(4960, 7016), QPoint(60, 60)}, 4.9318, 5e-5},
        {"no printer: the border of 6 mm is larger", std::nullopt, 6.0, 1e-9},
    };
    for (const auto& f : faelle) {
        drucker.daten = f.daten;
        NeuerSeitendrucker();
        for (auto setzen : {&TPagePrinter::SetMarginTop, &TPagePrinter::SetMarginBottom,
                            &TPagePrinter::SetMarginLeft, &TPagePrinter::SetMarginRight})
            (pp.get()->*setzen)(0.1941666666666667);
        pp->SetDefaultColWidth(0.5);
        pp->SetPageBorderOffset(0.25);
        pp->SetTableFormat(QStringLiteral("<1|<2"));
        pp->SetHeaderFormat(QStringLiteral(">1"));
        pp->SetFooterFormat(QStringLiteral("^3"));

        pp->SetMeasureUnit(muMillimeters);
        EXPECT_NEAR(pp->MarginTop(), f.randMm, f.genau) << f.name;
        EXPECT_NEAR(pp->MarginRight(), f.randMm, f.genau) << f.name;
        EXPECT_DOUBLE_EQ(pp->DefaultColWidth(), 12.7) << f.name;
        EXPECT_DOUBLE_EQ(pp->PageBorderOffset(), 6.35) << f.name;
        EXPECT_EQ(pp->TableFormat(), QStringLiteral("<25,4|<50,8")) << f.name;
        EXPECT_EQ(pp->HeaderFormat(), QStringLiteral(">25,4")) << f.name;
        EXPECT_EQ(pp->FooterFormat(), QStringLiteral("^76,2")) << f.name;

        pp->SetMeasureUnit(muInches);
        EXPECT_NEAR(pp->MarginTop(), f.daten ? 0.1941666666666667 : 6 / 25.4, 1e-12) << f.name;
        EXPECT_EQ(pp->TableFormat(), QStringLiteral("<1|<2")) << f.name;
    }
}

TEST_F(SeitendruckerTest, FreundlicheFusszeileErsetztDasFormat) {
    pp->SetMeasureUnit(muMillimeters);
    pp->SetFooterFormat(QStringLiteral(">200"));
    EXPECT_EQ(pp->FooterFormat(), QStringLiteral(">200"));
    pp->SetFriendlyFooter(QStringLiteral("Ausdruck vom {$DATE}"));
    EXPECT_EQ(pp->Footer(), QStringLiteral("Ausdruck vom {$DATE}"));
    // 4960 pixels at 600 dpi are 209.973 mm, less two borders of 4.233 mm.
    EXPECT_EQ(pp->FooterFormat(), QStringLiteral("<201,51"));
    // A unit change converts the friendly footer again instead of its format.
    pp->SetMeasureUnit(muInches);
    EXPECT_EQ(pp->FooterFormat(), QStringLiteral("<7,93"));
}

TEST_F(SeitendruckerTest, SpaltenRichtenTexteAusUndRueckenSieEin) {
    ZollRaender();
    pp->SetTableFormat(QStringLiteral("<1|>1|^1"));
    pp->BeginDoc();
    pp->WriteLine(QStringLiteral("ab|cd|ef"));
    EXPECT_EQ(pp->LineNumber(), 1);
    pp->WriteLine(QStringLiteral("gh"));
    pp->EndDoc();
    const TSeitenBild& s = pp->Page(1);
    EXPECT_EQ(s.Groesse(), QSize(4860, 6916));
    // Two characters are 100 pixels wide; the inset is 12 pixels at 600 dpi.
    EXPECT_EQ(TextAuf(s, QStringLiteral("ab")).oben, QPoint(500 + 12, 500));
    EXPECT_EQ(TextAuf(s, QStringLiteral("cd")).oben, QPoint(1100 + 600 - 100 - 12, 500));
    EXPECT_EQ(TextAuf(s, QStringLiteral("ef")).oben, QPoint(1700 + 250, 500));
    EXPECT_EQ(TextAuf(s, QStringLiteral("gh")).oben, QPoint(512, 583));
    const TextBefehl ab = TextAuf(s, QStringLiteral("ab"));
    EXPECT_EQ(ab.font.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(ab.font.pixelSize(), 83);
    EXPECT_EQ(ab.aufstieg, 66);
}

TEST_F(SeitendruckerTest, EinzugHaengtVonAufloesungUndTextbreiteAb) {
    const struct {
        const char* name;
        int dpi;
        int breite; // column width in pixels
        QString ausrichtung;
        int x; // where "abcde" starts in the column
    } faelle[] = {
        {"6 pixels at 300 dpi", 300, 600, "<", 6},
        {"12 pixels at 600 dpi", 600, 600, "<", 12},
        {"24 pixels at 1200 dpi", 1200, 600, "<", 24},
        {"none below 300 dpi", 200, 600, "<", 0},
        {"exactly as wide as its column", 600, Zeichen(5), "<", 0},
        {"right-aligned, exactly as wide", 600, Zeichen(5), ">", 0},
        {"narrower by the inset: no inset", 600, Zeichen(5) + 12, "<", 0},
        {"narrower by more than the inset", 600, Zeichen(5) + 13, "<", 12},
        {"right-aligned, narrower", 600, 400, ">", 400 - Zeichen(5) - 12},
        {"centred texts are not moved", 600, 401, "^", (401 - Zeichen(5)) / 2},
    };
    for (const auto& f : faelle) {
        drucker.daten->dpiX = drucker.daten->dpiY = f.dpi;
        NeuerSeitendrucker();
        const QString breite = QLocale().toString(double(f.breite) / f.dpi, 'g', 17);
        pp->SetTableFormat(f.ausrichtung + breite);
        pp->BeginDoc();
        pp->WriteLine(QStringLiteral("abcde"));
        EXPECT_EQ(pp->LineNumber(), 1) << f.name; // stays whole
        pp->EndDoc();
        const int zeichen = int(std::lround(5 * 0.6 * PunkteInPixeln(10, f.dpi)));
        if (f.dpi == 600) {
            ASSERT_EQ(zeichen, Zeichen(5));
        }
        EXPECT_EQ(TextAuf(pp->Page(1), QStringLiteral("abcde")).oben.x(), f.x) << f.name;
    }
}

TEST_F(SeitendruckerTest, ZweiWorteUmbrechenUndRahmenUmfassenBeideZeilen) {
    for (const int durchschuss : {0, 5}) {
        drucker.externerDurchschuss = durchschuss;
        NeuerSeitendrucker();
        ZollRaender();
        pp->SetTableFormat(QStringLiteral("<") + Px(360) + QStringLiteral("|<1"));
        pp->SetTableGrid(true);
        pp->BeginDoc();
        pp->WriteLine(QStringLiteral("Hallo Welt|x"));
        EXPECT_EQ(pp->LineNumber(), 2);
        pp->EndDoc();
        const TSeitenBild& s = pp->Page(1);
        EXPECT_EQ(s.Texte(), QStringList({"Hallo ", "x", "Welt"}));
        EXPECT_EQ(TextAuf(s, QStringLiteral("Hallo ")).oben, QPoint(512, 500));
        EXPECT_EQ(TextAuf(s, QStringLiteral("x")).oben, QPoint(860 + 12, 500));
        EXPECT_EQ(TextAuf(s, QStringLiteral("Welt")).oben, QPoint(512, 583));

        // Top edges on the first line, bottom edges under the second, sides on both.
        const int oben = 500 - durchschuss;
        QList<QLine> waagrecht;
        QList<QLine> senkrecht;
        for (const auto& l : LinienAuf(s)) {
            ASSERT_EQ(l.punkte.size(), 2);
            EXPECT_EQ(l.stift.width(), 4);
            const QLine linie(l.punkte[0], l.punkte[1]);
            (linie.dy() == 0 ? waagrecht : senkrecht) << linie;
        }
        EXPECT_EQ(waagrecht,
                  QList<QLine>({QLine(500, oben, 860, oben), QLine(860, oben, 1460, oben),
                                QLine(500, oben + 166, 860, oben + 166),
                                QLine(860, oben + 166, 1460, oben + 166)}));
        EXPECT_EQ(senkrecht.size(), 8);
        for (const int x : {500, 860, 1460}) {
            int laenge = 0;
            for (const QLine& l : senkrecht)
                if (l.x1() == x)
                    laenge += l.dy();
            EXPECT_EQ(laenge, x == 860 ? 2 * 166 : 166) << x; // the shared edge is drawn twice
        }
    }
}

struct Umbruch {
    const char* name;
    int breite;
    bool wortumbruch;
    QString text;
    QStringList zeilen; // the texts drawn, one per physical line unless empty
    int linien;         // physical lines
};

TEST_F(SeitendruckerTest, ZelltexteWerdenEingepasst) {
    const Umbruch faelle[] = {
        {"long word is broken inside",
         360,
         true,
         "Donaudampfschiff",
         {"Donauda", "mpfschi", "ff"},
         3},
        {"without word wrap it is cut", 360, false, "Donaudampfschiff", {"Donauda"}, 1},
        {"column narrower than a character", 10, true, "Hallo", {"H", "a", "l", "l", "o"}, 5},
        {"narrower than a character, cut", 10, false, "Hallo", {"H"}, 1},
        {"blank right after the fitting prefix",
         360,
         true,
         "Hallo12 Welt",
         {"Hallo12", " Welt"},
         2},
        {"line feed", 600, true, "a\nb", {"a", "b"}, 2},
        {"line feed at the end", 600, true, "a\n", {"a"}, 1},
        {"line feed before a wrapped rest", 360, true, "ab\ncdefghij", {"ab", "cdefghi", "j"}, 3},
        {"text after a line feed goes before the rest",
         360,
         true,
         "ab\ncd efghij",
         {"ab", "cd  ", "efghij"},
         3},
        {"empty lines of line feeds", 600, true, "\n\nx", {"x"}, 3},
        {"empty cell", 600, true, "", {}, 1},
    };
    for (const auto& f : faelle) {
        pp->SetWordWrap(f.wortumbruch);
        pp->SetTableFormat(QStringLiteral("<") + Px(f.breite));
        pp->BeginDoc();
        pp->WriteLine(f.text);
        EXPECT_EQ(pp->LineNumber(), f.linien) << f.name;
        pp->EndDoc();
        EXPECT_EQ(pp->Page(1).Texte(), f.zeilen) << f.name;
    }
}

TEST_F(SeitendruckerTest, ZellenUndSpaltenPassenNichtZusammen) {
    ZollRaender();
    pp->SetTableFormat(QStringLiteral("<1|<1"));
    pp->BeginDoc();
    pp->WriteLine(QStringLiteral("a|b|c|d"));
    pp->WriteLine(QStringLiteral("x"));
    pp->WriteLine(QString());
    EXPECT_EQ(pp->LineNumber(), 3);
    pp->EndDoc();
    EXPECT_EQ(pp->Page(1).Texte(), QStringList({"a", "b", "x"}));
    EXPECT_EQ(TextAuf(pp->Page(1), QStringLiteral("b")).oben, QPoint(1100 + 12, 500));
}

TEST_F(SeitendruckerTest, SpalteNegativerBreiteHatKeinGitter) {
    ZollRaender();
    pp->SetTableFormat(QStringLiteral("<-1|<1"));
    pp->SetTableGrid(true);
    pp->BeginDoc();
    pp->WriteLine(QStringLiteral("ohne|mit"));
    pp->EndDoc();
    EXPECT_EQ(TextAuf(pp->Page(1), QStringLiteral("ohne")).oben.x(), 512);
    EXPECT_EQ(TextAuf(pp->Page(1), QStringLiteral("mit")).oben.x(), 1112);
    const auto linien = LinienAuf(pp->Page(1));
    EXPECT_EQ(linien.size(), 4u);
    for (const auto& l : linien)
        for (const QPoint& p : l.punkte)
            EXPECT_GE(p.x(), 1100);
}

TEST_F(SeitendruckerTest, SeitenumbruchWennKeineWeitereZeilePasst) {
    // Usable height 6816 - 2 x 500 = 5816 pixels; the 70th line ends at 5810, and a 71st would
    // not end strictly above the bottom margin.
    ZollRaender();
    pp->SetTableFormat(QStringLiteral("<2"));
    pp->SetFooter(QStringLiteral("Seite {$PAGE}"));
    pp->SetFooterFormat(QStringLiteral(">6"));
    int neueSeiten = 0;
    pp->OnNewPage = [&] { ++neueSeiten; };
    pp->BeginDoc();
    ASSERT_EQ(pp->UsableHeightPx(), 5816);
    for (int i = 1; i <= 69; ++i)
        pp->WriteLine(QStringLiteral("Zeile %1").arg(i));
    EXPECT_EQ(pp->PageCount(), 1);
    EXPECT_EQ(pp->LineNumber(), 69);
    pp->WriteLine(QStringLiteral("Zeile 70"));
    EXPECT_EQ(pp->PageCount(), 2);
    EXPECT_EQ(pp->PageNumber(), 2);
    EXPECT_EQ(pp->LineNumber(), 0);
    pp->WriteLine(QStringLiteral("Zeile 71"));
    pp->EndDoc();
    EXPECT_EQ(neueSeiten, 2);
    EXPECT_EQ(TextAuf(pp->Page(1), QStringLiteral("Zeile 70")).oben.y(), 500 + 69 * 83);
    EXPECT_EQ(TextAuf(pp->Page(2), QStringLiteral("Zeile 71")).oben.y(), 500);
    EXPECT_EQ(TexteAuf(pp->Page(1)).size(), 71u);
    TextAuf(pp->Page(1), QStringLiteral("Seite 1"));
    TextAuf(pp->Page(2), QStringLiteral("Seite 2"));
}

TEST_F(SeitendruckerTest, KopfUndFussSitzenMittigImRand) {
    const struct {
        const char* name;
        double oben;
        double unten;
        TPageBorders rahmen;
        int kopfY;
        int fussY;
    } faelle[] = {
        {"one inch margins", 1, 1, 0, 500 + (600 - 83) / 2 - 600, 500 + 5816 + (600 - 83) / 2},
        {"page borders a quarter inch outside", 1, 1, pbTop | pbBottom, 500 + (450 - 83) / 2 - 600,
         500 + 150 + 5816 + (450 - 83) / 2},
        {"margins on the printer's border", 0, 0, 0, 0, 6816 - 83},
    };
    for (const auto& f : faelle) {
        pp->SetMarginTop(f.oben);
        pp->SetMarginBottom(f.unten);
        pp->SetPageBorders(f.rahmen);
        pp->SetPageBorderOffset(0.25);
        pp->SetHeader(QStringLiteral("Kopf"));
        pp->SetHeaderFormat(QStringLiteral("<3"));
        pp->SetFooter(QStringLiteral("Fuss"));
        pp->SetFooterFormat(QStringLiteral("<3"));
        pp->SetTableFormat(QStringLiteral("<3"));
        pp->BeginDoc();
        pp->WriteLine(QStringLiteral("Tabelle"));
        pp->EndDoc();
        const TSeitenBild& s = pp->Page(1);
        EXPECT_EQ(TextAuf(s, QStringLiteral("Kopf")).oben.y(), f.kopfY) << f.name;
        EXPECT_EQ(TextAuf(s, QStringLiteral("Fuss")).oben.y(), f.fussY) << f.name;
        EXPECT_EQ(TextAuf(s, QStringLiteral("Tabelle")).oben.y(), pp->TopPx()) << f.name;
    }
}

TEST_F(SeitendruckerTest, KopfMitEigenerSchriftUndSeitenrahmen) {
    ZollRaender();
    pp->SetAutoHeaderFont(false);
    TPrnFont arial;
    arial.Name = QStringLiteral("Arial");
    arial.Size = 12; // 100 pixels at 600 dpi
    pp->SetHeaderFont(arial);
    pp->SetHeader(QStringLiteral("Kopf"));
    pp->SetHeaderFormat(QStringLiteral("<3"));
    pp->SetPageBorders(pbTop | pbBottom | pbLeft | pbRight);
    pp->SetPageBorderOffset(0.25);
    pp->BeginDoc();
    EXPECT_EQ(pp->LineHeight(), 83);
    EXPECT_EQ(pp->Canvas().Pen().Width, 4);
    pp->EndDoc();
    const TextBefehl kopf = TextAuf(pp->Page(1), QStringLiteral("Kopf"));
    EXPECT_EQ(kopf.font.family(), QStringLiteral("Arial"));
    EXPECT_EQ(kopf.font.pixelSize(), 100);
    // Centred between the sheet's edge and the top border, a quarter inch above the margin.
    EXPECT_EQ(kopf.oben.y(), 500 + (450 - 100) / 2 - 600);
    // The usable area is 3760 x 5816 pixels at (500, 500); the borders lie 150 pixels outside.
    QList<QLine> rahmen;
    for (const auto& l : LinienAuf(pp->Page(1)))
        rahmen << QLine(l.punkte[0], l.punkte[1]);
    EXPECT_EQ(rahmen, QList<QLine>({QLine(350, 350, 4410, 350), QLine(350, 6466, 4410, 6466),
                                    QLine(350, 350, 350, 6466), QLine(4410, 350, 4410, 6466)}));
}

TEST_F(SeitendruckerTest, ZeilenabstandUndDurchschuss) {
    drucker.externerDurchschuss = 5;
    NeuerSeitendrucker();
    const struct {
        TLineSpacing abstand;
        int hoehe;
        int durchschuss;
    } faelle[] = {{lsHalfSpace, 41, 2},
                  {lsSingleSpace, 83, 5},
                  {lsSingleAndAHalf, 124, 8},
                  {lsDoubleSpace, 166, 10}};
    for (const auto& f : faelle) {
        pp->SetLineSpacing(f.abstand);
        EXPECT_EQ(pp->LineHeight(), f.hoehe);
        pp->SetTableFormat(QStringLiteral("<1"));
        pp->SetTableGrid(true);
        pp->SetMarginTop(1);
        pp->BeginDoc();
        pp->WriteLine(QStringLiteral("a"));
        pp->WriteLine(QStringLiteral("b"));
        pp->EndDoc();
        EXPECT_EQ(TextAuf(pp->Page(1), QStringLiteral("b")).oben.y(), 500 + f.hoehe);
        EXPECT_EQ(LinienAuf(pp->Page(1)).front().punkte[0].y(), 500 - f.durchschuss);
    }
}

TEST_F(SeitendruckerTest, SchriftWirdInKopfFussUndCanvasKopiert) {
    TPrnFont gross;
    gross.Size = 12;
    gross.Bold = true;
    pp->SetFont(gross);
    EXPECT_EQ(pp->LineHeight(), 100);
    EXPECT_EQ(pp->HeaderFont(), gross);
    EXPECT_EQ(pp->FooterFont(), gross);
    EXPECT_EQ(pp->Canvas().Font(), gross);
    pp->SetAutoFooterFont(false);
    pp->SetFont(TPrnFont());
    EXPECT_EQ(pp->HeaderFont(), TPrnFont());
    EXPECT_EQ(pp->FooterFont(), gross);
    pp->SetAutoFooterFont(true);
    EXPECT_EQ(pp->FooterFont(), TPrnFont());
}

TEST_F(SeitendruckerTest, CanvasZeichnetAufDieAktuelleSeite) {
    pp->BeginDoc();
    TPrnCanvas& c = pp->Canvas();
    c.Font().Name = QStringLiteral("Arial");
    c.Font().Size = 12;
    c.TextOut(10, 20, QStringLiteral("Kopf"));
    c.Brush().Style = bsClear;
    c.Rectangle(0, 50, 200, 51);
    EXPECT_EQ(c.TextWidth(QStringLiteral("abc")), int(std::lround(3 * 0.6 * 100)));
    pp->NewPage();
    EXPECT_EQ(c.Font(), pp->Font()); // a new page starts with the table font
    c.TextOut(0, 0, QStringLiteral("Seite 2"));
    pp->EndDoc();
    c.TextOut(0, 0, QStringLiteral("verloren"));

    const auto texte = TexteAuf(pp->Page(1));
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_EQ(texte[0].oben, QPoint(10, 20));
    EXPECT_EQ(texte[0].font.pixelSize(), 100);
    EXPECT_EQ(texte[0].aufstieg, 80);
    const auto& r = std::get<RechteckBefehl>(pp->Page(1).Befehle().back());
    EXPECT_EQ(r.rechteck, QRect(0, 50, 200, 1));
    EXPECT_EQ(r.stift.width(), 4);
    EXPECT_EQ(r.pinsel.style(), Qt::NoBrush);
    EXPECT_EQ(pp->Page(2).Texte(), QStringList({"Seite 2"}));
}

TEST_F(SeitendruckerTest, QuerformatTauschtDasBlatt) {
    pp->SetOrientation(poLandscape);
    pp->BeginDoc();
    EXPECT_EQ(pp->UsableWidthPx(), 7016 - 200);
    pp->EndDoc();
    EXPECT_EQ(pp->Page(1).Groesse(), QSize(7016 - 100, 4960 - 100));
}

TEST_F(SeitendruckerTest, SeitennummerUndDokumentgrenzen) {
    pp->SetPageNumber(5);
    EXPECT_EQ(pp->PageNumber(), 0);
    for (auto ausserhalb : std::initializer_list<std::function<void()>>{
             [&] { pp->WriteLine(QStringLiteral("x")); }, [&] { pp->NewLine(); },
             [&] { pp->NewPage(); }, [&] { pp->EndDoc(); }})
        EXPECT_THROW(ausserhalb(), EPagePrinter);

    pp->BeginDoc();
    EXPECT_THROW(pp->BeginDoc(), EPagePrinter);
    EXPECT_EQ(pp->NewPage(), 2);
    EXPECT_EQ(pp->NewPage(), 3);
    EXPECT_EQ(pp->PageNumber(), 3);
    pp->EndDoc();
    EXPECT_EQ(pp->PageNumber(), 1);
    EXPECT_EQ(pp->PageCount(), 3);
    for (const int falsch : {0, 4, -1}) {
        try {
            pp->SetPageNumber(falsch);
            ADD_FAILURE() << falsch;
        } catch (const EPagePrinter& e) {
            EXPECT_EQ(e.Text(), QStringLiteral("PageNumber must be between 1 and 3"));
        }
        EXPECT_EQ(pp->PageNumber(), 1);
    }
    pp->SetPageNumber(3);
    EXPECT_EQ(pp->PageNumber(), 3);

    // A new document throws the old pages away.
    pp->BeginDoc();
    EXPECT_EQ(pp->PageCount(), 1);
    pp->EndDoc();
    EXPECT_EQ(pp->PageCount(), 1);
}

TEST_F(SeitendruckerTest, EreignisseBeiSeiteUndZeile) {
    int seiten = 0;
    int zeilen = 0;
    pp->OnNewPage = [&] { ++seiten; };
    pp->OnNewLine = [&] { ++zeilen; };
    pp->SetHeader(QStringLiteral("Kopf"));
    pp->SetHeaderFormat(QStringLiteral("<3"));
    pp->BeginDoc();
    EXPECT_EQ(seiten, 1);
    EXPECT_EQ(zeilen, 1); // after the header and footer of the page
    pp->WriteLine(QStringLiteral("a"));
    EXPECT_EQ(zeilen, 2);
    EXPECT_EQ(pp->NewLine(), 2);
    pp->NewPage();
    EXPECT_EQ(seiten, 2);
    pp->EndDoc();
}

TEST_F(SeitendruckerTest, TextdateiStattSeiten) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("druck.txt"));
    {
        QFile alt(pfad);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
    }
    pp->SetPrintToFile(true);
    pp->SetFileName(pfad);
    pp->SetTableFormat(QStringLiteral("<1|>1"));
    pp->SetHeader(QStringLiteral("Kopf"));
    pp->SetHeaderFormat(QStringLiteral("<1"));
    pp->BeginDoc();
    pp->Canvas().TextOut(0, 0, QStringLiteral("nirgends"));
    pp->WriteLine(QStringLiteral("ab|cd"));
    for (int i = 0; i < 200; ++i) // a text file never breaks a page by itself
        pp->NewLine();
    pp->NewPage();
    pp->WriteLine(QStringLiteral("äß|€"));
    // Until the document is finished the old file stays.
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), QByteArray("alt"));
    }
    pp->EndDoc();
    EXPECT_EQ(pp->PageCount(), 0);
    EXPECT_EQ(pp->PageNumber(), 2);

    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    // A blank is 50 pixels wide; "Kopf" (200 pixels) is inset by 12, then 388 pixels are left.
    const QByteArray kopf = "Kopf" + QByteArray(7, ' ') + "\r\n";
    const QByteArray zeile = "ab" + QByteArray(9, ' ') + QByteArray(9, ' ') + "cd\r\n";
    const QByteArray umlaute = "\xe4\xdf" + QByteArray(9, ' ') + QByteArray(10, ' ') + "\x80\r\n";
    QByteArray leer;
    for (int i = 0; i < 200; ++i)
        leer += "\r\n";
    EXPECT_EQ(f.readAll(), kopf + zeile + leer + "\f\r\n" + kopf + umlaute);
}

TEST_F(SeitendruckerTest, TextdateiDieNichtAngelegtWerdenKann) {
    QTemporaryDir dir;
    pp->SetPrintToFile(true);
    pp->SetFileName(dir.filePath(QStringLiteral("fehlt/druck.txt")));
    EXPECT_THROW(pp->BeginDoc(), EInOutError);
    EXPECT_FALSE(pp->Printing());
    pp->SetFileName(QString());
    EXPECT_THROW(pp->BeginDoc(), EInOutError);
    EXPECT_FALSE(pp->Printing());
}

// Input nobody should give, and none of it may crash, loop or take long.
TEST_F(SeitendruckerTest, SchlechteEingabenBleibenOhneFolgen) {
    const QString hunderttausend = QString(100000, u'x');
    const struct {
        const char* name;
        QString format;
        QString text;
        std::function<void(TPagePrinter&)> vorher;
        std::function<void(TPagePrinter&)> pruefen;
        bool trennerWechselt = false; // the separator changes after BeginDoc
    } faelle[] = {
        {"garbage widths take the default width", "<x|>|^-|", "a|b|c|d",
         [](TPagePrinter& p) { p.SetDefaultColWidth(1); },
         [](TPagePrinter& p) {
             EXPECT_EQ(p.TableFormat(), QStringLiteral("<1|>1|^1|<1"));
             EXPECT_EQ(TextAuf(p.Page(1), QStringLiteral("d")).oben.x(), 3 * 600 + 12);
         }},
        {"a cell of 100 000 characters wraps",
         "<1",
         hunderttausend,
         {},
         [](TPagePrinter& p) {
             // 12 characters (598 pixels) to a line, 8334 lines, 82 lines to a page.
             EXPECT_EQ(p.PageCount(), 8334 / 82 + 1);
             int zeichen = 0;
             for (int i = 1; i <= p.PageCount(); ++i)
                 for (const QString& t : p.Page(i).Texte())
                     zeichen += int(t.size());
             EXPECT_EQ(zeichen, 100000);
         }},
        {"a cell of 100 000 characters is cut", "<1", hunderttausend,
         [](TPagePrinter& p) { p.SetWordWrap(false); },
         [](TPagePrinter& p) { EXPECT_EQ(p.Page(1).Texte(), QStringList({QString(12, u'x')})); }},
        {"ten thousand line feeds",
         "<1",
         QString(10000, u'\n') + u'x',
         {},
         [](TPagePrinter& p) { EXPECT_GT(p.PageCount(), 1); }},
        {"widths beyond any sheet",
         "<1e300|<-1e300|<1000000|<5",
         "a|b|c|d",
         {},
         [](TPagePrinter& p) { EXPECT_EQ(p.Page(1).Texte().size(), 4); }},
        {"separator changed mid-document",
         "<1|<1",
         "a;b",
         {},
         [](TPagePrinter& p) {
             // The format is now one entry that is no width: the default width 0.
             EXPECT_EQ(p.Page(1).Texte(), QStringList({"a"}));
             EXPECT_EQ(TextAuf(p.Page(1), QStringLiteral("a")).oben.x(), 0);
         },
         true},
        {"no format and no default width",
         "",
         "abc",
         {},
         [](TPagePrinter& p) {
             EXPECT_EQ(p.Page(1).Texte(), QStringList({"a", "b", "c"}));
         }},
        {"many cells in few columns",
         "<1|<1",
         QStringLiteral("z|").repeated(10000),
         {},
         [](TPagePrinter& p) {
             EXPECT_EQ(p.Page(1).Texte(), QStringList({"z", "z"}));
         }},
        {"a font of absurd size", "<1", "abc",
         [](TPagePrinter& p) {
             TPrnFont riesig;
             riesig.Size = 1000000;
             p.SetFont(riesig);
         },
         [](TPagePrinter& p) { EXPECT_EQ(TexteAuf(p.Page(1)).front().font.pixelSize(), 32767); }},
        {"half spacing of a tiny font", "<1", "abc",
         [](TPagePrinter& p) {
             TPrnFont winzig;
             winzig.Size = 0;
             p.SetFont(winzig);
             p.SetLineSpacing(lsHalfSpace);
         },
         [](TPagePrinter& p) { EXPECT_EQ(p.LineHeight(), 0); }},
    };
    for (const auto& f : faelle) {
        NeuerSeitendrucker();
        pp->SetTableGrid(true);
        if (f.vorher)
            f.vorher(*pp);
        pp->SetTableFormat(f.format);
        pp->BeginDoc();
        if (f.trennerWechselt)
            pp->SetTokenSeparator(u';');
        drucker.textbreitenAufrufe = 0;
        pp->WriteLine(f.text);
        const int zeilen = pp->PageCount() * 71;
        EXPECT_LT(drucker.textbreitenAufrufe, 40 * zeilen + 100) << f.name;
        pp->EndDoc();
        f.pruefen(*pp);
    }
}

} // namespace
} // namespace seitendrucker_test
