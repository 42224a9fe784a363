#include "NicknameDelegate.h"

QSize NicknameDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(option.fontMetrics.height());
    return size;
}

void NicknameDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.size() > shownCharacters) {
        qsizetype end = shownCharacters;
        // Never split a character outside the basic plane.
        if (option->text.at(end).isLowSurrogate()) {
            --end;
        }
        option->text.truncate(end);
    }
}
