// The station and contest data dialog "Angaben zum Wettbewerb": edits the station data in memory
// and writes them to Log.ini on "Speichern". Modeless, created once and then only shown and hidden.
#pragma once

#include "core/IniRecord.h"

#include <QDialog>
#include <QString>
#include <functional>

class QLineEdit;
class QPushButton;

namespace dialogs {

// The hints as the program keeps them, with CR LF line breaks; the tool tips show them with plain
// line feeds.
inline constexpr auto KontestnameHinweis = "Muster:\r\n"
                                           "RLP Abend 2 m 2012 alle Betriebsarten\r\n"
                                           "RLP Abend 2 m 2012 nur CW\r\n"
                                           "RLP Abend 70 cm 2012 alle Betriebsarten\r\n"
                                           "RLP Abend 80/40 m 2012 nur DIGI";
inline constexpr auto VAdokHinweis =
    "Hinweis:\r\n"
    "Ausserhalb RLP:\r\n"
    "--> z.B: F05, wichtig: \"K\" bei Distriktskenner eingeben\r\n"
    "SonderDOKs aus RLP:\r\n"
    "--> Zur Vergabe hier einsetzen, aber vor Endabrechnung nach Kontest\r\n"
    "dann OV-DOK einsetzen dem der SDOK zugeordnet ist.\r\n";
inline constexpr auto OperatorHinweis = "Rufzeichen der Operator";

inline constexpr auto VerwerfenFrage =
    "Die Daten wurden verändert!\r\nWollen Sie die Änderungen verwerfen?";

// The message when "Speichern" finds a ";" or a line break in a field (named as its label).
QString UnerlaubtMeldung(const QString& feld);

// The main window's title after "Speichern": SSB shows " (SSB) -", every other mode " (CW) -".
QString TitelNachSpeichern(const core::IniRecord& record, bool ssb);

class TStationsangabenDlg : public QDialog {
    Q_OBJECT
public:
    // record: the main window's station data. gespeichert: runs after "Speichern" has written
    // Log.ini, for the main window's sent-DOK label and title.
    TStationsangabenDlg(core::IniRecord& record, std::function<void()> gespeichert,
                        QWidget* eltern = nullptr);

    // Fills the ten fields from the station data (also to reload them).
    void FormCreate();
    // True when one of the compared fields differs from its stored value; the own DOK is not
    // compared.
    bool AenderungPruefen() const;

    void OKBtnClick();
    void CancelBtnClick();

    void StationsCallEditExit();
    void KontestnameEditExit();
    void VANameEditExit();
    void VAStrasseEditExit();
    void VAOrtEditExit();
    void VATelefonEdit1Exit();
    void VATelefonEdit2Exit();
    void edtDistriktskennerExit();

    // Recomputed only when a field is left; the main window clears it before each opening.
    bool DatenVeraendert = false;

    // Escape presses "Abbrechen".
    void reject() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    // The close box hides the dialog without a question and keeps the fields as they are.
    void closeEvent(QCloseEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

private:
    QLineEdit* NeuesFeld(const char* name);
    // False, with the message shown and the field focused, when a field holds a ";" or a line
    // break.
    bool FelderPruefen();

    core::IniRecord& record_;
    std::function<void()> gespeichert_;

    QLineEdit* StationsCallEdit;
    QLineEdit* KontestnameEdit;
    QLineEdit* OperatorEdit;
    QLineEdit* VANameEdit;
    QLineEdit* VAStrasseEdit;
    QLineEdit* VAOrtEdit;
    QLineEdit* VATelefonEdit1;
    QLineEdit* VATelefonEdit2;
    QLineEdit* VAdokEdit;
    QLineEdit* edtDistriktskenner;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

} // namespace dialogs
