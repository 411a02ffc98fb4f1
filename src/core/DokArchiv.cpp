#include "core/DokArchiv.h"

#include "core/LogDatei.h"
#include "core/Rufzeichen.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTime>

namespace core {

namespace {

// A sortable key of the QSO's date and time; an invalid one sorts before every valid one.
QString ZeitSchluessel(const QString& datum, const QString& zeit) {
    const QDate d = QDate::fromString(datum, QStringLiteral("dd.MM.yyyy"));
    QTime t = QTime::fromString(zeit, QStringLiteral("HH:mm:ss"));
    if (!t.isValid())
        t = QTime::fromString(zeit, QStringLiteral("HH:mm"));
    if (!d.isValid() || !t.isValid())
        return {};
    return d.toString(QStringLiteral("yyyyMMdd")) + t.toString(QStringLiteral("HHmmss"));
}

} // namespace

DokArchiv::Lesung DokArchiv::OrdnerLesen(const QString& ordner) {
    Lesung l;
    const QFileInfoList dateien = QDir(ordner).entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& info : dateien) {
        if (!info.fileName().endsWith(QLatin1String(".TXT"), Qt::CaseInsensitive))
            continue;
        // Only regular files are opened: a FIFO would block, a device would never end.
        if (!info.isFile() || info.size() > MaxDateiGroesse || !info.isReadable()) {
            ++l.uebersprungen;
            continue;
        }
        LogSpalten log;
        const LogLadeErgebnis e = LogDateiLesen(info.filePath(), log);
        if (e.unlesbar || e.neuereVersion) {
            ++l.uebersprungen;
            continue;
        }
        ++l.dateien;
        Uebernehmen(log);
    }
    return l;
}

void DokArchiv::Uebernehmen(const LogSpalten& log) {
    for (int i = 0; i < log.Anzahl(); ++i) {
        const QString dok = Getrimmt(log.SpalteDokEin.value(i));
        if (dok.isEmpty())
            continue;
        const QString grund = Grundrufzeichen(Getrimmt(log.SpalteCall.value(i)));
        if (grund.isEmpty())
            continue;
        const QString zeit = ZeitSchluessel(log.SpalteDatum.value(i), log.SpalteZeit.value(i));
        auto it = archiv_.find(grund);
        // At the same moment the later line wins, as it would in one log.
        if (it == archiv_.end())
            archiv_.insert(grund, {zeit, dok});
        else if (zeit >= it->zeit)
            *it = {zeit, dok};
    }
}

void DokArchiv::LaufendesLogUebernehmen(const LogSpalten& log) {
    laufend_.clear();
    for (int i = 0; i < log.Anzahl(); ++i)
        LaufendesQsoUebernehmen(log.SpalteCall.value(i), log.SpalteDokEin.value(i));
}

void DokArchiv::LaufendesQsoUebernehmen(const QString& call, const QString& dok) {
    const QString d = Getrimmt(dok);
    const QString grund = Grundrufzeichen(Getrimmt(call));
    if (!d.isEmpty() && !grund.isEmpty())
        laufend_.insert(grund, d);
}

std::optional<QString> DokArchiv::Dok(const QString& call) const {
    const QString grund = Grundrufzeichen(Getrimmt(call));
    if (const auto it = laufend_.constFind(grund); it != laufend_.cend())
        return *it;
    if (const auto it = archiv_.constFind(grund); it != archiv_.cend())
        return it->dok;
    return std::nullopt;
}

int DokArchiv::Stationen() const {
    int n = static_cast<int>(archiv_.size());
    for (auto it = laufend_.cbegin(); it != laufend_.cend(); ++it)
        if (!archiv_.contains(it.key()))
            ++n;
    return n;
}

} // namespace core
