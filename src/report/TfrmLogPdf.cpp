#include "report/TfrmLogPdf.h"

#include "core/Kontest.h"
#include "platform/Meldungen.h"
#include "platform/Pfade.h"
#include "platform/Version.h"
#include "report/PdfBox.h"
#include "scoring/Berichtsauswertung.h"
#include "scoring/Multiauswertung.h"

#include <QFileInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

namespace report {

namespace {

// Rows per page: 56 on the first page (rows 0 to 55), 55 on every later one.
constexpr int ZeilenProSeite = 55;

struct Spalte {
    int breite;
    const char* kopf;
};
// Eleven columns of 1960 tenths; the last, of no width, is the table's right border.
constexpr Spalte Spalten[] = {{170, "Datum"},     {160, "Zeit UT"}, {350, "Call"},
                              {120, "Band"},      {120, "Mode"},    {120, "RST aus"},
                              {120, "RST ein"},   {210, "DOK ein"}, {100, "Mul"},
                              {490, "Bemerkung"}, {0, nullptr}};

void Schrift(TPdfCanvas& c, const char* name, int groesse, bool fett) {
    c.Font().Name = QString::fromLatin1(name);
    c.Font().Size = groesse;
    c.Font().Bold = fett;
}

void GridDefinieren(TPdfCanvas& c, const QString& name) {
    c.DefineGrid(name, 2, 5);
    for (const Spalte& s : Spalten)
        c.AddGridColumn(name, s.breite, 0, 2, false);
    c.SetGridPosition(name, 0, 250);
}

const QString GridHeader = QStringLiteral("GridHeader");
const QString GridBody = QStringLiteral("GridBody");

QString Version() {
    return QString::fromLatin1(platform::DateiVersion);
}

} // namespace

TfrmLogPdf::TfrmLogPdf(core::Kontest& kontest, QWidget* eltern)
    : QDialog(eltern), kontest_(kontest), box_(new TPdfBox) {
    setObjectName(QStringLiteral("frmLogPdf"));
    setWindowTitle(QStringLiteral("LogPDF-Output"));
    btnDoPdf = new QPushButton(QStringLiteral("Erzeuge PDF-File"), this);
    btnDoPdf->setObjectName(QStringLiteral("btnDoPdf"));
    btnDoPdf->setDefault(true);
    btnDoPdf->setMinimumSize(160, 32);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 24, 40, 24);
    layout->addWidget(btnDoPdf);
    connect(btnDoPdf, &QPushButton::clicked, this, &TfrmLogPdf::btnDoPdfClick);

    // The writer's settings are the window's own and never change.
    box_->SetLengthUnit(luTenth);
    box_->SetPageWidth(2100);
    box_->SetPageHeight(2970);
    box_->SetPaperSizeName(QStringLiteral("A4"));
    box_->SetOrientation(poPortrait);
    box_->SetEmbedFonts(false);
    box_->SetNonEmbeddedFonts({QStringLiteral("Arial"), QStringLiteral("Courier New"),
                               QStringLiteral("Symbol"), QStringLiteral("Times New Roman")});
    box_->SetWantShow(false);
    box_->SetAuthor(QStringLiteral("Das Tarvex-Team"));
    box_->SetProducer(QStringLiteral("Auswerteteam der Aktivitätsabende"));
    box_->SetImageCompressMode(cpJpeg);
    box_->SetJpegQuality(90);
    box_->SetSmartStretchDraw(true);
}

TfrmLogPdf::~TfrmLogPdf() {
    delete box_;
}

QString TfrmLogPdf::PdfDatei() {
    return platform::ProgrammDatei(platform::ProgrammName() + QStringLiteral(".pdf"));
}

void TfrmLogPdf::btnDoPdfClick() {
    auto& meldungen = platform::Meldungen::Instanz();
    const scoring::Berichtsauswertung b = scoring::BerichtAuswerten(
        kontest_.Log, kontest_.Ini, kontest_.Sonderlisten, scoring::EigenerDokRegel::WieLaufend);
    if (b.DistriktskennerUngueltig)
        meldungen.Zeige(QString::fromUtf8(scoring::UngueltigerDistriktskennerText));

    const QString datei = PdfDatei();
    bool geschrieben = false;
    std::exception_ptr fehler;
    if (b.Druckbar) {
        try {
            geschrieben = Schreiben(b) && QFileInfo(box_->Zieldatei()).isFile();
        } catch (...) {
            fehler = std::current_exception();
        }
    }
    // Only a file this run wrote is named as written; an older one of that name may still lie
    // there, but it is not this evaluation.
    if (geschrieben)
        meldungen.Zeige(QStringLiteral("Logdatei mit Auswertung wurde in Datei ") + datei +
                        QStringLiteral(" geschrieben.") + QChar(u'\r') +
                        QStringLiteral("Diese Datei kann an den Auswerter per E-Mail gesendet "
                                       "werden:  Siehe Ausschreibung") +
                        QChar(u'\r') +
                        QStringLiteral("Sind Sie sicher, dass Ihre Angaben im Kopf jeder Seite "
                                       "stimmen?"));
    else
        meldungen.Zeige(QStringLiteral("Die PDF-Datei ") + datei +
                        QStringLiteral(" wurde nicht geschrieben."));
    // A failure outside the rows goes on to the handler of unexpected errors.
    if (fehler)
        std::rethrow_exception(fehler);
}

