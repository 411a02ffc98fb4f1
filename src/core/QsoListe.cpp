#include "core/QsoListe.h"

#include <array>

namespace core {
namespace {
struct Spalte {
    const char* kopf;
    QStringList LogSpalten::*werte;
    int breite;
};
const std::array<Spalte, 10> Spalten = {{
    {" T/M", &LogSpalten::SpalteDatum, 41},
    {" UT", &LogSpalten::SpalteZeit, 38},
    {" RUFZEICHEN", &LogSpalten::SpalteCall, 128},
    {"RST", &LogSpalten::SpalteRstAus, 31},
    {"OUT", &LogSpalten::SpalteDokAus, 37},
    {"RST", &LogSpalten::SpalteRstEin, 31},
    {"IN", &LogSpalten::SpalteDokEin, 36},
    {"QRG", &LogSpalten::SpalteBand, 33},
    {"MODE", &LogSpalten::SpalteMode, 203},
    {"    BEMERKUNGEN", &LogSpalten::SpalteBemerkung, 64},
}};
} // namespace

QsoListenModell::QsoListenModell(const LogSpalten& log, QObject* eltern)
    : QAbstractTableModel(eltern), log_(log) {}

int QsoListenModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int QsoListenModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(Spalten.size());
}

QString ZellenText(const QString& wert) {
    if (wert.size() <= QsoListenModell::ZellenLaenge)
        return wert;
    return wert.left(QsoListenModell::ZellenLaenge) + u'\u2026';
}

QVariant QsoListenModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= zeilen_.size())
        return {};
    const int qso = zeilen_[index.row()];
    if (role == AusstehendRolle)
        return qso >= 0 && ausstehend_.contains(qso);
    if (role != Qt::DisplayRole)
        return {};
    if (qso < 0)
        return QString();
    const QStringList& spalte = log_.*(Spalten[index.column()].werte);
    return qso < spalte.size() ? ZellenText(spalte[qso]) : QString();
}

void QsoListenModell::SetzeAusstehend(const QList<int>& qsos) {
    QSet<int> neu(qsos.cbegin(), qsos.cend());
    if (neu == ausstehend_)
        return;
    ausstehend_ = std::move(neu);
    if (!zeilen_.isEmpty())
        emit dataChanged(
            index(0, 0),
            index(static_cast<int>(zeilen_.size()) - 1, static_cast<int>(Spalten.size()) - 1),
            {AusstehendRolle});
}

QVariant QsoListenModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(Spalten.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(Spalten[section].kopf);
}

int QsoListenModell::SpaltenBreite(int spalte) {
    return Spalten[spalte].breite;
}

void QsoListenModell::FillQsoGrid() {
    const int n = log_.Anzahl();
    if (n < 1)
        return;
    const int m = std::min(n, MaxZeilen);
    beginResetModel();
    zeilen_.clear();
    zeilen_.reserve(m);
    for (int r = 1; r <= m; ++r)
        zeilen_.append(n - r);
    endResetModel();
}

void QsoListenModell::AddQsoToGrid() {
    if (zeilen_.size() + 1 >= MaxZeilen)
        return;
    beginInsertRows({}, 0, 0);
    zeilen_.prepend(log_.Anzahl() - 1);
    endInsertRows();
}

void QsoListenModell::QsoGeaendert(int qso) {
    const int r = Zeile(qso);
    if (r >= 0)
        emit dataChanged(index(r, 0), index(r, columnCount() - 1));
}

void QsoListenModell::QsoEntfernt(int qso) {
    const int r = Zeile(qso);
    const auto nachruecken = [this, qso] {
        for (int& q : zeilen_)
            if (q > qso)
                --q;
    };
    if (r >= 0 && zeilen_.size() > 1) {
        beginRemoveRows({}, r, r);
        zeilen_.removeAt(r);
        nachruecken();
        endRemoveRows();
        return;
    }
    nachruecken();
    if (r >= 0) {
        zeilen_[0] = -1;
        emit dataChanged(index(0, 0), index(0, columnCount() - 1));
    }
}

} // namespace core
