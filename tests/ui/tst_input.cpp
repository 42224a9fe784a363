#include "NicknameDelegate.h"
#include "WindowFixture.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <initializer_list>
#include <memory>

using namespace Qt::StringLiterals;

class TestInput : public QObject
{
    Q_OBJECT

private slots:
    void unusualNicknamesAreStoredAndDealtUnchanged();
    void fullColumnMidDrawKeepsWhatIsShown();
};

void TestInput::unusualNicknamesAreStoredAndDealtUnchanged()
{
    const auto window = openWindow();
    QVERIFY(window);
    auto* entry = control<QLineEdit>(*window, "Edit1");
    auto* add = control<QPushButton>(*window, "Button1");

    const QStringList unusual{
        QString{},
        QString(100'000, u'щ'),
        u"И\u0306горь\u0301"_s,          // combining breve and acute
        u"שלום עולם"_s,                  // right to left
        u"\U0001F3B2\U0001F47E"_s,       // emoji, outside the basic plane
        QString{QChar{0xD800}} + u"x"_s, // a lone high surrogate
        QString{u"a\0b"_s},              // an embedded U+0000
    };
    for (const QString& name : unusual) {
        entry->setText(name);
        QCOMPARE(entry->text(), name);
        QTest::mouseClick(add, Qt::LeftButton);
    }
    entry->setText(u"Same"_s);
    for (int i = 0; i < 1000; ++i) {
        QTest::keyClick(window->windowHandle(), Qt::Key_Return);
    }

    QStringList roster = unusual;
    for (int i = 0; i < 1000; ++i) {
        roster.append(u"Same"_s);
    }
    QCOMPARE(texts(*window, "ListBox1"), roster);

    QTest::mouseClick(control<QPushButton>(*window, "Button2"), Qt::LeftButton);
    // The 100,000-character nickname costs no more to paint than a short one, in any list.
    for (const char* list : {"ListBox1", "ListBox2", "ListBox3"}) {
        QVERIFY2(qobject_cast<NicknameDelegate*>(control<QListView>(*window, list)->itemDelegate()),
                 list);
    }
    QStringList dealt = texts(*window, "ListBox2") + texts(*window, "ListBox3");
    QCOMPARE(dealt.size(), roster.size());
    dealt.sort();
    roster.sort();
    QCOMPARE(dealt, roster);
}

void TestInput::fullColumnMidDrawKeepsWhatIsShown()
{
    const auto window = openWindow();
    QVERIFY(window);
    for (const QString& name : {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s, u"F"_s}) {
        control<QLineEdit>(*window, "Edit1")->setText(name);
        window->Button1Click();
    }
    window->state().setCapacity(pairing::ListId::Left, 2);

    QString shown;
    QTimer::singleShot(0, this, [&shown] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        shown = box->text();
        box->accept();
    });
    QTest::mouseClick(control<QPushButton>(*window, "Button2"), Qt::LeftButton);
    QCOMPARE(shown, u"Unable to insert a line."_s);

    // Left, right, left, right, then the left column refused the fifth.
    const QStringList left = texts(*window, "ListBox2");
    const QStringList right = texts(*window, "ListBox3");
    QCOMPARE(left.size(), 2);
    QCOMPARE(right.size(), 2);
    for (const QString& name : left + right) {
        QVERIFY2(texts(*window, "ListBox1").contains(name), qPrintable(name));
    }
    QCOMPARE(window->state().dealCounter(), 5);
}

QTEST_MAIN(TestInput)
#include "tst_input.moc"
