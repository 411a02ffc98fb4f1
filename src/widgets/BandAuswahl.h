// The band box of the entry mask: an editable combo box in which at most three characters can be
// typed, so that "0.70" comes only from the list; the program's own texts (the band of the last
// QSO loaded) are not cut. It has no completer: a completion would put a list item's text into the
// field past both rules.
#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>

namespace widgets {

class TBandAuswahl : public QComboBox {
    Q_OBJECT
public:
    static constexpr int MaxGetippt = 3;

    explicit TBandAuswahl(const QStringList& baender, QWidget* eltern = nullptr);

private:
    QString vorher_;
};

} // namespace widgets
