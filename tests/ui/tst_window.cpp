#include "ToolTipTiming.h"
#include "WindowFixture.h"
#include "platform/WindowSystem.h"

#include <QAccessible>
#include <QClipboard>
#include <QFontDatabase>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRawFont>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <initializer_list>
#include <memory>

using namespace Qt::StringLiterals;

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void controlsStandWhereDescribed_data();
    void controlsStandWhereDescribed();
    void windowAndMenu();
    void opensEmptyWithFocusInRoster();
    void tabOrderSkipsHiddenAndDisabled();
    void tooltips();
    void scrollBarsBelowTheControlsExtent();
    void entryTakesLongText();
};

void TestWindow::controlsStandWhereDescribed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, QRect rect, const QString& text) {
        QTest::newRow(name) << QString::fromLatin1(name) << rect << text;
    };
    row("Label1", {8, 16, 95, 13}, u"Ввести ник игрока"_s);
    row("Edit1", {8, 32, 257, 21}, {});
    row("Button1", {8, 72, 121, 41}, u"Добавить игрока"_s);
    row("Button2", {144, 72, 377, 41}, u"Распределить"_s);
    row("Label17", {8, 120, 81, 13}, u"Список игроков"_s);
    row("ListBox1", {8, 136, 121, 257}, {});
    row("ListBox2", {144, 120, 193, 273}, {});
    row("ListBox3", {344, 120, 177, 273}, {});
    row("Button3", {328, 8, 49, 17}, u"Убрать"_s);
    row("Label3", {384, 8, 58, 13}, u"Версия 1.0 "_s);
    row("Label4", {384, 24, 138, 13}, u"Авторы: команда Dornavel"_s);
    row("Label5", {384, 40, 0, 13}, u"Good luck, have fun!"_s);
}

void TestWindow::controlsStandWhereDescribed()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, text);
    const TForm1 window;
    const auto* widget = window.findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->font().family(), u"MS Sans Serif"_s);
    // The described font itself where the system has it, as Windows does; else its stand-in.
    QCOMPARE(QFontInfo(widget->font()).family(), QFontDatabase::hasFamily(u"MS Sans Serif"_s)
                                                     ? u"MS Sans Serif"_s
                                                     : u"DejaVu Sans Condensed"_s);
    // Russian text in that font too, not in a fallback.
    QVERIFY(QRawFont::fromFont(widget->font(), QFontDatabase::Cyrillic).supportsCharacter(u'Ж'));
    // 8 points at 96 dpi: a 13-pixel line, as the described font has.
    QCOMPARE(QFontMetrics(widget->font()).height(), 13);
    QCOMPARE(widget->pos(), rect.topLeft());

    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
        // Labels fit their text, in whatever font stands in; rect.width() is the old font's.
        QCOMPARE(label->height(), 13);
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(text), "text clipped");
        if (rect.width() > 0) {
            // Stand-ins and Wine's own drawing of the font differ by a few pixels.
            QVERIFY2(qAbs(label->width() - rect.width()) <= std::max(3, rect.width() / 20),
                     qPrintable(QString::number(label->width())));
        }
        return;
    }
    QCOMPARE(widget->size(), rect.size());
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        QCOMPARE(button->text(), text);
    }
}

void TestWindow::windowAndMenu()
{
    const auto window = openWindow();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), u"Dornavel"_s);
    // On X without a window manager there is no frame, and the window itself has the outer
    // size; Windows, and Wine, draw one.
    QCOMPARE(outerGeometry(*window), QRect(258, 160, 541, 458));
    QVERIFY(!window->windowIcon().isNull());
    const QImage icon = window->windowIcon().pixmap(QSize(32, 32)).toImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            colours.insert(icon.pixel(x, y));
        }
    }
    QVERIFY(colours.size() <= 16);

    const QMenuBar* bar = control<QMenuBar>(*window, "MainMenu1");
    QStringList menus;
    QStringList items;
    for (const QAction* menu : bar->actions()) {
        menus.append(menu->text());
        for (const QAction* item : menu->menu()->actions()) {
            QVERIFY(!item->isSeparator() && !item->isCheckable());
            QVERIFY(item->shortcut().isEmpty());
            items.append(item->text());
        }
    }
    QCOMPARE(menus, (QStringList{u"&File"_s, u"&About"_s}));
    QCOMPARE(items, (QStringList{u"Сначало"_s, u"Очистить список игроков"_s,
                                 u"Очистить поля с расскиданными игроками"_s, u"Выход"_s,
                                 u"О программе"_s}));
}

void TestWindow::opensEmptyWithFocusInRoster()
{
    const auto window = openWindow();
    QVERIFY(window);
    QVERIFY(!control<QPushButton>(*window, "Button2")->isEnabled());
    for (const char* about : {"Label3", "Label4", "Label5", "Button3"}) {
        QVERIFY2(!control<QWidget>(*window, about)->isVisible(), about);
    }
    for (const char* list : {"ListBox1", "ListBox2", "ListBox3"}) {
        QCOMPARE(rows(*window, list), 0);
    }
    QVERIFY(control<QLineEdit>(*window, "Edit1")->text().isEmpty());
    // A screen reader names each control once, and takes no key for the default button's
    // mnemonic: neither a help text nor an accelerator that the controls do not have.
    QVERIFY(control<QPushButton>(*window, "Button1")->isDefault());
    for (const char* name : {"ListBox1", "ListBox2", "ListBox3", "Button1", "Button2"}) {
        const QAccessibleInterface* spoken =
            QAccessible::queryAccessibleInterface(control<QWidget>(*window, name));
        QVERIFY2(!spoken->text(QAccessible::Name).isEmpty(), name);
        QVERIFY2(spoken->text(QAccessible::Help).isEmpty(), name);
        QVERIFY2(spoken->text(QAccessible::Accelerator).isEmpty(), name);
    }
    QTRY_COMPARE(QApplication::focusWidget(), control<QWidget>(*window, "ListBox1"));
}

