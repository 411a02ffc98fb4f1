// The focus dispatcher of a window: Qt has no cancellable focus change, so every move between the
// window's controls runs through here, and the handlers of the field left and of the field entered
// run in a fixed order. The field left checks first (its mask), then its leave handler runs; only
// if both let the focus go does the entered field's enter handler run. A refusal puts the focus
// back without running anything of the other field. A handler may move the focus on by
// FokusAuf(); the move is taken up once it returns.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <unordered_map>

class QWindow;

namespace app {

class FokusVerteiler : public QObject {
    Q_OBJECT
public:
    struct Handler {
        std::function<bool()> pruefen;   // the field's own check before it is left (the mask)
        std::function<bool()> verlassen; // false keeps the focus in the field
        std::function<void()> betreten;
    };

    // Watches the focus moves inside `fenster`; moves to and from other windows run nothing.
    explicit FokusVerteiler(QWidget* fenster);

    void Setze(QWidget* feld, Handler handler);

    // The control that has or last had the focus in the window.
    QWidget* AktivesFeld() const { return aktiv_; }
    // Moves the focus as a handler does, with the leave and enter handlers in their order.
    void FokusAuf(QWidget* ziel);
    // The last move was refused by the field left (its check or its leave handler).
    bool VerlassenAbgelehnt() const { return abgelehnt_; }

private:
    void Geaendert(QWidget* alt, QWidget* neu);
    void Wechsel(QWidget* von, QWidget* nach);
    void Still(QWidget* feld);
    const Handler* Zu(QWidget* feld) const;

    QWidget* fenster_;
    std::unordered_map<const QWidget*, Handler> handler_;
    QPointer<QWidget> aktiv_;
    QWidget* vorgemerkt_ = nullptr;
    bool imWechsel_ = false;
    bool abgelehnt_ = false;
};

} // namespace app
