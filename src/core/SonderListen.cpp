#include "core/SonderListen.h"

#include "platform/Codepage.h"
#include "platform/Dateien.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFileInfo>

namespace core {

void SonderListe::Setzen(QStringList eintraege) {
    eintraege_ = std::move(eintraege);
    Falten();
}

void SonderListe::Leeren() {
    eintraege_.clear();
    gefaltet_.clear();
}

bool SonderListe::Enthaelt(const QString& text) const {
    return gefaltet_.contains(text.toCaseFolded());
}

void SonderListe::LeereEntfernen() {
    const auto leer = [](const QString& e) {
        return std::all_of(e.cbegin(), e.cend(), [](QChar c) { return c.unicode() <= 0x20; });
    };
    if (eintraege_.removeIf(leer) > 0)
        Falten();
}

void SonderListe::Falten() {
    gefaltet_.clear();
    gefaltet_.reserve(eintraege_.size());
    for (const QString& e : std::as_const(eintraege_))
        gefaltet_.insert(e.toCaseFolded());
}

QStringList ListenZeilen(QByteArrayView daten) {
    const bool utf8 = platform::BomAbnehmen(daten);
    const auto text = [utf8](QByteArrayView zeile) {
        return utf8 ? QString::fromUtf8(zeile) : platform::AnsiNachText(zeile);
    };
    const qsizetype nul = daten.indexOf('\0');
    if (nul >= 0)
        daten = daten.first(nul);
    QStringList zeilen;
    qsizetype anfang = 0;
    qsizetype i = 0;
    while (i < daten.size()) {
        const char c = daten[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        zeilen << text(daten.sliced(anfang, i - anfang));
        // Only CR LF is one line end; a lone CR, a lone LF and LF CR end a line each.
        i += (c == '\r' && i + 1 < daten.size() && daten[i + 1] == '\n') ? 2 : 1;
        anfang = i;
    }
    if (anfang < daten.size())
        zeilen << text(daten.sliced(anfang));
    return zeilen;
}

QStringList ListenDateiLesen(const QString& pfad) {
    // A file held locked by another program, a directory, a FIFO or a device of that name, or a
    // file beyond any sensible size, reads as an empty list rather than stopping the program.
    const platform::DateiInhalt gelesen = platform::RegulaerLesen(pfad);
    if (gelesen.stand != platform::DateiInhalt::Gelesen)
        return {};
    return ListenZeilen(gelesen.bytes);
}

namespace {

QString DateiPfad(const QString& verzeichnis, const char* name) {
    return QDir(verzeichnis).filePath(QString::fromLatin1(name));
}

void LadenWennVorhanden(SonderListe& liste, const QString& pfad) {
    if (QFileInfo::exists(pfad))
        liste.Setzen(ListenDateiLesen(pfad));
}

} // namespace

void SonderListenStartLaden(SonderListen& listen, const QString& verzeichnis) {
    listen.SonderDOKListe.Leeren();
    listen.SonderCallListe.Leeren();
    LadenWennVorhanden(listen.SonderDOKListe, DateiPfad(verzeichnis, SonderDokDatei));
    listen.SonderDOKListe.LeereEntfernen();
    LadenWennVorhanden(listen.SonderCallListe, DateiPfad(verzeichnis, SonderCallDatei));
}

QString SonderListenNeuEinlesen(SonderListen& listen, const QString& verzeichnis) {
    listen.SonderDOKListe.Leeren();
    listen.SonderCallListe.Leeren();
    LadenWennVorhanden(listen.SonderDOKListe, DateiPfad(verzeichnis, SonderDokDatei));
    LadenWennVorhanden(listen.SonderCallListe, DateiPfad(verzeichnis, SonderCallDatei));

    QString meldung;
    if (listen.SonderDOKListe.Anzahl() > 0)
        meldung += QStringLiteral("Es wurden %1 Sonder-DOKs eingelesen\r")
                       .arg(listen.SonderDOKListe.Anzahl());
    if (listen.SonderCallListe.Anzahl() > 0)
        meldung += QStringLiteral("Es wurden %1 Sonder-Rufzeichen eingelesen\r")
                       .arg(listen.SonderCallListe.Anzahl());
    if (meldung.isEmpty())
        meldung = QStringLiteral("Es wurde keine Liste gefunden. SonderRufzeichen bitte in Datei: "
                                 "LogSonderCall.txt zeilenweise eintragen\r"
                                 "Sonderrufzeichen laut Ausschreibung die als Multi zählen in der "
                                 "Datei: LogSonderDOKs.txt zeilenweise abspeichern.");
    return meldung;
}

void ListeOeffnen(const QString& pfad) {
    (void)platform::Shell::Instanz().OeffneDatei(pfad);
}

} // namespace core
