#include "GameFixture.h"

#include "app/MainMenu.h"
#include "ui/WindowStack.h"
#include "ui/Widgets.h"
#include "users/LoginDialog.h"
#include "users/RegistrationDialog.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// A child picks a name in the main menu's list and types the password.
class LoginTest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeFile(QStringLiteral("user/taro.pwd"), "Abc\r\n");
        // Written on Windows: "ひみつ～" in Windows-31J.
        writeFile(QStringLiteral("user/はなこ.pwd"), QByteArray::fromHex("82d082dd82c281600d0a"));
        startGame();
    }

    LoginDialog &dialog() { return windows->loginDialog(); }
    MainMenu &menu() { return windows->mainMenu(); }

    void choose(const QString &name)
    {
        QListWidget *list = menu().ListBox1;
        const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found[0]).center());
        settle();
        ASSERT_TRUE(dialog().isVisible());
        ASSERT_EQ(dialog().Label3->text(), name);
    }

    // Types text the way a keyboard or the input method hands it to the field.
    void type(const QString &text)
    {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QCoreApplication::sendEvent(dialog().Password, &key);
        ASSERT_TRUE(dialog().Password->text().endsWith(text));
    }

    void press(Qt::Key key)
    {
        QTest::keyClick(dialog().Password, key);
        settle();
    }

    bool panelsEnabled(bool enabled)
    {
        bool all = true;
        for (ButtonPanel *panel : {menu().Panel1, menu().Panel2, menu().Panel3, menu().Panel4,
                                   menu().Panel5, menu().Panel6, menu().Panel9, menu().Panel11})
            all = all && panel->isEnabled() == enabled;
        return all;
    }

    void expectWrongPassword()
    {
        ASSERT_EQ(dialogs.warnings.size(), 1u);
        EXPECT_EQ(dialogs.warnings[0].caption, QStringLiteral("警告"));
        EXPECT_EQ(dialogs.warnings[0].text, QStringLiteral("パスワードがちがいます"));
        EXPECT_TRUE(dialog().Password->text().isEmpty());
        EXPECT_TRUE(dialog().isVisible());
        dialogs.warnings.clear();
    }
};

TEST_F(LoginTest, OpensCentredAndMasksThePassword)
{
    choose(QStringLiteral("taro"));
    EXPECT_EQ(dialog().geometry(), QRect((640 - 245) / 2, (480 - 172) / 2, 245, 172));
    EXPECT_EQ(windows->stack().activeForm(), &dialog());
    EXPECT_EQ(dialog().window()->focusWidget(), dialog().Password);
    type(QStringLiteral("Abc"));
    EXPECT_EQ(dialog().Password->displayText(), QStringLiteral("***"));
}

