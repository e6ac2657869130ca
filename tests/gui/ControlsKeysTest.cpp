#include <QCalendarWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "ControlsTestForm.h"
#include "ShellModalWatcher.h"
#include "controls/TComboBoxOrvo.h"
#include "controls/TDBEditOrvo.h"
#include "controls/TEditOrvo.h"
#include "controls/TPelzarDateEdit.h"
#include "controls/TVEdit.h"
#include "platform/Date.h"
#include "platform/RegionalSettings.h"

using namespace tarvela;
using tarvela::test::ControlsTestForm;
using tarvela::test::ShellModalWatcher;

namespace {

// Regional settings with a decimal comma, as on a Czech desktop.
struct DecimalCommaScope {
    DecimalCommaScope() { setDecimalSeparator(','); }
    ~DecimalCommaScope() { setDecimalSeparator(previous); }
    char previous = decimalSeparator();
};

} // namespace

TEST(ControlsEnter, MovesFocusToNextControl)
{
    ControlsTestForm form;
    auto* first = form.add<TEditOrvo>();
    auto* combo = form.add<TComboBoxOrvo>();
    auto* last = form.add<TVEdit>();
    ASSERT_TRUE(form.showActive());
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_TRUE(combo->hasFocus());
    QTest::keyClick(combo, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(last->hasFocus());
    EXPECT_TRUE(form.isVisible());
}

TEST(ControlsEnter, OffLetsTheWindowHaveEnter)
{
    ControlsTestForm form;
    auto* first = form.add<TEditOrvo>();
    auto* next = form.add<TVEdit>();
    first->setEnterIsTab(false);
    ASSERT_TRUE(form.showActive());
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_FALSE(next->hasFocus());
}

TEST(ControlsEnter, ReachesTheDefaultButtonOnlyFromALookupEditThatWasLeft)
{
    ControlsTestForm form;
    auto* lookup = form.add<TEditOrvo>();
    auto* date = form.add<TVEdit>();
    auto* plain = form.add<TVEdit>();
    auto* ok = form.add<QPushButton>();
    ok->setDefault(true);
    date->setEditType(EditType::ttDate);
    QSignalSpy pressed(ok, &QPushButton::clicked);
    ASSERT_TRUE(form.showActive());
    lookup->setFocus();
    QTest::keyClick(lookup, Qt::Key_Return);
    EXPECT_TRUE(date->hasFocus());
    EXPECT_EQ(pressed.count(), 1) << "Enter in the lookup edit is also the window's dialog key";
    QTest::keyClick(date, Qt::Key_Return);
    EXPECT_EQ(pressed.count(), 1) << "a plain validating edit keeps Enter to itself";

    ShellModalWatcher watcher;
    lookup->setEditType(EditType::ttDate);
    lookup->setFocus();
    QTest::keyClicks(lookup, "31.2.2026");
    QTest::keyClick(lookup, Qt::Key_Return);
    EXPECT_EQ(watcher.messages, QStringList {" Chybný formát dat "});
    EXPECT_EQ(pressed.count(), 1) << "a refused value does not press the default button";
    EXPECT_TRUE(QTest::qWaitFor([&] { return lookup->hasFocus(); }, 1000));
    EXPECT_FALSE(plain->hasFocus());
}

TEST(ControlsEnter, PressesTheFocusedButton)
{
    ControlsTestForm form;
    auto* edit = form.add<TEditOrvo>();
    auto* write = form.add<QPushButton>();
    write->setAutoDefault(false);
    QSignalSpy pressed(write, &QPushButton::clicked);
    ASSERT_TRUE(form.showActive());
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_TRUE(write->hasFocus());
    EXPECT_EQ(pressed.count(), 0);
    QTest::keyClick(write, Qt::Key_Return);
    EXPECT_EQ(pressed.count(), 1);
    QTest::keyClick(write, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pressed.count(), 2);
}

TEST(ControlsEnter, StaysWhileCalendarIsDroppedDown)
{
    ControlsTestForm form;
    auto* date = form.add<TPelzarDateEdit>();
    auto* next = form.add<TVEdit>();
    ASSERT_TRUE(form.showActive());
    date->setFocus();
    QTest::mouseClick(date->findChild<QToolButton*>(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return date->isCalendarDroppedDown(); }, 1000));
    QTest::keyClick(date, Qt::Key_Return);
    EXPECT_FALSE(next->hasFocus());
    date->calendarWidget()->window()->hide();
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Return);
    EXPECT_TRUE(next->hasFocus());
}

