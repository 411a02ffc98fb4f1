#include "app/TLogForm.h"

#include "core/LogDatei.h"
#include "core/QsoListe.h"
#include "dialogs/Hinweise.h"
#include "dialogs/TLogFormInfo.h"
#include "dialogs/TStartInfoForm.h"
#include "dialogs/TStationsangabenDlg.h"
#include "export/Exporte.h"
#include "platform/Fehler.h"
#include "platform/Meldungen.h"
#include "platform/Pfade.h"
#include "platform/ProfilDatei.h"
#include "platform/Shell.h"
#include "platform/Uhr.h"
#include "platform/Version.h"
#include "platform/Zeitzone.h"
#include "scoring/Multiauswertung.h"
#include "search/TSuchForm.h"
#include "widgets/DatumEdit.h"
#include "widgets/MaskEdit.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <cmath>

namespace app {
namespace {

QFont Schrift(const QString& familie, int pixel, bool fett = false) {
    QFont f(familie);
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

QLabel* Beschriftung(QWidget* eltern, const QString& text, QRect lage, const QFont& schrift) {
    auto* l = new QLabel(text, eltern);
    l->setGeometry(lage);
    l->setFont(schrift);
    return l;
}

platform::IniDatei Einstellungen() {
    return platform::IniDatei(platform::EinstellungsDatei());
}

// Hints of the window's controls stay 15 seconds.
constexpr int HinweisDauer = 15000;

const QString HinweisDokFeld =
    QStringLiteral("Bei Sonder-DOKs bitte den Betreiber-DOK verwenden.\r\nz.B: für CPU > Z22, oder "
                   "25MR > K32 eintragen.");

} // namespace

TLogForm::TLogForm() {
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
    delete LogFormInfo;
    delete StationsangabenDlg;
    delete SuchForm;
    delete StartInfoForm;
    for (QObject* kind : findChildren<QObject*>())
        kind->disconnect(this);
}

// ---------------------------------------------------------------------------------------------
// Start-up

void TLogForm::FormCreate() {
    auto* flaeche = new QWidget(this);
    flaeche->setFixedSize(ClientBreite, ClientHoehe);
    setCentralWidget(flaeche);
    MenueAufbauen();
    WerkzeugleisteAufbauen(flaeche);
    TabbedNotebook1 = new QTabWidget(flaeche);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->setGeometry(0, 29, ClientBreite, ClientHoehe - 29 - 20);
    auto* eingabe = new QWidget;
    auto* liste = new QWidget;
    TabbedNotebook1->addTab(eingabe, QStringLiteral("&Dateneingabe"));
    TabbedNotebook1->addTab(liste, QStringLiteral("QSO-&Liste"));
    EingabeseiteAufbauen(eingabe);
    ListenseiteAufbauen(liste);
    StatusleisteAufbauen(flaeche);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    UhrTimer1 = new QTimer(this);
    UhrTimer1->setInterval(1000);
    connect(UhrTimer1, &QTimer::timeout, this, &TLogForm::UhrTimer1Timer);
    SuchTimer = new QTimer(this);
    SuchTimer->setInterval(500);
    HinweisTimer = new QTimer(this);
    HinweisTimer->setInterval(500);
    HinweisTimer->setSingleShot(true);
    connect(HinweisTimer, &QTimer::timeout, this, &TLogForm::HinweisTimerTimer);

    // 2. the search state starts idle (the search window resets its own counters).
    SuchTimer->stop();

    // 3. the settings
    const HauptfensterLage lage{x(), y(), frameGeometry().width()};
    const StartEinstellungen e =
        EinstellungenLesen(Einstellungen(), lage, QString::fromLatin1(platform::DateiVersion));
    Ini = e.record;
    Trace = e.trace;
    mnuStarthinweise->setChecked(e.starthinweise);

    // 4. the stored position
    move(Ini.LogformLeft, Ini.LogformTop);

    // 5. the special lists from the program's directory
    HinweisTitel.clear();
    HinweisTexte.clear();
    scoring::SonderListenStartLaden(Sonderlisten, platform::ProgrammVerzeichnis());

    // 6. the entry page in front, counters and displays
    TabbedNotebook1->setCurrentIndex(0);
    QsoNummer = 1;
    QSONrOutLabel1->setText(Ini.FDmanagerDOK);
    Bandauswahl->setEditText(QStringLiteral("2"));

    // 7. the columns of the log exist empty (Log); 8. the mode of the ticked item
    Log.Leeren();
    if (SSB1->isChecked())
        SetModeSSB();
    else if (CW1->isChecked())
        SetModeCW();
    else if (FM1->isChecked())
        SetModeFM();

    // 9. the title
    setWindowTitle(StartTitel());

    // 10. the clock
    UhrStarten();

    // 11. the log
    const LogLadeErgebnis geladen = LogDateiLesen(QString::fromLatin1(LogDateiName), Log);
    QsoNummer = geladen.anzahl;
    if (geladen.bandGelesen)
        Bandauswahl->setEditText(geladen.letztesBand);
    for (const QString& m : geladen.meldungen)
        platform::Meldungen::Instanz().Zeige(m);
    Doppelte.Aufbauen(Log.SpalteCall);

    // 12. - 15.
    QsoModell->FillQsoGrid();
    pnlQsoAnzahl->setText(QStringLiteral("QSO Anzahl: ") + QString::number(QsoNummer));
    Multiauswertung();
    ++QsoNummer;

    // 16. Enter as Tab, and the focus handlers of the entry mask
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &TLogForm::FokusGeaendert);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TLogForm::FensterAktiviert);
    // The callsign field is the first control: its entry handler runs when the window first
    // gives it the focus.
    CallMaskEdit->setFocus();
}

