// Dates and times in the forms of the operator's locale, as the desktop of a German system
// writes them: the short date with a four-digit year, the long time without a time zone.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace platform {

QString KurzesDatum(const QDate& datum); // 24.03.2016
QString LangesDatum(const QDate& datum); // Donnerstag, 24. März 2016
QString KurzeZeit(const QTime& zeit);    // 19:05
QString LangeZeit(const QTime& zeit);    // 19:05:00

} // namespace platform
