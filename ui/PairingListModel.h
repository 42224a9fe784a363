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

private:
    const pairing::NicknameList& list_;
    int published_ = 0;
};
