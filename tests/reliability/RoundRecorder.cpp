// Records rounds of every drill, one after another, for the child "taro" in
// the game folder given, until it is killed or has played the number of
// rounds given.

#include "RoundScript.h"

#include "users/UserFiles.h"

#include <QString>

#include <climits>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <game folder> [rounds]\n", argv[0]);
        return 2;
    }
    const users::UserFiles files{GameFolder(QString::fromLocal8Bit(argv[1]))};
    const long rounds = argc > 2 ? std::strtol(argv[2], nullptr, 10) : LONG_MAX;
    // The game lists its children first thing at every start.
    files.listUsers();
    for (long i = 0; i < rounds; ++i) {
        const Drill drill = allDrills()[std::size_t(i % 6)].drill;
        files.recordRound(QString::fromLatin1(reliability::Child), drill, [drill](users::Progress &p) {
            reliability::playRound(drill, p);
            return QString::fromUtf8(reliability::RoundLine);
        });
    }
    return 0;
}
