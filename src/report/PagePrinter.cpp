// The page printer's properties and the recording of pages: page set-up, table lines with their
// fitting and wrapping, cell boxes, header and footer, page breaks and the text-file mode.
#include "report/PagePrinter.h"
#include "platform/Codepage.h"
#include "platform/Drucker.h"
#include "platform/Uhr.h"

#include <QSaveFile>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace report {
namespace {

constexpr double MmProZoll = 25.4;
// Without a printer the page is an A4 sheet with a border of 6 mm that a printer cannot reach.
constexpr double A4Breite = 210 / MmProZoll;
constexpr double A4Hoehe = 297 / MmProZoll;
constexpr double OhneDruckerVersatz = 6 / MmProZoll;
constexpr int OhneDruckerDpi = 300;
// The text-file mode pads a column with blanks; an absurd column width gets no more than these.
constexpr long long MeisteLeerzeichen = 4096;

// No length, however odd, may take a coordinate out of the range the arithmetic can hold.
constexpr long long GroesstePixel = 1LL << 28;

int Klemme(long long wert) {
    return static_cast<int>(std::clamp(wert, -GroesstePixel, GroesstePixel));
}

// Halves to even, like the platform's rounding of lengths.
long long Runde(double wert) {
    if (!std::isfinite(wert))
        return 0;
    return static_cast<long long>(
        std::nearbyint(std::clamp(wert, -double(GroesstePixel), double(GroesstePixel))));
}

bool Steuerzeichen(QChar c) {
    return c.unicode() < 33;
}

QString Meldung(const char* text) {
    return QString::fromLatin1(text);
}

} // namespace

// A cell's text still to be written: what a line feed moved in front of it, then the rest of
// the original text from pos on. Kept this way so that a long cell is never copied per line.
struct TPagePrinter::Zelle {
    QString kopf;
    QString text;
    qsizetype pos = 0;

    qsizetype Laenge() const { return kopf.size() + text.size() - pos; }
    QString Anfang(qsizetype n) const {
        if (n <= kopf.size())
            return kopf.left(n);
        QString anfang = kopf;
        anfang += QStringView(text).mid(pos, n - kopf.size());
        return anfang;
    }
    void Verbrauche(qsizetype n) {
        if (n <= kopf.size()) {
            kopf.remove(0, n);
            return;
        }
        pos += n - kopf.size();
        kopf.clear();
    }
};

TPagePrinter::TPagePrinter(QWidget* parent) : QAbstractScrollArea(parent) {
    DruckerAuffrischen();
    marginTop_ = marginBottom_ = VersatzOben();
    marginLeft_ = marginRight_ = VersatzLinks();
    headerFont_ = footerFont_ = canvas_.font_ = font_;
    ZeilenhoeheNeu();
    shadowColor_ = palette().color(QPalette::Dark);
    color_ = palette().color(QPalette::Window);
    for (QScrollBar* s : {horizontalScrollBar(), verticalScrollBar()}) {
        s->setSingleStep(16);
        s->setTracking(true);
    }
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    Bildlauf();
}

TPagePrinter::~TPagePrinter() = default;

// --- Printer and units ---

void TPagePrinter::DruckerAuffrischen() {
    Geometrie g;
    if (const auto d = platform::Drucker::Instanz().Standarddrucker(orientation_ == poLandscape);
        d && d->dpiX > 0 && d->dpiY > 0 && !d->papier.isEmpty()) {
        g.drucker = true;
        g.dpiX = d->dpiX;
        g.dpiY = d->dpiY;
        g.papierBreite = double(d->papier.width()) / d->dpiX;
        g.papierHoehe = double(d->papier.height()) / d->dpiY;
        g.versatzLinks = double(d->versatz.x()) / d->dpiX;
        g.versatzOben = double(d->versatz.y()) / d->dpiY;
    } else {
        g.dpiX = g.dpiY = OhneDruckerDpi;
        const bool quer = orientation_ == poLandscape;
        g.papierBreite = quer ? A4Hoehe : A4Breite;
        g.papierHoehe = quer ? A4Breite : A4Hoehe;
        g.versatzLinks = g.versatzOben = OhneDruckerVersatz;
    }
    geo_ = g;
    canvas_.dpiY_ = g.dpiY;
}

