// The masked edit of the entry mask. The editing is our own rather than Qt's input mask: its mask
// letters mean other things, it has no place for "any character, a blank included", and its text()
// follows other read-back rules.
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

bool Steuerzeichen(QChar c) {
    const auto k = c.category();
    return k == QChar::Other_Control || k == QChar::Other_Format;
}

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
    maske_ = maske;
    stellen_.clear();
    gruppen_.clear();
    literaleImText_ = true;
    fuehrendeLeer_ = false;
    leerzeichen_ = QLatin1Char('_');

    if (!maske.isEmpty()) {
        const QStringList teile = maske.split(Semikolon);
        const QString& zeichen = teile.at(0);
        if (teile.size() > 1)
            literaleImText_ = teile.at(1) != QLatin1String("0");
        if (teile.size() > 2 && !teile.at(2).isEmpty())
            leerzeichen_ = teile.at(2).at(0);
        bool gross = false;
        auto neu = [&](Art art, QChar literal = QChar()) {
            int gruppe = -1;
            if (art != Art::Literal) {
                if (stellen_.empty() || stellen_.back().art == Art::Literal)
                    gruppen_.push_back({Anzahl(), Anzahl()});
                gruppe = static_cast<int>(gruppen_.size()) - 1;
                gruppen_.back().ende = Anzahl() + 1;
            }
            stellen_.push_back({art, gross, literal, gruppe});
        };
        for (qsizetype i = 0; i < zeichen.size(); ++i) {
            const QChar c = zeichen.at(i);
            switch (c.unicode()) {
            case '!':
                fuehrendeLeer_ = true;
                break;
            case '>':
                gross = true;
                break;
            case '0':
                neu(Art::ZifferPflicht);
                break;
            case '9':
                neu(Art::ZifferFrei);
                break;
            case 'c':
                neu(Art::Beliebig);
                break;
            case '\\':
                if (i + 1 < zeichen.size())
                    neu(Art::Literal, zeichen.at(++i));
                break;
            default:
                neu(Art::Literal, c);
                break;
            }
        }
    }

    setMaxLength(Maskiert() ? 32767 : maxLaenge_);
    SetzeText(alt);
}

bool TMaskEdit::Akzeptiert(int i, QChar c) const {
    switch (stellen_[i].art) {
    case Art::ZifferPflicht:
    case Art::ZifferFrei:
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    case Art::Beliebig:
        return c != Semikolon && !c.isNull() && !c.isSurrogate() && !Steuerzeichen(c);
    case Art::Literal:
        break;
    }
    return false;
}

QChar TMaskEdit::Gewandelt(int i, QChar c) const {
    return stellen_[i].gross || grossbuchstaben_ ? c.toUpper() : c;
}

int TMaskEdit::NaechsteEingabestelle(int ab) const {
    for (int i = std::max(ab, 0); i < Anzahl(); ++i)
        if (stellen_[i].art != Art::Literal)
            return i;
    return -1;
}

int TMaskEdit::VorigeEingabestelle(int vor) const {
    for (int i = std::min(vor, Anzahl()) - 1; i >= 0; --i)
        if (stellen_[i].art != Art::Literal)
            return i;
    return -1;
}

// Under "!" a partly filled group is read with its characters at the end, the optional places in
// front left blank: "8" in the hour group of "!90:00" is " 8", which fills the required place.
void TMaskEdit::RichteAus(QString& inhalt, const Gruppe& g) const {
    bool frei = false;
    for (int i = g.anfang; i < g.ende; ++i)
        frei = frei || stellen_[i].art != Art::ZifferPflicht;
    if (!frei)
        return; // nothing optional to stand in front, as in the minutes of "!90:00"
    QString zeichen;
    for (int i = g.anfang; i < g.ende; ++i)
        if (!inhalt.at(i).isNull())
            zeichen += inhalt.at(i);
    const int k = static_cast<int>(zeichen.size());
    if (k == 0 || k == g.ende - g.anfang)
        return;
    const int start = g.ende - k;
    for (int j = 0; j < k; ++j)
        if (!Akzeptiert(start + j, zeichen.at(j)))
            return;
    for (int i = g.anfang; i < start; ++i)
        inhalt[i] = QChar();
    for (int j = 0; j < k; ++j)
        inhalt[start + j] = zeichen.at(j);
}

