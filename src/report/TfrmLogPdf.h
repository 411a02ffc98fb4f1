// The window "LogPDF-Output": one button that writes the evaluation of the log as a PDF file
// beside the program, for the operator to mail to the evaluator.
#pragma once

#include <QDialog>
#include <QString>

class QPushButton;

namespace core {
class Kontest;
}
namespace report {
class TPdfBox;
}
namespace scoring {
struct Berichtsauswertung;
}

namespace report {

class TfrmLogPdf : public QDialog {
    Q_OBJECT
public:
    TfrmLogPdf(core::Kontest& kontest, QWidget* eltern = nullptr);
    ~TfrmLogPdf() override;

    // Writes the file anew and tells where it is, or that none was written.
    void btnDoPdfClick();

    // The file's full name: the program file's name with ".pdf", in the program's directory.
    static QString PdfDatei();

    QPushButton* btnDoPdf = nullptr;

private:
    // False when a row failed: the writer has then abandoned the document.
    bool Schreiben(const scoring::Berichtsauswertung& b);
    void Seitenkopf();
    void Tabellenkopf();
    void Summen(const scoring::Berichtsauswertung& b);

    core::Kontest& kontest_;
    TPdfBox* box_ = nullptr;
};

} // namespace report