double TPagePrinter::InEinheit(double zoll) const {
    return measureUnit_ == muMillimeters ? zoll * MmProZoll : zoll;
}

double TPagePrinter::InZoll(double wert) const {
    return measureUnit_ == muMillimeters ? wert / MmProZoll : wert;
}

int TPagePrinter::UnitToDevX(double wert) const {
    return Klemme(Runde(InZoll(wert) * geo_.dpiX));
}

int TPagePrinter::UnitToDevY(double wert) const {
    return Klemme(Runde(InZoll(wert) * geo_.dpiY));
}

double TPagePrinter::DevToUnitX(int pixel) const {
    return InEinheit(double(pixel) / geo_.dpiX);
}

double TPagePrinter::DevToUnitY(int pixel) const {
    return InEinheit(double(pixel) / geo_.dpiY);
}

int TPagePrinter::LeftPx() const {
    return UnitToDevX(marginLeft_ - VersatzLinks());
}
int TPagePrinter::TopPx() const {
    return UnitToDevY(marginTop_ - VersatzOben());
}
int TPagePrinter::RightPx() const {
    return UnitToDevX(marginRight_ - VersatzLinks());
}
int TPagePrinter::BottomPx() const {
    return UnitToDevY(marginBottom_ - VersatzOben());
}

int TPagePrinter::UsableWidthPx() const {
    const long long w = (long long)UnitToDevX(DruckbareBreite()) - LeftPx() - RightPx();
    return w > INT_MAX || w < INT_MIN ? 0 : int(w);
}

int TPagePrinter::UsableHeightPx() const {
    const long long h = (long long)UnitToDevY(DruckbareHoehe()) - TopPx() - BottomPx();
    return h > INT_MAX || h < INT_MIN ? 0 : int(h);
}

// --- Properties ---

void TPagePrinter::SetMeasureUnit(TMeasureUnit wert) {
    if (wert == measureUnit_)
        return;
    const bool mm = wert == muMillimeters;
    const double faktor = mm ? MmProZoll : 1 / MmProZoll;
    auto Um = [mm](double& laenge) { laenge = mm ? laenge * MmProZoll : laenge / MmProZoll; };
    measureUnit_ = wert;
    for (double* laenge : {&marginTop_, &marginBottom_, &marginLeft_, &marginRight_,
                           &pageBorderOffset_, &defaultColWidth_})
        Um(*laenge);
    KlemmeRaender();
    tableFormat_ = NormiereFormat(tableFormat_, tokenSeparator_, defaultColWidth_, faktor);
    if (friendlyHeader_.isEmpty())
        headerFormat_ = NormiereFormat(headerFormat_, tokenSeparator_, defaultColWidth_, faktor);
    if (friendlyFooter_.isEmpty())
        footerFormat_ = NormiereFormat(footerFormat_, tokenSeparator_, defaultColWidth_, faktor);
    KopfNeu();
    FussNeu();
    viewport()->update();
}

double TPagePrinter::Geklemmt(double wert, double versatz, double papier) const {
    // Never below the printer's border, then never beyond the sheet less that border.
    return std::max(versatz, std::min(wert, papier - versatz));
}

void TPagePrinter::RandSetzen(double& rand, double wert, double versatz, double papier,
                              const char* meldung) {
    if (druckt_)
        throw EPagePrinter(Meldung(meldung));
    rand = Geklemmt(wert, versatz, papier);
    viewport()->update();
}

void TPagePrinter::SetMarginTop(double wert) {
    RandSetzen(marginTop_, wert, VersatzOben(), PapierHoehe(),
               "Unable to change top margin while printing");
}
void TPagePrinter::SetMarginBottom(double wert) {
    RandSetzen(marginBottom_, wert, VersatzOben(), PapierHoehe(),
               "Unable to change bottom margin while printing");
}
void TPagePrinter::SetMarginLeft(double wert) {
    RandSetzen(marginLeft_, wert, VersatzLinks(), PapierBreite(),
               "Unable to change left margin while printing");
}
void TPagePrinter::SetMarginRight(double wert) {
    RandSetzen(marginRight_, wert, VersatzLinks(), PapierBreite(),
               "Unable to change right margin while printing");
}

