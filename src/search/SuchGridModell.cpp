#include "search/SuchGridModell.h"

#include "core/QsoListe.h"

namespace suche {

SuchGridModell::SuchGridModell(QObject* parent) : QAbstractTableModel(parent) {}

int SuchGridModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int SuchGridModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Spalten;
}

QVariant SuchGridModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= zeilen_.size() || index.column() >= Spalten)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    const TrefferZeile& z = zeilen_.at(index.row());
    switch (index.column()) {
    case 0:
        return core::ZellenText(z.Call);
    case 1:
        return core::ZellenText(z.Ut);
    case 2:
        return core::ZellenText(z.Dok);
    default:
        return core::ZellenText(z.Band);
    }
}

QVariant SuchGridModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= Spalten)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    static const char* const Koepfe[Spalten] = {" RUFZEICHEN", " UT", "<DOK", "BND"};
    return QString::fromLatin1(Koepfe[section]);
}

Qt::ItemFlags SuchGridModell::flags(const QModelIndex& index) const {
    // Shown only: neither editable nor selectable.
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void SuchGridModell::Leeren() {
    Setzen({});
}

void SuchGridModell::Setzen(QList<TrefferZeile> treffer) {
    beginResetModel();
    zeilen_ = std::move(treffer);
    if (zeilen_.isEmpty())
        zeilen_.append(TrefferZeile{});
    endResetModel();
}

} // namespace suche
