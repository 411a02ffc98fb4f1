#include "platform/Gebietsschema.h"

#include <QLocale>
#include <QRegularExpression>

namespace platform {
namespace {

// Qt's locale data knows a two-digit year for the short date and writes the time zone into the
// long time; neither is what the operator's desktop shows.
QString OhneZeitzone(QString format) {
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    return format.replace(zone, QString()).trimmed();
}

QString MitLangemJahr(QString format) {
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

} // namespace

QString KurzesDatum(const QDate& datum) {
    const QLocale l;
    return l.toString(datum, MitLangemJahr(l.dateFormat(QLocale::ShortFormat)));
}

QString LangesDatum(const QDate& datum) {
    return QLocale().toString(datum, QLocale::LongFormat);
}

QString KurzeZeit(const QTime& zeit) {
    const QLocale l;
    return l.toString(zeit, OhneZeitzone(l.timeFormat(QLocale::ShortFormat)));
}

QString LangeZeit(const QTime& zeit) {
    const QLocale l;
    return l.toString(zeit, OhneZeitzone(l.timeFormat(QLocale::LongFormat)));
}

} // namespace platform
