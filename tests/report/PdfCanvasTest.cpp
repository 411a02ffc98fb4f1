// The page surface: the content lines of texts, rectangles and lines, the measurements, and
// the grids with their failures.
#include "PdfTestHilfe.h"

#include <QFileInfo>

using namespace report;
using namespace pdftest;

namespace {

// Draws on page 1 of a document of its own and returns the content lines of that page.
QList<QByteArray> Zeichne(const QString& name, const std::function<void(TPdfCanvas&)>& zeichnen,
                          TLengthUnit einheit = luTenth) {
    const QString pfad = testsupport::AusgabePfad(name);
    TPdfBox box;
    box.SetFileName(pfad);
    box.SetLengthUnit(einheit);
    box.BeginDoc();
    zeichnen(box.Canvas());
    box.EndDoc();
    PruefeMitQpdf(pfad);
    const auto seiten = Seiteninhalte(Lies(pfad));
    return seiten.empty() ? QList<QByteArray>{} : seiten.front();
}

// Content lines without the font switches, colours and pen settings: only what is placed.
QList<QByteArray> Platziert(const QList<QByteArray>& zeilen) {
    QList<QByteArray> aus;
    for (const QByteArray& z : zeilen)
        if (z.endsWith(" Td") || z.endsWith(" Tj") || z.endsWith(" re f") || z.endsWith(" m") ||
            z.endsWith(" l S"))
            aus.append(z);
    return aus;
}

QList<QByteArray> TextPositionen(const QList<QByteArray>& zeilen) {
    QList<QByteArray> aus;
    for (const QByteArray& z : zeilen)
        if (z.endsWith(" Td"))
            aus.append(z);
    return aus;
}

QByteArray X(int zehntel) {
    return PdfZahl(zehntel * 72.0 / 254.0);
}
QByteArray Y(int zehntel) {
    return PdfZahl((2970 - zehntel) * 72.0 / 254.0);
}

} // namespace

TEST(PdfCanvas, TextMitOberkanteAmPunkt) {
    const auto zeilen = Zeichne(QStringLiteral("pdf-text.pdf"), [](TPdfCanvas& c) {
        c.TextOut(100, 200, QStringLiteral("(Straße)"));
    });
    // y: (2970 - 200) * 72 / 254 = 785.197, less the ascent 10 * 0.905.
    EXPECT_EQ(zeilen, (QList<QByteArray>{"BT", "/F0 10 Tf", "0 0 0 rg", "28.346 776.147 Td",
                                         "(\\(Stra\xDF"
                                         "e\\)) Tj",
                                         "ET"}));
}

TEST(PdfCanvas, UnterstrichenUndDurchgestrichen) {
    const auto zeilen = Zeichne(QStringLiteral("pdf-unterstrich.pdf"), [](TPdfCanvas& c) {
        c.Font().Size = 20;
        c.Font().Underline = true;
        c.Font().StrikeOut = true;
        c.Font().Color = clRed;
        c.TextOut(0, 0, QStringLiteral("AW"));
    });
    // Baseline 841.89 - 20 * 0.905 = 823.79; "AW" is (667 + 944) thousandths wide at 20 points.
    ASSERT_EQ(zeilen.size(), 14);
    EXPECT_EQ(zeilen[2], "1 0 0 rg");
    EXPECT_EQ(zeilen.mid(6),
              (QList<QByteArray>{"1 0 0 RG", "[]0 d", "1.46 w", "0 822.41 m 32.22 822.41 l S",
                                 "1 0 0 RG", "[]0 d", "1 w", "0 828.47 m 32.22 828.47 l S"}));
}

