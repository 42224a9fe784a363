#include "WindowFixture.h"
#include "access/ScreenReader.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;
using pairing::ListId;

namespace {

void pressEnter(const TForm1& window)
{
    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
}

// Replaces the entry's text as a user does: select everything, type over it.
void typeName(const TForm1& window, const QString& name)
{
    auto* entry = control<QLineEdit>(window, "Edit1");
    QTest::mouseClick(entry, Qt::LeftButton);
    entry->selectAll();
    type(entry, name);
}

// What a screen reader would be told: announcements, and where the focus went.
struct Heard
{
    QStringList announcements;
    QString focus;
} heard;

void listen(QAccessibleEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement) {
        const auto* announcement = static_cast<QAccessibleAnnouncementEvent*>(event);
        // Polite: said after whatever the reader is saying; an assertive one cuts it off.
        const bool polite =
            announcement->politeness() == QAccessible::AnnouncementPoliteness::Polite;
        heard.announcements.append((polite ? QString() : QStringLiteral("(assertive) ")) +
                                   announcement->message());
        return;
    }
#endif
    const QAccessibleInterface* iface = event->accessibleInterface();
    if (iface == nullptr) {
        return;
    }
    if (event->type() == QAccessible::ObjectShow && iface->role() == QAccessible::Notification) {
        heard.announcements.append(iface->text(QAccessible::Name));
    }
    if (event->type() == QAccessible::Focus) {
        heard.focus = iface->text(QAccessible::Name);
    }
}

// Holds key presses back and hands them on later, as Qt's bridge to a screen reader does.
class HoldKeysBack : public QObject
{
public:
    void release()
    {
        for (auto& [target, press] : held_) {
            QCoreApplication::postEvent(target, press.release());
        }
        held_.clear();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !event->spontaneous()) {
            return false;
        }
        const auto* press = static_cast<QKeyEvent*>(event);
        held_.emplace_back(watched, std::make_unique<QKeyEvent>(QEvent::KeyPress, press->key(),
                                                                press->modifiers()));
        return true;
    }

private:
    std::vector<std::pair<QObject*, std::unique_ptr<QKeyEvent>>> held_;
};

// Each row of a column describes its pair: the same row of the other column, if any.
void checkPairDescriptions(const TForm1& window)
{
    const std::array<const char*, 2> columns{"ListBox2", "ListBox3"};
    for (std::size_t side = 0; side < 2; ++side) {
        QAccessibleInterface* list =
            QAccessible::queryAccessibleInterface(control<QListView>(window, columns[side]));
        const QStringList partners = texts(window, columns[1 - side]);
        for (int row = 0; row < list->childCount(); ++row) {
            const QString expected =
                row < partners.size()
                    ? u"пара %1, с %2"_s.arg(QString::number(row + 1), partners[row])
                    : u"без пары"_s;
            QCOMPARE(list->child(row)->text(QAccessible::Description), expected);
        }
    }
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typicalUseFromStartToPairs();
    void enterInTheEntryAddsAgainAndKeepsTheCaret();
    void mouseClickOnAddSelectsTheEntry();
    void enterInAListAddsTheEntry();
    void enterAfterADrawAddsTheEntry();
    void enterOnAFocusedButtonClicksIt();
    void menuCommands_data();
    void menuCommands();
    void menuOpensByItsAccelerator_data();
    void menuOpensByItsAccelerator();
    void screenReaderHearsWhatEachCommandDid_data();
    void screenReaderHearsWhatEachCommandDid();
    void clearColumnsOnEmptyRosterThenDraw();
    void aboutLinesShowTwiceHideOnce();
    void pairsStaySideBySideWhileScrolling_data();
    void pairsStaySideBySideWhileScrolling();
    void faultInADrawIsReportedAndSurvived();
    void faultIsShownInAMessageBox();

private:
    std::unique_ptr<TForm1> window;
    QStringList reported;
};

void TestCommands::init()
{
    window = openWindow();
    QVERIFY(window);
    reported.clear();
    window->setFaultReporter([this](const QString& message) { reported.append(message); });
}

