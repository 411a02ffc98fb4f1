// Printing for real: the page printer sends its pages through Qt Print Support to a CUPS queue of
// the test's own, whose backend keeps the job as the PDF it receives; pdftotext reads it back.
#include "platform/Drucker.h"
#include "report/PagePrinter.h"
#include "support/CupsTestDrucker.h"
#include "support/TestUmgebung.h"

#include <QFile>
#include <QFontMetricsF>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace report;
using testsupport::CupsTestDrucker;

namespace {

class CupsDruckTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cups = new CupsTestDrucker; }
    static void TearDownTestSuite() {
        delete cups;
        cups = nullptr;
    }
    // Only where a scheduler cannot be started at all (not as root) is the test skipped; as
    // root, as in CI, a scheduler that does not come up is a failure.
    void SetUp() override {
        if (cups->Bereit())
            return;
        if (geteuid() == 0)
            FAIL() << "the CUPS scheduler of the test did not start: "
                   << cups->Grund().toStdString();
        GTEST_SKIP() << "no CUPS scheduler for the test: " << cups->Grund().toStdString();
    }
    static CupsTestDrucker* cups;
};

CupsTestDrucker* CupsDruckTest::cups = nullptr;

TEST_F(CupsDruckTest, StandarddruckerIstDieTestwarteschlange) {
    // The queue's A4 sheet with a border of 12 points, at Qt's printer resolution.
    const auto d = platform::Drucker::Instanz().Standarddrucker(false);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->dpiX, 1200);
    EXPECT_EQ(d->dpiY, 1200);
    EXPECT_EQ(d->papier, QSize(9917, 14033));
    EXPECT_EQ(d->versatz, QPoint(200, 200));
    const auto quer = platform::Drucker::Instanz().Standarddrucker(true);
    ASSERT_TRUE(quer.has_value());
    EXPECT_EQ(quer->papier, QSize(14033, 9917));
}

// The word boxes pdftotext finds on a page: text and its box in points.
struct Wort {
    QString text;
    QRectF box;
};

std::vector<Wort> Woerter(const QString& pdf, int seite) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(seite),
             QStringLiteral("-l"), QString::number(seite), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    static const QRegularExpression wort(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<Wort> w;
    auto treffer = wort.globalMatch(QString::fromUtf8(p.readAllStandardOutput()));
    while (treffer.hasNext()) {
        const auto t = treffer.next();
        w.push_back(
            {t.captured(5), QRectF(QPointF(t.captured(1).toDouble(), t.captured(2).toDouble()),
                                   QPointF(t.captured(3).toDouble(), t.captured(4).toDouble()))});
    }
    return w;
}

TEST_F(CupsDruckTest, DreiSeitenInZweiKopienWerdenEinAuftrag) {
    TPagePrinter pp;
    pp.SetTitle(QStringLiteral("Tarvex Drucktest"));
    pp.SetMeasureUnit(muMillimeters);
    pp.SetMarginTop(20);
    pp.SetMarginLeft(20);
    pp.SetTableFormat(QStringLiteral("<40|>40"));
    pp.SetTableGrid(true);
    pp.SetFriendlyFooter(QStringLiteral("&rFusszeile &p"));
    pp.BeginDoc();
    for (int i = 1; i <= 3; ++i) {
        if (i > 1)
            pp.NewPage();
        pp.WriteLine(QStringLiteral("Seite%1|rechts%1").arg(i));
        pp.WriteLine(QStringLiteral("Größe|Ärger"));
    }
    pp.EndDoc();
    ASSERT_EQ(pp.PageCount(), 3);
    pp.SetCopies(2);
    ASSERT_TRUE(pp.Print());

    const QStringList auftraege = cups->WarteAuf(1);
    ASSERT_EQ(auftraege.size(), 1) << "no job arrived";
    const QString pdf = auftraege.front();
    QFile::remove(testsupport::AusgabePfad(QStringLiteral("cups-auftrag.pdf")));
    QFile::copy(pdf, testsupport::AusgabePfad(QStringLiteral("cups-auftrag.pdf")));
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
    EXPECT_EQ(CupsTestDrucker::Titel(pdf), QStringLiteral("Tarvex Drucktest"));
    EXPECT_EQ(CupsTestDrucker::Kopien(pdf), 1);
    ASSERT_EQ(CupsTestDrucker::PdfSeiten(pdf), 6);
    for (int seite = 1; seite <= 6; ++seite) {
        const int n = (seite - 1) % 3 + 1;
        const QString text = CupsTestDrucker::PdfText(pdf, seite);
        EXPECT_TRUE(text.contains(QStringLiteral("Seite%1").arg(n))) << seite << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("rechts%1").arg(n))) << seite;
        EXPECT_TRUE(text.contains(QStringLiteral("Größe"))) << seite;
        EXPECT_TRUE(text.contains(QStringLiteral("Fusszeile %1").arg(n))) << seite;
    }

    // The text sits where it was recorded, in its size: pixels at 1200 dpi from the printable
    // area, which begins 12 points inside the sheet.
    const auto aufgezeichnet = [&] {
        for (const auto& b : pp.Page(1).Befehle())
            if (const auto* t = std::get_if<TextBefehl>(&b); t && t->text == u"Seite1")
                return *t;
        return TextBefehl{};
    }();
    ASSERT_EQ(aufgezeichnet.text, QStringLiteral("Seite1"));
    EXPECT_EQ(aufgezeichnet.font.pixelSize(), 167); // 10 points at 1200 dpi
    const auto woerter = Woerter(pdf, 1);
    const auto wort = std::find_if(woerter.begin(), woerter.end(),
                                   [](const Wort& w) { return w.text == u"Seite1"; });
    ASSERT_NE(wort, woerter.end());
    const double x = 12 + aufgezeichnet.oben.x() * 72.0 / 1200;
    const double grundlinie = 12 + (aufgezeichnet.oben.y() + aufgezeichnet.aufstieg) * 72.0 / 1200;
    EXPECT_NEAR(wort->box.left(), x, 0.5);
    // Six characters of a 10 point Courier New are 36 points wide.
    EXPECT_NEAR(wort->box.width(), 36, 0.5);
    EXPECT_LT(wort->box.top(), grundlinie);
    EXPECT_GT(wort->box.bottom(), grundlinie);
    EXPECT_NEAR(wort->box.height(), 10, 2);
}

// The fonts measured as the printer sees them: Liberation Mono stands in for Courier New with
// the same advance of 0.6 of its size, Liberation Sans for Arial.
TEST(DruckerQtSchriften, SchriftenWerdenInDruckerpixelnGemessen) {
    auto& d = platform::Drucker::Instanz();
    QFont courier(QStringLiteral("Courier New"));
    courier.setPixelSize(83);
    courier.setHintingPreference(QFont::PreferNoHinting);
    EXPECT_EQ(d.Textbreite(courier, u"abcde"), 249);
    EXPECT_EQ(d.Textbreite(courier, u""), 0);
    const auto mono = d.Metrik(courier);
    EXPECT_NEAR(mono.aufstieg, 0.83 * 83, 2);
    EXPECT_EQ(mono.externerDurchschuss, 0);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(1000);
    const auto sans = d.Metrik(arial);
    EXPECT_NEAR(sans.aufstieg, 905, 5);
    EXPECT_NEAR(sans.hoehe, 905 + 212, 5);
    EXPECT_NEAR(d.Textbreite(arial, u"Tarvex"), QFontMetricsF(arial).horizontalAdvance("Tarvex"),
                1);
}

} // namespace
