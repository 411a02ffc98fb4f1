// The search window "Gefundene Treffer": while a callsign is typed it lists, after a pause, every
// earlier QSO whose callsign contains the typed text. It floats above the main window and never
// takes the keyboard from the callsign field.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

class QAbstractItemModel;
class QAction;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;

namespace core {
struct IniRecord;
struct LogSpalten;
} // namespace core

namespace suche {

class SuchGridModell;

class TSuchForm : public QWidget {
    Q_OBJECT
public:
    // Reads SuchLeft, SuchTop and AutoSuche from Log.ini (the position goes into the record, the
    // switch into the check mark of autoSuche), places and sizes the window (its outer height is
    // the main window's client height) and stays hidden. The main window must be placed before.
    // The window is a child window of the main window, which therefore owns it.
    TSuchForm(core::IniRecord& record, const core::LogSpalten& log, QWidget* hauptfenster,
              QLineEdit* callFeld, QTimer* suchTimer, QAction* autoSuche);
    ~TSuchForm() override;

    // On every change of the callsign field, first: a window the operator moved has its new
    // place remembered and written to Log.ini.
    void PositionPruefen();
    // Then: arms the search (two characters or more and the search switched on) or goes back to
    // idle with the window hidden.
    void Armieren(const QString& text);

    // The tick of the search timer (connected here): the search runs on the fourth quiet tick.
    void SuchTimerTimer();

    // Hides the window and takes the stay-on-top style away.
    void Verbergen();

    void ResetSuchGrid();
    // True when at least one QSO matched. Where the archive knows the typed callsign, its DOK
    // follows the hits in a line of its own.
    bool FillSuchGrid();

    // The archive's DOK of a callsign, if it knows one.
    using ArchivDok = std::function<std::optional<QString>(const QString& call)>;
    void SetzeArchiv(ArchivDok archivDok) { archivDok_ = std::move(archivDok); }
    void ZeigeSuchform();

    void SuchSchliessenButtonClick();
    // Inverts the check mark of "Automatische Suche" and writes it to Log.ini. A click on the menu
    // item itself goes the same way (the action's trigger).
    void AutomatischeSuche1Click();

    // Shutdown: closes the window without storing its position.
    void Schliessen();

    bool SuchEingabeNeu = false;
    int SuchTicks = 0;

    QAbstractItemModel* Treffer() const;
    QTableView* SuchGrid() const { return SuchGrid_; }
    QPushButton* SuchSchliessenButton() const { return SuchSchliessenButton_; }

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void AutoSucheGeschaltet(bool an);
    void PositionSpeichern();
    void GroesseSetzen();
    void FokusZurueck();

    core::IniRecord& record_;
    const core::LogSpalten& log_;
    ArchivDok archivDok_;
    QWidget* hauptfenster_;
    QLineEdit* callFeld_;
    QTimer* suchTimer_;
    QAction* autoSuche_;

    SuchGridModell* modell_;
    QTableView* SuchGrid_;
    QPushButton* SuchSchliessenButton_;
    bool geschlossen_ = false;
};

} // namespace suche
