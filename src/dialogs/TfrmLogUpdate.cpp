#include "dialogs/TfrmLogUpdate.h"

#include "dialogs/TWasIstNeuDlg.h"
#include "dialogs/UpdateDateien.h"
#include "platform/Codepage.h"
#include "platform/Meldungen.h"
#include "platform/Pfade.h"
#include "platform/ProfilDatei.h"

#include <QFile>
#include <QPushButton>
#include <QRegularExpression>

namespace dialogs {

TfrmLogUpdate::TfrmLogUpdate(QWidget* eltern, QString steuerAdresse)
    : QDialog(eltern), UpdateChecker1(std::move(steuerAdresse)) {
    setWindowTitle(QStringLiteral("Update"));
    setFixedSize(260, 90);
    Button1 = new QPushButton(QStringLiteral("Auf neue Version prüfen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(30, 28, 200, 32);
    connect(Button1, &QPushButton::clicked, this, &TfrmLogUpdate::Button1Click);

    connect(&UpdateChecker1, &TUpdateChecker::Status, this, &TfrmLogUpdate::UpdateChecker1Status);
    connect(&UpdateChecker1, &TUpdateChecker::FileDownloaded, this,
            &TfrmLogUpdate::UpdateChecker1FileDownloaded);
    connect(&UpdateChecker1, &TUpdateChecker::Success, this, &TfrmLogUpdate::UpdateChecker1Success);
    UpdateChecker1.ZeigeWasIstNeu = [this](const WasIstNeu& neu) {
        TWasIstNeuDlg dialog(neu, this);
        return dialog.exec() == QDialog::Accepted;
    };

    // The trace switch is set by hand in Log.ini and read once, as the program starts.
    trace_ = platform::IniDatei(platform::EinstellungsDatei())
                 .LeseSchalter(QStringLiteral("Trace"), QStringLiteral("Trace"), false);
}

void TfrmLogUpdate::Button1Click() {
    if (UpdateChecker1.Laeuft())
        return;
    DownloadUrl.clear();
    Button1->setEnabled(false);
    UpdateChecker1.Pruefen();
    Button1->setEnabled(true);
}

void TfrmLogUpdate::reject() {
    UpdateChecker1.Abbrechen();
    QDialog::reject();
}

void TfrmLogUpdate::UpdateChecker1Status(const QString& text, int, int statuscode) {
    auto& meldungen = platform::Meldungen::Instanz();
    if (trace_)
        meldungen.Information(text);
    switch (statuscode) {
    case 4:
        meldungen.Information(QStringLiteral("Es gibt keine neuere Version"));
        break;
    case 2:
        meldungen.Information(text + QStringLiteral("\rKeine Updateinfos verfügbar"));
        break;
    case 5:
        // Where the first file really goes: its target directory, else the current directory.
        meldungen.Information(
            text +
            QStringLiteral("\rWenn Sie sich gleich für den Download entscheiden wird dieser "
                           "gespeichert unter: \r") +
            UpdateChecker1.ZielVerzeichnisFuer(DownloadUrl) + DateiNameVon(DownloadUrl) +
            QStringLiteral("\rDanach den Inhalt des ZIP-Files ins Programmverzeichnis entpacken!"));
        break;
    default:
        break;
    }
}

void TfrmLogUpdate::UpdateChecker1FileDownloaded(const QString& datei) {
    if (!DownloadUrl.isEmpty())
        return;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return;
    // A downloaded program is no list of lines: only as much as a control file may hold is read.
    const QByteArray inhalt = f.read(TUpdateChecker::MaxSteuerGroesse);
    static const QRegularExpression zeilenende(QStringLiteral("\r\n|\n|\r"));
    for (const QString& zeile : platform::AnsiNachText(inhalt).split(zeilenende)) {
        const qsizetype gleich = zeile.indexOf(u'=');
        if (gleich >= 0 &&
            zeile.left(gleich).trimmed().compare(QStringLiteral("url"), Qt::CaseInsensitive) == 0) {
            DownloadUrl = zeile.mid(gleich + 1).trimmed();
            return;
        }
    }
}

void TfrmLogUpdate::UpdateChecker1Success() {
    platform::Meldungen::Instanz().Zeige(QStringLiteral("Die Updateprüfung ist abgeschlossen!"));
    accept();
}

} // namespace dialogs
