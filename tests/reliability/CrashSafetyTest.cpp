// A game killed at any moment of recording a round, as a power cut or the
// desktop's "force quit" would end it, leaves every file of the child whole.

#include "RecordLine.h"
#include "RoundScript.h"

#include "TemporaryGameFolder.h"

#include "ui/GamePaths.h"
#include "ui/IoError.h"
#include "users/Cp932.h"
#include "users/RecordsModel.h"
#include "users/UserFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <chrono>
#include <random>
#include <thread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <ctime>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;
#else
#include <QFileInfo>

#include <windows.h>
#endif

namespace {

using reliability::Child;

class CrashSafetyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        files.createFileSet(QString::fromLatin1(Child), QStringLiteral("pw"));
    }

    QByteArray bytes(const QString &ext) const
    {
        QFile file(m_folder.filePath(QStringLiteral("user/") + QLatin1String(Child) + ext));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void put(const QString &ext, const QByteArray &content) const
    {
        QFile file(m_folder.filePath(QStringLiteral("user/") + QLatin1String(Child) + ext));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    QStringList temporaries() const
    {
        return QDir(m_folder.filePath(QStringLiteral("user")))
            .entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden);
    }

    TemporaryGameFolder m_folder;
    GameFolder game{m_folder.path()};
    users::UserFiles files{game};
};

} // namespace

namespace {

// A recorder of rounds in a process of its own, started with the folder and
// the number of rounds (none: until it is killed), and killed as a power cut
// would end it: SIGKILL, or TerminateProcess on Windows.
class RecorderProcess
{
public:
    RecorderProcess(const QString &folder, const char *rounds)
    {
#ifdef Q_OS_UNIX
        const QByteArray name = QFile::encodeName(folder);
        char *argv[] = {const_cast<char *>(ROUND_RECORDER), const_cast<char *>(name.constData()),
                        const_cast<char *>(rounds), nullptr};
        EXPECT_EQ(posix_spawn(&m_child, ROUND_RECORDER, nullptr, nullptr, argv, environ), 0);
#else
        QString command = QStringLiteral("\"%1\" \"%2\"")
            .arg(QDir::toNativeSeparators(QFileInfo(QStringLiteral(ROUND_RECORDER)).absoluteFilePath()),
                 QDir::toNativeSeparators(folder));
        if (rounds)
            command += QLatin1Char(' ') + QLatin1String(rounds);
        std::wstring line = command.toStdWString();
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        EXPECT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        CloseHandle(process.hThread);
        m_child = process.hProcess;
#endif
    }
    RecorderProcess(const RecorderProcess &) = delete;
    RecorderProcess &operator=(const RecorderProcess &) = delete;
    ~RecorderProcess()
    {
#ifdef Q_OS_WIN
        if (m_child)
            CloseHandle(m_child);
#endif
    }

    // Waits for its end: true when it ended by itself with success.
    bool succeeds()
    {
#ifdef Q_OS_UNIX
        int status = 0;
        return waitpid(m_child, &status, 0) == m_child && WIFEXITED(status)
            && WEXITSTATUS(status) == 0;
#else
        DWORD code = 1;
        return WaitForSingleObject(m_child, INFINITE) == WAIT_OBJECT_0
            && GetExitCodeProcess(m_child, &code) && code == 0;
#endif
    }
    // Kills it and waits for its end: true when the kill ended it.
    bool killed()
    {
#ifdef Q_OS_UNIX
        ::kill(m_child, SIGKILL);
        int status = 0;
        return waitpid(m_child, &status, 0) == m_child && WIFSIGNALED(status);
#else
        TerminateProcess(m_child, KilledCode);
        DWORD code = 0;
        return WaitForSingleObject(m_child, INFINITE) == WAIT_OBJECT_0
            && GetExitCodeProcess(m_child, &code) && code == KilledCode;
#endif
    }

private:
#ifdef Q_OS_UNIX
    pid_t m_child = 0;
#else
    static constexpr UINT KilledCode = 137;
    HANDLE m_child = nullptr;
#endif
};

// Microseconds of a steady clock.
long microseconds()
{
    return long(std::chrono::duration_cast<std::chrono::microseconds>(
                    std::chrono::steady_clock::now().time_since_epoch())
                    .count());
}

} // namespace