QString TLogForm::StartTitel() const {
    return Ini.Kontestbezeichnung + QStringLiteral(" / ") + Ini.Stationscall +
           QStringLiteral(" -") + QStringLiteral("Tarvex");
}

void TLogForm::FensterErzeugen() {
    StartInfoForm = new dialogs::TStartInfoForm(
        HinweisTitel, HinweisTexte, [this](bool an) { mnuStarthinweise->setChecked(an); }, this);
    SuchForm = new suche::TSuchForm(Ini, Log, this, CallMaskEdit, SuchTimer, AutomatischeSuche1);
    StationsangabenDlg = new dialogs::TStationsangabenDlg(
        Ini,
        [this] {
            QSONrOutLabel1->setText(Ini.FDmanagerDOK);
            setWindowTitle(dialogs::TitelNachSpeichern(Ini, SSB1->isChecked()));
        },
        this);
    LogFormInfo = new dialogs::TLogFormInfo(this);
}

void TLogForm::MenueAufbauen() {
    auto* leiste = menuBar();
    auto* datei = leiste->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("Hallo1"));
    auto neu = [this](QMenu* menu, const char* name, const QString& text,
                      void (TLogForm::*handler)()) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (handler)
            connect(a, &QAction::triggered, this, handler);
        return a;
    };
    NeuKontest =
        neu(datei, "NeuKontest", QStringLiteral("&Neuer Kontest"), &TLogForm::NeuKontestClick);
    mnuSTF = neu(datei, "mnuSTF", QStringLiteral("STF Export"), &TLogForm::mnuSTFClick);
    mnuADIF = neu(datei, "mnuADIF", QStringLiteral("ADIF Export"), &TLogForm::mnuADIFClick);
    mnuPDF = neu(datei, "mnuPDF", QStringLiteral("Auswertung in PDF"), nullptr);
    mnuDrucken = neu(datei, "mnuDrucken", QStringLiteral("&Drucke Papier"), nullptr);
    mnuEnde = neu(datei, "mnuEnde", QStringLiteral("&Ende"), &TLogForm::mnuEndeClick);

    auto* einst = leiste->addMenu(QStringLiteral("Einstellungen"));
    einst->setObjectName(QStringLiteral("Einstellungen1"));
    Stationsangaben1 = neu(einst, "Stationsangaben1", QStringLiteral("Stationsangaben"),
                           &TLogForm::Stationsangaben1Click);
    mnuSonderstationen =
        neu(einst, "mnuSonderstationen", QStringLiteral("Sonderstationsliste pflegen"),
            &TLogForm::mnuSonderstationenClick);
    mnuSonderDOKliste = neu(einst, "mnuSonderDOKliste", QStringLiteral("Sonder-DOK-Liste pflegen"),
                            &TLogForm::mnuSonderDOKlisteClick);
    mnuListenNeuEinlesen =
        neu(einst, "mnuListenNeuEinlesen", QStringLiteral("Sonderlisten neu einlesen"),
            &TLogForm::mnuListenNeuEinlesenClick);
    mnuOfflineerfassung =
        neu(einst, "mnuOfflineerfassung", QStringLiteral("Erfassung nach Kontest"),
            &TLogForm::mnuOfflineerfassungClick);
    mnuOfflineerfassung->setCheckable(true);
    auto* uhr = einst->addMenu(QStringLiteral("Uhrzeit"));
    uhr->setObjectName(QStringLiteral("mnuUhrdifferenz"));
    auto* uhrGruppe = new QActionGroup(this);
    mnuUhrUTC = neu(uhr, "mnuUhrUTC", QStringLiteral("UTC"), &TLogForm::mnuUhrUTCClick);
    mnuLokalzeit =
        neu(uhr, "mnuLokalzeit", QStringLiteral("Lokalzeit"), &TLogForm::mnuLokalzeitClick);
    for (QAction* a : {mnuUhrUTC, mnuLokalzeit}) {
        a->setCheckable(true);
        uhrGruppe->addAction(a);
    }
    einst->addSeparator()->setObjectName(QStringLiteral("N1"));
    modeGruppe_ = new QActionGroup(this);
    const std::pair<QAction**, Betriebsart> modi[] = {
        {&CW1, Betriebsart::CW},   {&SSB1, Betriebsart::SSB},   {&FM1, Betriebsart::FM},
        {&PSK1, Betriebsart::PSK}, {&RTTY1, Betriebsart::RTTY}, {&SSTV1, Betriebsart::SSTV}};
    for (const auto& [ziel, art] : modi) {
        const char* text = Daten(art).menu;
        QAction* a = einst->addAction(QString::fromLatin1(text));
        a->setObjectName(QString::fromLatin1(text) + u'1');
        a->setCheckable(true);
        modeGruppe_->addAction(a);
        connect(a, &QAction::triggered, this, [this, art = art] { WaehleBetriebsart(art); });
        *ziel = a;
    }
    SSB1->setChecked(true);

    auto* fenster = leiste->addMenu(QStringLiteral("Fenster"));
    fenster->setObjectName(QStringLiteral("Fenster1"));
    AutomatischeSuche1 = fenster->addAction(QStringLiteral("Automatische Suche"));
    AutomatischeSuche1->setObjectName(QStringLiteral("AutomatischeSuche1"));
    AutomatischeSuche1->setCheckable(true);
    AutomatischeSuche1->setChecked(true);

    auto* info = leiste->addMenu(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("mnuInfo"));
    mnuProgramminfo = neu(info, "mnuProgramminfo", QStringLiteral("Programminfo"),
                          &TLogForm::mnuProgramminfoClick);
    mnuVerCheck = neu(info, "mnuVerCheck", QStringLiteral("Versionsprüfung"), nullptr);
    mnuStarthinweise = neu(info, "mnuStarthinweise", QStringLiteral("Starthinweise anzeigen"),
                           &TLogForm::mnuStarthinweiseClick);
    mnuStarthinweise->setCheckable(true);
}

