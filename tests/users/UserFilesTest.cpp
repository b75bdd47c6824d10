#include "RecordLine.h"
#include "QtPrinters.h"
#include "UserFolder.h"

#include "ui/IoError.h"
#include "users/Cp932.h"
#include "users/FileReasons.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

#include <cstdio>
#include <functional>
#include <memory>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

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
    // A name in another letter case is another child.
    EXPECT_EQ(ioErrorOf([&] { files.readPassword("TARO"); }), QStringLiteral("user\\TARO.pwd: ファイルがありません"));

    put("taro.pwd", "no line end");
    EXPECT_EQ(files.readPassword("taro"), QStringLiteral("no line end"));
    // An empty file, as a cut-off registration leaves, lets nobody in.
    put("taro.pwd", "");
    EXPECT_EQ(ioErrorOf([&] { files.readPassword("taro"); }), QStringLiteral("user\\taro.pwd: ファイルが空です"));
    put("taro.pwd", "\r\n");
    EXPECT_EQ(files.readPassword("taro"), QString());
    EXPECT_EQ(ioErrorOf([&] { files.readPassword("jiro"); }),
              QStringLiteral("user\\jiro.pwd: ファイルがありません"));
}

TEST_F(UserFilesTest, ListsEveryPwdEntry)
{
    for (const char *file : {"taro.pwd", "hanako.pwd", ".pwd", "Upper.PWD", "notes.txt", "pwd"})
        put(file, "");
    ASSERT_TRUE(QDir().mkdir(userPath("x.pwd")));

    for (const auto &list : {&users::UserFiles::listUsers, &users::UserFiles::readUsers}) {
        QStringList sorted = (files.*list)();
        sorted.sort();
        // A bare ".pwd" names nobody.
        EXPECT_EQ(sorted, (QStringList{"Upper", "hanako", "taro", "x"}));
        EXPECT_TRUE((users::UserFiles(game, "missing").*list)().isEmpty());
    }
}

TEST_F(UserFilesTest, DeletesWhatIsThereAndSkipsTheRest)
{
    files.createFileSet("taro", "a");
    files.createFileSet("hanako", "b");
    for (const char *file : {"taro.tzd", "taro.mzk", "taro.wzk"})
        ASSERT_TRUE(QFile::remove(userPath(file)));
    ASSERT_TRUE(QDir().mkdir(userPath("taro.wzk")));

    files.deleteFileSet("taro");
    QStringList left = entries();
    left.removeAll("taro.wzk");
    EXPECT_EQ(left.size(), 13);
    EXPECT_TRUE(left.filter("taro").isEmpty());
    EXPECT_EQ(files.listUsers(), QStringList{"hanako"});
}

// A round played by a child who was meanwhile deleted, or deleted and
// registered anew under the same name, at another computer sharing the
// folder is refused: it is never written into the new child's files, nor
// does it make files for a child who is gone.
TEST_F(UserFilesTest, ARoundOfAChildDeletedOrRegisteredAnewElsewhereIsRefused)
{
    files.createFileSet("taro", "pw");
    const users::FileStamp loggedIn = files.passwordStamp("taro");
    files.recordRound("taro", Drill::Addition, judged(nullptr, "played"), loggedIn);
    const QString refused = "user\\taro.pwd: " + users::reasons::ChildChanged;

    files.deleteFileSet("taro");
    files.createFileSet("taro", "pw");
    const QByteArray progress = bytes("taro.tzk"), history = bytes("taro.tzd");
    EXPECT_EQ(ioErrorOf([&] { files.recordRound("taro", Drill::Addition, judged(nullptr, "x"), loggedIn); }),
              refused);
    EXPECT_EQ(bytes("taro.tzk"), progress);
    EXPECT_EQ(bytes("taro.tzd"), history);

    files.deleteFileSet("taro");
    EXPECT_EQ(ioErrorOf([&] { files.recordRound("taro", Drill::Addition, judged(nullptr, "x"), loggedIn); }),
              refused);
    EXPECT_EQ(entries(), QStringList{});
}

