// The installed program: the tree that `cmake --install` lays out, the desktop entry, a start
// from the menu with an unwritable program directory and a fresh home, and the Debian package.
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Bau = QStringLiteral(TARVEX_BAU);
constexpr uid_t Niemand = 65534; // nobody, for a directory that root could still write
constexpr int Symbolgroessen[] = {16, 32, 48, 64, 128, 256};

// Every file the program installs, relative to the prefix.
QStringList ErwarteteDateien() {
    QStringList dateien = {
        QStringLiteral("bin/tarvex"),
        QStringLiteral("bin/tarvex-start"),
        QStringLiteral("share/applications/tarvex.desktop"),
        QStringLiteral("share/icons/hicolor/scalable/apps/tarvex.svg"),
        QStringLiteral("share/tarvex/LogSonderDOKs.txt"),
        QStringLiteral("share/tarvex/LogSonderCall.txt"),
        QStringLiteral("share/doc/tarvex/README.md"),
        QStringLiteral("share/doc/tarvex/doc/hauptfenster.png"),
    };
    for (int g : Symbolgroessen)
        dateien << QStringLiteral("share/icons/hicolor/%1x%1/apps/tarvex.png").arg(g);
    dateien << QStringLiteral("bin/upd");
    dateien.sort();
    return dateien;
}

struct Lauf {
    int code = -1;
    QString ausgabe;
};

Lauf Starte(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programm, argumente);
    Lauf lauf;
    if (!p.waitForFinished(240000) || p.exitStatus() != QProcess::NormalExit) {
        lauf.ausgabe = programm + QStringLiteral(": ") + p.errorString() + p.readAll();
        return lauf;
    }
    lauf.code = p.exitCode();
    lauf.ausgabe = QString::fromUtf8(p.readAll());
    return lauf;
}

QByteArray Lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The keys of the desktop entry's main group.
QMap<QString, QString> DesktopEintrag(const QString& pfad) {
    QMap<QString, QString> werte;
    for (const QByteArray& zeile : Lies(pfad).split('\n')) {
        const int gleich = zeile.indexOf('=');
        if (gleich > 0)
            werte.insert(QString::fromUtf8(zeile.left(gleich)),
                         QString::fromUtf8(zeile.mid(gleich + 1)));
    }
    return werte;
}

