#include "GameFixture.h"

#include "app/MainMenu.h"
#include "ui/WindowStack.h"
#include "ui/Widgets.h"
#include "users/RegistrationDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QStringList listed(const QListWidget *list)
{
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

} // namespace

// A parent registers children through the main menu's "とうろく".
class RegistrationTest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        // hana registered earlier, so a new name has somewhere to be added after.
        writeFile(QStringLiteral("user/hana.pwd"), "hana\r\n");
        startGame();
    }

    RegistrationDialog &dialog() { return windows->registrationDialog(); }
    MainMenu &menu() { return windows->mainMenu(); }
    QLineEdit *nameField() { return part<QLineEdit>(&dialog(), "Edit1"); }
    QLineEdit *passwordField() { return part<QLineEdit>(&dialog(), "Edit3"); }
    QStringList listedUsers() { return listed(part<QListWidget>(&menu(), "ListBox1")); }

    void open()
    {
        QTest::mouseClick(part<ButtonPanel>(&menu(), "Panel8"), Qt::LeftButton);
        settle();
        ASSERT_TRUE(dialog().isVisible());
    }

    // Types text the way a keyboard or the input method hands it to a field.
    static void type(QLineEdit *field, const QString &text)
    {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QCoreApplication::sendEvent(field, &key);
    }

    void fill(const QString &name, const QString &password)
    {
        nameField()->clear();
        passwordField()->clear();
        type(nameField(), name);
        type(passwordField(), password);
        ASSERT_EQ(nameField()->text(), name);
        ASSERT_EQ(passwordField()->text(), password);
    }

    void pressOK()
    {
        QTest::mouseClick(part<QPushButton>(&dialog(), "Button1"), Qt::LeftButton);
        settle();
    }

    QStringList userEntries() const
    {
        return QDir(path(QStringLiteral("user")))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

    // Registering taro with "Abc" failed on `file`: the error names it, the
    // user folder holds `left`, and the list and the dialog are as they were.
    void expectFailedOn(const QString &file, const QStringList &left)
    {
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(dialogs.errors[0].contains(file)) << dialogs.errors[0].toStdString();
        EXPECT_EQ(userEntries(), left);
        EXPECT_EQ(listedUsers(), QStringList{"hana"});
        EXPECT_TRUE(dialog().isVisible());
        EXPECT_EQ(nameField()->text(), QStringLiteral("taro"));
        EXPECT_EQ(passwordField()->text(), QStringLiteral("Abc"));
    }

    QStringList warningTexts() const
    {
        QStringList texts;
        for (const auto &warning : dialogs.warnings) {
            EXPECT_EQ(warning.caption, QStringLiteral("警告"));
            texts << warning.text;
        }
        return texts;
    }

    // The registration was refused with `warning`: nothing written, the list
    // and the dialog as they were.
    void expectRefused(const QString &warning, const QString &name, const QString &password)
    {
        EXPECT_EQ(warningTexts(), QStringList{warning}) << name.toStdString();
        EXPECT_EQ(userEntries(), QStringList{"hana.pwd"}) << name.toStdString();
        EXPECT_EQ(listedUsers(), QStringList{"hana"});
        EXPECT_TRUE(dialog().isVisible());
        EXPECT_EQ(nameField()->text(), name);
        EXPECT_EQ(passwordField()->text(), password);
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
        dialogs.warnings.clear();
    }
};