TEST_F(UserFilesTest, ChecksRegistrations)
{
    put("taro.pwd", "");
    put("ゆう～.pwd", "");
    const struct
    {
        const char *name;
        const char *password;
        Refusal refusal;
    } cases[] = {
        {"jiro", "pw", Refusal::None},
        {"   ", "   ", Refusal::None},
        {"山田～", "ひみつ～", Refusal::None},
        // Typed with an input method, kept as Windows-31J reads them.
        {"山田〜−‖¢£¬—", "ひみつ〜−‖¢£¬—", Refusal::None},
        {"ゆう〜", "pw", Refusal::Taken},
        {"taro", "pw", Refusal::Taken},
        {"TARO", "pw", Refusal::Taken},
        {"a/b", "pw", Refusal::UnusableName},
        {"a\\b", "pw", Refusal::UnusableName},
        {".", "pw", Refusal::None},
        {"..", "pw", Refusal::None},
        {"a\tb", "pw", Refusal::UnusableName},
        {"a\x7f", "pw", Refusal::UnusableName},
        {"😀", "pw", Refusal::UnusableName},
        {"😀", "😀", Refusal::UnusableName},
        {"taro", "😀", Refusal::UnusablePassword},
        {"jiro", "pw\nx", Refusal::UnusablePassword},
        {"jiro", "\tpw", Refusal::None},
        // The longest file name, "<name>.pwd", must fit 255 bytes in UTF-8
        // (as Linux keeps it) and in Windows-31J.
        // A bare ".pwd" would be nobody's.
        {"", "pw", Refusal::UnusableName},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(files.checkRegistration(QString::fromUtf8(c.name), QString::fromUtf8(c.password)),
                  c.refusal)
            << c.name << " / " << c.password;
    }
    const std::pair<QString, Refusal> lengths[] = {
        {QString(251, u'a'), Refusal::None},
        {QString(252, u'a'), Refusal::UnusableName},
        {QString(83, u'あ'), Refusal::None},            // 249 bytes in UTF-8
        {QString(84, u'あ'), Refusal::UnusableName},
        {QString(83, u'ｱ'), Refusal::None},             // one byte in Windows-31J, three in UTF-8
        {QString(84, u'ｱ'), Refusal::UnusableName},
        {QString(83, u'¢'), Refusal::None},             // kept as "￠", three bytes in UTF-8
        {QString(84, u'¢'), Refusal::UnusableName},
    };
    for (const auto &[name, refusal] : lengths)
        EXPECT_EQ(files.checkRegistration(name, "pw"), refusal) << name.size() << " letters";
    EXPECT_EQ(entries(), (QStringList{"taro.pwd", "ゆう～.pwd"}));
}

