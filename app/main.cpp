#include "app/SystemServices.h"
#include "app/WindowSet.h"
#include "app/Widgets.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sujinoshima"));
    QApplication::setApplicationDisplayName(QStringLiteral("すうじのしま"));
    // The game finds its pictures, sounds and user files beside itself.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    ui::installFontSubstitutes();

    SystemServices system;
    WindowSet windows(system.services());
    QObject::connect(&windows, &WindowSet::ended, &app, &QCoreApplication::quit);
    windows.start();
    return app.exec();
}
