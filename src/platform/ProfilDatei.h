// Reading and writing Log.ini in the manner of the classic Windows profile functions: sections
// and keys are found without regard to letter case, every other line of the file is kept as it
// is, and a write is on the disk when the call returns. Nothing is cached: every call reads the
// file anew, so two writers never see stale values.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// The longest value a read returns; longer values are cut (the Windows buffer of 2048 bytes).
inline constexpr int ProfilWertMaxLaenge = 2047;

// The raw value of a key, or nothing when the file, the section or the key is missing.
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
