// The main window's controls as the builder lays them out: menu, toolbar, the two notebook pages
// and the status panels, with their names, captions, fonts and places. It builds and wires nothing
// of the window's behaviour; TLogForm connects the handlers.
#include "app/TLogFormUi.h"

#include "core/Betriebsart.h"
#include "core/QsoListe.h"
#include "widgets/BandAuswahl.h"
#include "widgets/DatumEdit.h"
#include "widgets/MaskEdit.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <vector>

namespace app {
namespace {

// Rows whose QSO is not on the disk yet are drawn in red until it is.
class AusstehendDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(core::QsoListenModell::AusstehendRolle).toBool()) {
            option->palette.setColor(QPalette::Text, Qt::red);
            option->palette.setColor(QPalette::HighlightedText, Qt::red);
        }
    }
};

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

// Hints of the window's controls stay 15 seconds.
constexpr int HinweisDauer = 15000;

const QString HinweisDokFeld =
    QStringLiteral("Bei Sonder-DOKs bitte den Betreiber-DOK verwenden.\r\nz.B: für CPU > Z22, oder "
                   "25MR > K32 eintragen.");

} // namespace

void TLogFormUi::setupUi(QMainWindow* fenster, core::QsoListenModell* modell) {
    auto* flaeche = new QWidget(fenster);
    flaeche->setFixedSize(ClientBreite, ClientHoehe);
    fenster->setCentralWidget(flaeche);
    MenueAufbauen(fenster);
    WerkzeugleisteAufbauen(flaeche);
    TabbedNotebook1 = new QTabWidget(flaeche);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->setGeometry(0, 29, ClientBreite, ClientHoehe - 29 - 20);
    auto* eingabe = new QWidget;
    auto* liste = new QWidget;
    TabbedNotebook1->addTab(eingabe, QStringLiteral("&Dateneingabe"));
    TabbedNotebook1->addTab(liste, QStringLiteral("QSO-&Liste"));
    EingabeseiteAufbauen(eingabe);
    ListenseiteAufbauen(liste, modell);
    StatusleisteAufbauen(flaeche);
    fenster->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TLogFormUi::MenueAufbauen(QMainWindow* fenster) {
    auto* leiste = fenster->menuBar();
    auto* datei = leiste->addMenu(QStringLiteral("&Datei"));
    Datei = datei;
    datei->setObjectName(QStringLiteral("Hallo1"));
    auto neu = [](QMenu* menu, const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    NeuKontest = neu(datei, "NeuKontest", QStringLiteral("&Neuer Kontest"));
    mnuSTF = neu(datei, "mnuSTF", QStringLiteral("STF Export"));
    mnuADIF = neu(datei, "mnuADIF", QStringLiteral("ADIF Export"));
    mnuPDF = neu(datei, "mnuPDF", QStringLiteral("Auswertung in PDF"));
    mnuDrucken = neu(datei, "mnuDrucken", QStringLiteral("&Drucke Papier"));
    mnuEnde = neu(datei, "mnuEnde", QStringLiteral("&Ende"));

    auto* einst = leiste->addMenu(QStringLiteral("Einstellungen"));
    einst->setObjectName(QStringLiteral("Einstellungen1"));
    Einstellungen1 = einst;
    Stationsangaben1 = neu(einst, "Stationsangaben1", QStringLiteral("Stationsangaben"));
    mnuSonderstationen =
        neu(einst, "mnuSonderstationen", QStringLiteral("Sonderstationsliste pflegen"));
    mnuSonderDOKliste = neu(einst, "mnuSonderDOKliste", QStringLiteral("Sonder-DOK-Liste pflegen"));
    mnuListenNeuEinlesen =
        neu(einst, "mnuListenNeuEinlesen", QStringLiteral("Sonderlisten neu einlesen"));
    mnuOfflineerfassung =
        neu(einst, "mnuOfflineerfassung", QStringLiteral("Erfassung nach Kontest"));
    mnuOfflineerfassung->setCheckable(true);
    mnuDokVorschlag = neu(einst, "mnuDokVorschlag", QStringLiteral("DOK-Vorschlag aus dem Archiv"));
    mnuDokVorschlag->setCheckable(true);
    mnuDokVorschlag->setChecked(true);
    // The item's tool tip tells how many stations the archive knows.
    einst->setToolTipsVisible(true);
    auto* uhr = einst->addMenu(QStringLiteral("Uhrzeit"));
    uhr->setObjectName(QStringLiteral("mnuUhrdifferenz"));
    auto* uhrGruppe = new QActionGroup(fenster);
    mnuUhrUTC = neu(uhr, "mnuUhrUTC", QStringLiteral("UTC"));
    mnuLokalzeit = neu(uhr, "mnuLokalzeit", QStringLiteral("Lokalzeit"));
    for (QAction* a : {mnuUhrUTC, mnuLokalzeit}) {
        a->setCheckable(true);
        uhrGruppe->addAction(a);
    }
    einst->addSeparator()->setObjectName(QStringLiteral("N1"));
    auto* modeGruppe = new QActionGroup(fenster);
    const std::pair<QAction**, core::Betriebsart> modi[] = {
        {&CW1, core::Betriebsart::CW},     {&SSB1, core::Betriebsart::SSB},
        {&FM1, core::Betriebsart::FM},     {&PSK1, core::Betriebsart::PSK},
        {&RTTY1, core::Betriebsart::RTTY}, {&SSTV1, core::Betriebsart::SSTV}};
    for (const auto& [ziel, art] : modi) {
        const char* text = core::Daten(art).menu;
        QAction* a = einst->addAction(QString::fromLatin1(text));
        a->setObjectName(QString::fromLatin1(text) + u'1');
        a->setCheckable(true);
        modeGruppe->addAction(a);
        *ziel = a;
    }
    SSB1->setChecked(true);

    auto* fensterMenue = leiste->addMenu(QStringLiteral("Fenster"));
    fensterMenue->setObjectName(QStringLiteral("Fenster1"));
    AutomatischeSuche1 = fensterMenue->addAction(QStringLiteral("Automatische Suche"));
    AutomatischeSuche1->setObjectName(QStringLiteral("AutomatischeSuche1"));
    AutomatischeSuche1->setCheckable(true);
    AutomatischeSuche1->setChecked(true);

    auto* info = leiste->addMenu(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("mnuInfo"));
    mnuProgramminfo = neu(info, "mnuProgramminfo", QStringLiteral("Programminfo"));
    mnuVerCheck = neu(info, "mnuVerCheck", QStringLiteral("Versionsprüfung"));
    mnuStarthinweise = neu(info, "mnuStarthinweise", QStringLiteral("Starthinweise anzeigen"));
    mnuStarthinweise->setCheckable(true);
}

void TLogFormUi::WerkzeugleisteAufbauen(QWidget* flaeche) {
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
        b->setIcon(flaeche->style()->standardIcon(k.bild));
        b->setToolTip(
            QString::fromUtf8(k.hinweis).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        b->setFocusPolicy(Qt::NoFocus);
        b->setToolTipDuration(HinweisDauer);
        *k.ziel = b;
        x += 27;
    }
}

void TLogFormUi::EingabeseiteAufbauen(QWidget* seite) {
    const QFont gross = Schrift(QStringLiteral("Arial"), 29, true);
    const QFont grossNormal = Schrift(QStringLiteral("Arial"), 29, false);
    Beschriftung(seite, QStringLiteral("Call"), {5, 32, 53, 34}, gross);
    CallMaskEdit = new widgets::TMaskEdit(seite);
    CallMaskEdit->setObjectName(QStringLiteral("CallMaskEdit"));
    CallMaskEdit->setGeometry(65, 29, 235, 41);
    CallMaskEdit->setFont(gross);
    CallMaskEdit->SetzeMaxLaenge(13);
    CallMaskEdit->SetzeGrossbuchstaben(true);

    Beschriftung(seite, QStringLiteral("Band"), {320, 32, 72, 34}, gross);
    Bandauswahl = new widgets::TBandAuswahl(core::BandListe, seite);
    Bandauswahl->setObjectName(QStringLiteral("Bandauswahl"));
    Bandauswahl->setGeometry(400, 29, 82, 41);
    Bandauswahl->setFont(grossNormal);
    Bandauswahl->setStyleSheet(QStringLiteral("QComboBox { background: silver; }"));

    ZeitEdit1 = new widgets::TMaskEdit(seite);
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
    RSToutMaskEdit = new widgets::TMaskEdit(seite);
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
    Beschriftung(seite, QStringLiteral("DOK >>"), {336, 108, 106, 34}, gross);
    QSONrOutLabel1 = Beschriftung(seite, QString(), {462, 108, 163, 34}, gross);
    QSONrOutLabel1->setObjectName(QStringLiteral("QSONrOutLabel1"));

    Beschriftung(seite, QStringLiteral("RST erhalten"), {12, 155, 179, 34}, gross);
    RSTinMaskEdit = new widgets::TMaskEdit(seite);
    RSTinMaskEdit->setObjectName(QStringLiteral("RSTinMaskEdit"));
    RSTinMaskEdit->setGeometry(213, 153, 58, 41);
    RSTinMaskEdit->setFont(gross);
    Beschriftung(seite, QStringLiteral("DOK <<"), {336, 155, 106, 34}, gross);
    QSONrInMaskEdit = new widgets::TMaskEdit(seite);
    QSONrInMaskEdit->setObjectName(QStringLiteral("QSONrInMaskEdit"));
    QSONrInMaskEdit->SetzeMaske(QStringLiteral(">cccccccc;1;_"));
    QSONrInMaskEdit->setGeometry(462, 153, 161, 41);
    QSONrInMaskEdit->setFont(gross);
    // Kept with the field, but not shown as a tool tip.
    QSONrInMaskEdit->setAccessibleDescription(HinweisDokFeld);

    Beschriftung(seite, QStringLiteral("Bemerkung "), {12, 201, 167, 34}, gross);
    BemerkungEdit = new widgets::TMaskEdit(seite);
    BemerkungEdit->setObjectName(QStringLiteral("BemerkungEdit"));
    BemerkungEdit->setGeometry(213, 201, 412, 41);
    BemerkungEdit->setFont(grossNormal);
    BemerkungEdit->SetzeMaxLaenge(27);

    SpeichernButton = new QPushButton(seite->style()->standardIcon(QStyle::SP_DialogOkButton),
                                      QStringLiteral("Speichern"), seite);
    SpeichernButton->setObjectName(QStringLiteral("SpeichernButton"));
    SpeichernButton->setGeometry(9, 279, 109, 33);
    SpeichernButton->setEnabled(false);
    SpeichernButton->setAutoDefault(false);
    VerwerfenButton = new QPushButton(seite->style()->standardIcon(QStyle::SP_DialogCancelButton),
                                      QStringLiteral("Verwerfen"), seite);
    VerwerfenButton->setObjectName(QStringLiteral("VerwerfenButton"));
    VerwerfenButton->setGeometry(135, 279, 109, 33);
    VerwerfenButton->setEnabled(false);
    VerwerfenButton->setAutoDefault(false);

    lblOfflineDatum =
        new QLabel(QStringLiteral("Modus: Erfassung nach dem Kontest - Kontestdatum:"), seite);
    lblOfflineDatum->setObjectName(QStringLiteral("lblOfflineDatum"));
    lblOfflineDatum->setGeometry(120, 7, 343, 16);
    lblOfflineDatum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblOfflineDatum->hide();
    edtOfflineDatum = new widgets::TDatumEdit(seite);
    edtOfflineDatum->setObjectName(QStringLiteral("edtOfflineDatum"));
    edtOfflineDatum->setGeometry(468, 3, 121, 24);
    edtOfflineDatum->hide();

    for (QWidget* w : std::initializer_list<QWidget*>{
             CallMaskEdit, RSToutMaskEdit, RSTinMaskEdit, QSONrInMaskEdit, SpeichernButton,
             VerwerfenButton, Bandauswahl, BemerkungEdit, ZeitEdit1, edtOfflineDatum})
        w->setFocusPolicy(Qt::StrongFocus);
    SetzeTabReihenfolge(false);
}

void TLogFormUi::ListenseiteAufbauen(QWidget* seite, core::QsoListenModell* modell) {
    QsoListeTitel = new QLabel(QStringLiteral("Liste der letzten 100 QSO´s"), seite);
    QsoListeTitel->setObjectName(QStringLiteral("QsoListeTitel"));
    QsoListeTitel->setFont(Schrift(QStringLiteral("Arial"), 21, true));
    QsoListeTitel->setGeometry(8, 4, 400, 28);
    QsoModell = modell;
    QsoGrid = new QTableView(seite);
    QsoGrid->setObjectName(QStringLiteral("QsoGrid"));
    QsoGrid->setModel(QsoModell);
    QsoGrid->setItemDelegate(new AusstehendDelegate(QsoGrid));
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
        QsoGrid->setColumnWidth(c, core::QsoListenModell::SpaltenBreite(c));
    QsoGrid->setShowGrid(true);
    QsoGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    QsoGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    QsoGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QsoGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QsoGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QsoGrid->setTextElideMode(Qt::ElideNone);
    QsoGrid->setWordWrap(false);
    // Reached with the keyboard once the list is in front: the arrows walk its rows.
    QsoGrid->setFocusPolicy(Qt::StrongFocus);
    QsoGrid->setTabKeyNavigation(false);
}

void TLogFormUi::StatusleisteAufbauen(QWidget* flaeche) {
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

void TLogFormUi::SetzeTabReihenfolge(bool nachKontest) {
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

} // namespace app
