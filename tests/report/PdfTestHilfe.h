// What the PDF writer's tests read back from a file: its objects in file order with the
// offsets the cross-reference table gives, the content streams, and the verdicts of qpdf and
// poppler's tools.
#pragma once

#include "report/PdfBox.h"
#include "support/TestUmgebung.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace pdftest {

inline QByteArray Lies(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

struct Objekt {
    int nummer = 0;
    qint64 offset = 0;
    QByteArray text; // from the number line to "endobj" inclusive
};

// The objects in the order they appear in the file.
inline std::vector<Objekt> Objekte(const QByteArray& pdf) {
    std::vector<Objekt> liste;
    static const QRegularExpression kopf(QStringLiteral("(?m)^(\\d+) 0 obj\\n"));
    const QString text = QString::fromLatin1(pdf);
    auto it = kopf.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        Objekt o;
        o.nummer = m.captured(1).toInt();
        o.offset = m.capturedStart();
        const qsizetype ende = pdf.indexOf("endobj\n", o.offset);
        o.text = pdf.mid(o.offset, ende + 7 - o.offset);
        liste.push_back(o);
    }
    return liste;
}

inline std::vector<int> Nummern(const std::vector<Objekt>& objekte) {
    std::vector<int> n;
    for (const Objekt& o : objekte)
        n.push_back(o.nummer);
    return n;
}

// The cross-reference entries after the "0 n" line, each with its 20 bytes.
inline QList<QByteArray> XrefEintraege(const QByteArray& pdf) {
    const qsizetype xref = pdf.lastIndexOf("\nxref\n") + 1;
    const qsizetype zeilenEnde = pdf.indexOf('\n', xref + 5);
    const int anzahl = pdf.mid(xref + 5, zeilenEnde - xref - 5).split(' ').value(1).toInt();
    QList<QByteArray> eintraege;
    for (int i = 0; i < anzahl; ++i)
        eintraege.append(pdf.mid(zeilenEnde + 1 + 20 * i, 20));
    return eintraege;
}

// The content lines of every page, in page order.
inline std::vector<QList<QByteArray>> Seiteninhalte(const QByteArray& pdf) {
    std::vector<QList<QByteArray>> seiten;
    qsizetype pos = 0;
    while ((pos = pdf.indexOf("/Length ", pos)) >= 0) {
        const qsizetype ende = pdf.indexOf('\n', pos);
        const int laenge = pdf.mid(pos + 8, ende - pos - 8).toInt();
        const qsizetype start = pdf.indexOf("stream\n", ende) + 7;
        QByteArray inhalt = pdf.mid(start, laenge);
        if (inhalt.endsWith('\n'))
            inhalt.chop(1);
        seiten.push_back(inhalt.isEmpty() ? QList<QByteArray>{} : inhalt.split('\n'));
        pos = start + laenge;
    }
    return seiten;
}

struct Lauf {
    int code = -1;
    QByteArray ausgabe;
};

inline Lauf Starte(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programm, argumente);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAll()};
}

// qpdf must find nothing to complain about: no error, no warning.
inline void PruefeMitQpdf(const QString& pfad) {
    const Lauf lauf = Starte(QStringLiteral("qpdf"), {QStringLiteral("--check"), pfad});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe.constData();
    EXPECT_FALSE(lauf.ausgabe.contains("WARNING")) << lauf.ausgabe.constData();
    EXPECT_TRUE(lauf.ausgabe.contains("No syntax or stream encoding errors found"))
        << lauf.ausgabe.constData();
}

inline QString TextVonPdf(const QString& pfad, const QStringList& extra = {}) {
    const Lauf lauf =
        Starte(QStringLiteral("pdftotext"), extra + QStringList{pfad, QStringLiteral("-")});
    EXPECT_EQ(lauf.code, 0) << lauf.ausgabe.constData();
    return QString::fromUtf8(lauf.ausgabe);
}

// A clock that stands still at 24 March 2016, 19:05:00, for as long as the object lives.
struct Uhrzeit {
    testsupport::FesteUhr uhr{QDateTime(QDate(2016, 3, 24), QTime(19, 5, 0))};
};

inline QString Fehlertext(const std::function<void()>& aufruf) {
    try {
        aufruf();
    } catch (const report::PdfFehler& f) {
        return f.Text();
    }
    return QStringLiteral("(no failure)");
}

} // namespace pdftest
