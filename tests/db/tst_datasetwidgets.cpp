#include "db/Dataset.h"
#include "db/DatasetTableModel.h"
#include "db/DbSession.h"
#include "db/FieldBinding.h"
#include "support/TestDatabase.h"
#include "support/TestSql.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

using namespace Qt::StringLiterals;
using TestSql::scalar;

namespace {

const QString ConnectionName = u"widgets"_s;
constexpr int Kato = 777001;

const QString CardSelect = u"select ID, LS, HOUSE, IS_DELETED, DATE_DELETED, DATE_ACTUAL from KPU_CATAL"
                           " where KATO_ID = :KATO_ID order by LS"_s;
const StatementSet CardStatements{
    u"insert into KPU_CATAL (LS, HOUSE, KATO_ID) values (:LS, :HOUSE, 777001) returning ID"_s,
    u"update KPU_CATAL set LS = :LS, HOUSE = :HOUSE, IS_DELETED = :IS_DELETED, DATE_DELETED = :DATE_DELETED"
    " where ID = :OLD_ID"_s,
    u"delete from KPU_CATAL where ID = :OLD_ID"_s,
    u"select ID, LS, HOUSE, IS_DELETED, DATE_DELETED, DATE_ACTUAL from KPU_CATAL where ID = :ID"_s,
};

// Collects what reaches the application's error handling.
struct Errors
{
    QStringList texts;
    FieldBinding::ErrorHandler handler()
    {
        return [this](const std::exception &e) { texts << QString::fromUtf8(e.what()); };
    }
};

} // namespace

class TestDatasetWidgets : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void modelShowsRowsInTheirFormats();
    void modelFollowsTheDataset();
    void modelEditsThroughTheDataset();
    void viewAndDatasetShareTheCurrentRow();
    void viewScrollsToTheDatasetsRow();
    void typingStartsEditingAndPostKeepsTheText();
    void invalidNumberGoesToTheHandler();
    void typingIntoAReadOnlyDatasetReportsCannotModify();
    void typingIntoAnEmptyDatasetDoesNothing();
    void checkBoxLookupAndDates();

private:
    QSqlDatabase db() const { return m_session->database(); }
    std::unique_ptr<Dataset> cards(bool editable = true);

    std::unique_ptr<TestDatabase> m_tdb;
    std::unique_ptr<DbSession> m_session;
    int m_card = 0;
};

void TestDatasetWidgets::init()
{
    m_tdb = std::make_unique<TestDatabase>(ConnectionName);
    QVERIFY2(m_tdb->isOpen(), qPrintable(m_tdb->errorString()));
    m_session = std::make_unique<DbSession>(ConnectionName);
    Operation op(*m_session);
    m_card = scalar(db(), u"insert into KPU_CATAL (LS, HOUSE, KATO_ID, DATE_DELETED, IS_DELETED)"
                          " values ('A1', '1', ?, ?, 1) returning ID"_s,
                    {Kato, QDate(2023, 5, 9)})
                 .toInt();
    scalar(db(), u"insert into KPU_CATAL (LS, HOUSE, KATO_ID, IS_DELETED) values ('A2', '2', ?, 0) returning ID"_s,
           {Kato});
    scalar(db(), u"insert into KPU_CATAL (LS, HOUSE, KATO_ID) values ('A3', '3', ?) returning ID"_s, {Kato});
    scalar(db(), u"insert into ZEM (ID_CATAL, VSEGO, VODO) values (?, ?, ?) returning ID"_s,
           {m_card, 1234567.8912, 0.3});
    op.commit();
}

void TestDatasetWidgets::cleanup()
{
    m_session.reset();
    m_tdb.reset();
}

std::unique_ptr<Dataset> TestDatasetWidgets::cards(bool editable)
{
    auto ds = std::make_unique<Dataset>(*m_session, u"cards"_s);
    ds->setSelectSql(CardSelect);
    ds->setParam(u"KATO_ID"_s, Kato);
    if (editable)
        ds->setStatements(CardStatements);
    ds->open();
    return ds;
}