TEST_F(RegistrationTest, OpensCentredWithThePasswordFieldOutsideTheInputMethod)
{
    open();
    EXPECT_EQ(dialog().geometry(), QRect((640 - 287) / 2, (480 - 187) / 2, 287, 187));
    // The password is shown as typed, with the Japanese input method off.
    EXPECT_EQ(passwordField()->echoMode(), QLineEdit::Normal);
    EXPECT_FALSE(passwordField()->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(passwordField()->inputMethodHints().testFlag(Qt::ImhLatinOnly));
    EXPECT_TRUE(nameField()->testAttribute(Qt::WA_InputMethodEnabled));
    // The name can be typed at once.
    EXPECT_EQ(windows->stack().activeForm(), &dialog());
    EXPECT_EQ(dialog().window()->focusWidget(), nameField());
}

TEST_F(RegistrationTest, RegistersANewChildWithoutLoggingIn)
{
    open();
    fill(QStringLiteral("taro"), QStringLiteral("Abc"));
    pressOK();

    EXPECT_TRUE(warningTexts().isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(listedUsers(), (QStringList{"hana", "taro"}));
    EXPECT_EQ(userEntries(), (QStringList{"hana.pwd", "taro.kad", "taro.kak", "taro.kzd",
                                          "taro.kzk", "taro.mzd", "taro.mzk", "taro.pwd",
                                          "taro.tzd", "taro.tzk", "taro.wad", "taro.wak",
                                          "taro.wzd", "taro.wzk"}));
    EXPECT_EQ(readFile(QStringLiteral("user/taro.pwd")), QByteArray("Abc\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("user/taro.kak")), "1\r\n" + QByteArray("0\r\n").repeated(20));
    EXPECT_EQ(readFile(QStringLiteral("user/taro.kad")).toHex(),
              QByteArray("82ea82d782e92c93fa95742c837c8343839383672c8d8794db0d0a"));

    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(windows->stack().activeForm(), &menu());
    EXPECT_TRUE(nameField()->text().isEmpty());
    EXPECT_TRUE(passwordField()->text().isEmpty());
    // Registration does not log the child in.
    EXPECT_FALSE(part<ButtonPanel>(&menu(), "Panel1")->isEnabled());
    EXPECT_FALSE(part<ButtonPanel>(&menu(), "Panel9")->isEnabled());
    EXPECT_TRUE(windows->userName().isEmpty());

    // The fields come back empty for the next child.
    open();
    EXPECT_TRUE(nameField()->text().isEmpty());
}

TEST_F(RegistrationTest, NamesAndPasswordsOfSpacesOnlyAreNotEmpty)
{
    open();
    fill(QStringLiteral(" "), QStringLiteral("  "));
    pressOK();
    EXPECT_TRUE(warningTexts().isEmpty());
    EXPECT_EQ(listedUsers(), (QStringList{"hana", " "}));
    EXPECT_EQ(readFile(QStringLiteral("user/ .pwd")), QByteArray("  \r\n"));
    EXPECT_EQ(userEntries().size(), 14);
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(RegistrationTest, RefusesAnEmptyNameOrPassword)
{
    open();
    const QString empty = QStringLiteral("なまえとパスワードをいれてください");
    using Typed = std::pair<const char *, const char *>;
    for (const auto &[name, password] : {Typed{"taro", ""}, Typed{"", "Abc"}, Typed{"", ""}}) {
        fill(QString::fromUtf8(name), QString::fromUtf8(password));
        pressOK();
        expectRefused(empty, QString::fromUtf8(name), QString::fromUtf8(password));
    }
}

TEST_F(RegistrationTest, NeverRegistersANameTwice)
{
    open();
    // Windows file names ignore letter case, so TARO would be hana's files too.
    for (const QString name : {QStringLiteral("hana"), QStringLiteral("HANA")}) {
        fill(name, QStringLiteral("new"));
        pressOK();
        expectRefused(QStringLiteral("そのなまえはもうつかわれています"), name, QStringLiteral("new"));
        EXPECT_EQ(readFile(QStringLiteral("user/hana.pwd")), QByteArray("hana\r\n"));
    }
}

TEST_F(RegistrationTest, RefusesNamesThatCannotBeFileNames)
{
    open();
    const QString unusable = QStringLiteral("そのなまえはつかえません");
    for (const QString name :
         {QStringLiteral("../taro"), QStringLiteral("a/b"), QStringLiteral("a\\b"),
          QStringLiteral("ta\tro"), QStringLiteral("たろう🐱")}) {
        fill(name, QStringLiteral("Abc"));
        pressOK();
        expectRefused(unusable, name, QStringLiteral("Abc"));
    }
    EXPECT_EQ(QDir(path(QString())).entryList(QDir::Files), QStringList());
}

TEST_F(RegistrationTest, RefusesAPasswordTheFilesCannotHold)
{
    open();
    for (const QString password : {QStringLiteral("🐱"), QStringLiteral("ab🐱c")}) {
        fill(QStringLiteral("taro"), password);
        pressOK();
        expectRefused(QStringLiteral("そのパスワードはつかえません"), QStringLiteral("taro"), password);
    }
    // Kanji, full-width digits and "～" are the files' own characters.
    fill(QStringLiteral("たろう"), QStringLiteral("ひみつ～１２３"));
    pressOK();
    EXPECT_TRUE(warningTexts().isEmpty());
    EXPECT_EQ(readFile(QStringLiteral("user/たろう.pwd")).toHex(),
              QByteArray("82d082dd82c281608250825182520d0a"));
}

TEST_F(RegistrationTest, AFailurePartWayLeavesNoTrace)
{
    // Something already lies where taro's times-table history belongs.
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("user/taro.kzd"))));
    open();
    fill(QStringLiteral("taro"), QStringLiteral("Abc"));
    pressOK();

    expectFailedOn(QStringLiteral("user\\taro.kzd"), {"hana.pwd", "taro.kzd"});

    // Once the way is clear the same OK registers taro.
    ASSERT_TRUE(QDir().rmdir(path(QStringLiteral("user/taro.kzd"))));
    pressOK();
    EXPECT_EQ(listedUsers(), (QStringList{"hana", "taro"}));
    EXPECT_EQ(userEntries().size(), 14);
    EXPECT_FALSE(dialog().isVisible());
}

// A game folder without its user folder cannot register: the file that
// cannot be made is reported, and no folder is made.
TEST_F(RegistrationTest, AMissingUserFolderIsReported)
{
    ASSERT_TRUE(QDir(path(QStringLiteral("user"))).removeRecursively());
    open();
    fill(QStringLiteral("taro"), QStringLiteral("Abc"));
    pressOK();
    expectFailedOn(QStringLiteral("user\\taro.pwd"), {});
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("user"))));
}

TEST_F(RegistrationTest, CancelKeepsTheTextAndEnterOrEscapeDoNothing)
{
    open();
    fill(QStringLiteral("taro"), QStringLiteral("Abc"));
    // Neither button is pressed by a key.
    QTest::keyClick(passwordField(), Qt::Key_Return);
    QTest::keyClick(nameField(), Qt::Key_Escape);
    settle();
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(userEntries(), QStringList{"hana.pwd"});

    QTest::mouseClick(part<QPushButton>(&dialog(), "Button2"), Qt::LeftButton);
    settle();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(userEntries(), QStringList{"hana.pwd"});
    EXPECT_EQ(listedUsers(), QStringList{"hana"});

    open();
    EXPECT_EQ(nameField()->text(), QStringLiteral("taro"));
    EXPECT_EQ(passwordField()->text(), QStringLiteral("Abc"));
    EXPECT_TRUE(warningTexts().isEmpty());
}
