// Draws every picture and synthesizes every sound of the game into its
// application folder:
//   generate_assets <app folder>                 writes Graphics/*.bmp and sound/*.wav
//   generate_assets --contact-sheet <out.png> [first [count]]  pictures on one sheet, to look at
//   generate_assets --icons <folder>             writes the desktop icon as
//                                                hicolor/<N>x<N>/apps/sujinoshima.png in each size
// In the app folder only Graphics/ and sound/ are written; nothing else there is touched.

#include "Icon.h"
#include "Pictures.h"
#include "Sounds.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        QTextStream(stderr) << "generate_assets: cannot write " << path << "\n";
        return false;
    }
    return true;
}

int generate(const QString &appDir)
{
    const QDir dir(appDir);
    if (!dir.mkpath(QStringLiteral("Graphics")) || !dir.mkpath(QStringLiteral("sound"))) {
        QTextStream(stderr) << "generate_assets: cannot create folders in " << appDir << "\n";
        return 1;
    }
    bool ok = true;
    for (const art::PictureRecipe &recipe : art::allPictures()) {
        const QImage image = art::renderPicture(recipe);
        const QString path = dir.filePath(QStringLiteral("Graphics/") + recipe.fileName);
        if (!image.save(path, "BMP")) {
            QTextStream(stderr) << "generate_assets: cannot write " << path << "\n";
            ok = false;
        }
    }
    for (const art::SoundRecipe &recipe : art::allSounds())
        ok = writeFile(dir.filePath(QStringLiteral("sound/") + recipe.fileName), art::wavFile(recipe.make())) && ok;
    return ok ? 0 : 1;
}

int generateIcons(const QString &folder)
{
    const QDir dir(folder);
    bool ok = true;
    for (int size : art::iconSizes()) {
        const QString sizeFolder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString path = dir.filePath(sizeFolder + QStringLiteral("/sujinoshima.png"));
        if (!dir.mkpath(sizeFolder) || !art::renderIcon(size).save(path, "PNG")) {
            QTextStream(stderr) << "generate_assets: cannot write " << path << "\n";
            ok = false;
        }
    }
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("--contact-sheet")) {
        // optional: the index of the first picture and how many to show
        const int first = args.size() > 3 ? args[3].toInt() : 0;
        const int count = args.size() > 4 ? args[4].toInt() : -1;
        return art::contactSheet(first, count).save(args[2]) ? 0 : 1;
    }
    if (args.size() == 3 && args[1] == QLatin1String("--icons"))
        return generateIcons(args[2]);
    if (args.size() != 2 || args[1].startsWith(QLatin1String("--"))) {
        QTextStream(stderr) << "usage: generate_assets <app folder> | --contact-sheet <out.png> [first [count]]"
                               " | --icons <folder>\n";
        return 2;
    }
    return generate(args[1]);
}