// Hundreds of games killed (SIGKILL; TerminateProcess on Windows) at random
// moments while they record rounds of every drill, with their answers in the
// child's memory. After each kill the memory reads whole, every progress
// file holds the
// values of one moment whole, the history holds the lines of that moment or
// lacks the last one (a kill between the progress file's replacement and the
// history line's append), every history line is whole, and a temporary file
// of the killed game goes when the next game lists its children at its start.
TEST_F(CrashSafetyTest, KillsAtRandomMomentsLeaveEveryFileWhole)
{
#ifdef Q_OS_UNIX
    constexpr int Kills = 300;
#else
    // A process takes far longer to start under Windows (and Wine).
    constexpr int Kills = 100;
#endif
    // A kill falls anywhere in the first six rounds, as long as they take on
    // this machine now (at most 20 ms of them, so that a busy disk does not
    // make the test slow), after the program's start, which is timed apart
    // as it takes many times longer in a sanitizer build.
    constexpr int CalibrationRounds = 6;
    const auto runTime = [&](int rounds) {
        const long start = microseconds();
        RecorderProcess calibration(m_folder.path(), std::to_string(rounds).c_str());
        EXPECT_TRUE(calibration.succeeds());
        return microseconds() - start;
    };
    const long startUp = runTime(0);
    const long window = std::clamp(runTime(CalibrationRounds) - startUp, 1000L, 20000L);
    ASSERT_FALSE(HasFailure());

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delayMicroseconds(startUp * 3 / 4, startUp + window);

    const QByteArray roundLine = users::Cp932::encode(QString::fromUtf8(reliability::RoundLine)) + "\r\n";
    std::map<Drill, int> lostLines; // history lines lost so far, by drill
    int temporariesLeft = 0;
    for (int kill = 0; kill < Kills && !HasFailure(); ++kill) {
        SCOPED_TRACE(testing::Message() << "kill " << kill);
        RecorderProcess child(m_folder.path(), nullptr);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ASSERT_TRUE(child.killed()) << "the recorder ended by itself";

        int newlyLost = 0;
        for (const DrillInfo &m : allDrills()) {
            SCOPED_TRACE(m.progressExt.toString().toStdString());
            const users::Progress read = files.readProgress(QString::fromLatin1(Child), m.drill);
            EXPECT_EQ(bytes(m.progressExt.toString()),
                      users::progressContent(reliability::progressAt(m.drill, read.historyLines)));
            const QList<QByteArray> history = bytes(m.historyExt.toString()).split('\n');
            ASSERT_TRUE(history.back().isEmpty()) << "a cut-off last line";
            const int lines = int(history.size()) - 1;
            for (int i = 1; i < lines; ++i)
                ASSERT_EQ(history[i] + '\n', roundLine) << "line " << i + 1;
            const int lost = read.historyLines - lines;
            EXPECT_GE(lost, lostLines[m.drill]);
            newlyLost += lost - lostLines[m.drill];
            lostLines[m.drill] = lost;
        }
        EXPECT_LE(newlyLost, 1) << "one kill ends one round";
        EXPECT_NO_THROW(files.readMemory(QString::fromLatin1(Child))) << "the memory is the old or the new one";
        const qsizetype temporaries = this->temporaries().size();
        EXPECT_LE(temporaries, 1) << "the next game removes what the last one left";
        temporariesLeft += int(temporaries);
    }
    files.listUsers();
    EXPECT_EQ(temporaries(), QStringList());

    int rounds = 0, lost = 0;
    for (const DrillInfo &m : allDrills()) {
        rounds += files.readProgress(QString::fromLatin1(Child), m.drill).historyLines - 1;
        lost += lostLines[m.drill];
    }
    EXPECT_GT(rounds - CalibrationRounds, Kills / 10) << "the kills fell among rounds";
    std::printf("%d kills, %d rounds recorded, %d temporary files left by a kill, %d history lines lost\n",
                Kills, rounds, temporariesLeft, lost);
}

