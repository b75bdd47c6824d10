// sujinoshima-report: a class at a glance for a teacher. Reads the
// children's files of a game folder and writes a CSV and, when asked, a
// printable PDF; it never changes, makes or locks a file in the folder.

#include "report/ClassPdf.h"
#include "report/ClassReport.h"
#include "ui/GamePaths.h"
#include "users/InstalledGame.h"
#include "users/UserFiles.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// What a script can rely on.
enum Exit {
    AllRead = 0,
    SomeDamaged = 1,
    BadUsage = 2,
    NoFolder = 3,
    CannotWrite = 4,
};

const char Help[] = R"(つかいかた: sujinoshima-report [FOLDER] [--csv FILE] [--pdf FILE] [--today YYYY-MM-DD]

すうじのしまの こどもの きろくを よんで、クラスの いちらんを つくります。
FOLDER は ゲームの フォルダか、その なかの user フォルダです。
FOLDER が ないときは、インストールした ゲームの きろく
(~/.local/share/sujinoshima/user) を よみます。きろくの ファイルは
かえません（つくらない、かきかえない、ロックしない）。

  --csv FILE         CSV を FILE に かきます（ないときは ひょうじゅん しゅつりょく）
  --pdf FILE         いんさつ できる PDF を FILE に かきます（A4 たて）
  --today YYYY-MM-DD 「きょう」の ひづけ（7日間・30日間を かぞえる ひ）
  -h, --help         この せつめい

CSV は UTF-8（BOM つき）、ぎょうの おわりは CR LF、1ぎょうめは みだしです。
こども ひとりと ドリル ひとつごとに 1ぎょう です。

おわりの ばんごう:
  0 すべて よめました
  1 よめない ファイルが ありました（エラー しゅつりょくに なまえを かきます）
  2 つかいかたが まちがっています
  3 フォルダが ないか、よめません
  4 CSV か PDF が かけません

Usage: sujinoshima-report [FOLDER] [--csv FILE] [--pdf FILE] [--today YYYY-MM-DD]

Reads the children's records of すうじのしま and writes a class summary.
FOLDER is a game folder or the user folder inside one; without it, the
records of the installed game (~/.local/share/sujinoshima/user) are read.
No file in the folder is changed, made or locked.

  --csv FILE         write the CSV to FILE (default: standard output, unless
                     only --pdf is given)
  --pdf FILE         write a printable summary to FILE (A4 portrait): the
                     class table, then one page per child
  --today YYYY-MM-DD the day the last 7 and 30 days count back from
                     (default: the system's date)
  -h, --help         show this help

The CSV is UTF-8 with a byte order mark and CR LF line ends, with a header
row, then one row per child and drill.

Exit status:
  0 every file was read
  1 some child's file is damaged or unreadable (named on standard error;
    its row says so, the others are reported in full)
  2 bad usage
  3 the folder is missing or cannot be read
  4 the CSV or the PDF cannot be written
)";

void say(const QString &text)
{
    std::fputs(qPrintable(QStringLiteral("sujinoshima-report: ") + text + QLatin1Char('\n')), stderr);
}

// Whether a game folder holds a "user" folder, whatever its letter case.
bool holdsUserFolder(const QString &folder)
{
    return QFileInfo(GameFolder(folder).resolve(QStringLiteral("user"))).isDir();
}

// Where the CSV or the PDF goes is never the user folder itself.
bool isInside(const QString &file, const QString &folder)
{
    return QFileInfo(QFileInfo(file).absolutePath()).canonicalFilePath()
           == QFileInfo(folder).canonicalFilePath();
}

} // namespace

