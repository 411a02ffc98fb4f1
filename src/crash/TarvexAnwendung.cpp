#include "crash/TarvexAnwendung.h"

#include "crash/FehlerDialog.h"
#include "platform/Fehler.h"

#include <QEvent>
#include <QMetaEnum>
#include <QPointer>

namespace crash {
namespace {
TarvexAnwendung::Anzeige& AktuelleAnzeige() {
    static TarvexAnwendung::Anzeige a;
    return a;
}

QString Details(QObject* empfaenger, QEvent* ereignis, const char* art) {
    const QString typ = QString::fromLatin1(
        QMetaEnum::fromType<QEvent::Type>().valueToKey(ereignis ? ereignis->type() : 0));
    return QStringLiteral("Fehlerart: %1\nEreignis: %2\nEmpfänger: %3 (%4)")
        .arg(QString::fromLatin1(art), typ.isEmpty() ? QStringLiteral("?") : typ,
             empfaenger ? empfaenger->objectName() : QString(),
             empfaenger ? QString::fromLatin1(empfaenger->metaObject()->className()) : QString());
}
} // namespace

TarvexAnwendung::TarvexAnwendung(int& argc, char** argv) : QApplication(argc, argv) {}

bool TarvexAnwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const platform::Fehler& f) {
        ZeigeUnerwartetenFehler(f.Text(), Details(empfaenger, ereignis, "Programmfehler"));
    } catch (const std::exception& e) {
        ZeigeUnerwartetenFehler(QString::fromLocal8Bit(e.what()),
                                Details(empfaenger, ereignis, typeid(e).name()));
    } catch (...) {
        ZeigeUnerwartetenFehler(QStringLiteral("Unbekannter Fehler"),
                                Details(empfaenger, ereignis, "unbekannt"));
    }
    return false;
}

void TarvexAnwendung::SetzeAnzeige(Anzeige anzeige) {
    AktuelleAnzeige() = std::move(anzeige);
}

void TarvexAnwendung::ZeigeUnerwartetenFehler(const QString& text, const QString& details) {
    if (AktuelleAnzeige()) {
        AktuelleAnzeige()(text, details);
        return;
    }
    QPointer<QWidget> vorher = QApplication::activeWindow();
    {
        FehlerDialog dialog(text, details);
        dialog.exec();
    }
    // The keyboard goes back to the window the error happened in, also where no window manager
    // hands it back, as after every other box of the program.
    if (vorher && vorher->isVisible())
        vorher->activateWindow();
}

} // namespace crash
