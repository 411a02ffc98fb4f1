#include "app/TLogForm.h"

#include "app/FokusVerteiler.h"
#include "core/LogDatei.h"
#include "dialogs/Hinweise.h"
#include "dialogs/TLogFormInfo.h"
#include "dialogs/TQsoBearbeitenDlg.h"
#include "dialogs/TStartInfoForm.h"
#include "dialogs/TStationsangabenDlg.h"
#include "dialogs/TfrmLogUpdate.h"
#include "export/Exporte.h"
#include "platform/Fehler.h"
#include "platform/Meldungen.h"
#include "platform/Pfade.h"
#include "platform/ProfilDatei.h"
#include "platform/Shell.h"
#include "platform/Uhr.h"
#include "platform/Version.h"
#include "platform/Zeitzone.h"
#include "report/TfrmLogPdf.h"
#include "report/TfrmPrintPreview.h"
#include "scoring/Multiauswertung.h"
#include "search/TSuchForm.h"
#include "widgets/BandAuswahl.h"
#include "widgets/DatumEdit.h"
#include "widgets/MaskEdit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <cmath>
#include <memory>

namespace app {
namespace {

platform::IniDatei Einstellungen() {
    return platform::IniDatei(platform::EinstellungsDatei());
}

} // namespace

TLogForm::TLogForm() : kontest(scoring::Multiauswertung) {
    setObjectName(QStringLiteral("LogForm"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    FormCreate();
}

TLogForm::~TLogForm() {
    // Nothing may call back into the window while its parts are taken down: the other windows go
    // first (they hold pointers to the callsign field and the timer), then every signal into it.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    // The archive reader touches nothing of the window; it is only waited for.
    if (archivLeser_) {
        archivLeser_->disconnect(this);
        archivLeser_->wait();
        delete archivLeser_;
    }
    delete fokus_;
    fokus_ = nullptr;
    delete frmLogPdf;
    delete frmPrintPreview;
    delete LogUpdate;
    delete LogFormInfo;
    delete StationsangabenDlg;
    delete SuchForm;
    delete StartInfoForm;
    for (QObject* kind : findChildren<QObject*>())
        kind->disconnect(this);
    // The list view goes before the model it shows, which the contest owns.
    delete centralWidget();
}

// ---------------------------------------------------------------------------------------------
// Start-up

void TLogForm::FormCreate() {
    setupUi(this, &kontest.Liste());

    UhrTimer1 = new QTimer(this);
    UhrTimer1->setInterval(1000);
    SuchTimer = new QTimer(this);
    SuchTimer->setInterval(500);
    HinweisTimer = new QTimer(this);
    HinweisTimer->setInterval(500);
    HinweisTimer->setSingleShot(true);
    HandlerVerbinden();

    // 2. the search state starts idle (the search window resets its own counters).
    SuchTimer->stop();

    // 3. the settings, 5. the special lists from the program's directory
    const core::HauptfensterLage lage{x(), y(), frameGeometry().width()};
    const core::StartEinstellungen e = kontest.EinstellungenLaden(lage);
    mnuStarthinweise->setChecked(e.starthinweise);
    mnuDokVorschlag->setChecked(e.dokVorschlag);
    // 4. the stored position
    move(kontest.Ini.LogformLeft, kontest.Ini.LogformTop);
    HinweisTitel.clear();
    HinweisTexte.clear();

    // 6. the entry page in front and its displays
    TabbedNotebook1->setCurrentIndex(0);
    QSONrOutLabel1->setText(kontest.Ini.FDmanagerDOK);
    Bandauswahl->setEditText(QStringLiteral("2"));

    // 8. the mode of the ticked item
    if (SSB1->isChecked())
        SetModeSSB();
    else if (CW1->isChecked())
        SetModeCW();
    else if (FM1->isChecked())
        SetModeFM();

    // 9. the title, 10. the clock
    setWindowTitle(StartTitel());
    UhrStarten();

    // 11. - 15. the log, the list, the count and the evaluation
    const core::Kontest::LogStart geladen = kontest.LogLaden();
    if (geladen.bandGelesen)
        Bandauswahl->setEditText(geladen.letztesBand);
    for (const QString& m : geladen.meldungen)
        platform::Meldungen::Instanz().Zeige(m);
    ZeigeAnzahl();
    ZeigeAuswertung(geladen.auswertung);
    ArchivLaden();

    // 16. Enter as Tab, and the focus handlers of the entry mask
    qApp->installEventFilter(this);
    fokus_ = new FokusVerteiler(this);
    FeldHandlerSetzen();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TLogForm::FensterAktiviert);
    // The callsign field is the first control: its entry handler runs when the window first
    // gives it the focus.
    CallMaskEdit->setFocus();
}

void TLogForm::HandlerVerbinden() {
    const std::pair<QAction*, void (TLogForm::*)()> menue[] = {
        {NeuKontest, &TLogForm::NeuKontestClick},
        {mnuSTF, &TLogForm::mnuSTFClick},
        {mnuADIF, &TLogForm::mnuADIFClick},
        {mnuPDF, &TLogForm::mnuPDFClick},
        {mnuDrucken, &TLogForm::mnuDruckenClick},
        {mnuEnde, &TLogForm::mnuEndeClick},
        {Stationsangaben1, &TLogForm::Stationsangaben1Click},
        {mnuSonderstationen, &TLogForm::mnuSonderstationenClick},
        {mnuSonderDOKliste, &TLogForm::mnuSonderDOKlisteClick},
        {mnuListenNeuEinlesen, &TLogForm::mnuListenNeuEinlesenClick},
        {mnuOfflineerfassung, &TLogForm::mnuOfflineerfassungClick},
        {mnuDokVorschlag, &TLogForm::mnuDokVorschlagClick},
        {mnuUhrUTC, &TLogForm::mnuUhrUTCClick},
        {mnuLokalzeit, &TLogForm::mnuLokalzeitClick},
        {mnuProgramminfo, &TLogForm::mnuProgramminfoClick},
        {mnuVerCheck, &TLogForm::mnuVerCheckClick},
        {mnuStarthinweise, &TLogForm::mnuStarthinweiseClick},
    };
    for (const auto& [aktion, handler] : menue)
        connect(aktion, &QAction::triggered, this, handler);
    const std::pair<QAction*, core::Betriebsart> modi[] = {
        {CW1, core::Betriebsart::CW},     {SSB1, core::Betriebsart::SSB},
        {FM1, core::Betriebsart::FM},     {PSK1, core::Betriebsart::PSK},
        {RTTY1, core::Betriebsart::RTTY}, {SSTV1, core::Betriebsart::SSTV}};
    for (const auto& [aktion, art] : modi)
        connect(aktion, &QAction::triggered, this, [this, art = art] { WaehleBetriebsart(art); });
    connect(ToolButton1, &QToolButton::clicked, this, &TLogForm::mnuDruckenClick);
    connect(ToolButton2, &QToolButton::clicked, this, &TLogForm::mnuPDFClick);
    connect(ToolButton3, &QToolButton::clicked, this, &TLogForm::ToolButton3Click);
    connect(ToolButton4, &QToolButton::clicked, this, &TLogForm::ToolButton4Click);
    connect(SpeichernButton, &QPushButton::clicked, this, &TLogForm::SpeichernButtonClick);
    connect(VerwerfenButton, &QPushButton::clicked, this, &TLogForm::VerwerfenButtonClick);
    connect(CallMaskEdit, &QLineEdit::textChanged, this, &TLogForm::CallMaskEditChange);
    // The operator's first keystroke makes a suggested DOK his own.
    connect(QSONrInMaskEdit, &QLineEdit::textEdited, this, &TLogForm::DokVorschlagZuruecknehmen);
    connect(TabbedNotebook1, &QTabWidget::tabBarClicked, this,
            [this] { QTimer::singleShot(0, this, &TLogForm::TabbedNotebook1Click); });
    connect(TabbedNotebook1, &QTabWidget::currentChanged, this, &TLogForm::TabbedNotebook1Change);
    connect(QsoGrid, &QTableView::doubleClicked, this, &TLogForm::QsoGridDblClick);
    connect(UhrTimer1, &QTimer::timeout, this, &TLogForm::UhrTimer1Timer);
    connect(HinweisTimer, &QTimer::timeout, this, &TLogForm::HinweisTimerTimer);
    lblMode->installEventFilter(this);
    // The archive's station count in the tool tip includes the stations saved since it was read.
    connect(Einstellungen1, &QMenu::aboutToShow, this, &TLogForm::ArchivAnzeigen);
}

// The table of the entry mask's enter and leave handlers. Every masked edit checks its mask before
// its own leave handler and remembers its state for Escape when it is entered.
void TLogForm::FeldHandlerSetzen() {
    using H = FokusVerteiler::Handler;
    const auto maske = [](widgets::TMaskEdit* feld, std::function<bool()> verlassen,
                          std::function<void()> betreten) {
        return H{[feld] { return feld->VerlassenPruefen(); }, std::move(verlassen),
                 [feld, betreten = std::move(betreten)] {
                     feld->MerkeStand();
                     if (betreten)
                         betreten();
                 }};
    };
    const auto ohne = [](void (TLogForm::*handler)(), TLogForm* f) {
        return [f, handler] {
            (f->*handler)();
            return true;
        };
    };
    fokus_->Setze(CallMaskEdit, maske(CallMaskEdit, ohne(&TLogForm::CallMaskEditExit, this),
                                      [this] { CallMaskEditEnter(); }));
    fokus_->Setze(RSToutMaskEdit, maske(
                                      RSToutMaskEdit, [this] { return RSToutMaskEditExit(); },
                                      [this] { RSToutMaskEditEnter(); }));
    fokus_->Setze(RSTinMaskEdit, maske(RSTinMaskEdit, ohne(&TLogForm::RSTinMaskEditExit, this),
                                       [this] { RSTinMaskEditEnter(); }));
    fokus_->Setze(QSONrInMaskEdit,
                  maske(QSONrInMaskEdit, nullptr, [this] { QSONrInMaskEditEnter(); }));
    // The time field, which only the capture after the contest reaches, runs the received DOK's
    // enter handler: it too insists on a checked callsign.
    fokus_->Setze(ZeitEdit1, maske(ZeitEdit1, nullptr, [this] { QSONrInMaskEditEnter(); }));
    fokus_->Setze(BemerkungEdit, maske(BemerkungEdit, nullptr, [this] { BemerkungEditEnter(); }));
    fokus_->Setze(Bandauswahl, H{nullptr, ohne(&TLogForm::BandauswahlExit, this), nullptr});
    fokus_->Setze(TabbedNotebook1, H{nullptr, nullptr, [this] { TabbedNotebook1Enter(); }});
    fokus_->Setze(TabbedNotebook1->tabBar(),
                  H{nullptr, nullptr, [this] { TabbedNotebook1Enter(); }});
}

QString TLogForm::StartTitel() const {
    return kontest.Ini.Kontestbezeichnung + QStringLiteral(" / ") + kontest.Ini.Stationscall +
           QStringLiteral(" -") + QStringLiteral("Tarvex");
}

void TLogForm::FensterErzeugen() {
    StartInfoForm = new dialogs::TStartInfoForm(
        HinweisTitel, HinweisTexte, [this](bool an) { mnuStarthinweise->setChecked(an); }, this);
    SuchForm = new suche::TSuchForm(kontest.Ini, kontest.Log, this, CallMaskEdit, SuchTimer,
                                    AutomatischeSuche1);
    SuchForm->SetzeArchiv([this](const QString& call) { return kontest.Archiv.Dok(call); });
    StationsangabenDlg = new dialogs::TStationsangabenDlg(
        kontest.Ini,
        [this] {
            QSONrOutLabel1->setText(kontest.Ini.FDmanagerDOK);
            setWindowTitle(dialogs::TitelNachSpeichern(kontest.Ini, SSB1->isChecked()));
        },
        this);
    LogFormInfo = new dialogs::TLogFormInfo(this);
    LogUpdate = new dialogs::TfrmLogUpdate(this);
    frmLogPdf = new report::TfrmLogPdf(kontest, this);
    frmPrintPreview = new report::TfrmPrintPreview(kontest, this);
}

QWidget* TLogForm::AktivesFeld() const {
    return fokus_ ? fokus_->AktivesFeld() : nullptr;
}

void TLogForm::FokusAuf(QWidget* ziel) {
    fokus_->FokusAuf(ziel);
}

bool TLogForm::IstMaskenFeld(const QObject* o) const {
    return o && (o == CallMaskEdit || o == RSToutMaskEdit || o == RSTinMaskEdit ||
                 o == QSONrInMaskEdit || o == ZeitEdit1);
}

// ---------------------------------------------------------------------------------------------
// Activation

// The window counts as activated when it is first activated, and when the focus comes back to
// it from a window of the program that is not modal (the station data dialog). Returning from a
// message box or another modal window is no activation; the search window never takes the focus.
void TLogForm::FensterAktiviert(QWindow* fenster) {
    QWidget* neu = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowHandle() && w->windowHandle() == fenster)
            neu = w;
    if (!neu)
        return;
    const QWidget* vorher = letztesFenster_;
    letztesFenster_ = neu;
    if (neu != this)
        return;
    if (ersteAktivierung_) {
        ersteAktivierung_ = false;
        FormActivate();
    } else if (vorher && vorher == StationsangabenDlg) {
        FormActivate();
    }
}

// ---------------------------------------------------------------------------------------------
// Keys: Enter becomes Tab in the masked fields and presses the default button elsewhere; Alt+D
// follows the page in front.

bool TLogForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == lblMode && ereignis->type() == QEvent::MouseButtonRelease) {
        if (lblMode->isEnabled())
            lblModeClick();
        return true;
    }
    const auto typ = ereignis->type();
    if (typ == QEvent::ShortcutOverride || typ == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (DateiTaste(objekt, taste))
            return true;
        if (typ == QEvent::KeyPress)
            return AppMessage(objekt, taste);
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

// "&Datei" and "&Dateneingabe" share their letter, and Qt would take turns between the menu and
// the page. On the entry page Alt+D opens the menu; on the list page it is the operator's way back
// to the entry page, with the keyboard in the callsign field.
bool TLogForm::DateiTaste(QObject* objekt, QKeyEvent* taste) {
    auto* widget = qobject_cast<QWidget*>(objekt);
    if (!widget || widget->window() != this || QApplication::activePopupWidget() ||
        taste->key() != Qt::Key_D || (taste->modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier)
        return false;
    if (taste->type() == QEvent::ShortcutOverride) {
        taste->accept(); // no shortcut of the window takes it: the key press comes here
        return true;
    }
    if (TabbedNotebook1->currentIndex() == 0) {
        menuBar()->setActiveAction(Datei->menuAction());
    } else {
        TabbedNotebook1->setCurrentIndex(0);
        FokusAuf(CallMaskEdit);
    }
    return true;
}

bool TLogForm::AppMessage(QObject* objekt, QKeyEvent* taste) {
    auto* widget = qobject_cast<QWidget*>(objekt);
    // Only the key as it reaches the focused control of this window; Enter typed into a message
    // box or another window keeps its ordinary meaning there.
    if (!widget || widget->window() != this || widget != focusWidget())
        return false;
    const int k = taste->key();
    const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
    if (widget == SpeichernButton &&
        (k == Qt::Key_Escape || (enter && taste->modifiers() & Qt::ShiftModifier))) {
        SpeichernButtonKeyPress(enter ? 13 : 27, taste->modifiers());
        return true;
    }
    if (widget == QsoGrid && (enter || k == Qt::Key_Delete)) {
        QsoGridKeyDown(enter ? 13 : 46);
        return true;
    }
    if (!enter)
        return false;
    if (IstMaskenFeld(widget) && !EnterSperre) {
        // The Tab the Enter becomes moves with Shift to the previous field and with Ctrl or Alt
        // nowhere: posted as such, Ctrl+Tab would turn the notebook's page.
        if (!(taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            auto* tab = new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, taste->modifiers());
            QCoreApplication::postEvent(widget, tab);
        }
        return true;
    }
    if (auto* knopf = qobject_cast<QPushButton*>(widget)) {
        if (knopf->isEnabled())
            knopf->click();
        return true;
    }
    if (SpeichernButton->isEnabled())
        SpeichernButton->click();
    return true;
}

// ---------------------------------------------------------------------------------------------
// The entry mask

void TLogForm::CallMaskEditEnter() {
    DupeGeprueft = false;
    EnterSperre = CallMaskEdit->Text().isEmpty();
    if (!ErfassungNachKontest())
        ZeitEdit1->SetzeText(ZeitText());
}

void TLogForm::CallMaskEditChange() {
    if (SuchForm)
        SuchForm->PositionPruefen();
    EnterSperre = CallMaskEdit->Text().isEmpty();
    // An emptied callsign cannot be saved: the buttons wait for the next filled one.
    if (EnterSperre) {
        SpeichernButton->setEnabled(false);
        VerwerfenButton->setEnabled(false);
    }
    if (SuchForm)
        SuchForm->Armieren(CallMaskEdit->Text());
}

void TLogForm::CallMaskEditExit() {
    if (!CallMaskEdit->Text().isEmpty()) {
        SpeichernButton->setEnabled(true);
        VerwerfenButton->setEnabled(true);
        SuchTimer->stop();
        if (SuchForm)
            SuchForm->Verbergen();
    } else {
        SpeichernButton->setEnabled(false);
        VerwerfenButton->setEnabled(false);
    }
}

// Every later field insists on a callsign and runs the duplicate check once per callsign. False
// when the callsign was refused; the focus is then on its way back to the callsign field.
bool TLogForm::Rufzeichenregel() {
    bool abgewiesen = false;
    if (CallMaskEdit->Text().isEmpty()) {
        platform::Meldungen::Instanz().Warnung(
            QStringLiteral("Bitte zuerst ein Rufzeichen eingeben"));
        abgewiesen = true;
    } else if (!DupeGeprueft) {
        abgewiesen = PruefeDoppelQso(CallMaskEdit->Text());
        DupeGeprueft = !abgewiesen;
        if (DupeGeprueft)
            DokVorschlagen();
    }
    if (abgewiesen) {
        SpeichernButton->setEnabled(false);
        VerwerfenButton->setEnabled(false);
        FokusAuf(CallMaskEdit);
    }
    return !abgewiesen;
}

void TLogForm::RapportBetreten(widgets::TMaskEdit* feld) {
    if (!Rufzeichenregel())
        return;
    if (feld->Text().isEmpty())
        feld->SetzeText(QStringLiteral("599")); // a two-digit mask keeps "59"
    feld->selectAll();
}

void TLogForm::RSToutMaskEditEnter() {
    RapportBetreten(RSToutMaskEdit);
}

void TLogForm::RSTinMaskEditEnter() {
    RapportBetreten(RSTinMaskEdit);
}

void TLogForm::QSONrInMaskEditEnter() {
    if (Rufzeichenregel())
        QSONrInMaskEdit->selectAll();
}

void TLogForm::BemerkungEditEnter() {
    Rufzeichenregel();
}

bool TLogForm::RSToutMaskEditExit() {
    QString text = RSToutMaskEdit->Text();
    text.remove(u' ');
    RSToutMaskEdit->SetzeText(text);
    bool zahl = false;
    const int wert = text.toInt(&zahl);
    const int grenze = core::Daten(AktuelleBetriebsart()).grenze;
    if (!zahl || wert > grenze) {
        platform::Meldungen::Instanz().Zeige(QStringLiteral("Ungültiger Rapport"));
        return false;
    }
    return true;
}

void TLogForm::RSTinMaskEditExit() {
    QString text = RSTinMaskEdit->Text();
    text.remove(u' ');
    RSTinMaskEdit->SetzeText(text);
}

void TLogForm::BandauswahlExit() {
    if (!core::BandGueltig(Bandauswahl->currentText()))
        Bandauswahl->setEditText(QStringLiteral("2"));
}

void TLogForm::VerwerfenButtonClick() {
    if (fokus_->VerlassenAbgelehnt() && sender() == VerwerfenButton)
        return;
    SpeichernButton->setEnabled(false);
    VerwerfenButton->setEnabled(false);
    CallMaskEdit->SetzeText(QString());
    QSONrInMaskEdit->SetzeText(QString());
    DokVorschlagZuruecknehmen();
    BemerkungEdit->SetzeText(QString());
    ModeNeuAnwenden();
    FokusAuf(CallMaskEdit);
}

bool TLogForm::PruefeDoppelQso(const QString& call) {
    const core::Kontest::Pruefung p = kontest.RufzeichenPruefen(call);
    if (p == core::Kontest::Pruefung::Neu)
        return false;
    EnterSperre = true;
    platform::Meldungen::Instanz().Zeige(core::Kontest::Meldung(p));
    EnterSperre = false;
    return true;
}

void TLogForm::SpeichernButtonClick() {
    // A click whose focus move the field refused (an invalid report) does not save.
    if (SpeichernButton->isEnabled() && !fokus_->VerlassenAbgelehnt())
        Speichern(false);
}

void TLogForm::SpeichernButtonKeyPress(int taste, Qt::KeyboardModifiers) {
    if (taste == 27)
        VerwerfenButtonClick();
    else if (taste == 13 && SpeichernButton->isEnabled())
        Speichern(true);
}

void TLogForm::Speichern(bool mitTaste) {
    // Enter in the band box saves without leaving it: its leave rule applies all the same.
    BandauswahlExit();
    const QDateTime jetzt = platform::Uhr::Instanz().Jetzt();
    core::QsoWerte q;
    if (mitTaste || !ErfassungNachKontest())
        q.Datum = jetzt.date().toString(QStringLiteral("dd.MM.yyyy"));
    else
        q.Datum = edtOfflineDatum->Text();
    q.Zeit = mitTaste ? jetzt.time().toString(QStringLiteral("HH:mm:ss"))
                      : ZeitEdit1->Text() + QStringLiteral(":00");
    q.Call = CallMaskEdit->Text();
    q.RstAus = RSToutMaskEdit->Text();
    q.DokAus = QSONrOutLabel1->text();
    q.RstEin = RSTinMaskEdit->Text();
    q.DokEin = QSONrInMaskEdit->Text();
    q.Band = Bandauswahl->currentText();
    q.Mode = core::ModeText(lblMode->text());
    q.Bemerkung = BemerkungEdit->Text();

    const core::Kontest::Gespeichert g = kontest.Speichern(q);
    for (const QString& m : g.meldungen)
        platform::Meldungen::Instanz().Zeige(m);
    ZeigeAnzahl();
    ZeigeAuswertung(g.auswertung);
    QSONrOutLabel1->setText(kontest.Ini.FDmanagerDOK);
    VerwerfenButtonClick();
}

// ---------------------------------------------------------------------------------------------
// Modes and bands

core::Betriebsart TLogForm::AktuelleBetriebsart() const {
    const std::pair<QAction*, core::Betriebsart> reihe[] = {
        {SSB1, core::Betriebsart::SSB},   {CW1, core::Betriebsart::CW},
        {FM1, core::Betriebsart::FM},     {PSK1, core::Betriebsart::PSK},
        {RTTY1, core::Betriebsart::RTTY}, {SSTV1, core::Betriebsart::SSTV}};
    for (const auto& [a, art] : reihe)
        if (a->isChecked())
            return art;
    return core::Betriebsart::SSB;
}

void TLogForm::ModeAnwenden(core::Betriebsart art) {
    const core::BetriebsartDaten& d = Daten(art);
    RSTinMaskEdit->SetzeMaske(QString::fromLatin1(d.maske));
    RSTinMaskEdit->SetzeText(QString::fromLatin1(d.rapport));
    RSToutMaskEdit->SetzeMaske(QString::fromLatin1(d.maske));
    RSToutMaskEdit->SetzeText(QString::fromLatin1(d.rapport));
    lblMode->setText(QString::fromLatin1(d.label));
}

void TLogForm::SetModeSSB() {
    ModeAnwenden(core::Betriebsart::SSB);
}
void TLogForm::SetModeCW() {
    ModeAnwenden(core::Betriebsart::CW);
}
void TLogForm::SetModeFM() {
    ModeAnwenden(core::Betriebsart::FM);
}
void TLogForm::SetModePSK() {
    ModeAnwenden(core::Betriebsart::PSK);
}
void TLogForm::SetModeRTTY() {
    ModeAnwenden(core::Betriebsart::RTTY);
}
void TLogForm::SetModeSSTV() {
    ModeAnwenden(core::Betriebsart::SSTV);
}

void TLogForm::ModeNeuAnwenden() {
    ModeAnwenden(AktuelleBetriebsart());
}

static QAction* ModeAktion(const TLogForm& f, core::Betriebsart art) {
    switch (art) {
    case core::Betriebsart::SSB:
        return f.SSB1;
    case core::Betriebsart::CW:
        return f.CW1;
    case core::Betriebsart::FM:
        return f.FM1;
    case core::Betriebsart::PSK:
        return f.PSK1;
    case core::Betriebsart::RTTY:
        return f.RTTY1;
    case core::Betriebsart::SSTV:
        return f.SSTV1;
    }
    return f.SSB1;
}

void TLogForm::WaehleBetriebsart(core::Betriebsart art) {
    ModeAktion(*this, art)->setChecked(true);
    ModeAnwenden(art);
}

void TLogForm::lblModeClick() {
    lblMode->setEnabled(false);
    const core::Betriebsart neu = NaechsteImKreis(AktuelleBetriebsart());
    ModeAktion(*this, neu)->setChecked(true);
    ModeAnwenden(neu);
    lblMode->setEnabled(true);
}

// ---------------------------------------------------------------------------------------------
// Clock

QString TLogForm::ZeitText() const {
    // Only the time of day of the sum counts, so a whole number of days is no offset at all.
    const double tage = std::fmod(Zeitversatz, 1.0);
    const QTime t = platform::Uhr::Instanz().Jetzt().time().addMSecs(
        static_cast<int>(std::llround(tage * 86400000.0)));
    return t.toString(QStringLiteral("HH:mm"));
}

double TLogForm::HoleZeitversatz() {
    const std::optional<int> bias = platform::Zeitzone::Instanz().BiasMinuten();
    if (!bias)
        return 2147483647.0;
    BiasMinuten = *bias;
    return BiasMinuten / 1440.0;
}

void TLogForm::UhrStarten() {
    GemerkterUhrText = QStringLiteral("99:99");
    Zeitversatz = HoleZeitversatz();
    if (kontest.Ini.ZeitmodusUTC) {
        mnuUhrUTC->setChecked(true);
        lblZeitmode->setText(QStringLiteral("UTC"));
    } else {
        mnuLokalzeit->setChecked(true);
        Zeitversatz = 0.0;
        lblZeitmode->setText(BiasMinuten == -120 ? QStringLiteral("MESZ") : QStringLiteral("MEZ"));
    }
    Panel2->setText(ZeitText());
    UhrTimer1->start();
}

void TLogForm::UhrTimer1Timer() {
    const QTime jetzt = platform::Uhr::Instanz().Jetzt().time();
    Panel2->setText(jetzt.toString(QStringLiteral("HH:mm:ss")));
    if (jetzt.toString(QStringLiteral("HH:mm")) == GemerkterUhrText)
        return;
    if (CallMaskEdit->hasFocus() && !ErfassungNachKontest())
        ZeitEdit1->SetzeText(ZeitText());
    GemerkterUhrText = ZeitEdit1->Text();
}

void TLogForm::mnuUhrUTCClick() {
    Zeitversatz = HoleZeitversatz();
    mnuUhrUTC->setChecked(true);
    kontest.Ini.ZeitmodusUTC = true;
    lblZeitmode->setText(QStringLiteral("UTC"));
    if (!ErfassungNachKontest())
        ZeitEdit1->SetzeText(ZeitText());
    GemerkterUhrText = ZeitEdit1->Text();
}

void TLogForm::mnuLokalzeitClick() {
    Zeitversatz = 0.0;
    mnuLokalzeit->setChecked(true);
    kontest.Ini.ZeitmodusUTC = false;
    lblZeitmode->setText(BiasMinuten == -120 ? QStringLiteral("MESZ") : QStringLiteral("MEZ"));
    if (!ErfassungNachKontest())
        ZeitEdit1->SetzeText(ZeitText());
    GemerkterUhrText = ZeitEdit1->Text();
}

void TLogForm::ToolButton3Click() {
    const std::optional<int> bias = platform::Zeitzone::Instanz().BiasMinuten();
    if (!bias)
        throw platform::Fehler(
            QStringLiteral("Der Zeitversatz zu UTC kann vom System nicht gelesen werden"));
    platform::Meldungen::Instanz().Zeige(QStringLiteral("Versatz zu UTC in Minuten zur Zeit: ") +
                                         QString::number(*bias));
}

// ---------------------------------------------------------------------------------------------
// Capture after the contest

bool TLogForm::ErfassungNachKontest() const {
    return mnuOfflineerfassung->isChecked();
}

void TLogForm::mnuOfflineerfassungClick() {
    // The action has already flipped its check mark.
    edtOfflineDatum->SetzeDatum(platform::Uhr::Instanz().Jetzt().date());
    const bool an = ErfassungNachKontest();
    edtOfflineDatum->setVisible(an);
    lblOfflineDatum->setVisible(an);
    SetzeTabReihenfolge(an);
}

// ---------------------------------------------------------------------------------------------
// DOK suggestion from earlier evenings

void TLogForm::ArchivLaden() {
    const QString ordner = core::Kontest::ArchivPfad();
    auto gelesen = std::make_shared<core::DokArchiv>();
    // Read beside the event loop: the window is there at once, the suggestions follow.
    archivLeser_ =
        QThread::create([ordner, gelesen] { *gelesen = core::Kontest::ArchivLesen(ordner); });
    connect(archivLeser_, &QThread::finished, this, [this, gelesen] {
        kontest.ArchivUebernehmen(std::move(*gelesen));
        archivLeser_->deleteLater();
        archivLeser_ = nullptr;
        ArchivAnzeigen();
        emit ArchivBereit();
    });
    ArchivAnzeigen();
    archivLeser_->start();
}

void TLogForm::ArchivAnzeigen() {
    mnuDokVorschlag->setToolTip(
        ArchivGeladen() ? QStringLiteral("Archiv: %1 Stationen").arg(kontest.Archiv.Stationen())
                        : QStringLiteral("Archiv wird gelesen"));
}

void TLogForm::mnuDokVorschlagClick() {
    platform::IniDatei ini = Einstellungen();
    core::DokVorschlagSchreiben(ini, mnuDokVorschlag->isChecked());
}

void TLogForm::DokVorschlagen() {
    // What the operator typed stays; a suggestion of an earlier callsign gives way.
    if (!dokVorschlag_ && !core::Getrimmt(QSONrInMaskEdit->Text()).isEmpty())
        return;
    const std::optional<QString> dok =
        mnuDokVorschlag->isChecked() ? kontest.Archiv.Dok(CallMaskEdit->Text()) : std::nullopt;
    if (!dok) {
        if (dokVorschlag_) {
            QSONrInMaskEdit->SetzeText(QString());
            DokVorschlagZuruecknehmen();
        }
        return;
    }
    QSONrInMaskEdit->SetzeText(*dok);
    QPalette farben = QSONrInMaskEdit->palette();
    const QColor schrift(0, 0, 192);
    farben.setColor(QPalette::Text, schrift);
    farben.setColor(QPalette::HighlightedText, schrift);
    farben.setColor(QPalette::Highlight, QColor(255, 255, 160));
    QSONrInMaskEdit->setPalette(farben);
    dokVorschlag_ = true;
}

void TLogForm::DokVorschlagZuruecknehmen() {
    if (!dokVorschlag_)
        return;
    dokVorschlag_ = false;
    QSONrInMaskEdit->setPalette(QPalette());
}

// ---------------------------------------------------------------------------------------------
// Evaluation, lists, exports, windows

void TLogForm::Multiauswertung() {
    ZeigeAuswertung(kontest.Auswerten());
}

void TLogForm::ZeigeAuswertung(const core::Auswertung& a) {
    if (a.DistriktskennerUngueltig)
        platform::Meldungen::Instanz().Zeige(
            QString::fromUtf8(scoring::UngueltigerDistriktskennerText));
    Panel3->setText(scoring::MultisText(a));
    pnlQsoPunkte->setText(scoring::PunkteText(a));
}

void TLogForm::ZeigeAnzahl() {
    // Between saves the counter is one ahead of the QSOs logged.
    pnlQsoAnzahl->setText(QStringLiteral("QSO Anzahl: ") + QString::number(kontest.QsoNummer - 1));
}

void TLogForm::NeuKontestClick() {
    platform::Meldungen::Instanz().Zeige(QStringLiteral(
        "Beenden Sie das Progamm und beseitigen Sie die LOG.TXT. Dann starten Sie neu"));
}

void TLogForm::mnuEndeClick() {
    close();
}

void TLogForm::Stationsangaben1Click() {
    StationsangabenDlg->DatenVeraendert = false;
    StationsangabenDlg->show();
    StationsangabenDlg->raise();
    StationsangabenDlg->activateWindow();
}

// The exports read LOG.TXT: QSOs still waiting for the disk get one more try, and if some are
// still missing, the operator hears so before the export goes on without them.
void TLogForm::VorDemExport() {
    if (kontest.AusstehendeSchreiben())
        return;
    const qsizetype n = kontest.Ausstehend().size();
    platform::Meldungen::Instanz().Warnung(
        (n == 1 ? QStringLiteral("Ein QSO ist noch nicht in LOG.TXT gespeichert (rot in der "
                                 "QSO-Liste) und fehlt im Export.")
                : QStringLiteral("%1 QSOs sind noch nicht in LOG.TXT gespeichert (rot in der "
                                 "QSO-Liste) und fehlen im Export.")
                      .arg(n)));
}

void TLogForm::mnuSTFClick() {
    VorDemExport();
    const exporte::ExportErgebnis r = exporte::StfExport(
        core::Kontest::LogPfad(), platform::ProgrammDatei(QStringLiteral("LOG.STF")), kontest.Ini,
        kontest.QsoNummer, Panel3->text(), pnlQsoPunkte->text(),
        QString::fromLatin1(platform::DateiVersion), platform::Uhr::Instanz().Jetzt());
    if (r.geschrieben)
        platform::Meldungen::Instanz().Zeige(r.meldung);
}

void TLogForm::mnuADIFClick() {
    VorDemExport();
    const exporte::ExportErgebnis r = exporte::AdifExport(
        core::Kontest::LogPfad(), platform::ProgrammDatei(QStringLiteral("LOG.ADI")));
    if (r.geschrieben)
        platform::Meldungen::Instanz().Zeige(r.meldung);
}

void TLogForm::mnuPDFClick() {
    if (frmLogPdf) {
        frmLogPdf->exec();
        activateWindow();
    }
}

void TLogForm::mnuDruckenClick() {
    if (frmPrintPreview) {
        frmPrintPreview->exec();
        activateWindow();
    }
}

void TLogForm::mnuSonderstationenClick() {
    platform::Shell::Instanz().OeffneDatei(
        platform::ProgrammDatei(QString::fromLatin1(core::SonderCallDatei)));
}

void TLogForm::mnuSonderDOKlisteClick() {
    platform::Shell::Instanz().OeffneDatei(
        platform::ProgrammDatei(QString::fromLatin1(core::SonderDokDatei)));
}

void TLogForm::mnuListenNeuEinlesenClick() {
    platform::Meldungen::Instanz().Zeige(kontest.SonderListenNeuEinlesen());
}

void TLogForm::mnuStarthinweiseClick() {
    platform::IniDatei ini = Einstellungen();
    core::StarthinweiseSchreiben(ini, mnuStarthinweise->isChecked());
}

void TLogForm::mnuProgramminfoClick() {
    if (LogFormInfo) {
        LogFormInfo->exec();
        activateWindow();
    }
}

void TLogForm::mnuVerCheckClick() {
    if (LogUpdate) {
        LogUpdate->exec();
        activateWindow();
    }
}

void TLogForm::ToolButton4Click() {
    HinweisTimer->start();
}

void TLogForm::HinweisTimerTimer() {
    HinweisTimer->stop();
    if (StartInfoForm) {
        StartInfoForm->exec();
        activateWindow();
    }
}

void TLogForm::FormActivate() {
    dialogs::HinweiseAufbauen(HinweisTitel, HinweisTexte, kontest.Ini.FDmanagerName);
    if (mnuStarthinweise->isChecked())
        HinweisTimer->start();
}

void TLogForm::TabbedNotebook1Enter() {
    if (Bandauswahl->currentText().isEmpty())
        Bandauswahl->setEditText(Bandauswahl->itemText(0));
    FokusAuf(CallMaskEdit);
}

void TLogForm::TabbedNotebook1Click() {
    if (TabbedNotebook1->currentIndex() == 0)
        FokusAuf(CallMaskEdit);
}

// ---------------------------------------------------------------------------------------------
// The QSO list

// The list in front puts the keyboard on its newest row, where a correction is most often due.
void TLogForm::TabbedNotebook1Change(int seite) {
    if (seite != 1)
        return;
    QsoGrid->setCurrentIndex(QsoModell->index(0, 0));
    QsoGrid->selectRow(0);
}

void TLogForm::QsoGridDblClick(const QModelIndex& index) {
    if (index.isValid())
        QsoBearbeiten(index.row());
}

void TLogForm::QsoGridKeyDown(int taste) {
    const QModelIndex zeile = QsoGrid->currentIndex();
    if (!zeile.isValid())
        return;
    if (taste == 13)
        QsoBearbeiten(zeile.row());
    else if (taste == 46)
        QsoLoeschen(zeile.row());
}

void TLogForm::QsoBearbeiten(int zeile) {
    const int qso = QsoModell->QsoIndex(zeile);
    if (qso < 0)
        return; // the empty row of an empty log
    dialogs::TQsoBearbeitenDlg dlg(kontest, qso, this);
    dlg.exec();
    activateWindow();
    if (dlg.Ergebnis() != dialogs::TQsoBearbeitenDlg::Ausgang::Abgebrochen)
        ZeigeKorrektur(dlg.Korrektur(), zeile);
}

void TLogForm::QsoLoeschen(int zeile) {
    const int qso = QsoModell->QsoIndex(zeile);
    if (qso < 0)
        return;
    const std::optional<core::Kontest::Korrektur> k = dialogs::QsoLoeschenNachFrage(kontest, qso);
    if (k && k->ok)
        ZeigeKorrektur(*k, zeile);
}

void TLogForm::ZeigeKorrektur(const core::Kontest::Korrektur& k, int zeile) {
    ZeigeAnzahl();
    ZeigeAuswertung(k.auswertung);
    // The keyboard stays on the row, after a deletion on the one that took its place.
    const int r = std::min(zeile, QsoModell->rowCount() - 1);
    QsoGrid->setCurrentIndex(QsoModell->index(r, 0));
    QsoGrid->selectRow(r);
}

// ---------------------------------------------------------------------------------------------
// Closing

QString TLogForm::AusstehendFrage(qsizetype anzahl) {
    const QString wer = anzahl == 1
                            ? QStringLiteral("Ein QSO ist noch nicht in LOG.TXT gespeichert (rot "
                                             "in der QSO-Liste) und geht")
                            : QStringLiteral("%1 QSOs sind noch nicht in LOG.TXT gespeichert (rot "
                                             "in der QSO-Liste) und gehen")
                                  .arg(anzahl);
    return wer + QStringLiteral(" beim Beenden verloren.\r\n"
                                "Programm offen lassen, um den Fehler zu beheben?");
}

void TLogForm::closeEvent(QCloseEvent* ereignis) {
    // Stays open if Log.ini cannot be written: the error goes to the handler of unexpected
    // errors with the event still refused.
    ereignis->ignore();
    // QSOs that could not be written get one more try; what is still not on the disk would be
    // lost with the program, so the operator may keep it open and free the disk first.
    if (!kontest.AusstehendeSchreiben() &&
        platform::Meldungen::Instanz().Frage(AusstehendFrage(kontest.Ausstehend().size()),
                                             platform::Knoepfe::JaNein) == platform::Knopf::Ja)
        return;
    platform::IniDatei ini = Einstellungen();
    core::LogformPositionSchreiben(ini, kontest.Ini, x(), y());
    core::UtcSchreiben(ini, kontest.Ini.ZeitmodusUTC);
    if (SuchForm)
        SuchForm->Schliessen();
    ereignis->accept();
    QMainWindow::closeEvent(ereignis);
}

} // namespace app
