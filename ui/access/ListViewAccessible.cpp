#include "ListViewAccessible.h"

#include <QAbstractItemModel>
#include <QListView>
#include <QPointer>
#include <utility>

namespace {

class ItemAccessible : public QAccessibleInterface
{
public:
    ItemAccessible(QListView* view, int row) : view_(view), row_(row) {}

    [[nodiscard]] QListView* view() const { return view_; }
    [[nodiscard]] int row() const { return row_; }

    [[nodiscard]] bool isValid() const override
    {
        return view_ != nullptr && row_ < view_->model()->rowCount();
    }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override { return view_->window()->windowHandle(); }

    [[nodiscard]] QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(view_);
    }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override
    {
        return -1;
    }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override
    {
        return nullptr;
    }

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return index().data(Qt::DisplayRole).toString();
        case QAccessible::Description:
            return index().data(Qt::AccessibleDescriptionRole).toString();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    [[nodiscard]] QRect rect() const override
    {
        const QRect shown = view_->visualRect(index());
        return {view_->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
    }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::ListItem; }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.focused = view_->currentIndex() == index();
        state.selected = view_->selectionModel()->isSelected(index());
        state.invisible = !view_->viewport()->rect().intersects(view_->visualRect(index()));
        return state;
    }

private:
    [[nodiscard]] QModelIndex index() const { return view_->model()->index(row_, 0); }

    QPointer<QListView> view_;
    int row_;
};

} // namespace

ListViewAccessible::ListViewAccessible(QListView* view) : QAccessibleWidget(view, QAccessible::List)
{
}

ListViewAccessible::~ListViewAccessible()
{
    for (const auto& connection : modelChanges_) {
        QObject::disconnect(connection);
    }
    forgetItems();
}

QAccessibleInterface* ListViewAccessible::create(const QString& className, QObject* object)
{
    auto* view = qobject_cast<QListView*>(object);
    if (className != QLatin1String("QListView") || view == nullptr) {
        return nullptr;
    }
    return new ListViewAccessible(view);
}

QListView* ListViewAccessible::view() const
{
    return static_cast<QListView*>(widget());
}

int ListViewAccessible::childCount() const
{
    return view()->model()->rowCount();
}

QAccessibleInterface* ListViewAccessible::child(int index) const
{
    followModel();
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    if (const auto known = items_.constFind(index); known != items_.cend()) {
        return QAccessible::accessibleInterface(*known);
    }
    auto* item = new ItemAccessible(view(), index);
    items_.insert(index, QAccessible::registerAccessibleInterface(item));
    return item;
}

int ListViewAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* item = dynamic_cast<const ItemAccessible*>(child);
    return item != nullptr && item->view() == view() && item->isValid() ? item->row() : -1;
}

QAccessibleInterface* ListViewAccessible::childAt(int x, int y) const
{
    const QModelIndex at = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return at.isValid() ? child(at.row()) : nullptr;
}

QAccessibleInterface* ListViewAccessible::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    return view()->hasFocus() && current.isValid() ? child(current.row()) : nullptr;
}

void ListViewAccessible::followModel() const
{
    if (model_ == view()->model()) {
        return;
    }
    forgetItems();
    for (const auto& connection : modelChanges_) {
        QObject::disconnect(connection);
    }
    model_ = view()->model();
    const auto forget = [this] { forgetItems(); };
    modelChanges_ = {QObject::connect(model_, &QAbstractItemModel::rowsRemoved, view(), forget),
                     QObject::connect(model_, &QAbstractItemModel::modelReset, view(), forget)};
}

void ListViewAccessible::forgetItems() const
{
    for (const QAccessible::Id id : std::as_const(items_)) {
        QAccessible::deleteAccessibleInterface(id);
    }
    items_.clear();
}