// The one moment the kills from outside all but never hit, between the
// progress file's replacement and the history line's append, made here by
// writing the progress file as that moment leaves it. Line 1 is then one
// ahead of the history: the records show every round there is, as many rows
// as before, and the next round counts on from line 1.
TEST_F(CrashSafetyTest, ACountOneAheadOfTheHistoryShowsEveryRoundAndRoundsGoOn)
{
    const QString child = QString::fromLatin1(Child);
    const auto round = [&] { files.recordRound(child, Drill::MentalTimes, judged(nullptr, QStringLiteral("r"))); };
    const auto rows = [&] {
        const users::Records records = files.readRecords(child, Drill::MentalTimes);
        return std::pair(records.lines.mid(1), users::recordsRowCount(records.count, records.lines.size()));
    };
    round();
    round();
    const auto before = rows();
    put(QStringLiteral(".kak"), "4\r\n" + QByteArray("0\r\n").repeated(20));

    EXPECT_EQ(files.readProgress(child, Drill::MentalTimes).historyLines, 4);
    EXPECT_EQ(rows(), before);
    round();
    EXPECT_EQ(files.readProgress(child, Drill::MentalTimes).historyLines, 5);
    EXPECT_EQ(rows(), std::pair(QStringList{"r", "r", "r"}, 5));
}