TEST(PdfCanvas, RechteckFuellungUndRand) {
    const struct {
        const char* fall;
        TBrushStyle pinsel;
        TPenStyle stift;
        int breite;
        QList<QByteArray> zeilen;
    } faelle[] = {
        {"beides",
         bsSolid,
         psSolid,
         1,
         {"1 1 1 rg", "0 0 0 RG", "[]0 d", "0.283 w", "28.346 785.197 28.346 14.173 re B"}},
        {"nur Rand",
         bsClear,
         psSolid,
         10,
         {"0 0 0 RG", "[]0 d", "2.835 w", "28.346 785.197 28.346 14.173 re S"}},
        {"gestrichelt",
         bsClear,
         psDash,
         1,
         {"0 0 0 RG", "[3 3]0 d", "0.283 w", "28.346 785.197 28.346 14.173 re S"}},
        {"nur Fuellung", bsSolid, psClear, 1, {"1 1 1 rg", "28.346 785.197 28.346 14.173 re f"}},
        {"Stift ohne Breite",
         bsSolid,
         psSolid,
         0,
         {"1 1 1 rg", "28.346 785.197 28.346 14.173 re f"}},
        {"nichts", bsClear, psClear, 1, {}},
    };
    for (const auto& f : faelle) {
        const auto zeilen = Zeichne(QStringLiteral("pdf-rechteck.pdf"), [&](TPdfCanvas& c) {
            c.Brush().Style = f.pinsel;
            c.Pen().Style = f.stift;
            c.Pen().Width = f.breite;
            c.Rectangle(200, 200, 100, 150); // corners in any order
        });
        EXPECT_EQ(zeilen, f.zeilen) << f.fall;
    }
}

TEST(PdfCanvas, LinienUndFlachesRechteck) {
    const auto zeilen = Zeichne(QStringLiteral("pdf-linien.pdf"), [](TPdfCanvas& c) {
        c.MoveTo(0, 0);
        c.LineTo(2100, 2970);
        c.Pen().Color = clBlue;
        c.Rectangle(20, 50, 2000, 50); // no height: a line
        c.LineTo(20, 60);              // on from the rectangle's end
        c.Pen().Style = psClear;
        c.LineTo(0, 0);
        c.Rectangle(0, 0, 0, 100);
    });
    EXPECT_EQ(zeilen, (QList<QByteArray>{
                          "0 0 0 RG", "[]0 d", "0.283 w", "0 841.89 m", "595.276 0 l S", "0 0 1 RG",
                          "[]0 d", "0.283 w", "5.669 827.717 m", "566.929 827.717 l S", "0 0 1 RG",
                          "[]0 d", "0.283 w", "566.929 827.717 m", "5.669 824.882 l S"}));
}

TEST(PdfCanvas, TextbreiteUndTexthoehe) {
    testsupport::TestWelt welt;
    const struct {
        TLengthUnit einheit;
        const char* font;
        bool fett;
        int groesse;
        const char* text;
        int breite, hoehe;
    } faelle[] = {
        // "Hallo" in Arial: 722 + 556 + 222 + 222 + 556 = 2278 thousandths.
        {luTenth, "Arial", false, 10, "Hallo", 80, 39},
        {luPoint, "Arial", false, 10, "Hallo", 23, 11},
        {luTenth, "Arial", true, 12, "", 0, 47},
        {luTenth, "Courier New", false, 10, "12345", 106, 40},
        {luPoint, "Courier New", true, -10, "Straße", 36, 11}, // a negative size counts as its size
    };
    for (const auto& f : faelle) {
        TPdfBox box;
        box.SetLengthUnit(f.einheit);
        box.BeginDoc();
        TPdfCanvas& c = box.Canvas();
        c.Font().Name = QString::fromLatin1(f.font);
        c.Font().Bold = f.fett;
        c.Font().Size = f.groesse;
        EXPECT_EQ(c.TextWidth(QString::fromUtf8(f.text)), f.breite) << f.font << f.text;
        EXPECT_EQ(c.TextHeight(QString::fromUtf8(f.text)), f.hoehe) << f.font << f.text;
        box.EndDoc();
    }
}

// --- grids ------------------------------------------------------------------------------------

