#include "widgets/BandAuswahl.h"

#include <QLineEdit>

namespace widgets {

TBandAuswahl::TBandAuswahl(const QStringList& baender, QWidget* eltern) : QComboBox(eltern) {
    setEditable(true);
    addItems(baender);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.size() > MaxGetippt) {
            const int cursor = lineEdit()->cursorPosition();
            lineEdit()->setText(vorher_);
            lineEdit()->setCursorPosition(std::min(cursor - 1, MaxGetippt));
        } else {
            vorher_ = text;
        }
    });
    connect(this, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { vorher_ = text; });
}

} // namespace widgets
