// The PDF document writer: TPdfBox writes a PDF 1.3 file page by page, TPdfCanvas is the surface
// of the current page (texts, rectangles, lines and tables of named grids). Coordinates are in
// the document's length unit from the top left corner of the page.
#pragma once

#include "platform/Fehler.h"
#include "report/PdfFormat.h"
#include "report/Zeichenarten.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QSaveFile;

namespace report {

struct PdfSchriftMetrik;

// A misuse or failure of the writer; Text() is the message, ": " and the detail if there is one.
class PdfFehler : public platform::Fehler {
public:
    explicit PdfFehler(const QString& meldung, const QString& detail = {});
    const QString& Meldung() const noexcept { return meldung_; }
    const QString& Detail() const noexcept { return detail_; }

private:
    QString meldung_;
    QString detail_;
};

enum TLengthUnit { luTenth, luPoint };
enum TImageCompressMode { cpNone, cpZlib, cpJpeg };

// Character sets of a font; the writer encodes text for the first three.
inline constexpr int ANSI_CHARSET = 0;
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int SYMBOL_CHARSET = 2;
inline constexpr int OEM_CHARSET = 255;

struct TPdfFont {
    QString Name = QStringLiteral("Arial");
    int Size = 10; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    PdfFarbe Color = clBlack;
    int Charset = DEFAULT_CHARSET;
};

struct TPdfPen {
    PdfFarbe Color = clBlack;
    TPenStyle Style = psSolid;
    int Width = 1; // in the length unit
};

struct TPdfBrush {
    PdfFarbe Color = clWhite;
    TBrushStyle Style = bsSolid;
};

struct Zeichenzustand {
    TPdfFont Font;
    TPdfPen Pen;
    TPdfBrush Brush;
};

struct TColDef {
    int Width = 0;
    int HAlign = 0; // 0 left, 1 right, 2 centre
    int VAlign = 0; // 0 top, 1 bottom, 2 centre
    bool Wrap = false;
    TPdfBrush Brush;
    TPdfPen Pen;
    int X = 0; // set when the grid is placed
};

struct TRowDef {
    int Y = 0;
    int Height = 0;
};

struct TPdfGrid {
    int Mode = 0; // 0 at x, 1 ending at x, 2 centred on the page
    int Inset = 0;
    std::vector<TColDef> Cols;
    std::vector<TRowDef> Rows;
    int TotalWidth = 0;
    int Left = 0;
    int CurrentY = -1;
};

class TPdfBox;

class TPdfCanvas {
public:
    TPdfFont& Font() { return zustand_.Font; }
    TPdfPen& Pen() { return zustand_.Pen; }
    TPdfBrush& Brush() { return zustand_.Brush; }
    const Zeichenzustand& Zustand() const { return zustand_; }

    void TextOut(int x, int y, const QString& text);
    void Rectangle(int x1, int y1, int x2, int y2);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    int TextWidth(const QString& text);
    int TextHeight(const QString& text);

    void DefineGrid(const QString& name, int mode, int inset);
    void AddGridColumn(const QString& name, int width, int hAlign, int vAlign, bool wrap);
    void SetGridPosition(const QString& name, int x, int y);
    void AddGridRow(const QString& name, int height);
    void GridCellText(const QString& name, int column, const QString& text, int row);
    // The grid of that name, nullptr if there is none.
    const TPdfGrid* Grid(const QString& name) const;

    TPdfCanvas(const TPdfCanvas&) = delete;
    TPdfCanvas& operator=(const TPdfCanvas&) = delete;

private:
    friend class TPdfBox;
    explicit TPdfCanvas(TPdfBox& box) : box_(box) {}

    // What a drawing or measuring call may do: draw, silently do nothing (the document was
    // abandoned), or it fails because no document is open.
    bool DarfZeichnen();
    TPdfGrid& GridFuer(const QString& name);
    void Linie(const TPdfPen& stift, int x1, int y1, int x2, int y2);
    void StiftZeilen(const TPdfPen& stift);
    void ZelleEinzeilig(const TPdfGrid& grid, const TColDef& spalte, const TRowDef& zeile,
                        QString text);
    void ZelleUmbrechend(const TPdfGrid& grid, const TColDef& spalte, const TRowDef& zeile,
                         const QString& text);
    int ZelleX(const TPdfGrid& grid, const TColDef& spalte, int breite) const;
    void Zuruecksetzen();

    TPdfBox& box_;
    Zeichenzustand zustand_;
    int stiftX_ = 0;
    int stiftY_ = 0;
    std::map<QString, TPdfGrid> grids_;
};

class TPdfBox {
public:
    TPdfBox();
    // An open document is abandoned: its file is not left behind.
    ~TPdfBox();
    TPdfBox(const TPdfBox&) = delete;
    TPdfBox& operator=(const TPdfBox&) = delete;

