// SPDX-License-Identifier: GPL-3.0-or-later
// The people list beside the form: a file of several people, found by typing, charted with Enter, changed
// with undo and saved back whole.
#include "desktop/PeopleList.h"

#include "DesktopTestSupport.h"

#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>

namespace tessaline::testing {
namespace {

// Three people, one at a place of the atlas, one with a column no chart reads.
constexpr char kFamily[] = "name,date,time,zone,lon,lat,dst,place,note\n"
                           "Zoë Müller,1975-06-15,10:30,34,77E12,28N36,0,,eldest\n"
                           "ravi rao,2001-02-03,04:05,50,151E12,33S52,1,,\n"
                           "ANA LIMA,1990-12-31,23:59,,,,,Zürich,\"born, they say, at home\"\n";

class PeopleListTest : public DesktopTest
{
protected:
    QString Open(const QByteArray& text)
    {
        QString path = folder.filePath(QStringLiteral("family.csv"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        EXPECT_TRUE(window->OpenBirthDataFrom(path));
        return path;
    }
    PeopleList* List() { return Child<PeopleList>(window, "fraPeople"); }
    QTableView* Table() { return Child<QTableView>(window, "lstPeople"); }
    QString Saved(const QString& path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll());
    }

    QTemporaryDir folder;
};

TEST_F(PeopleListTest, FindsByAnyWordWithoutAccentsOrCase)
{
    Open(kFamily);
    EXPECT_TRUE(Child<QDockWidget>(window, "dckPeople")->isVisible());
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtName")->text(),
              QStringLiteral("ZOË MÜLLER")); // the first, in the form
    struct Case {
        const char* typed;
        int shown;
        const char* first;
    };
    const std::array<Case, 6> cases{{
        {"", 3, "Zoë Müller"},
        {"zoe", 1, "Zoë Müller"},
        {"MULLER 1975", 1, "Zoë Müller"},
        {"zurich", 1, "ANA LIMA"},
        {"19", 2, "Zoë Müller"}, // 1975 and 1990, in the file's order
        {"nobody", 0, ""},
    }};
    auto* find = Child<QLineEdit>(window, "txtFindPerson");
    for (const Case& c : cases) {
        find->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(Table()->model()->rowCount(), c.shown) << c.typed;
        if (c.shown > 0) {
            EXPECT_EQ(Table()->model()->index(0, 0).data().toString(), QString::fromUtf8(c.first)) << c.typed;
        }
    }
    find->setText(QStringLiteral("ravi"));
    EXPECT_EQ(Child<QLabel>(window, "lblPeopleCount")->text(), QStringLiteral("1 of 3 people"));
}

TEST_F(PeopleListTest, EnterChartsThePersonChosen)
{
    Open(kFamily);
    Table()->setFocus();
    Table()->setCurrentIndex(Table()->model()->index(1, 0));
    QTest::keyClick(Table(), Qt::Key_Return);
    ASSERT_TRUE(window->chart().has_value());
    EXPECT_EQ(window->chart()->Name(), "RAVI RAO");
    EXPECT_TRUE(messages.shown.empty());
}

// Every change undoes; the file is written back whole, its other columns and quoted commas as they were.
TEST_F(PeopleListTest, ChangesUndoAndTheFileIsSavedWhole)
{
    const QString path = Open(kFamily);
    PeopleList* list = List();
    list->choosePerson(1);
    Child<QPushButton>(window, "cmdDeletePerson")->click();
    EXPECT_EQ(list->model().count(), 2U);
    list->undoStack().undo();
    EXPECT_EQ(list->model().count(), 3U);
    list->choosePerson(0);
    Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("ZOË MÜLLER RAO"));
    Child<QPushButton>(window, "cmdUpdatePerson")->click();
    Child<QPushButton>(window, "cmdAddPerson")->click(); // the same form, once more at the end
    EXPECT_TRUE(list->modified());
    Child<QPushButton>(window, "cmdSavePeople")->click();
    ASSERT_TRUE(messages.shown.empty()) << messages.shown[0].text.toStdString();
    EXPECT_FALSE(list->modified());
    EXPECT_EQ(Saved(path),
              QStringLiteral("name,date,time,zone,lon,lat,dst,place,note\n"
                             "ZOË MÜLLER RAO,1975-06-15,10:30,34,77E12,28N36,0,,eldest\n"
                             "ravi rao,2001-02-03,04:05,50,151E12,33S52,1,,\n"
                             "ANA LIMA,1990-12-31,23:59,,,,,Zürich,\"born, they say, at home\"\n"
                             "ZOË MÜLLER RAO,1975-06-15,10:30,34,77E12,28N36,0,,\n"));

    // A file that cannot be written is said, naming it, and the list stays unsaved.
    list->undoStack().undo();
    ASSERT_TRUE(QFile::remove(path) && QDir().mkdir(path)); // a folder where the file was
    Child<QPushButton>(window, "cmdSavePeople")->click();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("family.csv"))) << messages.shown[0].text.toStdString();
    EXPECT_TRUE(list->modified());
}

// Another program's file in the list: two AAF records (the exchange format's own example, and a birth by its
// Julian day) open as two people; a person added from the form is saved back as AAF, both chunks, and the file
// opens again with all three.
TEST_F(PeopleListTest, AnAafFileOpensInTheListAndIsSavedAsAaf)
{
    const QString path = folder.filePath(QStringLiteral("people.aaf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n#B93:*,49n05,8e11,1he,0\n"
               "#A93:Rao,Asha,f,15.6.1975,10:30,Delhi,IND\n#B93:2442578.708333,28n36,77e12,5he30,0\n");
    file.close();
    ASSERT_TRUE(window->OpenBirthDataFrom(path));
    EXPECT_EQ(List()->model().count(), 2U);
    EXPECT_EQ(Table()->model()->index(1, 3).data().toString(), QStringLiteral("Delhi"));
    Child<QPushButton>(window, "cmdAddPerson")->click(); // the form holds Tobias Ferber: a second copy of him
    Child<QPushButton>(window, "cmdSavePeople")->click();
    ASSERT_TRUE(messages.shown.empty()) << messages.shown[0].text.toStdString();
    EXPECT_EQ(Saved(path).count(QStringLiteral("#A93:")), 3);
    EXPECT_EQ(Saved(path).count(QStringLiteral("#B93:")), 3);
    ASSERT_TRUE(window->OpenBirthDataFrom(path));
    EXPECT_EQ(List()->model().count(), 3U);
}

} // namespace
} // namespace tessaline::testing
