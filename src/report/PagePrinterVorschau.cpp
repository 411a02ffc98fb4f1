// The page printer as the preview of its recorded pages (page size on the screen, scrolling,
// painting, zoom, page navigation) and printing them with the progress window.
#include "platform/Drucker.h"
#include "report/PagePrinter.h"
#include "report/PrnPrgDlg.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <cmath>

namespace report {
namespace {

constexpr int GroessterZoom = 10000;

int Gerundet(double wert) {
    if (!std::isfinite(wert))
        return 0;
    return static_cast<int>(std::nearbyint(std::clamp(wert, -1e9, 1e9)));
}

} // namespace

int TPagePrinter::BildschirmDpiX() const {
    return std::max(1, logicalDpiX());
}

int TPagePrinter::BildschirmDpiY() const {
    return std::max(1, logicalDpiY());
}

// A length in the unit as screen pixels at the current zoom.
int TPagePrinter::AufBildschirmX(double wert) const {
    return Gerundet(InZoll(wert) * BildschirmDpiX() * zoomPercent_ / 100.0);
}

int TPagePrinter::AufBildschirmY(double wert) const {
    return Gerundet(InZoll(wert) * BildschirmDpiY() * zoomPercent_ / 100.0);
}

QSize TPagePrinter::PageSizeOnScreen() const {
    const double vx = double(geo_.dpiX) / BildschirmDpiX();
    const double vy = double(geo_.dpiY) / BildschirmDpiY();
    return QSize(Gerundet(UnitToDevX(PapierBreite()) * zoomPercent_ / vx / 100.0),
                 Gerundet(UnitToDevY(PapierHoehe()) * zoomPercent_ / vy / 100.0));
}

QSize TPagePrinter::ScrollRange() const {
    const QSize seite = PageSizeOnScreen();
    return QSize(seite.width() + 2 * shadowOffset_ + 2, seite.height() + 2 * shadowOffset_ + 2);
}

void TPagePrinter::Bildlauf() {
    const QSize bereich = ScrollRange();
    const QSize sicht = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, bereich.width() - sicht.width()));
    horizontalScrollBar()->setPageStep(std::max(1, sicht.width()));
    verticalScrollBar()->setRange(0, std::max(0, bereich.height() - sicht.height()));
    verticalScrollBar()->setPageStep(std::max(1, sicht.height()));
}

void TPagePrinter::NachZoomLocation() {
    const QSize bereich = ScrollRange();
    const QSize sicht = viewport()->size();
    int x = 0;
    int y = 0;
    if (zoomLocation_ == zlTopCenter || zoomLocation_ == zlCenter)
        x = (bereich.width() - sicht.width()) / 2;
    if (zoomLocation_ == zlCenter)
        y = (bereich.height() - sicht.height()) / 2;
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
}

void TPagePrinter::resizeEvent(QResizeEvent* ereignis) {
    QAbstractScrollArea::resizeEvent(ereignis);
    Bildlauf();
}

void TPagePrinter::scrollContentsBy(int, int) {
    viewport()->update();
}

void TPagePrinter::SetPageNumber(int wert) {
    if (seiten_.empty()) {
        angezeigt_ = 0;
        viewport()->update();
        return;
    }
    if (wert < 1 || wert > PageCount())
        throw EPagePrinter(QStringLiteral("PageNumber must be between 1 and %1").arg(PageCount()));
    angezeigt_ = wert;
    Bildlauf();
    NachZoomLocation();
    viewport()->update();
}

void TPagePrinter::ZoomSetzen(double wert) {
    zoomPercent_ = std::isfinite(wert) ? int(std::clamp(wert, 1.0, double(GroessterZoom))) : 1;
    Bildlauf();
    NachZoomLocation();
    viewport()->update();
}

void TPagePrinter::SetZoomPercent(int wert) {
    ZoomSetzen(wert);
}