    // Document properties; none can be changed while a document is open.
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& wert);
    const QString& Title() const { return title_; }
    void SetTitle(const QString& wert);
    const QString& Author() const { return author_; }
    void SetAuthor(const QString& wert);
    const QString& Subject() const { return subject_; }
    void SetSubject(const QString& wert);
    const QString& Keywords() const { return keywords_; }
    void SetKeywords(const QString& wert);
    const QString& Producer() const { return producer_; }
    void SetProducer(const QString& wert);
    TLengthUnit LengthUnit() const { return lengthUnit_; }
    void SetLengthUnit(TLengthUnit wert);
    int PageWidth() const { return pageWidth_; }
    void SetPageWidth(int wert);
    int PageHeight() const { return pageHeight_; }
    void SetPageHeight(int wert);
    const QString& PaperSizeName() const { return paperSizeName_; }
    void SetPaperSizeName(const QString& wert);
    TPrinterOrientation Orientation() const { return orientation_; }
    void SetOrientation(TPrinterOrientation wert);
    // Fonts are always referenced by name; the embedding choices are kept for the caller only.
    bool EmbedFonts() const { return embedFonts_; }
    void SetEmbedFonts(bool wert);
    const QStringList& NonEmbeddedFonts() const { return nonEmbeddedFonts_; }
    void SetNonEmbeddedFonts(const QStringList& wert);
    // Image settings; the writer draws no images.
    TImageCompressMode ImageCompressMode() const { return imageCompressMode_; }
    void SetImageCompressMode(TImageCompressMode wert);
    int JpegQuality() const { return jpegQuality_; }
    void SetJpegQuality(int wert);
    bool SmartStretchDraw() const { return smartStretchDraw_; }
    void SetSmartStretchDraw(bool wert);
    bool WantShow() const { return wantShow_; }
    void SetWantShow(bool wert);

    std::function<void()> OnStart;
    std::function<void()> OnNewPage;
    std::function<void()> OnEnd;
    std::function<void()> OnAbort;

    void BeginDoc();
    void NewPage();
    void EndDoc();
    TPdfCanvas& Canvas() { return canvas_; }
    // The page being drawn, from 1; 0 outside a document.
    int PageNumber() const { return seite_; }
    bool Printing() const { return offen_; }
    // The file the open (or last) document is written to, with its directory.
    const QString& Zieldatei() const { return zieldatei_; }

    // The document identifier of the trailer: the date and time as days since 30 December 1899
    // times 10000, rounded, then every third character of the file name that is a letter A-Z.
    static QString Dokumentkennung(const QDateTime& jetzt, const QString& dateiName);
    // The file's name when FileName is empty.
    static QString StandardDateiName() { return QStringLiteral("File.pdf"); }

private:
    friend class TPdfCanvas;
    struct FontEintrag {
        QString name;
        QString stil; // ",Bold", ",Italic", ",BoldItalic" or empty
        int charset;
        const PdfSchriftMetrik* metrik;
        int objekt;
    };

    // Takes copies: the detail may name a part of the state that abandoning resets.
    [[noreturn]] void Scheitere(QString meldung, QString detail = {});
    void PruefeGeschlossen(const char* eigenschaft, bool seitenEigenschaft = false);
    void Verwerfen();
    void DokumentZuruecksetzen();
    QString AufgeloesterName() const;

    void Schreibe(const QByteArray& bytes);
    int NeuesObjekt(QByteArray& puffer);
    void ReserviertesObjekt(int nummer, QByteArray& puffer);
    QByteArray Referenz(int nummer) const;
    void SchreibeSeite();
    void BeginneSeite();
    const FontEintrag& Schrift(const TPdfFont& font);
    void Inhalt(const QByteArray& zeile);
    double K() const { return lengthUnit_ == luTenth ? 72.0 / 254.0 : 1.0; }
    QByteArray X(double x) const { return PdfZahl(x * K()); }
    QByteArray Y(double y) const { return PdfZahl((pageHeight_ - y) * K()); }

    QString fileName_;
    QString title_;
    QString author_;
    QString subject_;
    QString keywords_;
    QString producer_;
    TLengthUnit lengthUnit_ = luTenth;
    int pageWidth_ = 2100;
    int pageHeight_ = 2970;
    QString paperSizeName_ = QStringLiteral("A4");
    TPrinterOrientation orientation_ = poPortrait;
    bool embedFonts_ = false;
    QStringList nonEmbeddedFonts_;
    TImageCompressMode imageCompressMode_ = cpJpeg;
    int jpegQuality_ = 90;
    bool smartStretchDraw_ = false;
    bool wantShow_ = false;

    // Document state.
    bool offen_ = false;
    bool verworfen_ = false;
    std::unique_ptr<QSaveFile> datei_;
    QString zieldatei_;
    QString kennung_;
    qint64 position_ = 0;
    std::vector<qint64> offsets_; // object n at n - 1; 0 until written
    std::vector<int> seiten_;
    int seite_ = 0;
    TPrinterOrientation dokumentOrientierung_ = poPortrait;
    QByteArray inhalt_;
    std::vector<FontEintrag> fonts_;

    TPdfCanvas canvas_;
};

} // namespace report
