#include "app/Catalog.h"
#include "app/InputFilters.h"
#include "db/Dataset.h"
#include "db/DbSession.h"
#include "db/FieldBinding.h"
#include "support/ScriptedPromptPort.h"
#include "support/TestDatabase.h"
#include "support/TestSql.h"

#include <QClipboard>
#include <QDateEdit>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using namespace Qt::StringLiterals;
using Keys = InputFilter::Keys;
using TestSql::scalar;

namespace {

constexpr int Kato = 777001;

// One key press per character: QTest::keyClicks aborts on text beyond Latin-1.
void type(QWidget *widget, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

// A shown, active window with the field under test and a field to leave to,
// since a focus-out reaches a widget only in the active window.
struct Form
{
    QWidget window;
    QVBoxLayout *layout = new QVBoxLayout(&window);
    QLineEdit *next = nullptr; // made last, so Tab reaches it from the last field

    template<typename W>
    W *add(W *widget)
    {
        layout->addWidget(widget);
        return widget;
    }
    bool show()
    {
        next = new QLineEdit(&window);
        layout->addWidget(next);
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
};

// The user leaves the focused field by clicking into another one; the check
// runs once the focus has moved. (Tab would walk a date edit's sections first.)
void leaveFor(QWidget *target)
{
    QTest::mouseClick(target, Qt::LeftButton);
    QCoreApplication::processEvents();
}

QString a19()
{
    return catalog(u"a19"_s);
}

// One stored card in settlement Kato, read and written through `cards` with
// the given columns besides ID (the statements update them by the old ID).
void openOneCard(DbSession &session, Dataset &cards, const QStringList &columns)
{
    {
        Operation op(session);
        scalar(session.database(),
               u"insert into KPU_CATAL (LS, STREET, HOUSE, KATO_ID) values ('1', 'A', '1', ?) returning ID"_s, {Kato});
        op.commit();
    }
    const QString list = u"ID, "_s + columns.join(u", "_s);
    QStringList assignments;
    for (const QString &c : columns)
        assignments << c + u" = :"_s + c;
    cards.setSelectSql(u"select %1 from KPU_CATAL where KATO_ID = :KATO_ID"_s.arg(list));
    cards.setParam(u"KATO_ID"_s, Kato);
    cards.setStatements(StatementSet{
        {},
        u"update KPU_CATAL set %1 where ID = :OLD_ID"_s.arg(assignments.join(u", "_s)),
        {},
        u"select %1 from KPU_CATAL where ID = :ID"_s.arg(list),
    });
    cards.open();
}

} // namespace

class TestInputFilters : public QObject
{
    Q_OBJECT

private slots:
    void textRules_data();
    void textRules();
    void caretStaysWhereItStood();
    void pastedTextGoesThroughTheTextRules();
    void longerStoredValueIsNotCutWhenEdited();
    void keyRules_data();
    void keyRules();
    void keysThatInsertNothingPass();
    void composedTextFollowsTheKeyRules();
    void messageKeysNeedAPort();
    void attachingAgainReplacesTheRules();

    void yearCheck_data();
    void yearCheck();
    void twoWrongDatesDoNotTradeTheFocus();
    void popupsAndOtherWindowsAreNotLeaving();
    void yearCheckRefusesOtherWidgets();

    void boundFieldReceivesTheFilteredText_data();
    void boundFieldReceivesTheFilteredText();
    void boundDateEditIsChecked();
};

void TestInputFilters::textRules_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("digitsOnly");
    QTest::addColumn<bool>("upperCase");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("expected");

    QTest::newRow("street: ampersand after A, brackets around C") << u"A&B<C>"_s << false << true << 0 << u"ABC"_s;
    QTest::newRow("forbidden characters go without other options") << u"a&b<c>d"_s << false << false << 0
                                                                    << u"abcd"_s;
    QTest::newRow("other punctuation stays") << u"д.5/1, кв (2)"_s << false << false << 0 << u"д.5/1, кв (2)"_s;
    QTest::newRow("Cyrillic upper-cased") << u"ул. абая"_s << false << true << 0 << u"УЛ. АБАЯ"_s;
    QTest::newRow("Kazakh letters upper-cased") << u"әқөүұ"_s << false << true << 0 << u"ӘҚӨҮҰ"_s;
    QTest::newRow("e-mail upper-cased") << u"a.b@mail.kz"_s << false << true << 0 << u"A.B@MAIL.KZ"_s;
    QTest::newRow("digits only: Latin letters go") << u"1a2B3"_s << true << false << 0 << u"123"_s;
    QTest::newRow("digits only: Cyrillic letters go") << u"ж4ы5"_s << true << false << 0 << u"45"_s;
    QTest::newRow("digits only: signs, blanks and dots go") << u"-1 2.3,4+"_s << true << false << 0 << u"1234"_s;
    QTest::newRow("digits only: forbidden characters go too") << u"1&2<3>"_s << true << false << 0 << u"123"_s;
    QTest::newRow("digits only: nothing kept") << u"abc"_s << true << false << 0 << QString();
    QTest::newRow("IIN stops at 12") << u"1234567890123"_s << false << false << 12 << u"123456789012"_s;
    QTest::newRow("house code stops at 16") << u"12345678901234567"_s << true << false << 16
                                            << u"1234567890123456"_s;
    QTest::newRow("dropped characters do not count") << u"1a2&3b4"_s << true << false << 4 << u"1234"_s;
    QTest::newRow("upper case within the limit") << u"abcd"_s << false << true << 3 << u"ABC"_s;
}

void TestInputFilters::textRules()
{
    QFETCH(QString, typed);
    QFETCH(bool, digitsOnly);
    QFETCH(bool, upperCase);
    QFETCH(int, maxLength);
    QFETCH(QString, expected);

    QLineEdit edit;
    InputFilter::attach(&edit, {.digitsOnly = digitsOnly, .upperCase = upperCase, .maxLength = maxLength});
    type(&edit, typed);
    QCOMPARE(edit.text(), expected);
    QCOMPARE(edit.cursorPosition(), expected.size());
}

void TestInputFilters::caretStaysWhereItStood()
{
    QLineEdit edit;
    InputFilter::attach(&edit, {.upperCase = true});
    type(&edit, u"ac"_s);
    edit.setCursorPosition(1);
    type(&edit, u"&"_s);
    QCOMPARE(edit.text(), u"AC"_s);
    QCOMPARE(edit.cursorPosition(), 1);
    type(&edit, u"b"_s);
    QCOMPARE(edit.text(), u"ABC"_s);
    QCOMPARE(edit.cursorPosition(), 2);

    QLineEdit digits;
    InputFilter::attach(&digits, {.digitsOnly = true, .maxLength = 6});
    type(&digits, u"1234"_s);
    digits.setCursorPosition(2);
    digits.insert(u"a&5x6<7"_s); // as a paste: cut to fit after cleaning, the caret after the kept part
    QCOMPARE(digits.text(), u"125634"_s);
    QCOMPARE(digits.cursorPosition(), 4);
}

void TestInputFilters::pastedTextGoesThroughTheTextRules()
{
    QLineEdit ls;
    InputFilter::attach(&ls, {.upperCase = true, .keys = Keys::Digits});
    QGuiApplication::clipboard()->setText(u"12ab\t&<3>"_s);
    if (QGuiApplication::clipboard()->text() != u"12ab\t&<3>"_s)
        QSKIP("no clipboard on this platform");
    QTest::keyClick(&ls, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(ls.text(), u"12AB3"_s); // the key rule stops typed letters only

    ScriptedPromptPort port;
    QLineEdit count;
    InputFilter::attach(&count, {.digitsOnly = true, .keys = Keys::Phone}, &port);
    QTest::keyClick(&count, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(count.text(), u"123"_s);
    QVERIFY(port.messages().isEmpty());
}

void TestInputFilters::longerStoredValueIsNotCutWhenEdited()
{
    QLineEdit iin;
    iin.setText(u"123456789012345678"_s); // as stored before the limit
    InputFilter::attach(&iin, {.maxLength = 12});
    iin.setText(u"12345678901234567"_s); // shown by the program: kept
    QCOMPARE(iin.text().size(), 17);
    iin.setCursorPosition(17);
    QTest::keyClick(&iin, Qt::Key_Backspace);
    QCOMPARE(iin.text(), u"1234567890123456"_s); // deleting shortens by what was deleted only
    type(&iin, u"9"_s);
    QCOMPARE(iin.text(), u"1234567890123456"_s); // adding to it is cut
}

void TestInputFilters::keyRules_data()
{
    QTest::addColumn<int>("keys");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message");

    const QString unknown = u"Ошибка не понятные буквы, иероглифы и т.д."_s;
    const QString unknownIin = u"Ошибка не понятные буквы, иероглифы и т.д., дубли по коду ИИН не допускаются."_s;
    const int digits = int(Keys::Digits);
    const int phone = int(Keys::Phone);
    const int iin = int(Keys::Iin);

    QTest::newRow("LS: digit") << digits << u"7"_s << true << QString();
    QTest::newRow("LS: Latin letter swallowed silently") << digits << u"a"_s << false << QString();
    QTest::newRow("LS: Cyrillic letter swallowed silently") << digits << u"ж"_s << false << QString();
    QTest::newRow("LS: minus swallowed silently") << digits << u"-"_s << false << QString();
    QTest::newRow("greenhouse count: comma swallowed silently") << digits << u","_s << false << QString();
    QTest::newRow("greenhouse count: blank swallowed silently") << digits << u" "_s << false << QString();
    for (const QString &c : {u"0"_s, u"9"_s, u"("_s, u")"_s, u"+"_s, u"-"_s, u"."_s})
        QTest::addRow("AR: %s", qPrintable(c)) << phone << c << true << QString();
    QTest::newRow("AR: Latin letter refused") << phone << u"a"_s << false << unknown;
    QTest::newRow("AP: Cyrillic letter refused") << phone << u"я"_s << false << unknown;
    QTest::newRow("PHONE: blank refused") << phone << u" "_s << false << unknown;
    QTest::newRow("PHONE: slash refused") << phone << u"/"_s << false << unknown;
    QTest::newRow("IIN: digit") << iin << u"1"_s << true << QString();
    QTest::newRow("IIN: dot") << iin << u"."_s << true << QString();
    QTest::newRow("IIN: Latin letter refused") << iin << u"x"_s << false << unknownIin;
    QTest::newRow("IIN: Chinese character refused") << iin << u"中"_s << false << unknownIin;
    QTest::newRow("IIN: plus refused") << iin << u"+"_s << false << unknownIin;
}

void TestInputFilters::keyRules()
{
    QFETCH(int, keys);
    QFETCH(QString, key);
    QFETCH(bool, accepted);
    QFETCH(QString, message);

    ScriptedPromptPort port;
    QLineEdit edit;
    InputFilter::attach(&edit, {.keys = Keys(keys)}, &port);
    type(&edit, u"1"_s);
    type(&edit, key);
    QCOMPARE(edit.text(), accepted ? u"1"_s + key : u"1"_s);
    QCOMPARE(port.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        const PromptPort::Message shown = port.lastMessage();
        QCOMPARE(shown.title, PromptPort::programTitle());
        QCOMPARE(shown.icon, PromptPort::Icon::None);
        QCOMPARE(shown.buttons, PromptPort::Buttons(PromptPort::Button::Ok));
    }
}

void TestInputFilters::keysThatInsertNothingPass()
{
    ScriptedPromptPort port;
    QLineEdit edit;
    InputFilter::attach(&edit, {.keys = Keys::Phone}, &port);
    type(&edit, u"12345"_s);

    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), u"1234"_s);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.text(), u"234"_s);
    QTest::keyClick(&edit, Qt::Key_Right);
    type(&edit, u"-"_s);
    QCOMPARE(edit.text(), u"2-34"_s);
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(edit.selectedText(), u"4"_s);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit.selectedText(), u"2-34"_s);
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit.text(), u"234"_s); // undo
    QSignalSpy entered(&edit, &QLineEdit::returnPressed);
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(entered.count(), 1);
    QVERIFY(port.messages().isEmpty());

    Form form;
    auto *phone = form.add(new QLineEdit);
    InputFilter::attach(phone, {.keys = Keys::Phone}, &port);
    QVERIFY(form.show());
    phone->setFocus();
    QVERIFY(phone->hasFocus());
    QTest::keyClick(phone, Qt::Key_Tab);
    QVERIFY(form.next->hasFocus());
    QVERIFY(port.messages().isEmpty());
}

