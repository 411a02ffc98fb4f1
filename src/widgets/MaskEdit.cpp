// The masked edit of the entry mask: keys, mouse, clipboard and input methods; what a place takes
// and what the field reads back is the mask grammar of core::Maske.
#include "widgets/MaskEdit.h"

#include "platform/Meldungen.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QValidator>

namespace widgets {

namespace {

constexpr QChar Semikolon = QLatin1Char(';');

// The last line of defence for the unmasked field: whatever path Qt inserts by, a text with a
// ";" is refused. The field's own key, paste and input-method handling filters before that.
class OhneSemikolon final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& eingabe, int&) const override {
        return eingabe.contains(Semikolon) ? Invalid : Acceptable;
    }
};

// A key that types text: Ctrl, Alt or Meta make it a shortcut (Alt+letter is a menu key, never a
// letter of a callsign), except Ctrl+Alt, which is AltGr on Windows keyboards.
bool TipptText(const QKeyEvent* e) {
    const QString t = e->text();
    if (t.isEmpty() || !t.at(0).isPrint())
        return false;
    const auto m = e->modifiers();
    if ((m & Qt::ControlModifier) && (m & Qt::AltModifier))
        return true;
    return !(m & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier));
}

} // namespace

TMaskEdit::TMaskEdit(QWidget* eltern) : QLineEdit(eltern) {
    setValidator(new OhneSemikolon(this));
    // A drop would insert past our filters, and nobody drags text into a contest log.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textEdited, this, [this] { bearbeitet_ = true; });
}

void TMaskEdit::SetzeMaske(const QString& maske) {
    const QString alt = Text();
    maske_ = core::Maske(maske);
    setMaxLength(Maskiert() ? 32767 : maxLaenge_);
    SetzeText(alt);
}

QString TMaskEdit::Text() const {
    return Maskiert() ? maske_.Text(inhalt_) : text();
}

void TMaskEdit::SetzeText(const QString& text) {
    if (Maskiert()) {
        inhalt_ = maske_.Zugewiesen(text);
        setText(maske_.Anzeige(inhalt_));
        setCursorPosition(0);
        gemerkt_ = inhalt_;
    } else {
        QString t = text;
        t.remove(Semikolon);
        setText(t);
        gemerkt_ = this->text();
    }
    bearbeitet_ = false;
}

bool TMaskEdit::Vollstaendig() const {
    return !Maskiert() || maske_.ErsteFehlendeStelle(inhalt_) < 0;
}

void TMaskEdit::MerkeStand() {
    if (bearbeitet_ && !Vollstaendig())
        return;
    gemerkt_ = Maskiert() ? inhalt_ : text();
    bearbeitet_ = false;
}

void TMaskEdit::Rueckgaengig() {
    if (Maskiert())
        Uebernehme(gemerkt_, 0, false);
    else
        setText(gemerkt_);
    bearbeitet_ = false;
    selectAll();
}

bool TMaskEdit::VerlassenPruefen() {
    if (!bearbeitet_ || !Maskiert())
        return true;
    const QString a = maske_.Ausgerichtet(inhalt_);
    if (a != inhalt_)
        Uebernehme(a, cursorPosition(), false);
    const int fehlt = maske_.ErsteFehlendeStelle(inhalt_);
    if (fehlt < 0)
        return true;
    QApplication::beep();
    setCursorPosition(fehlt);
    platform::Meldungen::Instanz().Zeige(QStringLiteral(
        "Ungültiger Eingabewert. Mit der Taste ESC machen Sie die Änderungen rückgängig."));
    setCursorPosition(fehlt);
    return false;
}

void TMaskEdit::SetzeMaxLaenge(int n) {
    maxLaenge_ = n;
    if (!Maskiert())
        setMaxLength(n);
}

void TMaskEdit::SetzeGrossbuchstaben(bool an) {
    grossbuchstaben_ = an;
}

void TMaskEdit::Uebernehme(const QString& inhalt, int cursor, bool vomBediener) {
    const bool anders = inhalt != inhalt_;
    if (!anders) {
        setCursorPosition(cursor);
        return;
    }
    // The flag is set before textChanged goes out, so a handler of it already sees the edit.
    if (vomBediener)
        bearbeitet_ = true;
    inhalt_ = inhalt;
    setText(maske_.Anzeige(inhalt_));
    setCursorPosition(cursor);
    if (vomBediener)
        emit textEdited(text());
}

