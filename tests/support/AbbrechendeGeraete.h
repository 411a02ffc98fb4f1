// Devices that fail after a given number of bytes, as a full disk or a pulled stick would: the
// writers are handed one, so a test sees the error reported and nothing already written lost.
#pragma once

#include <QBuffer>
#include <QFile>
#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <utility>

namespace testsupport {

// A device whose writes stop after `erlaubt` bytes: what fits is written, then every write fails.
template <class Geraet> class Abbrechend final : public Geraet {
public:
    template <class... Args>
    explicit Abbrechend(qint64 erlaubt, Args&&... args)
        : Geraet(std::forward<Args>(args)...), rest_(erlaubt) {}

protected:
    qint64 writeData(const char* daten, qint64 laenge) override {
        if (rest_ <= 0)
            return -1;
        const qint64 n = Geraet::writeData(daten, std::min(laenge, rest_));
        if (n > 0)
            rest_ -= n;
        return n;
    }

private:
    qint64 rest_;
};

// A real file, and a buffer in memory.
using AbbrechendeDatei = Abbrechend<QFile>;
using AbbrechenderPuffer = Abbrechend<QBuffer>;

// Files of this process may grow to `bytes` only while it lives: a write past that fails with
// EFBIG, as on a full disk.
class DateiGrenze {
public:
    explicit DateiGrenze(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &alt_);
        alterHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit neu = alt_;
        neu.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~DateiGrenze() {
        setrlimit(RLIMIT_FSIZE, &alt_);
        std::signal(SIGXFSZ, alterHandler_);
    }
    DateiGrenze(const DateiGrenze&) = delete;
    DateiGrenze& operator=(const DateiGrenze&) = delete;

private:
    rlimit alt_{};
    void (*alterHandler_)(int) = nullptr;
};

} // namespace testsupport
