// Real readers judge the writer's files: qpdf checks the structure, pdftotext reads the texts
// back, pdftoppm renders the first page of a three-page table.
#include "PdfTestHilfe.h"

#include <QColor>
#include <QImage>

using namespace report;
using namespace pdftest;

namespace {

const int Spalten[] = {170, 160, 350, 120, 120, 120, 120, 210, 100, 490, 0};
const char* const Ueberschriften[] = {"Datum",   "Zeit UT", "Call",    "Band", "Mode",
                                      "RST aus", "RST ein", "DOK ein", "Mul",  "Bemerkung"};

void Kopf(TPdfBox& box) {
    TPdfCanvas& c = box.Canvas();
    c.Font().Name = QStringLiteral("Arial");
    c.Font().Bold = true;
    c.Font().Size = 10;
    c.TextOut(20, 10, QStringLiteral("Aktivitätsabend Grüße"));
    c.TextOut(1650, 10, QStringLiteral("Seite: ") + QString::number(box.PageNumber()));
    c.Rectangle(20, 50, 2000, 51);
    c.Font().Bold = false;
    c.Font().Size = 12;
    c.TextOut(820, 130, QStringLiteral("Straße: "));
    c.TextOut(1220, 130, QStringLiteral("Lindenstraße 5 (Hof)"));
}

void Tabellenkopf(TPdfCanvas& c) {
    c.Font().Name = QStringLiteral("Courier New");
    c.Font().Size = 10;
    c.Font().Bold = true;
    c.Brush().Style = bsSolid;
    c.Brush().Color = clSilver;
    c.DefineGrid(QStringLiteral("GridHeader"), 2, 5);
    for (const int breite : Spalten)
        c.AddGridColumn(QStringLiteral("GridHeader"), breite, 0, 2, false);
    c.SetGridPosition(QStringLiteral("GridHeader"), 0, 250);
    c.AddGridRow(QStringLiteral("GridHeader"), 45);
    for (int i = 0; i < 10; ++i)
        c.GridCellText(QStringLiteral("GridHeader"), i, QString::fromLatin1(Ueberschriften[i]), 0);
    c.AddGridRow(QStringLiteral("GridHeader"), 0);
    c.Brush().Style = bsClear;
    c.Font().Bold = false;
    c.DefineGrid(QStringLiteral("GridBody"), 2, 5);
    for (const int breite : Spalten)
        c.AddGridColumn(QStringLiteral("GridBody"), breite, 0, 2, false);
    c.SetGridPosition(QStringLiteral("GridBody"), 0, 250);
    c.AddGridRow(QStringLiteral("GridBody"), 50);
}

QString Rufzeichen(int i) {
    return QStringLiteral("DL%1ABC").arg(i, 3, 10, QLatin1Char('0'));
}

// 150 QSOs: 56 rows on page 1, 55 on page 2, the rest on page 3.
void SchreibeTabelle(TPdfBox& box) {
    box.BeginDoc();
    TPdfCanvas& c = box.Canvas();
    Kopf(box);
    Tabellenkopf(c);
    int zeile = 1;
    for (int i = 0; i < 150; ++i) {
        ++zeile;
        c.AddGridRow(QStringLiteral("GridBody"), 45);
        const QStringList zellen = {QStringLiteral("24.03."),
                                    QStringLiteral("19:%1").arg(i % 60, 2, 10, QLatin1Char('0')),
                                    Rufzeichen(i),
                                    QStringLiteral("80"),
                                    QStringLiteral("CW"),
                                    QStringLiteral("599"),
                                    QStringLiteral("599"),
                                    QStringLiteral("K32"),
                                    QString::number(i % 3),
                                    i == 7 ? QStringLiteral("Grüße aus Köln, äußerst schön und "
                                                            "viel zu lang für diese Spalte")
                                           : QStringLiteral("Öl (ß)")};
        for (int s = 0; s < 10; ++s)
            c.GridCellText(QStringLiteral("GridBody"), s, zellen[s], zeile - 1);
        if (i > 0 && i % 55 == 0 && i + 1 < 150) {
            c.AddGridRow(QStringLiteral("GridBody"), 0);
            box.NewPage();
            zeile = 1;
            Kopf(box);
            Tabellenkopf(c);
        }
    }
    c.AddGridRow(QStringLiteral("GridBody"), 0);
    c.Font().Name = QStringLiteral("Arial");
    c.Font().Bold = true;
    c.TextOut(97, 2830, QStringLiteral("Summe Multis "));
    box.EndDoc();
}

} // namespace