void TLogForm::WerkzeugleisteAufbauen(QWidget* flaeche) {
    auto* leiste = new QFrame(flaeche);
    leiste->setObjectName(QStringLiteral("ToolBar1"));
    leiste->setGeometry(0, 0, ClientBreite, 29);
    struct Knopf {
        QToolButton** ziel;
        const char* name;
        const char* hinweis;
        QStyle::StandardPixmap bild;
    };
    const Knopf knoepfe[] = {
        {&ToolButton1, "ToolButton1", "Logbuch Druck mit Vorschau",
         QStyle::SP_FileDialogDetailedView},
        {&ToolButton2, "ToolButton2", "Erzeuge LOG-Datei im \r\nPDF-Format für Auswerter",
         QStyle::SP_DriveFDIcon},
        {&ToolButton3, "ToolButton3", "Aktuellem Zeitversatz zu UTC abfragen",
         QStyle::SP_BrowserReload},
        {&ToolButton4, "ToolButton4", "Hinweise zum aktuellen Kontest",
         QStyle::SP_MessageBoxInformation},
    };
    int x = 2;
    for (const auto& k : knoepfe) {
        auto* b = new QToolButton(leiste);
        b->setObjectName(QString::fromLatin1(k.name));
        b->setGeometry(x, 2, 25, 25);
        b->setAutoRaise(true);
        b->setIcon(style()->standardIcon(k.bild));
        b->setToolTip(
            QString::fromUtf8(k.hinweis).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        b->setFocusPolicy(Qt::NoFocus);
        b->setToolTipDuration(HinweisDauer);
        *k.ziel = b;
        x += 27;
    }
    ToolButton1->setEnabled(false); // the printed log arrives with its own window
    ToolButton2->setEnabled(false); // the PDF evaluation likewise
    connect(ToolButton3, &QToolButton::clicked, this, &TLogForm::ToolButton3Click);
    connect(ToolButton4, &QToolButton::clicked, this, &TLogForm::ToolButton4Click);
    mnuPDF->setEnabled(false);
    mnuDrucken->setEnabled(false);
    mnuVerCheck->setEnabled(false);
}

void TLogForm::EingabeseiteAufbauen(QWidget* seite) {
    const QFont gross = Schrift(QStringLiteral("Arial"), 29, true);
    const QFont grossNormal = Schrift(QStringLiteral("Arial"), 29, false);
    Beschriftung(seite, QStringLiteral("Call"), {5, 32, 53, 34}, gross);
    CallMaskEdit = new TMaskEdit(seite);
    CallMaskEdit->setObjectName(QStringLiteral("CallMaskEdit"));
    CallMaskEdit->setGeometry(65, 29, 235, 41);
    CallMaskEdit->setFont(gross);
    CallMaskEdit->SetzeMaxLaenge(13);
    CallMaskEdit->SetzeGrossbuchstaben(true);

    Beschriftung(seite, QStringLiteral("Band"), {320, 32, 72, 34}, gross);
    Bandauswahl = new QComboBox(seite);
    Bandauswahl->setObjectName(QStringLiteral("Bandauswahl"));
    Bandauswahl->setEditable(true);
    Bandauswahl->addItems(BandListe);
    Bandauswahl->setInsertPolicy(QComboBox::NoInsert);
    Bandauswahl->setGeometry(400, 29, 82, 41);
    Bandauswahl->setFont(grossNormal);
    Bandauswahl->setStyleSheet(QStringLiteral("QComboBox { background: silver; }"));
    // At most three characters can be typed, so "0.70" comes only from the list; the program's
    // own texts (the band of the last QSO loaded) are not cut.
    connect(Bandauswahl->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.size() > 3) {
            const int cursor = Bandauswahl->lineEdit()->cursorPosition();
            Bandauswahl->lineEdit()->setText(bandVorher_);
            Bandauswahl->lineEdit()->setCursorPosition(std::min(cursor - 1, 3));
        } else {
            bandVorher_ = text;
        }
    });
    connect(Bandauswahl, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { bandVorher_ = text; });

    ZeitEdit1 = new TMaskEdit(seite);
    ZeitEdit1->setObjectName(QStringLiteral("ZeitEdit1"));
    ZeitEdit1->SetzeMaske(QStringLiteral("!90:00;1; "));
    ZeitEdit1->SetzeText(QStringLiteral("00:00"));
    ZeitEdit1->setGeometry(501, 29, 88, 41);
    ZeitEdit1->setFont(gross);
    ZeitEdit1->setStyleSheet(QStringLiteral("background: aqua;"));
    lblZeitmode = Beschriftung(seite, QStringLiteral("??"), {591, 38, 16, 17},
                               Schrift(QStringLiteral("Arial"), 15));
    lblZeitmode->setObjectName(QStringLiteral("lblZeitmode"));
    lblZeitmode->setMinimumWidth(40);
    lblZeitmode->resize(40, 17);

    auto* linie = new QFrame(seite);
    linie->setGeometry(6, 81, 595, 4);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);

    Beschriftung(seite, QStringLiteral("RST gegeben"), {12, 108, 186, 34}, gross);
    RSToutMaskEdit = new TMaskEdit(seite);
    RSToutMaskEdit->setObjectName(QStringLiteral("RSToutMaskEdit"));
    RSToutMaskEdit->setGeometry(213, 105, 58, 41);
    RSToutMaskEdit->setFont(gross);
    RSToutMaskEdit->SetzeGrossbuchstaben(true);
    lblMode = Beschriftung(seite, QStringLiteral("SSB "), {279, 113, 44, 22},
                           Schrift(QStringLiteral("Verdana"), 16));
    lblMode->setObjectName(QStringLiteral("lblMode"));
    lblMode->setFrameStyle(QFrame::Panel | QFrame::Raised);
    lblMode->setAlignment(Qt::AlignCenter);
    lblMode->setCursor(Qt::PointingHandCursor);
    lblMode->installEventFilter(this);
    Beschriftung(seite, QStringLiteral("DOK >>"), {336, 108, 106, 34}, gross);
    QSONrOutLabel1 = Beschriftung(seite, QString(), {462, 108, 163, 34}, gross);
    QSONrOutLabel1->setObjectName(QStringLiteral("QSONrOutLabel1"));

    Beschriftung(seite, QStringLiteral("RST erhalten"), {12, 155, 179, 34}, gross);
    RSTinMaskEdit = new TMaskEdit(seite);
    RSTinMaskEdit->setObjectName(QStringLiteral("RSTinMaskEdit"));
    RSTinMaskEdit->setGeometry(213, 153, 58, 41);
    RSTinMaskEdit->setFont(gross);
    Beschriftung(seite, QStringLiteral("DOK <<"), {336, 155, 106, 34}, gross);
    QSONrInMaskEdit = new TMaskEdit(seite);
    QSONrInMaskEdit->setObjectName(QStringLiteral("QSONrInMaskEdit"));
    QSONrInMaskEdit->SetzeMaske(QStringLiteral(">cccccccc;1;_"));
    QSONrInMaskEdit->setGeometry(462, 153, 161, 41);
    QSONrInMaskEdit->setFont(gross);
    // Kept with the field, but not shown as a tool tip.
    QSONrInMaskEdit->setAccessibleDescription(HinweisDokFeld);

    Beschriftung(seite, QStringLiteral("Bemerkung "), {12, 201, 167, 34}, gross);
    BemerkungEdit = new TMaskEdit(seite);
    BemerkungEdit->setObjectName(QStringLiteral("BemerkungEdit"));
    BemerkungEdit->setGeometry(213, 201, 412, 41);
    BemerkungEdit->setFont(grossNormal);
    BemerkungEdit->SetzeMaxLaenge(27);

    SpeichernButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                                      QStringLiteral("Speichern"), seite);
    SpeichernButton->setObjectName(QStringLiteral("SpeichernButton"));
    SpeichernButton->setGeometry(9, 279, 109, 33);
    SpeichernButton->setEnabled(false);
    SpeichernButton->setAutoDefault(false);
    connect(SpeichernButton, &QPushButton::clicked, this, &TLogForm::SpeichernButtonClick);
    VerwerfenButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                      QStringLiteral("Verwerfen"), seite);
    VerwerfenButton->setObjectName(QStringLiteral("VerwerfenButton"));
    VerwerfenButton->setGeometry(135, 279, 109, 33);
    VerwerfenButton->setEnabled(false);
    VerwerfenButton->setAutoDefault(false);
    connect(VerwerfenButton, &QPushButton::clicked, this, &TLogForm::VerwerfenButtonClick);

    lblOfflineDatum =
        new QLabel(QStringLiteral("Modus: Erfassung nach dem Kontest - Kontestdatum:"), seite);
    lblOfflineDatum->setObjectName(QStringLiteral("lblOfflineDatum"));
    lblOfflineDatum->setGeometry(120, 7, 343, 16);
    lblOfflineDatum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblOfflineDatum->hide();
    edtOfflineDatum = new TDatumEdit(seite);
    edtOfflineDatum->setObjectName(QStringLiteral("edtOfflineDatum"));
    edtOfflineDatum->setGeometry(468, 3, 121, 24);
    edtOfflineDatum->hide();

    for (QWidget* w : std::initializer_list<QWidget*>{
             CallMaskEdit, RSToutMaskEdit, RSTinMaskEdit, QSONrInMaskEdit, SpeichernButton,
             VerwerfenButton, Bandauswahl, BemerkungEdit, ZeitEdit1, edtOfflineDatum})
        w->setFocusPolicy(Qt::StrongFocus);
    SetzeTabReihenfolge(false);
    connect(CallMaskEdit, &QLineEdit::textChanged, this, &TLogForm::CallMaskEditChange);
}

