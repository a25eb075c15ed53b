// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in both windows, read through Qt's accessibility interface: names, roles,
// values and states, the tab list of the results, the focus order, and text set by an assistive tool.

#include "DesktopTestSupport.h"

#include "desktop/ChartWheelPanel.h"
#include "desktop/TabPanel.h"
#include "desktop/frmDisplay.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>

namespace tessaline::testing {
namespace {

QAccessibleInterface* Accessible(QObject* object)
{
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(found, nullptr) << object->objectName().toStdString();
    return found;
}

QString Heard(QObject* object, QAccessible::Text what = QAccessible::Name)
{
    QAccessibleInterface* found = Accessible(object);
    return found != nullptr ? found->text(what) : QString();
}

// The names of the labels that label the control, as a screen reader finds them.
QStringList LabelledBy(QObject* object)
{
    QStringList labels;
    for (const auto& [label, relation] : Accessible(object)->relations(QAccessible::Label)) {
        labels << label->text(QAccessible::Name);
    }
    return labels;
}

class Accessibility : public DesktopTest
{
protected:
    void SetUp() override
    {
        QAccessible::setActive(true);
        DesktopTest::SetUp();
    }

    frmDisplay* Calculate()
    {
        FillValidForm();
        window->cmdRashi_Click();
        frmDisplay* results = window->resultsWindow();
        EXPECT_NE(results, nullptr);
        if (results != nullptr) {
            QApplication::setActiveWindow(results);
            EXPECT_TRUE(QTest::qWaitForWindowActive(results));
        }
        return results;
    }
};

TEST_F(Accessibility, ListsAreNamedAndTheirChoiceIsTheValue)
{
    struct List {
        QComboBox* list;
        const char* name;
        const char* value;
    };
    for (const List& row : {List{Child<QComboBox>(window, "cboMonth"), "Month of birth", "January"},
                            List{Child<QComboBox>(window, "cboDate"), "Day of birth", "1"},
                            List{Child<QComboBox>(window, "cboYear"), "Year of birth", "1901"},
                            List{Child<QComboBox>(window, "cboHH"), "Hour of birth", "0"},
                            List{Child<QComboBox>(window, "cboMM"), "Minute of birth", "0"},
                            List{Child<QComboBox>(window, "cboSS"), "Second of birth", "0"}}) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Accessible(row.list)->role(), QAccessible::ComboBox);
        EXPECT_EQ(Heard(row.list), QLatin1String(row.name));
        EXPECT_EQ(Heard(row.list, QAccessible::Value), QLatin1String(row.value));
    }
    Child<QComboBox>(window, "cboYear")->setCurrentIndex(99);
    EXPECT_EQ(Heard(Child<QComboBox>(window, "cboYear"), QAccessible::Value), QStringLiteral("2000"));
    EXPECT_EQ(Heard(Child<QComboBox>(window, "cboYear")), QStringLiteral("Year of birth"));
    // Set by the program, the choice is the list's text too: what the Linux accessibility bus passes on.
    ASSERT_NE(Accessible(Child<QComboBox>(window, "cboYear"))->textInterface(), nullptr);
    EXPECT_EQ(Accessible(Child<QComboBox>(window, "cboYear"))->textInterface()->text(0, -1), QStringLiteral("2000"));
}