bool TfrmLogPdf::Schreiben(const scoring::Berichtsauswertung& b) {
    const core::IniRecord& ini = kontest_.Ini;
    box_->SetTitle(ini.Kontestbezeichnung + QStringLiteral(" / ") + ini.Stationscall +
                   QStringLiteral(" (Ver:") + Version() + u')');
    box_->SetFileName(PdfDatei());
    box_->BeginDoc();
    Seitenkopf();
    Tabellenkopf();
    TPdfCanvas& c = box_->Canvas();

    const qsizetype anzahl = b.Zeilen.size();
    int zeile = 1;
    for (qsizetype i = 0; i < anzahl; ++i) {
        const scoring::BerichtsZeile& z = b.Zeilen.at(i);
        ++zeile;
        try {
            c.AddGridRow(GridBody, 45);
            const QString zellen[] = {z.Datum,    z.Zeit,   z.Call,
                                      z.Band,     z.Mode,   z.RstAus,
                                      z.RstEin,   z.DokEin, QString::number(z.ZeilenMultis),
                                      z.Bemerkung};
            for (int s = 0; s < 10; ++s)
                c.GridCellText(GridBody, s, zellen[s], zeile - 1);
            if (i > 0 && i % ZeilenProSeite == 0 && i < anzahl - 1) {
                c.AddGridRow(GridBody, 0);
                box_->NewPage();
                zeile = 1;
                Seitenkopf();
                Tabellenkopf();
            }
        } catch (const platform::Fehler& f) {
            // The writer has abandoned the document: every further row would fail the same way.
            platform::Meldungen::Instanz().Zeige(QStringLiteral("Fehler ") + f.Text() +
                                                 QStringLiteral(" I=") + QString::number(i));
            return false;
        }
    }
    c.AddGridRow(GridBody, 0);
    Summen(b);
    box_->EndDoc();
    return true;
}

void TfrmLogPdf::Seitenkopf() {
    const core::IniRecord& ini = kontest_.Ini;
    TPdfCanvas& c = box_->Canvas();
    Schrift(c, "Arial", 10, true);
    c.TextOut(20, 10, ini.Kontestbezeichnung);
    c.TextOut(1650, 10, QStringLiteral("Seite: ") + QString::number(box_->PageNumber()));
    c.Rectangle(20, 50, 2000, 51);
    Schrift(c, "Arial", 12, false);
    const auto texte = [&c](int x, std::initializer_list<std::pair<QString, QString>> zeilen) {
        int y = 80;
        for (const auto& [bezeichnung, wert] : zeilen) {
            c.TextOut(x, y, bezeichnung);
            c.TextOut(x == 20 ? 600 : 1220, y, wert);
            y += 50;
        }
    };
    texte(20, {{QStringLiteral("Rufzeichen: "), ini.Stationscall},
               {QStringLiteral("DOK: "), ini.FDmanagerDOK},
               {QStringLiteral("Band: "), scoring::GearbeiteteBaender(kontest_.Log.SpalteBand)}});
    c.Rectangle(804, 80, 805, 230);
    texte(820, {{QStringLiteral("Name: "), ini.FDmanagerName},
                {QStringLiteral("Straße: "), ini.FDmanagerStr},
                {QStringLiteral("Ort: "), ini.FDmanagerOrt}});
}

void TfrmLogPdf::Tabellenkopf() {
    TPdfCanvas& c = box_->Canvas();
    Schrift(c, "Courier New", 10, true);
    c.Brush().Style = bsSolid;
    c.Brush().Color = clSilver;
    GridDefinieren(c, GridHeader);
    c.AddGridRow(GridHeader, 45);
    for (int s = 0; s < 10; ++s)
        c.GridCellText(GridHeader, s, QString::fromLatin1(Spalten[s].kopf), 0);
    c.AddGridRow(GridHeader, 0);
    c.Brush().Style = bsClear;
    c.Font().Bold = false;
    GridDefinieren(c, GridBody);
    c.AddGridRow(GridBody, 50);
}

void TfrmLogPdf::Summen(const scoring::Berichtsauswertung& b) {
    const core::IniRecord& ini = kontest_.Ini;
    TPdfCanvas& c = box_->Canvas();
    Schrift(c, "Arial", 10, true);
    const QString punkte = QString::number(b.Punkte());
    c.TextOut(97, 2830, QStringLiteral("Summe Multis "));
    c.TextOut(500, 2830, QString::number(b.Multis));
    c.TextOut(97, 2865, QStringLiteral("QSOs wertbar "));
    c.TextOut(500, 2865, QString::number(b.QsosWertbar));
    c.TextOut(697, 2865, QStringLiteral("QSOs Total "));
    c.TextOut(1000, 2865, QString::number(b.QsosTotal));
    c.TextOut(97, 2900, QStringLiteral("QSO-Punkte "));
    c.TextOut(500, 2900, punkte);
    if (b.PunkteProQso == 3)
        c.TextOut(500, 2900, punkte + QStringLiteral(" (QSOs * 3 Pkt CW/Digi-Only * Multis)"));
    Schrift(c, "Arial", 10, false);
    c.TextOut(1500, 2865,
              QStringLiteral("Call: ") + ini.Stationscall + QStringLiteral(" / DOK: ") +
                  ini.FDmanagerDOK);
    Schrift(c, "Arial", 8, false);
    c.TextOut(1500, 2900, QStringLiteral("Version ") + Version());
}

} // namespace report
