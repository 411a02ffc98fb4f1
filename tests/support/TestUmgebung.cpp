#include "support/TestUmgebung.h"

#include "platform/Pfade.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace testsupport {

MeldungsRekorder::MeldungsRekorder() {
    platform::Meldungen::SetzeInstanz(this);
}
MeldungsRekorder::~MeldungsRekorder() {
    platform::Meldungen::SetzeInstanz(nullptr);
}

void MeldungsRekorder::Merke(const QString& art, const QString& text) {
    eintraege.push_back({art, text});
    if (beimZeigen)
        beimZeigen(eintraege.back());
}

platform::Knopf MeldungsRekorder::Naechste(platform::Knopf vorgabe) {
    if (antworten.empty())
        return vorgabe;
    const auto k = antworten.front();
    antworten.pop_front();
    return k;
}

void MeldungsRekorder::Zeige(const QString& text) {
    Merke(QStringLiteral("Zeige"), text);
}
void MeldungsRekorder::Information(const QString& text) {
    Merke(QStringLiteral("Information"), text);
}
platform::Knopf MeldungsRekorder::Warnung(const QString& text, platform::Knoepfe) {
    Merke(QStringLiteral("Warnung"), text);
    return Naechste(platform::Knopf::Ok);
}
platform::Knopf MeldungsRekorder::Frage(const QString& text, platform::Knoepfe knoepfe) {
    Merke(QStringLiteral("Frage"), text);
    // Unscripted, the recorder answers as Enter on the box would.
    return Naechste(platform::EnterAntwort(knoepfe));
}

QStringList MeldungsRekorder::Texte() const {
    QStringList t;
    for (const auto& e : eintraege)
        t << e.text;
    return t;
}

FesteUhr::FesteUhr(QDateTime j) : jetzt(std::move(j)) {
    platform::Uhr::SetzeInstanz(this);
}
FesteUhr::~FesteUhr() {
    platform::Uhr::SetzeInstanz(nullptr);
}

FesteZeitzone::FesteZeitzone(std::optional<int> b) : bias(b) {
    platform::Zeitzone::SetzeInstanz(this);
}
FesteZeitzone::~FesteZeitzone() {
    platform::Zeitzone::SetzeInstanz(nullptr);
}

ShellRekorder::ShellRekorder() {
    platform::Shell::SetzeInstanz(this);
}
ShellRekorder::~ShellRekorder() {
    platform::Shell::SetzeInstanz(nullptr);
}
bool ShellRekorder::OeffneDatei(const QString& pfad) {
    dateien << pfad;
    return true;
}
bool ShellRekorder::OeffneAdresse(const QUrl& adresse) {
    adressen << adresse;
    return true;
}

TestWelt::TestWelt() : alterPfad_(QDir::currentPath()) {
    if (!dir_.isValid())
        throw std::runtime_error("no temporary directory");
    platform::SetzeProgrammVerzeichnis(dir_.path());
    platform::SetzeEinstellungsVerzeichnis(dir_.path());
    QDir::setCurrent(dir_.path());
}

TestWelt::~TestWelt() {
    QDir::setCurrent(alterPfad_);
    platform::SetzeProgrammVerzeichnis(QString());
    platform::SetzeEinstellungsVerzeichnis(QString());
}

QString TestWelt::Pfad(const QString& name) const {
    return dir_.filePath(name);
}

void TestWelt::Schreibe(const QString& name, const QByteArray& bytes) const {
    QFile f(Pfad(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray TestWelt::Lies(const QString& name) const {
    QFile f(Pfad(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool TestWelt::Existiert(const QString& name) const {
    return QFile::exists(Pfad(name));
}

QByteArray Fixture(const QString& name) {
    QFile f(QStringLiteral(TARVEX_FIXTURES "/") + name);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing fixture " + name.toStdString());
    return f.readAll();
}

QString AusgabePfad(const QString& name) {
    QDir().mkpath(QStringLiteral(TARVEX_TEST_AUSGABE));
    return QStringLiteral(TARVEX_TEST_AUSGABE "/") + name;
}

} // namespace testsupport