TEST_F(Accessibility, ButtonsAndLinksAreCalledWhatTheyShow)
{
    EXPECT_EQ(Heard(Child<QPushButton>(window, "cmdBrowser")),
              QStringLiteral("Click Here To Find Latitude & Longitude"));
    EXPECT_EQ(Accessible(Child<LinkLabel>(window, "Label61"))->role(), QAccessible::Link);
    EXPECT_EQ(Heard(Child<LinkLabel>(window, "Label61")), Child<LinkLabel>(window, "Label61")->text());
    frmDisplay* results = Calculate();
    ASSERT_NE(results, nullptr);
    for (LinkLabel* link : {Child<LinkLabel>(results, "Label61"), Child<LinkLabel>(results, "lblCoBrandAd")}) {
        EXPECT_EQ(Accessible(link)->role(), QAccessible::Link);
        EXPECT_EQ(Heard(link), link->text());
    }
    Accessible(Child<LinkLabel>(results, "lblCoBrandAd"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(browser.opened.size(), 1U) << "a screen reader can follow the link";
}

TEST_F(Accessibility, ResultsAreHeardAsValuesWithTheirCaptions)
{
    frmDisplay* results = Calculate();
    ASSERT_NE(results, nullptr);
    const std::size_t moon = 1;
    struct Row {
        QLabel* value;
        const char* caption;
    };
    for (const Row& row : {Row{Child<QLabel>(results, "lblPosition", moon), "Position"},
                           Row{Child<QLabel>(results, "lblDecanateName", moon), "Decanate Name"},
                           Row{Child<QLabel>(results, "lblDecanateSign", moon), "Decanate Sign"},
                           Row{Child<QLabel>(results, "lblRulingPlanet", moon), "Ruling Planet"},
                           Row{Child<QLabel>(results, "lblRulingElement", moon), "Ruling Element"},
                           Row{Child<QLabel>(results, "lblConstellationName", moon), "Constellation Name"},
                           Row{Child<QLabel>(results, "lblKeyword", moon), "Keyword"},
                           Row{Child<QLabel>(results, "lblTreeZodiac", moon), "Tree Zodiac"}}) {
        SCOPED_TRACE(row.caption);
        ASSERT_FALSE(row.value->text().isEmpty());
        EXPECT_EQ(Heard(row.value), row.value->text()) << "the value, not its caption";
        EXPECT_EQ(LabelledBy(row.value), QStringList{QLatin1String(row.caption)});
    }
    EXPECT_TRUE(
        Child<QLabel>(results, "lblInstant")->text().startsWith(QStringLiteral("Calculated for 1 January 1901")));
    for (QLabel* line : {Child<QLabel>(results, "lblName"), Child<QLabel>(results, "lblInstant"),
                         Child<QLabel>(results, "lblAngles")}) {
        ASSERT_FALSE(line->text().isEmpty());
        EXPECT_EQ(Heard(line), line->text()) << line->objectName().toStdString();
    }

    for (QPlainTextEdit* text :
         {static_cast<QPlainTextEdit*>(Child<LockedTextBox>(results, "txtKarmicInfluence", moon)),
          static_cast<QPlainTextEdit*>(Child<LockedTextBox>(results, "txtMoreAboutTreeZodiac", moon)),
          static_cast<QPlainTextEdit*>(Child<LockedTextBox>(results, "txtMoreAboutDecanateSign", moon))}) {
        QAccessibleInterface* heard = Accessible(text);
        EXPECT_EQ(heard->role(), QAccessible::EditableText);
        EXPECT_TRUE(heard->state().readOnly);
        EXPECT_EQ(heard->text(QAccessible::Value), text->toPlainText());
    }
    EXPECT_EQ(Heard(Child<LockedTextBox>(results, "txtKarmicInfluence", moon)), QStringLiteral("Karmic Influence"));
    EXPECT_EQ(Heard(Child<LockedTextBox>(results, "txtMoreAboutTreeZodiac", moon)),
              QStringLiteral("More About Tree Zodiac"));
    EXPECT_EQ(Heard(Child<LockedTextBox>(results, "txtMoreAboutDecanateSign", moon)),
              QStringLiteral("More About Decanate Sign"));
}

TEST_F(Accessibility, TabsAreATabListWithTheFrontTabSelected)
{
    frmDisplay* results = Calculate();
    ASSERT_NE(results, nullptr);
    QAccessibleInterface* list = Accessible(Child<TabPanel>(results, "SSTab1")->tabList());
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Bodies"));
    ASSERT_EQ(list->childCount(), 10);
    for (int i = 0; i < 10; ++i) {
        QAccessibleInterface* tab = list->child(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->text(QAccessible::Name), Child<TabPanel>(results, "SSTab1")->tabText(i));
        EXPECT_EQ(tab->state().selected, i == 1) << "the Moon is in front";
    }
    list->child(3)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Child<TabPanel>(results, "SSTab1")->currentIndex(), 3);
    EXPECT_TRUE(list->child(3)->state().selected);
    EXPECT_FALSE(list->child(1)->state().selected);
}

// The results window's focus order: the tab in front, its page's three texts, the divider and the chart
// pictures beside them, the links, the buttons.
TEST_F(Accessibility, TabReachesTheFrontTabThenItsPageThenTheButtons)
{
    frmDisplay* results = Calculate();
    ASSERT_NE(results, nullptr);
    const auto order = [results](std::size_t body) {
        return std::vector<QWidget*>{Child<TabPanel>(results, "SSTab1")->tabButton(static_cast<int>(body)),
                                     Child<LockedTextBox>(results, "txtKarmicInfluence", body),
                                     Child<LockedTextBox>(results, "txtMoreAboutTreeZodiac", body),
                                     Child<LockedTextBox>(results, "txtMoreAboutDecanateSign", body),
                                     results->findChild<QSplitter*>(QStringLiteral("splChart"))->handle(1),
                                     Child<ChartWheelPanel>(results, "chartPanel"),
                                     Child<LinkLabel>(results, "Label61"),
                                     Child<LinkLabel>(results, "lblCoBrandAd"),
                                     Child<QPushButton>(results, "cmdOK"),
                                     Child<QPushButton>(results, "cmdExit"),
                                     Child<TabPanel>(results, "SSTab1")->tabButton(static_cast<int>(body))};
    };
    const auto walk = [](const std::vector<QWidget*>& expected) {
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (i > 0) {
                QTest::keyClick(expected[i - 1], Qt::Key_Tab);
            }
            ASSERT_EQ(QApplication::focusWidget(), expected[i])
                << "expected " << expected[i]->objectName().toStdString() << ", focus is on "
                << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "none");
            EXPECT_TRUE(Accessible(expected[i])->state().focused);
        }
    };
    EXPECT_EQ(QApplication::focusWidget(), Child<TabPanel>(results, "SSTab1")->tabButton(1))
        << "the window opens on the Moon's tab";
    walk(order(1));

    // Ctrl+Tab brings Mercury to the front, and the focus goes with it; Tab then enters Mercury's page.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Child<TabPanel>(results, "SSTab1")->currentIndex(), 2);
    walk(order(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Child<QPushButton>(results, "cmdExit")) << "Shift+Tab goes back round";
}

