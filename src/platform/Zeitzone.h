// The time-zone bias of the system in minutes, such that UTC = local time + bias (-60 in Central
// European winter time, -120 in summer time), daylight saving included.
#pragma once

#include <optional>

namespace platform {

class Zeitzone {
public:
    virtual ~Zeitzone() = default;
    // Nothing when the system cannot tell its time zone.
    virtual std::optional<int> BiasMinuten() const;

    static Zeitzone& Instanz();
    static void SetzeInstanz(Zeitzone* zone); // nullptr: the system's again
};

} // namespace platform
