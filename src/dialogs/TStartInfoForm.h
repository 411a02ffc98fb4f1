// The start-hint window: the notices of the main window's lists, one at a time, with arrows to
// page through them and the box that switches them off for this version.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace dialogs {

class TStartInfoForm : public QDialog {
public:
    // titel/texte are the main window's HinweisTitel/HinweisTexte, read whenever a hint is shown,
    // so lists rebuilt since the last showing are seen. starthinweiseSetzen sets the tick of the
    // main window's "Starthinweise anzeigen".
    TStartInfoForm(const QStringList& titel, const QStringList& texte,
                   std::function<void(bool)> starthinweiseSetzen, QWidget* hauptfenster);

    // 1-based; kept while the window is hidden, so it reopens on the hint last seen.
    int AktuellerHinweis = 1;

    // n is 0-based; a number outside the lists changes nothing.
    void ZeigeHinweis(int n);
    void spinHinweisNrDownLeftClick();
    void spinHinweisNrUpRightClick();
    void cbKeineStarthinweiseClick();
    void btnHinweiseOKClick();

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    const QStringList& titel_;
    const QStringList& texte_;
    std::function<void(bool)> starthinweiseSetzen_;

    QLabel* lblStartHinweisHeader_ = nullptr;
    QLabel* lblStartHinweisNr_ = nullptr;
    QLabel* lblStartHinweis_ = nullptr;
    QCheckBox* cbKeineStarthinweise_ = nullptr;
    QPushButton* btnHinweiseOK_ = nullptr;
};

} // namespace dialogs
