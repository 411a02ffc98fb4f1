// The dialog that shows an unexpected error: its text, the technical details on demand, and a
// button that copies a report for the developers to the clipboard.
#pragma once

#include <QDialog>

namespace crash {

class FehlerDialog : public QDialog {
    Q_OBJECT
public:
    FehlerDialog(const QString& text, const QString& details, QWidget* eltern = nullptr);

    // The report text the copy button puts on the clipboard.
    QString Bericht() const;

private:
    QString text_;
    QString details_;
};

} // namespace crash
