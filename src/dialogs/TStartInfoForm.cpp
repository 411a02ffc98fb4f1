#include "dialogs/TStartInfoForm.h"

#include "core/IniRecord.h"
#include "dialogs/DialogStil.h"
#include "dialogs/Hinweise.h"
#include "platform/Pfade.h"
#include "platform/ProfilDatei.h"
#include "platform/Version.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace dialogs {

namespace {

constexpr int Breite = 564;
constexpr int Hoehe = 336;
constexpr int KopfHoehe = 72;

class KopfBand final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        BlauerVerlauf(p, rect());
    }
};

// The pale panel under the header that holds the hints.
class HinweisFlaeche final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient verlauf(rect().topLeft(), rect().bottomLeft());
        verlauf.setColorAt(0.0, QColor(0xE4, 0xEC, 0xF8));
        verlauf.setColorAt(1.0, QColor(0xA8, 0xC0, 0xE4));
        p.fillRect(rect(), verlauf);
    }
};

} // namespace

TStartInfoForm::TStartInfoForm(const QStringList& titel, const QStringList& texte,
                               std::function<void(bool)> starthinweiseSetzen, QWidget* hauptfenster)
    : QDialog(hauptfenster, Qt::Dialog | Qt::FramelessWindowHint), titel_(titel), texte_(texte),
      starthinweiseSetzen_(std::move(starthinweiseSetzen)) {
    setWindowTitle(QStringLiteral("Tarvex - Wichtige Hinweise"));
    setFixedSize(Breite, Hoehe);
    VerschiebbarMachen(*this);

    auto* kopf = new KopfBand(this);
    kopf->setGeometry(0, 0, Breite, KopfHoehe);
    Beschriftung(QStringLiteral("Tarvex"), 28, true, Qt::white, kopf)->setGeometry(18, 8, 300, 56);
    auto* version =
        Beschriftung(QStringLiteral("Version: ") + QString::fromLatin1(platform::DateiVersion), 10,
                     false, Qt::white, kopf);
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    version->setGeometry(320, 14, 226, 20);
    auto* jahr = Beschriftung(QStringLiteral("für das Jahr ") +
                                  QString::fromLatin1(platform::ProduktVersion),
                              10, false, Qt::white, kopf);
    jahr->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    jahr->setGeometry(320, 38, 226, 20);

    auto* flaeche = new HinweisFlaeche(this);
    flaeche->setGeometry(0, KopfHoehe, Breite, Hoehe - KopfHoehe);

    auto* ueberschrift = new QLabel(QStringLiteral("Programmhinweise"), flaeche);
    QFont fett = ueberschrift->font();
    fett.setBold(true);
    ueberschrift->setFont(fett);
    ueberschrift->setGeometry(18, 6, 300, 20);

    auto* spin = new QWidget(flaeche);
    spin->setObjectName(QStringLiteral("spinHinweisNr"));
    auto* spinLayout = new QHBoxLayout(spin);
    spinLayout->setContentsMargins(0, 0, 0, 0);
    spinLayout->setSpacing(2);
    auto* links = new QToolButton(spin);
    links->setObjectName(QStringLiteral("spinHinweisNrDownLeft"));
    links->setArrowType(Qt::LeftArrow);
    auto* rechts = new QToolButton(spin);
    rechts->setObjectName(QStringLiteral("spinHinweisNrUpRight"));
    rechts->setArrowType(Qt::RightArrow);
    for (auto* knopf : {links, rechts}) {
        knopf->setFixedSize(24, 20);
        knopf->setFocusPolicy(Qt::NoFocus);
        spinLayout->addWidget(knopf);
    }
    spin->setGeometry(Breite - 18 - 50, 5, 50, 20);
    connect(links, &QToolButton::clicked, this, [this] { spinHinweisNrDownLeftClick(); });
    connect(rechts, &QToolButton::clicked, this, [this] { spinHinweisNrUpRightClick(); });

    auto* innen = new QFrame(flaeche);
    innen->setFrameShape(QFrame::Box);
    innen->setAutoFillBackground(true);
    QPalette aqua = innen->palette();
    aqua.setColor(QPalette::Window, QColor(0xC8, 0xFF, 0xFF));
    aqua.setColor(QPalette::WindowText, QColor(0x30, 0x60, 0x80));
    innen->setPalette(aqua);
    innen->setGeometry(18, 30, Breite - 36, 190);

    lblStartHinweisHeader_ = new QLabel(innen);
    lblStartHinweisHeader_->setObjectName(QStringLiteral("lblStartHinweisHeader"));
    lblStartHinweisHeader_->setTextFormat(Qt::PlainText);
    lblStartHinweisHeader_->setFont(fett);
    lblStartHinweisHeader_->setGeometry(8, 5, 420, 20);

    lblStartHinweisNr_ = new QLabel(innen);
    lblStartHinweisNr_->setObjectName(QStringLiteral("lblStartHinweisNr"));
    lblStartHinweisNr_->setTextFormat(Qt::PlainText);
    lblStartHinweisNr_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblStartHinweisNr_->setGeometry(430, 5, innen->width() - 438, 20);

    auto* linie = new QFrame(innen);
    linie->setFrameShape(QFrame::HLine);
    linie->setGeometry(8, 27, innen->width() - 16, 2);

    lblStartHinweis_ = new QLabel(innen);
    lblStartHinweis_->setObjectName(QStringLiteral("lblStartHinweis"));
    lblStartHinweis_->setTextFormat(Qt::PlainText);
    lblStartHinweis_->setWordWrap(true);
    lblStartHinweis_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblStartHinweis_->setGeometry(8, 33, innen->width() - 16, innen->height() - 38);

    // Unticked at creation and never set from the menu item afterwards.
    cbKeineStarthinweise_ = new QCheckBox(QStringLiteral("Meldung nicht mehr anzeigen"), flaeche);
    cbKeineStarthinweise_->setObjectName(QStringLiteral("cbKeineStarthinweise"));
    cbKeineStarthinweise_->setGeometry(18, 230, 300, 24);
    connect(cbKeineStarthinweise_, &QCheckBox::toggled, this,
            [this] { cbKeineStarthinweiseClick(); });

    btnHinweiseOK_ = new QPushButton(QStringLiteral("OK"), flaeche);
    btnHinweiseOK_->setObjectName(QStringLiteral("btnHinweiseOK"));
    btnHinweiseOK_->setDefault(true);
    btnHinweiseOK_->setGeometry(Breite - 18 - 88, 228, 88, 28);
    connect(btnHinweiseOK_, &QPushButton::clicked, this, [this] { btnHinweiseOKClick(); });
}

