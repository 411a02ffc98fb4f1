// TPagePrinter lays out multi-page documents of table lines: cells separated by a separator
// character are placed in columns of a column format, wrapped or cut to their column, boxed when
// the grid is on, with a header and a footer line on every page and a page break when the next
// line would not fit. Each page is recorded as a display list at the default printer's
// resolution. The same widget is the preview of the recorded pages (zoom, page navigation) and
// prints them. Instead of recording pages it can also write the lines into a text file.
//
// Calling order: set the properties, BeginDoc, any mix of WriteLine, NewLine, NewPage and drawing
// on Canvas, EndDoc; then preview and Print as often as wanted until the next BeginDoc.
#pragma once

#include "platform/Fehler.h"
#include "report/PrnCanvas.h"
#include "report/Seitenbild.h"
#include "report/Spaltenformat.h"
#include "report/Zeichenarten.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QSaveFile;

namespace report {

// A misuse of the page printer (a change that is refused while a document is open, a page that
// does not exist).
class EPagePrinter : public platform::Fehler {
public:
    using platform::Fehler::Fehler;
};

// Raised inside Print when the operator cancels; Print returns false.
class ECancelPrinting : public EPagePrinter {
public:
    ECancelPrinting() : EPagePrinter(QStringLiteral("Printing Cancelled")) {}
};

// The text file of the text-file mode could not be created or written.
class EInOutError : public platform::Fehler {
public:
    using platform::Fehler::Fehler;
};

enum TMeasureUnit { muInches, muMillimeters };
enum TLineSpacing { lsHalfSpace, lsSingleSpace, lsSingleAndAHalf, lsDoubleSpace };
enum TPageBorder : unsigned { pbTop = 1, pbBottom = 2, pbLeft = 4, pbRight = 8 };
using TPageBorders = unsigned; // a set of TPageBorder
enum TZoomLocation { zlTopLeft, zlTopCenter, zlCenter };

class TPPPrnPrgDlg;

class TPagePrinter : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TPagePrinter(QWidget* parent = nullptr);
    ~TPagePrinter() override;

