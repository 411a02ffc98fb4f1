#include "report/TfrmPrintPreview.h"

#include "core/Kontest.h"
#include "platform/Meldungen.h"
#include "platform/Version.h"
#include "report/PagePrinter.h"
#include "scoring/Berichtsauswertung.h"
#include "scoring/Multiauswertung.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace report {

namespace {

// Rows per page: 56 on the first page (rows 0 to 55), 55 on every later one.
constexpr int ZeilenProSeite = 55;

// The design's margins, in inches.
constexpr double DesignRand = 0.1941666666666667;

TPrnFont Schrift(const char* name, int punkte, bool fett) {
    TPrnFont f;
    f.Name = QString::fromLatin1(name);
    f.Size = punkte;
    f.Bold = fett;
    return f;
}

// The pages explicit page changes give: one, and one more after every 55th row that has rows
// after it. A long callsign can make the page printer begin further pages by itself.
int GeplanteSeiten(qsizetype zeilen) {
    return zeilen < 2 ? 1 : 1 + static_cast<int>((zeilen - 2) / ZeilenProSeite);
}

QFrame* Trenner(QWidget* eltern) {
    auto* f = new QFrame(eltern);
    f->setFrameShape(QFrame::VLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

TfrmPrintPreview::TfrmPrintPreview(core::Kontest& kontest, QWidget* eltern)
    : QDialog(eltern), kontest_(kontest) {
    setObjectName(QStringLiteral("frmPrintPreview"));
    setWindowTitle(QStringLiteral("Druckvorschau Logausdruck"));
    resize(Breite, Hoehe);

    auto* leiste = new QFrame(this);
    leiste->setObjectName(QStringLiteral("ToolBar1"));
    auto* knoepfe = new QHBoxLayout(leiste);
    knoepfe->setContentsMargins(2, 2, 2, 2);
    knoepfe->setSpacing(2);
    const auto knopf = [&](QToolButton*& ziel, const char* name, const char* hinweis,
                           QStyle::StandardPixmap bild, void (TfrmPrintPreview::*handler)()) {
        ziel = new QToolButton(leiste);
        ziel->setObjectName(QString::fromLatin1(name));
        ziel->setToolTip(QString::fromUtf8(hinweis));
        ziel->setIcon(style()->standardIcon(bild));
        ziel->setAutoRaise(true);
        connect(ziel, &QToolButton::clicked, this, handler);
        knoepfe->addWidget(ziel);
    };
    const auto beschriftung = [&](QLabel*& ziel, const char* name, const char* text) {
        ziel = new QLabel(QString::fromLatin1(text), leiste);
        ziel->setObjectName(QString::fromLatin1(name));
        knoepfe->addWidget(ziel);
    };
    knopf(ToolbarButton1, "ToolbarButton1", "Drucken", QStyle::SP_DialogSaveButton,
          &TfrmPrintPreview::ToolbarButton1Click);
    knoepfe->addWidget(Trenner(leiste));
    knopf(btnPagePrev, "btnPagePrev", "Seite zurück", QStyle::SP_ArrowLeft,
          &TfrmPrintPreview::btnPagePrevClick);
    beschriftung(lblPageNr, "lblPageNr", " 1 ");
    knopf(btnPageNext, "btnPageNext", "nächste Seite", QStyle::SP_ArrowRight,
          &TfrmPrintPreview::btnPageNextClick);
    knoepfe->addWidget(Trenner(leiste));
    knopf(btnZoomOut, "btnZoomOut", "Verkleinern", QStyle::SP_ArrowDown,
          &TfrmPrintPreview::btnZoomOutClick);
    beschriftung(lblZoomfaktor, "lblZoomfaktor", " 80% ");
    lblZoomfaktor->setToolTip(QStringLiteral("Anzeigegröße"));
    knopf(btnZoomIn, "btnZoomIn", "Vergrößern", QStyle::SP_ArrowUp,
          &TfrmPrintPreview::btnZoomInClick);
    knopf(btnFitToWidth, "btnFitToWidth", "Auf Seitenbreite anpassen",
          QStyle::SP_ToolBarHorizontalExtensionButton, &TfrmPrintPreview::btnFitToWidthClick);
    knopf(btnFitToHeight, "btnFitToHeight", "Auf Seitenhöhe anpassen",
          QStyle::SP_ToolBarVerticalExtensionButton, &TfrmPrintPreview::btnFitToHeightClick);
    knoepfe->addWidget(Trenner(leiste));
    knopf(btnExitPrintpreview, "btnExitPrintpreview", "Druckvorschau beenden",
          QStyle::SP_DialogCloseButton, &TfrmPrintPreview::btnExitPrintpreviewClick);
    knopf(ToolbarBtnAktualisieren, "ToolbarBtnAktualisieren", "", QStyle::SP_BrowserReload,
          &TfrmPrintPreview::ToolbarBtnAktualisierenClick);
    ToolbarBtnAktualisieren->hide();
    knoepfe->addStretch();

    PagePrinter1 = new TPagePrinter(this);
    PagePrinter1->setObjectName(QStringLiteral("PagePrinter1"));
    // The design: Courier New 13 pixels at 96 dpi, no gradient, narrow margins, 80 %.
    PagePrinter1->SetFont(Schrift("Courier New", 10, false));
    PagePrinter1->SetGradientBackground(false);
    PagePrinter1->SetMarginTop(DesignRand);
    PagePrinter1->SetMarginBottom(DesignRand);
    PagePrinter1->SetMarginLeft(DesignRand);
    PagePrinter1->SetMarginRight(DesignRand);
    PagePrinter1->SetZoomPercent(80);
    PagePrinter1->horizontalScrollBar()->setSingleStep(16);
    PagePrinter1->verticalScrollBar()->setSingleStep(16);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(leiste);
    layout->addWidget(PagePrinter1, 1);
}

TfrmPrintPreview::~TfrmPrintPreview() = default;

void TfrmPrintPreview::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    ToolbarBtnAktualisierenClick();
}

void TfrmPrintPreview::ToolbarBtnAktualisierenClick() {
    const scoring::Berichtsauswertung b =
        scoring::BerichtAuswerten(kontest_.Log, kontest_.Ini, kontest_.Sonderlisten,
                                  scoring::EigenerDokRegel::JederOhnePunkte);
    if (b.DistriktskennerUngueltig)
        platform::Meldungen::Instanz().Zeige(
            QString::fromUtf8(scoring::UngueltigerDistriktskennerText));
    if (!b.Druckbar)
        return;

    // The heads say "Seite: N von M" with M the final count; where the page printer began pages
    // by itself, the count is known only after a first recording.
    const int geplant = GeplanteSeiten(b.Zeilen.size());
    Aufzeichnen(b, geplant);
    if (PagePrinter1->PageCount() != geplant)
        Aufzeichnen(b, PagePrinter1->PageCount());

    btnPagePrev->setEnabled(false);
    btnPageNext->setEnabled(PagePrinter1->PageNumber() < PagePrinter1->PageCount());
    SeitenAnzeigen();
    ZoomAnzeigen();
}

void TfrmPrintPreview::Aufzeichnen(const scoring::Berichtsauswertung& b, int seitenGesamt) {
    const core::IniRecord& ini = kontest_.Ini;
    TPagePrinter& pp = *PagePrinter1;
    pp.SetMeasureUnit(muMillimeters);
    pp.SetMarginBottom(16);
    pp.SetMarginTop(30);
    pp.SetTableGrid(true);
    pp.SetTitle(ini.Kontestbezeichnung + QStringLiteral(" / ") + ini.Stationscall);
    pp.SetFooterFont(Schrift("Arial", 10, false));
    pp.SetFriendlyFooter(QStringLiteral("Ausdruck vom {$DATE} {$TIME} mit V.") +
                         QString::fromLatin1(platform::DateiVersion));
    pp.SetTableFormat(QStringLiteral("<17|<16|<35|<12|<12|<12|<12|<21|<10|<51"));
    pp.BeginDoc();
    Seitenkopf(b.GearbeiteteBaender, seitenGesamt);
    Tabellenkopf(scoring::Kopfzeile);

    const qsizetype anzahl = b.Zeilen.size();
    for (qsizetype i = 0; i < anzahl; ++i) {
        const scoring::BerichtsZeile& z = b.Zeilen.at(i);
        pp.WriteLine(QStringList{z.Datum, z.Zeit, z.Call, z.Band, z.Mode, z.RstAus, z.RstEin,
                                 z.DokEin, QString::number(z.ZeilenMultis), z.Bemerkung}
                         .join(u'|'));
        if (i > 0 && i % ZeilenProSeite == 0 && i < anzahl - 1) {
            // The table font has gone into the footer font; the footer keeps its own.
            pp.SetFooterFont(Schrift("Arial", 10, false));
            pp.NewPage();
            Seitenkopf(b.GearbeiteteBaender, seitenGesamt);
            Tabellenkopf(scoring::KopfzeileFolgeseite);
        }
    }
    Summen(b);
    pp.EndDoc();
}

void TfrmPrintPreview::Tabellenkopf(const char* zeile) {
    TPrnFont f = Schrift("Courier New", 12, true);
    PagePrinter1->SetFont(f);
    PagePrinter1->WriteLine(QString::fromLatin1(zeile));
    f.Bold = false;
    PagePrinter1->SetFont(f);
}

void TfrmPrintPreview::Seitenkopf(const QString& baender, int seitenGesamt) {
    const core::IniRecord& ini = kontest_.Ini;
    TPagePrinter& pp = *PagePrinter1;
    TPrnCanvas& c = pp.Canvas();
    const auto text = [&](double x, double y, const QString& t) {
        c.TextOut(pp.UnitToDevX(x), pp.UnitToDevY(y), t);
    };
    c.Font() = Schrift("Arial", 10, true);
    text(0.2, 0.2, ini.Kontestbezeichnung);
    text(165, 1, QStringLiteral("Seite: %1 von %2").arg(pp.PageNumber()).arg(seitenGesamt));
    // The rules are outlines only.
    c.Brush().Style = bsClear;
    c.Rectangle(pp.UnitToDevX(0.2), pp.UnitToDevY(5.2), pp.UnitToDevX(200), pp.UnitToDevY(5.2) + 1);
    c.Font() = Schrift("Arial", 12, false);
    text(0.2, 8, QStringLiteral("Rufzeichen: "));
    text(60, 8, ini.Stationscall);
    text(0.2, 13, QStringLiteral("DOK: "));
    text(60, 13, ini.FDmanagerDOK);
    text(0.2, 18, QStringLiteral("Band: "));
    text(60, 18, baender);
    c.Rectangle(pp.UnitToDevX(80), pp.UnitToDevY(8), pp.UnitToDevX(80) + 1, pp.UnitToDevY(23));
    text(82.2, 8, QStringLiteral("Name: "));
    text(122, 8, ini.FDmanagerName);
    text(82.2, 13, QStringLiteral("Straße: "));
    text(122, 13, ini.FDmanagerStr);
    text(82.2, 18, QStringLiteral("Ort: "));
    text(122, 18, ini.FDmanagerOrt);
}

void TfrmPrintPreview::Summen(const scoring::Berichtsauswertung& b) {
    const core::IniRecord& ini = kontest_.Ini;
    TPagePrinter& pp = *PagePrinter1;
    TPrnCanvas& c = pp.Canvas();
    const auto text = [&](double x, double y, const QString& t) {
        c.TextOut(pp.UnitToDevX(x), pp.UnitToDevY(y), t);
    };
    c.Font() = Schrift("Arial", 10, true);
    text(97, 274, QStringLiteral("Summe Multis "));
    text(130, 274, QString::number(b.Multis));
    text(97, 278, QStringLiteral("QSOs wertbar"));
    text(130, 278, QString::number(b.QsosWertbar));
    text(150, 278, QStringLiteral("QSOs Total"));
    text(190, 278, QString::number(b.QsosTotal));
    text(97, 282, QStringLiteral("QSO-Punkte "));
    text(130, 282, QString::number(b.Punkte()));
    if (b.PunkteProQso == 3)
        text(135, 282, QStringLiteral(" (QSOs * 3 Pkt CW/DIGI-Only * Multis)"));
    c.Font() = Schrift("Arial", 10, false);
    text(1, 278,
         QStringLiteral("Call: ") + ini.Stationscall + QStringLiteral(" / DOK: ") +
             ini.FDmanagerDOK);
}

void TfrmPrintPreview::SeitenAnzeigen() {
    lblPageNr->setText(QStringLiteral(" %1 von %2 ")
                           .arg(PagePrinter1->PageNumber())
                           .arg(PagePrinter1->PageCount()));
}

void TfrmPrintPreview::ZoomAnzeigen() {
    lblZoomfaktor->setText(QStringLiteral(" %1% ").arg(PagePrinter1->ZoomPercent()));
}

void TfrmPrintPreview::ToolbarButton1Click() {
    PagePrinter1->Print();
}

void TfrmPrintPreview::btnPagePrevClick() {
    if (PagePrinter1->PageCount() > 1)
        PagePrinter1->SetPageNumber(PagePrinter1->PageNumber() - 1);
    btnPagePrev->setEnabled(PagePrinter1->PageNumber() > 1);
    btnPageNext->setEnabled(PagePrinter1->PageNumber() < PagePrinter1->PageCount());
    SeitenAnzeigen();
}

void TfrmPrintPreview::btnPageNextClick() {
    if (PagePrinter1->PageNumber() < PagePrinter1->PageCount())
        PagePrinter1->SetPageNumber(PagePrinter1->PageNumber() + 1);
    btnPagePrev->setEnabled(PagePrinter1->PageNumber() > 1);
    btnPageNext->setEnabled(PagePrinter1->PageNumber() < PagePrinter1->PageCount());
    SeitenAnzeigen();
}

void TfrmPrintPreview::btnZoomOutClick() {
    const int z = PagePrinter1->ZoomPercent();
    if (z <= 10)
        return;
    // A fitted zoom such as 14 steps down to the limit, not past it.
    PagePrinter1->SetZoomPercent(std::max(z - (z < 125 ? 10 : 25), 10));
    ZoomAnzeigen();
}

void TfrmPrintPreview::btnZoomInClick() {
    const int z = PagePrinter1->ZoomPercent();
    if (z >= 500)
        return;
    PagePrinter1->SetZoomPercent(std::min(z + (z < 100 ? 10 : 25), 500));
    ZoomAnzeigen();
}

void TfrmPrintPreview::btnFitToWidthClick() {
    PagePrinter1->ZoomToFitWidth();
    ZoomAnzeigen();
}

void TfrmPrintPreview::btnFitToHeightClick() {
    PagePrinter1->ZoomToFitHeight();
    ZoomAnzeigen();
}

void TfrmPrintPreview::btnExitPrintpreviewClick() {
    close();
}

} // namespace report