void TLogForm::ListenseiteAufbauen(QWidget* seite) {
    QsoListeTitel = new QLabel(QStringLiteral("Liste der letzten 100 QSO´s"), seite);
    QsoListeTitel->setObjectName(QStringLiteral("QsoListeTitel"));
    QsoListeTitel->setFont(Schrift(QStringLiteral("Arial"), 21, true));
    QsoListeTitel->setGeometry(8, 4, 400, 28);
    QsoModell = new QsoListenModell(Log, this);
    QsoGrid = new QTableView(seite);
    QsoGrid->setObjectName(QStringLiteral("QsoGrid"));
    QsoGrid->setModel(QsoModell);
    QsoGrid->setGeometry(4, 34, ClientBreite - 14, ClientHoehe - 29 - 20 - 34 - 34);
    QsoGrid->setFont(Schrift(QStringLiteral("Arial"), 13, true));
    QsoGrid->setStyleSheet(QStringLiteral("QTableView { background: white; }"));
    QsoGrid->verticalHeader()->hide();
    QsoGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QsoGrid->verticalHeader()->setDefaultSectionSize(16);
    QsoGrid->horizontalHeader()->setFont(Schrift(QStringLiteral("Arial"), 13, true));
    QsoGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QsoGrid->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < QsoModell->columnCount(); ++c)
        QsoGrid->setColumnWidth(c, QsoListenModell::SpaltenBreite(c));
    QsoGrid->setShowGrid(true);
    QsoGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    QsoGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    QsoGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QsoGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QsoGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QsoGrid->setTextElideMode(Qt::ElideNone);
    QsoGrid->setWordWrap(false);
    QsoGrid->setFocusPolicy(Qt::NoFocus);
    QsoGrid->setTabKeyNavigation(false);
    connect(TabbedNotebook1, &QTabWidget::tabBarClicked, this,
            [this] { QTimer::singleShot(0, this, &TLogForm::TabbedNotebook1Click); });
}