void TPagePrinter::KlemmeRaender() {
    marginTop_ = Geklemmt(marginTop_, VersatzOben(), PapierHoehe());
    marginBottom_ = Geklemmt(marginBottom_, VersatzOben(), PapierHoehe());
    marginLeft_ = Geklemmt(marginLeft_, VersatzLinks(), PapierBreite());
    marginRight_ = Geklemmt(marginRight_, VersatzLinks(), PapierBreite());
}

void TPagePrinter::SetDefaultColWidth(double wert) {
    defaultColWidth_ = std::isfinite(wert) ? wert : 0;
}

void TPagePrinter::SetPageBorderOffset(double wert) {
    pageBorderOffset_ = std::isfinite(wert) ? wert : 0;
}

QString TPagePrinter::Normiert(const QString& format) const {
    return NormiereFormat(format, tokenSeparator_, defaultColWidth_);
}

void TPagePrinter::SetTableFormat(const QString& wert) {
    tableFormat_ = Normiert(wert);
}
void TPagePrinter::SetHeaderFormat(const QString& wert) {
    headerFormat_ = Normiert(wert);
}
void TPagePrinter::SetFooterFormat(const QString& wert) {
    footerFormat_ = Normiert(wert);
}

KopfFusszeile TPagePrinter::Freundlich(const QString& text) const {
    return WandleFreundlich(text, tokenSeparator_, PapierBreite() - marginLeft_ - marginRight_,
                            fileName_, platform::Uhr::Instanz().Jetzt());
}

void TPagePrinter::SetFriendlyHeader(const QString& wert) {
    friendlyHeader_ = wert;
    const auto k = Freundlich(wert);
    header_ = k.text;
    headerFormat_ = Normiert(k.format);
}

void TPagePrinter::SetFriendlyFooter(const QString& wert) {
    friendlyFooter_ = wert;
    const auto k = Freundlich(wert);
    footer_ = k.text;
    footerFormat_ = Normiert(k.format);
}

// Converting again an empty friendly text would throw away a plain Header or Footer the caller
// set; only a friendly text in use is brought up to date.
void TPagePrinter::KopfNeu() {
    if (!friendlyHeader_.isEmpty())
        SetFriendlyHeader(friendlyHeader_);
}
void TPagePrinter::FussNeu() {
    if (!friendlyFooter_.isEmpty())
        SetFriendlyFooter(friendlyFooter_);
}

void TPagePrinter::SetLineSpacing(TLineSpacing wert) {
    lineSpacing_ = wert;
    ZeilenhoeheNeu();
}

void TPagePrinter::SetFont(const TPrnFont& wert) {
    font_ = wert;
    canvas_.font_ = wert;
    if (autoHeaderFont_)
        headerFont_ = wert;
    if (autoFooterFont_)
        footerFont_ = wert;
    ZeilenhoeheNeu();
}

void TPagePrinter::SetAutoHeaderFont(bool wert) {
    autoHeaderFont_ = wert;
    if (wert)
        headerFont_ = font_;
}

void TPagePrinter::SetAutoFooterFont(bool wert) {
    autoFooterFont_ = wert;
    if (wert)
        footerFont_ = font_;
}

void TPagePrinter::ZeilenhoeheNeu() {
    const int h = PunkteInPixeln(font_.Size, geo_.dpiY);
    const int e =
        platform::Drucker::Instanz().Metrik(SchriftInPixeln(font_, geo_.dpiY)).externerDurchschuss;
    switch (lineSpacing_) {
    case lsHalfSpace:
        zeilenhoehe_ = h / 2;
        durchschuss_ = e / 2;
        break;
    case lsSingleAndAHalf:
        zeilenhoehe_ = h + h / 2;
        durchschuss_ = int(Runde(1.5 * e));
        break;
    case lsDoubleSpace:
        zeilenhoehe_ = 2 * h;
        durchschuss_ = 2 * e;
        break;
    case lsSingleSpace:
    default:
        zeilenhoehe_ = h;
        durchschuss_ = e;
        break;
    }
}