namespace {

const int Tabellenspalten[] = {170, 160, 350, 120, 120, 120, 120, 210, 100, 490, 0};

void DefiniereTabelle(TPdfCanvas& c, const QString& name) {
    c.DefineGrid(name, 2, 5);
    for (const int breite : Tabellenspalten)
        c.AddGridColumn(name, breite, 0, 2, false);
}

} // namespace

TEST(PdfGrid, ZentrierteTabelle1960BreitAb70) {
    const auto zeilen = Zeichne(QStringLiteral("pdf-grid-zentriert.pdf"), [](TPdfCanvas& c) {
        c.Brush().Color = clSilver;
        DefiniereTabelle(c, QStringLiteral("Kopf"));
        c.SetGridPosition(QStringLiteral("Kopf"), 0, 250);
        const TPdfGrid* grid = c.Grid(QStringLiteral("Kopf"));
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->TotalWidth, 1960);
        EXPECT_EQ(grid->Left, 70);
        EXPECT_EQ(grid->Cols.front().X, 70);
        EXPECT_EQ(grid->Cols.back().X, 2030);
        c.AddGridRow(QStringLiteral("Kopf"), 45);
        c.AddGridRow(QStringLiteral("Kopf"), 0);
        EXPECT_EQ(grid->Rows.size(), 2u);
        EXPECT_EQ(grid->CurrentY, 295);
    });
    QList<QByteArray> erwartet;
    // Ten silver cells: the zero-width column has no fill.
    int x = 70;
    for (int i = 0; i < 10; ++i) {
        erwartet.append(X(x) + " " + Y(295) + " " + PdfZahl(Tabellenspalten[i] * 72.0 / 254.0) +
                        " " + PdfZahl(45 * 72.0 / 254.0) + " re f");
        x += Tabellenspalten[i];
    }
    // Eleven vertical lines, the last one the right border at 2030.
    x = 70;
    for (const int breite : Tabellenspalten) {
        erwartet.append(X(x) + " " + Y(250) + " m");
        erwartet.append(X(x) + " " + Y(295) + " l S");
        x += breite;
    }
    erwartet.append(X(70) + " " + Y(250) + " m");
    erwartet.append(X(2030) + " " + Y(250) + " l S");
    // The row of height 0: only its rule.
    erwartet.append(X(70) + " " + Y(295) + " m");
    erwartet.append(X(2030) + " " + Y(295) + " l S");
    EXPECT_EQ(Platziert(zeilen), erwartet);
    EXPECT_EQ(zeilen.count("0.753 0.753 0.753 rg"), 10);
    EXPECT_EQ(X(2030), "575.433");
}

TEST(PdfGrid, LinkeKanteNachModus) {
    const struct { int modus, x, links; } faelle[] = {{0, 100, 100}, {1, 2100, 140}, {2, 999, 70}};
    for (const auto& f : faelle) {
        Zeichne(QStringLiteral("pdf-grid-modus.pdf"), [&](TPdfCanvas& c) {
            DefiniereTabelle(c, QStringLiteral("G"));
            c.DefineGrid(QStringLiteral("G"), f.modus, 5); // clears the columns
            EXPECT_TRUE(c.Grid(QStringLiteral("G"))->Cols.empty());
            for (const int breite : Tabellenspalten)
                c.AddGridColumn(QStringLiteral("G"), breite, 0, 0, false);
            c.SetGridPosition(QStringLiteral("G"), f.x, 10);
            EXPECT_EQ(c.Grid(QStringLiteral("G"))->Left, f.links) << f.modus;
        });
    }
}

