#pragma once

#include "PairingState.h"

#include <QAbstractListModel>

// One list of the pairing state as an item model, read in place. The model publishes the rows it
// has announced to its views, so the state can change first and be announced after, in one batch
// for a whole draw.
class PairingListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    PairingListModel(const pairing::NicknameList& list, QObject* parent);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    // Announce the rows the list gained, or that it was emptied.
    void publishAppended();
    void publishCleared();

    // Makes each row describe its pair: the same row of the partner column, or being without
    // one, so that a screen reader reading one column can tell the pairs. The texts take the
    // pair's number and the partner's nickname as %1 and %2.
    void pairWith(const PairingListModel* partner, QString withPartner, QString withoutPartner);
    // Announce that the partner column changed, and with it every row's description.
    void publishPartnerChanged();

private:
    [[nodiscard]] QString nickname(int row) const;
    [[nodiscard]] QString pairDescription(int row) const;

    const pairing::NicknameList& list_;
    int published_ = 0;
    const PairingListModel* partner_ = nullptr;
    QString withPartner_;
    QString withoutPartner_;
};