QString TPagePrinter::Title() const {
    return geo_.drucker ? title_ : QStringLiteral("<Unknown>");
}

void TPagePrinter::SetOrientation(TPrinterOrientation wert) {
    if (druckt_)
        throw EPagePrinter(Meldung("Unable to change orientation while printing"));
    if (wert == orientation_)
        return;
    orientation_ = wert;
    DruckerAuffrischen();
    ZeilenhoeheNeu();
    Bildlauf();
    NachZoomLocation();
    viewport()->update();
}

void TPagePrinter::SetPrintToFile(bool wert) {
    if (wert == printToFile_)
        return;
    if (druckt_)
        throw EPagePrinter(Meldung("Can't change PrintToFile while printing"));
    printToFile_ = wert;
}

void TPagePrinter::SetFileName(const QString& wert) {
    const QString neu = wert.trimmed();
    if (neu == fileName_)
        return;
    if (druckt_)
        throw EPagePrinter(Meldung("Can't change FileName while printing"));
    fileName_ = neu;
}

// --- The document ---

void TPagePrinter::KeinDokument(const char* wo) const {
    if (!druckt_)
        throw EPagePrinter(QStringLiteral("Printing not in progress (%1)").arg(wo));
}

const TSeitenBild& TPagePrinter::Page(int nummer) const {
    if (nummer < 1 || nummer > PageCount())
        throw EPagePrinter(QStringLiteral("PageNumber must be between 1 and %1").arg(PageCount()));
    return *seiten_[nummer - 1];
}

void TPagePrinter::BeginDoc() {
    if (druckt_)
        throw EPagePrinter(Meldung("Printing in progress"));
    DruckerAuffrischen();
    KlemmeRaender();
    ZeilenhoeheNeu();
    KopfNeu();
    FussNeu();

    if (printToFile_) {
        auto datei = std::make_unique<QSaveFile>(fileName_);
        if (fileName_.isEmpty() || !datei->open(QIODevice::WriteOnly))
            throw EInOutError(QStringLiteral("Unable to create file \"%1\": %2")
                                  .arg(fileName_, datei->errorString()));
        datei_ = std::move(datei);
        seiten_.clear();
        canvas_.ziel_ = nullptr;
    } else {
        datei_.reset();
        seiten_.clear();
        NeuesSeitenbild();
    }
    druckt_ = true;
    kopfFuss_ = false;
    angezeigt_ = 0;
    seite_ = 1;
    StartPage();
}

void TPagePrinter::NeuesSeitenbild() {
    const QSize groesse(UnitToDevX(PapierBreite() - VersatzLinks()),
                        UnitToDevY(PapierHoehe() - VersatzOben()));
    seiten_.push_back(std::make_shared<TSeitenBild>(groesse, geo_.dpiX, geo_.dpiY));
    canvas_.ziel_ = seiten_.back().get();
    canvas_.font_ = font_;
    canvas_.dpiY_ = geo_.dpiY;
}

int TPagePrinter::NewPage() {
    KeinDokument("NewPage");
    if (datei_)
        Schreibe(QStringLiteral("\f\r\n"));
    else
        NeuesSeitenbild();
    ++seite_;
    StartPage();
    return seite_;
}

void TPagePrinter::EndDoc() {
    KeinDokument("EndDoc");
    druckt_ = false;
    kopfFuss_ = false;
    canvas_.ziel_ = nullptr;
    if (datei_) {
        auto datei = std::move(datei_);
        angezeigt_ = seite_;
        if (!datei->commit())
            throw EInOutError(QStringLiteral("Unable to write file \"%1\": %2")
                                  .arg(fileName_, datei->errorString()));
        return;
    }
    angezeigt_ = 1;
    Bildlauf();
    NachZoomLocation();
    viewport()->update();
}