// Typed keys beep at every refused character; a paste takes what fits and beeps only when nothing
// did. A selection is emptied first, but only once something is accepted.
bool TMaskEdit::TippeText(const QString& text, bool beepBeiJederAbweisung) {
    QString neu = inhalt_;
    int cursor = cursorPosition();
    if (hasSelectedText()) {
        cursor = selectionStart();
        maske_.Leere(neu, cursor, selectionEnd());
    }
    bool eines = false;
    bool alle = true;
    for (const QChar c : text) {
        if (maske_.Tippe(neu, cursor, c, grossbuchstaben_))
            eines = true;
        else
            alle = false;
    }
    if (!eines || (!alle && beepBeiJederAbweisung))
        QApplication::beep();
    if (!eines)
        return false;
    Uebernehme(neu, cursor, true);
    return true;
}

QString TMaskEdit::Gefiltert(const QString& text) const {
    QString g;
    g.reserve(text.size());
    for (const QChar c : text) {
        if (c == Semikolon || core::Steuerzeichen(c))
            continue;
        g += grossbuchstaben_ ? c.toUpper() : c;
    }
    return g;
}

bool TMaskEdit::event(QEvent* e) {
    // Escape with an edit to undo belongs to the field, not to a shortcut of the window.
    if (e->type() == QEvent::ShortcutOverride) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Escape && k->modifiers() == Qt::NoModifier && bearbeitet_ &&
            Maskiert() && !isReadOnly()) {
            e->accept();
            return true;
        }
    }
    return QLineEdit::event(e);
}

void TMaskEdit::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // Only a masked field undoes its edit; in a plain one Escape would wipe a callsign or a
        // remark the operator is still typing.
        if (bearbeitet_ && Maskiert() && !isReadOnly()) {
            Rueckgaengig();
            e->accept();
        } else {
            e->ignore();
        }
        return;
    }
    if (Maskiert())
        TasteMaskiert(e);
    else
        TasteFrei(e);
}

