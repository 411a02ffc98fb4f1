// The printer service's standard paper sizes, in the order of its paper numbers 1 to 41.
#include "report/PdfPapier.h"

#include <QString>
#include <array>

namespace report {
namespace {

constexpr std::array<PdfPapier, 41> Liste = {{
    {"Letter", 2159, 2794},
    {"Letter Small", 2159, 2794},
    {"Tabloid", 2794, 4318},
    {"Ledger", 4318, 2794},
    {"Legal", 2159, 3556},
    {"Statement", 1397, 2159},
    {"Executive", 1842, 2667},
    {"A3", 2970, 4200},
    {"A4", 2100, 2970},
    {"A4 Small", 2100, 2970},
    {"A5", 1480, 2100},
    {"B4", 2500, 3540},
    {"B5", 1820, 2570},
    {"Folio", 2159, 3302},
    {"Quarto", 2150, 2750},
    {"10x14", 2540, 3556},
    {"11x17", 2794, 4318},
    {"Note", 2159, 2794},
    {"Envelope #9", 984, 2254},
    {"Envelope #10", 1048, 2413},
    {"Envelope #11", 1143, 2635},
    {"Envelope #12", 1207, 2794},
    {"Envelope #14", 1270, 2921},
    {"C size sheet", 4318, 5588},
    {"D size sheet", 5588, 8636},
    {"E size sheet", 8636, 11176},
    {"Envelope DL", 1100, 2200},
    {"Envelope C5", 1620, 2290},
    {"Envelope C3", 3240, 4580},
    {"Envelope C4", 2290, 3240},
    {"Envelope C6", 1140, 1620},
    {"Envelope C65", 1140, 2290},
    {"Envelope B4", 2500, 3530},
    {"Envelope B5", 1760, 2500},
    {"Envelope B6", 1760, 1250},
    {"Envelope Italy", 1100, 2300},
    {"Envelope Monarch", 984, 1905},
    {"6 3/4 Envelope", 921, 1651},
    {"US Std Fanfold", 3778, 2794},
    {"German Std Fanfold", 2159, 3048},
    {"German Legal Fanfold", 2159, 3302},
}};

} // namespace

std::span<const PdfPapier> Papierliste() {
    return Liste;
}

const PdfPapier* SuchePapier(QStringView name) {
    for (const PdfPapier& p : Liste)
        if (name.compare(QLatin1StringView(p.name), Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

} // namespace report