#ifdef Q_OS_UNIX
// A name planted in the folder (a file made on Linux or unpacked from an
// archive) is never listed, and no path can be formed from it: it cannot
// reach the files beside the user folder. "user\..\canary.pwd" would be the
// game folder's own canary.pwd. The names "." and ".." are children like any
// other, whose files ("..pwd", "...pwd") stay in the folder.
TEST_F(UserFilesTest, PlantedNamesAreNotListedAndReachNothingOutsideTheFolder)
{
    files.createFileSet("taro", "pw");
    const QString gameFolder = QFileInfo(userPath("taro.pwd")).dir().absolutePath() + "/..";
    QStringList canaries;
    for (const QString &ext : {".pwd", ".tzk", ".tzd", ".kak", ".kad"}) {
        QFile canary(gameFolder + "/canary" + ext);
        ASSERT_TRUE(canary.open(QIODevice::WriteOnly));
        canary.write("1\r\n0\r\n0\r\n0\r\n");
        canaries << canary.fileName();
    }
    const auto canaryBytes = [&] {
        QByteArray all;
        for (const QString &path : canaries) {
            QFile f(path);
            all += f.open(QIODevice::ReadOnly) ? f.readAll() : "<gone>";
        }
        return all;
    };
    const QByteArray before = canaryBytes();

    // Raw Windows-31J bytes of 太郎, as a copy from Windows may keep them,
    // are no UTF-8 name: the folder listing does not even show it.
    const QByteArray rawWindowsName = QFile::encodeName(userPath("")) + "\x91\xbe\x98\x59.pwd";
    std::FILE *raw = std::fopen(rawWindowsName.constData(), "w");
    ASSERT_NE(raw, nullptr);
    std::fclose(raw);
    const std::unique_ptr<const char, void (*)(const char *)> removeRaw(
        rawWindowsName.constData(), [](const char *path) { ::unlink(path); });
    for (const char *planted : {"..\\canary", "..\\..\\canary", "a\x01" "b"})
        put(QString::fromUtf8(planted) + ".pwd", "pw\r\n");
    const QStringList entriesBefore = entries();
    ASSERT_EQ(entriesBefore.size(), 13 + 3) << entriesBefore.join(" | ").toStdString();
    EXPECT_EQ(files.listUsers(), QStringList{"taro"});

    for (const QString name : {"..\\canary", "..\\..\\canary", "a/b"}) {
        SCOPED_TRACE(name.toStdString());
        const QString unusable = QStringLiteral(": その名前は使えません");
        EXPECT_TRUE(ioErrorOf([&] { files.readPassword(name); }).endsWith(unusable));
        EXPECT_TRUE(ioErrorOf([&] { files.readProgress(name, Drill::Addition); }).endsWith(unusable));
        EXPECT_TRUE(ioErrorOf([&] { files.recordRound(name, Drill::Addition, judged(nullptr, "x")); }).endsWith(unusable));
        EXPECT_TRUE(ioErrorOf([&] { files.readRecords(name, Drill::MentalTimes); }).endsWith(unusable));
        EXPECT_TRUE(ioErrorOf([&] { files.deleteFileSet(name); }).endsWith(unusable));
        EXPECT_TRUE(ioErrorOf([&] { files.createFileSet(name, "pw"); }).endsWith(unusable));
    }
    EXPECT_EQ(canaryBytes(), before);
    EXPECT_EQ(entries(), entriesBefore);

    for (const QString name : {".", ".."}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(files.createFileSet(name, name), name);
        EXPECT_EQ(files.readPassword(name), name);
        files.recordRound(name, Drill::Addition, judged([](users::Progress &p) { p.setLevel(1, 1); }, "x"));
        EXPECT_EQ(files.readRecords(name, Drill::Addition).lines.size(), 2);
    }
    EXPECT_EQ(bytes("..pwd"), ".\r\n");
    EXPECT_EQ(bytes("...tzk"), "2\r\n1\r\n0\r\n0\r\n");
    EXPECT_EQ(entries().size(), entriesBefore.size() + 2 * 13);
    QStringList listed = files.listUsers();
    listed.sort();
    EXPECT_EQ(listed, (QStringList{".", "..", "taro"}));
    files.deleteFileSet("..");
    files.deleteFileSet(".");
    EXPECT_EQ(entries(), entriesBefore);
    EXPECT_EQ(canaryBytes(), before);

    // A history file planted as a link to a file elsewhere is not written through.
    ASSERT_TRUE(QFile::remove(userPath("taro.tzd")));
    ASSERT_TRUE(QFile::link(gameFolder + "/canary.tzd", userPath("taro.tzd")));
    EXPECT_FALSE(ioErrorOf([&] { files.recordRound("taro", Drill::Addition, judged(nullptr, "x")); }).isEmpty());
    EXPECT_EQ(canaryBytes(), before);
}

