// Deleting the logged-in child: the question, the thirteen files removed, the
// user list rebuilt from the folder and the main menu back to nobody logged in.

#include "GameFixture.h"

#include "app/MainMenu.h"
#include "ui/Widgets.h"
#include "ui/WindowStack.h"
#include "users/DeletionDialog.h"
#include "users/LoginDialog.h"

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
        windows->loginDialog().UserName = QStringLiteral("taro");
        menu().FillUserList();
        menu().EnableUserPanels(true);
    }

    MainMenu &menu() const { return windows->mainMenu(); }
    DeletionDialog &dialog() const { return windows->deletionDialog(); }

    void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton);
        settle();
    }

    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < menu().ListBox1->count(); ++i)
            names << menu().ListBox1->item(i)->text();
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
        return {menu().Panel1, menu().Panel2, menu().Panel3, menu().Panel4,
                menu().Panel5, menu().Panel6, menu().Panel9, menu().Panel11};
    }
};

TEST_F(DeletionTest, AsksAboutTheLoggedInChild)
{
    EXPECT_EQ(dialog().Label1->text(), QString());
    click(menu().Panel11);
    EXPECT_EQ(windows->stack().activeForm(), &dialog());
    EXPECT_EQ(dialog().Label1->text(), QStringLiteral("taroさんのデータを削除しますか？"));
    EXPECT_EQ(dialog().Button2->text(), QStringLiteral("キャンセル"));
    EXPECT_FALSE(dialog().Button1->isDefault() || dialog().Button1->autoDefault());
    EXPECT_FALSE(dialog().Button2->isDefault() || dialog().Button2->autoDefault());
}

TEST_F(DeletionTest, OkRemovesTheThirteenFilesAndLogsOut)
{
    // A password file put there from outside: the rebuilt list comes from the folder.
    writeFile(QStringLiteral("user/jiro.pwd"), "x\r\n");
    ASSERT_EQ(filesOf("taro").size(), 13);
    click(menu().Panel11);
    click(dialog().Button1);

    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(filesOf("taro"), QStringList());
    EXPECT_EQ(filesOf("hanako").size(), 13);
    EXPECT_EQ(listed(), QStringList({"hanako", "jiro"}));
    for (ButtonPanel *panel : userPanels())
        EXPECT_FALSE(panel->isEnabled()) << panel->objectName().toStdString();
    EXPECT_TRUE(menu().Panel8->isEnabled());
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(dialog().Label1->text(), QString());
    EXPECT_EQ(windows->stack().activeForm(), &menu());
    EXPECT_EQ(windows->loginDialog().UserName, QStringLiteral("taro"));
}

TEST_F(DeletionTest, CancelChangesNothingAndTheNextOpeningAsksAgain)
{
    click(menu().Panel11);
    click(dialog().Button2);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(dialog().Label1->text(), QString());
    EXPECT_EQ(filesOf("taro").size(), 13);
    EXPECT_EQ(listed(), QStringList({"hanako", "taro"}));
    for (ButtonPanel *panel : userPanels())
        EXPECT_TRUE(panel->isEnabled()) << panel->objectName().toStdString();

    click(menu().Panel11);
    EXPECT_EQ(dialog().Label1->text(), QStringLiteral("taroさんのデータを削除しますか？"));
}

TEST_F(DeletionTest, HistoryFilesRemovedFromOutsideAreSkippedSilently)
{
    for (const char *ext : {".tzd", ".kzd", ".wzd", ".kad", ".wad", ".mzd"})
        ASSERT_TRUE(QFile::remove(path(QStringLiteral("user/taro") + ext)));
    click(menu().Panel11);
    click(dialog().Button1);

    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_EQ(filesOf("taro"), QStringList());
    EXPECT_EQ(listed(), QStringList({"hanako"}));
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(DeletionTest, ADuplicateEntryInTheListIsGoneAfterTheRebuild)
{
    // Registration adds an entry without rebuilding; deletion rebuilds from the folder.
    menu().ListBox1->addItem(QStringLiteral("hanako"));
    click(menu().Panel11);
    click(dialog().Button1);
    EXPECT_EQ(menu().ListBox1->count(), 1);
    EXPECT_EQ(listed(), QStringList({"hanako"}));
}

} // namespace