TEST(ControlsEnter, TabLeavesDateEditInsteadOfSteppingThroughParts)
{
    ControlsTestForm form;
    auto* date = form.add<TPelzarDateEdit>();
    auto* next = form.add<TVEdit>();
    ASSERT_TRUE(form.showActive());
    int tabExits = 0;
    date->OnTabExit = [&](TPelzarDateEdit&, Qt::KeyboardModifiers) { ++tabExits; };
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(tabExits, 1);
}

TEST(ControlsDate, DayAndMonthGetLeadingZeros)
{
    ControlsTestForm form;
    auto* date = form.add<TVEdit>();
    form.add<TVEdit>();
    date->setEditType(EditType::ttDate);
    ASSERT_TRUE(form.showActive());
    date->setFocus();
    QTest::keyClicks(date, "1.2.2026");
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_EQ(date->text(), "01.02.2026");
}

TEST(ControlsDate, ThirtyFirstOfFebruaryIsRefusedAndKeepsFocus)
{
    ControlsTestForm form;
    auto* date = form.add<TVEdit>();
    auto* next = form.add<TVEdit>();
    date->setEditType(EditType::ttDate);
    ASSERT_TRUE(form.showActive());
    ShellModalWatcher watcher;
    date->setFocus();
    QTest::keyClicks(date, "31.2.2026");
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_EQ(watcher.messages, QStringList{" Chybný formát dat "});
    EXPECT_TRUE(QTest::qWaitFor([&] { return date->hasFocus(); }, 1000));
    EXPECT_FALSE(next->hasFocus());
    EXPECT_EQ(date->text(), "31.2.2026");
}

TEST(ControlsDate, DateEditTakesTheDateAsAClerkTypesIt)
{
    const DayNumber fifteenth = toDayNumber(CivilDate {2008, 1, 15});
    for (const char* typed : {"15.01.2008", "15012008", "15.1.2008", "15.01.08", "15,1,08", "150108"}) {
        ControlsTestForm form;
        auto* previous = form.add<TVEdit>();
        auto* date = form.add<TPelzarDateEdit>();
        auto* next = form.add<TVEdit>();
        ASSERT_TRUE(form.showActive());
        date->setDayNumber(toDayNumber(CivilDate {2026, 12, 10}));
        QTest::keyClick(previous, Qt::Key_Return);
        QTest::keyClicks(date, typed);
        EXPECT_TRUE(date->hasFocus()) << typed << ": a dot stays within the date";
        QTest::keyClick(date, Qt::Key_Return);
        EXPECT_TRUE(next->hasFocus()) << typed;
        EXPECT_EQ(date->text(), "15.01.2008") << typed;
        EXPECT_EQ(date->dayNumber(), fifteenth) << typed;
    }
}

TEST(ControlsDate, DateEditReplacesThePartClickedIntoAndDotStepsToTheNext)
{
    ControlsTestForm form;
    auto* date = form.add<TPelzarDateEdit>();
    form.add<TVEdit>();
    ASSERT_TRUE(form.showActive());
    date->setDayNumber(toDayNumber(CivilDate {2026, 12, 15}));
    const QPoint month(date->fontMetrics().horizontalAdvance("15.1") + 3, date->height() / 2);
    QTest::mouseClick(date, Qt::LeftButton, {}, month);
    EXPECT_EQ(date->selectedText(), "12");
    QTest::keyClicks(date, "01.2008");
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_EQ(date->text(), "15.01.2008");
}

TEST(ControlsDate, DateEditRefusesADayThatDoesNotExistAndKeepsTheFocus)
{
    for (const char* typed : {"31.02.2008", "32.01.2008", "15.13.2008", "15..2008"}) {
        ControlsTestForm form;
        auto* previous = form.add<TVEdit>();
        auto* date = form.add<TPelzarDateEdit>();
        auto* next = form.add<TVEdit>();
        ASSERT_TRUE(form.showActive());
        const DayNumber before = toDayNumber(CivilDate {2026, 12, 10});
        date->setDayNumber(before);
        ShellModalWatcher watcher;
        QTest::keyClick(previous, Qt::Key_Tab);
        QTest::keyClicks(date, typed);
        QTest::keyClick(date, Qt::Key_Tab);
        EXPECT_EQ(watcher.messages,
                  QStringList {QStringLiteral("Neplatné datum „%1“: zadejte den, měsíc a rok, například 15.01.2008.")
                                   .arg(typed)});
        EXPECT_TRUE(QTest::qWaitFor([&] { return date->hasFocus(); }, 1000)) << typed;
        EXPECT_FALSE(next->hasFocus()) << typed;
        EXPECT_EQ(date->text(), typed);
        EXPECT_EQ(date->dayNumber(), before) << "the last date taken stands";
    }
}

