// The page printer as a preview: zoom to fit, page size on the screen, scroll ranges, where the
// view scrolls to, and what a painted page looks like.
#include "SeitendruckerTestHilfe.h"

#include <QCoreApplication>
#include <QImage>
#include <QProxyStyle>
#include <QScrollBar>

namespace seitendrucker_test {
namespace {

// Scroll bars of a known width, so the fitted zoom does not depend on the platform's style.
class Bildlaufleisten17 final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
        return m == PM_ScrollBarExtent ? 17 : QProxyStyle::pixelMetric(m, o, w);
    }
};

class VorschauTest : public SeitendruckerTest {
protected:
    void Einrichten(int breite, int hoehe) {
        pp->setFrameShape(QFrame::NoFrame);
        pp->setStyle(&stil);
        pp->resize(breite, hoehe);
        pp->show();
        QCoreApplication::sendPostedEvents();
        ASSERT_EQ(pp->logicalDpiX(), 96);
        ASSERT_EQ(pp->logicalDpiY(), 96);
    }
    Bildlaufleisten17 stil;
};

TEST_F(VorschauTest, SeiteAufBreiteUndHoeheEinpassen) {
    // A view 700 pixels wide, scroll bars of 17, shadow 5, an A4 sheet of 4960 pixels at
    // 600 dpi against 96 on the screen: 100 x 671 x 6.25 / 4960 = 84.5.
    Einrichten(700, 500);
    pp->ZoomToFitWidth();
    EXPECT_EQ(pp->ZoomPercent(), 84);
    pp->ZoomToFitHeight(); // 100 x 471 x 6.25 / 7016 = 41.96
    EXPECT_EQ(pp->ZoomPercent(), 41);
    pp->resize(20, 20);
    pp->ZoomToFitWidth();
    EXPECT_EQ(pp->ZoomPercent(), 1);

    // Without a printer the A4 sheet is 2480 pixels at 300 dpi, against 96 on the screen.
    drucker.daten.reset();
    NeuerSeitendrucker();
    Einrichten(700, 500);
    pp->ZoomToFitWidth();
    EXPECT_EQ(pp->ZoomPercent(), 84);
}

TEST_F(VorschauTest, SeitengroesseUndBildlaufbereich) {
    Einrichten(700, 500);
    pp->SetZoomPercent(100);
    // 4960 x 7016 printer pixels at 600 dpi are 793.6 x 1122.6 screen pixels at 96.
    EXPECT_EQ(pp->PageSizeOnScreen(), QSize(794, 1123));
    EXPECT_EQ(pp->ScrollRange(), QSize(806, 1135));
    pp->SetShadowOffset(0);
    EXPECT_EQ(pp->ScrollRange(), QSize(796, 1125));
    pp->SetZoomPercent(500);
    EXPECT_EQ(pp->PageSizeOnScreen(), QSize(3968, 5613));
    pp->SetZoomPercent(0);
    EXPECT_EQ(pp->ZoomPercent(), 1);
}

TEST_F(VorschauTest, ZoomLocationBestimmtWohinDieAnsichtRollt) {
    Einrichten(700, 500);
    pp->BeginDoc();
    pp->NewPage();
    pp->EndDoc();
    const struct {
        TZoomLocation ort;
        bool waagrechtMitte;
        bool senkrechtMitte;
    } faelle[] = {{zlTopLeft, false, false}, {zlTopCenter, true, false}, {zlCenter, true, true}};
    for (const auto& f : faelle) {
        pp->SetZoomLocation(f.ort);
        pp->horizontalScrollBar()->setValue(3);
        pp->verticalScrollBar()->setValue(3);
        pp->SetZoomPercent(200);
        const QSize bereich = pp->ScrollRange();
        const QSize sicht = pp->viewport()->size();
        EXPECT_EQ(pp->horizontalScrollBar()->value(),
                  f.waagrechtMitte ? (bereich.width() - sicht.width()) / 2 : 0);
        EXPECT_EQ(pp->verticalScrollBar()->value(),
                  f.senkrechtMitte ? (bereich.height() - sicht.height()) / 2 : 0);
        EXPECT_EQ(pp->horizontalScrollBar()->singleStep(), 16);
        // A page change scrolls the same way.
        pp->verticalScrollBar()->setValue(7);
        pp->SetPageNumber(2);
        EXPECT_EQ(pp->verticalScrollBar()->value(),
                  f.senkrechtMitte ? (bereich.height() - sicht.height()) / 2 : 0);
    }
}