void TestInputFilters::composedTextFollowsTheKeyRules()
{
    ScriptedPromptPort port;
    QLineEdit edit;
    InputFilter::attach(&edit, {.keys = Keys::Iin}, &port);
    QInputMethodEvent digits(QString(), {});
    digits.setCommitString(u"12"_s);
    QApplication::sendEvent(&edit, &digits);
    QCOMPARE(edit.text(), u"12"_s);
    QInputMethodEvent hieroglyph(QString(), {});
    hieroglyph.setCommitString(u"字"_s);
    QApplication::sendEvent(&edit, &hieroglyph);
    QCOMPARE(edit.text(), u"12"_s);
    QCOMPARE(port.texts(), QStringList{InputFilter::unknownIinCharactersText()});
}

void TestInputFilters::messageKeysNeedAPort()
{
    QLineEdit edit;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, InputFilter::attach(&edit, {.keys = Keys::Phone}));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, InputFilter::attach(&edit, {.keys = Keys::Iin}));
    QVERIFY(InputFilter::attach(&edit, {.keys = Keys::Digits})); // silent: no port needed
}

void TestInputFilters::attachingAgainReplacesTheRules()
{
    QLineEdit edit;
    InputFilter::attach(&edit, {.digitsOnly = true});
    InputFilter *filter = InputFilter::attach(&edit, {.upperCase = true});
    QCOMPARE(edit.findChildren<InputFilter *>().size(), 1);
    QVERIFY(filter->options().upperCase);
    type(&edit, u"a1&"_s);
    QCOMPARE(edit.text(), u"A1"_s);
}

