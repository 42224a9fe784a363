#pragma once

#include <QAbstractItemModel>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <array>

class QListView;

// How a screen reader sees one of the window's lists: the list, named after its label, holding
// one item per row, named by the row's nickname and described by the model (in a column: the
// pair). Qt's own interface for item views would also give the list's name as its help text,
// which a screen reader speaks after the name, so each list would be named twice.
class ListViewAccessible : public QAccessibleWidget
{
public:
    explicit ListViewAccessible(QListView* view);
    ~ListViewAccessible() override;
    Q_DISABLE_COPY_MOVE(ListViewAccessible)

    // For QAccessible::installFactory: the interface of every QListView.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;

private:
    [[nodiscard]] QListView* view() const;
    // Rows that went away take their items with them; so does a new model.
    void followModel() const;
    void forgetItems() const;

    // Each row keeps one interface, so that a screen reader meets the same item again.
    mutable QHash<int, QAccessible::Id> items_;
    mutable QPointer<QAbstractItemModel> model_;
    mutable std::array<QMetaObject::Connection, 2> modelChanges_;
};
