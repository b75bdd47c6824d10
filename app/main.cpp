#include "app/GameProgram.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#ifdef Q_OS_WIN
    // The controls look as they do on Linux, where Qt draws them in Fusion.
    QApplication::setStyle(QStringLiteral("Fusion"));
#endif
    GameProgram game;
    return game.run();
}
