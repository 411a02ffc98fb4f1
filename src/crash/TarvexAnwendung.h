// The application object. An exception that escapes an event handler ends that event only: it
// is shown to the operator in the program's own error dialog and the program goes on.
#pragma once

#include <QApplication>
#include <functional>

namespace crash {

class TarvexAnwendung : public QApplication {
public:
    TarvexAnwendung(int& argc, char** argv);

    bool notify(QObject* empfaenger, QEvent* ereignis) override;

    // How an unexpected error is shown; by default the error dialog. Tests record it instead.
    using Anzeige = std::function<void(const QString& text, const QString& details)>;
    static void SetzeAnzeige(Anzeige anzeige);
    static void ZeigeUnerwartetenFehler(const QString& text, const QString& details);
};

} // namespace crash
