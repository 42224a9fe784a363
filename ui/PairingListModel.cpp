#include "PairingListModel.h"

#include <cstddef>

PairingListModel::PairingListModel(const pairing::NicknameList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list)
{
}

int PairingListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : published_;
}

QVariant PairingListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
        static_cast<std::size_t>(index.row()) >= list_.size()) {
        return {};
    }
    return QString::fromStdU16String(list_[static_cast<std::size_t>(index.row())]);
}

void PairingListModel::publishAppended()
{
    const auto size = static_cast<int>(list_.size());
    if (size <= published_) {
        return;
    }
    beginInsertRows({}, published_, size - 1);
    published_ = size;
    endInsertRows();
}

void PairingListModel::publishCleared()
{
    if (published_ == 0) {
        return;
    }
    beginRemoveRows({}, 0, published_ - 1);
    published_ = 0;
    endRemoveRows();
}
