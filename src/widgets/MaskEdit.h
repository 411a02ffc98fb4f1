// The masked edit of the entry mask: the program's own mask grammar ("00;0; ", ">cccccccc;1;_",
// "!90:00;1; "), overwrite-style typing into places, the read-back and the leave check.
#pragma once

#include "core/Maske.h"

#include <QLineEdit>
#include <QString>

class QMenu;

namespace widgets {

// The field's mask follows the grammar of core::Maske; the empty mask is a plain edit with an
// optional length limit and upper case. A ";" never gets into the field, masked or not.
class TMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskEdit(QWidget* eltern = nullptr);

    void SetzeMaske(const QString& maske); // empty = no mask
    QString Maske() const { return maske_.Quelle(); }

    // The read-back, what a saved QSO records: with "1" every place (unfilled ones as blanks), so
    // the text has the mask's full length; with "0" the filled places only. Under "!" the
    // characters of a partly filled group count as standing at its end.
    QString Text() const;
    // A text assigned by the program ("59", "599", "18:15", ""): distributed over the places, extra
    // characters cut. It becomes the state Escape goes back to and clears Bearbeitet().
    void SetzeText(const QString& text);

    bool Vollstaendig() const;
    bool Bearbeitet() const { return bearbeitet_; }
    // Remembers the current state for Escape and clears Bearbeitet(). An edit that the leave check
    // refuses stays refused and undoable: while the field is edited and incomplete the call keeps
    // the earlier state, so that a second attempt to leave cannot slip through.
    void MerkeStand();
    void Rueckgaengig();

    // Runs before the field's own leave handler. An edited field whose required places are not all
    // filled beeps, shows "Ungültiger Eingabewert. Mit der Taste ESC machen Sie die Änderungen
    // rückgängig.", puts the cursor at the first missing place and returns false.
    bool VerlassenPruefen();

    void SetzeMaxLaenge(int n); // for the unmasked field
    void SetzeGrossbuchstaben(bool an);

    // The context menu with cut, paste and undo routed through the field's own rules.
    QMenu* ErstelleKontextmenue();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    bool Maskiert() const { return !maske_.Leer(); }
    bool TippeText(const QString& text, bool beepBeiAbweisung);
    void Uebernehme(const QString& inhalt, int cursor, bool vomBediener);
    QString Gefiltert(const QString& text) const;

    void TasteMaskiert(QKeyEvent* e);
    void TasteFrei(QKeyEvent* e);
    void Einfuegen(const QString& text);
    void Ausschneiden();
    void Kopieren() const;
    void LoescheAuswahl();

    core::Maske maske_;

    // One character per place (see core::Maske); a typed blank in a "c" place is a filled place.
    QString inhalt_;
    QString gemerkt_; // the content (masked) or the text (unmasked) Escape goes back to
    bool bearbeitet_ = false;
    bool grossbuchstaben_ = false;
    int maxLaenge_ = 32767;
};

} // namespace widgets