TEST(PdfGrid, FehlerVerwerfenDasDokument) {
    testsupport::TestWelt welt;
    const struct {
        const char* fall;
        int modus, x, breite;
        std::function<void(TPdfCanvas&)> aufruf;
        const char* fehler;
    } faelle[] = {
        {"zentriert zu breit", 2, 0, 2200,
         [](TPdfCanvas& c) { c.SetGridPosition(QStringLiteral("G"), 0, 0); },
         "Grid too wide: G (2200)"},
        {"rechts ueber den Rand", 0, 1, 2100,
         [](TPdfCanvas& c) { c.SetGridPosition(QStringLiteral("G"), 1, 0); },
         "Grid too wide: G (2100)"},
        {"links vor dem Rand", 1, 2099, 2100,
         [](TPdfCanvas& c) { c.SetGridPosition(QStringLiteral("G"), 2099, 0); },
         "Grid too wide: G (2100)"},
        {"Zeile unter der Seite", 0, 0, 100,
         [](TPdfCanvas& c) {
             c.SetGridPosition(QStringLiteral("G"), 0, 2900);
             c.AddGridRow(QStringLiteral("G"), 70); // ends exactly at the page's bottom
             c.AddGridRow(QStringLiteral("G"), 1);
         },
         "Grid row out of page: G"},
        {"Zeile ohne Position", 0, 0, 100,
         [](TPdfCanvas& c) { c.AddGridRow(QStringLiteral("G"), 1); }, "Grid row out of page: G"},
        {"Zeile negativ", 0, 0, 100,
         [](TPdfCanvas& c) {
             c.SetGridPosition(QStringLiteral("G"), 0, 100);
             c.AddGridRow(QStringLiteral("G"), -1);
         },
         "Grid row out of page: G"},
        {"ohne Spalten", 0, 0, 0,
         [](TPdfCanvas& c) {
             c.DefineGrid(QStringLiteral("G"), 0, 0);
             c.SetGridPosition(QStringLiteral("G"), 0, 0);
         },
         "Grid Cols not defined: G"},
        {"unbekannt", 0, 0, 100,
         [](TPdfCanvas& c) { c.AddGridColumn(QStringLiteral("H"), 1, 0, 0, false); },
         "Invalid Grid name: H"},
        {"Zelle rechts", 0, 0, 100,
         [](TPdfCanvas& c) {
             c.SetGridPosition(QStringLiteral("G"), 0, 0);
             c.AddGridRow(QStringLiteral("G"), 10);
             c.GridCellText(QStringLiteral("G"), 0, QStringLiteral("gut"), 0);
             c.GridCellText(QStringLiteral("G"), 1, QStringLiteral("x"), 0);
         },
         "Invalid cell: G(1,0)"},
        {"Zelle unten", 0, 0, 100,
         [](TPdfCanvas& c) {
             c.SetGridPosition(QStringLiteral("G"), 0, 0);
             c.AddGridRow(QStringLiteral("G"), 10);
             c.GridCellText(QStringLiteral("G"), 0, QStringLiteral("x"), 1);
         },
         "Invalid cell: G(0,1)"},
        {"Zelle negativ", 0, 0, 100,
         [](TPdfCanvas& c) { c.GridCellText(QStringLiteral("G"), -1, QStringLiteral("x"), 0); },
         "Invalid cell: G(-1,0)"},
    };
    for (const auto& f : faelle) {
        TPdfBox box;
        box.SetFileName(QStringLiteral("Grid.pdf"));
        box.BeginDoc();
        TPdfCanvas& c = box.Canvas();
        c.DefineGrid(QStringLiteral("G"), f.modus, 5);
        if (f.breite > 0)
            c.AddGridColumn(QStringLiteral("G"), f.breite, 0, 0, false);
        EXPECT_EQ(Fehlertext([&] { f.aufruf(c); }), f.fehler) << f.fall;
        EXPECT_FALSE(box.Printing()) << f.fall;
        EXPECT_FALSE(welt.Existiert(QStringLiteral("Grid.pdf"))) << f.fall;
    }
}