void TLogForm::StatusleisteAufbauen(QWidget* flaeche) {
    struct Feld {
        QLabel** ziel;
        const char* name;
        int left, breite;
        const char* text;
    };
    const Feld felder[] = {{&Panel2, "Panel2", 3, 134, "Panel2"},
                           {&Panel3, "Panel3", 138, 135, "Panel3"},
                           {&pnlQsoAnzahl, "pnlQsoAnzahl", 273, 140, "QSO Anzahl: "},
                           {&pnlQsoPunkte, "pnlQsoPunkte", 415, 218, "Qso Punkte: "}};
    for (const auto& f : felder) {
        auto* l = new QLabel(QString::fromLatin1(f.text), flaeche);
        l->setObjectName(QString::fromLatin1(f.name));
        l->setGeometry(f.left, ClientHoehe - 20, f.breite, 20);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setIndent(3);
        *f.ziel = l;
    }
}

void TLogForm::SetzeTabReihenfolge(bool nachKontest) {
    const std::vector<QWidget*> live = {
        CallMaskEdit,    RSToutMaskEdit, RSTinMaskEdit, QSONrInMaskEdit, SpeichernButton,
        VerwerfenButton, Bandauswahl,    BemerkungEdit, ZeitEdit1,       edtOfflineDatum};
    const std::vector<QWidget*> danach = {
        CallMaskEdit,    Bandauswahl,   ZeitEdit1,       RSToutMaskEdit,  RSTinMaskEdit,
        QSONrInMaskEdit, BemerkungEdit, SpeichernButton, VerwerfenButton, edtOfflineDatum};
    const auto& reihe = nachKontest ? danach : live;
    for (size_t i = 0; i + 1 < reihe.size(); ++i)
        QWidget::setTabOrder(reihe[i], reihe[i + 1]);
}

