#include "support/CupsTestDrucker.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef TARVEX_SUPPORT
#error "TARVEX_SUPPORT must name the directory of the test support files"
#endif

namespace testsupport {
namespace {

const QStringList SbinPfade{QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
                            QStringLiteral("/usr/local/sbin")};

QString Programm(const QString& name) {
    QString p = QStandardPaths::findExecutable(name);
    if (p.isEmpty())
        p = QStandardPaths::findExecutable(name, SbinPfade);
    return p;
}

bool Schreibe(const QString& pfad, const QString& text) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(text.toUtf8()) == text.toUtf8().size();
}

QString Lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
}

} // namespace

CupsTestDrucker::CupsTestDrucker()
    : dir_(QDir::tempPath() + QStringLiteral("/tarvex-cups-XXXXXX")) {
    bereit_ = Starte();
}

CupsTestDrucker::~CupsTestDrucker() {
    if (cupsd_ && cupsd_->state() != QProcess::NotRunning) {
        cupsd_->terminate();
        if (!cupsd_->waitForFinished(10000))
            cupsd_->kill();
        cupsd_->waitForFinished(2000);
    }
}

QString CupsTestDrucker::Protokoll() const {
    const QString log = Lies(dir_.filePath(QStringLiteral("log/error_log")));
    return log.right(1500);
}

bool CupsTestDrucker::Befehl(const QString& programm, const QStringList& argumente,
                             QString* ausgabe) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socket_);
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programm, argumente);
    const bool fertig = p.waitForFinished(30000);
    const QString text = QString::fromLocal8Bit(p.readAll());
    if (ausgabe)
        *ausgabe = text;
    if (!fertig || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        grund_ = QStringLiteral("%1 %2 failed: %3").arg(programm, argumente.join(u' '), text);
        return false;
    }
    return true;
}

bool CupsTestDrucker::Starte() {
    const QString cupsd = Programm(QStringLiteral("cupsd"));
    const QString lpadmin = Programm(QStringLiteral("lpadmin"));
    const QString lpstat = Programm(QStringLiteral("lpstat"));
    if (cupsd.isEmpty() || lpadmin.isEmpty() || lpstat.isEmpty()) {
        grund_ = QStringLiteral("CUPS is not installed (cupsd, lpadmin, lpstat; Debian: cups)");
        return false;
    }
    const bool root = geteuid() == 0;
    if (!root) {
        grund_ = QStringLiteral("a CUPS scheduler of the test's own needs root (it runs its "
                                "backend and filters under other users)");
        return false;
    }
    if (!dir_.isValid()) {
        grund_ = QStringLiteral("no temporary directory");
        return false;
    }

    // The filters run as the user "lp" and must reach the spool and the kept jobs.
    const QDir d(dir_.path());
    QFile::setPermissions(d.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                        QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                        QFileDevice::ExeOther);
    for (const char* u :
         {"conf/ppd", "bin/backend", "spool", "cache", "state", "tmp", "log", "ausgang"})
        d.mkpath(QString::fromLatin1(u));
    ::chmod(qPrintable(d.filePath(QStringLiteral("tmp"))), 01777);
    ::chmod(qPrintable(d.filePath(QStringLiteral("ausgang"))), 0777);
    const QString cupsBin = QFileInfo::exists(QStringLiteral("/usr/lib/cups/filter"))
                                ? QStringLiteral("/usr/lib/cups")
                                : QStringLiteral("/usr/libexec/cups");
    for (const char* u : {"filter", "daemon", "cgi-bin", "notifier", "monitor", "driver"})
        QFile::link(cupsBin + u'/' + QString::fromLatin1(u),
                    d.filePath(QStringLiteral("bin/") + QString::fromLatin1(u)));
    const QString backend = d.filePath(QStringLiteral("bin/backend/tarvexbehalten"));
    if (!QFile::copy(QStringLiteral(TARVEX_SUPPORT "/cups-behalten"), backend)) {
        grund_ = QStringLiteral("the backend script could not be copied");
        return false;
    }
    // Mode 0700 makes CUPS run the backend as root, so it can write where the test reads.
    ::chmod(qPrintable(backend), 0700);

    socket_ = d.filePath(QStringLiteral("cups.sock"));
    ausgang_ = d.filePath(QStringLiteral("ausgang"));
    const QString p = d.path();
    const bool ok =
        Schreibe(d.filePath(QStringLiteral("conf/cupsd.conf")),
                 QStringLiteral("Listen %1\nLogLevel info\nBrowsing Off\nWebInterface No\n"
                                "DefaultAuthType None\n"
                                "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                                "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                "  </Limit>\n</Policy>\n")
                     .arg(socket_)) &&
        Schreibe(d.filePath(QStringLiteral("conf/cups-files.conf")),
                 QStringLiteral("ServerRoot %1/conf\nServerBin %1/bin\nDataDir /usr/share/cups\n"
                                "RequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                                "TempDir %1/tmp\nPrintcap %1/printcap\n"
                                "AccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                                "PageLog %1/log/page_log\nUser lp\nGroup lp\n"
                                "SystemGroup root\nFileDevice No\n")
                     .arg(p));
    if (!ok) {
        grund_ = QStringLiteral("the scheduler's configuration could not be written");
        return false;
    }

    cupsd_ = std::make_unique<QProcess>();
    cupsd_->setProcessChannelMode(QProcess::MergedChannels);
    cupsd_->setStandardOutputFile(d.filePath(QStringLiteral("log/cupsd.out")));
    // The scheduler ends with the test program, also when that one crashes.
    cupsd_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    cupsd_->start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"),
                          d.filePath(QStringLiteral("conf/cupsd.conf")), QStringLiteral("-s"),
                          d.filePath(QStringLiteral("conf/cups-files.conf"))});
    if (!cupsd_->waitForStarted(10000)) {
        grund_ = QStringLiteral("cupsd could not be started: ") + cupsd_->errorString();
        return false;
    }
    const QDeadlineTimer frist(30000);
    bool laeuft = false;
    while (!frist.hasExpired() && cupsd_->state() == QProcess::Running) {
        if (QFileInfo::exists(socket_) && Befehl(lpstat, {QStringLiteral("-r")})) {
            laeuft = true;
            break;
        }
        QThread::msleep(100);
    }
    if (!laeuft) {
        grund_ = QStringLiteral("cupsd did not come up: ") + Protokoll() +
                 Lies(d.filePath(QStringLiteral("log/cupsd.out")));
        return false;
    }

    if (!Befehl(lpadmin,
                {QStringLiteral("-p"), Warteschlange(), QStringLiteral("-E"), QStringLiteral("-v"),
                 QStringLiteral("tarvexbehalten:") + ausgang_, QStringLiteral("-P"),
                 QStringLiteral(TARVEX_SUPPORT "/tarvex-testdrucker.ppd")}) ||
        !Befehl(lpadmin, {QStringLiteral("-d"), Warteschlange()}))
        return false;

    // From now on the CUPS library of this process talks to this scheduler, and nothing in the
    // environment names another default.
    qputenv("CUPS_SERVER", socket_.toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    return true;
}