int main(int argc, char *argv[])
{
    // The PDF is painted without a screen, as in a terminal over the network.
    bool wantsPdf = false;
    for (int i = 1; i < argc; ++i)
        wantsPdf = wantsPdf || qstrcmp(argv[i], "--pdf") == 0 || qstrncmp(argv[i], "--pdf=", 6) == 0;
    std::unique_ptr<QCoreApplication> app;
    if (wantsPdf) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("sujinoshima-report"));

    QCommandLineParser parser;
    const QCommandLineOption csvOption(QStringLiteral("csv"), {}, QStringLiteral("FILE"));
    const QCommandLineOption pdfOption(QStringLiteral("pdf"), {}, QStringLiteral("FILE"));
    const QCommandLineOption todayOption(QStringLiteral("today"), {}, QStringLiteral("DATE"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({csvOption, pdfOption, todayOption, helpOption});
    if (!parser.parse(QCoreApplication::arguments())) {
        say(parser.errorText() + QStringLiteral(" (--help)"));
        return BadUsage;
    }
    if (parser.isSet(helpOption)) {
        std::fputs(Help, stdout);
        return AllRead;
    }
    const QStringList folders = parser.positionalArguments();
    if (folders.size() > 1) {
        say(QStringLiteral("フォルダは ひとつだけです / one folder only (--help)"));
        return BadUsage;
    }
    QDate today = QDate::currentDate();
    if (parser.isSet(todayOption)) {
        today = QDate::fromString(parser.value(todayOption), Qt::ISODate);
        if (!today.isValid()) {
            say(QStringLiteral("--today YYYY-MM-DD: ") + parser.value(todayOption));
            return BadUsage;
        }
    }

    // A game folder, or the user folder itself; by default the records of
    // the game this program is installed with.
    QString folder = folders.value(0);
    if (folder.isEmpty())
        folder = users::recordsRootOf(QCoreApplication::applicationDirPath(), users::playerDataFolder());
    const QFileInfo given(folder);
    if (!given.isDir() || !given.isReadable() || !given.isExecutable()) {
        say(QStringLiteral("フォルダが ないか、よめません / no readable folder: ") + folder);
        return NoFolder;
    }
    const bool gameFolder = holdsUserFolder(folder);
    const QString root = gameFolder ? folder : given.absolutePath();
    const users::UserFiles files(GameFolder(root), gameFolder ? QStringLiteral("user") : given.fileName());
    const QString userFolder = GameFolder(root).resolve(files.folder());
    const QFileInfo user(userFolder);
    if (!user.isDir() || !user.isReadable() || !user.isExecutable()) {
        say(QStringLiteral("フォルダが ないか、よめません / no readable folder: ") + userFolder);
        return NoFolder;
    }
    for (const QCommandLineOption &option : {csvOption, pdfOption}) {
        if (parser.isSet(option) && isInside(parser.value(option), userFolder)) {
            say(QStringLiteral("きろくの フォルダには かきません / not into the records folder: ")
                + parser.value(option));
            return BadUsage;
        }
    }

    const std::vector<report::ChildReport> children = report::readClass(files, today);
    bool damaged = false;
    for (const report::ChildReport &child : children) {
        QStringList problems;
        for (const report::DrillRow &row : child.drills) {
            if (!row.problem.isEmpty())
                problems << row.problem;
        }
        if (!child.memoryProblem.isEmpty())
            problems << child.memoryProblem;
        for (const QString &problem : std::as_const(problems))
            say(child.name + QStringLiteral(": ") + problem);
        damaged = damaged || !problems.isEmpty();
    }

    const QByteArray csv = report::csvOf(children);
    if (parser.isSet(csvOption)) {
        QFile out(parser.value(csvOption));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(csv) != csv.size()
            || !out.flush()) {
            say(QStringLiteral("CSV を かけません / cannot write: ") + out.fileName());
            return CannotWrite;
        }
    } else if (!parser.isSet(pdfOption)) {
        if (std::fwrite(csv.constData(), 1, std::size_t(csv.size()), stdout) != std::size_t(csv.size())
            || std::fflush(stdout) != 0)
            return CannotWrite;
    }
    if (parser.isSet(pdfOption) && !report::writeClassPdf(parser.value(pdfOption), children, today)) {
        say(QStringLiteral("PDF を かけません / cannot write: ") + parser.value(pdfOption));
        return CannotWrite;
    }
    return damaged ? SomeDamaged : AllRead;
}
