#include "report/PrnPrgDlg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace report {

TPPPrnPrgDlg::TPPPrnPrgDlg(QWidget* parent, const QString& titel, const QString& meldung,
                           int gesamt, bool mitAbbrechen, std::function<void()> abbrechen)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      beiAbbruch_(std::move(abbrechen)) {
    setObjectName(QStringLiteral("TPPPrnPrgDlg"));
    setWindowTitle(titel);
    setModal(false);
    setAttribute(Qt::WA_ShowWithoutActivating);

    // Laid out at 96 pixels per inch, scaled to the screen.
    const double s = logicalDpiX() / 96.0;
    auto R = [s](int x, int y, int w, int h) {
        return QRect(qRound(x * s), qRound(y * s), qRound(w * s), qRound(h * s));
    };
    meldung_ =
        new QLabel(meldung.isEmpty() ? QStringLiteral("Sending Pages To Printer") : meldung, this);
    meldung_->setGeometry(R(12, 10, 269, 18));
    balken_ = new QProgressBar(this);
    balken_->setGeometry(R(12, 34, 269, 18));
    balken_->setRange(0, std::max(gesamt, 1));
    balken_->setValue(0);
    balken_->setTextVisible(false);
    seite_ = new QLabel(this);
    seite_->setGeometry(R(12, 60, 269, 18));
    abbrechen_ = new QPushButton(QStringLiteral("&Cancel"), this);
    abbrechen_->setGeometry(R(109, 94, 75, 25));
    abbrechen_->setDefault(true);
    connect(abbrechen_, &QPushButton::clicked, this, &TPPPrnPrgDlg::reject);
    if (!mitAbbrechen) {
        abbrechen_->setEnabled(false);
        abbrechen_->hide();
    }
    setFixedSize(qRound(293 * s), qRound((mitAbbrechen ? 133 : 98) * s));

    if (const QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

void TPPPrnPrgDlg::Fortschritt(int schritt, int seite, int seiten, int kopien) {
    QString text = QStringLiteral("Page %1 of %2").arg(seite).arg(seiten);
    if (kopien > 1)
        text += QStringLiteral(" x %1 Copies").arg(kopien);
    seite_->setText(text);
    balken_->setValue(std::min(schritt, balken_->maximum()));
}

void TPPPrnPrgDlg::reject() {
    if (abbrechen_->isEnabled() && beiAbbruch_)
        beiAbbruch_();
}

} // namespace report