QString TMaskEdit::Ausgerichtet(const QString& inhalt) const {
    if (!fuehrendeLeer_)
        return inhalt;
    QString a = inhalt;
    for (const auto& g : gruppen_)
        RichteAus(a, g);
    return a;
}

// Distributes a program-assigned text over the places group by group: a group takes the text up to
// the literal that follows it (or as many characters as it has places when the literal is
// missing, so "1815" fits "90:00" too), cut to its length; blanks on the padding side count as
// unfilled.
QString TMaskEdit::Zugewiesen(const QString& text) const {
    QString t = text;
    t.remove(Semikolon);
    const int n = Anzahl();
    QString neu(n, QChar());
    qsizetype pos = 0;
    int i = 0;
    while (i < n) {
        const Stelle& s = stellen_[i];
        if (s.art == Art::Literal) {
            neu[i] = s.literal;
            if (pos < t.size() && t.at(pos) == s.literal)
                ++pos;
            ++i;
            continue;
        }
        const Gruppe& g = gruppen_[s.gruppe];
        const int m = g.ende - g.anfang;
        QString stueck;
        if (g.ende < n) {
            const qsizetype j = t.indexOf(stellen_[g.ende].literal, pos);
            if (j >= 0) {
                stueck = t.mid(pos, j - pos);
                pos = j;
            } else {
                stueck = t.mid(pos, m);
                pos += stueck.size();
            }
        } else {
            stueck = t.mid(pos);
            pos = t.size();
        }
        if (fuehrendeLeer_) {
            stueck = stueck.trimmed();
        } else {
            while (stueck.endsWith(QLatin1Char(' ')))
                stueck.chop(1);
        }
        if (stueck.size() > m)
            stueck.truncate(m);
        const int start = fuehrendeLeer_ ? g.ende - static_cast<int>(stueck.size()) : g.anfang;
        for (int k = 0; k < stueck.size(); ++k) {
            const int p = start + k;
            const QChar c = stellen_[p].gross ? stueck.at(k).toUpper() : stueck.at(k);
            if (Akzeptiert(p, c))
                neu[p] = c;
        }
        i = g.ende;
    }
    return neu;
}

QString TMaskEdit::Anzeige() const {
    QString a(Anzahl(), QChar());
    for (int i = 0; i < Anzahl(); ++i) {
        if (stellen_[i].art == Art::Literal)
            a[i] = stellen_[i].literal;
        else
            a[i] = inhalt_.at(i).isNull() ? leerzeichen_ : inhalt_.at(i);
    }
    return a;
}

QString TMaskEdit::Text() const {
    if (!Maskiert())
        return text();
    const QString a = Ausgerichtet(inhalt_);
    QString t;
    t.reserve(Anzahl());
    for (int i = 0; i < Anzahl(); ++i) {
        const bool literal = stellen_[i].art == Art::Literal;
        if (literal) {
            if (literaleImText_)
                t += stellen_[i].literal;
        } else if (!a.at(i).isNull()) {
            t += a.at(i);
        } else if (literaleImText_) {
            t += QLatin1Char(' ');
        }
    }
    return t;
}

