// Things that are not plain files, put where the program expects one of its files: a folder, a
// FIFO, and links to the endless devices /dev/zero and /dev/full.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <stdexcept>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace testsupport {

enum class Sonderart { Verzeichnis, Fifo, DevZero, DevFull };
inline constexpr Sonderart AlleSonderarten[] = {Sonderart::Verzeichnis, Sonderart::Fifo,
                                                Sonderart::DevZero, Sonderart::DevFull};

inline const char* Name(Sonderart art) {
    switch (art) {
    case Sonderart::Verzeichnis:
        return "directory";
    case Sonderart::Fifo:
        return "FIFO";
    case Sonderart::DevZero:
        return "link to /dev/zero";
    case Sonderart::DevFull:
        return "link to /dev/full";
    }
    return "?";
}

inline void SonderdateiAnlegen(const QString& pfad, Sonderart art) {
    if (const QFileInfo vorher(pfad); vorher.isDir() && !vorher.isSymLink())
        QDir(pfad).removeRecursively();
    else
        QFile::remove(pfad);
    bool ok = false;
    switch (art) {
    case Sonderart::Verzeichnis:
        ok = QDir().mkpath(pfad);
        break;
    case Sonderart::Fifo:
        ok = ::mkfifo(QFile::encodeName(pfad).constData(), 0644) == 0;
        break;
    case Sonderart::DevZero:
        ok = QFile::link(QStringLiteral("/dev/zero"), pfad);
        break;
    case Sonderart::DevFull:
        ok = QFile::link(QStringLiteral("/dev/full"), pfad);
        break;
    }
    if (!ok)
        throw std::runtime_error("cannot create " + pfad.toStdString());
}

// Keeps a test from hanging for good where a reader waits in a FIFO: as long as the test has not
// ended it, every few seconds the FIFO is opened for writing and closed again, which ends a
// waiting reader's wait with an empty file, and the test fails on what it then sees.
class FifoWaechter {
public:
    explicit FifoWaechter(const QString& pfad, std::chrono::seconds frist = std::chrono::seconds(5))
        : pfad_(QFile::encodeName(pfad)), faden_([this, frist] {
              std::unique_lock<std::mutex> sperre(mutex_);
              while (!cv_.wait_for(sperre, frist, [this] { return fertig_; })) {
                  const int fd = ::open(pfad_.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0)
                      ::close(fd);
              }
          }) {}
    ~FifoWaechter() {
        {
            std::lock_guard<std::mutex> sperre(mutex_);
            fertig_ = true;
        }
        cv_.notify_all();
        faden_.join();
    }
    FifoWaechter(const FifoWaechter&) = delete;
    FifoWaechter& operator=(const FifoWaechter&) = delete;

private:
    QByteArray pfad_;
    std::mutex mutex_;
    std::condition_variable cv_;
    bool fertig_ = false;
    std::thread faden_;
};

} // namespace testsupport
