#pragma once

#include <QWidget>

// Tells a screen reader what a command did, without showing anything and without moving the
// focus. Qt learned to ask for such announcements only in 6.8; before that, a screen reader
// speaks a notification as it comes into view, so this invisible widget poses as one. The build
// picks the file that fits the Qt it builds against.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    void announce(const QString& message);
};
