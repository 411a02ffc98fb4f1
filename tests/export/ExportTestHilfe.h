// What the export tests share: the station of the golden files and the export call by name.
#pragma once

#include "core/IniRecord.h"
#include "export/Exporte.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

namespace exporttest {

inline core::IniRecord Station() {
    core::IniRecord r;
    r.Stationscall = QStringLiteral("DA0XYZ");
    r.Kontestbezeichnung = QStringLiteral("Aktivitätsabend UKW");
    r.Operators = QStringLiteral("DL1ABC Jürgen");
    r.FDmanagerName = QStringLiteral("Jörg Müller");
    r.FDmanagerStr = QStringLiteral("Hauptstraße 1");
    r.FDmanagerOrt = QStringLiteral("12345 Köln");
    r.FDmanagerDOK = QStringLiteral("K32");
    r.FDmanagerTelGesch = QStringLiteral("0221 1");
    return r;
}

inline QDateTime Exportzeit() {
    return QDateTime(QDate(2014, 3, 7), QTime(21, 30, 15));
}

inline exporte::ExportErgebnis Stf(const QString& log, const QString& ziel, int qsoNummer = 10) {
    return exporte::StfExport(log, ziel, Station(), qsoNummer, QStringLiteral("Multis: 3"),
                              QStringLiteral("QSO Punkte: 36"), QStringLiteral("1.0.0.0"),
                              Exportzeit());
}

inline QList<QByteArray> Zeilen(const QByteArray& inhalt) {
    QList<QByteArray> z = inhalt.split('\n');
    if (!z.isEmpty() && z.back().isEmpty())
        z.removeLast();
    return z; // each but a last unterminated one still ends in CR
}

} // namespace exporttest