TEST(PdfGrid, ZellentextAusrichtungUndKuerzung) {
    // One column of 400 at x 100, inset 5, a row of 100 at y 500. Arial 10: "Hallo" is 80 wide,
    // every text 39 high.
    const struct {
        int h, v;
        const char* text;
        int x, y;
        const char* gezeigt;
    } faelle[] = {
        {0, 0, "Hallo", 105, 505, "Hallo"},
        {1, 1, "Hallo", 415, 556, "Hallo"},
        {2, 2, "Hallo", 260, 531, "Hallo"}, // half the free width: (400 - 80) / 2
        // 44 "W" are 1465 tenths wide; 11 of them (366) fit into 390, 12 (400) do not.
        {0, 0, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", 105, 505, "WWWWWWWWWWW"},
        {1, 0, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", 105, 505, "WWWWWWWWWWW"},
        {2, 2, "WWWWWWWWWWWW", 105, 531, "WWWWWWWWWWW"},
    };
    for (const auto& f : faelle) {
        const auto zeilen = Zeichne(QStringLiteral("pdf-grid-zelle.pdf"), [&](TPdfCanvas& c) {
            c.DefineGrid(QStringLiteral("G"), 0, 5);
            c.AddGridColumn(QStringLiteral("G"), 400, f.h, f.v, false);
            c.SetGridPosition(QStringLiteral("G"), 100, 500);
            c.AddGridRow(QStringLiteral("G"), 100);
            c.GridCellText(QStringLiteral("G"), 0, QString::fromLatin1(f.text), 0);
            EXPECT_EQ(c.TextWidth(QStringLiteral("Hallo")), 80);
            EXPECT_EQ(c.TextHeight(QStringLiteral("Hallo")), 39);
        });
        const QByteArray ort = X(f.x) + " " + PdfZahl((2970 - f.y) * 72.0 / 254.0 - 9.05) + " Td";
        EXPECT_EQ(TextPositionen(zeilen), QList<QByteArray>{ort}) << f.text;
        EXPECT_TRUE(zeilen.contains("(" + QByteArray(f.gezeigt) + ") Tj")) << f.text;
    }
}

TEST(PdfGrid, UmbruchInDerZelle) {
    const auto zeilen = Zeichne(QStringLiteral("pdf-grid-umbruch.pdf"), [](TPdfCanvas& c) {
        c.DefineGrid(QStringLiteral("G"), 0, 5);
        c.AddGridColumn(QStringLiteral("G"), 300, 0, 0, true);
        c.SetGridPosition(QStringLiteral("G"), 100, 500);
        c.AddGridRow(QStringLiteral("G"), 100); // room for two lines of 39
        c.GridCellText(QStringLiteral("G"), 0,
                       QStringLiteral("Hallo Hallo Hallo Hallo Hallo Hallo Hallo Hallo"), 0);
    });
    QList<QByteArray> texte;
    for (const QByteArray& z : zeilen)
        if (z.endsWith(" Tj"))
            texte.append(z);
    // Three "Hallo" (261) fit into 290, four (351) do not; a third line would not fit the height.
    EXPECT_EQ(texte, (QList<QByteArray>{"(Hallo Hallo Hallo) Tj", "(Hallo Hallo Hallo) Tj"}));
    EXPECT_EQ(TextPositionen(zeilen),
              (QList<QByteArray>{X(105) + " " + PdfZahl(2465 * 72.0 / 254.0 - 9.05) + " Td",
                                 X(105) + " " + PdfZahl(2426 * 72.0 / 254.0 - 9.05) + " Td"}));
}

TEST(PdfGrid, NeueSeiteLeertDieZeilen) {
    testsupport::TestWelt welt;
    TPdfBox box;
    box.BeginDoc();
    TPdfCanvas& c = box.Canvas();
    DefiniereTabelle(c, QStringLiteral("G"));
    c.SetGridPosition(QStringLiteral("G"), 0, 100);
    c.AddGridRow(QStringLiteral("G"), 45);
    box.NewPage();
    EXPECT_TRUE(c.Grid(QStringLiteral("G"))->Rows.empty());
    EXPECT_EQ(Fehlertext([&] { c.GridCellText(QStringLiteral("G"), 0, {}, 0); }),
              "Invalid cell: G(0,0)");
}
