#include "core/Rufzeichen.h"

namespace core {

bool PruefeRufzeichen(const QString& eingabe) {
    QStringView s(eingabe);
    auto gueltigerAnfang = [](QChar c) {
        return c == u'/' || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z');
    };
    while (!s.isEmpty() && !gueltigerAnfang(s.front()))
        s = s.mid(1);
    if (s.size() < 3)
        return false;
    const qsizetype striche = s.count(u'/');
    if (s.size() > 8 && striche == 0)
        return false;
    if (s.front() == u'/' || s.back() == u'/')
        return false;
    if (striche > 2)
        return false;
    int ziffern = 0;
    for (const QChar c : s)
        if (c >= u'0' && c <= u'9')
            ++ziffern;
    return ziffern >= 1 && ziffern <= 4;
}

QString Grundrufzeichen(const QString& s) {
    const qsizetype erster = s.indexOf(u'/');
    if (erster < 0)
        return s;
    const qsizetype p = erster + 1; // counted from 1
    const QString rest = s.mid(erster + 1);
    const qsizetype zweiter = rest.indexOf(u'/');
    if (zweiter >= 0 && zweiter + 1 > 4)
        return rest.left(zweiter);
    if (p <= 4 && rest.size() > 2)
        return rest;
    return s.left(erster);
}

void DoppelIndex::Aufbauen(const QStringList& calls) {
    grund_.clear();
    grund_.reserve(calls.size());
    for (const QString& c : calls)
        grund_.insert(Grundrufzeichen(c));
}

void DoppelIndex::Hinzufuegen(const QString& call) {
    grund_.insert(Grundrufzeichen(call));
}

bool DoppelIndex::Gearbeitet(const QString& call) const {
    return grund_.contains(Grundrufzeichen(call));
}

} // namespace core
