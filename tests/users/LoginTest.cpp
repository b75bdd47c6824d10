#include "RecordLine.h"
#include "GameFixture.h"

#include "app/MainMenu.h"
#include "drill/LevelMenu.h"
#include "ui/WindowStack.h"
#include "ui/Widgets.h"
#include "users/LoginDialog.h"
#include "users/RegistrationDialog.h"

#include <QApplication>
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
    QLineEdit *password() { return part<QLineEdit>(&dialog(), "Password"); }

    void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton);
        settle();
    }

    void choose(const QString &name)
    {
        auto *list = part<QListWidget>(&menu(), "ListBox1");
        const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found[0]).center());
        settle();
        ASSERT_TRUE(dialog().isVisible());
        ASSERT_EQ(textOf(&dialog(), "Label3"), name);
    }

    // Types text the way a keyboard or the input method hands it to a field.
    static void type(QLineEdit *field, const QString &text)
    {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QCoreApplication::sendEvent(field, &key);
        ASSERT_TRUE(field->text().endsWith(text));
    }
    void type(const QString &text) { type(password(), text); }

    void press(Qt::Key key)
    {
        QTest::keyClick(password(), key);
        settle();
    }

    bool panelsEnabled(bool enabled)
    {
        bool all = true;
        for (const char *panel :
             {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel9", "Panel11"})
            all = all && part<ButtonPanel>(&menu(), panel)->isEnabled() == enabled;
        return all;
    }

    // The name the list marks, empty for none.
    QString marked()
    {
        const QList<QListWidgetItem *> selected = part<QListWidget>(&menu(), "ListBox1")->selectedItems();
        return selected.isEmpty() ? QString() : selected.front()->text();
    }

    void expectWrongPassword()
    {
        ASSERT_EQ(dialogs.warnings.size(), 1u);
        EXPECT_EQ(dialogs.warnings[0].caption, QStringLiteral("警告"));
        EXPECT_EQ(dialogs.warnings[0].text, QStringLiteral("パスワードがちがいます"));
        EXPECT_TRUE(password()->text().isEmpty());
        EXPECT_TRUE(dialog().isVisible());
        dialogs.warnings.clear();
    }
};

TEST_F(LoginTest, OpensCentredAndMasksThePassword)
{
    choose(QStringLiteral("taro"));
    EXPECT_EQ(dialog().geometry(), QRect((640 - 245) / 2, (480 - 172) / 2, 245, 172));
    EXPECT_EQ(windows->stack().activeForm(), &dialog());
    EXPECT_EQ(dialog().window()->focusWidget(), password());
    type(QStringLiteral("Abc"));
    EXPECT_EQ(password()->displayText(), QStringLiteral("***"));
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
    EXPECT_TRUE(password()->text().isEmpty());
    EXPECT_EQ(windows->stack().activeForm(), &menu());

    // A password file written on Windows, for a name in kanji.
    choose(QStringLiteral("はなこ"));
    type(QStringLiteral("ひみつ～"));
    click(part<QPushButton>(&dialog(), "OKBtn"));
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
    EXPECT_TRUE(password()->text().isEmpty());
    EXPECT_TRUE(panelsEnabled(false));
    EXPECT_TRUE(windows->userName().isEmpty());
    EXPECT_EQ(windows->stack().activeForm(), &menu());
    EXPECT_EQ(marked(), QString());   // nobody plays, nobody is marked

    choose(QStringLiteral("taro"));
    EXPECT_TRUE(password()->text().isEmpty());
    type(QStringLiteral("Abc"));
    click(part<QPushButton>(&dialog(), "CancelBtn"));
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(password()->text().isEmpty());

    // Enter on the cancel button presses that button, not OK.
    choose(QStringLiteral("taro"));
    type(QStringLiteral("Abc"));
    auto *cancel = part<QPushButton>(&dialog(), "CancelBtn");
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
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

    // The list marks the child who plays on, not the name tried.
    EXPECT_EQ(marked(), QStringLiteral("はなこ"));
    press(Qt::Key_Escape);
    EXPECT_EQ(windows->userName(), QStringLiteral("taro"));
    EXPECT_EQ(marked(), QStringLiteral("taro"));
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

// A name or password typed with an input method's "〜" is kept as the
// Windows-31J "～" it stands for: listed so, logged in with either, recorded.
TEST_F(LoginTest, AChildRegisteredByTheGameLogsIn)
{
    const struct
    {
        const char *name, *password, *listed, *file;
    } cases[] = {
        {"jiro", "Pw 9", "jiro", "jiro.pwd"},
        {"ゆう〜", "ひみつ〜", "ゆう～", "ゆう～.pwd"},
    };
    RegistrationDialog &registration = windows->registrationDialog();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString listed = QString::fromUtf8(c.listed);
        click(part<ButtonPanel>(&menu(), "Panel8"));
        type(part<QLineEdit>(&registration, "Edit1"), QString::fromUtf8(c.name));
        type(part<QLineEdit>(&registration, "Edit3"), QString::fromUtf8(c.password));
        click(part<QPushButton>(&registration, "Button1"));
        ASSERT_FALSE(registration.isVisible());
        EXPECT_TRUE(QFile::exists(path("user/" + QString::fromUtf8(c.file))));

        choose(listed);
        type(QString::fromUtf8(c.password));
        press(Qt::Key_Return);
        EXPECT_TRUE(dialogs.warnings.empty());
        EXPECT_EQ(windows->userName(), listed);
        EXPECT_TRUE(panelsEnabled(true));
        windows->session().files.recordRound(listed, Drill::Addition, judged(nullptr, QStringLiteral("1,2001/5/09,3級")));
        EXPECT_EQ(windows->session().files.readRecords(listed, Drill::Addition).count, 2);
        EXPECT_TRUE(windows->session().files.listUsers().contains(listed));
    }
}

// Once logged in, the keyboard belongs to the menus, not to the closed log-in
// dialog: Enter where the keyboard is presses nothing on the main menu or on
// the addition level menu.
TEST_F(LoginTest, EnterOnTheMenusAfterLoggingInDoesNothing)
{
    choose(QStringLiteral("taro"));
    type(QStringLiteral("Abc"));
    press(Qt::Key_Return);
    ASSERT_EQ(windows->userName(), QStringLiteral("taro"));

    const auto pressEnterAsTheKeyboardWould = [&](GameWindow &active) {
        SCOPED_TRACE(active.objectName().toStdString());
        ASSERT_EQ(windows->stack().activeForm(), &active);
        const std::vector<GameWindow *> shown = windows->stack().shownForms();
        QWidget *focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : &active, Qt::Key_Return);
        settle();
        EXPECT_TRUE(dialogs.warnings.empty());
        EXPECT_EQ(windows->stack().activeForm(), &active);
        EXPECT_EQ(windows->stack().shownForms(), shown);
    };
    pressEnterAsTheKeyboardWould(menu());
    click(part<ButtonPanel>(&menu(), drillInfo(Drill::Addition).menuButton));
    pressEnterAsTheKeyboardWould(windows->levelMenu(Drill::Addition));
}