void TestWindow::tabOrderSkipsHiddenAndDisabled()
{
    const auto window = openWindow();
    QVERIFY(window);
    QTRY_COMPARE(QApplication::focusWidget(), control<QWidget>(*window, "ListBox1"));
    const auto walk = [&window](Qt::Key key, int steps) {
        QStringList visited;
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(window->windowHandle(), key);
            visited.append(QApplication::focusWidget()->objectName());
        }
        return visited;
    };

    QCOMPARE(walk(Qt::Key_Tab, 5),
             (QStringList{u"ListBox2"_s, u"ListBox3"_s, u"Button1"_s, u"Edit1"_s, u"ListBox1"_s}));

    control<QPushButton>(*window, "Button2")->setEnabled(true);
    window->N2Click();
    QCOMPARE(walk(Qt::Key_Backtab, 7),
             (QStringList{u"Button3"_s, u"Button2"_s, u"Edit1"_s, u"Button1"_s, u"ListBox3"_s,
                          u"ListBox2"_s, u"ListBox1"_s}));
}

void TestWindow::tooltips()
{
    const auto window = openWindow();
    QVERIFY(window);
    auto* add = control<QPushButton>(*window, "Button1");
    auto* draw = control<QPushButton>(*window, "Button2");
    QCOMPARE(add->toolTip(), u"Для добавления игроков в список, воспользуйтесь этой кнопкой"_s);
    QCOMPARE(draw->toolTip(),
             u"Нажмите эту кнопку, что бы автоматически расскидать игроков по парам"_s);
    for (const char* name : {"Label1", "Edit1", "ListBox1", "ListBox2", "ListBox3", "Button3"}) {
        QVERIFY2(control<QWidget>(*window, name)->toolTip().isEmpty(), name);
    }

    // Qt reads the delay before a tooltip from the style of the widget under the pointer.
    for (const QPushButton* button : {add, draw}) {
        QCOMPARE(button->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, button), 500);
    }
    QCOMPARE(window->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, window.get()),
             700);

    // Qt's own tooltip would stay ten seconds; this one goes after two and a half.
    const QPoint centre = add->rect().center();
    QHelpEvent help{QEvent::ToolTip, centre, add->mapToGlobal(centre)};
    QApplication::sendEvent(add, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), add->toolTip());
    QElapsedTimer shown;
    shown.start();
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 5000);
    QVERIFY2(shown.elapsed() >= ToolTipTiming::displayTimeMs - 200, "hidden too early");
}

void TestWindow::scrollBarsBelowTheControlsExtent()
{
    const auto window = openWindow();
    QVERIFY(window);
    const auto* area = control<QScrollArea>(*window, "ClientArea");
    const int menuHeight = control<QMenuBar>(*window, "MainMenu1")->height();
    const auto clientSize = [&](int width, int height) {
        window->resize(width, height + menuHeight);
        QTRY_COMPARE(area->size(), QSize(width, height));
    };
    const auto horizontal = [area] { return area->horizontalScrollBar()->isVisible(); };
    const auto vertical = [area] { return area->verticalScrollBar()->isVisible(); };

    // Qt shows and hides scroll bars through queued calls: wait for both to settle.
    clientSize(521, 393);
    QTRY_VERIFY(!horizontal() && !vertical());
    clientSize(520, 500);
    QTRY_VERIFY(horizontal() && !vertical());
    clientSize(600, 392);
    QTRY_VERIFY(vertical() && !horizontal());

    window->N2Click();
    const QWidget* credit = control<QWidget>(*window, "Label4");
    // The credit line may reach past the lists, by how wide the font draws it.
    const int creditEdge = std::max(credit->x() + credit->width(), 521);
    clientSize(creditEdge, 500);
    QTRY_VERIFY(!horizontal() && !vertical());
    clientSize(creditEdge - 1, 500);
    QTRY_VERIFY(horizontal() && !vertical());

    window->Button3Click();
    clientSize(521, 500);
    QTRY_VERIFY(!horizontal() && !vertical());
}

void TestWindow::entryTakesLongText()
{
    const auto window = openWindow();
    QVERIFY(window);
    auto* entry = control<QLineEdit>(*window, "Edit1");
    const QString longName(100'000, u'ж');
    QApplication::clipboard()->setText(longName);
    entry->setFocus();
    QTest::keySequence(entry, QKeySequence::Paste);
    QCOMPARE(entry->text().size(), longName.size());
    QTest::keyClick(window->windowHandle(), Qt::Key_Return);
    QCOMPARE(texts(*window, "ListBox1"), QStringList{longName});
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