// ---------------------------------------------------------------------------------------------
// Focus: the leave and enter handlers of the entry mask run in their order through this one
// dispatcher; a handler that refuses puts the focus back without the next field's handler.

bool TLogForm::IstMaskenFeld(const QObject* o) const {
    return o && (o == CallMaskEdit || o == RSToutMaskEdit || o == RSTinMaskEdit ||
                 o == QSONrInMaskEdit || o == ZeitEdit1);
}

void TLogForm::FokusGeaendert(QWidget* /*alt*/, QWidget* neu) {
    if (imWechsel_ || !neu || neu->window() != this)
        return;
    if (neu == aktivesFeld_)
        return;
    Wechsel(aktivesFeld_, neu);
}

void TLogForm::FokusStill(QWidget* feld) {
    const bool war = imWechsel_;
    imWechsel_ = true;
    if (feld && feld->isVisible() && feld->isEnabled())
        feld->setFocus(Qt::OtherFocusReason);
    imWechsel_ = war;
}

void TLogForm::FokusAuf(QWidget* ziel) {
    if (!ziel)
        return;
    if (imWechsel_) {
        vorgemerkt_ = ziel; // the dispatcher takes it up when the running handler returns
        return;
    }
    if (ziel == aktivesFeld_) {
        FokusStill(ziel);
        return;
    }
    Wechsel(aktivesFeld_, ziel);
}

void TLogForm::Wechsel(QWidget* von, QWidget* nach) {
    imWechsel_ = true;
    for (int schritte = 0; nach && schritte < 8; ++schritte) {
        if (von == nach) {
            FokusStill(nach);
            break;
        }
        if (auto* maske = qobject_cast<TMaskEdit*>(von)) {
            if (!maske->VerlassenPruefen()) {
                verlassenAbgelehnt_ = true;
                FokusStill(von);
                break;
            }
        }
        vorgemerkt_ = nullptr;
        const bool erlaubt = VerlassenHandler(von);
        if (!erlaubt || (vorgemerkt_ && vorgemerkt_ == von)) {
            vorgemerkt_ = nullptr;
            verlassenAbgelehnt_ = true;
            FokusStill(von);
            break;
        }
        verlassenAbgelehnt_ = false;
        aktivesFeld_ = nach;
        FokusStill(nach);
        if (auto* maske = qobject_cast<TMaskEdit*>(nach))
            maske->MerkeStand();
        vorgemerkt_ = nullptr;
        BetretenHandler(nach);
        if (!vorgemerkt_ || vorgemerkt_ == nach)
            break;
        von = nach;
        nach = vorgemerkt_;
        vorgemerkt_ = nullptr;
    }
    vorgemerkt_ = nullptr;
    imWechsel_ = false;
}

bool TLogForm::VerlassenHandler(QWidget* feld) {
    if (feld == CallMaskEdit)
        CallMaskEditExit();
    else if (feld == RSToutMaskEdit)
        return RSToutMaskEditExit();
    else if (feld == RSTinMaskEdit)
        RSTinMaskEditExit();
    else if (feld == Bandauswahl)
        BandauswahlExit();
    return true;
}

void TLogForm::BetretenHandler(QWidget* feld) {
    if (feld == CallMaskEdit)
        CallMaskEditEnter();
    else if (feld == RSToutMaskEdit)
        RSToutMaskEditEnter();
    else if (feld == RSTinMaskEdit)
        RSTinMaskEditEnter();
    else if (feld == QSONrInMaskEdit || feld == ZeitEdit1)
        QSONrInMaskEditEnter();
    else if (feld == BemerkungEdit)
        BemerkungEditEnter();
    else if (feld == TabbedNotebook1 || feld == TabbedNotebook1->tabBar())
        TabbedNotebook1Enter();
}

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
// Keys: Enter becomes Tab in the masked fields, presses the default button elsewhere.

