// The contents of the hit grid: a fixed header and the hit rows, read only.
#pragma once

#include "search/SuchTreffer.h"

#include <QAbstractTableModel>

namespace suche {

class SuchGridModell final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Spalten = 4;

    explicit SuchGridModell(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // One empty row under the header.
    void Leeren();
    // The hits replace the rows; no hits leave the one empty row.
    void Setzen(QList<TrefferZeile> treffer);

    const QList<TrefferZeile>& Zeilen() const { return zeilen_; }

private:
    QList<TrefferZeile> zeilen_{TrefferZeile{}};
};

} // namespace suche
