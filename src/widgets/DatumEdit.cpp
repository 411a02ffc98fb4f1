// The contest-date edit with its drop-down calendar.
#include "widgets/DatumEdit.h"

#include "platform/Uhr.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace widgets {

namespace {
const QString Anzeigeformat = QStringLiteral("dd.MM.yyyy");
}

TDatumKalender::TDatumKalender(QWidget* eltern)
    : QCalendarWidget(eltern), heute_(new QPushButton(QStringLiteral("Heute"), this)),
      reset_(new QPushButton(QStringLiteral("Reset"), this)) {
    heute_->setObjectName(QStringLiteral("btnHeute"));
    reset_->setObjectName(QStringLiteral("btnReset"));
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->setContentsMargins(4, 2, 4, 4);
    knoepfe->addWidget(heute_);
    knoepfe->addStretch();
    knoepfe->addWidget(reset_);
    // QCalendarWidget lays out its navigation bar and month in a box layout; the buttons go
    // below them.
    if (auto* spalte = qobject_cast<QBoxLayout*>(layout()))
        spalte->addLayout(knoepfe);
    connect(heute_, &QPushButton::clicked, this, &TDatumKalender::HeuteGewaehlt);
    connect(reset_, &QPushButton::clicked, this, &TDatumKalender::ResetGewaehlt);
}

void TDatumKalender::showEvent(QShowEvent* e) {
    QCalendarWidget::showEvent(e);
    if (!e->spontaneous())
        emit Geoeffnet();
}

TDatumEdit::TDatumEdit(QWidget* eltern) : QDateEdit(eltern), kalender_(nullptr) {
    setDisplayFormat(Anzeigeformat);
    setCalendarPopup(true);
    kalender_ = new TDatumKalender(this);
    setCalendarWidget(kalender_);
    SetzeDatum(platform::Uhr::Instanz().Jetzt().date());
    beimOeffnen_ = date();
    // Browsing the calendar changes the edit at once, so the date at opening is what Reset
    // brings back.
    connect(kalender_, &TDatumKalender::Geoeffnet, this, [this] { beimOeffnen_ = date(); });
    connect(kalender_, &TDatumKalender::HeuteGewaehlt, this, &TDatumEdit::Heute);
    connect(kalender_, &TDatumKalender::ResetGewaehlt, this, &TDatumEdit::Reset);
}

void TDatumEdit::SetzeDatum(QDate datum) {
    setDate(datum);
}

QString TDatumEdit::Text() const {
    return date().toString(Anzeigeformat);
}

void TDatumEdit::Heute() {
    const QDate heute = platform::Uhr::Instanz().Jetzt().date();
    setDate(heute);
    kalender_->setSelectedDate(heute);
    SchliesseKalender();
}

void TDatumEdit::Reset() {
    setDate(beimOeffnen_);
    kalender_->setSelectedDate(beimOeffnen_);
    SchliesseKalender();
}

void TDatumEdit::OeffneKalender() {
    if (isReadOnly())
        return;
    // The date edit opens its calendar only from a press on its arrow; we press there.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QPoint pfeil =
        style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this)
            .center();
    QMouseEvent druck(QEvent::MouseButtonPress, pfeil, mapToGlobal(pfeil), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QDateEdit::mousePressEvent(&druck);
}

void TDatumEdit::keyPressEvent(QKeyEvent* e) {
    const bool f4 = e->key() == Qt::Key_F4 && e->modifiers() == Qt::NoModifier;
    const bool altRunter = e->key() == Qt::Key_Down && (e->modifiers() & Qt::AltModifier);
    if (f4 || altRunter) {
        OeffneKalender();
        e->accept();
        return;
    }
    QDateEdit::keyPressEvent(e);
}

bool TDatumEdit::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}

void TDatumEdit::SchliesseKalender() {
    QWidget* fenster = kalender_->window();
    if (fenster != kalender_ && fenster != window())
        fenster->hide();
}

} // namespace widgets