bool TLogForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == lblMode && ereignis->type() == QEvent::MouseButtonRelease) {
        if (lblMode->isEnabled())
            lblModeClick();
        return true;
    }
    if (ereignis->type() == QEvent::KeyPress)
        return AppMessage(objekt, static_cast<QKeyEvent*>(ereignis));
    return QMainWindow::eventFilter(objekt, ereignis);
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
    if (!enter)
        return false;
    if (IstMaskenFeld(widget) && !EnterSperre) {
        auto* tab = new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, taste->modifiers());
        QCoreApplication::postEvent(widget, tab);
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
    }
    if (abgewiesen) {
        SpeichernButton->setEnabled(false);
        VerwerfenButton->setEnabled(false);
        FokusAuf(CallMaskEdit);
    }
    return !abgewiesen;
}

void TLogForm::RapportBetreten(TMaskEdit* feld) {
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
    const int grenze = Daten(AktuelleBetriebsart()).grenze;
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
    if (!BandGueltig(Bandauswahl->currentText()))
        Bandauswahl->setEditText(QStringLiteral("2"));
}

void TLogForm::VerwerfenButtonClick() {
    if (verlassenAbgelehnt_ && sender() == VerwerfenButton)
        return;
    SpeichernButton->setEnabled(false);
    VerwerfenButton->setEnabled(false);
    CallMaskEdit->SetzeText(QString());
    QSONrInMaskEdit->SetzeText(QString());
    BemerkungEdit->SetzeText(QString());
    ModeNeuAnwenden();
    FokusAuf(CallMaskEdit);
}

bool TLogForm::PruefeDoppelQso(const QString& call) {
    if (!PruefeRufzeichen(call)) {
        EnterSperre = true;
        platform::Meldungen::Instanz().Zeige(QStringLiteral("Ungültiges Rufzeichen"));
        EnterSperre = false;
        return true;
    }
    if (Doppelte.Gearbeitet(call)) {
        EnterSperre = true;
        platform::Meldungen::Instanz().Zeige(QStringLiteral("STOP - heute schon gearbeitet"));
        EnterSperre = false;
        return true;
    }
    return false;
}

void TLogForm::SpeichernButtonClick() {
    // A click whose focus move the field refused (an invalid report) does not save.
    if (SpeichernButton->isEnabled() && !verlassenAbgelehnt_)
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
    QsoWerte q;
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
    q.Mode = ModeText(lblMode->text());
    q.Bemerkung = BemerkungEdit->Text();

    // 1. columns (QsoNummer is now the number of QSOs), 2. list, 3. file
    Log.Anhaengen(q);
    Doppelte.Hinzufuegen(q.Call);
    QsoModell->AddQsoToGrid();
    const LogSchreibErgebnis geschrieben =
        LogZeileSchreiben(QString::fromLatin1(LogDateiName), Log);
    if (!geschrieben.meldung.isEmpty())
        platform::Meldungen::Instanz().Zeige(geschrieben.meldung);
    // 4. - 8.
    pnlQsoAnzahl->setText(QStringLiteral("QSO Anzahl: ") + QString::number(QsoNummer));
    Multiauswertung();
    ++QsoNummer;
    QSONrOutLabel1->setText(Ini.FDmanagerDOK);
    VerwerfenButtonClick();
}

// ---------------------------------------------------------------------------------------------
// Modes and bands

Betriebsart TLogForm::AktuelleBetriebsart() const {
    const std::pair<QAction*, Betriebsart> reihe[] = {
        {SSB1, Betriebsart::SSB}, {CW1, Betriebsart::CW},     {FM1, Betriebsart::FM},
        {PSK1, Betriebsart::PSK}, {RTTY1, Betriebsart::RTTY}, {SSTV1, Betriebsart::SSTV}};
    for (const auto& [a, art] : reihe)
        if (a->isChecked())
            return art;
    return Betriebsart::SSB;
}

void TLogForm::ModeAnwenden(Betriebsart art) {
    const BetriebsartDaten& d = Daten(art);
    RSTinMaskEdit->SetzeMaske(QString::fromLatin1(d.maske));
    RSTinMaskEdit->SetzeText(QString::fromLatin1(d.rapport));
    RSToutMaskEdit->SetzeMaske(QString::fromLatin1(d.maske));
    RSToutMaskEdit->SetzeText(QString::fromLatin1(d.rapport));
    lblMode->setText(QString::fromLatin1(d.label));
}

