#pragma once

#include <QPoint>
#include <QRect>
#include <QStringView>

#include <array>
#include <cstddef>

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

// How a drill's rounds are recorded and charted: a grade (10級 … 1級) per
// round, a table passed or not, or points towards a level's pass.
enum class ChartKind { Grades, Tables, Points };

// One row per drill: everything that differs between the drills and that
// the windows beneath the top or the children's files need. A drill's level
// menu and drill window are paired with its row where the windows are made.
struct DrillInfo
{
    Drill drill;
    // The main menu's button.
    const char *menuButton;       // "Panel1"
    QStringView menuCaption;      // "たしざん"
    QRect menuPlace;
    // The records menu's entry.
    const char *recordsEntry;     // "Label1"
    QStringView recordsCaption;   // "たしざんのきろく"
    QPoint recordsPlace;
    QStringView countDownPicture; // the character beside the count-down
    QStringView progressExt;      // ".tzk"
    QStringView historyExt;       // ".tzd"
    int levels;                   // N: the progress file holds N + 1 lines
    int highestLevelValue;        // a level's value once it is passed
    ChartKind chart;
    // The history's word for the last level when it is not its number
    // ("みっくす"), or empty.
    QStringView lastLevelWord;
    int fileOrder;                // where its two files come in a child's set, from 1
    QStringView historyHeader;    // first line of the history file
    QStringView recordsHeader;    // the records table's header row, split like a history line
};

// Every drill, in the order of their numbers, which is also the order of
// their buttons on the main menu and of their entries in the records menu.
inline constexpr auto DrillRows = std::to_array<DrillInfo>({
    {Drill::Addition, "Panel1", u"たしざん", {64, 320, 153, 33},
     "Label1", u"たしざんのきろく", {32, 40}, u"Graphics\\zuk顔3.BMP", u".tzk", u".tzd",
     3, 1, ChartKind::Grades, {}, 1, u"レベル,日付,ランク", u"れべる,ひづけ,らんく"},
    {Drill::TimesTable, "Panel3", u"かけざん大作戦", {256, 320, 153, 33},
     "Label2", u"かけざん大作戦のきろく", {32, 96}, u"Graphics\\zukky顔3.BMP", u".kzk", u".kzd",
     10, 1, ChartKind::Tables, u"みっくす", 2, u"段,日付,合否", u"だん,ひづけ,合否"},
    {Drill::DivisionTable, "Panel5", u"わりざん大作戦", {448, 320, 153, 33},
     "Label3", u"わりざん大作戦のきろく", {32, 152}, u"Graphics\\ピコちゃん顔4.BMP", u".wzk", u".wzd",
     11, 1, ChartKind::Tables, {}, 3, u"段,日付,合否", u"だん,ひづけ,合否"},
    {Drill::HorizontalAddition, "Panel2", u"よこはばくん", {64, 400, 153, 33},
     "Label4", u"よこはばくんのきろく", {32, 208}, u"Graphics\\zuk顔3.BMP", u".mzk", u".mzd",
     16, 5, ChartKind::Points, {}, 6, u"れべる,日付,ポイント,合否", u"れべる,ひづけ,ポイント,合否"},
    {Drill::MentalTimes, "Panel4", u"かけあんざん", {256, 400, 153, 33},
     "Label5", u"かけあんざんのきろく", {32, 264}, u"Graphics\\zukky顔3.BMP", u".kak", u".kad",
     20, 5, ChartKind::Points, {}, 4, u"れべる,日付,ポイント,合否", u"れべる,ひづけ,ポイント,合否"},
    {Drill::MentalDivision, "Panel6", u"わりあんざん", {448, 400, 153, 33},
     "Label6", u"わりあんざんのきろく", {32, 320}, u"Graphics\\みどり顔3.BMP", u".wak", u".wad",
     13, 5, ChartKind::Points, {}, 5, u"れべる,日付,ポイント,合否", u"れべる,ひづけ,ポイント,合否"},
});

inline constexpr std::size_t DrillCount = DrillRows.size();

constexpr int drillNumber(Drill drill)
{
    return int(drill);
}

constexpr const DrillInfo &drillInfo(Drill drill)
{
    return DrillRows[std::size_t(drillNumber(drill) - 1)];
}

inline const std::array<DrillInfo, DrillCount> &allDrills()
{
    return DrillRows;
}