#ifdef Q_OS_UNIX
namespace {

// Runs a program to its end; its exit status, or -1.
int run(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

// Two games recording rounds of one child into one folder at once, as two
// computers on a shared folder would (and, where the system allows it, in
// two process namespaces, which see each other as two computers see each
// other): no round is lost, every progress file agrees with its history.
TEST_F(CrashSafetyTest, TwoGamesRecordingTogetherLoseNoRound)
{
    constexpr int Rounds = 300;
    const std::string folder = QFile::encodeName(m_folder.path()).toStdString();
    const bool namespaces = run({"unshare", "--pid", "--fork", "true"}) == 0;
    const std::vector<std::string> second =
        namespaces ? std::vector<std::string>{"unshare", "--pid", "--fork", ROUND_RECORDER, folder,
                                              std::to_string(Rounds)}
                   : std::vector<std::string>{ROUND_RECORDER, folder, std::to_string(Rounds)};
    pid_t first = 0;
    {
        const std::string rounds = std::to_string(Rounds);
        char *argv[] = {const_cast<char *>(ROUND_RECORDER), const_cast<char *>(folder.c_str()),
                        const_cast<char *>(rounds.c_str()), nullptr};
        ASSERT_EQ(posix_spawn(&first, ROUND_RECORDER, nullptr, nullptr, argv, environ), 0);
    }
    EXPECT_EQ(run(second), 0);
    int status = 0;
    ASSERT_EQ(waitpid(first, &status, 0), first);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    int recorded = 0, lost = 0;
    for (const DrillInfo &m : allDrills()) {
        SCOPED_TRACE(m.progressExt.toString().toStdString());
        const users::Progress read = files.readProgress(QString::fromLatin1(Child), m.drill);
        const int lines = int(bytes(m.historyExt.toString()).count('\n'));
        EXPECT_EQ(read.historyLines, lines);
        EXPECT_EQ(bytes(m.progressExt.toString()),
                  users::progressContent(reliability::progressAt(m.drill, read.historyLines)));
        recorded += read.historyLines - 1;
    }
    lost = 2 * Rounds - recorded;
    EXPECT_EQ(lost, 0);
    std::printf("%d rounds ended together by two games%s, %d recorded, %d lost\n", 2 * Rounds,
                namespaces ? " in two process namespaces" : "", recorded, lost);
}

// What reaches the disk, and in which order, as the system calls of a game
// recording a round show them: the new progress file's data is synced before
// it is renamed in, the folder is synced after the rename, and the history
// line is synced after it is appended. Skipped where strace cannot trace.
TEST_F(CrashSafetyTest, ARoundsWritesReachTheDiskInOrder)
{
    const std::string trace = QFile::encodeName(m_folder.filePath(QStringLiteral("trace"))).toStdString();
    const std::string folder = QFile::encodeName(m_folder.path()).toStdString();
    if (run({"strace", "-o", trace, "-f", "-y", "-e", "trace=fsync,fdatasync,rename,renameat,renameat2,write",
             ROUND_RECORDER, folder, "1"}) != 0)
        GTEST_SKIP() << "strace cannot trace here";
    QFile file(QString::fromStdString(trace));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList calls = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const auto first = [&](const auto &matches, qsizetype from = 0) {
        for (qsizetype i = from; i < calls.size(); ++i)
            if (matches(calls[i]))
                return i;
        return qsizetype(-1);
    };
    const QString user = QStringLiteral("/user");
    const qsizetype rename = first([](const QString &c) { return c.contains(QLatin1String("rename")) && c.contains(QLatin1String("taro.tzk")); });
    ASSERT_GE(rename, 0) << calls.join('\n').toStdString();
    const qsizetype dataSync = first([](const QString &c) { return c.contains(QLatin1String("fsync(")) && c.contains(QLatin1String(".tmp>")); });
    EXPECT_GE(dataSync, 0);
    EXPECT_LT(dataSync, rename) << "the new progress is on the disk before it is renamed in";
    const qsizetype folderSync = first([&](const QString &c) { return c.contains(QLatin1String("fsync(")) && c.contains(user + QLatin1String(">)")); }, rename);
    const qsizetype append = first([](const QString &c) { return c.contains(QLatin1String("write(")) && c.contains(QLatin1String("taro.tzd>")); }, rename);
    const qsizetype historySync = first([](const QString &c) { return c.contains(QLatin1String("fsync(")) && c.contains(QLatin1String("taro.tzd>")); }, append);
    EXPECT_GT(folderSync, rename) << "the rename is on the disk";
    EXPECT_LT(folderSync, append) << "before the history line is written";
    EXPECT_GT(append, rename);
    EXPECT_GT(historySync, append) << "the history line is on the disk";
}
#endif

#ifdef Q_OS_UNIX
namespace {

// A small ext4 disk whose image is a file on a second ext4 file system.
// Freezing the outer file system holds every write on its way to the inner
// disk, so a copy of the inner image made while it is frozen is that disk as
// a power cut at that moment leaves it: what the game had forced onto it,
// and whatever else the system had written by then. Needs root and loop
// devices; `ready` tells whether it could be made.
class FreezableDisk
{
public:
    explicit FreezableDisk(const QString &folder)
        : m_outerImage((folder + QStringLiteral("/outer.img")).toStdString()),
          m_outer((folder + QStringLiteral("/outer")).toStdString()),
          m_inner((folder + QStringLiteral("/disk")).toStdString()),
          m_snapshot((folder + QStringLiteral("/snapshot")).toStdString())
    {
        for (const std::string &path : {m_outer, m_inner, m_snapshot})
            QDir().mkpath(QString::fromStdString(path));
        m_outerMounted = geteuid() == 0 && run({"truncate", "-s", "96M", m_outerImage}) == 0
                         && run({"mkfs.ext4", "-q", "-F", m_outerImage}) == 0
                         && run({"mount", "-o", "loop,noatime", m_outerImage, m_outer}) == 0;
        m_innerMounted = m_outerMounted && run({"truncate", "-s", "24M", innerImage()}) == 0
                         && run({"mkfs.ext4", "-q", "-F", innerImage()}) == 0
                         && run({"mount", "-o", "loop,commit=1", innerImage(), m_inner}) == 0;
    }
    ~FreezableDisk()
    {
        if (m_innerMounted)
            run({"umount", m_inner});
        if (m_outerMounted)
            run({"umount", m_outer});
    }

    bool ready() const { return m_innerMounted; }
    QString folder() const { return QString::fromStdString(m_inner); }
    QString snapshotFolder() const { return QString::fromStdString(m_snapshot); }

    // Copies the inner disk as it is now, and lets `whileHeld` look at what
    // the programs writing to it have said so far before any further write
    // reaches it.
    bool cut(const std::function<void()> &whileHeld) const
    {
        if (run({"fsfreeze", "-f", m_outer}) != 0)
            return false;
        const bool copied = run({"cp", innerImage(), snapshotImage()}) == 0;
        whileHeld();
        return run({"fsfreeze", "-u", m_outer}) == 0 && copied;
    }
    // Mounts the copy as the computer starting again mounts its disk (the
    // journal is replayed) and tells whether the file system then needs no
    // repair.
    bool startAgain() const
    {
        return run({"mount", "-o", "loop", snapshotImage(), m_snapshot}) == 0 && run({"umount", m_snapshot}) == 0
               && run({"sh", "-c", "e2fsck -f -n \"$0\" >/dev/null 2>&1", snapshotImage()}) == 0
               && run({"mount", "-o", "loop", snapshotImage(), m_snapshot}) == 0;
    }
    void putAway() const { run({"umount", m_snapshot}); }

private:
    std::string innerImage() const { return m_outer + "/inner.img"; }
    std::string snapshotImage() const { return m_snapshot + ".img"; }

    std::string m_outerImage, m_outer, m_inner, m_snapshot;
    bool m_outerMounted = false, m_innerMounted = false;
};

// A recorder started with --tell, whose reports are read as they come.
class ToldRecorder
{
public:
    explicit ToldRecorder(const std::vector<std::string> &arguments)
    {
        int ends[2];
        if (pipe(ends) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, ends[0]);
        std::vector<char *> argv{const_cast<char *>(ROUND_RECORDER), const_cast<char *>("--tell")};
        for (const std::string &argument : arguments)
            argv.push_back(const_cast<char *>(argument.c_str()));
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, ROUND_RECORDER, &actions, nullptr, argv.data(), environ) != 0)
            m_pid = 0;
        posix_spawn_file_actions_destroy(&actions);
        close(ends[1]);
        m_reports = ends[0];
        fcntl(m_reports, F_SETFL, O_NONBLOCK);
    }
    ~ToldRecorder()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        close(m_reports);
    }
    bool started() const { return m_pid > 0; }
    // The whole lines reported since the last call.
    QList<QByteArray> told()
    {
        char buffer[4096];
        ssize_t n;
        while ((n = read(m_reports, buffer, sizeof buffer)) > 0)
            m_pending.append(buffer, n);
        const qsizetype end = m_pending.lastIndexOf('\n') + 1;
        QList<QByteArray> lines = m_pending.left(end).split('\n');
        lines.removeLast();
        m_pending.remove(0, end);
        return lines;
    }

private:
    pid_t m_pid = 0;
    int m_reports = -1;
    QByteArray m_pending;
};

} // namespace