void TestInputFilters::yearCheck_data()
{
    QTest::addColumn<bool>("dateEdit");
    QTest::addColumn<QString>("date"); // dd.MM.yyyy; empty: no date
    QTest::addColumn<bool>("refused");

    for (bool dateEdit : {false, true}) {
        const char *kind = dateEdit ? "date edit" : "line edit";
        QTest::addRow("%s: 01.01.1889 refused", kind) << dateEdit << u"01.01.1889"_s << true;
        QTest::addRow("%s: 01.01.1890 passes", kind) << dateEdit << u"01.01.1890"_s << false;
        QTest::addRow("%s: 31.12.2050 passes", kind) << dateEdit << u"31.12.2050"_s << false;
        QTest::addRow("%s: 01.01.2051 refused", kind) << dateEdit << u"01.01.2051"_s << true;
        QTest::addRow("%s: 15.06.2024 passes", kind) << dateEdit << u"15.06.2024"_s << false;
        QTest::addRow("%s: empty passes", kind) << dateEdit << QString() << false;
    }
    QTest::newRow("line edit: blanks pass as empty") << false << u"  "_s << false;
    QTest::newRow("line edit: two-digit year refused") << false << u"01.01.89"_s << true;
}

void TestInputFilters::yearCheck()
{
    QFETCH(bool, dateEdit);
    QFETCH(QString, date);
    QFETCH(bool, refused);

    ScriptedPromptPort port;
    Form form;
    QWidget *field = nullptr;
    if (dateEdit) {
        auto *edit = form.add(new QDateEdit);
        edit->setDisplayFormat(u"dd.MM.yyyy"_s); // as FieldBinding::bindDateEdit sets it up
        edit->setSpecialValueText(u" "_s);
        edit->setDate(date.isEmpty() ? edit->minimumDate() : QDate::fromString(date, u"dd.MM.yyyy"_s));
        QCOMPARE(edit->text(), date.isEmpty() ? u" "_s : date);
        field = edit;
    } else {
        auto *edit = form.add(new QLineEdit);
        edit->setText(date);
        field = edit;
    }
    YearCheck::attach(field, port);
    QVERIFY(form.show());
    field->setFocus();
    QVERIFY(field->hasFocus());

    leaveFor(form.next);
    if (refused) {
        QCOMPARE(port.texts(), QStringList{a19()});
        QCOMPARE(port.lastMessage().title, PromptPort::programTitle());
        QVERIFY(field->hasFocus());
    } else {
        QCOMPARE(port.texts(), QStringList());
        QVERIFY(form.next->hasFocus());
    }
    QCOMPARE(YearCheck::accepts(field), !refused);
}

