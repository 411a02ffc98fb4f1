#include "dialogs/Uebertragung.h"

#include "dialogs/UpdateDateien.h"

#include <QDir>
#include <QEventLoop>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryFile>
#include <QUrl>
#include <unistd.h>

namespace dialogs {
namespace {

constexpr qint64 Block = 4096;

// The system's proxy settings, asked per address, without changing them for the whole program.
class SystemProxy final : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& anfrage) override {
        return systemProxyForQuery(anfrage);
    }
};

} // namespace

Uebertragung::Uebertragung(QString benutzerAgent) : agent_(std::move(benutzerAgent)) {
    netz_.setProxyFactory(new SystemProxy);
}

Uebertragung::~Uebertragung() = default;

void Uebertragung::Abbrechen() {
    abgebrochen_ = true;
    if (schleife_)
        schleife_->quit();
}

Uebertragung::Antwort Uebertragung::Lade(const QString& adresse, const QString& ziel,
                                         qint64 hoechstens) {
    Antwort antwort;
    if (abgebrochen_) {
        antwort.ergebnis = Ergebnis::Abgebrochen;
        return antwort;
    }
    const QUrl url(adresse.trimmed(), QUrl::StrictMode);
    const QString schema = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (schema != u"http" && schema != u"https"))
        return antwort;

    QTemporaryFile teil(QDir::current().filePath(QStringLiteral("WUPDXXXXXX")));
    if (!teil.open()) {
        antwort.ergebnis = Ergebnis::Schreibfehler;
        return antwort;
    }
    // Qt may keep the file nameless until asked for its name; the partial download is to be seen
    // under its "WUPD" name while it arrives.
    (void)teil.fileName();

    QNetworkRequest anfrage(url);
    anfrage.setHeader(QNetworkRequest::UserAgentHeader, agent_);
    anfrage.setRawHeader("Cache-Control", "no-cache");
    anfrage.setRawHeader("Pragma", "no-cache");
    // The bytes as sent: so the announced length can be held against what arrived.
    anfrage.setRawHeader("Accept-Encoding", "identity");
    anfrage.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    anfrage.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    anfrage.setTransferTimeout(zeitlimitMs);

    std::unique_ptr<QNetworkReply> antwortKanal(netz_.get(anfrage));
    QNetworkReply* kanal = antwortKanal.get();
    // Blocks of 4096 bytes: between two of them the event loop runs.
    kanal->setReadBufferSize(Block);

    bool zuGross = false, schreibfehler = false;
    const auto status = [kanal] {
        return kanal->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    };
    QObject::connect(kanal, &QNetworkReply::metaDataChanged, kanal, [&] {
        const QVariant laenge = kanal->header(QNetworkRequest::ContentLengthHeader);
        if (hoechstens >= 0 && laenge.isValid() && laenge.toLongLong() > hoechstens) {
            zuGross = true;
            kanal->abort();
        }
    });
    QObject::connect(kanal, &QNetworkReply::readyRead, kanal, [&] {
        if (status().toInt() > 299) {
            kanal->readAll(); // an error page is not the file
            return;
        }
        char puffer[Block];
        while (kanal->bytesAvailable() > 0) {
            const qint64 n = kanal->read(puffer, Block);
            if (n <= 0)
                break;
            if (hoechstens >= 0 && antwort.bytes + n > hoechstens) {
                zuGross = true;
                kanal->abort();
                return;
            }
            if (teil.write(puffer, n) != n) {
                schreibfehler = true;
                kanal->abort();
                return;
            }
            antwort.bytes += n;
        }
    });

    QEventLoop schleife;
    QObject::connect(kanal, &QNetworkReply::finished, &schleife, &QEventLoop::quit);
    if (!kanal->isFinished()) {
        schleife_ = &schleife;
        schleife.exec();
        schleife_ = nullptr;
    }
    if (!kanal->isFinished())
        kanal->abort();

    const QVariant code = status();
    antwort.httpStatus = code.toInt();
    if (zuGross)
        antwort.ergebnis = Ergebnis::ZuGross;
    else if (schreibfehler)
        antwort.ergebnis = Ergebnis::Schreibfehler;
    else if (abgebrochen_)
        antwort.ergebnis = Ergebnis::Abgebrochen;
    else if (code.isValid() && antwort.httpStatus > 299)
        antwort.ergebnis = Ergebnis::HttpFehler;
    else if (kanal->error() != QNetworkReply::NoError)
        antwort.ergebnis = code.isValid() ? Ergebnis::Abgebrochen : Ergebnis::KeineAntwort;
    else if (const QVariant laenge = kanal->header(QNetworkRequest::ContentLengthHeader);
             laenge.isValid() && laenge.toLongLong() != antwort.bytes)
        antwort.ergebnis = Ergebnis::Abgebrochen; // the connection ended before the body did
    else if (antwort.bytes == 0)
        antwort.ergebnis = Ergebnis::Leer;
    else if (!teil.flush() || ::fsync(teil.handle()) != 0)
        antwort.ergebnis = Ergebnis::Schreibfehler;
    else {
        teil.close();
        if (Einsetzen(teil.fileName(), ziel)) {
            teil.setAutoRemove(false);
            antwort.ergebnis = Ergebnis::Ok;
        } else {
            antwort.ergebnis = Ergebnis::Schreibfehler;
        }
    }
    return antwort;
}

} // namespace dialogs
