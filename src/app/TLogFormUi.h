// The controls of the main window, named as the program knows them, and the builder that lays
// them out. TLogForm inherits the pointers and connects the handlers.
#pragma once

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;
class QWidget;

namespace widgets {
class TBandAuswahl;
class TDatumEdit;
class TMaskEdit;
} // namespace widgets
namespace core {
class QsoListenModell;
}

namespace app {

struct TLogFormUi {
    static constexpr int ClientBreite = 639;
    static constexpr int ClientHoehe = 409;

    QMenu* Datei = nullptr;
    QAction* NeuKontest = nullptr;
    QAction* mnuSTF = nullptr;
    QAction* mnuADIF = nullptr;
    QAction* mnuPDF = nullptr;
    QAction* mnuDrucken = nullptr;
    QAction* mnuEnde = nullptr;
    QMenu* Einstellungen1 = nullptr;
    QAction* Stationsangaben1 = nullptr;
    QAction* mnuSonderstationen = nullptr;
    QAction* mnuSonderDOKliste = nullptr;
    QAction* mnuListenNeuEinlesen = nullptr;
    QAction* mnuOfflineerfassung = nullptr;
    QAction* mnuDokVorschlag = nullptr;
    QAction* mnuUhrUTC = nullptr;
    QAction* mnuLokalzeit = nullptr;
    QAction* CW1 = nullptr;
    QAction* SSB1 = nullptr;
    QAction* FM1 = nullptr;
    QAction* PSK1 = nullptr;
    QAction* RTTY1 = nullptr;
    QAction* SSTV1 = nullptr;
    QAction* AutomatischeSuche1 = nullptr;
    QAction* mnuProgramminfo = nullptr;
    QAction* mnuVerCheck = nullptr;
    QAction* mnuStarthinweise = nullptr;

    QToolButton* ToolButton1 = nullptr;
    QToolButton* ToolButton2 = nullptr;
    QToolButton* ToolButton3 = nullptr;
    QToolButton* ToolButton4 = nullptr;
    QTabWidget* TabbedNotebook1 = nullptr;
    QLabel* Panel2 = nullptr;
    QLabel* Panel3 = nullptr;
    QLabel* pnlQsoAnzahl = nullptr;
    QLabel* pnlQsoPunkte = nullptr;

    widgets::TMaskEdit* CallMaskEdit = nullptr;
    widgets::TMaskEdit* RSToutMaskEdit = nullptr;
    widgets::TMaskEdit* RSTinMaskEdit = nullptr;
    widgets::TMaskEdit* QSONrInMaskEdit = nullptr;
    widgets::TMaskEdit* BemerkungEdit = nullptr;
    widgets::TMaskEdit* ZeitEdit1 = nullptr;
    widgets::TBandAuswahl* Bandauswahl = nullptr;
    QPushButton* SpeichernButton = nullptr;
    QPushButton* VerwerfenButton = nullptr;
    QLabel* QSONrOutLabel1 = nullptr;
    QLabel* lblMode = nullptr;
    QLabel* lblZeitmode = nullptr;
    QLabel* lblOfflineDatum = nullptr;
    widgets::TDatumEdit* edtOfflineDatum = nullptr;
    QLabel* QsoListeTitel = nullptr;
    QTableView* QsoGrid = nullptr;
    core::QsoListenModell* QsoModell = nullptr;

    void setupUi(QMainWindow* fenster, core::QsoListenModell* modell);
    // The tab order of the entry page: while the contest runs, or for the capture after it.
    void SetzeTabReihenfolge(bool nachKontest);

private:
    void MenueAufbauen(QMainWindow* fenster);
    void WerkzeugleisteAufbauen(QWidget* flaeche);
    void EingabeseiteAufbauen(QWidget* seite);
    void ListenseiteAufbauen(QWidget* seite, core::QsoListenModell* modell);
    void StatusleisteAufbauen(QWidget* flaeche);
};

} // namespace app
