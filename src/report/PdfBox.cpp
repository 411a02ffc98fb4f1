// The document side of the PDF writer: properties, the file with its objects, pages, fonts,
// cross-reference table and trailer.
#include "report/PdfBox.h"

#include "platform/Pfade.h"
#include "platform/Shell.h"
#include "platform/Uhr.h"
#include "report/PdfMetriken.h"
#include "report/PdfPapier.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cmath>

namespace report {
namespace {

// Every property change of an open document fails with this message.
const char* const NichtWaehrendDesDrucks = "Can't modify property when printing";

QString MitDetail(const QString& meldung, const QString& detail) {
    return detail.isEmpty() ? meldung : meldung + QStringLiteral(": ") + detail;
}

int Umrechnen(int wert, TLengthUnit von, TLengthUnit nach) {
    if (von == nach)
        return wert;
    return static_cast<int>(
        std::lround(nach == luPoint ? wert * 72.0 / 254.0 : wert * 254.0 / 72.0));
}

bool IstSymbolSchrift(const QString& name) {
    for (const char* s : {"Symbol", "Wingdings", "Webdings"})
        if (name.compare(QLatin1StringView(s), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

int Flags(const PdfSchriftMetrik& m, const QString& name, bool kursiv) {
    int flags = IstSymbolSchrift(name) ? 4 : 32;
    const SchriftFamilie f = m.familie;
    if (f == SchriftFamilie::Roman || f == SchriftFamilie::Modern ||
        f == SchriftFamilie::Decorative)
        flags += 2;
    if (f == SchriftFamilie::Script || f == SchriftFamilie::Decorative)
        flags += 8;
    if (kursiv)
        flags += 64;
    return flags;
}

QByteArray Zahl(long long wert) {
    return QByteArray::number(wert);
}

} // namespace

PdfFehler::PdfFehler(const QString& meldung, const QString& detail)
    : platform::Fehler(MitDetail(meldung, detail)), meldung_(meldung), detail_(detail) {}

TPdfBox::TPdfBox()
    : nonEmbeddedFonts_{QStringLiteral("Arial"), QStringLiteral("Courier New"),
                        QStringLiteral("Symbol"), QStringLiteral("Times New Roman")},
      canvas_(*this) {}

TPdfBox::~TPdfBox() {
    if (datei_)
        datei_->cancelWriting();
}

// --- properties -------------------------------------------------------------------------------

void TPdfBox::PruefeGeschlossen(const char* eigenschaft, bool seitenEigenschaft) {
    if (!offen_)
        return;
    QString detail = QString::fromLatin1(eigenschaft);
    if (seitenEigenschaft)
        detail += QStringLiteral(" (use NewSection method)");
    Scheitere(QString::fromLatin1(NichtWaehrendDesDrucks), detail);
}

void TPdfBox::SetFileName(const QString& wert) {
    PruefeGeschlossen("FileName");
    fileName_ = wert;
}
void TPdfBox::SetTitle(const QString& wert) {
    PruefeGeschlossen("Title");
    title_ = wert;
}
void TPdfBox::SetAuthor(const QString& wert) {
    PruefeGeschlossen("Author");
    author_ = wert;
}
void TPdfBox::SetSubject(const QString& wert) {
    PruefeGeschlossen("Subject");
    subject_ = wert;
}
void TPdfBox::SetKeywords(const QString& wert) {
    PruefeGeschlossen("Keywords");
    keywords_ = wert;
}
void TPdfBox::SetProducer(const QString& wert) {
    PruefeGeschlossen("Producer");
    producer_ = wert;
}

void TPdfBox::SetLengthUnit(TLengthUnit wert) {
    PruefeGeschlossen("LengthUnit");
    pageWidth_ = Umrechnen(pageWidth_, lengthUnit_, wert);
    pageHeight_ = Umrechnen(pageHeight_, lengthUnit_, wert);
    lengthUnit_ = wert;
}

void TPdfBox::SetPageWidth(int wert) {
    PruefeGeschlossen("PageWidth", true);
    pageWidth_ = wert;
    paperSizeName_ = QStringLiteral("Custom");
}

void TPdfBox::SetPageHeight(int wert) {
    PruefeGeschlossen("PageHeight", true);
    pageHeight_ = wert;
    paperSizeName_ = QStringLiteral("Custom");
}

void TPdfBox::SetPaperSizeName(const QString& wert) {
    PruefeGeschlossen("PaperSizeName", true);
    if (wert.compare(QLatin1StringView("Custom"), Qt::CaseInsensitive) == 0) {
        paperSizeName_ = QStringLiteral("Custom");
        return;
    }
    const PdfPapier* papier = SuchePapier(wert);
    if (!papier)
        Scheitere(QStringLiteral("Invalid property value"), QStringLiteral("PaperSizeName"));
    int breite = Umrechnen(papier->breite, luTenth, lengthUnit_);
    int hoehe = Umrechnen(papier->hoehe, luTenth, lengthUnit_);
    // A landscape document keeps its orientation when it is given a paper size.
    if (orientation_ == poLandscape)
        std::swap(breite, hoehe);
    pageWidth_ = breite;
    pageHeight_ = hoehe;
    paperSizeName_ = QString::fromLatin1(papier->name);
}

void TPdfBox::SetOrientation(TPrinterOrientation wert) {
    PruefeGeschlossen("Orientation", true);
    if (wert != orientation_)
        std::swap(pageWidth_, pageHeight_);
    orientation_ = wert;
}

void TPdfBox::SetEmbedFonts(bool wert) {
    PruefeGeschlossen("EmbedFonts");
    embedFonts_ = wert;
}
void TPdfBox::SetNonEmbeddedFonts(const QStringList& wert) {
    PruefeGeschlossen("NonEmbeddedFonts");
    nonEmbeddedFonts_ = wert;
}
void TPdfBox::SetImageCompressMode(TImageCompressMode wert) {
    PruefeGeschlossen("ImageCompressMode");
    imageCompressMode_ = wert;
}
void TPdfBox::SetJpegQuality(int wert) {
    PruefeGeschlossen("JpegQuality");
    jpegQuality_ = wert;
}
void TPdfBox::SetSmartStretchDraw(bool wert) {
    PruefeGeschlossen("SmartStretchDraw");
    smartStretchDraw_ = wert;
}
void TPdfBox::SetWantShow(bool wert) {
    PruefeGeschlossen("WantShow");
    wantShow_ = wert;
}

// --- failure and abandonment ------------------------------------------------------------------

void TPdfBox::Scheitere(QString meldung, QString detail) {
    Verwerfen();
    throw PdfFehler(meldung, detail);
}

void TPdfBox::Verwerfen() {
    if (!offen_)
        return;
    // The temporary file goes; nothing remains under the target's name.
    datei_->cancelWriting();
    datei_.reset();
    offen_ = false;
    verworfen_ = true;
    struct Aufraeumen {
        TPdfBox& box;
        ~Aufraeumen() {
            box.DokumentZuruecksetzen();
            box.canvas_.Zuruecksetzen();
        }
    } aufraeumen{*this};
    if (OnAbort)
        OnAbort();
}

void TPdfBox::DokumentZuruecksetzen() {
    offen_ = false;
    datei_.reset();
    position_ = 0;
    offsets_.clear();
    seiten_.clear();
    seite_ = 0;
    inhalt_.clear();
    fonts_.clear();
    kennung_.clear();
    canvas_.grids_.clear();
}

// --- the file ---------------------------------------------------------------------------------

QString TPdfBox::AufgeloesterName() const {
    const QString name = fileName_.isEmpty() ? StandardDateiName() : fileName_;
    if (!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')))
        return platform::ProgrammDatei(name);
    return QDir::cleanPath(QFileInfo(name).absoluteFilePath());
}

void TPdfBox::Schreibe(const QByteArray& bytes) {
    if (datei_->write(bytes) != bytes.size())
        Scheitere(QStringLiteral("File write error, or disk full"));
    position_ += bytes.size();
}

int TPdfBox::NeuesObjekt(QByteArray& puffer) {
    offsets_.push_back(position_ + puffer.size());
    const int nummer = static_cast<int>(offsets_.size());
    puffer += Zahl(nummer) + " 0 obj\n";
    return nummer;
}

void TPdfBox::ReserviertesObjekt(int nummer, QByteArray& puffer) {
    offsets_[static_cast<size_t>(nummer - 1)] = position_ + puffer.size();
    puffer += Zahl(nummer) + " 0 obj\n";
}

QByteArray TPdfBox::Referenz(int nummer) const {
    return Zahl(nummer) + " 0 R";
}

QString TPdfBox::Dokumentkennung(const QDateTime& jetzt, const QString& dateiName) {
    const qint64 tage = QDate(1899, 12, 30).daysTo(jetzt.date());
    const double anteil = jetzt.time().msecsSinceStartOfDay() / 86400000.0;
    QString kennung = QString::number(std::llround(tage * 10000.0 + anteil * 10000.0));
    for (qsizetype i = 2; i < dateiName.size(); i += 3) {
        const char16_t c = dateiName[i].unicode();
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
            kennung += QChar(c);
    }
    return kennung;
}

void TPdfBox::BeginDoc() {
    if (offen_)
        Scheitere(QStringLiteral("PDF document already open"));
    verworfen_ = false;
    if (pageHeight_ <= 0)
        Scheitere(QStringLiteral("Invalid property value"), QStringLiteral("PageHeight"));
    if (pageWidth_ <= 0)
        Scheitere(QStringLiteral("Invalid property value"), QStringLiteral("PageWidth"));

    const QString ziel = AufgeloesterName();
    // A file of the target's name from an earlier run goes first: after a failed document no
    // old evaluation remains that could be taken for the new one. The new one is written to a
    // temporary file and renamed into place only when complete.
    const QFileInfo zielInfo(ziel);
    if ((zielInfo.exists() || zielInfo.isSymLink()) &&
        (zielInfo.isDir() || !QFileInfo(zielInfo.absolutePath()).isWritable() ||
         !QFile::remove(ziel)))
        Scheitere(QStringLiteral("File locked"), ziel);
    auto datei = std::make_unique<QSaveFile>(ziel);
    datei->setDirectWriteFallback(false);
    if (!datei->open(QIODevice::WriteOnly))
        Scheitere(QStringLiteral("Can't open file"), ziel);

    const QDateTime jetzt = platform::Uhr::Instanz().Jetzt();
    zieldatei_ = ziel;
    datei_ = std::move(datei);
    offen_ = true;
    position_ = 0;
    offsets_.clear();
    // Grids defined after an abandoned document do not carry over into this one.
    canvas_.grids_.clear();
    kennung_ = Dokumentkennung(jetzt, ziel);

    QByteArray puffer = "%PDF-1.3\n";
    NeuesObjekt(puffer);
    puffer += "<<\n";
    puffer +=
        "/CreationDate" + PdfText(jetzt.toString(QStringLiteral("'D:'yyyyMMddHHmmss"))) + "\n";
    puffer += "/Title" + PdfText(title_) + "\n";
    if (!author_.isEmpty())
        puffer += "/Author" + PdfText(author_) + "\n";
    if (!subject_.isEmpty())
        puffer += "/Subject" + PdfText(subject_) + "\n";
    if (!keywords_.isEmpty())
        puffer += "/Keywords" + PdfText(keywords_) + "\n";
    puffer += "/Producer" +
              PdfText(producer_.isEmpty() ? QStringLiteral("Tarvex PDF writer") : producer_) + "\n";
    puffer += ">>\nendobj\n";
    Schreibe(puffer);
    // 2: the page tree, 3: the resources, both written at the end; 4 is never written.
    offsets_.resize(4, 0);

    seite_ = 0;
    if (OnStart)
        OnStart();
    BeginneSeite();
}

void TPdfBox::NewPage() {
    if (!offen_) {
        if (verworfen_)
            return;
        Scheitere(QStringLiteral("Document not opened"));
    }
    BeginneSeite();
}

void TPdfBox::BeginneSeite() {
    if (seite_ > 0)
        SchreibeSeite();
    for (auto& [name, grid] : canvas_.grids_)
        grid.Rows.clear();
    ++seite_;
    // A long document keeps the window alive: one round of pending events per page.
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    if (OnNewPage)
        OnNewPage();
}

void TPdfBox::SchreibeSeite() {
    QByteArray puffer;
    puffer.reserve(inhalt_.size() + 256);
    const int inhalt = NeuesObjekt(puffer);
    puffer += "<<\n/Length " + Zahl(inhalt_.size()) + "\n>>\nstream\n";
    puffer += inhalt_;
    puffer += "endstream\nendobj\n";
    const int seite = NeuesObjekt(puffer);
    puffer += "<<\n/Type/Page\n/Parent " + Referenz(2) + "\n";
    puffer +=
        "/MediaBox[ 0 0 " + PdfZahl(pageWidth_ * K()) + " " + PdfZahl(pageHeight_ * K()) + " ]\n";
    puffer += "/Contents " + Referenz(inhalt) + "\n>>\nendobj\n";
    Schreibe(puffer);
    seiten_.push_back(seite);
    inhalt_.resize(0);
}

void TPdfBox::EndDoc() {
    if (!offen_)
        return;
    SchreibeSeite();

    QByteArray puffer;
    const int katalog = NeuesObjekt(puffer);
    puffer += "<<\n/Type/Catalog\n/Pages " + Referenz(2) + "\n>>\nendobj\n";

    ReserviertesObjekt(2, puffer);
    puffer += "<<\n/Type/Pages\n/Kids[\n";
    for (const int seite : seiten_)
        puffer += Referenz(seite) + "\n";
    puffer += "]\n/Count " + Zahl(static_cast<long long>(seiten_.size())) + "\n";
    puffer += "/Resources " + Referenz(3) + "\n>>\nendobj\n";

    ReserviertesObjekt(3, puffer);
    puffer += "<<\n/ProcSet[/PDF/Text/ImageC]\n/Font<<\n";
    for (size_t i = 0; i < fonts_.size(); ++i)
        puffer += "/F" + Zahl(static_cast<long long>(i)) + " " + Referenz(fonts_[i].objekt) + "\n";
    puffer += ">>\n>>\nendobj\n";

    const qint64 xref = position_ + puffer.size();
    const auto anzahl = static_cast<long long>(offsets_.size());
    puffer += "xref\n0 " + Zahl(anzahl + 1) + "\n0000000000 65535 f\r\n";
    for (size_t i = 0; i < offsets_.size(); ++i) {
        // The reserved object 4 is never written; strict readers accept it only as a free entry.
        if (i == 3 && offsets_[i] == 0)
            puffer += "0000000000 00000 f\r\n";
        else
            puffer += QByteArray::number(offsets_[i]).rightJustified(10, '0') + " 00000 n\r\n";
    }
    puffer += "trailer\n<<\n/Size " + Zahl(anzahl + 1) + "\n/Root " + Referenz(katalog) + "\n";
    puffer += "/Info " + Referenz(1) + "\n";
    const QByteArray kennung = kennung_.toLatin1();
    puffer += "/ID[(" + kennung + ")(" + kennung + ")]\n>>\n";
    puffer += "startxref\n" + Zahl(xref) + "\n%%EOF\n";
    Schreibe(puffer);

    if (!datei_->commit())
        Scheitere(QStringLiteral("File write error, or disk full"));
    datei_.reset();
    offen_ = false;
    const QString ziel = zieldatei_;
    {
        struct Aufraeumen {
            TPdfBox& box;
            ~Aufraeumen() {
                box.DokumentZuruecksetzen();
                box.canvas_.Zuruecksetzen();
            }
        } aufraeumen{*this};
        if (OnEnd)
            OnEnd();
    }
    if (wantShow_) {
        if (!QFileInfo::exists(ziel))
            throw PdfFehler(QStringLiteral("File not found"), ziel);
        platform::Shell::Instanz().OeffneDatei(ziel);
    }
}

// --- fonts and page content -------------------------------------------------------------------

const TPdfBox::FontEintrag& TPdfBox::Schrift(const TPdfFont& font) {
    const PdfSchriftMetrik* metrik = SucheSchriftMetrik(font.Name, font.Bold, font.Italic);
    if (!metrik)
        Scheitere(QStringLiteral("This font is not TrueType"), font.Name);
    if (font.Charset != ANSI_CHARSET && font.Charset != DEFAULT_CHARSET &&
        font.Charset != SYMBOL_CHARSET)
        Scheitere(QStringLiteral("Font character set not supported"), font.Name);
    const QString name = QString::fromLatin1(metrik->name);
    const QString stil =
        font.Bold ? (font.Italic ? QStringLiteral(",BoldItalic") : QStringLiteral(",Bold"))
                  : (font.Italic ? QStringLiteral(",Italic") : QString());
    for (const FontEintrag& e : fonts_)
        if (e.name == name && e.stil == stil && e.charset == font.Charset)
            return e;

    const int index = static_cast<int>(fonts_.size());
    QByteArray puffer;
    const int breiten = NeuesObjekt(puffer);
    puffer += "[\n";
    int inZeile = 0;
    for (int code = metrik->ersterCode; code <= metrik->letzterCode; ++code) {
        puffer += Zahl(metrik->breiten[code - metrik->ersterCode]) + ' ';
        if (++inZeile == 16) {
            puffer += '\n';
            inZeile = 0;
        }
    }
    if (inZeile > 0)
        puffer += '\n';
    puffer += "]\nendobj\n";

    const int beschreibung = NeuesObjekt(puffer);
    puffer += "<<\n/Type/FontDescriptor\n/FontName/" + PdfName(name) + "\n";
    puffer += "/Ascent " + Zahl(metrik->ascent) + "\n/Descent " + Zahl(-metrik->descent) + "\n";
    puffer +=
        "/ItalicAngle " + Zahl(metrik->italicAngle) + "\n/CapHeight " + Zahl(metrik->ascent) + "\n";
    puffer += "/Flags " + Zahl(Flags(*metrik, name, font.Italic)) + "\n/FontBBox[0 0 0 0]\n";
    puffer += ">>\nendobj\n";

    const int objekt = NeuesObjekt(puffer);
    puffer += "<<\n/Type/Font\n/Subtype/TrueType\n/Name/F" + Zahl(index) + "\n";
    puffer += "/BaseFont/" + PdfName(name + stil) + "\n/Encoding/WinAnsiEncoding\n";
    puffer += "/FirstChar " + Zahl(metrik->ersterCode) + "\n/LastChar " +
              Zahl(metrik->letzterCode) + "\n";
    puffer += "/Widths " + Referenz(breiten) + "\n/FontDescriptor " + Referenz(beschreibung) +
              "\n>>\nendobj\n";
    Schreibe(puffer);
    fonts_.push_back({name, stil, font.Charset, metrik, objekt});
    return fonts_.back();
}

void TPdfBox::Inhalt(const QByteArray& zeile) {
    inhalt_ += zeile;
    inhalt_ += '\n';
}

} // namespace report
