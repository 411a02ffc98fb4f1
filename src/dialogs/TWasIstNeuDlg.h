// The "whatsnew" dialog of the update check: the news of the new version in a read-only text
// area, with the two buttons the control file names.
#pragma once

#include "dialogs/UpdateChecker.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace dialogs {

class TWasIstNeuDlg : public QDialog {
    Q_OBJECT
public:
    explicit TWasIstNeuDlg(const WasIstNeu& neu, QWidget* eltern = nullptr);

    QPlainTextEdit* Text = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* ereignis) override;
};

} // namespace dialogs