void TMaskEdit::SetzeText(const QString& text) {
    if (Maskiert()) {
        inhalt_ = Zugewiesen(text);
        setText(Anzeige());
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
    return ErsteFehlendeStelle() < 0;
}

int TMaskEdit::ErsteFehlendeStelle() const {
    if (!Maskiert())
        return -1;
    const QString a = Ausgerichtet(inhalt_);
    for (int i = 0; i < Anzahl(); ++i)
        if (stellen_[i].art == Art::ZifferPflicht && a.at(i).isNull())
            return i;
    return -1;
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
    const QString a = Ausgerichtet(inhalt_);
    if (a != inhalt_)
        Uebernehme(a, cursorPosition(), false);
    const int fehlt = ErsteFehlendeStelle();
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
    setText(Anzeige());
    setCursorPosition(cursor);
    if (vomBediener)
        emit textEdited(text());
}

void TMaskEdit::Leere(QString& inhalt, int von, int bis) const {
    for (int i = std::max(von, 0); i < std::min(bis, Anzahl()); ++i)
        if (stellen_[i].art != Art::Literal)
            inhalt[i] = QChar();
}

// Deleting pulls the rest of the group to the left, as in a plain edit, so that "K32" with the "3"
// deleted reads "K2"; where a character would land on a place that does not take it, the places are
// only emptied.
void TMaskEdit::Entferne(QString& inhalt, int von, int bis) const {
    for (const auto& g : gruppen_) {
        const int a = std::max(g.anfang, von);
        const int b = std::min(g.ende, bis);
        if (a >= b)
            continue;
        const QString rest = inhalt.mid(b, g.ende - b);
        bool passt = true;
        for (int k = 0; k < rest.size(); ++k)
            if (!rest.at(k).isNull() && !Akzeptiert(a + k, rest.at(k)))
                passt = false;
        if (!passt) {
            Leere(inhalt, a, b);
            continue;
        }
        for (int k = 0; k < rest.size(); ++k)
            inhalt[a + k] = rest.at(k);
        for (int i = a + static_cast<int>(rest.size()); i < g.ende; ++i)
            inhalt[i] = QChar();
    }
}

// One character typed at the cursor: it fills the next place that takes it (overwriting) and the
// cursor moves on past any literal; a typed literal moves past the next literal, and under "!"
// settles the group before it at its end.
bool TMaskEdit::Tippe(QString& inhalt, int& cursor, QChar c) const {
    if (c == Semikolon)
        return false;
    const int n = Anzahl();
    const int q = NaechsteEingabestelle(cursor);
    int l = std::max(cursor, 0);
    while (l < n && stellen_[l].art != Art::Literal)
        ++l;
    const bool fuelltVorLiteral = q >= 0 && q < l && Akzeptiert(q, Gewandelt(q, c));
    if (l < n && stellen_[l].literal == c && !fuelltVorLiteral) {
        if (fuehrendeLeer_ && l > 0 && stellen_[l - 1].gruppe >= 0)
            RichteAus(inhalt, gruppen_[stellen_[l - 1].gruppe]);
        cursor = l + 1;
        return true;
    }
    if (q >= 0 && Akzeptiert(q, Gewandelt(q, c))) {
        inhalt[q] = Gewandelt(q, c);
        cursor = q + 1;
        while (cursor < n && stellen_[cursor].art == Art::Literal)
            ++cursor;
        return true;
    }
    // The separator typed out of habit after the cursor already jumped over it.
    return cursor > 0 && cursor <= n && stellen_[cursor - 1].art == Art::Literal &&
           stellen_[cursor - 1].literal == c;
}

// Typed keys beep at every refused character; a paste takes what fits and beeps only when nothing
// did. A selection is emptied first, but only once something is accepted.
bool TMaskEdit::TippeText(const QString& text, bool beepBeiJederAbweisung) {
    QString neu = inhalt_;
    int cursor = cursorPosition();
    if (hasSelectedText()) {
        cursor = selectionStart();
        Leere(neu, cursor, selectionEnd());
    }
    bool eines = false;
    bool alle = true;
    for (const QChar c : text) {
        if (Tippe(neu, cursor, c))
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
        if (c == Semikolon || Steuerzeichen(c))
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
            !isReadOnly()) {
            e->accept();
            return true;
        }
    }
    return QLineEdit::event(e);
}

void TMaskEdit::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (bearbeitet_ && !isReadOnly()) {
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
        const int q = zurueck ? VorigeEingabestelle(cursorPosition())
                              : NaechsteEingabestelle(cursorPosition());
        if (q < 0)
            return;
        QString neu = inhalt_;
        Entferne(neu, q, q + 1);
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
    // What the places hold, unfilled places as blanks, without the blanks after the last
    // character: pasted back, it gives the same content.
    QString t;
    for (int i = selectionStart(); i < selectionEnd(); ++i) {
        if (stellen_[i].art == Art::Literal)
            t += stellen_[i].literal;
        else
            t += inhalt_.at(i).isNull() ? QLatin1Char(' ') : inhalt_.at(i);
    }
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    QGuiApplication::clipboard()->setText(t);
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
    Entferne(neu, von, selectionEnd());
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