int TPagePrinter::NewLine() {
    KeinDokument("NewLine");
    y_ += zeilenhoehe_;
    if (datei_ || kopfFuss_) {
        if (datei_)
            Schreibe(QStringLiteral("\r\n"));
        ++lineNumber_;
    } else if (y_ + zeilenhoehe_ < UsableHeightPx()) {
        ++lineNumber_;
    } else {
        NewPage();
    }
    if (OnNewLine)
        OnNewLine();
    return lineNumber_;
}

void TPagePrinter::Schreibe(const QString& text) {
    const QByteArray bytes = platform::TextNachAnsi(text);
    if (datei_->write(bytes) != bytes.size())
        throw EInOutError(QStringLiteral("Unable to write file \"%1\": %2")
                              .arg(fileName_, datei_->errorString()));
}

void TPagePrinter::StartPage() {
    y_ = 0;
    lineNumber_ = 0;
    if (OnNewPage)
        OnNewPage();

    const long long y = y_;
    const int zeile = lineNumber_;
    const QString format = tableFormat_;
    const bool gitter = tableGrid_;
    const TPrnFont schrift = font_;
    const bool autoKopf = autoHeaderFont_;
    const bool autoFuss = autoFooterFont_;
    tableGrid_ = false;
    autoHeaderFont_ = autoFooterFont_ = false;
    kopfFuss_ = true;

    try {
        if (!header_.isEmpty()) {
            SetFont(headerFont_);
            const double rand =
                (pageBorders_ & pbTop) ? marginTop_ - pageBorderOffset_ : marginTop_;
            y_ = (UnitToDevY(rand) - zeilenhoehe_) / 2 - UnitToDevY(marginTop_);
            y_ = std::max<long long>(y_, -TopPx());
            tableFormat_ = headerFormat_;
            WriteLine(header_);
        }
        if (!footer_.isEmpty()) {
            SetFont(footerFont_);
            const long long nutzbar = UsableHeightPx();
            if (pageBorders_ & pbBottom)
                y_ = UnitToDevY(pageBorderOffset_) + nutzbar +
                     (UnitToDevY(marginBottom_ - pageBorderOffset_) - zeilenhoehe_) / 2;
            else
                y_ = nutzbar + (UnitToDevY(marginBottom_) - zeilenhoehe_) / 2;
            const long long druckbar = UnitToDevY(DruckbareHoehe());
            if (TopPx() + y_ + zeilenhoehe_ > druckbar)
                y_ = druckbar - TopPx() - zeilenhoehe_;
            tableFormat_ = footerFormat_;
            WriteLine(footer_);
        }
    } catch (...) {
        tableFormat_ = format;
        tableGrid_ = gitter;
        autoHeaderFont_ = autoKopf;
        autoFooterFont_ = autoFuss;
        SetFont(schrift);
        kopfFuss_ = false;
        throw;
    }

    y_ = y;
    lineNumber_ = zeile;
    tableFormat_ = format;
    tableGrid_ = gitter;
    SetFont(schrift);
    autoHeaderFont_ = autoKopf;
    autoFooterFont_ = autoFuss;
    kopfFuss_ = false;
    if (OnNewLine)
        OnNewLine();

    // The borders, and the pen the page leaves for free drawing.
    const int stift = (geo_.dpiY / 300) * 2;
    canvas_.pen_.Width = stift;
    const int rx = UnitToDevX(pageBorderOffset_);
    const int ry = UnitToDevY(pageBorderOffset_);
    const long long links = LeftPx() - rx;
    const long long rechts = (long long)LeftPx() + UsableWidthPx() + rx;
    const long long oben = TopPx() - ry;
    const long long unten = (long long)TopPx() + UsableHeightPx() + ry;
    if (pageBorders_ & pbTop)
        Linie(links, oben, rechts, oben, stift);
    if (pageBorders_ & pbBottom)
        Linie(links, unten, rechts, unten, stift);
    if (pageBorders_ & pbLeft)
        Linie(links, oben, links, unten, (geo_.dpiX / 300) * 2);
    if (pageBorders_ & pbRight)
        Linie(rechts, oben, rechts, unten, (geo_.dpiX / 300) * 2);
}