void TLogForm::SetModeSSB() {
    ModeAnwenden(Betriebsart::SSB);
}
void TLogForm::SetModeCW() {
    ModeAnwenden(Betriebsart::CW);
}
void TLogForm::SetModeFM() {
    ModeAnwenden(Betriebsart::FM);
}
void TLogForm::SetModePSK() {
    ModeAnwenden(Betriebsart::PSK);
}
void TLogForm::SetModeRTTY() {
    ModeAnwenden(Betriebsart::RTTY);
}
void TLogForm::SetModeSSTV() {
    ModeAnwenden(Betriebsart::SSTV);
}

void TLogForm::ModeNeuAnwenden() {
    ModeAnwenden(AktuelleBetriebsart());
}

static QAction* ModeAktion(const TLogForm& f, Betriebsart art) {
    switch (art) {
    case Betriebsart::SSB:
        return f.SSB1;
    case Betriebsart::CW:
        return f.CW1;
    case Betriebsart::FM:
        return f.FM1;
    case Betriebsart::PSK:
        return f.PSK1;
    case Betriebsart::RTTY:
        return f.RTTY1;
    case Betriebsart::SSTV:
        return f.SSTV1;
    }
    return f.SSB1;
}

void TLogForm::WaehleBetriebsart(Betriebsart art) {
    ModeAktion(*this, art)->setChecked(true);
    ModeAnwenden(art);
}

void TLogForm::lblModeClick() {
    lblMode->setEnabled(false);
    const Betriebsart neu = NaechsteImKreis(AktuelleBetriebsart());
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
    if (Ini.ZeitmodusUTC) {
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
    Ini.ZeitmodusUTC = true;
    lblZeitmode->setText(QStringLiteral("UTC"));
    if (!ErfassungNachKontest())
        ZeitEdit1->SetzeText(ZeitText());
    GemerkterUhrText = ZeitEdit1->Text();
}

void TLogForm::mnuLokalzeitClick() {
    Zeitversatz = 0.0;
    mnuLokalzeit->setChecked(true);
    Ini.ZeitmodusUTC = false;
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
// Evaluation, lists, exports, windows

void TLogForm::Multiauswertung() {
    const scoring::Auswertung a = scoring::Multiauswertung(Log, Ini, Sonderlisten);
    if (a.DistriktskennerUngueltig)
        platform::Meldungen::Instanz().Zeige(QStringLiteral("Ungültiger Distriktskenner"));
    Panel3->setText(scoring::MultisText(a));
    pnlQsoPunkte->setText(scoring::PunkteText(a));
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

void TLogForm::mnuSTFClick() {
    const exporte::ExportErgebnis r = exporte::StfExport(
        QString::fromLatin1(LogDateiName), platform::ProgrammDatei(QStringLiteral("LOG.STF")), Ini,
        QsoNummer, Panel3->text(), pnlQsoPunkte->text(),
        QString::fromLatin1(platform::DateiVersion), platform::Uhr::Instanz().Jetzt());
    if (r.geschrieben)
        platform::Meldungen::Instanz().Zeige(r.meldung);
}

void TLogForm::mnuADIFClick() {
    const exporte::ExportErgebnis r = exporte::AdifExport(
        QString::fromLatin1(LogDateiName), platform::ProgrammDatei(QStringLiteral("LOG.ADI")));
    if (r.geschrieben)
        platform::Meldungen::Instanz().Zeige(r.meldung);
}

void TLogForm::mnuSonderstationenClick() {
    platform::Shell::Instanz().OeffneDatei(
        platform::ProgrammDatei(QString::fromLatin1(scoring::SonderCallDatei)));
}

void TLogForm::mnuSonderDOKlisteClick() {
    platform::Shell::Instanz().OeffneDatei(
        platform::ProgrammDatei(QString::fromLatin1(scoring::SonderDokDatei)));
}

void TLogForm::mnuListenNeuEinlesenClick() {
    platform::Meldungen::Instanz().Zeige(
        scoring::SonderListenNeuEinlesen(Sonderlisten, platform::ProgrammVerzeichnis()));
}

void TLogForm::mnuStarthinweiseClick() {
    platform::IniDatei ini = Einstellungen();
    StarthinweiseSchreiben(ini, mnuStarthinweise->isChecked());
}

void TLogForm::mnuProgramminfoClick() {
    if (LogFormInfo) {
        LogFormInfo->exec();
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
    dialogs::HinweiseAufbauen(HinweisTitel, HinweisTexte, Ini.FDmanagerName);
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
// Closing

void TLogForm::closeEvent(QCloseEvent* ereignis) {
    // Stays open if Log.ini cannot be written: the error goes to the handler of unexpected
    // errors with the event still refused.
    ereignis->ignore();
    platform::IniDatei ini = Einstellungen();
    LogformPositionSchreiben(ini, Ini, x(), y());
    UtcSchreiben(ini, Ini.ZeitmodusUTC);
    if (SuchForm)
        SuchForm->Schliessen();
    ereignis->accept();
    QMainWindow::closeEvent(ereignis);
}

} // namespace app
