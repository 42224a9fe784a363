// Run once per scale factor (QT_SCALE_FACTOR, a Wayland screen's OUTPUT_SCALE, or Windows' display
// scaling under Wine, WINE_DPI, in light or dark mode), and with Qt's scaling off on a denser
// screen, opened there or moved there: the window keeps its proportions, its list rows and its
// texts, and the screenshot shows every control where the description puts it, scaled.
#include "Scaling.h"
#include "WindowFixture.h"
#include "platform/WindowSystem.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <initializer_list>
#include <memory>

using namespace Qt::StringLiterals;

class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void keepsProportions();
};

void TestScaling::keepsProportions()
{
    // Qt's own factor, times the one a Wayland compositor gives the screen, or Windows' display
    // scaling.
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble() *
                         qEnvironmentVariable("OUTPUT_SCALE", u"1"_s).toDouble() *
                         qEnvironmentVariable("WINE_DPI", u"96"_s).toDouble() / 96;
    const auto window = openWindow();
    QVERIFY(window);
    // On a desktop of two screens the window is moved to the other, as a user drags it to
    // another monitor: there it must look as if it had opened there.
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (const auto other = std::ranges::find_if(
            screens, [&window](const QScreen* screen) { return screen != window->screen(); });
        other != screens.end()) {
        window->move((*other)->geometry().topLeft() + QPoint(50, 50));
        QTRY_VERIFY(window->screen() == *other);
    }
    QCOMPARE(window->devicePixelRatio(), scale);
    // Where Qt scales by the screen's factor it reports 96, and the window needs nothing more.
    // Where it leaves a denser screen to the window, the font and every control grow with the
    // density while the window keeps its size, so the client area scrolls.
    const double dpi = window->screen()->logicalDotsPerInch();
    QCOMPARE(window->font().pixelSize(), qRound(11 * dpi / 96));
    const int line = QFontMetrics(window->font()).height();
    if (dpi == 96) {
        QCOMPARE(line, 13);
    }
    // A face drawn from its pixels comes out blocky at any other density.
    if (scale != 1) {
        QVERIFY(QFontDatabase::isSmoothlyScalable(QFontInfo(window->font()).family()));
    }
    QCOMPARE(control<QPushButton>(*window, "Button2")->geometry(),
             scaling::scaledToLineHeight({144, 72, 377, 41}, line));
    // Windows draws the frame in whole device pixels, not always a whole number of logical ones.
    const int slack = QGuiApplication::platformName() == u"windows"_s && scale != 1 ? 1 : 0;
    const QSize outer = outerGeometry(*window).size();
    QVERIFY2(qAbs(outer.width() - 541) <= slack && qAbs(outer.height() - 458) <= slack,
             qPrintable(u"outer size %1x%2"_s.arg(outer.width()).arg(outer.height())));
    const auto* area = control<QScrollArea>(*window, "ClientArea");
    QTRY_COMPARE(area->horizontalScrollBar()->isVisible(), line != 13);
    QTRY_COMPARE(area->verticalScrollBar()->isVisible(), line != 13);

    window->state().setEntryText(u"Игрок");
    window->state().addPlayer();
    const auto* roster = control<QListView>(*window, "ListBox1");
    QTRY_COMPARE(roster->visualRect(roster->model()->index(0, 0)).height(), line);

    for (const QLabel* label : window->findChildren<QLabel*>()) {
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                 qPrintable(label->objectName()));
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        QVERIFY2(button->width() > button->fontMetrics().horizontalAdvance(button->text()),
                 qPrintable(button->objectName()));
        // Drawn in the window's style, though their tooltip timing wraps it.
        const auto* wrapping = qobject_cast<const QProxyStyle*>(button->style());
        QCOMPARE(wrapping != nullptr ? wrapping->baseStyle()->name() : button->style()->name(),
                 QApplication::style()->name());
    }

    const QImage shot = window->grab().toImage();
    shot.save(u"window-%1x.png"_s.arg(scale));
    QCOMPARE(shot.size(), (QSizeF(window->size()) * scale).toSize());
    const QColor base = roster->palette().color(QPalette::Base);
    const QColor background = window->palette().color(QPalette::Window);
    QVERIFY(base != background);
    // Windows draws its common controls in the system's light colours in dark mode too.
    if (qEnvironmentVariable("WINE_DARK") == u"1"_s) {
        QVERIFY(base.lightness() > 128 && background.lightness() > 128);
    }
    const QRect shown{area->viewport()->mapTo(window.get(), QPoint(0, 0)),
                      area->viewport()->size()};
    for (const char* name : {"ListBox1", "ListBox2", "ListBox3"}) {
        const auto* list = control<QListView>(*window, name);
        const QRect rect{list->mapTo(window.get(), QPoint(0, 0)), list->size()};
        const auto device = [scale](QPoint p) { return (QPointF(p) * scale).toPoint(); };
        // Below the first row: inside the list its base colour, just left of it the background.
        const QPoint inside{rect.center().x(), rect.top() + 3 * line};
        if (!shown.contains(inside)) {
            continue; // scrolled out of the window by a denser font
        }
        QCOMPARE(shot.pixelColor(device(inside)), base);
        QCOMPARE(shot.pixelColor(device(QPoint(rect.left() - 3, inside.y()))), background);
    }
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