TEST(ControlsDate, EmptyTextBecomesBlankDate)
{
    ControlsTestForm form;
    auto* date = form.add<TVEdit>();
    form.add<TVEdit>();
    date->setEditType(EditType::ttDate);
    date->setBlankDate("  .  .    ");
    ASSERT_TRUE(form.showActive());
    ShellModalWatcher watcher;
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_EQ(date->text(), "  .  .    ");
    EXPECT_TRUE(watcher.messages.isEmpty());
}

TEST(ControlsFloat, LetterBeepsAndIsNotTyped)
{
    ControlsTestForm form;
    auto* amount = form.add<TEditOrvo>();
    amount->setEditType(EditType::ttFloat);
    ASSERT_TRUE(form.showActive());
    QSignalSpy refused(amount, &TEditOrvo::keyRefused);
    amount->setFocus();
    QTest::keyClicks(amount, "1a2");
    EXPECT_EQ(amount->text(), "12");
    EXPECT_EQ(refused.count(), 1);
}

TEST(ControlsFloat, CommaAndPointBecomeTheDecimalSeparator)
{
    DecimalCommaScope czech;
    ControlsTestForm form;
    auto* amount = form.add<TEditOrvo>();
    auto* next = form.add<TVEdit>();
    amount->setEditType(EditType::ttFloat);
    amount->setFloatPrecision(15);
    amount->setFloatDigits(2);
    ASSERT_TRUE(form.showActive());
    amount->setFocus();
    QTest::keyClicks(amount, "12.5");
    EXPECT_EQ(amount->text(), "12,5");
    QTest::keyClick(amount, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(amount->text(), "12,50");
}

TEST(ControlsFloat, StringKindTypesAnything)
{
    ControlsTestForm form;
    auto* name = form.add<TEditOrvo>();
    ASSERT_TRUE(form.showActive());
    name->setFocus();
    QTest::keyClicks(name, "Cena a.b");
    QTest::sendKeyEvent(QTest::KeyAction::Click, name, Qt::Key_unknown, QStringLiteral("ř"), Qt::NoModifier);
    EXPECT_EQ(name->text(), "Cena a.bř");
}

TEST(ControlsSpace, HandlerTakesTheSpace)
{
    ControlsTestForm form;
    auto* edit = form.add<TVEdit>();
    ASSERT_TRUE(form.showActive());
    int spaces = 0;
    edit->setFocus();
    QTest::keyClicks(edit, "a b");
    edit->setOnClickSpace([&] { ++spaces; });
    QTest::keyClicks(edit, " c");
    EXPECT_EQ(edit->text(), "a bc");
    EXPECT_EQ(spaces, 1);
}

TEST(ControlsTabExit, CalledAfterSuccessfulCheckOnly)
{
    ControlsTestForm form;
    auto* number = form.add<TVEdit>();
    form.add<TVEdit>();
    number->setEditType(EditType::ttInteger);
    ASSERT_TRUE(form.showActive());
    ShellModalWatcher watcher;
    int tabExits = 0;
    number->OnTabExit = [&](TVEdit&, Qt::KeyboardModifiers) { ++tabExits; };
    number->setFocus();
    QTest::keyClicks(number, "x");
    QTest::keyClick(number, Qt::Key_Tab);
    EXPECT_EQ(tabExits, 0);
    EXPECT_EQ(watcher.messages.size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return number->hasFocus(); }, 1000));
    number->setText("42");
    QTest::keyClick(number, Qt::Key_Tab);
    EXPECT_EQ(tabExits, 1);
}

