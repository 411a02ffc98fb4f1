// A started main window in a temporary world: program, settings and working directory in one
// temporary directory, the message boxes recorded, the clock and the time-zone bias fixed.
#pragma once

#include "app/TLogForm.h"
#include "core/QsoListe.h"
#include "crash/TarvexAnwendung.h"
#include "platform/Version.h"
#include "support/TestUmgebung.h"
#include "widgets/BandAuswahl.h"
#include "widgets/DatumEdit.h"
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace testsupport {

struct Umgebung {
    TestWelt welt;
    MeldungsRekorder meldungen;
    FesteUhr uhr{QDateTime(QDate(2026, 3, 24), QTime(20, 15, 0))};
    FesteZeitzone zone{-120};
    ShellRekorder shell;
    bool hinweisTimerGestartet = false; // the start hints were due when the window came up
};

inline const QByteArray LogKopf =
    "Version;Datum;Zeit in UTC;Call;Rst gegeben;DOK gegeben;Rst erhalten;DOK erhalten;Band;"
    "Bemerkungen;Mode;\r\n";

// Records what the handler of unexpected errors shows, for as long as it lives.
struct FehlerAnzeige {
    QStringList gezeigt;
    FehlerAnzeige() {
        crash::TarvexAnwendung::SetzeAnzeige(
            [this](const QString& text, const QString&) { gezeigt << text; });
    }
    ~FehlerAnzeige() { crash::TarvexAnwendung::SetzeAnzeige({}); }
    FehlerAnzeige(const FehlerAnzeige&) = delete;
    FehlerAnzeige& operator=(const FehlerAnzeige&) = delete;
};

// Log.ini becomes a folder, which no write can replace, and back.
inline void LogIniSperren(const TestWelt& welt) {
    QFile::remove(welt.LogIni());
    QDir(welt.Pfad("")).mkpath("Log.ini/x");
}
inline void LogIniFreigeben(const TestWelt& welt) {
    QDir(welt.Pfad("Log.ini")).removeRecursively();
}

// Creates, shows and activates the main window. The start hints are switched off in Log.ini
// unless the test wrote its own Log.ini.
inline std::unique_ptr<app::TLogForm> Starte(Umgebung& u) {
    if (!u.welt.Existiert(QStringLiteral("Log.ini")))
        u.welt.Schreibe(QStringLiteral("Log.ini"),
                        "[Fenster]\r\nStarthinweise=0\r\nStarthinweiseVer=" +
                            QByteArray(platform::DateiVersion) + "\r\n");
    auto f = std::make_unique<app::TLogForm>();
    f->FensterErzeugen();
    f->show();
    f->activateWindow();
    [[maybe_unused]] const bool aktiv = QTest::qWaitForWindowActive(f.get());
    // A test that wants the hints runs the timer's handler itself; nothing modal may pop up.
    u.hinweisTimerGestartet = f->HinweisTimer->isActive();
    f->HinweisTimer->stop();
    QCoreApplication::processEvents();
    return f;
}

// Typed keys go to whatever has the focus, as a person's would; posted events (the Tab that an
// Enter becomes) are processed before the next key.
inline void Tippe(const QString& text) {
    for (const QChar c : text) {
        QWidget* ziel = QApplication::focusWidget();
        if (!ziel)
            return;
        QTest::keyClicks(ziel, QString(c));
        QCoreApplication::processEvents();
    }
}

// The fields of the QSO lines of a LOG.TXT, header left out.
inline QList<QByteArrayList> LogZeilen(const QByteArray& log) {
    QList<QByteArrayList> zeilen;
    const QByteArrayList alle = log.split('\n');
    for (qsizetype i = 1; i < alle.size(); ++i)
        if (!alle[i].trimmed().isEmpty())
            zeilen << alle[i].trimmed().split(';');
    return zeilen;
}

inline void Taste(Qt::Key taste, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QWidget* ziel = QApplication::focusWidget();
    if (!ziel)
        return;
    QTest::keyClick(ziel, taste, mod);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace testsupport
