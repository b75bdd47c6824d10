// Records rounds of every drill, one after another, for the child "taro" in
// the game folder given, each followed by its answers in the child's memory, until it is killed or has played the number of
// rounds given. With --register it registers and deletes children instead:
// "k0", "k1", ..., keeping the last three.
// With --tell it writes a line to its standard output as each change is
// done: the number of rounds recorded, "+N" when child kN is registered and
// "-N" when it is deleted. With --rest it rests a few milliseconds after each
// change, as a game between two rounds, so that another game waiting for the
// user folder gets its turn.

#include "RoundScript.h"

#include "users/UserFiles.h"

#include <QString>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

int main(int argc, char **argv)
{
    bool tell = false, registrar = false, rest = false;
    int argument = 1;
    for (; argument < argc && argv[argument][0] == '-'; ++argument) {
        tell |= std::strcmp(argv[argument], "--tell") == 0;
        registrar |= std::strcmp(argv[argument], "--register") == 0;
        rest |= std::strcmp(argv[argument], "--rest") == 0;
    }
    if (argument >= argc) {
        std::fprintf(stderr, "usage: %s [--tell] [--register] [--rest] <game folder> [rounds]\n", argv[0]);
        return 2;
    }
    const users::UserFiles files{GameFolder(QString::fromLocal8Bit(argv[argument]))};
    const long rounds = argument + 1 < argc ? std::strtol(argv[argument + 1], nullptr, 10) : LONG_MAX;
    const auto told = [tell](const char *format, long value) {
        if (tell) {
            std::printf(format, value);
            std::fflush(stdout);
        }
    };
    // The game lists its children first thing at every start.
    files.listUsers();
    for (long i = 0; i < rounds; ++i) {
        if (rest && i > 0)
            usleep(5000);
        if (registrar) {
            files.createFileSet(reliability::registered(i), reliability::passwordOf(i));
            told("+%ld\n", i);
            if (i >= 3) {
                files.deleteFileSet(reliability::registered(i - 3));
                told("-%ld\n", i - 3);
            }
            continue;
        }
        const Drill drill = allDrills()[std::size_t(i % 6)].drill;
        files.recordRound(QString::fromLatin1(reliability::Child), drill, [drill](users::Progress &p) {
            reliability::playRound(drill, p);
            return QString::fromUtf8(reliability::RoundLine);
        });
        // Then what the child's memory learns from the round.
        files.rememberAnswers(QString::fromLatin1(reliability::Child), drill,
                              {{users::facts::sum(int(i % 9) + 1, 3), 1, i % 3 != 0, int(i % 5000)}});
        told("%ld\n", i + 1);
    }
    return 0;
}