TEST(PdfLeser, DreiseitigeTabelleGeprueftGelesenGerendert) {
    Uhrzeit uhrzeit;
    const QString pfad = testsupport::AusgabePfad(QStringLiteral("pdf-tabelle.pdf"));
    TPdfBox box;
    box.SetFileName(pfad);
    box.SetTitle(QStringLiteral("Aktivitätsabend / DL1ABC (Ver:1.0.0.0)"));
    box.SetAuthor(QStringLiteral("Tarvex"));
    SchreibeTabelle(box);

    PruefeMitQpdf(pfad);
    const Lauf seiten = Starte(QStringLiteral("qpdf"), {QStringLiteral("--show-npages"), pfad});
    EXPECT_EQ(seiten.ausgabe.trimmed(), "3");

    const QString alles = TextVonPdf(pfad);
    for (const QString& text :
         {QStringLiteral("Aktivitätsabend Grüße"), QStringLiteral("Lindenstraße 5 (Hof)"),
          QStringLiteral("Bemerkung"), QStringLiteral("DOK ein"), QStringLiteral("Öl (ß)"),
          Rufzeichen(0), Rufzeichen(149), QStringLiteral("Summe Multis")})
        EXPECT_TRUE(alles.contains(text)) << text.toStdString();
    // The over-long remark was cut at its column's edge.
    EXPECT_TRUE(alles.contains(QStringLiteral("Grüße aus Köln"))) << alles.toStdString();
    EXPECT_FALSE(alles.contains(QStringLiteral("diese Spalte")));
    // Seven letters of Courier New bold are wider than the 11 mm inside a 12 mm column.
    EXPECT_TRUE(alles.contains(QStringLiteral("RST a")));
    EXPECT_FALSE(alles.contains(QStringLiteral("RST aus")));

    const struct {
        int seite;
        QString erstes, letztes;
    } verteilung[] = {{1, Rufzeichen(0), Rufzeichen(55)},
                      {2, Rufzeichen(56), Rufzeichen(110)},
                      {3, Rufzeichen(111), Rufzeichen(149)}};
    for (const auto& v : verteilung) {
        const QString n = QString::number(v.seite);
        const QString seite = TextVonPdf(pfad, {QStringLiteral("-f"), n, QStringLiteral("-l"), n});
        EXPECT_TRUE(seite.contains(QStringLiteral("Seite: ") + n)) << v.seite;
        EXPECT_TRUE(seite.contains(v.erstes)) << v.seite;
        EXPECT_TRUE(seite.contains(v.letztes)) << v.seite;
        EXPECT_EQ(seite.count(QStringLiteral("DL")), v.seite == 3 ? 39 : (v.seite == 1 ? 56 : 55));
    }

    const QString bildBasis = testsupport::AusgabePfad(QStringLiteral("pdf-tabelle-seite1"));
    const Lauf render =
        Starte(QStringLiteral("pdftoppm"),
               {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                QStringLiteral("1"), QStringLiteral("-singlefile"), pfad, bildBasis});
    ASSERT_EQ(render.code, 0) << render.ausgabe.constData();
    const QImage bild(bildBasis + QStringLiteral(".png"));
    ASSERT_FALSE(bild.isNull());
    // 100 dpi: a tenth of a millimetre is 0.03937 pixels.
    EXPECT_NEAR(bild.width(), 827, 1);
    const double proZehntel = bild.width() / 2100.0;
    auto pixel = [&](int x, int y) {
        return bild.pixelColor(static_cast<int>(x * proZehntel), static_cast<int>(y * proZehntel));
    };
    // The heading row is silver inside the table (away from the headings' letters), the paper
    // white outside it.
    for (const int x : {220, 720, 1420, 2000}) {
        const QColor c = pixel(x, 262);
        EXPECT_NEAR(c.red(), 192, 8) << x;
        EXPECT_NEAR(c.green(), 192, 8) << x;
    }
    EXPECT_EQ(pixel(40, 262), QColor(Qt::white));
    EXPECT_EQ(pixel(2060, 262), QColor(Qt::white));
    EXPECT_EQ(pixel(1000, 350).lightness() > 200, true); // a body row is not filled

    // The table is centred: its outer borders lie as far from the left edge as from the right.
    const int y = static_cast<int>(1000 * proZehntel);
    int links = -1;
    int rechts = -1;
    for (int x = 0; x < bild.width(); ++x)
        if (bild.pixelColor(x, y).lightness() < 160) {
            if (links < 0)
                links = x;
            rechts = x;
        }
    EXPECT_NEAR(links, 70 * proZehntel, 1.5);
    EXPECT_NEAR(rechts, 2030 * proZehntel, 1.5);
    EXPECT_NEAR(links, bild.width() - 1 - rechts, 1.5);
}

TEST(PdfLeser, SonderzeichenUndSchriftenKommenZurueck) {
    Uhrzeit uhrzeit;
    const QString pfad = testsupport::AusgabePfad(QStringLiteral("pdf-zeichen.pdf"));
    TPdfBox box;
    box.SetFileName(pfad);
    box.SetLengthUnit(luPoint);
    box.SetPaperSizeName(QStringLiteral("letter"));
    box.SetOrientation(poLandscape);
    box.BeginDoc();
    TPdfCanvas& c = box.Canvas();
    const QString texte[] = {QStringLiteral("ÄÖÜ äöü ß"), QStringLiteral("Klammern (a) \\ b"),
                             QStringLiteral("Euro 5 €"), QStringLiteral("Tab\there")};
    int y = 20;
    for (const char* font : {"Arial", "Courier New", "Times New Roman"}) {
        c.Font().Name = QString::fromLatin1(font);
        for (const bool fett : {false, true}) {
            c.Font().Bold = fett;
            c.Font().Underline = fett;
            for (const QString& t : texte) {
                c.TextOut(20, y, t);
                y += 14;
            }
        }
    }
    box.EndDoc();
    PruefeMitQpdf(pfad);
    const QString gelesen = TextVonPdf(pfad);
    EXPECT_EQ(gelesen.count(QStringLiteral("ÄÖÜ äöü ß")), 6) << gelesen.toStdString();
    EXPECT_EQ(gelesen.count(QStringLiteral("Klammern (a) \\ b")), 6);
    EXPECT_EQ(gelesen.count(QStringLiteral("Euro 5 €")), 6);
    const Lauf info = Starte(QStringLiteral("pdfinfo"), {pfad});
    EXPECT_TRUE(info.ausgabe.contains("792 x 612 pts (letter)")) << info.ausgabe.constData();
}
