// Looking up the metrics of a font: first the fonts a caller registered, then the built-in ones
// generated from the Liberation fonts.
#include "report/PdfMetriken.h"

namespace report {
namespace {

std::vector<PdfSchriftMetrik>& Registrierte() {
    static std::vector<PdfSchriftMetrik> liste;
    return liste;
}

bool GleicherName(const PdfSchriftMetrik& m, QStringView name) {
    return name.compare(QString::fromLatin1(m.name), Qt::CaseInsensitive) == 0;
}

const PdfSchriftMetrik* Suche(QStringView name, bool fett, bool kursiv) {
    for (const PdfSchriftMetrik& m : Registrierte())
        if (m.fett == fett && m.kursiv == kursiv && GleicherName(m, name))
            return &m;
    for (int i = 0; i < metrikdaten::AnzahlEingebaute; ++i) {
        const PdfSchriftMetrik& m = metrikdaten::Eingebaute[i];
        if (m.fett == fett && m.kursiv == kursiv && GleicherName(m, name))
            return &m;
    }
    return nullptr;
}

} // namespace

const PdfSchriftMetrik* SucheSchriftMetrik(QStringView name, bool fett, bool kursiv) {
    if (const PdfSchriftMetrik* m = Suche(name, fett, kursiv))
        return m;
    return Suche(name, false, false);
}

void RegistriereSchriftMetrik(const PdfSchriftMetrik& metrik) {
    for (PdfSchriftMetrik& m : Registrierte())
        if (m.fett == metrik.fett && m.kursiv == metrik.kursiv &&
            GleicherName(m, QString::fromLatin1(metrik.name))) {
            m = metrik;
            return;
        }
    Registrierte().push_back(metrik);
}

void VergissRegistrierteSchriften() {
    Registrierte().clear();
}

} // namespace report
