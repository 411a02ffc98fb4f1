// The page surface of the PDF writer: texts, rectangles and lines in the content stream of the
// current page, measurements with the font metrics, and the grids tables are drawn with.
#include "report/PdfBox.h"

#include "platform/Codepage.h"
#include "report/PdfMetriken.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace report {
namespace {

int Gerundet(double wert) {
    return static_cast<int>(std::lround(wert));
}

int Punktgroesse(const TPdfFont& font) {
    return std::abs(font.Size);
}

// The advance widths of the bytes, in thousandths of an em.
long long Breitensumme(const PdfSchriftMetrik& m, const QByteArray& bytes) {
    long long summe = 0;
    for (const char c : bytes)
        summe += m.Breite(static_cast<unsigned char>(c));
    return summe;
}

bool Strich(const TPdfPen& stift) {
    return stift.Style != psClear && stift.Width > 0;
}

} // namespace

void TPdfCanvas::Zuruecksetzen() {
    zustand_ = Zeichenzustand{};
    stiftX_ = 0;
    stiftY_ = 0;
}

bool TPdfCanvas::DarfZeichnen() {
    if (box_.offen_)
        return true;
    if (box_.verworfen_)
        return false;
    box_.Scheitere(QStringLiteral("Document not opened"));
}

// --- drawing ----------------------------------------------------------------------------------

void TPdfCanvas::TextOut(int x, int y, const QString& text) {
    if (!DarfZeichnen())
        return;
    const TPdfFont& font = zustand_.Font;
    const auto& eintrag = box_.Schrift(font);
    const PdfSchriftMetrik& m = *eintrag.metrik;
    const int index = static_cast<int>(&eintrag - box_.fonts_.data());
    const int s = Punktgroesse(font);
    const double k = box_.K();
    const QByteArray bytes = platform::TextNachAnsi(text);
    const double grundlinie = (box_.pageHeight_ - y) * k - s * m.ascent / 1000.0;

    box_.Inhalt("BT");
    box_.Inhalt("/F" + QByteArray::number(index) + " " + QByteArray::number(s) + " Tf");
    box_.Inhalt(PdfFarbwerte(font.Color) + "rg");
    box_.Inhalt(box_.X(x) + " " + PdfZahl(grundlinie) + " Td");
    box_.Inhalt(PdfTextBytes(bytes) + " Tj");
    box_.Inhalt("ET");

    if (!font.Underline && !font.StrikeOut)
        return;
    const double links = x * k;
    const double rechts = links + Breitensumme(m, bytes) * s / 1000.0;
    auto linie = [&](int position, int dicke) {
        const QByteArray hoehe = PdfZahl(grundlinie + s * position / 1000.0);
        box_.Inhalt(PdfFarbwerte(font.Color) + "RG");
        box_.Inhalt("[]0 d");
        box_.Inhalt(PdfZahl(s * dicke / 1000.0) + " w");
        box_.Inhalt(PdfZahl(links) + " " + hoehe + " m " + PdfZahl(rechts) + " " + hoehe + " l S");
    };
    if (font.Underline)
        linie(m.unterstrichPosition, m.unterstrichDicke);
    if (font.StrikeOut)
        linie(m.durchstrichPosition, m.durchstrichDicke);
}

void TPdfCanvas::StiftZeilen(const TPdfPen& stift) {
    box_.Inhalt(PdfFarbwerte(stift.Color) + "RG");
    box_.Inhalt(stift.Style == psSolid ? QByteArrayLiteral("[]0 d")
                                       : QByteArrayLiteral("[3 3]0 d"));
    box_.Inhalt(PdfZahl(stift.Width * box_.K()) + " w");
}

void TPdfCanvas::Linie(const TPdfPen& stift, int x1, int y1, int x2, int y2) {
    stiftX_ = x1;
    stiftY_ = y1;
    if (Strich(stift)) {
        StiftZeilen(stift);
        box_.Inhalt(box_.X(x1) + " " + box_.Y(y1) + " m");
        box_.Inhalt(box_.X(x2) + " " + box_.Y(y2) + " l S");
    }
    stiftX_ = x2;
    stiftY_ = y2;
}

void TPdfCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (!DarfZeichnen())
        return;
    const TPdfPen& stift = zustand_.Pen;
    if (x1 == x2 || y1 == y2) {
        if (stift.Style != psClear)
            Linie(stift, x1, y1, x2, y2);
        return;
    }
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    const bool fuellen = zustand_.Brush.Style != bsClear;
    const bool umranden = Strich(stift);
    if (!fuellen && !umranden)
        return;
    if (fuellen)
        box_.Inhalt(PdfFarbwerte(zustand_.Brush.Color) + "rg");
    if (umranden)
        StiftZeilen(stift);
    const double k = box_.K();
    const char* op = fuellen && umranden ? "B" : fuellen ? "f" : "S";
    box_.Inhalt(box_.X(x1) + " " + box_.Y(y2) + " " + PdfZahl((x2 - x1) * k) + " " +
                PdfZahl((y2 - y1) * k) + " re " + op);
}

