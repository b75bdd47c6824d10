// Deleting the logged-in child: the question, the thirteen files removed, the
// user list rebuilt from the folder and the main menu back to nobody logged in.

#include "GameFixture.h"

#include "app/MainMenu.h"
#include "ui/Widgets.h"
#include "ui/WindowStack.h"
#include "users/DeletionDialog.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList Extensions{".pwd", ".tzd", ".tzk", ".kzd", ".kzk", ".wzd", ".wzk",
                             ".kad", ".kak", ".wad", ".wak", ".mzd", ".mzk"};

class DeletionTest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        startGame();
        windows->userFiles().createFileSet(QStringLiteral("hanako"), QStringLiteral("pw"));
        windows->userFiles().createFileSet(QStringLiteral("taro"), QStringLiteral("pw"));
        windows->session().UserName = QStringLiteral("taro");
        menu().FillUserList();
        menu().EnableUserPanels(true);
    }

    MainMenu &menu() const { return windows->mainMenu(); }
    DeletionDialog &dialog() const { return windows->deletionDialog(); }
    QListWidget *list() const { return part<QListWidget>(&menu(), "ListBox1"); }
    ButtonPanel *deleteButton() const { return part<ButtonPanel>(&menu(), "Panel11"); }

    void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton);
        settle();
    }

    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names << list()->item(i)->text();
        names.sort();
        return names;
    }

    QStringList filesOf(const QString &name) const
    {
        QStringList found;
        for (const QString &ext : Extensions) {
            if (QFileInfo::exists(path(QStringLiteral("user/") + name + ext)))
                found << ext;
        }
        return found;
    }

    std::vector<ButtonPanel *> userPanels() const
    {
        std::vector<ButtonPanel *> panels;
        for (const char *name :
             {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel9", "Panel11"})
            panels.push_back(part<ButtonPanel>(&menu(), name));
        return panels;
    }
};

TEST_F(DeletionTest, AsksAboutTheLoggedInChild)
{
    EXPECT_EQ(textOf(&dialog(), "Label1"), QString());
    click(deleteButton());
    EXPECT_EQ(windows->stack().activeForm(), &dialog());
    EXPECT_EQ(textOf(&dialog(), "Label1"), QStringLiteral("taroさんのデータを削除しますか？"));
    EXPECT_EQ(part<QPushButton>(&dialog(), "Button2")->text(), QStringLiteral("キャンセル"));
    for (const char *name : {"Button1", "Button2"}) {
        auto *button = part<QPushButton>(&dialog(), name);
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << name;
    }
}

TEST_F(DeletionTest, OkRemovesTheThirteenFilesAndLogsOut)
{
    // A password file put there from outside: the rebuilt list comes from the folder.
    writeFile(QStringLiteral("user/jiro.pwd"), "x\r\n");
    ASSERT_EQ(filesOf("taro").size(), 13);
    click(deleteButton());
    click(part<QPushButton>(&dialog(), "Button1"));

    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(filesOf("taro"), QStringList());
    EXPECT_EQ(filesOf("hanako").size(), 13);
    EXPECT_EQ(listed(), QStringList({"hanako", "jiro"}));
    for (ButtonPanel *panel : userPanels())
        EXPECT_FALSE(panel->isEnabled()) << panel->objectName().toStdString();
    EXPECT_TRUE(part<ButtonPanel>(&menu(), "Panel8")->isEnabled());
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(textOf(&dialog(), "Label1"), QString());
    EXPECT_EQ(windows->stack().activeForm(), &menu());
    EXPECT_EQ(windows->userName(), QStringLiteral("taro"));
}

TEST_F(DeletionTest, CancelChangesNothingAndTheNextOpeningAsksAgain)
{
    click(deleteButton());
    click(part<QPushButton>(&dialog(), "Button2"));
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(textOf(&dialog(), "Label1"), QString());
    EXPECT_EQ(filesOf("taro").size(), 13);
    EXPECT_EQ(listed(), QStringList({"hanako", "taro"}));
    for (ButtonPanel *panel : userPanels())
        EXPECT_TRUE(panel->isEnabled()) << panel->objectName().toStdString();

    click(deleteButton());
    EXPECT_EQ(textOf(&dialog(), "Label1"), QStringLiteral("taroさんのデータを削除しますか？"));
}

TEST_F(DeletionTest, HistoryFilesRemovedFromOutsideAreSkippedSilently)
{
    for (const char *ext : {".tzd", ".kzd", ".wzd", ".kad", ".wad", ".mzd"})
        ASSERT_TRUE(QFile::remove(path(QStringLiteral("user/taro") + ext)));
    click(deleteButton());
    click(part<QPushButton>(&dialog(), "Button1"));

    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_EQ(filesOf("taro"), QStringList());
    EXPECT_EQ(listed(), QStringList({"hanako"}));
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(DeletionTest, ADuplicateEntryInTheListIsGoneAfterTheRebuild)
{
    // Registration adds an entry without rebuilding; deletion rebuilds from the folder.
    list()->addItem(QStringLiteral("hanako"));
    click(deleteButton());
    click(part<QPushButton>(&dialog(), "Button1"));
    EXPECT_EQ(list()->count(), 1);
    EXPECT_EQ(listed(), QStringList({"hanako"}));
}

} // namespace