TEST_F(LoginTest, TheRightPasswordAndEnterLogTheChildIn)
{
    choose(QStringLiteral("taro"));
    type(QStringLiteral("Abc"));
    press(Qt::Key_Return);

    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(windows->userName(), QStringLiteral("taro"));
    EXPECT_TRUE(panelsEnabled(true));
    EXPECT_TRUE(dialog().Password->text().isEmpty());
    EXPECT_EQ(windows->stack().activeForm(), &menu());

    // A password file written on Windows, for a name in kanji.
    choose(QStringLiteral("はなこ"));
    type(QStringLiteral("ひみつ～"));
    QTest::mouseClick(dialog().OKBtn, Qt::LeftButton);
    settle();
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_EQ(windows->userName(), QStringLiteral("はなこ"));
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(LoginTest, AWrongPasswordWarnsAndMayBeTriedAgain)
{
    choose(QStringLiteral("taro"));
    type(QStringLiteral("abc")); // one letter in the other case
    press(Qt::Key_Return);
    expectWrongPassword();
    EXPECT_TRUE(panelsEnabled(false));
    EXPECT_TRUE(windows->userName().isEmpty());

    // An empty password matches only an empty stored line.
    press(Qt::Key_Enter);
    expectWrongPassword();

    type(QStringLiteral("Abc"));
    press(Qt::Key_Enter);
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_EQ(windows->userName(), QStringLiteral("taro"));
}

TEST_F(LoginTest, AnEmptyStoredPasswordTakesAnEmptyField)
{
    writeFile(QStringLiteral("user/emi.pwd"), "\r\n");
    menu().FillUserList();
    choose(QStringLiteral("emi"));
    type(QStringLiteral(" "));
    press(Qt::Key_Return);
    expectWrongPassword();
    press(Qt::Key_Return);
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_EQ(windows->userName(), QStringLiteral("emi"));
}

TEST_F(LoginTest, EscapeAndCancelCloseAndEmptyThePassword)
{
    choose(QStringLiteral("taro"));
    type(QStringLiteral("Ab"));
    press(Qt::Key_Escape);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(dialog().Password->text().isEmpty());
    EXPECT_TRUE(panelsEnabled(false));
    EXPECT_TRUE(windows->userName().isEmpty());
    EXPECT_EQ(windows->stack().activeForm(), &menu());

    choose(QStringLiteral("taro"));
    EXPECT_TRUE(dialog().Password->text().isEmpty());
    type(QStringLiteral("Abc"));
    QTest::mouseClick(dialog().CancelBtn, Qt::LeftButton);
    settle();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(dialog().Password->text().isEmpty());

    // Enter on the cancel button presses that button, not OK.
    choose(QStringLiteral("taro"));
    type(QStringLiteral("Abc"));
    dialog().CancelBtn->setFocus();
    QTest::keyClick(dialog().CancelBtn, Qt::Key_Return);
    settle();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(windows->userName().isEmpty());
    EXPECT_TRUE(dialogs.warnings.empty());
}

TEST_F(LoginTest, ASecondNameChosenWhileOpenReplacesTheFirst)
{
    choose(QStringLiteral("taro"));
    choose(QStringLiteral("はなこ"));
    EXPECT_EQ(windows->stack().activeForm(), &dialog());

    // OK now checks はなこ's password: taro's is wrong for her.
    type(QStringLiteral("Abc"));
    press(Qt::Key_Return);
    expectWrongPassword();
    type(QStringLiteral("ひみつ～"));
    press(Qt::Key_Return);
    EXPECT_EQ(windows->userName(), QStringLiteral("はなこ"));
}

TEST_F(LoginTest, AWrongPasswordForAnotherChildKeepsTheLoggedInChild)
{
    choose(QStringLiteral("taro"));
    type(QStringLiteral("Abc"));
    press(Qt::Key_Return);
    ASSERT_EQ(windows->userName(), QStringLiteral("taro"));

    choose(QStringLiteral("はなこ"));
    type(QStringLiteral("Abc"));
    press(Qt::Key_Return);
    expectWrongPassword();
    EXPECT_EQ(windows->userName(), QStringLiteral("taro"));
    EXPECT_TRUE(panelsEnabled(true));

    press(Qt::Key_Escape);
    EXPECT_EQ(windows->userName(), QStringLiteral("taro"));
}

TEST_F(LoginTest, AMissingPasswordFileIsReportedAndTheDialogStays)
{
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("user/taro.pwd"))));
    choose(QStringLiteral("taro"));
    type(QStringLiteral("Abc"));
    press(Qt::Key_Return);

    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("user\\taro.pwd")))
        << dialogs.errors[0].toStdString();
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_TRUE(windows->userName().isEmpty());
    EXPECT_TRUE(panelsEnabled(false));
}

TEST_F(LoginTest, AChildRegisteredByTheGameLogsIn)
{
    RegistrationDialog &registration = windows->registrationDialog();
    QTest::mouseClick(menu().Panel8, Qt::LeftButton);
    settle();
    QTest::keyClicks(registration.Edit1, QStringLiteral("jiro"));
    QTest::keyClicks(registration.Edit3, QStringLiteral("Pw 9"));
    QTest::mouseClick(registration.Button1, Qt::LeftButton);
    settle();
    ASSERT_FALSE(registration.isVisible());

    choose(QStringLiteral("jiro"));
    type(QStringLiteral("Pw 9"));
    press(Qt::Key_Return);
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_EQ(windows->userName(), QStringLiteral("jiro"));
    EXPECT_TRUE(panelsEnabled(true));
}