void TestDatasetWidgets::modelShowsRowsInTheirFormats()
{
    auto ds = cards();
    DatasetTableModel model(*ds, {{u"LS"_s, u"Лицевой счёт"_s},
                                  {u"DATE_DELETED"_s, u"Удалена"_s},
                                  {u"IS_DELETED"_s, u"Удалена?"_s, true},
                                  {u"DATE_ACTUAL"_s, u"Актуальна"_s}});
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), u"Лицевой счёт"_s);
    QCOMPARE(model.data(model.index(0, 0)).toString(), u"A1"_s);
    QCOMPARE(model.data(model.index(0, 1)).toString(), u"09.05.2023"_s);
    QCOMPARE(model.data(model.index(1, 1)).toString(), QString());
    QVERIFY(!model.data(model.index(0, 2)).isValid()); // a check box has no text
    QCOMPARE(model.data(model.index(0, 2), Qt::CheckStateRole), QVariant(Qt::Checked));
    QCOMPARE(model.data(model.index(1, 2), Qt::CheckStateRole), QVariant(Qt::Unchecked));
    QCOMPARE(model.data(model.index(2, 2), Qt::CheckStateRole), QVariant(Qt::Unchecked)); // NULL
    const QString stamp = ds->valueAt(0, u"DATE_ACTUAL"_s).toDateTime().toString(u"dd.MM.yyyy HH:mm:ss"_s);
    QCOMPARE(model.data(model.index(0, 3)).toString(), stamp);
    QVERIFY(QRegularExpression(u"^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d$"_s).match(stamp).hasMatch());

    Dataset land(*m_session, u"land"_s);
    land.setSelectSql(u"select VSEGO, VODO, SADY from ZEM where ID_CATAL = :CARD"_s);
    land.setParam(u"CARD"_s, m_card);
    land.open();
    DatasetTableModel areas(land, {{u"VSEGO"_s, u"Всего"_s}, {u"VODO"_s, u"Вода"_s}, {u"SADY"_s, u"Сады"_s}});
    QCOMPARE(areas.data(areas.index(0, 0)).toString(), u"1234567.8912"_s);
    QCOMPARE(areas.data(areas.index(0, 1)).toString(), u"0.3"_s);
    QCOMPARE(areas.data(areas.index(0, 2)).toString(), QString());
    QCOMPARE(areas.data(areas.index(0, 0), Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    QVERIFY(!(areas.flags(areas.index(0, 0)) & Qt::ItemIsEditable)); // read-only dataset
}

void TestDatasetWidgets::modelFollowsTheDataset()
{
    auto ds = cards();
    DatasetTableModel model(*ds, {{u"LS"_s, u"ЛС"_s}, {u"HOUSE"_s, u"Дом"_s}});
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    ds->append();
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(inserted.count(), 1);
    ds->setValue(u"LS"_s, u"A4"_s);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toModelIndex().row(), 3);
    QCOMPARE(model.data(model.index(3, 0)).toString(), u"A4"_s);
    ds->cancel();
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(removed.count(), 1);

    ds->setParam(u"KATO_ID"_s, 0);
    ds->open();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rowCount(), 0);
}