void TestCommands::cleanup()
{
    QAccessible::installUpdateHandler(nullptr);
    window.reset();
}

void TestCommands::typicalUseFromStartToPairs()
{
    auto* entry = control<QLineEdit>(*window, "Edit1");
    auto* draw = control<QPushButton>(*window, "Button2");
    const QStringList names{u"Котик"_s, u"NightOwl"_s, u"Мастер"_s, u"pixel"_s};
    for (const QString& name : names) {
        typeName(*window, name);
        pressEnter(*window);
        QCOMPARE(QApplication::focusWidget(), entry);
        QCOMPARE(entry->text(), name);
    }
    QCOMPARE(texts(*window, "ListBox1"), names);
    QVERIFY(draw->isEnabled());

    QTest::mouseClick(draw, Qt::LeftButton);
    QVERIFY(!draw->isEnabled());
    const QStringList left = texts(*window, "ListBox2");
    const QStringList right = texts(*window, "ListBox3");
    QCOMPARE(left.size(), 2);
    QCOMPARE(right.size(), 2);
    QStringList dealt = left + right;
    dealt.sort();
    QStringList expected = names;
    expected.sort();
    QCOMPARE(dealt, expected);
    QCOMPARE(texts(*window, "ListBox1"), names);
}

void TestCommands::enterInTheEntryAddsAgainAndKeepsTheCaret()
{
    auto* entry = control<QLineEdit>(*window, "Edit1");
    typeName(*window, u"Twice"_s);
    entry->setCursorPosition(2);
    pressEnter(*window);
    pressEnter(*window);
    QCOMPARE(texts(*window, "ListBox1"), (QStringList{u"Twice"_s, u"Twice"_s}));
    QVERIFY(!entry->hasSelectedText());
    QCOMPARE(entry->cursorPosition(), 2);
    // Keypad Enter counts; Enter with Shift, Ctrl or Alt does not.
    QTest::keyClick(window->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(window->windowHandle(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(window->windowHandle(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(rows(*window, "ListBox1"), 3);
}

void TestCommands::mouseClickOnAddSelectsTheEntry()
{
    auto* entry = control<QLineEdit>(*window, "Edit1");
    typeName(*window, u"Первый"_s);
    QTest::mouseClick(control<QPushButton>(*window, "Button1"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), entry);
    QCOMPARE(entry->selectedText(), u"Первый"_s);
    type(entry, u"Второй"_s);
    QCOMPARE(entry->text(), u"Второй"_s);
}

void TestCommands::enterInAListAddsTheEntry()
{
    QTRY_COMPARE(QApplication::focusWidget(), control<QWidget>(*window, "ListBox1"));
    // Right after start the entry is empty, and an empty nickname is a player like any other.
    pressEnter(*window);
    QCOMPARE(texts(*window, "ListBox1"), QStringList{QString{}});
    QVERIFY(control<QPushButton>(*window, "Button2")->isEnabled());

    control<QWidget>(*window, "ListBox3")->setFocus();
    control<QLineEdit>(*window, "Edit1")->setText(u"Z"_s);
    pressEnter(*window);
    QCOMPARE(texts(*window, "ListBox1"), (QStringList{QString{}, u"Z"_s}));
}

void TestCommands::enterAfterADrawAddsTheEntry()
{
    typeName(*window, u"A"_s);
    pressEnter(*window);
    QTest::mouseClick(control<QPushButton>(*window, "Button2"), Qt::LeftButton);
    // The window itself holds the focus; no control does.
    QCOMPARE(QApplication::focusWidget(), window.get());
    pressEnter(*window);
    QCOMPARE(texts(*window, "ListBox1"), (QStringList{u"A"_s, u"A"_s}));
}

void TestCommands::enterOnAFocusedButtonClicksIt()
{
    // With Shift, Ctrl or Alt held, Enter clicks neither the focused button nor the default one.
    window->N2Click();
    window->N4Click();
    for (const char* name : {"Button1", "Button2", "Button3"}) {
        auto* button = control<QPushButton>(*window, name);
        for (const auto chord : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
            button->setFocus();
            QTest::keyClick(window->windowHandle(), Qt::Key_Return, chord);
            QTest::keyClick(window->windowHandle(), Qt::Key_Enter, chord | Qt::KeypadModifier);
            QVERIFY2(button->isVisible() && button->isEnabled(), name);
            QCOMPARE(rows(*window, "ListBox1"), 0);
        }
    }

    typeName(*window, u"A"_s);
    pressEnter(*window);
    auto* draw = control<QPushButton>(*window, "Button2");
    QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), draw);
    pressEnter(*window);
    QCOMPARE(texts(*window, "ListBox2"), QStringList{u"A"_s});
    QCOMPARE(rows(*window, "ListBox1"), 1);
    QCOMPARE(QApplication::focusWidget(), window.get());

    window->N2Click();
    auto* hide = control<QPushButton>(*window, "Button3");
    hide->setFocus();
    pressEnter(*window);
    QVERIFY(!hide->isVisible());
    QCOMPARE(rows(*window, "ListBox1"), 1);
}

void TestCommands::menuCommands_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("roster");
    QTest::addColumn<int>("dealt");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("drawEnabled");
    QTest::newRow("start over") << u"N1"_s << 0 << 0 << QString{} << false;
    QTest::newRow("clear roster") << u"N3"_s << 0 << 3 << u"C"_s << false;
    QTest::newRow("clear columns") << u"N4"_s << 3 << 0 << u"C"_s << true;
}

void TestCommands::menuCommands()
{
    QFETCH(QString, item);
    QFETCH(int, roster);
    QFETCH(int, dealt);
    QFETCH(QString, entry);
    QFETCH(bool, drawEnabled);
    for (const QString& name : {u"A"_s, u"B"_s, u"C"_s}) {
        typeName(*window, name);
        pressEnter(*window);
    }
    window->Button2Click();
    window->findChild<QAction*>(item)->trigger();
    QCOMPARE(rows(*window, "ListBox1"), roster);
    QCOMPARE(rows(*window, "ListBox2") + rows(*window, "ListBox3"), dealt);
    QCOMPARE(control<QLineEdit>(*window, "Edit1")->text(), entry);
    QCOMPARE(control<QPushButton>(*window, "Button2")->isEnabled(), drawEnabled);
}

void TestCommands::menuOpensByItsAccelerator_data()
{
    QTest::addColumn<bool>("keysHeldBack");
    QTest::newRow("directly") << false;
    // As Qt does while a screen reader listens: each key press waits for the reader, while the
    // shortcut that Alt and F make goes through at once.
    QTest::newRow("while a screen reader holds keys back") << true;
}

void TestCommands::menuOpensByItsAccelerator()
{
    QFETCH(bool, keysHeldBack);
    window->state().setEntryText(u"X");
    window->state().addPlayer();
    QCOMPARE(rows(*window, "ListBox1"), 1);
    HoldKeysBack held;
    if (keysHeldBack) {
        QApplication::instance()->installEventFilter(&held);
    }
    // Alt+F opens File on its first item; one step down is "Очистить список игроков".
    QTest::keyClick(window->windowHandle(), Qt::Key_F, Qt::AltModifier);
    auto* file = control<QMenu>(*window, "File1");
    QTRY_VERIFY(file->isVisible());
    QApplication::instance()->removeEventFilter(&held);
    held.release();
    QApplication::processEvents();
    QVERIFY(file->isVisible());
    QTest::keyClick(file, Qt::Key_Down);
    QTest::keyClick(file, Qt::Key_Return);
    QTRY_VERIFY(!file->isVisible());
    // Clear roster ran; the menu's own Enter did not reach the window's default button.
    QCOMPARE(rows(*window, "ListBox1"), 0);
    QVERIFY(!control<QPushButton>(*window, "Button2")->isEnabled());
}

void TestCommands::screenReaderHearsWhatEachCommandDid_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("announcement");
    QTest::addColumn<QString>("focus");
    QTest::newRow("add a player") << u"Button1"_s << u"Добавлен игрок Boris. Игроков в списке: 4."_s
                                  << u"Ввести ник игрока"_s;
    QTest::newRow("draw") << u"Button2"_s << u"Распределено игроков: 3. Пар: 1. Без пары: 1."_s
                          << u"Dornavel"_s;
    QTest::newRow("start over") << u"N1"_s << u"Очищены список игроков, колонки пар и поле ввода."_s
                                << QString{};
    QTest::newRow("clear roster") << u"N3"_s << u"Список игроков очищен."_s << QString{};
    QTest::newRow("clear columns") << u"N4"_s << u"Колонки пар очищены."_s << QString{};
    // A list that takes the focus makes its first item current, and that item is spoken.
    QTest::newRow("focus the roster") << u"ListBox1"_s << QString{} << u"A"_s;
}

void TestCommands::screenReaderHearsWhatEachCommandDid()
{
    QFETCH(QString, command);
    QFETCH(QString, announcement);
    QFETCH(QString, focus);
    for (const char16_t* name : {u"A", u"B", u"C"}) {
        window->state().setEntryText(name);
        window->state().addPlayer();
    }
    control<QLineEdit>(*window, "Edit1")->setText(u"Boris"_s);
    control<QLineEdit>(*window, "Edit1")->setFocus();
    QTRY_VERIFY(QAccessible::isActive());
    heard = {};
    QAccessible::installUpdateHandler(listen);

    if (auto* action = window->findChild<QAction*>(command)) {
        action->trigger();
    } else {
        control<QWidget>(*window, qPrintable(command))->setFocus(Qt::TabFocusReason);
        if (command.startsWith(u"Button"_s)) {
            pressEnter(*window);
        }
    }
    QTRY_COMPARE(heard.focus, focus);
    QCOMPARE(heard.announcements,
             announcement.isEmpty() ? QStringList{} : QStringList{announcement});
    checkPairDescriptions(*window);
}

void TestCommands::clearColumnsOnEmptyRosterThenDraw()
{
    auto* draw = control<QPushButton>(*window, "Button2");
    window->N4Click();
    QVERIFY(draw->isEnabled());
    QTest::mouseClick(draw, Qt::LeftButton);
    QVERIFY(!draw->isEnabled());
    QCOMPARE(rows(*window, "ListBox2") + rows(*window, "ListBox3"), 0);
    QCOMPARE(window->state().dealCounter(), 0);
}

void TestCommands::aboutLinesShowTwiceHideOnce()
{
    const QWidget* client = control<QWidget>(*window, "Client");
    const int narrow = client->width();
    window->N2Click();
    window->N2Click();
    for (const char* name : {"Label3", "Label4", "Label5", "Button3"}) {
        QVERIFY2(control<QWidget>(*window, name)->isVisible(), name);
        // Within the scrollable extent, however wide the font makes the line.
        QVERIFY2(client->rect().contains(control<QWidget>(*window, name)->geometry()), name);
    }
    QTest::mouseClick(control<QPushButton>(*window, "Button3"), Qt::LeftButton);
    for (const char* name : {"Label3", "Label4", "Label5", "Button3"}) {
        QVERIFY2(!control<QWidget>(*window, name)->isVisible(), name);
    }
    QCOMPARE(client->width(), narrow);
}

void TestCommands::pairsStaySideBySideWhileScrolling_data()
{
    QTest::addColumn<int>("dealCounter");
    QTest::addColumn<int>("leftRows");
    QTest::newRow("left column longer") << 0 << 51;
    // As after clearing the columns when an odd number of players had been dealt.
    QTest::newRow("right column longer") << 1 << 50;
}

void TestCommands::pairsStaySideBySideWhileScrolling()
{
    QFETCH(int, dealCounter);
    QFETCH(int, leftRows);
    for (int i = 0; i < 101; ++i) {
        window->state().setEntryText(u"P" +
                                     std::u16string(1, static_cast<char16_t>(u'0' + i % 10)));
        window->state().addPlayer();
    }
    window->state().setDealCounter(dealCounter);
    window->Button2Click();
    auto* left = control<QListView>(*window, "ListBox2");
    auto* right = control<QListView>(*window, "ListBox3");
    QCOMPARE(left->model()->rowCount(), leftRows);
    QCOMPARE(right->model()->rowCount(), 101 - leftRows);
    const auto topRow = [](const QListView* view) { return view->indexAt(QPoint(2, 2)).row(); };
    const auto sideBySide = [&] {
        return left->verticalScrollBar()->value() == right->verticalScrollBar()->value() &&
               topRow(left) == topRow(right);
    };
    const auto lastRowShown = [](const QListView* view) {
        const QModelIndex last = view->model()->index(view->model()->rowCount() - 1, 0);
        return view->viewport()->rect().contains(view->visualRect(last));
    };

    // The views lay their items out later, in the event loop.
    QTRY_VERIFY(left->verticalScrollBar()->maximum() > 0);
    // The scroll bar, to the very end: the shorter column follows past its last row.
    left->verticalScrollBar()->setValue(left->verticalScrollBar()->maximum());
    QVERIFY(topRow(left) > 20);
    QVERIFY(sideBySide());

    // The wheel, on the other column.
    const QPoint inside = right->viewport()->rect().center();
    QWheelEvent wheel{inside,
                      right->viewport()->mapToGlobal(inside),
                      {},
                      QPoint(0, 120),
                      Qt::NoButton,
                      Qt::NoModifier,
                      Qt::NoScrollPhase,
                      false};
    QApplication::sendEvent(right->viewport(), &wheel);
    QTRY_VERIFY(right->verticalScrollBar()->value() < right->verticalScrollBar()->maximum());
    QVERIFY(sideBySide());

    // The keyboard, in either column.
    left->setFocus();
    QTest::keyClick(left, Qt::Key_End);
    QVERIFY(lastRowShown(left));
    QVERIFY(topRow(right) > 20);
    QVERIFY(sideBySide());
    right->setFocus();
    QTest::keyClick(right, Qt::Key_End);
    QVERIFY(lastRowShown(right));
    QVERIFY(sideBySide());
    QTest::keyClick(right, Qt::Key_Home);
    QCOMPARE(topRow(left), 0);
    QVERIFY(sideBySide());
}

void TestCommands::faultInADrawIsReportedAndSurvived()
{
    for (const QString& name : {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s}) {
        typeName(*window, name);
        pressEnter(*window);
    }
    window->state().setCapacity(ListId::Right, 1);
    const std::int32_t counterBefore = window->state().dealCounter();

    auto* draw = control<QPushButton>(*window, "Button2");
    QTest::mouseClick(draw, Qt::LeftButton);
    QCOMPARE(reported, QStringList{u"Unable to insert a line."_s});
    // Dealt: left, right, left, then the right column refused the fourth.
    QCOMPARE(rows(*window, "ListBox2"), 2);
    QCOMPARE(rows(*window, "ListBox3"), 1);
    QCOMPARE(window->state().dealCounter(), counterBefore + 4);
    QVERIFY(!draw->isEnabled());

    // The window goes on working. A full roster refuses the player, but only after the draw
    // has been enabled.
    window->state().setCapacity(ListId::Roster, 5);
    pressEnter(*window);
    QCOMPARE(reported.size(), 2);
    QCOMPARE(rows(*window, "ListBox1"), 5);
    QVERIFY(draw->isEnabled());
    window->state().setCapacity(ListId::Roster, 6);
    pressEnter(*window);
    QCOMPARE(rows(*window, "ListBox1"), 6);
}

void TestCommands::faultIsShownInAMessageBox()
{
    auto fresh = openWindow();
    QVERIFY(fresh);
    fresh->state().setCapacity(ListId::Roster, 0);

    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    // The box is modal: read it and close it from inside its own event loop.
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    fresh->Button1Click();
    QCOMPARE(title, u"Dornavel"_s);
    QCOMPARE(text, u"Unable to insert a line."_s);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, QMessageBox::StandardButtons{QMessageBox::Ok});
}

int main(int argc, char* argv[])
{
    pretendAScreenReaderListens();
    QApplication application(argc, argv);
    TestCommands test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_commands.moc"