// Power cuts at random moments while one game records rounds of every drill
// and another registers and deletes children on the same disk. After each
// cut the disk needs no repair; every round the game had finished is there
// (only the one in progress may lack its history line, as after a kill);
// every progress file and history line is whole; every child listed has all
// thirteen files with their first content and its password; and every child
// registered is listed until it is deleted.
TEST_F(CrashSafetyTest, PowerCutsAtRandomMomentsLoseNoFinishedRoundOrChild)
{
    constexpr int Cuts = 60;
    const FreezableDisk disk(m_folder.filePath(QStringLiteral("power")));
    if (!disk.ready())
        GTEST_SKIP() << "a disk to cut the power of needs root and loop devices";
    ASSERT_TRUE(QDir(disk.folder()).mkdir(QStringLiteral("user")));
    users::UserFiles{GameFolder(disk.folder())}.createFileSet(QString::fromLatin1(Child), QStringLiteral("pw"));
    std::map<QString, QByteArray> firstContent; // of a child's drill files, by extension
    for (const DrillInfo &m : allDrills())
        for (const QStringView ext : {m.progressExt, m.historyExt})
            firstContent[ext.toString()] = bytes(ext.toString());

    const std::string folder = QFile::encodeName(disk.folder()).toStdString();
    ToldRecorder rounds({"--rest", folder}), registrar({"--rest", "--register", folder});
    ASSERT_TRUE(rounds.started() && registrar.started());
    long finishedRounds = 0;
    std::set<QString> registered, deleted;

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delayMicroseconds(2000, 60000);
    const QByteArray roundLine = users::Cp932::encode(QString::fromUtf8(reliability::RoundLine)) + "\r\n";
    const users::UserFiles afterCut{GameFolder(disk.snapshotFolder())};
    const auto fileAfterCut = [&](const QString &name, const QString &ext) {
        QFile file(disk.snapshotFolder() + QStringLiteral("/user/") + name + ext);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    };
    int repairs = 0, broken = 0, roundsLost = 0, halfChildren = 0, childrenWrong = 0;
    for (int cut = 0; cut < Cuts && !HasFailure(); ++cut) {
        SCOPED_TRACE(testing::Message() << "cut " << cut);
        const long delay = delayMicroseconds(random);
        const timespec pause{delay / 1000000, delay % 1000000 * 1000};
        nanosleep(&pause, nullptr);
        ASSERT_TRUE(disk.cut([&] {
            for (const QByteArray &line : rounds.told())
                finishedRounds = line.toLong();
            for (const QByteArray &line : registrar.told())
                (line.startsWith('+') ? registered : deleted).insert(reliability::registered(line.mid(1).toLong()));
        }));
        if (!disk.startAgain()) {
            ++repairs;
            disk.putAway();
            continue;
        }
        try {
            for (std::size_t d = 0; d < allDrills().size(); ++d) {
                const DrillInfo &m = allDrills()[d];
                const QString child = QString::fromLatin1(Child);
                const QByteArray progress = fileAfterCut(child, m.progressExt.toString());
                const QList<QByteArray> history = fileAfterCut(child, m.historyExt.toString()).split('\n');
                const int count = afterCut.readProgress(child, m.drill).historyLines;
                broken += progress != users::progressContent(reliability::progressAt(m.drill, count));
                broken += !history.back().isEmpty();
                for (qsizetype i = 1; i + 1 < history.size(); ++i)
                    broken += history[i] + '\n' != roundLine;
                const long finished = (finishedRounds + 5 - long(d)) / 6; // rounds d, d + 6, ...
                roundsLost += int(std::max(0L, finished - long(history.size() - 2)));
            }
            afterCut.readMemory(QString::fromLatin1(Child)); // whole, or it throws
            const QStringList listed = afterCut.listUsers();
            for (const QString &child : listed) {
                if (child == QLatin1String(Child))
                    continue;
                bool whole = afterCut.readPassword(child) == reliability::passwordOf(child.mid(1).toLong());
                for (const auto &[ext, content] : firstContent)
                    whole = whole && fileAfterCut(child, ext) == content;
                halfChildren += !whole;
                if (deleted.count(child)) {
                    ++childrenWrong;
                    ADD_FAILURE() << child.toStdString() << " listed after its deletion";
                }
            }
            // A child is deleted once the third after it is registered.
            for (const QString &child : registered)
                if (!registered.count(reliability::registered(child.mid(1).toLong() + 3)) && !listed.contains(child)) {
                    ++childrenWrong;
                    ADD_FAILURE() << child.toStdString() << " missing after its registration";
                }
        } catch (const IoError &error) {
            ADD_FAILURE() << "after the cut: " << error.what();
        }
        disk.putAway();
    }
    EXPECT_EQ(repairs, 0);
    EXPECT_EQ(broken, 0);
    EXPECT_EQ(roundsLost, 0);
    EXPECT_EQ(halfChildren, 0);
    EXPECT_EQ(childrenWrong, 0);
    EXPECT_GT(finishedRounds, Cuts / 4) << "the cuts fell among rounds";
    EXPECT_GT(registered.size(), std::size_t(Cuts / 4)) << "and registrations";
    std::printf("%d power cuts among %ld rounds and %zu registrations: %d disks needing repair, %d files broken, "
                "%d finished rounds lost, %d children half there, %d children wrongly listed or missing\n",
                Cuts, finishedRounds, registered.size(), repairs, broken, roundsLost, halfChildren, childrenWrong);
}
#endif
