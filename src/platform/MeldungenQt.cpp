#include "platform/MeldungenQt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace platform {
namespace {

Knopf Zeige(QMessageBox::Icon icon, const QString& titel, const QString& text, Knoepfe knoepfe) {
    QPointer<QWidget> vorher = QApplication::activeWindow();
    QMessageBox box(icon, titel, text, QMessageBox::NoButton, vorher);
    // The texts use CR, CR LF or LF CR as line breaks; the box wants LF.
    QString anzeige = text;
    anzeige.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    anzeige.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    anzeige.replace(u'\r', u'\n');
    box.setText(anzeige);
    QPushButton* ok = nullptr;
    QPushButton* abbrechen = nullptr;
    QPushButton* ja = nullptr;
    QPushButton* nein = nullptr;
    switch (knoepfe) {
    case Knoepfe::Ok:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        break;
    case Knoepfe::OkAbbrechen:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(abbrechen);
        break;
    case Knoepfe::JaNein:
    case Knoepfe::JaNeinVorsicht:
        ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.setDefaultButton(EnterAntwort(knoepfe) == Knopf::Ja ? ja : nein);
        box.setEscapeButton(nein);
        break;
    }
    box.exec();
    // The keyboard goes back to the window the box was shown over, also where no window manager
    // hands it back.
    if (vorher && vorher->isVisible())
        vorher->activateWindow();
    const auto* geklickt = box.clickedButton();
    if (geklickt == abbrechen && abbrechen)
        return Knopf::Abbrechen;
    if (geklickt == ja && ja)
        return Knopf::Ja;
    if (geklickt == nein && nein)
        return Knopf::Nein;
    return Knopf::Ok;
}

} // namespace

void MeldungenQt::Zeige(const QString& text) {
    platform::Zeige(QMessageBox::NoIcon, QString::fromLatin1(AnwendungsTitel), text, Knoepfe::Ok);
}

void MeldungenQt::Information(const QString& text) {
    platform::Zeige(QMessageBox::Information, QStringLiteral("Information"), text, Knoepfe::Ok);
}

Knopf MeldungenQt::Warnung(const QString& text, Knoepfe knoepfe) {
    return platform::Zeige(QMessageBox::Warning, QStringLiteral("Warnung"), text, knoepfe);
}

Knopf MeldungenQt::Frage(const QString& text, Knoepfe knoepfe) {
    return platform::Zeige(QMessageBox::Question, QStringLiteral("Bestätigung"), text, knoepfe);
}

} // namespace platform
