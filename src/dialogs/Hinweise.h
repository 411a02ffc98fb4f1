// The texts of the start hints and of the program info window, and the few fixed addresses of
// the program they name, plus the drag handling both frameless notice windows share.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace dialogs {

// Where the program's download archive lies and who answers questions about it.
inline constexpr auto DownloadAdresse = "https://www.example.org/tarvex/download";
inline constexpr auto SupportName = "Tarvex-Team";
inline constexpr auto SupportAdresse = "tarvex@example.org";
inline constexpr auto SupportBetreff = "Fragen zum Tarvex";

// Empties both lists and fills them again with the three hints, entry i of each belonging to
// hint i; name is the responsible person greeted by the first hint. Inside a text a single CR
// stands for a line break.
void HinweiseAufbauen(QStringList& HinweisTitel, QStringList& HinweisTexte, const QString& name);

// The info window's description, lines ended by a single CR.
QString InfoText();

// A stored text as a label shows it: every CR becomes a line break.
QString AnzeigeText(QString text);

// Lets a window without a title bar be moved by dragging any part of it that does not take the
// mouse itself.
void VerschiebbarMachen(QWidget& fenster);

// Centres a window on the main window, kept whole on the screen the main window is on (a main
// window near the top edge would otherwise push the window's header off the screen).
void ZentriereUeber(QWidget& fenster, const QWidget& hauptfenster);

} // namespace dialogs
