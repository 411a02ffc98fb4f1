// The mask grammar of the entry mask's fields, as pure string rules: parsing a mask, what a place
// accepts, typing and deleting in the places, the read-back with and without literals, the blank
// fill and the first missing place. The masked edit keeps only the keys, mouse and clipboard.
#pragma once

#include <QString>
#include <vector>

namespace core {

// A mask has three parts separated by ";": the mask characters, "1" or "0" (literals belong to the
// read-back or not) and the character shown in an unfilled place. Mask characters: "0" a required
// digit, "9" an optional digit, "c" an optional character of any kind (a blank included), ">" upper
// case for what follows, "!" optional places as leading blanks, "\" makes the next character a
// literal; every other character (":" the time separator) is a literal. The empty mask has no
// places: the field is a plain edit.
//
// The content of a field is a string with one character per place; QChar::Null marks an unfilled
// place, literal places hold their literal. A ";" never gets into a place: LOG.TXT separates its
// fields with it and has no escape for it.
class Maske {
public:
    enum class Art : unsigned char { Literal, ZifferPflicht, ZifferFrei, Beliebig };
    struct Stelle {
        Art art;
        bool gross;
        QChar literal;
        int gruppe; // the run of input places it belongs to, -1 for a literal
    };
    struct Gruppe {
        int anfang;
        int ende; // exclusive
    };

    Maske() = default;
    explicit Maske(const QString& maske);

    const QString& Quelle() const { return quelle_; }
    bool Leer() const { return stellen_.empty(); }
    int Anzahl() const { return static_cast<int>(stellen_.size()); }
    const Stelle& At(int i) const { return stellen_[static_cast<size_t>(i)]; }
    bool LiteraleImText() const { return literaleImText_; }
    QChar Leerzeichen() const { return leerzeichen_; }

    bool Akzeptiert(int i, QChar c) const;
    // The character as it is stored in place i: upper case under ">" or when the field is.
    QChar Gewandelt(int i, QChar c, bool grossbuchstaben) const;
    int NaechsteEingabestelle(int ab) const;
    int VorigeEingabestelle(int vor) const;

    // Under "!" the characters of a partly filled group count as standing at its end.
    QString Ausgerichtet(const QString& inhalt) const;
    // A text assigned by the program ("59", "599", "18:15", "") distributed over the places.
    QString Zugewiesen(const QString& text) const;
    // What the field shows: unfilled places as the blank character, literals as themselves.
    QString Anzeige(const QString& inhalt) const;
    // The read-back: with "1" every place (unfilled ones as blanks), so the text has the mask's
    // full length; with "0" the filled places only.
    QString Text(const QString& inhalt) const;
    // The first required place left unfilled, or -1.
    int ErsteFehlendeStelle(const QString& inhalt) const;
    // What a copy of the places von..bis gives: unfilled places as blanks, none at the end.
    QString Kopie(const QString& inhalt, int von, int bis) const;

    // One character typed at the cursor; false when no place takes it.
    bool Tippe(QString& inhalt, int& cursor, QChar c, bool grossbuchstaben) const;
    // Deleting pulls the rest of the group to the left.
    void Entferne(QString& inhalt, int von, int bis) const;
    void Leere(QString& inhalt, int von, int bis) const;
    QString LeererInhalt() const;

private:
    void RichteAus(QString& inhalt, const Gruppe& g) const;

    QString quelle_;
    std::vector<Stelle> stellen_;
    std::vector<Gruppe> gruppen_;
    bool literaleImText_ = true;
    bool fuehrendeLeer_ = false;
    QChar leerzeichen_ = QLatin1Char('_');
};

// A character that never belongs into a field: a control or format character.
bool Steuerzeichen(QChar c);

} // namespace core
