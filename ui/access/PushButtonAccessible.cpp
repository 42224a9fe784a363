#include "PushButtonAccessible.h"

#include <QKeySequence>
#include <QPushButton>
#include <QRegularExpression>

PushButtonAccessible::PushButtonAccessible(QPushButton* button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

QAccessibleInterface* PushButtonAccessible::create(const QString& className, QObject* object)
{
    auto* button = qobject_cast<QPushButton*>(object);
    if (className != QLatin1String("QPushButton") || button == nullptr) {
        return nullptr;
    }
    return new PushButtonAccessible(button);
}

QPushButton* PushButtonAccessible::button() const
{
    return static_cast<QPushButton*>(widget());
}

QString PushButtonAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        if (QString name = button()->accessibleName(); !name.isEmpty()) {
            return name;
        }
        // "&x" marks x as the mnemonic, and "&&" stands for "&".
        return QString{button()->text()}.replace(QRegularExpression(QStringLiteral("&(.)")),
                                                 QStringLiteral("\\1"));
    case QAccessible::Accelerator:
        return QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State PushButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->isDown();
    state.defaultButton = button()->isDefault();
    return state;
}

QStringList PushButtonAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void PushButtonAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
    } else if (button()->isEnabled()) {
        button()->animateClick();
    }
}

QStringList PushButtonAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName != pressAction()) {
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }
    return {};
}
