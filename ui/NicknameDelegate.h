#pragma once

#include <QStyledItemDelegate>

// Shows one nickname per text line: rows as tall as the font's line, where the style would add
// margins, and never more of a long nickname laid out than a line could ever show, so that a
// nickname of a hundred thousand characters costs no more to paint than a short one.
class NicknameDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Far more than fits across any screen at the window's font.
    static constexpr qsizetype shownCharacters = 4096;

    using QStyledItemDelegate::QStyledItemDelegate;

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
