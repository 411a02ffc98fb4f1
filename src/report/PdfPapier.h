// The named paper sizes a PDF document can be given, in tenths of a millimetre, portrait.
#pragma once

#include <QStringView>
#include <span>

namespace report {

struct PdfPapier {
    const char* name;
    int breite;
    int hoehe;
};

// The standard paper list of the printer service (its first 41 sizes).
std::span<const PdfPapier> Papierliste();
// The size of that name, matched without regard to case; nullptr if the list has none.
const PdfPapier* SuchePapier(QStringView name);

} // namespace report