QStringList CupsTestDrucker::Auftraege() const {
    static const QRegularExpression nummer(QStringLiteral("^job-(\\d+)\\.pdf$"));
    QStringList namen = QDir(ausgang_).entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
    std::sort(namen.begin(), namen.end(), [](const QString& a, const QString& b) {
        return nummer.match(a).captured(1).toInt() < nummer.match(b).captured(1).toInt();
    });
    QStringList pfade;
    for (const QString& n : namen)
        pfade << QDir(ausgang_).filePath(n);
    return pfade;
}

QStringList CupsTestDrucker::WarteAuf(int anzahl, int millisekunden) const {
    const QDeadlineTimer frist(millisekunden);
    QStringList a = Auftraege();
    while (a.size() < anzahl && !frist.hasExpired()) {
        QThread::msleep(100);
        a = Auftraege();
    }
    return a;
}

QString CupsTestDrucker::Titel(const QString& pdf) {
    return Lies(QString(pdf).replace(QLatin1String(".pdf"), QLatin1String(".titel")));
}

int CupsTestDrucker::Kopien(const QString& pdf) {
    return Lies(QString(pdf).replace(QLatin1String(".pdf"), QLatin1String(".kopien"))).toInt();
}

QString CupsTestDrucker::PdfText(const QString& pdf, int seite) {
    QStringList argumente{QStringLiteral("-layout")};
    if (seite > 0)
        argumente << QStringLiteral("-f") << QString::number(seite) << QStringLiteral("-l")
                  << QString::number(seite);
    argumente << pdf << QStringLiteral("-");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), argumente);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int CupsTestDrucker::PdfSeiten(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    static const QRegularExpression seiten(QStringLiteral("^Pages:\\s+(\\d+)"),
                                           QRegularExpression::MultilineOption);
    return seiten.match(QString::fromUtf8(p.readAllStandardOutput())).captured(1).toInt();
}

} // namespace testsupport
