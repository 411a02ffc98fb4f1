// The program info window: purpose, version, the support contact and an evening scene at the
// bottom.
#pragma once

#include <QDialog>
#include <QImage>

namespace dialogs {

class TLogFormInfo : public QDialog {
public:
    explicit TLogFormInfo(QWidget* hauptfenster);

    // Opens the mail program with a new message to the support address.
    void lblEmailClick();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
};

// The picture along the bottom of the info window: 321 x 212 pixels, 24 bits per pixel.
QImage InfoBild();

} // namespace dialogs