void TestInputFilters::twoWrongDatesDoNotTradeTheFocus()
{
    ScriptedPromptPort port;
    Form form;
    auto *first = form.add(new QLineEdit(u"01.01.1700"_s));
    auto *second = form.add(new QLineEdit(u"01.01.3000"_s));
    YearCheck::attach(first, port);
    YearCheck::attach(second, port);
    QVERIFY(form.show());
    first->setFocus();

    leaveFor(second);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QCOMPARE(port.texts(), QStringList{a19()});
    QVERIFY(first->hasFocus());

    first->setText(u"01.01.1999"_s); // mended: leaving it now checks nothing more about it
    leaveFor(second);
    QVERIFY(second->hasFocus());
    QCOMPARE(port.texts().size(), 1);
}

void TestInputFilters::popupsAndOtherWindowsAreNotLeaving()
{
    ScriptedPromptPort port;
    QLineEdit field(u"01.01.1000"_s);
    field.show();
    YearCheck *check = YearCheck::attach(&field, port);
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(&field, &out);
    }
    QCoreApplication::processEvents();
    QVERIFY(port.messages().isEmpty());

    QVERIFY(!check->check()); // the same check, run on demand
    QCOMPARE(port.texts(), QStringList{a19()});
}

void TestInputFilters::yearCheckRefusesOtherWidgets()
{
    ScriptedPromptPort port;
    QWidget plain;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, YearCheck::attach(&plain, port));
}

