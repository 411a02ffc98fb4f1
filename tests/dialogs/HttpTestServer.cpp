#include "HttpTestServer.h"

#include "support/TestUmgebung.h"

#include <QPointer>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <stdexcept>

namespace testsupport {

namespace {

QByteArray StatusZeile(int status) {
    return "HTTP/1.1 " + QByteArray::number(status) + (status < 300 ? " OK" : " Fehler") + "\r\n";
}

} // namespace

HttpTestServer::HttpTestServer(bool tls) : tls_(tls) {
    if (tls) {
        auto ssl = std::make_unique<QSslServer>();
        QSslConfiguration konfiguration = QSslConfiguration::defaultConfiguration();
        konfiguration.setLocalCertificate(QSslCertificate(Fixture("update-server.crt")));
        konfiguration.setPrivateKey(QSslKey(Fixture("update-server.key"), QSsl::Rsa));
        ssl->setSslConfiguration(konfiguration);
        server_ = std::move(ssl);
    } else {
        server_ = std::make_unique<QTcpServer>();
    }
    if (!server_->listen(QHostAddress::LocalHost))
        throw std::runtime_error("test server cannot listen");
    connect(server_.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* verbindung = server_->nextPendingConnection())
            Bediene(verbindung);
    });
}

HttpTestServer::~HttpTestServer() = default;

quint16 HttpTestServer::Port() const {
    return server_->serverPort();
}

QString HttpTestServer::Adresse(const QString& pfad) const {
    return QStringLiteral("%1://127.0.0.1:%2/%3")
        .arg(tls_ ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(Port())
        .arg(pfad);
}

void HttpTestServer::Setze(const QString& pfad, Antwort antwort) {
    routen_.insert(pfad, std::move(antwort));
}

void HttpTestServer::Setze(const QString& pfad, const QByteArray& body) {
    Antwort a;
    a.body = body;
    Setze(pfad, a);
}

int HttpTestServer::Anzahl(const QString& pfad) const {
    int n = 0;
    for (const auto& a : anfragen)
        n += a.pfad == pfad;
    return n;
}

void HttpTestServer::Bediene(QTcpSocket* verbindung) {
    verbindung->setParent(this);
    auto puffer = std::make_shared<QByteArray>();
    connect(verbindung, &QTcpSocket::readyRead, this, [this, verbindung, puffer] {
        *puffer += verbindung->readAll();
        const qsizetype ende = puffer->indexOf("\r\n\r\n");
        if (ende < 0)
            return;
        const QList<QByteArray> zeilen = puffer->left(ende).split('\n');
        puffer->clear();
        Anfrage anfrage;
        const QList<QByteArray> erste = zeilen.value(0).trimmed().split(' ');
        anfrage.pfad = QString::fromLatin1(erste.value(1)).mid(1);
        for (qsizetype i = 1; i < zeilen.size(); ++i) {
            const qsizetype doppelpunkt = zeilen[i].indexOf(':');
            if (doppelpunkt > 0)
                anfrage.kopf.insert(zeilen[i].left(doppelpunkt).trimmed().toLower(),
                                    zeilen[i].mid(doppelpunkt + 1).trimmed());
        }
        anfragen << anfrage;
        Antworte(verbindung, anfrage.pfad);
    });
    connect(verbindung, &QTcpSocket::disconnected, verbindung, &QObject::deleteLater);
}

void HttpTestServer::Antworte(QTcpSocket* verbindung, const QString& pfad) {
    const Antwort antwort = routen_.value(pfad, Antwort{404, "nicht da", Antwort::Art::Ganz});
    QByteArray kopf = StatusZeile(antwort.status);
    kopf += "Content-Length: " + QByteArray::number(antwort.body.size()) + "\r\n";
    kopf += "Connection: close\r\n\r\n";
    verbindung->write(kopf);
    switch (antwort.art) {
    case Antwort::Art::Ganz:
        verbindung->write(antwort.body);
        verbindung->disconnectFromHost();
        break;
    case Antwort::Art::BrichtAb: {
        verbindung->write(antwort.body.left(antwort.body.size() / 2));
        verbindung->flush();
        QPointer<QTcpSocket> v(verbindung);
        QTimer::singleShot(50, this, [v] {
            if (v)
                v->abort();
        });
        break;
    }
    case Antwort::Art::Langsam: {
        auto rest = std::make_shared<QByteArray>(antwort.body);
        auto* takt = new QTimer(verbindung);
        takt->setInterval(antwort.pauseMs);
        connect(takt, &QTimer::timeout, verbindung, [verbindung, rest, takt, antwort] {
            verbindung->write(rest->left(antwort.blockGroesse));
            rest->remove(0, antwort.blockGroesse);
            if (rest->isEmpty()) {
                takt->stop();
                verbindung->disconnectFromHost();
            }
        });
        takt->start();
        break;
    }
    }
}

void HttpTestServer::VertraueZertifikat() {
    QSslConfiguration konfiguration = QSslConfiguration::defaultConfiguration();
    konfiguration.addCaCertificate(QSslCertificate(Fixture("update-server.crt")));
    QSslConfiguration::setDefaultConfiguration(konfiguration);
}

quint16 HttpTestServer::FreierPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace testsupport
