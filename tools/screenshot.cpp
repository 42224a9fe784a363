// Writes a PNG of the window as a user sees it after a short session: a roster typed in and one
// draw. Used for the README's picture: run it under Xvfb, with QT_SCALE_FACTOR for other scales.
#include "Unit1.h"
#include "platform/WindowSystem.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: screenshot OUTPUT.png\n", stderr);
        return 2;
    }
    QApplication::setApplicationDisplayName(TForm1::applicationTitle());
    TForm1 window;
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        return 1;
    }
    auto* entry = window.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    const QStringList players{QStringLiteral("Zerg_Rush"), QStringLiteral("Котик"),
                              QStringLiteral("NightOwl"),  QStringLiteral("Мастер"),
                              QStringLiteral("pixel"),     QStringLiteral("Ёжик")};
    for (const QString& player : players) {
        entry->setText(player);
        QTest::keyClick(entry, Qt::Key_Return);
    }
    window.Button2Click();
    QTest::qWait(50);
    // From the screen, so that a frame drawn around the window is in the picture too.
    const QRect frame = outerGeometry(window);
    const QPixmap shot =
        window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
