// A CUPS scheduler of the test's own with one queue, the default, whose backend keeps every job
// as the PDF it receives. The scheduler runs from a temporary directory and ends with the test
// program; the machine's own printers and its default are not touched.
//
// Create it before anything in the process asks for a printer: the CUPS library remembers the
// server it talked to first.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace testsupport {

class CupsTestDrucker {
public:
    CupsTestDrucker();
    ~CupsTestDrucker();
    CupsTestDrucker(const CupsTestDrucker&) = delete;
    CupsTestDrucker& operator=(const CupsTestDrucker&) = delete;

    // False when the scheduler could not be started; Grund() says why.
    bool Bereit() const { return bereit_; }
    const QString& Grund() const { return grund_; }
    QString Warteschlange() const { return QStringLiteral("TarvexTest"); }

    // The PDF files of the jobs received so far, in the order of their job numbers.
    QStringList Auftraege() const;
    // Waits until at least anzahl jobs are complete (or the time is up) and returns them all.
    QStringList WarteAuf(int anzahl, int millisekunden = 60000) const;
    // The title and the copy count CUPS gave the backend for a received job.
    static QString Titel(const QString& pdf);
    static int Kopien(const QString& pdf);

    // The text of one page (from 1) or of the whole file (0), as pdftotext reads it.
    static QString PdfText(const QString& pdf, int seite = 0);
    static int PdfSeiten(const QString& pdf);

private:
    bool Starte();
    bool Befehl(const QString& programm, const QStringList& argumente, QString* ausgabe = nullptr);
    QString Protokoll() const;

    QTemporaryDir dir_;
    std::unique_ptr<QProcess> cupsd_;
    QString socket_;
    QString ausgang_;
    bool bereit_ = false;
    QString grund_;
};

} // namespace testsupport
