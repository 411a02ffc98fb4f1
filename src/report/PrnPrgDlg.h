// The progress window of printing: which page goes to the printer, how far the job is, and a
// Cancel button. It is shown without taking the keyboard from whatever has it.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace report {

class TPPPrnPrgDlg : public QDialog {
    Q_OBJECT

public:
    // abbrechen runs when the operator presses Cancel (or Escape).
    TPPPrnPrgDlg(QWidget* parent, const QString& titel, const QString& meldung, int gesamt,
                 bool mitAbbrechen, std::function<void()> abbrechen);

    // Page seite of seiten goes to the printer as the schritt-th of all pages to print.
    void Fortschritt(int schritt, int seite, int seiten, int kopien);

    QLabel* Meldung() const { return meldung_; }
    QLabel* Seitenzeile() const { return seite_; }
    QProgressBar* Balken() const { return balken_; }
    QPushButton* Abbrechen() const { return abbrechen_; }

    void reject() override;

private:
    QLabel* meldung_;
    QProgressBar* balken_;
    QLabel* seite_;
    QPushButton* abbrechen_;
    std::function<void()> beiAbbruch_;
};

} // namespace report
