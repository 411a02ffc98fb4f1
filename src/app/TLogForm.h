// The main window: the handlers of the menu, the toolbar, the entry mask, the QSO list and the
// clock, each of which calls the running contest (core::Kontest) and shows what it returns. The
// controls come from the builder (TLogFormUi), the order of the field handlers from the focus
// dispatcher.
#pragma once

#include "app/TLogFormUi.h"
#include "core/Betriebsart.h"
#include "core/Kontest.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

class QThread;
class QTimer;
class QWindow;

namespace suche {
class TSuchForm;
}
namespace report {
class TfrmLogPdf;
class TfrmPrintPreview;
} // namespace report
namespace dialogs {
class TStationsangabenDlg;
class TStartInfoForm;
class TLogFormInfo;
class TfrmLogUpdate;
} // namespace dialogs

namespace app {

class FokusVerteiler;

class TLogForm : public QMainWindow, public TLogFormUi {
    Q_OBJECT
public:
    TLogForm();
    ~TLogForm() override;

    // Creates the other windows of the program, in their order, after the main window.
    void FensterErzeugen();

    // --- state ---
    core::Kontest kontest;
    QStringList HinweisTitel;
    QStringList HinweisTexte;
    // Set while the messages of the duplicate check are shown, and while the callsign is empty.
    bool EnterSperre = false;
    // The callsign in the field passed the duplicate check since the field was entered.
    bool DupeGeprueft = false;
    double Zeitversatz = 0.0;
    qint32 BiasMinuten = 0;
    QString GemerkterUhrText;

    QTimer* UhrTimer1 = nullptr;
    QTimer* SuchTimer = nullptr;
    QTimer* HinweisTimer = nullptr;

    suche::TSuchForm* SuchForm = nullptr;
    dialogs::TStartInfoForm* StartInfoForm = nullptr;
    dialogs::TStationsangabenDlg* StationsangabenDlg = nullptr;
    dialogs::TLogFormInfo* LogFormInfo = nullptr;
    dialogs::TfrmLogUpdate* LogUpdate = nullptr;
    report::TfrmLogPdf* frmLogPdf = nullptr;
    report::TfrmPrintPreview* frmPrintPreview = nullptr;

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
    core::Betriebsart AktuelleBetriebsart() const;
    void WaehleBetriebsart(core::Betriebsart art); // a menu item: tick it, apply it

    double HoleZeitversatz();
    void UhrTimer1Timer();
    void mnuUhrUTCClick();
    void mnuLokalzeitClick();
    void ToolButton3Click();
    QString ZeitText() const; // "hh:mm" of the local time plus Zeitversatz

    void mnuOfflineerfassungClick();
    bool ErfassungNachKontest() const;

    // The DOK of earlier evenings, put into an empty "DOK erhalten" once the callsign passed the
    // duplicate check; shown in its own colours until the operator types.
    void mnuDokVorschlagClick();
    void DokVorschlagen();
    bool DokIstVorschlag() const { return dokVorschlag_; }
    // The archive is read in the background at start; true once it is there.
    bool ArchivGeladen() const { return !archivLeser_; }

    void Multiauswertung();
    void NeuKontestClick();
    void mnuEndeClick();
    void Stationsangaben1Click();
    void mnuSTFClick();
    void mnuADIFClick();
    void mnuPDFClick();     // also the toolbar button "Erzeuge LOG-Datei im PDF-Format"
    void mnuDruckenClick(); // also the toolbar button "Logbuch Druck mit Vorschau"
    void mnuSonderstationenClick();
    void mnuSonderDOKlisteClick();
    void mnuListenNeuEinlesenClick();
    void mnuStarthinweiseClick();
    void mnuProgramminfoClick();
    void mnuVerCheckClick();
    void ToolButton4Click();
    void HinweisTimerTimer();
    void FormActivate();
    void TabbedNotebook1Enter();
    void TabbedNotebook1Click();
    void TabbedNotebook1Change(int seite);

    // The QSO list: Enter or a double-click on a row opens "QSO bearbeiten", Delete asks and
    // deletes; the list, the count and the panels then follow as after a save.
    void QsoGridDblClick(const QModelIndex& index);
    void QsoGridKeyDown(int taste);
    void QsoBearbeiten(int zeile);
    void QsoLoeschen(int zeile);

    // The control that has or last had the focus in this window.
    QWidget* AktivesFeld() const;
    // Moves the focus as a handler does, with the leave and enter handlers in their order.
    void FokusAuf(QWidget* ziel);
    bool IstMaskenFeld(const QObject* o) const;

    // The title of the window as the start builds it.
    QString StartTitel() const;
    // The question on closing while QSOs are not on the disk yet; "Ja" keeps the program open.
    static QString AusstehendFrage(qsizetype anzahl);

signals:
    void ArchivBereit();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void FormCreate();
    void HandlerVerbinden();
    void FeldHandlerSetzen();
    void UhrStarten();
    void ModeAnwenden(core::Betriebsart art);
    void ModeNeuAnwenden(); // testing SSB, CW, FM, PSK, RTTY, SSTV
    void Speichern(bool mitTaste);
    bool Rufzeichenregel();
    void RapportBetreten(widgets::TMaskEdit* feld);
    void ZeigeAuswertung(const core::Auswertung& a);
    void ZeigeAnzahl();
    void VorDemExport();
    void ZeigeKorrektur(const core::Kontest::Korrektur& k, int zeile);

    void ArchivLaden();
    void ArchivAnzeigen();
    void DokVorschlagZuruecknehmen();

    void FensterAktiviert(QWindow* fenster);
    bool AppMessage(QObject* objekt, QKeyEvent* taste);
    bool DateiTaste(QObject* objekt, QKeyEvent* taste);

    FokusVerteiler* fokus_ = nullptr;
    QThread* archivLeser_ = nullptr;
    bool dokVorschlag_ = false;
    bool ersteAktivierung_ = true;
    QPointer<QWidget> letztesFenster_;
};

} // namespace app
