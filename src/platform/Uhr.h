// The system clock behind a seam, so that a test can set the time.
#pragma once

#include <QDateTime>

namespace platform {

class Uhr {
public:
    virtual ~Uhr() = default;
    // The local date and time.
    virtual QDateTime Jetzt() const;

    static Uhr& Instanz();
    // A test's clock; nullptr brings back the system clock. The caller keeps ownership.
    static void SetzeInstanz(Uhr* uhr);
};

} // namespace platform
