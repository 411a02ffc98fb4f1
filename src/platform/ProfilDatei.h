// Reading and writing Log.ini in the manner of the classic Windows profile functions: sections
// and keys are found without regard to letter case, every other line of the file is kept as it
// is, and a write is on the disk when the call returns. Nothing is cached: every call reads the
// file anew, so two writers never see stale values.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// The longest value a read returns; longer values are cut (the Windows buffer of 2048 bytes).
inline constexpr int ProfilWertMaxLaenge = 2047;

// The lines of the file and how it is kept: Windows-1252, or UTF-8 when the file begins with the
// UTF-8 byte-order mark (some editors save it so); the mark is not part of the first line, and the
// file is written back the way it was read.
struct ProfilText {
    QStringList zeilen; // without their line ends
    bool utf8 = false;
};
ProfilText ProfilZeilen(QByteArrayView inhalt);
QByteArray ProfilBytes(const ProfilText& text);
// A key's value among the lines (blanks around it and one pair of quotes taken off, at most
// ProfilWertMaxLaenge characters), and a key set among them.
std::optional<QString> ProfilWert(const QStringList& zeilen, const QString& sektion,
                                  const QString& schluessel);
void ProfilSetzen(QStringList& zeilen, const QString& sektion, const QString& schluessel,
                  const QString& wert);

// The raw value of a key, or nothing when the file, the section or the key is missing. A file
// that is no regular file, or larger than TextDateiGrenze, reads as missing.
std::optional<QString> ProfilLesen(const QString& datei, const QString& sektion,
                                   const QString& schluessel);
// Sets a key, adding the section and the key where they are missing. False when the file could
// not be written; the file is then unchanged.
bool ProfilSchreiben(const QString& datei, const QString& sektion, const QString& schluessel,
                     const QString& wert);

// A signed 32-bit integer as the profile readers take it: leading blanks, one sign, then decimal
// digits, or hexadecimal digits after "0x", "0X", "$", "x" or "X". Anything else, or a value out
// of range, gives nothing.
std::optional<qint32> ProfilGanzzahl(const QString& text);

// A profile file read once, for a reader that asks many keys of one file (a file from the
// network, say): the same answers as ProfilLesen, without reading the file again for each key.
class ProfilInhalt {
public:
    // Nothing when the file cannot be read.
    static std::optional<ProfilInhalt> Lade(const QString& datei);

    std::optional<QString> Lies(const QString& sektion, const QString& schluessel) const;
    QString LeseText(const QString& sektion, const QString& schluessel,
                     const QString& vorgabe = QString()) const;
    qint32 LeseGanzzahl(const QString& sektion, const QString& schluessel, qint32 vorgabe) const;
    // The names of the sections, each as first written in the file.
    QStringList Sektionen() const;

private:
    QHash<QString, QHash<QString, QString>> werte_; // by case-folded section and key
    QStringList sektionen_;
};

// The file object every reader and writer of Log.ini opens for one access.
class IniDatei {
public:
    explicit IniDatei(QString pfad);

    const QString& Pfad() const { return pfad_; }

    QString LeseText(const QString& sektion, const QString& schluessel,
                     const QString& vorgabe) const;
    qint32 LeseGanzzahl(const QString& sektion, const QString& schluessel, qint32 vorgabe) const;
    bool LeseSchalter(const QString& sektion, const QString& schluessel, bool vorgabe) const;

    // A failed write raises Fehler("In Log.ini kann nicht geschrieben werden").
    void SchreibeText(const QString& sektion, const QString& schluessel, const QString& wert);
    void SchreibeGanzzahl(const QString& sektion, const QString& schluessel, qint32 wert);
    void SchreibeSchalter(const QString& sektion, const QString& schluessel, bool wert);

private:
    QString pfad_;
};

} // namespace platform
