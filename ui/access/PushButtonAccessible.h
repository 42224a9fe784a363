#pragma once

#include <QAccessibleWidget>

class QPushButton;

// How a screen reader sees a push button: its text, its tooltip, and a press. Qt's own interface
// names the key Enter as a default button's accelerator, and a screen reader takes the last
// letter of that for the button's mnemonic, so "Добавить игрока" would be read with a stray "r".
// Here the accelerator is only ever the mnemonic that the button's text marks.
class PushButtonAccessible : public QAccessibleWidget
{
public:
    explicit PushButtonAccessible(QPushButton* button);

    // For QAccessible::installFactory: the interface of every QPushButton.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    [[nodiscard]] QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    [[nodiscard]] QPushButton* button() const;
};
