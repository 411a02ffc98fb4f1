// The error the program raises on purpose (a failed write of Log.ini, an export that cannot open
// its file); caught once by the handler of unexpected errors, which shows its text.
#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

class Fehler : public std::runtime_error {
public:
    explicit Fehler(const QString& text);
    const QString& Text() const noexcept { return text_; }

private:
    QString text_;
};

} // namespace platform