// The zoom at which a sheet of papier printer pixels fills the client length less a scroll bar
// and the shadow on both sides.
void TPagePrinter::ZoomEinpassen(int client, int druckerDpi, int bildschirmDpi, int papier) {
    const int balken = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const double verhaeltnis = double(druckerDpi) / bildschirmDpi;
    ZoomSetzen(std::floor(100.0 * (client - balken - 2 * (shadowOffset_ + 1)) * verhaeltnis /
                          std::max(1, papier)));
}

void TPagePrinter::ZoomToFitWidth() {
    ZoomEinpassen(width() - 2 * frameWidth(), geo_.dpiX, BildschirmDpiX(),
                  UnitToDevX(PapierBreite()));
}

void TPagePrinter::ZoomToFitHeight() {
    ZoomEinpassen(height() - 2 * frameWidth(), geo_.dpiY, BildschirmDpiY(),
                  UnitToDevY(PapierHoehe()));
}

void TPagePrinter::SetShadowOffset(int wert) {
    shadowOffset_ = std::clamp(wert, 0, 1000);
    Bildlauf();
    NachZoomLocation();
    viewport()->update();
}

void TPagePrinter::SetShadowColor(const QColor& wert) {
    shadowColor_ = wert;
    viewport()->update();
}

void TPagePrinter::SetShowMargins(bool wert) {
    showMargins_ = wert;
    viewport()->update();
}

void TPagePrinter::SetGradientBackground(bool wert) {
    gradientBackground_ = wert;
    viewport()->update();
}

void TPagePrinter::SetColor(const QColor& wert) {
    color_ = wert;
    viewport()->update();
}

// The recorded page stretched over the sheet on the screen, shifted by the printer's border.
void TPagePrinter::Seite(QPainter& p, int nummer, const QRect& blatt) const {
    const TSeitenBild& bild = *seiten_[nummer - 1];
    if (bild.Groesse().isEmpty())
        return;
    const int links = blatt.left() + AufBildschirmX(VersatzLinks()) + 1;
    const int oben = blatt.top() + AufBildschirmY(VersatzOben()) + 1;
    const int rechts = blatt.left() + blatt.width() + 1;
    const int unten = blatt.top() + blatt.height() + 1;
    p.save();
    p.setClipRect(blatt.adjusted(1, 1, -1, -1), Qt::IntersectClip);
    p.translate(links, oben);
    p.scale(double(rechts - links) / bild.Groesse().width(),
            double(unten - oben) / bild.Groesse().height());
    bild.Abspielen(p);
    p.restore();
}

