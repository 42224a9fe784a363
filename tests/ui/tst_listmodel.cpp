#include "NicknameDelegate.h"
#include "PairingListModel.h"
#include "PairingState.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <cstddef>

using namespace Qt::StringLiterals;

using pairing::PairingState;

namespace {

class ExposedDelegate : public NicknameDelegate
{
public:
    using NicknameDelegate::initStyleOption;
};

void add(PairingState& state, const std::u16string& name)
{
    state.setEntryText(name);
    state.addPlayer();
}

} // namespace

class TestListModel : public QObject
{
    Q_OBJECT

private slots:
    void showsOnlyWhatWasPublished();
    void oneInsertionPerDeal();
    void textRoundTripsExactly();
    void longNicknamesAreCutForPainting();
};

void TestListModel::showsOnlyWhatWasPublished()
{
    PairingState state;
    PairingListModel model{state.roster(), nullptr};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};

    add(state, u"A");
    add(state, u"B");
    QCOMPARE(model.rowCount(), 0);
    model.publishAppended();
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.index(1).data().toString(), u"B"_s);

    model.publishAppended();
    QCOMPARE(model.rowCount(), 2);

    state.clearRoster();
    QVERIFY(!model.index(1).data().isValid());
    model.publishCleared();
    QCOMPARE(model.rowCount(), 0);
    model.publishCleared();
    QCOMPARE(model.rowCount(), 0);
}

void TestListModel::oneInsertionPerDeal()
{
    PairingState state;
    PairingListModel left{state.leftColumn(), nullptr};
    QAbstractItemModelTester tester{&left, QAbstractItemModelTester::FailureReportingMode::QtTest};
    QSignalSpy inserted{&left, &QAbstractItemModel::rowsInserted};

    for (int i = 0; i < 1000; ++i) {
        add(state, u"P" + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)));
    }
    state.draw();
    left.publishAppended();
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 0);
    QCOMPARE(inserted.at(0).at(2).toInt(), 499);
}

void TestListModel::textRoundTripsExactly()
{
    PairingState state;
    PairingListModel model{state.roster(), nullptr};
    const std::u16string unusual{u"\xD800|\0|\u0301e|\U0001F3B2|\u05E9\u05DC\u05D5\u05DD", 14};
    add(state, unusual);
    model.publishAppended();
    const QString shown = model.index(0).data().toString();
    QCOMPARE(shown.size(), qsizetype{14});
    QCOMPARE(shown.toStdU16String(), unusual);
    QVERIFY(!model.index(0).data(Qt::EditRole).isValid());
}

void TestListModel::longNicknamesAreCutForPainting()
{
    PairingState state;
    PairingListModel model{state.roster(), nullptr};
    const qsizetype limit = NicknameDelegate::shownCharacters;
    add(state, u"Short");
    add(state, std::u16string(100'000, u'ж'));
    // A character outside the basic plane straddling the cut goes whole.
    add(state, std::u16string(static_cast<std::size_t>(limit - 1), u'a') + u"\U0001F3B2tail");
    model.publishAppended();

    const ExposedDelegate delegate;
    const auto shown = [&](int row) {
        QStyleOptionViewItem option;
        delegate.initStyleOption(&option, model.index(row));
        return option.text;
    };
    QCOMPARE(shown(0), u"Short"_s);
    QCOMPARE(shown(1), QString(limit, u'ж'));
    QCOMPARE(shown(2), QString(limit - 1, u'a'));
    QCOMPARE(model.index(1).data().toString().size(), qsizetype{100'000});
}

QTEST_MAIN(TestListModel)
#include "tst_listmodel.moc"