void TPagePrinter::Linie(long long x1, long long y1, long long x2, long long y2, int breite) {
    if (!canvas_.ziel_)
        return;
    QPen stift(canvas_.pen_.Color, breite, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    canvas_.ziel_->Hinzufuegen(LinienBefehl{
        QPolygon({QPoint(Klemme(x1), Klemme(y1)), QPoint(Klemme(x2), Klemme(y2))}), stift});
}

void TPagePrinter::ZellRahmen(long long x, int breite, bool oben, bool seiten, bool unten) {
    const long long y = (long long)TopPx() + y_ - durchschuss_;
    const int waagrecht = (geo_.dpiY / 300) * 2;
    const int senkrecht = (geo_.dpiX / 300) * 2;
    if (oben)
        Linie(x, y, x + breite, y, waagrecht);
    if (seiten) {
        Linie(x, y, x, y + zeilenhoehe_, senkrecht);
        Linie(x + breite, y, x + breite, y + zeilenhoehe_, senkrecht);
    }
    if (unten)
        Linie(x, y + zeilenhoehe_, x + breite, y + zeilenhoehe_, waagrecht);
}

// The number of characters of the cell's text that go on this line: the whole text if it fits,
// otherwise the longest prefix that fits, found by doubling and then halving its length, so a
// line costs O(log n) measurements. A column narrower than the first character still gets that
// one character. fenster holds the first characters of the text (one more than can be tried).
int TPagePrinter::Einpassen(QStringView fenster, qsizetype gesamt, int breite, const QFont& schrift,
                            int& textbreite) const {
    auto& drucker = platform::Drucker::Instanz();
    textbreite = -1;
    // No character is narrower than a quarter pixel: a text longer than this never fits, which
    // keeps a cell of zero-width characters from being measured whole on every line.
    const qsizetype grenze = 4LL * std::max(breite, 0) + 8;
    const qsizetype versuchbar = std::min(gesamt, grenze);
    auto passt = [&](qsizetype n) {
        return drucker.Textbreite(schrift, fenster.left(n)) <= breite;
    };

    qsizetype gut = 0;                   // longest prefix known to fit
    qsizetype schlecht = versuchbar + 1; // shortest prefix known not to fit
    if (gesamt == versuchbar) {
        const int ganz = drucker.Textbreite(schrift, fenster.left(gesamt));
        if (ganz <= breite) {
            textbreite = ganz;
            return int(gesamt);
        }
        schlecht = gesamt;
    }
    for (qsizetype n = 1; n < schlecht; n *= 2) {
        if (!passt(n)) {
            schlecht = n;
            break;
        }
        gut = n;
    }
    while (schlecht - gut > 1) {
        const qsizetype mitte = gut + (schlecht - gut) / 2;
        (passt(mitte) ? gut : schlecht) = mitte;
    }
    qsizetype n = std::max<qsizetype>(gut, 1);
    // Never between the two halves of a surrogate pair.
    if (n < fenster.size() && fenster[n - 1].isHighSurrogate() && fenster[n].isLowSurrogate())
        n = n > 1 ? n - 1 : n + 1;
    if (wordWrap_ && n < gesamt && n < fenster.size() && !Steuerzeichen(fenster[n])) {
        qsizetype i = n - 1;
        while (i >= 0 && !Steuerzeichen(fenster[i]))
            --i;
        if (i >= 0)
            n = i + 1;
    }
    return int(n);
}

void TPagePrinter::NaechsterTeil(Zelle& zelle, int breite, const QFont& schrift, bool erste,
                                 QString& teil, int& textbreite) const {
    teil.clear();
    textbreite = 0;
    const qsizetype gesamt = zelle.Laenge();
    if (gesamt == 0 || (!wordWrap_ && !erste))
        return;
    const qsizetype grenze = 4LL * std::max(breite, 0) + 8;
    const QString fenster = zelle.Anfang(std::min(gesamt, grenze + 1));
    const int n = Einpassen(fenster, gesamt, breite, schrift, textbreite);
    teil = fenster.left(n);
    if (!wordWrap_) {
        zelle = Zelle();
        return;
    }
    zelle.Verbrauche(n);
    const qsizetype lf = teil.indexOf(u'\n');
    if (lf >= 0) {
        QString danach = teil.mid(lf + 1);
        teil.truncate(lf);
        textbreite = -1;
        if (!danach.isEmpty() && zelle.Laenge() > 0)
            danach += u' ';
        zelle.kopf.prepend(danach);
    }
}

void TPagePrinter::WriteLine(const QString& text) {
    KeinDokument("WriteLine");
    struct Spalte {
        Spaltenformat format;
        int breite = 0;
        bool gitter = false;
        Zelle zelle;
    };
    const bool gitter = tableGrid_;
    const QStringList texte = text.split(tokenSeparator_);
    const QList<QStringView> formate = QStringView(tableFormat_).split(tokenSeparator_);
    const Makrowerte makros{lineNumber_, seite_, Title()};
    std::vector<Spalte> spalten;
    spalten.reserve(formate.size());
    for (qsizetype i = 0; i < formate.size(); ++i) {
        Spalte s;
        s.format = LiesSpaltenformat(formate[i], defaultColWidth_);
        s.breite = UnitToDevX(std::abs(s.format.breite));
        s.gitter = gitter && s.format.breite >= 0;
        if (i < texte.size())
            s.zelle.text = ErsetzeMakros(texte[i], makros);
        spalten.push_back(std::move(s));
    }

    const QFont schrift = SchriftInPixeln(font_, geo_.dpiY);
    auto& drucker = platform::Drucker::Instanz();
    const int aufstieg = drucker.Metrik(schrift).aufstieg;
    const QColor farbe = font_.Color;
    const int einzug = (geo_.dpiX / 300) * 6;
    const int leer = datei_ ? std::max(1, drucker.Textbreite(schrift, u" ")) : 1;

    QString teil;
    for (bool erste = true;; erste = false) {
        long long x = LeftPx();
        bool rest = false;
        for (Spalte& s : spalten) {
            const int w = s.breite;
            int tb = 0;
            NaechsterTeil(s.zelle, w, schrift, erste, teil, tb);
            rest = rest || s.zelle.Laenge() > 0;
            if (tb < 0)
                tb = drucker.Textbreite(schrift, teil);
            long long dx = 0;
            if (s.format.ausrichtung == Ausrichtung::Rechts)
                dx = (long long)w - tb;
            else if (s.format.ausrichtung == Ausrichtung::Mitte)
                dx = ((long long)w - tb) / 2;
            if (tb < (long long)w - einzug) {
                if (s.format.ausrichtung == Ausrichtung::Links)
                    dx += einzug;
                else if (s.format.ausrichtung == Ausrichtung::Rechts)
                    dx -= einzug;
            }
            if (datei_) {
                const long long davor = std::max(0LL, dx / leer);
                const long long danach = std::max(0LL, ((long long)w - dx - tb) / leer);
                Schreibe(QString(int(std::min(davor, MeisteLeerzeichen)), u' ') + teil +
                         QString(int(std::min(danach, MeisteLeerzeichen)), u' '));
            } else if (canvas_.ziel_ && !teil.isEmpty()) {
                canvas_.ziel_->Hinzufuegen(TextBefehl{QPoint(Klemme(x + dx), Klemme(TopPx() + y_)),
                                                      aufstieg, teil, schrift, farbe});
            }
            if (s.gitter)
                ZellRahmen(x, w, erste, true, false);
            x += w;
        }
        if (!rest)
            break;
        NewLine();
    }
    if (gitter) {
        long long x = LeftPx();
        for (const Spalte& s : spalten) {
            if (s.gitter)
                ZellRahmen(x, s.breite, false, false, true);
            x += s.breite;
        }
    }
    if (!kopfFuss_ || datei_)
        NewLine();
}

} // namespace report
