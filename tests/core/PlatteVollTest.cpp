// LOG.TXT on a small tmpfs that fills up in the middle of a line: the partial line is taken back
// to the byte, the QSO waits, and once space is freed the next save puts both QSOs on the disk.
// Mounting needs root (as the CI runs); elsewhere the test says so and skips.
#include "core/Kontest.h"
#include "core/LogDatei.h"
#include "platform/Pfade.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace core;

namespace {

constexpr qint64 Seite = 4096; // tmpfs hands out whole pages

QsoWerte Qso(const QString& call, const QString& bemerkung = {}) {
    return {"10.12.2026", "13:27:00", call, "59", "K32", "59", "K01", "2", bemerkung, "SSB"};
}

class PlatteVoll : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "mounting a small tmpfs needs root; the CI runs as root";
        ASSERT_EQ(::sysconf(_SC_PAGESIZE), Seite);
        ASSERT_TRUE(dir_.isValid());
        if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, "size=32k") !=
            0)
            GTEST_SKIP() << "tmpfs cannot be mounted here: " << std::strerror(errno);
        gemountet_ = true;
        alterPfad_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        platform::SetzeProgrammVerzeichnis(einstellungen_.path());
        platform::SetzeEinstellungsVerzeichnis(einstellungen_.path());
    }
    void TearDown() override {
        if (!gemountet_)
            return;
        QDir::setCurrent(alterPfad_);
        platform::SetzeProgrammVerzeichnis(QString());
        platform::SetzeEinstellungsVerzeichnis(QString());
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }

    QString Pfad(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QByteArray Log() const {
        QFile f(Pfad("LOG.TXT"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Fills every free page with a file of its own, so the file system has no page left.
    void Fuellen() const {
        QFile f(Pfad("fueller"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray seite(Seite, 'x');
        while (f.write(seite) == seite.size()) {
        }
    }

    QTemporaryDir dir_;
    QTemporaryDir einstellungen_;
    QString alterPfad_;
    bool gemountet_ = false;
};

} // namespace

TEST_F(PlatteVoll, TheLineIsTakenBackAndWrittenOnceThereIsSpace) {
    Kontest k(nullptr);
    k.EinstellungenLaden({5, 5, 655});
    k.LogLaden();
    // Records until the file's last page has only a few bytes left, then a page-filling remark
    // brings it to 20 bytes short of the page's end: the next line starts in that page and needs
    // a new one, which the full file system does not have.
    int n = 0;
    k.Speichern(Qso(QStringLiteral("DA1A%1").arg(++n)));
    const qint64 rest = Seite - Log().size() % Seite;
    const qint64 zeile = Log().size() - QByteArray(LogKopfzeile).size() - 2;
    ASSERT_GT(rest, zeile + 20);
    k.Speichern(
        Qso(QStringLiteral("DA1A%1").arg(++n), QString(static_cast<int>(rest - zeile - 20), u'r')));
    ASSERT_EQ(Seite - Log().size() % Seite, 20);
    Fuellen();
    const QByteArray vorher = Log();

    Kontest::Gespeichert g = k.Speichern(Qso("DA1AAC"));
    EXPECT_FALSE(g.aufPlatte);
    EXPECT_EQ(g.meldungen, QStringList{"Schreibfehler im Logfile: LOG.TXT"});
    EXPECT_EQ(Log(), vorher) << "the file ends exactly where it ended before";
    EXPECT_EQ(k.Ausstehend(), QList<int>{2});

    ASSERT_TRUE(QFile::remove(Pfad("fueller")));
    g = k.Speichern(Qso("DA1AAD"));
    EXPECT_TRUE(g.aufPlatte);
    EXPECT_TRUE(g.meldungen.isEmpty());
    EXPECT_TRUE(k.Ausstehend().isEmpty());

    const QByteArray nachher = Log();
    ASSERT_TRUE(nachher.startsWith(vorher));
    EXPECT_EQ(nachher.mid(vorher.size()), "1;10.12.2026;13:27:00;DA1AAC;59;K32;59;K01;2;;SSB;\r\n"
                                          "1;10.12.2026;13:27:00;DA1AAD;59;K32;59;K01;2;;SSB;\r\n");
    for (const QByteArray& z : nachher.split('\n').mid(1, 4))
        EXPECT_EQ(z.count(';'), 11) << z.toStdString();
    Kontest neu(nullptr);
    neu.EinstellungenLaden({5, 5, 655});
    const Kontest::LogStart s = neu.LogLaden();
    EXPECT_TRUE(s.meldungen.isEmpty());
    EXPECT_EQ(neu.Log.SpalteCall, (QStringList{"DA1A1", "DA1A2", "DA1AAC", "DA1AAD"}));
}
