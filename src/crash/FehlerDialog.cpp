#include "crash/FehlerDialog.h"

#include "platform/Version.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QSysInfo>
#include <QVBoxLayout>

namespace crash {

FehlerDialog::FehlerDialog(const QString& text, const QString& details, QWidget* eltern)
    : QDialog(eltern), text_(text), details_(details) {
    setWindowTitle(QStringLiteral("Unerwarteter Fehler"));
    setObjectName(QStringLiteral("FehlerDialog"));
    auto* layout = new QVBoxLayout(this);

    auto* kopf = new QHBoxLayout;
    auto* symbol = new QLabel;
    symbol->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    kopf->addWidget(symbol, 0, Qt::AlignTop);
    auto* meldung = new QLabel(QStringLiteral("<b>Im Programm ist ein Fehler aufgetreten.</b>"
                                              "<br>Die bisher gespeicherten QSOs sind sicher in "
                                              "LOG.TXT. Das Programm läuft weiter.<br><br>") +
                               text.toHtmlEscaped());
    meldung->setObjectName(QStringLiteral("lblFehlertext"));
    meldung->setWordWrap(true);
    meldung->setTextInteractionFlags(Qt::TextSelectableByMouse);
    kopf->addWidget(meldung, 1);
    layout->addLayout(kopf);

    auto* technik = new QPlainTextEdit(Bericht());
    technik->setReadOnly(true);
    technik->setVisible(false);
    technik->setMinimumHeight(120);
    layout->addWidget(technik);

    auto* knoepfe = new QDialogButtonBox;
    auto* ok = knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    auto* mehr = knoepfe->addButton(QStringLiteral("Details"), QDialogButtonBox::ActionRole);
    auto* kopieren =
        knoepfe->addButton(QStringLiteral("Bericht kopieren"), QDialogButtonBox::ActionRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(mehr, &QPushButton::clicked, technik, [technik] { technik->setVisible(true); });
    connect(kopieren, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(Bericht()); });
    layout->addWidget(knoepfe);
    resize(460, 180);
}

QString FehlerDialog::Bericht() const {
    return QStringLiteral("Tarvex %1 (%2)\nZeit: %3\nSystem: %4\nFehler: %5\n%6")
        .arg(QString::fromLatin1(platform::DateiVersion),
             QString::fromLatin1(platform::ProduktVersion),
             QDateTime::currentDateTime().toString(Qt::ISODate), QSysInfo::prettyProductName(),
             text_, details_);
}

} // namespace crash
