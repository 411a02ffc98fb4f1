#include "dialogs/TWasIstNeuDlg.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace dialogs {

TWasIstNeuDlg::TWasIstNeuDlg(const WasIstNeu& neu, QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(neu.caption);
    setFixedSize(400, 400);

    Text = new QPlainTextEdit(this);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setReadOnly(true);
    Text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Shown as text, whatever the server put into it.
    Text->setPlainText(neu.text);

    OkBtn = new QPushButton(neu.okbtn, this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton(neu.cancelbtn, this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OkBtn);
    knoepfe->addWidget(CancelBtn);
    auto* aufbau = new QVBoxLayout(this);
    aufbau->addWidget(Text);
    aufbau->addLayout(knoepfe);
}

void TWasIstNeuDlg::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    // Centred on the screen, not over the update window.
    if (const QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect rahmen = frameGeometry();
        rahmen.moveCenter(schirm->availableGeometry().center());
        move(rahmen.topLeft());
    }
}

} // namespace dialogs
