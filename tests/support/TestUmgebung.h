// Test doubles for the seams and a temporary world for the files: the program's directory, the
// settings directory and the working directory (LOG.TXT) all point into one QTemporaryDir.
#pragma once

#include "platform/Meldungen.h"
#include "platform/Shell.h"
#include "platform/Uhr.h"
#include "platform/Zeitzone.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <functional>
#include <optional>

namespace testsupport {

// Records every box and answers from a script (default: OK, or Ja for questions).
class MeldungsRekorder final : public platform::Meldungen {
public:
    struct Eintrag {
        QString art; // "Zeige", "Information", "Warnung", "Frage"
        QString text;
    };
    MeldungsRekorder();
    ~MeldungsRekorder() override;

    void Zeige(const QString& text) override;
    void Information(const QString& text) override;
    platform::Knopf Warnung(const QString& text, platform::Knoepfe knoepfe) override;
    platform::Knopf Frage(const QString& text, platform::Knoepfe knoepfe) override;

    void Antworte(platform::Knopf knopf) { antworten.push_back(knopf); }
    QStringList Texte() const;
    void Leeren() { eintraege.clear(); }

    std::vector<Eintrag> eintraege;
    std::deque<platform::Knopf> antworten;
    // Runs while a box "is shown", e.g. to look at the focus at that moment.
    std::function<void(const Eintrag&)> beimZeigen;

private:
    platform::Knopf Naechste(platform::Knopf vorgabe);
    void Merke(const QString& art, const QString& text);
};

class FesteUhr final : public platform::Uhr {
public:
    explicit FesteUhr(QDateTime jetzt);
    ~FesteUhr() override;
    QDateTime Jetzt() const override { return jetzt; }
    QDateTime jetzt;
};

class FesteZeitzone final : public platform::Zeitzone {
public:
    explicit FesteZeitzone(std::optional<int> bias);
    ~FesteZeitzone() override;
    std::optional<int> BiasMinuten() const override { return bias; }
    std::optional<int> bias;
};

class ShellRekorder final : public platform::Shell {
public:
    ShellRekorder();
    ~ShellRekorder() override;
    bool OeffneDatei(const QString& pfad) override;
    bool OeffneAdresse(const QUrl& adresse) override;
    QStringList dateien;
    QList<QUrl> adressen;
};

// Program directory, settings directory and working directory in one temporary directory,
// restored when it goes out of scope.
class TestWelt {
public:
    TestWelt();
    ~TestWelt();
    QString Pfad(const QString& name) const; // a file in the temporary directory
    QString LogTxt() const { return Pfad(QStringLiteral("LOG.TXT")); }
    QString LogIni() const { return Pfad(QStringLiteral("Log.ini")); }
    void Schreibe(const QString& name, const QByteArray& bytes) const;
    QByteArray Lies(const QString& name) const;
    bool Existiert(const QString& name) const;

private:
    QTemporaryDir dir_;
    QString alterPfad_;
};

// A fixture file of tests/fixtures.
QByteArray Fixture(const QString& name);
// Where a test leaves files a person may want to open after the run.
QString AusgabePfad(const QString& name);

} // namespace testsupport
