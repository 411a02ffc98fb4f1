// The message boxes of the program behind one seam: the program shows them through the Qt
// implementation, a test records the texts and scripts the answers.
#pragma once

#include <QString>

namespace platform {

enum class Knopf { Ok, Abbrechen, Ja, Nein };
// JaNeinVorsicht: a question whose "Ja" cannot be undone; Enter and Escape both answer "Nein".
enum class Knoepfe { Ok, OkAbbrechen, JaNein, JaNeinVorsicht };

// The answer of a box's default button, the one Enter presses.
constexpr Knopf EnterAntwort(Knoepfe knoepfe) {
    switch (knoepfe) {
    case Knoepfe::JaNein:
        return Knopf::Ja;
    case Knoepfe::JaNeinVorsicht:
        return Knopf::Nein;
    case Knoepfe::Ok:
    case Knoepfe::OkAbbrechen:
        break;
    }
    return Knopf::Ok;
}

// The application title, caption of the plain boxes.
inline constexpr auto AnwendungsTitel = "Vendrik";

class Meldungen {
public:
    virtual ~Meldungen() = default;
    // Plain box: caption "Vendrik", no icon, one "OK" button.
    virtual void Zeige(const QString& text) = 0;
    // Information box with the information icon and "OK".
    virtual void Information(const QString& text) = 0;
    // Warning box: caption "Warnung", warning icon.
    virtual Knopf Warnung(const QString& text, Knoepfe knoepfe = Knoepfe::Ok) = 0;
    // Confirmation box with the question icon.
    virtual Knopf Frage(const QString& text, Knoepfe knoepfe = Knoepfe::JaNein) = 0;

    static Meldungen& Instanz();
    // Wired up once in main(), replaced by a test. The caller keeps ownership.
    static void SetzeInstanz(Meldungen* meldungen);
};

} // namespace platform
