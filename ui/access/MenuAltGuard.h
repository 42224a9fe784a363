#pragma once

#include <QObject>

// Keeps a menu that Alt and a letter have just opened from being closed by that same Alt press.
// While a screen reader listens, Qt before 6.8 holds each key press back until the reader has
// seen it, but lets through at once the shortcut that Alt and the letter make. The held-back Alt
// press can then reach the menu it opened, which takes it for a fresh press of Alt and closes.
// A press of Alt that began before the menu opened is therefore kept from the menu.
class MenuAltGuard : public QObject
{
    Q_OBJECT

public:
    // Watches the whole application: the held-back press reaches whichever menu is open.
    explicit MenuAltGuard(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool menuOpenedSinceAltWentDown_ = false;
};
