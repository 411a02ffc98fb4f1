#include "search/SuchTreffer.h"

#include "core/LogSpalten.h"

namespace suche {

QString UtAusZeit(const QString& zeit) {
    return zeit.mid(0, 2) + zeit.mid(3, 2);
}

QList<TrefferZeile> TrefferSuchen(const core::LogSpalten& log, const QString& text) {
    QList<TrefferZeile> treffer;
    if (text.isEmpty())
        return treffer;
    const QStringList& calls = log.SpalteCall;
    const qsizetype n = calls.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (!calls.at(i).contains(text, Qt::CaseSensitive))
            continue;
        // value() rather than at(): the columns are meant to be equally long, but a short one must
        // not take the program down in the middle of typing a callsign.
        treffer.append(TrefferZeile{calls.at(i), UtAusZeit(log.SpalteZeit.value(i)),
                                    log.SpalteDokEin.value(i), log.SpalteBand.value(i)});
    }
    return treffer;
}

TrefferZeile ArchivZeile(const QString& call, const QString& dok) {
    return {call, QString(), dok, QStringLiteral("Archiv")};
}

} // namespace suche