// A progress file is replaced through a temporary file of a short name of
// its own; one left by a game that was killed goes when the users are next
// listed (at the next start at the latest), while one of a running game
// stays. In a folder shared by computers, another computer's process cannot
// be asked after: its temporaries stay until they are an hour old.
TEST_F(UserFilesTest, OnlyTheTemporaryFilesOfEndedGamesAreRemoved)
{
    const QString longest(251, u'a');
    files.createFileSet(longest, "pw");
    const QString here = users::computerTag(QSysInfo::machineHostName());
    const QString there = users::computerTag(QStringLiteral("other-pc"));
    const qint64 running = getppid();
    const qint64 ended = 2147483647; // beyond every process number
    const QDateTime now = QDateTime::currentDateTime();
    const struct
    {
        QString file;
        QDateTime written;
        bool stays;
    } cases[] = {
        {users::temporaryName(here, running, 1), now, true},
        {users::temporaryName(here, ended, 2), now, false},
        {users::temporaryName(there, ended, 3), now, true},
        {users::temporaryName(there, running, 4), now.addSecs(-2 * 60 * 60), false},
        {QStringLiteral(".~%1-5.tmp").arg(ended), now, true}, // an earlier game's: no computer
        {QStringLiteral(".~%1-6.tmp").arg(ended), now.addSecs(-2 * 60 * 60), false},
        {QStringLiteral("~1-1.tmp"), now.addSecs(-2 * 60 * 60), true},
        {QStringLiteral(".~x.tmp"), now.addSecs(-2 * 60 * 60), true},
    };
    const auto temporaries = [&] { return entries().filter(QStringLiteral(".tmp")); };
    QStringList staying;
    for (const auto &c : cases) {
        QFile file(userPath(c.file));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.write("1\r\n") == 3 && file.flush());
        ASSERT_TRUE(file.setFileTime(c.written, QFileDevice::FileModificationTime));
        if (c.stays)
            staying << c.file;
    }
    staying.sort();
    // A program that only reads lists the child and leaves every temporary.
    const QStringList all = temporaries();
    EXPECT_EQ(files.readUsers(), QStringList{longest});
    EXPECT_EQ(temporaries(), all);
    EXPECT_EQ(files.listUsers(), QStringList{longest});
    EXPECT_EQ(temporaries(), staying);

    for (const DrillInfo &m : allDrills())
        files.recordRound(longest, m.drill, judged(nullptr, "x"));
    EXPECT_EQ(temporaries(), staying) << "a round leaves no temporary file";
    EXPECT_EQ(entries().size(), 13 + staying.size());
    EXPECT_EQ(files.readProgress(longest, Drill::MentalTimes).historyLines, 2);
}

// Whatever the computer's name, a temporary's name is short and safe in a
// file name on Windows and Linux, and tells computers apart.
TEST(TemporaryNameTest, CarriesASafeShortTagOfTheComputer)
{
    const QString hosts[] = {QStringLiteral("PC-01"), QStringLiteral("pc01.school.local"),
                             QString::fromUtf8("がっこうのパソコン"), QString(300, u'x'),
                             QString(301, u'x'), QString()};
    QStringList tags;
    for (const QString &host : hosts) {
        const QString tag = users::computerTag(host);
        const QString name = users::temporaryName(tag, 2147483647, 2147483647);
        SCOPED_TRACE(name.toStdString());
        EXPECT_LE(name.size(), 64); // ASCII: as many bytes, far below LongestFileName
        for (const QChar c : tag)
            EXPECT_TRUE(c.unicode() < 128 && (c.isLetterOrNumber() || c == u'-'));
        const users::Temporary made = users::temporaryOf(name);
        EXPECT_EQ(made.computer, tag);
        EXPECT_EQ(made.process, 2147483647);
        tags << tag;
    }
    EXPECT_EQ(tags.first(), QStringLiteral("PC-01"));
    tags.removeDuplicates();
    EXPECT_EQ(tags.size(), std::size(hosts));
}
#endif

