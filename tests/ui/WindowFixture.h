#pragma once

#include "Unit1.h"

#include <QApplication>
#include <QListView>
#include <QTest>
#include <memory>

// Finds a control of the window by the name it has in the window description.
template <typename Control> Control* control(const QWidget& window, const char* name)
{
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no control named %s", name);
    }
    return found;
}

// A window shown and activated as the program does it. Null when it never became active.
inline std::unique_ptr<TForm1> openWindow()
{
    auto window = std::make_unique<TForm1>();
    window->show();
    window->activateWindow();
    // On Wayland only the compositor activates a window, when it gives it the keyboard.
    if (!QTest::qWaitForWindowExposed(window.get()) ||
        !QTest::qWaitFor([&window] { return window->isActiveWindow(); })) {
        return nullptr;
    }
    return window;
}

inline int rows(const QWidget& window, const char* list)
{
    return control<QListView>(window, list)->model()->rowCount();
}

inline QStringList texts(const QWidget& window, const char* list)
{
    const QAbstractItemModel* model = control<QListView>(window, list)->model();
    QStringList result;
    for (int row = 0; row < model->rowCount(); ++row) {
        result.append(model->index(row, 0).data().toString());
    }
    return result;
}

// Types any text, Cyrillic included, as key presses carrying that text.
inline void type(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString{c}, Qt::NoModifier);
    }
}