void TPdfCanvas::MoveTo(int x, int y) {
    if (!DarfZeichnen())
        return;
    stiftX_ = x;
    stiftY_ = y;
}

void TPdfCanvas::LineTo(int x, int y) {
    if (!DarfZeichnen())
        return;
    Linie(zustand_.Pen, stiftX_, stiftY_, x, y);
}

int TPdfCanvas::TextWidth(const QString& text) {
    if (!DarfZeichnen())
        return 1;
    const auto& eintrag = box_.Schrift(zustand_.Font);
    const double punkte = Breitensumme(*eintrag.metrik, platform::TextNachAnsi(text)) *
                          Punktgroesse(zustand_.Font) / 1000.0;
    return Gerundet(punkte / box_.K());
}

int TPdfCanvas::TextHeight(const QString&) {
    if (!DarfZeichnen())
        return 1;
    const auto& eintrag = box_.Schrift(zustand_.Font);
    const double punkte =
        (eintrag.metrik->ascent + eintrag.metrik->descent) * Punktgroesse(zustand_.Font) / 1000.0;
    return Gerundet(punkte / box_.K());
}

// --- grids ------------------------------------------------------------------------------------

const TPdfGrid* TPdfCanvas::Grid(const QString& name) const {
    const auto it = grids_.find(name);
    return it == grids_.end() ? nullptr : &it->second;
}

TPdfGrid& TPdfCanvas::GridFuer(const QString& name) {
    // After an abandoned document the grid calls keep checking their own conditions.
    if (!box_.offen_ && !box_.verworfen_)
        box_.Scheitere(QStringLiteral("Document not opened"));
    const auto it = grids_.find(name);
    if (it == grids_.end())
        box_.Scheitere(QStringLiteral("Invalid Grid name"), name);
    return it->second;
}

void TPdfCanvas::DefineGrid(const QString& name, int mode, int inset) {
    if (!box_.offen_ && !box_.verworfen_)
        box_.Scheitere(QStringLiteral("Document not opened"));
    TPdfGrid& grid = grids_[name];
    grid.Cols.clear();
    grid.Mode = mode;
    grid.Inset = inset;
}

void TPdfCanvas::AddGridColumn(const QString& name, int width, int hAlign, int vAlign, bool wrap) {
    TPdfGrid& grid = GridFuer(name);
    TColDef spalte;
    spalte.Width = width;
    spalte.HAlign = hAlign;
    spalte.VAlign = vAlign;
    spalte.Wrap = wrap;
    spalte.Brush = zustand_.Brush;
    spalte.Pen = zustand_.Pen;
    grid.Cols.push_back(spalte);
}

void TPdfCanvas::SetGridPosition(const QString& name, int x, int y) {
    TPdfGrid& grid = GridFuer(name);
    if (grid.Cols.empty())
        box_.Scheitere(QStringLiteral("Grid Cols not defined"), name);
    int gesamt = 0;
    for (const TColDef& spalte : grid.Cols)
        gesamt += spalte.Width;
    int links = x;
    if (grid.Mode == 1)
        links = x - gesamt;
    else if (grid.Mode == 2)
        links = Gerundet((box_.pageWidth_ - gesamt) / 2.0);
    if (links < 0 || links + gesamt > box_.pageWidth_)
        box_.Scheitere(QStringLiteral("Grid too wide"),
                       name + QStringLiteral(" (") + QString::number(gesamt) + QLatin1Char(')'));
    int spaltenX = links;
    for (TColDef& spalte : grid.Cols) {
        spalte.X = spaltenX;
        spaltenX += spalte.Width;
    }
    grid.TotalWidth = gesamt;
    grid.Left = links;
    grid.Rows.clear();
    grid.CurrentY = y;
}

void TPdfCanvas::AddGridRow(const QString& name, int height) {
    TPdfGrid& grid = GridFuer(name);
    if (grid.Cols.empty())
        box_.Scheitere(QStringLiteral("Grid Cols not defined"), name);
    // A negative height would put the row above its own top; it is refused like a row that
    // leaves the page.
    if (grid.CurrentY < 0 || height < 0 || grid.CurrentY + height > box_.pageHeight_)
        box_.Scheitere(QStringLiteral("Grid row out of page"), name);
    const TRowDef zeile{grid.CurrentY, height};
    grid.Rows.push_back(zeile);
    grid.CurrentY += height;
    if (!box_.offen_)
        return;

    const double k = box_.K();
    for (const TColDef& spalte : grid.Cols) {
        if (spalte.Brush.Style == bsClear || spalte.Width <= 0 || height <= 0)
            continue;
        box_.Inhalt(PdfFarbwerte(spalte.Brush.Color) + "rg");
        box_.Inhalt(box_.X(spalte.X) + " " + box_.Y(zeile.Y + height) + " " +
                    PdfZahl(spalte.Width * k) + " " + PdfZahl(height * k) + " re f");
    }
    // A row of height 0 is the bottom rule of a table: no vertical lines, only the rule.
    if (height > 0)
        for (const TColDef& spalte : grid.Cols)
            if (Strich(spalte.Pen))
                Linie(spalte.Pen, spalte.X, zeile.Y, spalte.X, zeile.Y + height);
    Linie(zustand_.Pen, grid.Left, zeile.Y, grid.Left + grid.TotalWidth, zeile.Y);
}