void TMaskEdit::TasteFrei(QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
        if (!isReadOnly())
            Einfuegen(QGuiApplication::clipboard()->text());
        e->accept();
        return;
    }
    if (!e->text().isEmpty() && e->text().at(0).isPrint() && !TipptText(e) &&
        (e->modifiers() & Qt::AltModifier)) {
        e->ignore(); // a menu key: the window may use it
        return;
    }
    if (!isReadOnly() && TipptText(e)) {
        const QString t = e->text();
        const QString g = Gefiltert(t);
        if (g != t) {
            if (g.isEmpty()) {
                QApplication::beep();
                e->accept();
                return;
            }
            QKeyEvent neu(e->type(), e->key(), e->modifiers(), g, e->isAutoRepeat(),
                          static_cast<quint16>(e->count()));
            QLineEdit::keyPressEvent(&neu);
            e->setAccepted(neu.isAccepted());
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void TMaskEdit::TasteMaskiert(QKeyEvent* e) {
    const bool nurLesen = isReadOnly();
    e->accept();
    if (e->matches(QKeySequence::Copy)) {
        Kopieren();
        return;
    }
    if (e->matches(QKeySequence::Cut)) {
        if (nurLesen)
            Kopieren();
        else
            Ausschneiden();
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        if (!nurLesen)
            Einfuegen(QGuiApplication::clipboard()->text());
        return;
    }
    if (e->matches(QKeySequence::Undo)) {
        if (bearbeitet_ && !nurLesen)
            Rueckgaengig();
        return;
    }
    if (e->matches(QKeySequence::Redo))
        return;
    if (e->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }

    switch (e->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete: {
        if (nurLesen)
            return;
        if (hasSelectedText()) {
            LoescheAuswahl();
            return;
        }
        const bool zurueck = e->key() == Qt::Key_Backspace;
        const int q = zurueck ? maske_.VorigeEingabestelle(cursorPosition())
                              : maske_.NaechsteEingabestelle(cursorPosition());
        if (q < 0)
            return;
        QString neu = inhalt_;
        maske_.Entferne(neu, q, q + 1);
        Uebernehme(neu, q, true);
        return;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Nothing here changes the text; the line edit moves, selects and signals.
        QLineEdit::keyPressEvent(e);
        return;
    default:
        break;
    }

    if (TipptText(e)) {
        if (!nurLesen)
            TippeText(e->text(), true);
        return;
    }
    // Every other key (a shortcut, a function key, the line edit's own editing shortcuts such as
    // "delete to end of line") is left to the window.
    e->ignore();
}

void TMaskEdit::inputMethodEvent(QInputMethodEvent* e) {
    if (isReadOnly()) {
        e->ignore();
        return;
    }
    const QString fertig = e->commitString();
    if (Maskiert()) {
        // No composing in place: the display has room for finished characters only.
        if (!fertig.isEmpty())
            TippeText(fertig, true);
        e->accept();
        return;
    }
    const QString g = Gefiltert(fertig);
    if (g == fertig) {
        QLineEdit::inputMethodEvent(e);
        return;
    }
    if (g.isEmpty() && !fertig.isEmpty())
        QApplication::beep();
    QInputMethodEvent neu(e->preeditString(), e->attributes());
    neu.setCommitString(g, e->replacementStart(), e->replacementLength());
    QLineEdit::inputMethodEvent(&neu);
    e->setAccepted(neu.isAccepted());
}

void TMaskEdit::mouseReleaseEvent(QMouseEvent* e) {
    // The X11 middle-button paste, through the same filter as every other paste.
    if (e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly()) {
            deselect();
            Einfuegen(QGuiApplication::clipboard()->text(QClipboard::Selection));
        }
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void TMaskEdit::Einfuegen(const QString& text) {
    if (Maskiert()) {
        TippeText(text, false);
        return;
    }
    const QString g = Gefiltert(text);
    if (g.isEmpty()) {
        if (!text.isEmpty())
            QApplication::beep();
        return;
    }
    const QString vorher = this->text();
    insert(g);
    if (this->text() != vorher)
        bearbeitet_ = true;
}

void TMaskEdit::Kopieren() const {
    if (!Maskiert()) {
        copy();
        return;
    }
    if (!hasSelectedText())
        return;
    // What the places hold: pasted back, it gives the same content.
    QGuiApplication::clipboard()->setText(maske_.Kopie(inhalt_, selectionStart(), selectionEnd()));
}

void TMaskEdit::Ausschneiden() {
    Kopieren();
    LoescheAuswahl();
}

void TMaskEdit::LoescheAuswahl() {
    if (!hasSelectedText())
        return;
    const int von = selectionStart();
    QString neu = inhalt_;
    maske_.Entferne(neu, von, selectionEnd());
    Uebernehme(neu, von, true);
}

QMenu* TMaskEdit::ErstelleKontextmenue() {
    auto* menue = new QMenu(this);
    const bool schreiben = !isReadOnly();
    const bool auswahl = hasSelectedText();
    auto eintrag = [&](const QString& text, const char* name, QKeySequence::StandardKey taste,
                       bool an, auto&& tun) {
        QAction* a = menue->addAction(text);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(QKeySequence(taste));
        a->setShortcutVisibleInContextMenu(true);
        a->setEnabled(an);
        connect(a, &QAction::triggered, this, tun);
    };
    eintrag(QStringLiteral("&Rückgängig"), "edit-undo", QKeySequence::Undo,
            schreiben && (Maskiert() ? bearbeitet_ : isUndoAvailable()), [this] {
                if (Maskiert())
                    Rueckgaengig();
                else
                    undo();
            });
    menue->addSeparator();
    eintrag(QStringLiteral("&Ausschneiden"), "edit-cut", QKeySequence::Cut, schreiben && auswahl,
            [this] {
                if (Maskiert())
                    Ausschneiden();
                else
                    cut();
            });
    eintrag(QStringLiteral("&Kopieren"), "edit-copy", QKeySequence::Copy, auswahl,
            [this] { Kopieren(); });
    eintrag(QStringLiteral("&Einfügen"), "edit-paste", QKeySequence::Paste,
            schreiben && !QGuiApplication::clipboard()->text().isEmpty(),
            [this] { Einfuegen(QGuiApplication::clipboard()->text()); });
    eintrag(QStringLiteral("&Löschen"), "edit-delete", QKeySequence::Delete, schreiben && auswahl,
            [this] {
                if (Maskiert())
                    LoescheAuswahl();
                else
                    del();
            });
    menue->addSeparator();
    eintrag(QStringLiteral("Alles &markieren"), "select-all", QKeySequence::SelectAll,
            !text().isEmpty(), [this] { selectAll(); });
    return menue;
}

void TMaskEdit::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menue = ErstelleKontextmenue();
    menue->setAttribute(Qt::WA_DeleteOnClose);
    menue->popup(e->globalPos());
    e->accept();
}

} // namespace widgets