void TestDatasetWidgets::modelEditsThroughTheDataset()
{
    auto ds = cards();
    Errors errors;
    DatasetTableModel model(*ds, {{u"LS"_s, u"ЛС"_s}, {u"IS_DELETED"_s, u"Удалена"_s, true}});
    model.setErrorHandler(errors.handler());
    QVERIFY(model.flags(model.index(1, 0)) & Qt::ItemIsEditable);
    QVERIFY(model.flags(model.index(1, 1)) & Qt::ItemIsUserCheckable);

    QVERIFY(model.setData(model.index(1, 0), u"A2"_s)); // unchanged text starts nothing
    QCOMPARE(ds->state(), DatasetState::Browse);

    QVERIFY(model.setData(model.index(1, 0), u"Z2"_s));
    QCOMPARE(ds->recNo(), 1);
    QCOMPARE(ds->state(), DatasetState::Edit);
    QCOMPARE(ds->value(u"LS"_s), QVariant(u"Z2"_s));
    QVERIFY(model.setData(model.index(1, 1), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(ds->value(u"IS_DELETED"_s), QVariant(1));

    QVERIFY(model.setData(model.index(2, 0), u"Z3"_s)); // moving to row 2 posts row 1
    QCOMPARE(scalar(db(), u"select IS_DELETED from KPU_CATAL where LS = 'Z2'"_s), QVariant(1));
    QCOMPARE(ds->recNo(), 2);
    QVERIFY(errors.texts.isEmpty());

    auto readOnly = cards(false);
    DatasetTableModel shown(*readOnly, {{u"LS"_s, u"ЛС"_s}});
    shown.setErrorHandler(errors.handler());
    QVERIFY(!(shown.flags(shown.index(0, 0)) & Qt::ItemIsEditable));
    QVERIFY(!shown.setData(shown.index(0, 0), u"X"_s));
    QCOMPARE(errors.texts, QStringList{u"Cannot modify a read-only dataset"_s});
}

void TestDatasetWidgets::viewAndDatasetShareTheCurrentRow()
{
    auto ds = cards();
    Errors errors;
    DatasetTableModel model(*ds, {{u"LS"_s, u"ЛС"_s}});
    model.setErrorHandler(errors.handler());
    QTableView view;
    model.attach(&view);
    QCOMPARE(view.currentIndex().row(), 0);

    ds->moveTo(2);
    QCOMPARE(view.currentIndex().row(), 2);
    view.setCurrentIndex(model.index(1, 0));
    QCOMPARE(ds->recNo(), 1);

    ds->refresh(); // a reread keeps the view on the dataset's row
    QCOMPARE(view.currentIndex().row(), 1);

    // A move the dataset refuses leaves the view where the dataset stays.
    ds->beforePost = [](Dataset &) { throw Abort(); };
    ds->edit();
    ds->setValue(u"LS"_s, u"Q"_s);
    view.setCurrentIndex(model.index(0, 0));
    QCOMPARE(ds->recNo(), 1);
    QCOMPARE(view.currentIndex().row(), 1);
    QVERIFY(errors.texts.isEmpty()); // an Abort is not reported again
}

void TestDatasetWidgets::viewScrollsToTheDatasetsRow()
{
    auto ds = cards();
    DatasetTableModel model(*ds, {{u"LS"_s, u"ЛС"_s}});
    QTableView view;
    view.horizontalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(40);
    view.resize(200, 60); // room for about one row of three
    model.attach(&view);
    auto rowShown = [&](int row) {
        return view.viewport()->rect().contains(view.visualRect(model.index(row, 0)).center());
    };

    ds->moveTo(2); // while hidden: the view scrolls once it is shown
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(rowShown(2));
    QVERIFY(!rowShown(0));

    ds->first(); // while shown: at once
    QVERIFY(rowShown(0));
    ds->moveTo(2);
    QVERIFY(rowShown(2));
    ds->open(); // reopened, on its first row
    QVERIFY(rowShown(0));
}

void TestDatasetWidgets::typingStartsEditingAndPostKeepsTheText()
{
    auto ds = cards();
    Errors errors;
    QWidget form;
    auto *house = new QLineEdit(&form);
    FieldBinding binding(*ds, errors.handler());
    binding.bindLineEdit(house, u"HOUSE"_s);
    QCOMPARE(house->text(), u"1"_s);

    QTest::keyClicks(house, u"2"_s);
    QCOMPARE(ds->state(), DatasetState::Edit);
    QCOMPARE(house->text(), u"12"_s);
    ds->post(); // a save by shortcut: the text is written first
    QCOMPARE(ds->state(), DatasetState::Browse);
    QCOMPARE(scalar(db(), u"select HOUSE from KPU_CATAL where ID = ?"_s, {m_card}), QVariant(u"12"_s));

    ds->next();
    QCOMPARE(house->text(), u"2"_s); // shown again after a scroll
    QTest::keyClicks(house, u"x"_s);
    QTest::keyClick(house, Qt::Key_Return);
    QCOMPARE(ds->value(u"HOUSE"_s), QVariant(u"2x"_s));
    ds->cancel();
    QCOMPARE(house->text(), u"2"_s);
    QVERIFY(errors.texts.isEmpty());
}

void TestDatasetWidgets::invalidNumberGoesToTheHandler()
{
    Dataset land(*m_session, u"land"_s);
    land.setSelectSql(u"select ID, VSEGO from ZEM where ID_CATAL = :CARD"_s);
    land.setParam(u"CARD"_s, m_card);
    land.setStatements(StatementSet{{}, u"update ZEM set VSEGO = :VSEGO where ID = :OLD_ID"_s, {}, {}});
    land.open();
    Errors errors;
    QLineEdit total;
    FieldBinding binding(land, errors.handler());
    binding.bindLineEdit(&total, u"VSEGO"_s);
    QCOMPARE(total.text(), u"1234567.8912"_s);

    total.clear();
    QTest::keyClicks(&total, u"abc"_s);
    QTest::keyClick(&total, Qt::Key_Return);
    QCOMPARE(errors.texts, QStringList{u"'abc' is not a valid floating point value"_s});
    QCOMPARE(land.value(u"VSEGO"_s), QVariant::fromValue(*Decimal::parse(u"1234567.8912", 4)));
    QCOMPARE(total.text(), u"abc"_s); // kept for mending

    // A post with the text still invalid is refused with the same error.
    try {
        land.post();
        QFAIL("invalid input was posted");
    } catch (const DatasetError &e) {
        QCOMPARE(QString::fromUtf8(e.what()), u"'abc' is not a valid floating point value"_s);
    }

    total.setSelection(0, 3);
    QTest::keyClicks(&total, u"2,5"_s);
    QTest::keyClick(&total, Qt::Key_Return);
    QCOMPARE(total.text(), u"2.5000"_s); // in the field's own form
    land.post();
    QCOMPARE(scalar(db(), u"select cast(VSEGO as varchar(30)) from ZEM where ID_CATAL = ?"_s, {m_card}),
             QVariant(u"2.5000"_s));
}

void TestDatasetWidgets::typingIntoAReadOnlyDatasetReportsCannotModify()
{
    auto ds = cards(false);
    Errors errors;
    QLineEdit house;
    QCheckBox deleted;
    FieldBinding binding(*ds, errors.handler());
    binding.bindLineEdit(&house, u"HOUSE"_s);
    binding.bindCheckBox(&deleted, u"IS_DELETED"_s);

    QTest::keyClicks(&house, u"9"_s);
    QCOMPARE(errors.texts, QStringList{u"Cannot modify a read-only dataset"_s});
    QCOMPARE(house.text(), u"1"_s);
    QCOMPARE(ds->state(), DatasetState::Browse);

    QVERIFY(deleted.isChecked());
    deleted.click();
    QCOMPARE(errors.texts.size(), 2);
    QCOMPARE(errors.texts.last(), u"Cannot modify a read-only dataset"_s);
    QVERIFY(deleted.isChecked());
}

void TestDatasetWidgets::typingIntoAnEmptyDatasetDoesNothing()
{
    auto ds = cards();
    ds->setParam(u"KATO_ID"_s, 0);
    ds->open();
    QVERIFY(ds->isEmpty());
    Errors errors;
    QLineEdit house;
    FieldBinding binding(*ds, errors.handler());
    binding.bindLineEdit(&house, u"HOUSE"_s);

    QTest::keyClicks(&house, u"5"_s);
    QCOMPARE(ds->state(), DatasetState::Browse);
    QCOMPARE(house.text(), QString());
    QVERIFY(errors.texts.isEmpty());
}

void TestDatasetWidgets::checkBoxLookupAndDates()
{
    Dataset sexes(*m_session, u"sexes"_s);
    sexes.setSelectSql(u"select ID, NAME_RUS from KPU_SPR_SPP order by ID"_s);
    sexes.open();
    Dataset members(*m_session, u"members"_s);
    members.setSelectSql(u"select ID, POL_SPP_ID, DATE_R, IS_TEMP from KPU_SRN where ID_KPU_CATAL = :CARD"_s);
    members.setParam(u"CARD"_s, m_card);
    members.setStatements(StatementSet{
        u"insert into KPU_SRN (ID_KPU_CATAL, POL_SPP_ID, DATE_R, IS_TEMP) values (:CARD, :POL_SPP_ID, :DATE_R,"
        " :IS_TEMP) returning ID"_s,
        u"update KPU_SRN set POL_SPP_ID = :POL_SPP_ID, DATE_R = :DATE_R, IS_TEMP = :IS_TEMP where ID = :OLD_ID"_s,
        u"delete from KPU_SRN where ID = :OLD_ID"_s,
        u"select ID, POL_SPP_ID, DATE_R, IS_TEMP from KPU_SRN where ID = :ID"_s,
    });
    members.open();
    members.append();

    Errors errors;
    QComboBox sex;
    QCheckBox temporary;
    QLineEdit born;
    QDateEdit bornToo;
    FieldBinding binding(members, errors.handler());
    binding.bindLookup(&sex, u"POL_SPP_ID"_s, sexes, u"ID"_s, u"NAME_RUS"_s);
    binding.bindCheckBox(&temporary, u"IS_TEMP"_s);
    binding.bindLineEdit(&born, u"DATE_R"_s);
    binding.bindDateEdit(&bornToo, u"DATE_R"_s);
    QCOMPARE(sex.count(), 2);
    QCOMPARE(sex.currentIndex(), -1);
    QVERIFY(!temporary.isChecked());
    QCOMPARE(bornToo.date(), bornToo.minimumDate()); // no date

    sex.setFocus();
    sex.setCurrentIndex(1);
    emit sex.activated(1); // as a choice of the user
    QCOMPARE(members.value(u"POL_SPP_ID"_s), QVariant(2));
    temporary.click();
    QCOMPARE(members.value(u"IS_TEMP"_s), QVariant(1));
    QTest::keyClicks(&born, u"01.02.2020"_s);
    QTest::keyClick(&born, Qt::Key_Return);
    QCOMPARE(members.value(u"DATE_R"_s), QVariant(QDate(2020, 2, 1)));
    QCOMPARE(bornToo.date(), QDate(2020, 2, 1));
    members.post();
    QVERIFY(errors.texts.isEmpty());
    QCOMPARE(scalar(db(), u"select POL_SPP_ID from KPU_SRN where ID = ?"_s, {members.value(u"ID"_s)}), QVariant(2));

    // A date edit set back to its minimum clears the date; the line edit follows.
    bornToo.setDate(bornToo.minimumDate());
    QCOMPARE(members.state(), DatasetState::Edit);
    emit bornToo.editingFinished();
    QVERIFY(members.isNull(u"DATE_R"_s));
    QCOMPARE(born.text(), QString());
    temporary.click();
    QCOMPARE(members.value(u"IS_TEMP"_s), QVariant(0));
    members.post();
    QVERIFY(scalar(db(), u"select DATE_R from KPU_SRN where ID = ?"_s, {members.value(u"ID"_s)}).isNull());
}

QTEST_MAIN(TestDatasetWidgets)
#include "tst_datasetwidgets.moc"