void TPagePrinter::paintEvent(QPaintEvent* ereignis) {
    QPainter p(viewport());
    const QSize sicht = viewport()->size();
    const QSize bereich = ScrollRange();
    const QSize flaeche(std::max(sicht.width(), bereich.width()),
                        std::max(sicht.height(), bereich.height()));
    p.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const QRect neu =
        ereignis->rect().translated(horizontalScrollBar()->value(), verticalScrollBar()->value());

    if (gradientBackground_) {
        QLinearGradient verlauf(0, 0, 0, flaeche.height());
        verlauf.setColorAt(0, Qt::black);
        verlauf.setColorAt(1, color_);
        p.fillRect(neu, verlauf);
    } else {
        p.fillRect(neu, color_);
    }

    const QSize seite = PageSizeOnScreen();
    const QRect blatt((flaeche.width() - seite.width()) / 2,
                      (flaeche.height() - seite.height()) / 2, seite.width(), seite.height());
    const int s = shadowOffset_;
    if (s > 0) {
        p.fillRect(QRect(blatt.left() + blatt.width(), blatt.top() + s, s, blatt.height()),
                   shadowColor_);
        p.fillRect(QRect(blatt.left() + s, blatt.top() + blatt.height(), blatt.width() - s, s),
                   shadowColor_);
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(blatt.adjusted(0, 0, -1, -1));

    if (angezeigt_ >= 1 && angezeigt_ <= PageCount())
        Seite(p, angezeigt_, blatt);

    if (showMargins_) {
        QPen punkte(QColor(192, 192, 192), 0, Qt::DotLine);
        p.setPen(punkte);
        p.setBrush(Qt::NoBrush);
        const QRect rand(QPoint(blatt.left() + AufBildschirmX(marginLeft_),
                                blatt.top() + AufBildschirmY(marginTop_)),
                         QPoint(blatt.left() + blatt.width() - AufBildschirmX(marginRight_),
                                blatt.top() + blatt.height() - AufBildschirmY(marginBottom_)));
        p.drawRect(rand.adjusted(0, 0, -1, -1));
    }
}

bool TPagePrinter::Print() {
    // While the progress window lets events through, the operator may ask to print again; the
    // running job goes on and no second one is begun.
    if (drucktAus_)
        return false;
    if (druckt_)
        EndDoc();
    if (seiten_.empty())
        return true;

    // The pages and settings of this job stay as they are, whatever happens while the progress
    // window lets events through.
    const auto seiten = seiten_;
    const int anzahl = int(seiten.size());
    const int kopien = copies_;
    const bool sortiert = collate_;
    const bool fortschritt = showProgress_;
    const bool abbrechbar = showCancel_;
    const QString titel = Title();

    auto& drucker = platform::Drucker::Instanz();
    const int alteKopien = drucker.Kopien();
    drucker.SetzeKopien(1);
    abbruch_ = false;
    drucktAus_ = true;
    std::unique_ptr<platform::Druckauftrag> auftrag;
    // The window belongs to the page printer's window, which could go while events run.
    QPointer<TPPPrnPrgDlg> fenster;
    QPointer<TPagePrinter> selbst(this);
    auto Aufraeumen = [&] {
        delete fenster.data();
        drucker.SetzeKopien(alteKopien);
        if (selbst)
            drucktAus_ = false;
    };

    bool abgebrochen = false;
    try {
        auftrag = drucker.Starte(titel, orientation_ == poLandscape);
        const int gesamt = anzahl * kopien;
        int schritt = 0; // pages printed
        for (int aussen = 0; aussen < (sortiert ? kopien : anzahl); ++aussen) {
            for (int innen = 0; innen < (sortiert ? anzahl : kopien); ++innen) {
                const int nummer = sortiert ? innen + 1 : aussen + 1;
                if (fortschritt && abbrechbar)
                    QCoreApplication::processEvents();
                if (!selbst || abbruch_)
                    throw ECancelPrinting();
                // The next sheet is begun only when it will be printed on, so a cancelled job
                // that is ended normally brings no empty sheet out of the printer.
                if (schritt > 0)
                    auftrag->NeueSeite();
                ++schritt;
                if (fortschritt) {
                    if (!fenster) {
                        fenster = new TPPPrnPrgDlg(window(), titel, progressMessage_, gesamt,
                                                   abbrechbar, [selbst] {
                                                       if (selbst)
                                                           selbst->CancelPrinting();
                                                   });
                        fenster->show();
                    }
                    fenster->Fortschritt(schritt, nummer, anzahl, kopien);
                }
                const TSeitenBild& bild = *seiten[nummer - 1];
                QPainter& p = auftrag->Painter();
                p.save();
                // A page recorded for another resolution than the job's is scaled to it.
                p.scale(double(auftrag->DpiX()) / bild.DpiX(),
                        double(auftrag->DpiY()) / bild.DpiY());
                bild.Abspielen(p);
                p.restore();
            }
        }
        auftrag->Ende();
        auftrag.reset();
    } catch (const ECancelPrinting&) {
        abgebrochen = true;
    } catch (...) {
        if (auftrag)
            auftrag->Abbrechen();
        Aufraeumen();
        throw;
    }
    if (abgebrochen && auftrag) {
        try {
            delete fenster.data();
            // Ending the job prints the pages sent so far; aborting throws them away.
            if (selbst && abortOnCancel_)
                auftrag->Abbrechen();
            else
                auftrag->Ende();
        } catch (...) {
            Aufraeumen();
            throw;
        }
    }
    Aufraeumen();
    return !abgebrochen;
}

} // namespace report
