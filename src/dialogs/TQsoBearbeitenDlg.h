// The dialog "QSO bearbeiten": the ten values of one logged QSO to correct, "&Speichern" to write
// them and "&Löschen" to delete the QSO after a question. The contest checks and writes; the
// dialog shows its answer and stays open after a refusal or a failed write.
#pragma once

#include "core/Kontest.h"

#include <QDialog>
#include <array>
#include <optional>

class QComboBox;
class QPushButton;

namespace widgets {
class TMaskEdit;
}

namespace dialogs {

inline constexpr auto LoeschenFrage = "QSO wirklich löschen?";

// Asks "QSO wirklich löschen?" and on "Ja" deletes QSO `qso` (0 the oldest), showing the message
// of a failure. Empty when the operator said "Nein".
std::optional<core::Kontest::Korrektur> QsoLoeschenNachFrage(core::Kontest& kontest, int qso);

class TQsoBearbeitenDlg : public QDialog {
    Q_OBJECT
public:
    TQsoBearbeitenDlg(core::Kontest& kontest, int qso, QWidget* eltern = nullptr);

    enum class Ausgang { Abgebrochen, Geaendert, Geloescht };
    Ausgang Ergebnis() const { return ausgang_; }
    // The contest's answer to the change or the deletion that closed the dialog.
    const core::Kontest::Korrektur& Korrektur() const { return korrektur_; }

    // The values as the fields hold them.
    core::QsoWerte Werte() const;
    // The control that shows a value.
    QWidget* Feld(core::QsoFeld feld) const;

    void SpeichernBtnClick();
    void LoeschenBtnClick();

    widgets::TMaskEdit* CallEdit;
    widgets::TMaskEdit* RstAusEdit;
    widgets::TMaskEdit* RstEinEdit;
    widgets::TMaskEdit* DokEinEdit;
    QComboBox* BandBox;
    widgets::TMaskEdit* BemerkungEdit;
    QComboBox* ModeBox;
    widgets::TMaskEdit* DatumEdit;
    widgets::TMaskEdit* ZeitEdit;
    widgets::TMaskEdit* DokAusEdit;
    QPushButton* SpeichernBtn;
    QPushButton* LoeschenBtn;
    QPushButton* AbbrechenBtn;

private:
    core::Kontest& kontest_;
    int qso_;
    std::array<QWidget*, 10> felder_{}; // by QsoFeld
    Ausgang ausgang_ = Ausgang::Abgebrochen;
    core::Kontest::Korrektur korrektur_;
};

} // namespace dialogs
