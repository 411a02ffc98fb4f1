// The document side of the PDF writer: the objects and their order, the cross-reference table
// and trailer, the properties, fonts, and what a failure leaves behind.
#include "PdfTestHilfe.h"

#include "report/PdfMetriken.h"

#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>

using namespace report;
using namespace pdftest;

namespace {

QStringList DateienIn(const QString& verzeichnis) {
    return QDir(verzeichnis).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

// The single-text document: one text in Arial bold 10 on page 1.
void SchreibeEinText(TPdfBox& box, const QString& pfad) {
    box.SetFileName(pfad);
    box.SetTitle(QStringLiteral("Test"));
    box.BeginDoc();
    box.Canvas().Font().Bold = true;
    box.Canvas().TextOut(100, 200, QStringLiteral("(Straße)"));
    box.EndDoc();
}

} // namespace

TEST(PdfBox, EinTextDokumentObjekteXrefUndTrailer) {
    Uhrzeit uhrzeit;
    const QString pfad = testsupport::AusgabePfad(QStringLiteral("pdf-ein-text.pdf"));
    TPdfBox box;
    SchreibeEinText(box, pfad);
    const QByteArray pdf = Lies(pfad);

    const auto objekte = Objekte(pdf);
    EXPECT_EQ(Nummern(objekte), (std::vector<int>{1, 5, 6, 7, 8, 9, 10, 2, 3}));
    EXPECT_TRUE(objekte[3].text.contains("/Name/F0\n/BaseFont/Arial,Bold\n"));

    // Every entry is 20 bytes and points at its object's number line; 4 was never written.
    const auto eintraege = XrefEintraege(pdf);
    ASSERT_EQ(eintraege.size(), 11);
    EXPECT_EQ(eintraege[0], "0000000000 65535 f\r\n");
    EXPECT_EQ(eintraege[4], "0000000000 00000 f\r\n");
    for (const Objekt& o : objekte) {
        const QByteArray& e = eintraege[o.nummer];
        EXPECT_EQ(e, QByteArray::number(o.offset).rightJustified(10, '0') + " 00000 n\r\n")
            << o.nummer;
    }

    const qsizetype xref = pdf.lastIndexOf("\nxref\n") + 1;
    const QByteArray kennung =
        TPdfBox::Dokumentkennung(uhrzeit.uhr.jetzt, QFileInfo(pfad).absoluteFilePath()).toLatin1();
    const QByteArray schluss = "trailer\n<<\n/Size 11\n/Root 10 0 R\n/Info 1 0 R\n/ID[(" + kennung +
                               ")(" + kennung + ")]\n>>\nstartxref\n" + QByteArray::number(xref) +
                               "\n%%EOF\n";
    EXPECT_TRUE(pdf.endsWith(schluss)) << pdf.right(200).constData();

    // Apart from the identifier, which holds letters of the path, the file is the golden one.
    QByteArray ohneKennung = pdf;
    ohneKennung.replace(kennung, "KENNUNG");
    const QByteArray golden = testsupport::Fixture(QStringLiteral("pdf-ein-text.pdf"));
    EXPECT_EQ(ohneKennung.left(xref), golden.left(xref));
    EXPECT_EQ(ohneKennung.mid(xref), golden.mid(golden.lastIndexOf("\nxref\n") + 1));
    PruefeMitQpdf(pfad);
}

TEST(PdfBox, Dokumentkennung) {
    const struct {
        QDateTime jetzt;
        const char* name;
        const char* kennung;
    } faelle[] = {
        {QDateTime(QDate(2016, 3, 24), QTime(19, 5)), "C:\\Log\\Test.pdf", "424537951gef"},
        {QDateTime(QDate(2000, 1, 1), QTime(0, 0)), "ab", "365260000"},
        {QDateTime(QDate(1899, 12, 30), QTime(12, 0)), "xyZ12345Q", "5000ZQ"},
        // 0.00005 days is 4.32 s: half a unit, rounded up.
        {QDateTime(QDate(2000, 1, 1), QTime(0, 0, 4, 320)), "/tmp/a.pdf", "365260001mad"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TPdfBox::Dokumentkennung(f.jetzt, QString::fromLatin1(f.name)),
                  QString::fromLatin1(f.kennung))
            << f.name;
}

TEST(PdfBox, InformationUndSeiteNachDenEigenschaften) {
    Uhrzeit uhrzeit;
    const QString pfad = testsupport::AusgabePfad(QStringLiteral("pdf-info.pdf"));
    TPdfBox box;
    box.SetFileName(pfad);
    box.SetAuthor(QStringLiteral("DL1ABC"));
    box.SetKeywords(QStringLiteral("Öl"));
    box.SetPaperSizeName(QStringLiteral("a5"));
    box.SetOrientation(poLandscape);
    box.BeginDoc();
    box.NewPage();
    box.EndDoc();
    const QByteArray pdf = Lies(pfad);
    const auto objekte = Objekte(pdf);
    // Title always, Subject only when given, a Producer of the writer's own when none is set.
    EXPECT_EQ(objekte[0].text, "1 0 obj\n<<\n/CreationDate(D:20160324190500)\n/Title()\n"
                               "/Author(DL1ABC)\n/Keywords(\xD6l)\n"
                               "/Producer(Tarvex PDF writer)\n>>\nendobj\n");
    EXPECT_EQ(Nummern(objekte), (std::vector<int>{1, 5, 6, 7, 8, 9, 2, 3}));
    EXPECT_TRUE(objekte[2].text.contains("/MediaBox[ 0 0 595.276 419.528 ]\n"));
    EXPECT_TRUE(objekte[6].text.contains("/Kids[\n6 0 R\n8 0 R\n]\n/Count 2\n/Resources 3 0 R\n"));
    EXPECT_TRUE(objekte[7].text.contains("/ProcSet[/PDF/Text/ImageC]\n/Font<<\n>>\n>>\n"));
    // An empty page has an empty stream of length 0.
    EXPECT_EQ(objekte[1].text, "5 0 obj\n<<\n/Length 0\n>>\nstream\nendstream\nendobj\n");
    PruefeMitQpdf(pfad);
}

TEST(PdfBox, SeitengroesseEinheitUndAusrichtung) {
    TPdfBox box;
    EXPECT_EQ(box.PaperSizeName(), "A4");
    EXPECT_EQ(box.PageWidth(), 2100);
    box.SetPaperSizeName(QStringLiteral("LETTER"));
    EXPECT_EQ(box.PaperSizeName(), "Letter");
    EXPECT_EQ(box.PageWidth(), 2159);
    EXPECT_EQ(box.PageHeight(), 2794);
    box.SetOrientation(poLandscape);
    EXPECT_EQ(box.PageWidth(), 2794);
    box.SetOrientation(poLandscape); // no second swap
    EXPECT_EQ(box.PageWidth(), 2794);
    box.SetPaperSizeName(QStringLiteral("a4")); // stays landscape
    EXPECT_EQ(box.PageWidth(), 2970);
    EXPECT_EQ(box.PageHeight(), 2100);
    box.SetOrientation(poPortrait);
    box.SetLengthUnit(luPoint);
    EXPECT_EQ(box.PageWidth(), 595);
    EXPECT_EQ(box.PageHeight(), 842);
    box.SetLengthUnit(luTenth);
    EXPECT_EQ(box.PageWidth(), 2099);
    EXPECT_EQ(box.PageHeight(), 2970);
    box.SetPageHeight(1000);
    EXPECT_EQ(box.PaperSizeName(), "Custom");
    EXPECT_EQ(Fehlertext([&] { box.SetPaperSizeName(QStringLiteral("A7")); }),
              "Invalid property value: PaperSizeName");
    EXPECT_EQ(box.PageHeight(), 1000);
}

TEST(PdfBox, EigenschaftenBeiOffenemDokumentVerweigert) {
    testsupport::TestWelt welt;
    const struct {
        const char* meldung;
        std::function<void(TPdfBox&)> aendern;
    } faelle[] = {
        {"FileName", [](TPdfBox& b) { b.SetFileName({}); }},
        {"Title", [](TPdfBox& b) { b.SetTitle({}); }},
        {"Producer", [](TPdfBox& b) { b.SetProducer({}); }},
        {"LengthUnit", [](TPdfBox& b) { b.SetLengthUnit(luPoint); }},
        {"EmbedFonts", [](TPdfBox& b) { b.SetEmbedFonts(true); }},
        {"WantShow", [](TPdfBox& b) { b.SetWantShow(true); }},
        {"Orientation (use NewSection method)", [](TPdfBox& b) { b.SetOrientation(poLandscape); }},
        {"PageWidth (use NewSection method)", [](TPdfBox& b) { b.SetPageWidth(1); }},
        {"PageHeight (use NewSection method)", [](TPdfBox& b) { b.SetPageHeight(1); }},
        {"PaperSizeName (use NewSection method)",
         [](TPdfBox& b) { b.SetPaperSizeName(QStringLiteral("A4")); }},
    };
    for (const auto& f : faelle) {
        TPdfBox box;
        int abgebrochen = 0;
        box.OnAbort = [&] { ++abgebrochen; };
        box.BeginDoc();
        EXPECT_EQ(Fehlertext([&] { f.aendern(box); }),
                  QStringLiteral("Can't modify property when printing: ") + f.meldung);
        // The failure abandoned the document.
        EXPECT_EQ(abgebrochen, 1) << f.meldung;
        EXPECT_FALSE(box.Printing());
        EXPECT_FALSE(welt.Existiert(QStringLiteral("File.pdf"))) << f.meldung;
    }
    TPdfBox box;
    box.SetTitle(QStringLiteral("frei"));
    EXPECT_EQ(box.Title(), "frei");
}

TEST(PdfBox, DateinameLeerOderOhneVerzeichnisImProgrammverzeichnis) {
    testsupport::TestWelt welt;
    for (const QString& name : {QString(), QStringLiteral("Auswertung.pdf")}) {
        TPdfBox box;
        box.SetFileName(name);
        box.BeginDoc();
        box.EndDoc();
        const QString erwartet = name.isEmpty() ? QStringLiteral("File.pdf") : name;
        EXPECT_EQ(box.Zieldatei(), welt.Pfad(erwartet));
        EXPECT_TRUE(welt.Lies(erwartet).startsWith("%PDF-1.3\n"));
        PruefeMitQpdf(welt.Pfad(erwartet));
    }
    // Nothing but the two files: no temporary file stays behind.
    EXPECT_EQ(DateienIn(welt.Pfad({})),
              (QStringList{QStringLiteral("Auswertung.pdf"), QStringLiteral("File.pdf")}));
}

TEST(PdfBox, FehlerBeimBeginnen) {
    testsupport::TestWelt welt;
    {
        TPdfBox box;
        box.SetPageHeight(0);
        EXPECT_EQ(Fehlertext([&] { box.BeginDoc(); }), "Invalid property value: PageHeight");
        box.SetPageHeight(100);
        box.SetPageWidth(0);
        EXPECT_EQ(Fehlertext([&] { box.BeginDoc(); }), "Invalid property value: PageWidth");
        box.SetPageWidth(-5);
        EXPECT_EQ(Fehlertext([&] { box.BeginDoc(); }), "Invalid property value: PageWidth");
    }
    {
        const QString fehlt = welt.Pfad(QStringLiteral("gibt-es-nicht/x.pdf"));
        TPdfBox box;
        box.SetFileName(fehlt);
        EXPECT_EQ(Fehlertext([&] { box.BeginDoc(); }), "Can't open file: " + fehlt);
        EXPECT_FALSE(box.Printing());
        // Nothing was opened, so drawing is misuse again.
        EXPECT_EQ(Fehlertext([&] { box.Canvas().TextOut(0, 0, QStringLiteral("x")); }),
                  "Document not opened");
    }
    {
        // A directory in the target's place cannot be replaced.
        QDir(welt.Pfad({})).mkdir(QStringLiteral("Ordner.pdf"));
        TPdfBox box;
        box.SetFileName(welt.Pfad(QStringLiteral("Ordner.pdf")));
        EXPECT_EQ(Fehlertext([&] { box.BeginDoc(); }),
                  "File locked: " + welt.Pfad(QStringLiteral("Ordner.pdf")));
        EXPECT_TRUE(QFileInfo(welt.Pfad(QStringLiteral("Ordner.pdf"))).isDir());
    }
    {
        TPdfBox box;
        int abgebrochen = 0;
        box.OnAbort = [&] { ++abgebrochen; };
        box.BeginDoc();
        EXPECT_EQ(Fehlertext([&] { box.BeginDoc(); }), "PDF document already open");
        EXPECT_EQ(abgebrochen, 1);
        EXPECT_FALSE(welt.Existiert(QStringLiteral("File.pdf")));
    }
}

TEST(PdfBox, AlteDateiGehtBeimBeginnUndNurEineFertigeKommtNach) {
    testsupport::TestWelt welt;
    welt.Schreibe(QStringLiteral("File.pdf"), "alt");
    {
        TPdfBox box;
        box.BeginDoc();
        box.Canvas().TextOut(10, 10, QStringLiteral("neu"));
        EXPECT_FALSE(welt.Existiert(QStringLiteral("File.pdf"))) << "the old evaluation is gone";
        // A failure mid-document: no partial file remains, under any name.
        EXPECT_EQ(
            Fehlertext([&] { box.Canvas().AddGridColumn(QStringLiteral("G"), 1, 0, 0, false); }),
            "Invalid Grid name: G");
        EXPECT_TRUE(DateienIn(welt.Pfad({})).isEmpty());
    }
    {
        TPdfBox box;
        box.BeginDoc();
        box.EndDoc();
        EXPECT_TRUE(welt.Lies(QStringLiteral("File.pdf")).startsWith("%PDF-1.3"));
    }
    {
        // A box destroyed with its document open leaves nothing either.
        TPdfBox box;
        box.SetFileName(QStringLiteral("offen.pdf"));
        box.BeginDoc();
    }
    EXPECT_EQ(DateienIn(welt.Pfad({})), QStringList{QStringLiteral("File.pdf")});
}

TEST(PdfBox, SchreibfehlerVerwirftDieDatei) {
    testsupport::TestWelt welt;
    // A file size limit stands in for a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    rlimit klein = alt;
    klein.rlim_cur = 20000;
    setrlimit(RLIMIT_FSIZE, &klein);
    TPdfBox box;
    QString fehler;
    try {
        box.BeginDoc();
        for (int seite = 0; seite < 20; ++seite) {
            for (int y = 0; y < 2900; y += 50)
                box.Canvas().TextOut(100, y, QStringLiteral("Zeile mit etwas Text darin"));
            box.NewPage();
        }
        box.EndDoc();
    } catch (const PdfFehler& f) {
        fehler = f.Text();
    }
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(fehler, "File write error, or disk full");
    EXPECT_FALSE(box.Printing());
    EXPECT_TRUE(DateienIn(welt.Pfad({})).isEmpty())
        << DateienIn(welt.Pfad({})).join(' ').toStdString();
}

TEST(PdfBox, EreignisseUndSeitenzahl) {
    testsupport::TestWelt welt;
    TPdfBox box;
    QStringList ereignisse;
    box.OnStart = [&] { ereignisse << QStringLiteral("Start %1").arg(box.PageNumber()); };
    box.OnNewPage = [&] { ereignisse << QStringLiteral("Seite %1").arg(box.PageNumber()); };
    box.OnEnd = [&] { ereignisse << QStringLiteral("Ende"); };
    box.OnAbort = [&] { ereignisse << QStringLiteral("Abbruch"); };
    EXPECT_EQ(box.PageNumber(), 0);
    box.BeginDoc();
    box.NewPage();
    box.NewPage();
    EXPECT_EQ(box.PageNumber(), 3);
    box.EndDoc();
    EXPECT_EQ(box.PageNumber(), 0);
    box.EndDoc(); // nothing happens
    EXPECT_EQ(ereignisse, (QStringList{"Start 0", "Seite 1", "Seite 2", "Seite 3", "Ende"}));
    EXPECT_EQ(Objekte(welt.Lies(QStringLiteral("File.pdf"))).size(), 10u);
}

TEST(PdfBox, NachAbbruchTutZeichnenNichtsGridsPruefenWeiter) {
    testsupport::TestWelt welt;
    TPdfBox box;
    TPdfCanvas& c = box.Canvas();
    // Before any document, drawing, measuring and the grids are misuse.
    for (const auto& aufruf : std::vector<std::function<void()>>{
             [&] { c.TextOut(0, 0, QStringLiteral("x")); }, [&] { c.Rectangle(0, 0, 5, 5); },
             [&] { c.MoveTo(1, 1); }, [&] { c.TextWidth(QStringLiteral("x")); },
             [&] { c.DefineGrid(QStringLiteral("G"), 0, 0); }, [&] { box.NewPage(); }})
        EXPECT_EQ(Fehlertext(aufruf), "Document not opened");

    box.BeginDoc();
    c.Font().Size = 20;
    c.Pen().Width = 7;
    EXPECT_EQ(Fehlertext([&] { c.SetGridPosition(QStringLiteral("G"), 0, 0); }),
              "Invalid Grid name: G");
    EXPECT_FALSE(welt.Existiert(QStringLiteral("File.pdf")));
    // The drawing state is back at its defaults.
    EXPECT_EQ(c.Font().Size, 10);
    EXPECT_EQ(c.Pen().Width, 1);

    c.TextOut(0, 0, QStringLiteral("x"));
    c.Rectangle(0, 0, 5, 5);
    c.LineTo(5, 5);
    EXPECT_EQ(c.TextWidth(QStringLiteral("breiter Text")), 1);
    EXPECT_EQ(c.TextHeight(QStringLiteral("x")), 1);
    box.NewPage();
    box.EndDoc();
    EXPECT_EQ(box.PageNumber(), 0);
    EXPECT_FALSE(welt.Existiert(QStringLiteral("File.pdf")));
    // Grids keep checking: the abandoned document took its grids with it.
    EXPECT_EQ(Fehlertext([&] { c.AddGridColumn(QStringLiteral("G"), 10, 0, 0, false); }),
              "Invalid Grid name: G");
    c.DefineGrid(QStringLiteral("G"), 0, 0);
    EXPECT_EQ(Fehlertext([&] { c.AddGridRow(QStringLiteral("G"), 10); }),
              "Grid Cols not defined: G");
    c.AddGridColumn(QStringLiteral("G"), 10, 0, 0, false);
    EXPECT_EQ(Fehlertext([&] { c.AddGridRow(QStringLiteral("G"), 10); }),
              "Grid row out of page: G");
    c.SetGridPosition(QStringLiteral("G"), 0, 0);
    c.AddGridRow(QStringLiteral("G"), 10);
    EXPECT_EQ(Fehlertext([&] { c.GridCellText(QStringLiteral("G"), 1, {}, 0); }),
              "Invalid cell: G(1,0)");
    c.GridCellText(QStringLiteral("G"), 0, QStringLiteral("still"), 0);

    // The next document starts afresh.
    box.BeginDoc();
    EXPECT_EQ(c.Grid(QStringLiteral("G")), nullptr);
    box.EndDoc();
    PruefeMitQpdf(welt.Pfad(QStringLiteral("File.pdf")));
}

TEST(PdfBox, ZeichenzustandBleibtUeberSeitenUndDokumentbeginn) {
    testsupport::TestWelt welt;
    TPdfBox box;
    box.Canvas().Font().Name = QStringLiteral("Courier New");
    box.BeginDoc();
    EXPECT_EQ(box.Canvas().Font().Name, "Courier New");
    box.NewPage();
    EXPECT_EQ(box.Canvas().Font().Name, "Courier New");
    box.EndDoc();
    EXPECT_EQ(box.Canvas().Font().Name, "Arial");
    EXPECT_EQ(box.Canvas().Brush().Style, bsSolid);
    EXPECT_EQ(box.Canvas().Brush().Color, clWhite);
}

TEST(PdfBox, SchriftenEinmalJeNameStilUndZeichensatz) {
    Uhrzeit uhrzeit;
    const QString pfad = testsupport::AusgabePfad(QStringLiteral("pdf-schriften.pdf"));
    TPdfBox box;
    box.SetFileName(pfad);
    box.BeginDoc();
    TPdfCanvas& c = box.Canvas();
    c.TextOut(10, 10, QStringLiteral("Arial 10"));
    c.Font().Size = 14;
    c.TextOut(10, 100, QStringLiteral("Arial 14"));
    c.Font().Bold = true;
    c.TextOut(10, 200, QStringLiteral("Arial fett"));
    c.Font().Name = QStringLiteral("Courier New");
    c.TextWidth(QStringLiteral("gemessen"));
    c.Font().Bold = false;
    c.Font().Italic = true;
    c.Font().Name = QStringLiteral("arial");
    c.TextOut(10, 300, QStringLiteral("Arial kursiv"));
    c.Font().Italic = false;
    c.Font().Charset = ANSI_CHARSET;
    c.TextOut(10, 400, QStringLiteral("Arial ANSI"));
    box.NewPage();
    c.Font() = TPdfFont{};
    c.TextOut(10, 10, QStringLiteral("wieder F0"));
    box.EndDoc();

    const QByteArray pdf = Lies(pfad);
    const auto objekte = Objekte(pdf);
    EXPECT_EQ(Nummern(objekte), (std::vector<int>{1,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                                  16, 17, 18, 19, 20, 21, 22, 23, 24, 2,  3}));
    const struct {
        int font;
        const char* basis;
        int flags;
    } erwartet[] = {{7, "Arial", 32},
                    {10, "Arial,Bold", 32},
                    {13, "Courier#20New,Bold", 34},
                    {16, "Arial,Italic", 96},
                    {19, "Arial", 32}};
    for (size_t i = 0; i < std::size(erwartet); ++i) {
        const auto& e = erwartet[i];
        const QByteArray& font = objekte[static_cast<size_t>(e.font) - 4].text;
        EXPECT_TRUE(font.contains("/Name/F" + QByteArray::number(qsizetype(i)) + "\n/BaseFont/" +
                                  e.basis + "\n"))
            << font.constData();
        EXPECT_TRUE(font.contains("/Widths " + QByteArray::number(e.font - 2) +
                                  " 0 R\n/FontDescriptor " + QByteArray::number(e.font - 1)))
            << font.constData();
        const QByteArray& beschreibung = objekte[static_cast<size_t>(e.font) - 5].text;
        EXPECT_TRUE(beschreibung.contains("/Flags " + QByteArray::number(e.flags) + "\n"))
            << beschreibung.constData();
    }
    EXPECT_TRUE(objekte[13 - 5].text.contains(
        "/FontName/Courier#20New\n/Ascent 833\n/Descent -300\n/ItalicAngle 0\n/CapHeight 833\n"));
    EXPECT_TRUE(objekte[16 - 5].text.contains("/ItalicAngle -12\n"));
    EXPECT_TRUE(pdf.contains("/Font<<\n/F0 7 0 R\n/F1 10 0 R\n/F2 13 0 R\n/F3 16 0 R\n/F4 19 0 R\n"
                             ">>\n"));
    const auto seiten = Seiteninhalte(pdf);
    ASSERT_EQ(seiten.size(), 2u);
    EXPECT_TRUE(seiten[0].contains("/F0 14 Tf"));
    EXPECT_TRUE(seiten[1].contains("/F0 10 Tf"));
    PruefeMitQpdf(pfad);
}

TEST(PdfBox, BreitenSechzehnJeZeileAuchBeiAngebrochenerLetzterZeile) {
    // A font of 95 codes: five full lines and one of fifteen.
    static short breiten[95];
    for (int i = 0; i < 95; ++i)
        breiten[i] = static_cast<short>(100 + i);
    PdfSchriftMetrik schmal{"Schmal", false, false, 32, 126, breiten, 700,
                            200,      0,     -100,  50, 250, 50,      SchriftFamilie::Script};
    RegistriereSchriftMetrik(schmal);
    const QString pfad = testsupport::AusgabePfad(QStringLiteral("pdf-breiten.pdf"));
    TPdfBox box;
    box.SetFileName(pfad);
    box.BeginDoc();
    box.Canvas().Font().Name = QStringLiteral("Schmal");
    box.Canvas().TextOut(10, 10, QStringLiteral("abc"));
    box.Canvas().Font().Name = QStringLiteral("Arial");
    box.Canvas().TextOut(10, 100, QStringLiteral("abc"));
    box.EndDoc();
    VergissRegistrierteSchriften();

    const auto objekte = Objekte(Lies(pfad));
    const QList<QByteArray> zeilen = objekte[1].text.split('\n');
    ASSERT_EQ(zeilen.size(), 11); // number line, "[", six lines, "]", "endobj", ""
    EXPECT_EQ(zeilen[1], "[");
    for (int z = 0; z < 6; ++z) {
        QByteArray erwartet;
        for (int i = z * 16; i < std::min(95, z * 16 + 16); ++i)
            erwartet += QByteArray::number(100 + i) + ' ';
        EXPECT_EQ(zeilen[2 + z], erwartet) << z;
    }
    EXPECT_EQ(zeilen[8], "]");
    EXPECT_TRUE(objekte[3].text.contains("/FirstChar 32\n/LastChar 126\n"));
    EXPECT_TRUE(objekte[2].text.contains("/Flags 40\n")); // script family: 32 + 8
    // Arial's 224 codes: fourteen full lines.
    EXPECT_EQ(objekte[4].text.count('\n'), 1 + 1 + 14 + 2);
    PruefeMitQpdf(pfad);
}

TEST(PdfBox, SchriftOhneMetrikOderZeichensatzVerweigert) {
    testsupport::TestWelt welt;
    const struct {
        const char* name;
        int zeichensatz;
        const char* fehler;
    } faelle[] = {{"Comic Sans MS", DEFAULT_CHARSET, "This font is not TrueType: Comic Sans MS"},
                  {"Arial", OEM_CHARSET, "Font character set not supported: Arial"}};
    for (const auto& f : faelle) {
        TPdfBox box;
        box.BeginDoc();
        box.Canvas().Font().Name = QString::fromLatin1(f.name);
        box.Canvas().Font().Charset = f.zeichensatz;
        EXPECT_EQ(Fehlertext([&] { box.Canvas().TextWidth(QStringLiteral("x")); }), f.fehler);
        EXPECT_FALSE(welt.Existiert(QStringLiteral("File.pdf")));
    }
}

TEST(PdfBox, WantShowOeffnetDieFertigeDatei) {
    testsupport::TestWelt welt;
    testsupport::ShellRekorder shell;
    TPdfBox box;
    box.SetWantShow(true);
    box.OnEnd = [&] { QFile::remove(welt.Pfad(QStringLiteral("File.pdf"))); };
    EXPECT_EQ(Fehlertext([&] {
                  box.BeginDoc();
                  box.EndDoc();
              }),
              "File not found: " + welt.Pfad(QStringLiteral("File.pdf")));
    EXPECT_TRUE(shell.dateien.isEmpty());
    box.OnEnd = nullptr;
    box.BeginDoc();
    box.EndDoc();
    EXPECT_EQ(shell.dateien, QStringList{welt.Pfad(QStringLiteral("File.pdf"))});
}

TEST(PdfBox, NeueSeiteLaesstWartendeEreignisseDurch) {
    testsupport::TestWelt welt;
    TPdfBox box;
    box.BeginDoc();
    int gelaufen = 0;
    QObject empfaenger;
    QMetaObject::invokeMethod(
        &empfaenger, [&] { ++gelaufen; }, Qt::QueuedConnection);
    EXPECT_EQ(gelaufen, 0);
    box.NewPage();
    EXPECT_EQ(gelaufen, 1);
    box.EndDoc();
}