    // --- Layout properties. Lengths are in MeasureUnit. ---
    TMeasureUnit MeasureUnit() const { return measureUnit_; }
    void SetMeasureUnit(TMeasureUnit wert);
    // Margins from the paper edge; clamped to the printable area. Refused while printing.
    double MarginTop() const { return marginTop_; }
    void SetMarginTop(double wert);
    double MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(double wert);
    double MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(double wert);
    double MarginRight() const { return marginRight_; }
    void SetMarginRight(double wert);
    double DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(double wert);
    // Column formats, stored normalised ("<17|^20|>35").
    const QString& TableFormat() const { return tableFormat_; }
    void SetTableFormat(const QString& wert);
    const QString& HeaderFormat() const { return headerFormat_; }
    void SetHeaderFormat(const QString& wert);
    const QString& FooterFormat() const { return footerFormat_; }
    void SetFooterFormat(const QString& wert);
    const QString& Header() const { return header_; }
    void SetHeader(const QString& wert) { header_ = wert; }
    const QString& Footer() const { return footer_; }
    void SetFooter(const QString& wert) { footer_ = wert; }
    // Written with &-codes; setting one rewrites Header and HeaderFormat (Footer, FooterFormat).
    const QString& FriendlyHeader() const { return friendlyHeader_; }
    void SetFriendlyHeader(const QString& wert);
    const QString& FriendlyFooter() const { return friendlyFooter_; }
    void SetFriendlyFooter(const QString& wert);
    QChar TokenSeparator() const { return tokenSeparator_; }
    void SetTokenSeparator(QChar wert) { tokenSeparator_ = wert; }
    bool TableGrid() const { return tableGrid_; }
    void SetTableGrid(bool wert) { tableGrid_ = wert; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wert) { wordWrap_ = wert; }
    TLineSpacing LineSpacing() const { return lineSpacing_; }
    void SetLineSpacing(TLineSpacing wert);
    // The font of table lines; a change goes into the canvas font and, while AutoHeaderFont or
    // AutoFooterFont is on, into HeaderFont or FooterFont.
    const TPrnFont& Font() const { return font_; }
    void SetFont(const TPrnFont& wert);
    const TPrnFont& HeaderFont() const { return headerFont_; }
    void SetHeaderFont(const TPrnFont& wert) { headerFont_ = wert; }
    const TPrnFont& FooterFont() const { return footerFont_; }
    void SetFooterFont(const TPrnFont& wert) { footerFont_ = wert; }
    bool AutoHeaderFont() const { return autoHeaderFont_; }
    void SetAutoHeaderFont(bool wert);
    bool AutoFooterFont() const { return autoFooterFont_; }
    void SetAutoFooterFont(bool wert);
    TPageBorders PageBorders() const { return pageBorders_; }
    void SetPageBorders(TPageBorders wert) { pageBorders_ = wert; }
    double PageBorderOffset() const { return pageBorderOffset_; }
    void SetPageBorderOffset(double wert);
    // The job title; reads as "<Unknown>" while there is no printer.
    QString Title() const;
    void SetTitle(const QString& wert) { title_ = wert; }
    TPrinterOrientation Orientation() const { return orientation_; }
    void SetOrientation(TPrinterOrientation wert);
    bool PrintToFile() const { return printToFile_; }
    void SetPrintToFile(bool wert);
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& wert);

    std::function<void()> OnNewPage;
    std::function<void()> OnNewLine;

    // --- Recording ---
    void BeginDoc();
    void WriteLine(const QString& text);
    int NewLine();
    int NewPage();
    void EndDoc();
    TPrnCanvas& Canvas() { return canvas_; }
    int UnitToDevX(double wert) const;
    int UnitToDevY(double wert) const;
    double DevToUnitX(int pixel) const;
    double DevToUnitY(int pixel) const;
    // The page being recorded, or the page shown; writing it shows that page.
    int PageNumber() const { return druckt_ ? seite_ : angezeigt_; }
    void SetPageNumber(int wert);
    int PageCount() const { return static_cast<int>(seiten_.size()); }
    int LineNumber() const { return lineNumber_; }
    // Between BeginDoc and EndDoc.
    bool Printing() const { return druckt_; }
    // A recorded page, 1 to PageCount.
    const TSeitenBild& Page(int nummer) const;

    // The printable area in printer pixels, as the layout uses it.
    int LeftPx() const;
    int TopPx() const;
    int UsableWidthPx() const;
    int UsableHeightPx() const;
    int LineHeight() const { return zeilenhoehe_; }

    // --- Preview and printing ---
    int Copies() const { return copies_; }
    void SetCopies(int wert) { copies_ = wert < 1 ? 1 : wert; }
    bool Collate() const { return collate_; }
    void SetCollate(bool wert) { collate_ = wert; }
    bool ShowProgress() const { return showProgress_; }
    void SetShowProgress(bool wert) { showProgress_ = wert; }
    bool ShowCancel() const { return showCancel_; }
    void SetShowCancel(bool wert) { showCancel_ = wert; }
    bool AbortOnCancel() const { return abortOnCancel_; }
    void SetAbortOnCancel(bool wert) { abortOnCancel_ = wert; }
    const QString& ProgressMessage() const { return progressMessage_; }
    void SetProgressMessage(const QString& wert) { progressMessage_ = wert; }
    int ZoomPercent() const { return zoomPercent_; }
    void SetZoomPercent(int wert);
    TZoomLocation ZoomLocation() const { return zoomLocation_; }
    void SetZoomLocation(TZoomLocation wert) { zoomLocation_ = wert; }
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int wert);
    QColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(const QColor& wert);
    bool ShowMargins() const { return showMargins_; }
    void SetShowMargins(bool wert);
    bool GradientBackground() const { return gradientBackground_; }
    void SetGradientBackground(bool wert);
    // The component's colour: the background of the preview, or its lower end with the gradient.
    QColor Color() const { return color_; }
    void SetColor(const QColor& wert);
    void ZoomToFitWidth();
    void ZoomToFitHeight();
    // Prints the recorded pages on the default printer; false when the operator cancelled (or
    // a job of this page printer is already running).
    bool Print();
    // Sets the cancel request of a running Print (the progress window's Cancel does this).
    void CancelPrinting() { abbruch_ = true; }

    // The page on the screen: its size and the scroll ranges it needs.
    QSize PageSizeOnScreen() const;
    QSize ScrollRange() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // The printer as the layout sees it: lengths in inches.
    struct Geometrie {
        bool drucker = false;
        int dpiX = 300;
        int dpiY = 300;
        double papierBreite = 0;
        double papierHoehe = 0;
        double versatzLinks = 0;
        double versatzOben = 0;
    };
    struct Zelle;

    void DruckerAuffrischen();
    double InEinheit(double zoll) const;
    double InZoll(double wert) const;
    double PapierBreite() const { return InEinheit(geo_.papierBreite); }
    double PapierHoehe() const { return InEinheit(geo_.papierHoehe); }
    double VersatzLinks() const { return InEinheit(geo_.versatzLinks); }
    double VersatzOben() const { return InEinheit(geo_.versatzOben); }
    double DruckbareBreite() const { return PapierBreite() - 2 * VersatzLinks(); }
    double DruckbareHoehe() const { return PapierHoehe() - 2 * VersatzOben(); }
    int RightPx() const;
    int BottomPx() const;
    double Geklemmt(double wert, double versatz, double papier) const;
    void RandSetzen(double& rand, double wert, double versatz, double papier, const char* meldung);
    void KlemmeRaender();
    void ZeilenhoeheNeu();
    QString Normiert(const QString& format) const;
    KopfFusszeile Freundlich(const QString& text) const;
    void KopfNeu();
    void FussNeu();
    void KeinDokument(const char* wo) const;

    void StartPage();
    void NeuesSeitenbild();
    int Einpassen(QStringView text, qsizetype gesamt, int breite, const QFont& schrift,
                  int& textbreite) const;
    void NaechsterTeil(Zelle& zelle, int breite, const QFont& schrift, bool erste, QString& teil,
                       int& textbreite) const;
    void ZellRahmen(long long x, int breite, bool oben, bool seiten, bool unten);
    void Linie(long long x1, long long y1, long long x2, long long y2, int breite);
    void Schreibe(const QString& text);

    int BildschirmDpiX() const;
    int BildschirmDpiY() const;
    int AufBildschirmX(double wert) const;
    int AufBildschirmY(double wert) const;
    void Bildlauf();
    void NachZoomLocation();
    void ZoomSetzen(double wert);
    void ZoomEinpassen(int client, int druckerDpi, int bildschirmDpi, int papier);
    void Seite(QPainter& p, int nummer, const QRect& seite) const;

    // Layout properties
    TMeasureUnit measureUnit_ = muInches;
    double marginTop_ = 0;
    double marginBottom_ = 0;
    double marginLeft_ = 0;
    double marginRight_ = 0;
    double defaultColWidth_ = 0;
    QString tableFormat_;
    QString headerFormat_;
    QString footerFormat_;
    QString header_;
    QString footer_;
    QString friendlyHeader_;
    QString friendlyFooter_;
    QChar tokenSeparator_ = u'|';
    bool tableGrid_ = false;
    bool wordWrap_ = true;
    TLineSpacing lineSpacing_ = lsSingleSpace;
    TPrnFont font_;
    TPrnFont headerFont_;
    TPrnFont footerFont_;
    bool autoHeaderFont_ = true;
    bool autoFooterFont_ = true;
    TPageBorders pageBorders_ = 0;
    double pageBorderOffset_ = 0;
    QString title_;
    TPrinterOrientation orientation_ = poPortrait;
    bool printToFile_ = false;
    QString fileName_;

    // Preview and printing properties
    int copies_ = 1;
    bool collate_ = true;
    bool showProgress_ = true;
    bool showCancel_ = true;
    bool abortOnCancel_ = false;
    QString progressMessage_;
    int zoomPercent_ = 25;
    TZoomLocation zoomLocation_ = zlTopLeft;
    int shadowOffset_ = 5;
    QColor shadowColor_;
    bool showMargins_ = true;
    bool gradientBackground_ = true;
    QColor color_;

    // Run-time state
    Geometrie geo_;
    TPrnCanvas canvas_;
    // Shared so that a Print in progress keeps its pages even if a new document starts while
    // the progress window lets events through.
    std::vector<std::shared_ptr<TSeitenBild>> seiten_;
    int seite_ = 0;     // the page being recorded (the text page in the text-file mode)
    int angezeigt_ = 0; // the page the preview shows
    long long y_ = 0;   // top of the next line below TopPx
    int lineNumber_ = 0;
    int zeilenhoehe_ = 0;
    int durchschuss_ = 0; // external leading scaled by the line spacing
    bool druckt_ = false;
    bool kopfFuss_ = false;
    bool abbruch_ = false;
    bool drucktAus_ = false; // inside Print
    std::unique_ptr<QSaveFile> datei_;
};

} // namespace report