TEST(ControlsDBEdit, InvalidWithoutErrorStringKeepsFocusSilently)
{
    ControlsTestForm form;
    auto* code = form.add<TDBEditOrvo>();
    auto* next = form.add<TVEdit>();
    ASSERT_TRUE(form.showActive());
    ShellModalWatcher watcher;
    int errors = 0;
    code->OnValid = [](TDBEditOrvo&, QString& text, bool& valid) { valid = text.trimmed().size() == 3; };
    code->setFocus();
    QTest::keyClicks(code, "AB");
    QTest::keyClick(code, Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([&] { return code->hasFocus(); }, 1000));
    EXPECT_FALSE(next->hasFocus());
    EXPECT_TRUE(watcher.messages.isEmpty());
    code->OnError = [&](TDBEditOrvo&) { ++errors; };
    QTest::keyClick(code, Qt::Key_Tab);
    EXPECT_EQ(errors, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return code->hasFocus(); }, 1000));
    QTest::keyClicks(code, "ABC");
    QTest::keyClick(code, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
}

TEST(ControlsDBEdit, ErrorStringShownWhenNoOnError)
{
    ControlsTestForm form;
    auto* code = form.add<TDBEditOrvo>();
    form.add<TVEdit>();
    code->setErrorString("Kód musí mít 3 znaky");
    code->OnValid = [](TDBEditOrvo&, QString&, bool& valid) { valid = false; };
    ASSERT_TRUE(form.showActive());
    ShellModalWatcher watcher;
    code->setFocus();
    QTest::keyClick(code, Qt::Key_Tab);
    EXPECT_EQ(watcher.messages, QStringList{"Kód musí mít 3 znaky"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return code->hasFocus(); }, 1000));
}

TEST(ControlsDBEdit, HandlerRewritesTheText)
{
    ControlsTestForm form;
    auto* code = form.add<TDBEditOrvo>();
    form.add<TVEdit>();
    code->OnValid = [](TDBEditOrvo&, QString& text, bool&) { text = text.toUpper(); };
    ASSERT_TRUE(form.showActive());
    code->setFocus();
    QTest::keyClicks(code, "abc");
    QTest::keyClick(code, Qt::Key_Tab);
    EXPECT_EQ(code->text(), "ABC");
}

TEST(ControlsDBEdit, WhenValidNoneAndWhenEditSkipTheCheck)
{
    ControlsTestForm form;
    auto* code = form.add<TDBEditOrvo>();
    auto* next = form.add<TVEdit>();
    int checks = 0;
    code->OnValid = [&](TDBEditOrvo&, QString&, bool& valid) { ++checks; valid = false; };
    ASSERT_TRUE(form.showActive());
    code->setWhenValid(WhenValid::swvNone);
    code->setFocus();
    QTest::keyClick(code, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
    code->setWhenValid(WhenValid::swvWhenEdit);
    code->setFocus();
    QTest::keyClick(code, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(checks, 0);
}

TEST(ControlsDBEdit, DateKindCompletesFromUserDefault)
{
    ControlsTestForm form;
    auto* date = form.add<TDBEditOrvo>();
    form.add<TVEdit>();
    date->setEditType(DBEditType::setDate);
    date->setDateTimeType(DateTimeType::sdtUser);
    date->setUserDateTime(QDateTime(QDate(2024, 3, 10), QTime(8, 0)));
    ASSERT_TRUE(form.showActive());
    date->setFocus();
    QTest::keyClicks(date, "7.");
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_EQ(date->text(), "07.03.2024");
}

TEST(ControlsButton, WidthIsKeptBetweenFifteenAndTheEditWidth)
{
    ControlsTestForm form;
    auto* edit = form.add<TEditOrvo>();
    edit->setFixedWidth(80);
    edit->setButtonVisible(true);
    ASSERT_TRUE(form.showActive());
    edit->setButtonWidth(5);
    EXPECT_EQ(edit->buttonWidth(), 15);
    edit->setButtonWidth(500);
    EXPECT_EQ(edit->buttonWidth(), 80);
    edit->setButtonWidth(21);
    EXPECT_EQ(edit->lookupButton().width(), 21);
    EXPECT_EQ(edit->textMargins().right(), 21);
}

TEST(ControlsButton, ClickCallsHandler)
{
    ControlsTestForm form;
    auto* edit = form.add<TEditOrvo>();
    edit->setButtonVisible(true);
    ASSERT_TRUE(form.showActive());
    int clicks = 0;
    edit->OnClickButton = [&](TEditOrvo&) { ++clicks; };
    QTest::mouseClick(&edit->lookupButton(), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}
