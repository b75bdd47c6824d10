#include "UserFolder.h"

#include "ui/IoError.h"
#include "users/Cp932.h"

using users::Refusal;

namespace {

QByteArray lines(std::initializer_list<const char *> values)
{
    QByteArray out;
    for (const char *v : values)
        out += QByteArray(v) + "\r\n";
    return out;
}

QByteArray progressOf(int levels)
{
    return "1\r\n" + QByteArray("0\r\n").repeated(levels);
}

const QByteArray AdditionHeader = QByteArray::fromHex("838c8378838b2c93fa95742c83898393834e0d0a");
const QByteArray TablesHeader = QByteArray::fromHex("92692c93fa95742c8d8794db0d0a");
const QByteArray MentalHeader =
    QByteArray::fromHex("82ea82d782e92c93fa95742c837c8343839383672c8d8794db0d0a");

} // namespace

using UserFilesTest = UserFolder;

TEST_F(UserFilesTest, CreatesTheThirteenFilesByteForByte)
{
    files.createFileSet(QStringLiteral("taro"), QString::fromUtf8("ひみつ～１２３"));

    const std::pair<const char *, QByteArray> expected[] = {
        {"taro.pwd", QByteArray::fromHex("82d082dd82c28160825082518252") + "\r\n"},
        {"taro.tzk", progressOf(3)},   {"taro.tzd", AdditionHeader},
        {"taro.kzk", progressOf(10)},  {"taro.kzd", TablesHeader},
        {"taro.wzk", progressOf(11)},  {"taro.wzd", TablesHeader},
        {"taro.mzk", progressOf(16)},  {"taro.mzd", MentalHeader},
        {"taro.kak", progressOf(20)},  {"taro.kad", MentalHeader},
        {"taro.wak", progressOf(13)},  {"taro.wad", MentalHeader},
    };
    for (const auto &[file, content] : expected)
        EXPECT_EQ(bytes(file).toHex(), content.toHex()) << file;
    EXPECT_EQ(entries().size(), 13);
}

TEST_F(UserFilesTest, NeverOverwritesAUserAndCleansUpAFailedRegistration)
{
    put("taro.pwd", lines({"old"}));
    EXPECT_EQ(ioErrorOf([&] { files.createFileSet("TARO", "new"); }).left(14),
              QStringLiteral("user\\TARO.pwd:"));
    EXPECT_EQ(entries(), QStringList{"taro.pwd"});
    EXPECT_EQ(bytes("taro.pwd"), lines({"old"}));

    // A folder where hanako's times-table history belongs makes the fourth file fail.
    ASSERT_TRUE(QDir().mkdir(userPath("hanako.kzd")));
    EXPECT_EQ(ioErrorOf([&] { files.createFileSet("hanako", "pw"); }),
              QStringLiteral("user\\hanako.kzd: ファイルを開けません"));
    EXPECT_EQ(entries(), (QStringList{"hanako.kzd", "taro.pwd"}));
}

TEST_F(UserFilesTest, ReadsFilesWrittenOnWindows)
{
    const QString name = QString::fromUtf8("山田太郎１２～");
    const QByteArray encodedName = QByteArray::fromHex("8e52936391be9859825082518160");
    ASSERT_EQ(users::Cp932::encode(name), encodedName);
    files.createFileSet(name, "x");
    put(name + ".pwd", QByteArray::fromHex("82d082dd82c28160825082518252") + "\r\nrest\r\n");
    put(name + ".kak", lines({"2", "0"}));
    put(name + ".kad", MentalHeader + QByteArray::fromHex("8251824f82518253944e82548c8e825093fa81602c826082602c8d878a69") + "\r\n");

    EXPECT_EQ(files.listUsers(), QStringList{name});
    EXPECT_EQ(files.readPassword(name), QString::fromUtf8("ひみつ～１２３"));
    const users::Records records = files.readRecords(name, Drill::MentalTimes);
    EXPECT_EQ(records.count, 2);
    EXPECT_EQ(records.lines, (QStringList{QString::fromUtf8("れべる,日付,ポイント,合否"),
                                          QString::fromUtf8("２０２４年５月１日～,ＡＡ,合格")}));
}

TEST_F(UserFilesTest, PasswordsAreKeptExactlyAsTyped)
{
    const QString typed = QString::fromUtf8("  ｐａｓｓ\t～ ");
    files.createFileSet("taro", typed);
    EXPECT_EQ(files.readPassword("taro"), typed);
    EXPECT_EQ(files.readPassword("TARO"), typed);

    put("taro.pwd", "no line end");
    EXPECT_EQ(files.readPassword("taro"), QStringLiteral("no line end"));
    put("taro.pwd", "");
    EXPECT_EQ(files.readPassword("taro"), QString());
    EXPECT_EQ(ioErrorOf([&] { files.readPassword("jiro"); }),
              QStringLiteral("user\\jiro.pwd: ファイルがありません"));
}

TEST_F(UserFilesTest, ListsEveryPwdEntry)
{
    for (const char *file : {"taro.pwd", "hanako.pwd", ".pwd", "Upper.PWD", "notes.txt", "pwd"})
        put(file, "");
    ASSERT_TRUE(QDir().mkdir(userPath("x.pwd")));

    QStringList sorted = files.listUsers();
    sorted.sort();
    EXPECT_EQ(sorted, (QStringList{"", "Upper", "hanako", "taro", "x"}));

    EXPECT_TRUE(users::UserFiles(game, "missing").listUsers().isEmpty());
}

TEST_F(UserFilesTest, DeletesWhatIsThereAndSkipsTheRest)
{
    files.createFileSet("taro", "a");
    files.createFileSet("hanako", "b");
    for (const char *file : {"taro.tzd", "taro.mzk", "taro.wzk"})
        ASSERT_TRUE(QFile::remove(userPath(file)));
    ASSERT_TRUE(QDir().mkdir(userPath("taro.wzk")));

    files.deleteFileSet("TARO");
    QStringList left = entries();
    left.removeAll("taro.wzk");
    EXPECT_EQ(left.size(), 13);
    EXPECT_TRUE(left.filter("taro").isEmpty());
    EXPECT_EQ(files.listUsers(), QStringList{"hanako"});
}

TEST_F(UserFilesTest, ChecksRegistrations)
{
    put("taro.pwd", "");
    const struct
    {
        const char *name;
        const char *password;
        Refusal refusal;
    } cases[] = {
        {"jiro", "pw", Refusal::None},
        {"   ", "   ", Refusal::None},
        {"山田～", "ひみつ～", Refusal::None},
        {"taro", "pw", Refusal::Taken},
        {"TARO", "pw", Refusal::Taken},
        {"a/b", "pw", Refusal::UnusableName},
        {"a\\b", "pw", Refusal::UnusableName},
        {".", "pw", Refusal::UnusableName},
        {"..", "pw", Refusal::UnusableName},
        {"a\tb", "pw", Refusal::UnusableName},
        {"a\x7f", "pw", Refusal::UnusableName},
        {"😀", "pw", Refusal::UnusableName},
        {"😀", "😀", Refusal::UnusableName},
        {"taro", "😀", Refusal::UnusablePassword},
        {"jiro", "pw\nx", Refusal::UnusablePassword},
        {"jiro", "\tpw", Refusal::None},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(files.checkRegistration(QString::fromUtf8(c.name), QString::fromUtf8(c.password)),
                  c.refusal)
            << c.name << " / " << c.password;
    }
    EXPECT_EQ(entries(), QStringList{"taro.pwd"});
}
