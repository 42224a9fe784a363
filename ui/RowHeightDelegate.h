#pragma once

#include <QStyledItemDelegate>

// One item per text line, as tall as the view's font, where the style would add margins.
class RowHeightDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override;
};
