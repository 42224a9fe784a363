// Run once per scale factor (QT_SCALE_FACTOR): the window keeps its proportions, its list rows
// and its texts, and the screenshot shows every control where the description puts it, scaled.
#include "WindowFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void keepsProportions();
};

void TestScaling::keepsProportions()
{
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
    const auto window = openWindow();
    QVERIFY(window);
    QCOMPARE(window->devicePixelRatio(), scale);
    // Qt scales by the factor and reports the logical density as 96, so the description's own
    // scaling rule leaves the logical geometry as described: nothing is scaled twice.
    QCOMPARE(window->screen()->logicalDotsPerInch(), 96.0);

    window->state().setEntryText(u"Игрок");
    window->state().addPlayer();
    const auto* roster = control<QListView>(*window, "ListBox1");
    QTRY_COMPARE(roster->visualRect(roster->model()->index(0, 0)).height(), 13);

    for (const QLabel* label : window->findChildren<QLabel*>()) {
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                 qPrintable(label->objectName()));
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        QVERIFY2(button->width() > button->fontMetrics().horizontalAdvance(button->text()),
                 qPrintable(button->objectName()));
    }

    const QImage shot = window->grab().toImage();
    shot.save(u"window-%1x.png"_s.arg(scale));
    QCOMPARE(shot.size(), (QSizeF(window->size()) * scale).toSize());
    const QColor base = roster->palette().color(QPalette::Base);
    const QColor background = window->palette().color(QPalette::Window);
    QVERIFY(base != background);
    for (const char* name : {"ListBox1", "ListBox2", "ListBox3"}) {
        const auto* list = control<QListView>(*window, name);
        const QRect rect{list->mapTo(window.get(), QPoint(0, 0)), list->size()};
        const auto device = [scale](QPoint p) { return (QPointF(p) * scale).toPoint(); };
        // Well inside the list, below its first row: the list's base colour.
        QCOMPARE(shot.pixelColor(device(rect.center() + QPoint(0, 40))), base);
        // Just left of it: the window's background.
        QCOMPARE(shot.pixelColor(device(QPoint(rect.left() - 3, rect.center().y()))), background);
    }
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