// The preview of a page with a black square one inch from the top left corner of the printable
// area: at 100 % the sheet is 794 x 1123 pixels, centred in a view of 1000 x 1300.
TEST_F(VorschauTest, GemalteSeiteSiehtAusWieEineSeite) {
    Einrichten(1000, 1300);
    pp->SetColor(QColor(200, 100, 50));
    pp->SetShadowColor(QColor(0, 0, 255));
    ZollRaender();
    pp->SetFooter(QStringLiteral("Tarvex"));
    pp->SetFooterFormat(QStringLiteral("<6"));
    pp->BeginDoc();
    pp->Canvas().Brush().Color = Qt::black;
    pp->Canvas().FillRect(QRect(600, 600, 600, 600));
    pp->NewPage();
    pp->EndDoc();
    pp->SetZoomPercent(100);

    auto Malen = [this] {
        QImage bild(pp->viewport()->size(), QImage::Format_RGB32);
        pp->viewport()->render(&bild);
        return bild;
    };
    const QImage bild = Malen();
    bild.save(testsupport::AusgabePfad(QStringLiteral("vorschau-seite.png")));
    const int links = (1000 - 794) / 2;
    const int oben = (1300 - 1123) / 2;
    const int rechts = links + 794;
    const int unten = oben + 1123;
    auto Farbe = [&bild](int x, int y) { return bild.pixelColor(x, y); };

    // The gradient runs from black at the top to the component's colour at the bottom.
    EXPECT_EQ(Farbe(5, 0), QColor(0, 0, 0));
    const QColor mitte = Farbe(5, 650);
    EXPECT_NEAR(mitte.red(), 100, 2);
    EXPECT_NEAR(mitte.green(), 50, 2);
    EXPECT_NEAR(Farbe(5, 1299).red(), 200, 2);
    // A white sheet with a black outline and the shadow right and below, from top + 5 on.
    EXPECT_EQ(Farbe(links + 50, oben + 5), QColor(Qt::white));
    EXPECT_EQ(Farbe(links, oben + 50), QColor(Qt::black));
    EXPECT_EQ(Farbe(rechts - 1, oben + 50), QColor(Qt::black));
    EXPECT_EQ(Farbe(rechts + 2, oben + 50), QColor(0, 0, 255));
    EXPECT_NE(Farbe(rechts + 2, oben + 2), QColor(0, 0, 255));
    EXPECT_EQ(Farbe(links + 50, unten + 2), QColor(0, 0, 255));
    // The dotted margins one inch (96 pixels) inside the sheet.
    int silber = 0;
    int anders = 0;
    for (int y = oben + 120; y < oben + 400; ++y)
        (Farbe(links + 96, y) == QColor(192, 192, 192) ? silber : anders) += 1;
    EXPECT_GT(silber, 50);
    EXPECT_GT(anders, 50);
    // The square: its page starts one pixel inside the sheet's border of 16 screen pixels, and
    // one inch of the page is 778 / 4860 x 600 = 96 pixels.
    EXPECT_EQ(Farbe(links + 17 + 100, oben + 17 + 100), QColor(Qt::black));
    EXPECT_EQ(Farbe(links + 17 + 190, oben + 17 + 190), QColor(Qt::black));
    EXPECT_EQ(Farbe(links + 17 + 90, oben + 17 + 100), QColor(Qt::white));
    EXPECT_EQ(Farbe(links + 17 + 198, oben + 17 + 190), QColor(Qt::white));
    // The footer has ink in the bottom margin.
    int tinte = 0;
    for (int y = unten - 96; y < unten; ++y)
        for (int x = links + 96; x < links + 200; ++x)
            tinte += Farbe(x, y).lightness() < 128;
    EXPECT_GT(tinte, 20);

    // Page 2 has no square; without margins and gradient the view is plain.
    pp->SetPageNumber(2);
    pp->SetShowMargins(false);
    pp->SetGradientBackground(false);
    const QImage zwei = Malen();
    EXPECT_EQ(zwei.pixelColor(links + 17 + 150, oben + 17 + 150), QColor(Qt::white));
    EXPECT_EQ(zwei.pixelColor(5, 0), QColor(200, 100, 50));
    EXPECT_EQ(zwei.pixelColor(links + 96, oben + 200), QColor(Qt::white));
}

TEST_F(VorschauTest, GrosserZoomMaltNurDenSichtbarenTeil) {
    Einrichten(600, 400);
    pp->BeginDoc();
    pp->Canvas().Brush().Color = Qt::black;
    pp->Canvas().FillRect(QRect(0, 0, 4860, 6916));
    pp->EndDoc();
    pp->SetZoomPercent(500);
    pp->SetZoomLocation(zlCenter);
    pp->SetPageNumber(1);
    QImage bild(pp->viewport()->size(), QImage::Format_RGB32);
    pp->viewport()->render(&bild);
    EXPECT_EQ(bild.pixelColor(300, 200), QColor(Qt::black));
}

} // namespace
} // namespace seitendrucker_test
