// The main window: menu, toolbar, the entry mask and the QSO list, the status panels, the clock,
// and all state of the running contest (settings, log, counters, special lists, hint lists).
#pragma once

#include "core/Betriebsart.h"
#include "core/IniRecord.h"
#include "core/LogSpalten.h"
#include "core/Rufzeichen.h"
#include "scoring/SonderListen.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;
class QWindow;
class QToolButton;

namespace suche {
class TSuchForm;
}
namespace dialogs {
class TStationsangabenDlg;
class TStartInfoForm;
class TLogFormInfo;
} // namespace dialogs

namespace widgets {
class TMaskEdit;
class TDatumEdit;
} // namespace widgets
namespace core {
class QsoListenModell;
}

namespace app {

using namespace core;
using widgets::TDatumEdit;
using widgets::TMaskEdit;

class TLogForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ClientBreite = 639;
    static constexpr int ClientHoehe = 409;

    TLogForm();
    ~TLogForm() override;

    // Creates the other windows of the program, in their order, after the main window.
    void FensterErzeugen();

    // --- state of the running contest ---
    IniRecord Ini;
    bool Trace = false;
    LogSpalten Log;
    qint32 QsoNummer = 0;
    scoring::SonderListen Sonderlisten;
    QStringList HinweisTitel;
    QStringList HinweisTexte;
    bool EnterSperre = false;
    bool DupeGeprueft = false;
    DoppelIndex Doppelte; // the compared parts of every callsign in the log
    double Zeitversatz = 0.0;
    qint32 BiasMinuten = 0;
    QString GemerkterUhrText;

    // --- controls (named as the program knows them) ---
    QAction* NeuKontest = nullptr;
    QAction* mnuSTF = nullptr;
    QAction* mnuADIF = nullptr;
    QAction* mnuPDF = nullptr;
    QAction* mnuDrucken = nullptr;
    QAction* mnuEnde = nullptr;
    QAction* Stationsangaben1 = nullptr;
    QAction* mnuSonderstationen = nullptr;
    QAction* mnuSonderDOKliste = nullptr;
    QAction* mnuListenNeuEinlesen = nullptr;
    QAction* mnuOfflineerfassung = nullptr;
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

    TMaskEdit* CallMaskEdit = nullptr;
    TMaskEdit* RSToutMaskEdit = nullptr;
    TMaskEdit* RSTinMaskEdit = nullptr;
    TMaskEdit* QSONrInMaskEdit = nullptr;
    TMaskEdit* BemerkungEdit = nullptr;
    TMaskEdit* ZeitEdit1 = nullptr;
    QComboBox* Bandauswahl = nullptr;
    QPushButton* SpeichernButton = nullptr;
    QPushButton* VerwerfenButton = nullptr;
    QLabel* QSONrOutLabel1 = nullptr;
    QLabel* lblMode = nullptr;
    QLabel* lblZeitmode = nullptr;
    QLabel* lblOfflineDatum = nullptr;
    TDatumEdit* edtOfflineDatum = nullptr;
    QLabel* QsoListeTitel = nullptr;
    QTableView* QsoGrid = nullptr;
    QsoListenModell* QsoModell = nullptr;

    QTimer* UhrTimer1 = nullptr;
    QTimer* SuchTimer = nullptr;
    QTimer* HinweisTimer = nullptr;

    suche::TSuchForm* SuchForm = nullptr;
    dialogs::TStartInfoForm* StartInfoForm = nullptr;
    dialogs::TStationsangabenDlg* StationsangabenDlg = nullptr;
    dialogs::TLogFormInfo* LogFormInfo = nullptr;

    // --- handlers ---
    void CallMaskEditEnter();
    void CallMaskEditChange();
    void CallMaskEditExit();
    void RSToutMaskEditEnter();
    void RSTinMaskEditEnter();
    void QSONrInMaskEditEnter();
    void BemerkungEditEnter();
    bool RSToutMaskEditExit();
    void RSTinMaskEditExit();
    void BandauswahlExit();
    void VerwerfenButtonClick();
    void SpeichernButtonClick();
    void SpeichernButtonKeyPress(int taste, Qt::KeyboardModifiers modifier);
    bool PruefeDoppelQso(const QString& call);

    void SetModeSSB();
    void SetModeCW();
    void SetModeFM();
    void SetModePSK();
    void SetModeRTTY();
    void SetModeSSTV();
    void lblModeClick();
    Betriebsart AktuelleBetriebsart() const;
    void WaehleBetriebsart(Betriebsart art); // a menu item: tick it, apply it

    double HoleZeitversatz();
    void UhrTimer1Timer();
    void mnuUhrUTCClick();
    void mnuLokalzeitClick();
    void ToolButton3Click();
    QString ZeitText() const; // "hh:mm" of the local time plus Zeitversatz

    void mnuOfflineerfassungClick();
    bool ErfassungNachKontest() const;

    void Multiauswertung();
    void NeuKontestClick();
    void mnuEndeClick();
    void Stationsangaben1Click();
    void mnuSTFClick();
    void mnuADIFClick();
    void mnuSonderstationenClick();
    void mnuSonderDOKlisteClick();
    void mnuListenNeuEinlesenClick();
    void mnuStarthinweiseClick();
    void mnuProgramminfoClick();
    void ToolButton4Click();
    void HinweisTimerTimer();
    void FormActivate();
    void TabbedNotebook1Enter();
    void TabbedNotebook1Click();

    // The control that has or last had the focus in this window.
    QWidget* AktivesFeld() const { return aktivesFeld_; }
    // Moves the focus as a handler does, with the leave and enter handlers in their order.
    void FokusAuf(QWidget* ziel);
    bool IstMaskenFeld(const QObject* o) const;

    // The title of the window as the start builds it.
    QString StartTitel() const;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void FormCreate();
    void MenueAufbauen();
    void WerkzeugleisteAufbauen(QWidget* flaeche);
    void EingabeseiteAufbauen(QWidget* seite);
    void ListenseiteAufbauen(QWidget* seite);
    void StatusleisteAufbauen(QWidget* flaeche);
    void UhrStarten();
    void ModeAnwenden(Betriebsart art);
    void ModeNeuAnwenden(); // testing SSB, CW, FM, PSK, RTTY, SSTV
    void Speichern(bool mitTaste);
    void SetzeTabReihenfolge(bool nachKontest);
    bool Rufzeichenregel();
    void RapportBetreten(TMaskEdit* feld);

    void FokusGeaendert(QWidget* alt, QWidget* neu);
    void FensterAktiviert(QWindow* fenster);
    void Wechsel(QWidget* von, QWidget* nach);
    bool VerlassenHandler(QWidget* feld);
    void BetretenHandler(QWidget* feld);
    void FokusStill(QWidget* feld);
    bool AppMessage(QObject* objekt, QKeyEvent* taste);

    QPointer<QWidget> aktivesFeld_;
    QWidget* vorgemerkt_ = nullptr;
    bool imWechsel_ = false;
    bool ersteAktivierung_ = true;
    QPointer<QWidget> letztesFenster_;
    QString bandVorher_;
    bool verlassenAbgelehnt_ = false; // the last focus move was refused by the field left
    QActionGroup* modeGruppe_ = nullptr;
};

} // namespace app
