// The update window "Update": one button that runs the update checker, and the program's answers
// to the checker's events (the messages, the address of the first download, closing when done).
#pragma once

#include "dialogs/UpdateChecker.h"

#include <QDialog>
#include <QString>

class QPushButton;

namespace dialogs {

class TfrmLogUpdate : public QDialog {
    Q_OBJECT
public:
    // steuerAdresse: the control file's address; the program's own unless a test gives its server.
    explicit TfrmLogUpdate(QWidget* eltern = nullptr,
                           QString steuerAdresse = TUpdateChecker::StandardAdresse());

    // Runs one check; refused while one is running.
    void Button1Click();

    void UpdateChecker1Status(const QString& text, int fehler, int statuscode);
    void UpdateChecker1FileDownloaded(const QString& datei);
    void UpdateChecker1Success();

    // The first "url" of the control file of the current check.
    QString DownloadUrl;
    TUpdateChecker UpdateChecker1;
    QPushButton* Button1 = nullptr;

public slots:
    // Closing the window during a check stops the check.
    void reject() override;

private:
    bool trace_ = false;
};

} // namespace dialogs
