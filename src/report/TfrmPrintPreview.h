// The printed log: the window "Druckvorschau Logausdruck" lays the log out with the reports'
// evaluation on the page printer, shows the recorded pages with page navigation and zoom, and
// prints them on the default printer.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QToolButton;

namespace core {
class Kontest;
}
namespace scoring {
struct Berichtsauswertung;
}

namespace report {

class TPagePrinter;

class TfrmPrintPreview : public QDialog {
    Q_OBJECT
public:
    static constexpr int Breite = 732;
    static constexpr int Hoehe = 739;

    explicit TfrmPrintPreview(core::Kontest& kontest, QWidget* eltern = nullptr);
    ~TfrmPrintPreview() override;

    // Builds the document anew from the log and the station data; runs whenever the window is
    // shown.
    void ToolbarBtnAktualisierenClick();

    void ToolbarButton1Click(); // "Drucken"
    void btnPagePrevClick();
    void btnPageNextClick();
    void btnZoomOutClick();
    void btnZoomInClick();
    void btnFitToWidthClick();
    void btnFitToHeightClick();
    void btnExitPrintpreviewClick();

    TPagePrinter* PagePrinter1 = nullptr;
    QToolButton* ToolbarButton1 = nullptr;
    QToolButton* btnPagePrev = nullptr;
    QLabel* lblPageNr = nullptr;
    QToolButton* btnPageNext = nullptr;
    QToolButton* btnZoomOut = nullptr;
    QLabel* lblZoomfaktor = nullptr;
    QToolButton* btnZoomIn = nullptr;
    QToolButton* btnFitToWidth = nullptr;
    QToolButton* btnFitToHeight = nullptr;
    QToolButton* btnExitPrintpreview = nullptr;
    QToolButton* ToolbarBtnAktualisieren = nullptr; // hidden

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void Aufzeichnen(const scoring::Berichtsauswertung& b, int seitenGesamt);
    void Seitenkopf(const QString& baender, int seitenGesamt);
    void Tabellenkopf(const char* zeile);
    void Summen(const scoring::Berichtsauswertung& b);
    void SeitenAnzeigen();
    void ZoomAnzeigen();

    core::Kontest& kontest_;
};

} // namespace report
