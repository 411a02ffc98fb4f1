// A small HTTP server on 127.0.0.1 for the update tests, in the test's own thread: answers from a
// table of paths, with error statuses, bodies that break off halfway, and slow bodies. With TLS it
// serves https with the certificate of tests/fixtures, which the test adds to the trusted ones.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <ostream>

// Readable texts in the failure messages of the tests.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texte, std::ostream* aus) {
    *aus << '{';
    for (const QString& t : texte)
        *aus << "\n  \"" << t.toStdString() << '"';
    *aus << " }";
}

class QTcpServer;
class QTcpSocket;

namespace testsupport {

class HttpTestServer : public QObject {
public:
    struct Antwort {
        enum class Art { Ganz, BrichtAb, Langsam };
        int status = 200;
        QByteArray body;
        Art art = Art::Ganz;
        int pauseMs = 20;       // Langsam: the pause between two blocks
        int blockGroesse = 256; // Langsam: bytes per block
    };
    struct Anfrage {
        QString pfad;
        QMap<QByteArray, QByteArray> kopf; // header names in lower case
    };

    explicit HttpTestServer(bool tls = false);
    ~HttpTestServer() override;

    quint16 Port() const;
    // "http://127.0.0.1:<port>/<pfad>" (https with TLS).
    QString Adresse(const QString& pfad) const;
    void Setze(const QString& pfad, Antwort antwort);
    void Setze(const QString& pfad, const QByteArray& body);
    // How often a path was asked for.
    int Anzahl(const QString& pfad) const;

    QList<Anfrage> anfragen;

    // Makes the server's certificate trusted by every later TLS connection of this process.
    static void VertraueZertifikat();
    // A port on which nothing listens.
    static quint16 FreierPort();

private:
    void Bediene(QTcpSocket* verbindung);
    void Antworte(QTcpSocket* verbindung, const QString& pfad);

    std::unique_ptr<QTcpServer> server_;
    bool tls_;
    QHash<QString, Antwort> routen_;
};

} // namespace testsupport