// Through a real dataset: what the binding writes is what the filter left.
void TestInputFilters::boundFieldReceivesTheFilteredText_data()
{
    QTest::addColumn<bool>("filterFirst");
    QTest::newRow("filter attached before binding") << true;
    QTest::newRow("filter attached after binding") << false;
}

void TestInputFilters::boundFieldReceivesTheFilteredText()
{
    QFETCH(bool, filterFirst);

    TestDatabase tdb(u"filters"_s);
    QVERIFY2(tdb.isOpen(), qPrintable(tdb.errorString()));
    DbSession session(u"filters"_s);
    Dataset cards(session, u"cards"_s);
    openOneCard(session, cards, {u"LS"_s, u"STREET"_s});

    QStringList errors;
    QLineEdit street;
    QLineEdit ls;
    FieldBinding binding(cards, [&](const std::exception &e) { errors << QString::fromUtf8(e.what()); });
    if (filterFirst) {
        InputFilter::attach(&street, {.upperCase = true});
        InputFilter::attach(&ls, {.upperCase = true, .keys = Keys::Digits});
    }
    binding.bindLineEdit(&street, u"STREET"_s);
    binding.bindLineEdit(&ls, u"LS"_s);
    if (!filterFirst) {
        InputFilter::attach(&street, {.upperCase = true});
        InputFilter::attach(&ls, {.upperCase = true, .keys = Keys::Digits});
    }

    street.clear();
    type(&street, u"a&b<c>"_s);
    QCOMPARE(cards.state(), DatasetState::Edit);
    QCOMPARE(street.text(), u"ABC"_s);
    type(&ls, u"2x3"_s);
    QCOMPARE(ls.text(), u"123"_s);
    cards.post();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    QCOMPARE(scalar(session.database(), u"select STREET from KPU_CATAL where KATO_ID = ?"_s, {Kato}),
             QVariant(u"ABC"_s));
    QCOMPARE(scalar(session.database(), u"select LS from KPU_CATAL where KATO_ID = ?"_s, {Kato}),
             QVariant(u"123"_s));
}

void TestInputFilters::boundDateEditIsChecked()
{
    TestDatabase tdb(u"dates"_s);
    QVERIFY2(tdb.isOpen(), qPrintable(tdb.errorString()));
    DbSession session(u"dates"_s);
    Dataset cards(session, u"cards"_s);
    openOneCard(session, cards, {u"DATE_DELETED"_s});

    ScriptedPromptPort port;
    Form form;
    auto *deleted = form.add(new QDateEdit);
    auto *typedDate = form.add(new QLineEdit);
    FieldBinding binding(cards, [](const std::exception &e) { QFAIL(e.what()); });
    binding.bindDateEdit(deleted, u"DATE_DELETED"_s);
    binding.bindLineEdit(typedDate, u"DATE_DELETED"_s);
    YearCheck::attach(deleted, port);
    YearCheck::attach(typedDate, port);
    QVERIFY(form.show());

    deleted->setFocus(); // the empty date the binding shows passes
    leaveFor(typedDate);
    QVERIFY(typedDate->hasFocus());
    QVERIFY(port.messages().isEmpty());

    type(typedDate, u"01.01.1889"_s);
    leaveFor(form.next);
    QCOMPARE(port.texts(), QStringList{a19()});
    QVERIFY(typedDate->hasFocus());
    QCOMPARE(typedDate->text(), u"01.01.1889"_s); // kept for the user to mend
    QCOMPARE(deleted->date(), QDate(1889, 1, 1));  // the binding wrote it; the check only speaks

    typedDate->selectAll();
    type(typedDate, u"02.01.1890"_s);
    leaveFor(form.next);
    QCOMPARE(port.texts().size(), 1);
    QVERIFY(form.next->hasFocus());
    cards.post();
    QCOMPARE(scalar(session.database(), u"select DATE_DELETED from KPU_CATAL where KATO_ID = ?"_s, {Kato}),
             QVariant(QDate(1890, 1, 2)));

    deleted->setFocus();
    deleted->setDate(QDate(2051, 1, 1)); // as committed by the user's typing
    leaveFor(form.next);
    QCOMPARE(port.texts(), (QStringList{a19(), a19()}));
    QVERIFY(deleted->hasFocus());
}

QTEST_MAIN(TestInputFilters)
#include "tst_inputfilters.moc"