void TStartInfoForm::ZeigeHinweis(int n) {
    if (n < 0 || n >= texte_.size() || n >= titel_.size())
        return;
    lblStartHinweisHeader_->setText(titel_.at(n));
    lblStartHinweis_->setText(AnzeigeText(texte_.at(n)));
    lblStartHinweisNr_->setText(QStringLiteral("[%1 / %2]").arg(n + 1).arg(titel_.size()));
}

void TStartInfoForm::spinHinweisNrDownLeftClick() {
    if (AktuellerHinweis > 1) {
        --AktuellerHinweis;
        ZeigeHinweis(AktuellerHinweis - 1);
    }
}

void TStartInfoForm::spinHinweisNrUpRightClick() {
    if (AktuellerHinweis < texte_.size()) {
        ++AktuellerHinweis;
        ZeigeHinweis(AktuellerHinweis - 1);
    }
}

void TStartInfoForm::cbKeineStarthinweiseClick() {
    const bool an = !cbKeineStarthinweise_->isChecked();
    if (starthinweiseSetzen_)
        starthinweiseSetzen_(an);
    platform::IniDatei ini(platform::EinstellungsDatei());
    core::StarthinweiseSchreiben(ini, an);
    // The version goes with the choice, so that the next version shows its hints again.
    core::StarthinweiseVersionSchreiben(ini, QString::fromLatin1(platform::DateiVersion));
}

void TStartInfoForm::btnHinweiseOKClick() {
    accept();
}

void TStartInfoForm::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    ZeigeHinweis(AktuellerHinweis - 1);
    if (QWidget* eltern = parentWidget())
        ZentriereUeber(*this, *eltern);
}

} // namespace dialogs
