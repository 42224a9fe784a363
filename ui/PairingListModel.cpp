#include "PairingListModel.h"

#include <cstddef>
#include <utility>

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
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        static_cast<std::size_t>(index.row()) >= list_.size()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return nickname(index.row());
    }
    if (role == Qt::AccessibleDescriptionRole && partner_ != nullptr) {
        return pairDescription(index.row());
    }
    return {};
}

QString PairingListModel::nickname(int row) const
{
    return QString::fromStdU16String(list_[static_cast<std::size_t>(row)]);
}

QString PairingListModel::pairDescription(int row) const
{
    if (row >= partner_->rowCount() || static_cast<std::size_t>(row) >= partner_->list_.size()) {
        return withoutPartner_;
    }
    return withPartner_.arg(QString::number(row + 1), partner_->nickname(row));
}

void PairingListModel::pairWith(const PairingListModel* partner, QString withPartner,
                                QString withoutPartner)
{
    partner_ = partner;
    withPartner_ = std::move(withPartner);
    withoutPartner_ = std::move(withoutPartner);
}

void PairingListModel::publishPartnerChanged()
{
    if (published_ > 0) {
        emit dataChanged(index(0), index(published_ - 1), {Qt::AccessibleDescriptionRole});
    }
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
