#include "app/GameProgram.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    GameProgram game;
    return game.run();
}