#ifdef Q_OS_UNIX
// Whatever stands in the folder under a child's file names, the game neither
// waits on it nor follows it out of the folder: a pipe, a folder, a link, a
// huge sparse file, a name that differs only in case, a bare ".pwd".
TEST_F(UserFilesTest, PlantedFilesNeitherHangNorLeadOutsideTheFolder)
{
    files.createFileSet("taro", "pw");
    const QString outside = QFileInfo(userPath("")).dir().absolutePath() + "/../outside";
    {
        QFile file(outside);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1\r\n0\r\n0\r\n0\r\n");
    }
    const auto fifo = [&](const char *file) {
        QFile::remove(userPath(file));
        ASSERT_EQ(::mkfifo(QFile::encodeName(userPath(file)).constData(), 0600), 0);
    };
    const auto link = [&](const char *file, const QString &target) {
        QFile::remove(userPath(file));
        ASSERT_TRUE(QFile::link(target, userPath(file)));
    };
    const QString cannotOpen = QStringLiteral("ファイルを開けません");

    struct Case
    {
        const char *what;
        std::function<void()> plant;
        std::function<void()> act;
        QString error;   // the reason reported, or empty for none
    };
    const std::vector<Case> cases{
        {"a pipe for the password", [&] { fifo("taro.pwd"); }, [&] { files.readPassword("taro"); }, cannotOpen},
        {"a pipe for the progress", [&] { fifo("taro.tzk"); },
         [&] { files.recordRound("taro", Drill::Addition, judged(nullptr, "x")); }, cannotOpen},
        {"a folder for the history", [&] { QFile::remove(userPath("taro.kzd")); QDir().mkdir(userPath("taro.kzd")); },
         [&] { files.recordRound("taro", Drill::TimesTable, judged(nullptr, "x")); }, cannotOpen},
        {"a link out for the progress", [&] { link("taro.wzk", outside); },
         [&] { files.readProgress("taro", Drill::DivisionTable); }, cannotOpen},
        {"a 2 GB sparse history", [&] { ASSERT_TRUE(QFile::resize(userPath("taro.mzd"), qint64(2) << 30)); },
         [&] { files.readRecords("taro", Drill::HorizontalAddition); }, QStringLiteral("ファイルが大きすぎます")},
        {"links planted for a new child's files",
         [&] { link("hanako.kak", outside); link("hanako.kad", outside + ".new"); },
         [&] { files.createFileSet("hanako", "pw2"); }, QString()},
        {"a case twin's password", [&] { put("Taro.pwd", "twin\r\n"); },
         [&] { files.readProgress("Taro", Drill::MentalTimes); }, QStringLiteral("ファイルがありません")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        c.plant();
        if (c.error.isEmpty()) {
            EXPECT_NO_THROW(c.act());
            continue;
        }
        const QString error = ioErrorOf(c.act);
        EXPECT_EQ(error.section(QStringLiteral(": "), 1), c.error) << error.toStdString();
    }
    // Nothing outside was written or made.
    QFile outsideFile(outside);
    ASSERT_TRUE(outsideFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(outsideFile.readAll(), lines({"1", "0", "0", "0"}));
    EXPECT_FALSE(QFileInfo::exists(outside + ".new"));
    EXPECT_TRUE(QFileInfo(userPath("hanako.kak")).isFile() && !QFileInfo(userPath("hanako.kak")).isSymLink());
    // A twin is another child: deleting it leaves the first child's files.
    files.deleteFileSet("Taro");
    EXPECT_TRUE(QFileInfo::exists(userPath("taro.kak")));
    // A ".pwd" alone names nobody.
    put(".pwd", "pw\r\n");
    EXPECT_FALSE(files.listUsers().contains(QString()));
}

// New files are the owner's alone, or the group's too in a folder the group
// writes (a classroom's share), so the next game of the class can replace
// them.
TEST_F(UserFilesTest, NewFilesAreReadableOnlyByWhoMayPlay)
{
    for (const bool shared : {false, true}) {
        SCOPED_TRACE(shared ? "a group's folder" : "a folder of one's own");
        const QString folder = userPath("");
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), shared ? 02775 : 0755), 0);
        const QString name = shared ? QStringLiteral("class") : QStringLiteral("home");
        files.createFileSet(name, "pw");
        files.recordRound(name, Drill::Addition, judged(nullptr, "x"));
        for (const QString ext : {".pwd", ".tzk", ".kad"}) {
            struct stat status {};
            ASSERT_EQ(::stat(QFile::encodeName(userPath(name + ext)).constData(), &status), 0);
            EXPECT_EQ(status.st_mode & 0777, shared ? 0660u : 0600u) << ext.toStdString();
        }
    }
}
#endif
