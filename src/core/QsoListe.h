// The QSO list of the second notebook page: a read-only model over the in-memory log, newest
// first, filled at start and given one new top row per saved QSO, up to 2000 rows; a corrected
// QSO changes its row, a deleted one takes its row along.
#pragma once

#include "core/LogSpalten.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSet>

namespace core {

class QsoListenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int MaxZeilen = 2000; // grid rows, the header row included
    // True for a row whose QSO is not in LOG.TXT yet; the list shows such rows in red.
    static constexpr int AusstehendRolle = Qt::UserRole + 1;
    // How much of a value a cell shows; the value itself stays whole in the log.
    static constexpr int ZellenLaenge = 256;

    explicit QsoListenModell(const LogSpalten& log, QObject* eltern = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The whole list from the log; an empty log leaves the single empty row.
    void FillQsoGrid();
    // The newest QSO as the first row, unless the grid is full.
    void AddQsoToGrid();

    // The QSOs whose lines are not on the disk yet.
    void SetzeAusstehend(const QList<int>& qsos);
    // QSO `qso` of the log was replaced: its row, if shown, shows the new values.
    void QsoGeaendert(int qso);
    // QSO `qso` was removed from the log: its row goes, the rows of the later QSOs keep showing
    // them. A list left without rows gets the empty row back.
    void QsoEntfernt(int qso);

    // The QSO shown in a row, or -1 for the empty row.
    int QsoIndex(int zeile) const { return zeilen_[zeile]; }
    // The row that shows QSO `qso`, or -1.
    int Zeile(int qso) const { return static_cast<int>(zeilen_.indexOf(qso)); }

    static int SpaltenBreite(int spalte);

private:
    const LogSpalten& log_;
    QList<int> zeilen_{-1};
    QSet<int> ausstehend_;
};

// A value as a cell shows it: at most ZellenLaenge characters and "…" where it goes on, so that a
// huge value (a damaged or foreign log line) cannot stall the drawing of the list.
QString ZellenText(const QString& wert);

} // namespace core