TEST_F(Accessibility, KeysOnTheFocusedTabMoveBetweenTabs)
{
    frmDisplay* results = Calculate();
    ASSERT_NE(results, nullptr);
    struct Move {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int to;
    };
    // From the Moon (1): the next tab, the row below, the last, the first, past the first (nothing moves),
    // and the panel's Ctrl keys, which wrap round.
    for (const Move& move : {Move{Qt::Key_Right, Qt::NoModifier, 2}, Move{Qt::Key_Down, Qt::NoModifier, 7},
                             Move{Qt::Key_Down, Qt::NoModifier, 7}, Move{Qt::Key_Up, Qt::NoModifier, 2},
                             Move{Qt::Key_Left, Qt::NoModifier, 1}, Move{Qt::Key_End, Qt::NoModifier, 9},
                             Move{Qt::Key_PageDown, Qt::ControlModifier, 0}, Move{Qt::Key_Left, Qt::NoModifier, 0},
                             Move{Qt::Key_PageUp, Qt::ControlModifier, 9}, Move{Qt::Key_Home, Qt::NoModifier, 0},
                             Move{Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 9},
                             // Ctrl+Shift+Tab as other keyboards and platforms send it.
                             Move{Qt::Key_Backtab, Qt::ControlModifier, 8},
                             Move{Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 7}}) {
        QTest::keyClick(QApplication::focusWidget(), move.key, move.modifiers);
        EXPECT_EQ(Child<TabPanel>(results, "SSTab1")->currentIndex(), move.to) << "key " << move.key;
        EXPECT_EQ(QApplication::focusWidget(), Child<TabPanel>(results, "SSTab1")->tabButton(move.to))
            << "key " << move.key;
        EXPECT_TRUE(Child<QFrame>(results, "Frame3", static_cast<std::size_t>(move.to))->isVisible());
    }
}

// Text set by an assistive tool passes the filter that typing passes.
TEST_F(Accessibility, TextSetByAnAssistiveToolIsFiltered)
{
    QAccessibleInterface* name = Accessible(Child<FilteredLineEdit>(window, "txtName"));
    name->setText(QAccessible::Value, QStringLiteral("j4ne-doe 42"));
    EXPECT_TRUE(Child<FilteredLineEdit>(window, "txtName")->text().isEmpty());
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Please Enter only Letters"));

    name->setText(QAccessible::Value, QStringLiteral("José"));
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtName")->text(), QStringLiteral("JOSÉ"));
    name->editableTextInterface()->insertText(4, QStringLiteral(" 2"));
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtName")->text(), QStringLiteral("JOSÉ"));
    ASSERT_EQ(messages.shown.size(), 2U);

    Accessible(Child<FilteredLineEdit>(window, "txtLatD"))->setText(QAccessible::Value, QStringLiteral("-5"));
    EXPECT_TRUE(Child<FilteredLineEdit>(window, "txtLatD")->text().isEmpty());
    ASSERT_EQ(messages.shown.size(), 3U);
    EXPECT_EQ(messages.shown[2].text, QStringLiteral("Only Numbers Are Accepted"));
    Child<FilteredLineEdit>(window, "txtLatD")->setText(QStringLiteral("4x"));
    EXPECT_TRUE(Child<FilteredLineEdit>(window, "txtLatD")->text().isEmpty())
        << "setText is no way round the filter either";

    FillValidForm();
    frmDisplay* results = Calculate();
    ASSERT_NE(results, nullptr);
    QPlainTextEdit* locked = Child<LockedTextBox>(results, "txtKarmicInfluence", 1);
    const QString before = locked->toPlainText();
    QAccessibleInterface* text = Accessible(locked);
    text->setText(QAccessible::Value, QStringLiteral("replaced"));
    ASSERT_NE(text->editableTextInterface(), nullptr);
    text->editableTextInterface()->insertText(0, QStringLiteral("inserted "));
    text->editableTextInterface()->deleteText(0, 10);
    EXPECT_EQ(locked->toPlainText(), before);
}

} // namespace
} // namespace tessaline::testing
