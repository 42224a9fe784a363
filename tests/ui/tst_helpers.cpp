#include "Accelerators.h"
#include "FaultText.h"
#include "Scaling.h"

#include <QTest>
#include <initializer_list>

using namespace Qt::StringLiterals;

class TestHelpers : public QObject
{
    Q_OBJECT

private slots:
    void fontFollowsDensity_data();
    void fontFollowsDensity();
    void controlsFollowLineHeight();
    void accelerators_data();
    void accelerators();
    void fullStop_data();
    void fullStop();
};

void TestHelpers::fontFollowsDensity_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("96 dpi keeps 11 pixels") << 96.0 << 11;
    QTest::newRow("120 dpi") << 120.0 << 14;
    QTest::newRow("144 dpi rounds 16.5 up") << 144.0 << 17;
    QTest::newRow("192 dpi doubles") << 192.0 << 22;
    QTest::newRow("72 dpi") << 72.0 << 8;
}

void TestHelpers::fontFollowsDensity()
{
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QCOMPARE(scaling::fontPixelSize(8.0, dpi), pixels);
}

void TestHelpers::controlsFollowLineHeight()
{
    const QRect roster{8, 136, 121, 257};
    QCOMPARE(scaling::scaledToLineHeight(roster, 13), roster);
    // Edges 8, 136, 129, 393 times 15/13 round to 9, 157, 149, 453.
    QCOMPARE(scaling::scaledToLineHeight(roster, 15), QRect(9, 157, 140, 296));
    QCOMPARE(scaling::scaledToLineHeight(roster, 26), QRect(16, 272, 242, 514));

    // Scaling edges rather than sizes keeps controls that touch touching: the left column ends
    // where a control starting at its right edge begins, whatever the rounding.
    const QRect left{144, 120, 193, 273};
    const QRect besideIt{337, 120, 7, 273};
    for (const int line : {11, 12, 14, 15, 17, 19, 26}) {
        const QRect a = scaling::scaledToLineHeight(left, line);
        const QRect b = scaling::scaledToLineHeight(besideIt, line);
        QCOMPARE(a.x() + a.width(), b.x());
    }
}

void TestHelpers::accelerators_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("marked");
    QTest::newRow("menu bar") << QStringList{u"File"_s, u"About"_s}
                              << QStringList{u"&File"_s, u"&About"_s};
    QTest::newRow("same first letter takes the next free one")
        << QStringList{u"File"_s, u"Fast"_s, u"FA"_s}
        << QStringList{u"&File"_s, u"F&ast"_s, u"FA"_s};
    QTest::newRow("compared in upper case")
        << QStringList{u"file"_s, u"File"_s} << QStringList{u"&file"_s, u"F&ile"_s};
    QTest::newRow("literal ampersand is escaped")
        << QStringList{u"&&"_s, u"Salt & Pepper"_s} << QStringList{u"&&&&"_s, u"&Salt && Pepper"_s};
    QTest::newRow("only Cyrillic gets none")
        << QStringList{u"Сначало"_s, u"Очистить список игроков"_s, u"Выход"_s}
        << QStringList{u"Сначало"_s, u"Очистить список игроков"_s, u"Выход"_s};
    QTest::newRow("Latin after Cyrillic")
        << QStringList{u"Раунд X"_s} << QStringList{u"Раунд &X"_s};
    QTest::newRow("digits count") << QStringList{u"2 players"_s, u"Round 2"_s}
                                  << QStringList{u"&2 players"_s, u"&Round 2"_s};
    QTest::newRow("letters that upper-case into ASCII do not")
        << QStringList{u"\u0131\u017F"_s} << QStringList{u"\u0131\u017F"_s};
}

void TestHelpers::accelerators()
{
    QFETCH(QStringList, captions);
    QFETCH(QStringList, marked);
    QCOMPARE(withAccelerators(captions), marked);
}

void TestHelpers::fullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << u"Unable to insert a line"_s << u"Unable to insert a line."_s;
    QTest::newRow("Cyrillic letter") << u"Ошибка"_s << u"Ошибка."_s;
    QTest::newRow("question mark sorts after") << u"Why?"_s << u"Why?."_s;
    QTest::newRow("digit sorts after") << u"Error 1"_s << u"Error 1."_s;
    QTest::newRow("exclamation mark sorts before") << u"Stop!"_s << u"Stop!"_s;
    QTest::newRow("closing parenthesis sorts before") << u"(sic)"_s << u"(sic)"_s;
    QTest::newRow("full stop already") << u"Out of memory."_s << u"Out of memory."_s;
    QTest::newRow("empty") << QString{} << QString{};
}

void TestHelpers::fullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(withFullStop(message), shown);
}

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
