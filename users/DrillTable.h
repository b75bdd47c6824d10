#pragma once

#include <QString>

#include <array>

// The six drills of the game. Their numbers are the drill modes the main
// menu has always numbered them by.
enum class Drill {
    Addition = 1,
    TimesTable = 2,
    DivisionTable = 3,
    HorizontalAddition = 4,
    MentalTimes = 5,
    MentalDivision = 6,
};

// One row per drill: everything about a drill that more than one window or
// the children's files need. A drill's level menu and drill window are
// paired with its row where the windows are made.
struct DrillInfo
{
    Drill drill;
    const char *menuButton;       // the main menu's button: "Panel1"
    const char *recordsEntry;     // the records menu's entry: "Label1"
    QString countDownPicture;     // the character beside the count-down
    QString progressExt;          // ".tzk"
    QString historyExt;           // ".tzd"
    int levels;                   // N: the progress file holds N + 1 lines
    QString historyHeader;        // first line of the history file
    QString recordsHeader;        // the records table's header row, split like a history line
};

// Every drill, in the order of their numbers.
const std::array<DrillInfo, 6> &allDrills();

const DrillInfo &drillInfo(Drill drill);

inline int drillNumber(Drill drill)
{
    return int(drill);
}
