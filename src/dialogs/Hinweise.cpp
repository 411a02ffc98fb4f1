#include "dialogs/Hinweise.h"

#include <QScreen>
#include <algorithm>

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>

namespace dialogs {

namespace {

const QChar CR(u'\r');

// Moves its window while the left button is held on a part that let the press through.
class Zieher final : public QObject {
public:
    explicit Zieher(QWidget& fenster) : QObject(&fenster), fenster_(fenster) {}

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (objekt != &fenster_)
            return false;
        switch (ereignis->type()) {
        case QEvent::MouseButtonPress: {
            auto* maus = static_cast<QMouseEvent*>(ereignis);
            if (maus->button() != Qt::LeftButton)
                return false;
            abstand_ = maus->globalPosition().toPoint() - fenster_.frameGeometry().topLeft();
            ziehen_ = true;
            return true;
        }
        case QEvent::MouseMove: {
            auto* maus = static_cast<QMouseEvent*>(ereignis);
            if (!ziehen_ || !(maus->buttons() & Qt::LeftButton))
                return false;
            fenster_.move(maus->globalPosition().toPoint() - abstand_);
            return true;
        }
        case QEvent::MouseButtonRelease:
            ziehen_ = false;
            return false;
        default:
            return false;
        }
    }

private:
    QWidget& fenster_;
    QPoint abstand_;
    bool ziehen_ = false;
};

} // namespace

void HinweiseAufbauen(QStringList& HinweisTitel, QStringList& HinweisTexte, const QString& name) {
    HinweisTitel.clear();
    HinweisTexte.clear();

    HinweisTitel << QStringLiteral("Haben Sie eine aktuelle Version?");
    HinweisTexte << QStringLiteral("Hallo ") + name + CR +
                        QStringLiteral("bitte aufmerksam lesen! Diese Version ist nur für das "
                                       "Jahr gültig, in dem sie herausgegeben wurde (siehe "
                                       "Versionsinfo). ") +
                        QStringLiteral("Bitte nutzen sie den Punkt VERSIONSPRÜFUNG im INFO-Menü "
                                       "um sicherzustellen, dass Sie die neueste Version "
                                       "besitzen ") +
                        QStringLiteral("(direktes Herunterladen möglich). ") + CR +
                        QStringLiteral("Manuell können Sie die neueste Version aus dem Internet "
                                       "laden unter: ") +
                        QString::fromLatin1(DownloadAdresse) + CR + CR +
                        QStringLiteral("EINGEREICHTE DATEN DIE MIT EINER ALTEN VERSION ERFASST "
                                       "WURDEN, KÖNNEN ") +
                        QStringLiteral("VOM AUSWERTER ABGELEHNT WERDEN! WOLLEN SIE DAS "
                                       "RISKIEREN????");

    HinweisTitel << QStringLiteral("Jahr 2016: Änderungen in den Ausschreibungen");
    HinweisTexte << QStringLiteral("Es haben sich einige kleinere Änderungen ergeben. Bitte "
                                   "unbedingt die Ausschreibung lesen!") +
                        QStringLiteral("Nicht geeignet für Vergabe von SDOKs!!! Keine "
                                       "Verrechnung zum eigenem DOK möglich. ");

    HinweisTitel << QStringLiteral("Nutzung ausserhalb des Distriktes");
    HinweisTexte << QStringLiteral("Unter EINSTELLUNGEN > STATIONSANGABEN bitte den "
                                   "Distriktskenner ") +
                        QStringLiteral("des veranstaltenden Distrikts eintragen. Sonst zählen "
                                       "die Multis nicht richtig. ");
}

QString InfoText() {
    const QStringList zeilen{
        QStringLiteral("Zum Erfassen von QSOs in Kurzkontesten wo "),
        QStringLiteral("nur DOKs ausgetauscht werden. Angepaßt"),
        QStringLiteral("den Ausschreibungen für die Rheinland-Pfalz"),
        QStringLiteral("Aktivitätsabende. "),
        QString(),
        QStringLiteral("Jedes QSO steht sofort in LOG.TXT;"),
        QStringLiteral("STF- und ADIF-Datei, Ausdruck und"),
        QStringLiteral("PDF-Auswertung entstehen daraus"),
        QStringLiteral("nach dem Kontest."),
    };
    QString text;
    for (const QString& zeile : zeilen)
        text += zeile + CR;
    return text;
}

QString AnzeigeText(QString text) {
    return text.replace(CR, QChar(u'\n'));
}

void VerschiebbarMachen(QWidget& fenster) {
    fenster.installEventFilter(new Zieher(fenster));
}

void ZentriereUeber(QWidget& fenster, const QWidget& hauptfenster) {
    const QRect haupt = hauptfenster.window()->frameGeometry();
    QPoint lage = haupt.center() - QPoint(fenster.width() / 2, fenster.height() / 2);
    if (const QScreen* bildschirm = hauptfenster.screen()) {
        const QRect frei = bildschirm->availableGeometry();
        lage.setX(std::clamp(lage.x(), frei.left(),
                             std::max(frei.left(), frei.right() - fenster.width())));
        lage.setY(std::clamp(lage.y(), frei.top(),
                             std::max(frei.top(), frei.bottom() - fenster.height())));
    }
    fenster.move(lage);
}

} // namespace dialogs
