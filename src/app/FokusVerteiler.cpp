#include "app/FokusVerteiler.h"

#include <QApplication>

namespace app {

FokusVerteiler::FokusVerteiler(QWidget* fenster) : QObject(fenster), fenster_(fenster) {
    connect(qApp, &QApplication::focusChanged, this, &FokusVerteiler::Geaendert);
}

void FokusVerteiler::Setze(QWidget* feld, Handler handler) {
    handler_[feld] = std::move(handler);
}

const FokusVerteiler::Handler* FokusVerteiler::Zu(QWidget* feld) const {
    const auto it = handler_.find(feld);
    return it == handler_.end() ? nullptr : &it->second;
}

void FokusVerteiler::Geaendert(QWidget*, QWidget* neu) {
    if (imWechsel_ || !neu || neu->window() != fenster_ || neu == aktiv_)
        return;
    Wechsel(aktiv_, neu);
}

// Gives the focus without running a handler.
void FokusVerteiler::Still(QWidget* feld) {
    const bool war = imWechsel_;
    imWechsel_ = true;
    if (feld && feld->isVisible() && feld->isEnabled())
        feld->setFocus(Qt::OtherFocusReason);
    imWechsel_ = war;
}

void FokusVerteiler::FokusAuf(QWidget* ziel) {
    if (!ziel)
        return;
    if (imWechsel_) {
        vorgemerkt_ = ziel; // taken up when the running handler returns
        return;
    }
    if (ziel == aktiv_) {
        Still(ziel);
        return;
    }
    Wechsel(aktiv_, ziel);
}

void FokusVerteiler::Wechsel(QWidget* von, QWidget* nach) {
    imWechsel_ = true;
    // A handler that sends the focus on starts the next step; a few steps are all a real chain
    // needs, and the bound keeps two handlers that send the focus to each other from looping.
    for (int schritte = 0; nach && schritte < 8; ++schritte) {
        if (von == nach) {
            Still(nach);
            break;
        }
        const Handler* alt = Zu(von);
        if (alt && alt->pruefen && !alt->pruefen()) {
            abgelehnt_ = true;
            Still(von);
            break;
        }
        vorgemerkt_ = nullptr;
        const bool erlaubt = !alt || !alt->verlassen || alt->verlassen();
        if (!erlaubt || (vorgemerkt_ && vorgemerkt_ == von)) {
            vorgemerkt_ = nullptr;
            abgelehnt_ = true;
            Still(von);
            break;
        }
        abgelehnt_ = false;
        aktiv_ = nach;
        Still(nach);
        vorgemerkt_ = nullptr;
        if (const Handler* neu = Zu(nach); neu && neu->betreten)
            neu->betreten();
        if (!vorgemerkt_ || vorgemerkt_ == nach)
            break;
        von = nach;
        nach = vorgemerkt_;
        vorgemerkt_ = nullptr;
    }
    vorgemerkt_ = nullptr;
    imWechsel_ = false;
}

} // namespace app
