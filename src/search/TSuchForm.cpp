#include "search/TSuchForm.h"

#include "core/IniRecord.h"
#include "core/LogSpalten.h"
#include "platform/Pfade.h"
#include "platform/ProfilDatei.h"
#include "search/SuchGridModell.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <algorithm>

namespace suche {
namespace {

constexpr int ClientBreite = 321;
constexpr int KnopfBreite = 89;
constexpr int KnopfHoehe = 33;
constexpr int KnopfAbstand = 10;
constexpr int ZeilenHoehe = 18;
constexpr int SpaltenBreiten[SuchGridModell::Spalten] = {156, 53, 53, 51};

// "Terminal" where the system has it, otherwise the system's fixed-pitch font at the same size.
QFont GridSchrift() {
    QFont f = QFontDatabase::hasFamily(QStringLiteral("Terminal"))
                  ? QFont(QStringLiteral("Terminal"))
                  : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPixelSize(16);
    return f;
}

} // namespace

TSuchForm::TSuchForm(core::IniRecord& record, const core::LogSpalten& log, QWidget* hauptfenster,
                     QLineEdit* callFeld, QTimer* suchTimer, QAction* autoSuche)
    : QWidget(hauptfenster, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      record_(record), log_(log), hauptfenster_(hauptfenster), callFeld_(callFeld),
      suchTimer_(suchTimer), autoSuche_(autoSuche), modell_(new SuchGridModell(this)) {
    setWindowTitle(QStringLiteral("Gefundene Treffer"));
    // The window pops up while the operator types; the keyboard must stay in the callsign field.
    setAttribute(Qt::WA_ShowWithoutActivating);

    const platform::IniDatei ini(platform::EinstellungsDatei());
    const core::HauptfensterLage lage{hauptfenster_->x(), hauptfenster_->y(),
                                      hauptfenster_->frameGeometry().width()};
    const core::SuchEinstellungen s = core::SuchEinstellungenLesen(ini, lage);
    record_.SuchLeft = s.left;
    record_.SuchTop = s.top;
    autoSuche_->setCheckable(true);
    autoSuche_->setChecked(s.autoSuche);

    SuchGrid_ = new QTableView(this);
    SuchGrid_->setObjectName(QStringLiteral("SuchGrid"));
    SuchGrid_->setModel(modell_);
    const QFont schrift = GridSchrift();
    SuchGrid_->setFont(schrift);
    QPalette farben = SuchGrid_->palette();
    farben.setColor(QPalette::Base, Qt::white);
    farben.setColor(QPalette::Text, Qt::black);
    SuchGrid_->setPalette(farben);
    SuchGrid_->setShowGrid(true);
    SuchGrid_->setWordWrap(false);
    SuchGrid_->setCornerButtonEnabled(false);
    SuchGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SuchGrid_->setSelectionMode(QAbstractItemView::NoSelection);
    SuchGrid_->setFocusPolicy(Qt::NoFocus);
    SuchGrid_->setTabKeyNavigation(false);
    SuchGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SuchGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QHeaderView* zeilen = SuchGrid_->verticalHeader();
    zeilen->hide();
    zeilen->setMinimumSectionSize(1);
    zeilen->setSectionResizeMode(QHeaderView::Fixed);
    zeilen->setDefaultSectionSize(ZeilenHoehe);

    QHeaderView* kopf = SuchGrid_->horizontalHeader();
    kopf->setFont(schrift);
    kopf->setMinimumSectionSize(1);
    kopf->setSectionResizeMode(QHeaderView::Fixed);
    kopf->setSectionsClickable(false);
    kopf->setSectionsMovable(false);
    kopf->setHighlightSections(false);
    kopf->setStretchLastSection(false);
    kopf->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    kopf->setFixedHeight(ZeilenHoehe);
    for (int i = 0; i < SuchGridModell::Spalten; ++i)
        SuchGrid_->setColumnWidth(i, SpaltenBreiten[i]);

    SuchSchliessenButton_ = new QPushButton(QStringLiteral("Schließen"), this);
    SuchSchliessenButton_->setObjectName(QStringLiteral("SuchSchliessenButton"));
    // A click must not pull the keyboard into this window either.
    SuchSchliessenButton_->setFocusPolicy(Qt::NoFocus);
    connect(SuchSchliessenButton_, &QPushButton::clicked, this,
            &TSuchForm::SuchSchliessenButtonClick);

    connect(suchTimer_, &QTimer::timeout, this, &TSuchForm::SuchTimerTimer);
    connect(autoSuche_, &QAction::triggered, this, &TSuchForm::AutoSucheGeschaltet);

    move(record_.SuchLeft, record_.SuchTop);
    GroesseSetzen();
    ResetSuchGrid();
}

TSuchForm::~TSuchForm() = default;

QAbstractItemModel* TSuchForm::Treffer() const {
    return modell_;
}

void TSuchForm::GroesseSetzen() {
    // The outer height is the main window's client height. The frame is known only once the
    // window system has shown the window, so this runs again then.
    const int rahmen = frameGeometry().height() - height();
    const int hoehe = std::max(hauptfenster_->height() - rahmen, 0);
    setFixedSize(ClientBreite, hoehe);
    SuchSchliessenButton_->setGeometry(ClientBreite - KnopfAbstand - KnopfBreite,
                                       hoehe - KnopfAbstand - KnopfHoehe, KnopfBreite, KnopfHoehe);
    SuchGrid_->setGeometry(0, 0, ClientBreite, std::max(hoehe - KnopfHoehe - 20, 0));
}

void TSuchForm::PositionSpeichern() {
    platform::IniDatei ini(platform::EinstellungsDatei());
    core::SuchPositionSchreiben(ini, record_, x(), y());
}

void TSuchForm::PositionPruefen() {
    PositionSpeichern();
}

void TSuchForm::Armieren(const QString& text) {
    if (text.size() >= 2 && autoSuche_->isChecked()) {
        // A running timer keeps its rhythm; the change only restarts the count of quiet ticks.
        if (!suchTimer_->isActive())
            suchTimer_->start();
        SuchEingabeNeu = true;
    } else {
        suchTimer_->stop();
        SuchEingabeNeu = false;
        SuchTicks = 0;
        Verbergen();
    }
}

void TSuchForm::SuchTimerTimer() {
    ++SuchTicks;
    if (SuchEingabeNeu) {
        SuchEingabeNeu = false;
        SuchTicks = 0;
        return;
    }
    if (SuchTicks < 3)
        return;
    suchTimer_->stop();
    ResetSuchGrid();
    if (FillSuchGrid())
        ZeigeSuchform();
    else
        Verbergen();
    FokusZurueck();
}

void TSuchForm::FokusZurueck() {
    if (QApplication::activeWindow() == this)
        hauptfenster_->activateWindow();
    callFeld_->setFocus(Qt::OtherFocusReason);
}

void TSuchForm::Verbergen() {
    hide();
    Qt::WindowFlags f = windowFlags();
    f.setFlag(Qt::WindowStaysOnTopHint, false);
    f.setFlag(Qt::WindowDoesNotAcceptFocus, false);
    if (f != windowFlags())
        setWindowFlags(f);
}

void TSuchForm::ResetSuchGrid() {
    modell_->Leeren();
}

bool TSuchForm::FillSuchGrid() {
    QList<TrefferZeile> treffer = TrefferSuchen(log_, callFeld_->text());
    const bool gefunden = !treffer.isEmpty();
    if (gefunden && archivDok_) {
        if (const std::optional<QString> dok = archivDok_(callFeld_->text()))
            treffer.append(ArchivZeile(callFeld_->text(), *dok));
    }
    modell_->Setzen(std::move(treffer));
    return gefunden;
}

void TSuchForm::ZeigeSuchform() {
    Qt::WindowFlags f = windowFlags();
    f.setFlag(Qt::WindowStaysOnTopHint, true);
    f.setFlag(Qt::WindowDoesNotAcceptFocus, true);
    // Changing the flags of a shown window hides it, so they are set only when they differ.
    if (f != windowFlags())
        setWindowFlags(f);
    move(record_.SuchLeft, record_.SuchTop);
    show();
    GroesseSetzen();
    move(record_.SuchLeft, record_.SuchTop);
}

void TSuchForm::SuchSchliessenButtonClick() {
    Verbergen();
    PositionSpeichern();
}

void TSuchForm::AutomatischeSuche1Click() {
    autoSuche_->trigger();
}

void TSuchForm::AutoSucheGeschaltet(bool) {
    // The checkable action has inverted its check mark already. The timer and an open window
    // are left as they are: the next change of the callsign field applies the new state.
    platform::IniDatei ini(platform::EinstellungsDatei());
    core::AutoSucheSchreiben(ini, autoSuche_->isChecked());
}

void TSuchForm::Schliessen() {
    geschlossen_ = true;
    suchTimer_->stop();
    close();
}

bool TSuchForm::event(QEvent* e) {
    // Some window systems activate a window when it is shown, whatever it asked for; the
    // operator is typing, so the activation goes straight back to the main window.
    if (e->type() == QEvent::WindowActivate && !geschlossen_ && hauptfenster_->isVisible()) {
        const bool r = QWidget::event(e);
        hauptfenster_->activateWindow();
        callFeld_->setFocus(Qt::ActiveWindowFocusReason);
        return r;
    }
    return QWidget::event(e);
}

void TSuchForm::closeEvent(QCloseEvent* e) {
    if (geschlossen_) {
        e->accept();
        return;
    }
    // The close box only hides the window; the position is taken at the next change of the
    // callsign field.
    e->ignore();
    Verbergen();
}

} // namespace suche