void TPdfCanvas::GridCellText(const QString& name, int column, const QString& text, int row) {
    TPdfGrid& grid = GridFuer(name);
    if (column < 0 || row < 0 || column >= static_cast<int>(grid.Cols.size()) ||
        row >= static_cast<int>(grid.Rows.size()))
        box_.Scheitere(QStringLiteral("Invalid cell"),
                       name + QLatin1Char('(') + QString::number(column) + QLatin1Char(',') +
                           QString::number(row) + QLatin1Char(')'));
    if (!box_.offen_)
        return;
    const TColDef& spalte = grid.Cols[static_cast<size_t>(column)];
    const TRowDef& zeile = grid.Rows[static_cast<size_t>(row)];
    if (spalte.Wrap)
        ZelleUmbrechend(grid, spalte, zeile, text);
    else
        ZelleEinzeilig(grid, spalte, zeile, text);
}

int TPdfCanvas::ZelleX(const TPdfGrid& grid, const TColDef& spalte, int breite) const {
    int x = spalte.X + grid.Inset;
    if (spalte.HAlign == 1)
        x = spalte.X + spalte.Width - grid.Inset - breite;
    else if (spalte.HAlign == 2)
        x = spalte.X + Gerundet((spalte.Width - breite) / 2.0);
    return std::max(x, spalte.X + grid.Inset);
}

namespace {

int ZelleY(const TPdfGrid& grid, const TColDef& spalte, const TRowDef& zeile, int hoehe) {
    int y = zeile.Y + grid.Inset;
    if (spalte.VAlign == 1)
        y = zeile.Y + zeile.Height - grid.Inset - hoehe;
    else if (spalte.VAlign == 2)
        y = zeile.Y + Gerundet((zeile.Height - hoehe) / 2.0);
    return std::max(y, zeile.Y + grid.Inset);
}

} // namespace

void TPdfCanvas::ZelleEinzeilig(const TPdfGrid& grid, const TColDef& spalte, const TRowDef& zeile,
                                QString text) {
    const int w = TextWidth(text);
    const int x = ZelleX(grid, spalte, w);
    if (x + w > spalte.X + spalte.Width - grid.Inset) {
        const int platz = spalte.Width - 2 * grid.Inset;
        while (!text.isEmpty() && TextWidth(text) > platz)
            text.chop(1);
    }
    TextOut(x, ZelleY(grid, spalte, zeile, TextHeight(text)), text);
}

void TPdfCanvas::ZelleUmbrechend(const TPdfGrid& grid, const TColDef& spalte, const TRowDef& zeile,
                                 const QString& text) {
    // Greedy line filling at blanks; a word wider than the cell is split where it must be, and
    // lines that no longer fit into the cell's height are left out (the first is always set).
    const int platz = spalte.Width - 2 * grid.Inset;
    QStringList zeilen;
    const QStringList absaetze = QString(text)
                                     .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                     .split(QLatin1Char('\n'));
    for (const QString& absatz : absaetze) {
        QString aktuell;
        const QStringList woerter = absatz.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (woerter.isEmpty())
            zeilen.append(QString());
        for (QString wort : woerter) {
            const QString probe = aktuell.isEmpty() ? wort : aktuell + QLatin1Char(' ') + wort;
            if (TextWidth(probe) <= platz) {
                aktuell = probe;
                continue;
            }
            if (!aktuell.isEmpty())
                zeilen.append(aktuell);
            aktuell.clear();
            while (wort.size() > 1 && TextWidth(wort) > platz) {
                qsizetype n = wort.size() - 1;
                while (n > 1 && TextWidth(wort.left(n)) > platz)
                    --n;
                zeilen.append(wort.left(n));
                wort.remove(0, n);
            }
            aktuell = wort;
        }
        if (!aktuell.isEmpty())
            zeilen.append(aktuell);
    }
    const int zeilenhoehe = TextHeight(text);
    const int verfuegbar = zeile.Height - 2 * grid.Inset;
    qsizetype anzahl = 1;
    while (anzahl < zeilen.size() && (anzahl + 1) * zeilenhoehe <= verfuegbar)
        ++anzahl;
    zeilen = zeilen.mid(0, anzahl);
    int y = ZelleY(grid, spalte, zeile, static_cast<int>(zeilen.size()) * zeilenhoehe);
    for (const QString& z : zeilen) {
        TextOut(ZelleX(grid, spalte, TextWidth(z)), y, z);
        y += zeilenhoehe;
    }
}

} // namespace report