class Installation : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        wurzel = new QTemporaryDir;
        // The program runs as another user below, who must reach the prefix.
        QFile::setPermissions(wurzel->path(), QFile::permissions(wurzel->path()) |
                                                  QFile::ReadOther | QFile::ExeOther |
                                                  QFile::ReadGroup | QFile::ExeGroup);
        praefix = wurzel->filePath(QStringLiteral("praefix"));
        installiert = Starte(QStringLiteral(TARVEX_CMAKE), {QStringLiteral("--install"), Bau,
                                                            QStringLiteral("--prefix"), praefix});
    }
    static void TearDownTestSuite() {
        QFile::setPermissions(praefix + QStringLiteral("/bin"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        delete wurzel;
        wurzel = nullptr;
    }
    void SetUp() override { ASSERT_EQ(installiert.code, 0) << installiert.ausgabe.toStdString(); }
    static QString Installiert(const QString& pfad) { return praefix + QLatin1Char('/') + pfad; }

    static QTemporaryDir* wurzel;
    static QString praefix;
    static Lauf installiert;
};
QTemporaryDir* Installation::wurzel = nullptr;
QString Installation::praefix;
Lauf Installation::installiert;

TEST_F(Installation, LaysOutTheProgramItsMenuEntryIconsListsAndReadme) {
    QStringList dateien;
    QDirIterator it(praefix, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        dateien << QDir(praefix).relativeFilePath(it.next());
    dateien.sort();
    EXPECT_EQ(dateien, ErwarteteDateien());

    for (const char* programm : {"bin/tarvex", "bin/tarvex-start"})
        EXPECT_TRUE(QFileInfo(Installiert(QString::fromLatin1(programm))).isExecutable())
            << programm;
    for (int g : Symbolgroessen) {
        QImageReader bild(
            Installiert(QStringLiteral("share/icons/hicolor/%1x%1/apps/tarvex.png").arg(g)));
        EXPECT_EQ(bild.format(), "png") << g;
        EXPECT_EQ(bild.size(), QSize(g, g)) << g;
    }
    EXPECT_TRUE(Lies(Installiert(QStringLiteral("share/icons/hicolor/scalable/apps/tarvex.svg")))
                    .contains("<svg"));
    // The lists are read as the operator's own files: Windows text with CR LF, the last line too.
    for (const char* liste : {"share/tarvex/LogSonderDOKs.txt", "share/tarvex/LogSonderCall.txt"}) {
        const QByteArray text = Lies(Installiert(QString::fromLatin1(liste)));
        EXPECT_TRUE(text.endsWith("\r\n")) << liste;
        EXPECT_EQ(text.count('\n'), text.count("\r\n")) << liste;
        EXPECT_GE(text.count("\r\n"), 1) << liste;
    }
}

TEST_F(Installation, DesktopEntryIsValidAndStartsTheLauncher) {
    const QString eintrag = Installiert(QStringLiteral("share/applications/tarvex.desktop"));
    if (QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty())
        GTEST_SKIP() << "desktop-file-validate fehlt (Paket desktop-file-utils)";
    const Lauf pruefung = Starte(QStringLiteral("desktop-file-validate"), {eintrag});
    EXPECT_EQ(pruefung.code, 0) << pruefung.ausgabe.toStdString();
    EXPECT_FALSE(pruefung.ausgabe.contains(QLatin1String("error")) ||
                 pruefung.ausgabe.contains(QLatin1String("warning")))
        << pruefung.ausgabe.toStdString();

    const auto werte = DesktopEintrag(eintrag);
    EXPECT_EQ(werte.value(QStringLiteral("Name")), QStringLiteral("Tarvex"));
    EXPECT_EQ(werte.value(QStringLiteral("Terminal")), QStringLiteral("false"));
    EXPECT_TRUE(
        werte.value(QStringLiteral("Comment")).contains(QStringLiteral("Aktivitätsabende")));
    const QStringList kategorien =
        werte.value(QStringLiteral("Categories")).split(QLatin1Char(';'));
    EXPECT_TRUE(kategorien.contains(QStringLiteral("Office")) &&
                kategorien.contains(QStringLiteral("HamRadio")));
    EXPECT_EQ(werte.value(QStringLiteral("Icon")), QStringLiteral("tarvex"));
    // The command is found on the PATH beside the program.
    EXPECT_TRUE(QFileInfo(Installiert(QStringLiteral("bin/") + werte.value(QStringLiteral("Exec"))))
                    .isExecutable())
        << werte.value(QStringLiteral("Exec")).toStdString();
}

// The program installed under a directory the user may not write, as under /usr: from the menu
// and from a shell, a fresh home gets ~/Tarvex with the example lists.
TEST_F(Installation, StartWithUnwritableProgramDirectoryMakesTheUserFolder) {
    const QString bin = Installiert(QStringLiteral("bin"));
    ASSERT_TRUE(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                               QFile::ExeGroup | QFile::ReadOther |
                                               QFile::ExeOther));
    const bool alsRoot = geteuid() == 0;
    const QString menuBefehl =
        DesktopEintrag(Installiert(QStringLiteral("share/applications/tarvex.desktop")))
            .value(QStringLiteral("Exec"));

    struct Fall {
        const char* name;
        QString befehl;
        bool imOrdner; // the launcher runs the program in ~/Tarvex, a shell where it stands
    } faelle[] = {
        {"menu", menuBefehl, true},
        {"shell", QStringLiteral("tarvex"), false},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QTemporaryDir heim;
        ASSERT_TRUE(heim.isValid());
        // Qt wants a runtime directory of the user's own; without one it makes one in /tmp.
        const QString laufzeit = heim.filePath(QStringLiteral("laufzeit"));
        ASSERT_TRUE(QDir().mkdir(laufzeit, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (alsRoot) {
            for (const QString& pfad : {heim.path(), laufzeit})
                ASSERT_EQ(chown(QFile::encodeName(pfad).constData(), Niemand, Niemand), 0);
        }
        const QString ordner = heim.filePath(QStringLiteral("Tarvex"));

        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        for (const QString& name : umgebung.keys())
            if (name.startsWith(QLatin1String("XDG_")))
                umgebung.remove(name);
        umgebung.insert(QStringLiteral("HOME"), heim.path());
        umgebung.insert(QStringLiteral("XDG_RUNTIME_DIR"), laufzeit);
        umgebung.insert(QStringLiteral("PATH"), bin + QStringLiteral(":/usr/bin:/bin"));
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess programm;
        programm.setProcessEnvironment(umgebung);
        programm.setWorkingDirectory(heim.path());
        programm.setProcessChannelMode(QProcess::ForwardedChannels);
        const QString pfad = QDir(bin).filePath(fall.befehl);
        if (alsRoot)
            programm.start(QStringLiteral("setpriv"),
                           {QStringLiteral("--reuid=%1").arg(Niemand),
                            QStringLiteral("--regid=%1").arg(Niemand),
                            QStringLiteral("--clear-groups"), QStringLiteral("--"), pfad});
        else
            programm.start(pfad);
        ASSERT_TRUE(programm.waitForStarted()) << programm.errorString().toStdString();

        const QStringList listen = {QStringLiteral("LogSonderDOKs.txt"),
                                    QStringLiteral("LogSonderCall.txt")};
        auto kopiert = [&] {
            for (const QString& liste : listen)
                if (Lies(QDir(ordner).filePath(liste)) !=
                    Lies(Installiert(QStringLiteral("share/tarvex/") + liste)))
                    return false;
            return true;
        };
        QElapsedTimer uhr;
        uhr.start();
        while (!kopiert() && programm.state() == QProcess::Running && uhr.elapsed() < 30000)
            QThread::msleep(50);
        EXPECT_TRUE(kopiert()) << "~/Tarvex: "
                               << QDir(ordner)
                                      .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                                      .join(QLatin1Char(' '))
                                      .toStdString();
        EXPECT_EQ(programm.state(), QProcess::Running) << programm.exitCode();

        const QString arbeitsordner =
            QFileInfo(QStringLiteral("/proc/%1/cwd").arg(programm.processId())).symLinkTarget();
        EXPECT_EQ(arbeitsordner, fall.imOrdner ? ordner : heim.path());

        programm.kill();
        programm.waitForFinished();
    }
    EXPECT_EQ(QDir(bin).entryList(QDir::Files), (QStringList{"tarvex", "tarvex-start", "upd"}));
}

// The Debian package holds the same tree under /usr, named for the version and the machine.
TEST(DebianPaket, HoldsTheInstalledTreeUnderUsrAndItsLibraries) {
    for (const char* werkzeug : {"dpkg-deb", "dpkg-shlibdeps", "file"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(werkzeug)).isEmpty())
            GTEST_SKIP() << werkzeug << " fehlt (Pakete dpkg-dev, file)";
    QTemporaryDir ziel;
    const Lauf pack =
        Starte(QStringLiteral(TARVEX_CPACK),
               {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                Bau + QStringLiteral("/CPackConfig.cmake"), QStringLiteral("-B"), ziel.path()});
    ASSERT_EQ(pack.code, 0) << pack.ausgabe.toStdString();
    const QString architektur =
        Starte(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).ausgabe.trimmed();
    const QString paket = ziel.filePath(
        QStringLiteral("tarvex_%1_%2.deb").arg(QStringLiteral(TARVEX_VERSION), architektur));
    ASSERT_TRUE(QFileInfo::exists(paket)) << pack.ausgabe.toStdString();

    const Lauf inhalt = Starte(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), paket});
    ASSERT_EQ(inhalt.code, 0) << inhalt.ausgabe.toStdString();
    QStringList dateien;
    for (const QString& zeile : inhalt.ausgabe.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // -rw-r--r-- root/root 319 2026-01-01 12:00 ./usr/share/applications/tarvex.desktop
        const QStringList felder = zeile.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_GE(felder.size(), 6) << zeile.toStdString();
        EXPECT_EQ(felder[1], QStringLiteral("root/root")) << zeile.toStdString();
        if (!felder[0].startsWith(QLatin1Char('d'))) {
            ASSERT_TRUE(felder.last().startsWith(QLatin1String("./usr/"))) << zeile.toStdString();
            dateien << felder.last().mid(6);
        }
    }
    dateien.sort();
    EXPECT_EQ(dateien, ErwarteteDateien());

    const QString kopf = Starte(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), paket}).ausgabe;
    EXPECT_TRUE(kopf.contains(QStringLiteral("Package: tarvex\n"))) << kopf.toStdString();
    // The shared-library scan names the Qt libraries; the fonts the layout measures with are
    // named by hand.
    for (const char* abhaengigkeit : {"libqt6widgets6", "libqt6gui6", "fonts-liberation"})
        EXPECT_TRUE(kopf.contains(QString::fromLatin1(abhaengigkeit))) << abhaengigkeit << "\n"
                                                                       << kopf.toStdString();
}

} // namespace
