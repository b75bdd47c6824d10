#include "drills/mental/MentalTimesMenu.h"

#include "drills/mental/MentalTimes.h"
#include "ui/Widgets.h"

#include <array>

namespace {

constexpr std::array<const char *, mental::times::Levels> EntryNames{
    "Label1",  "Label2",  "Label3",  "Label4",  "Label5",  "Label6",  "Label7",
    "Label8",  "Label9",  "Label10", "Label11", "Label12", "Label13", "Label14",
    "Label15", "Label16", "Label17", "Label18", "Label19", "Label20"};

// Levels 1–10 down the first column, 11–20 down the second, 40 pixels apart.
std::vector<MentalMenuLayout::Entry> entries()
{
    std::vector<MentalMenuLayout::Entry> entries;
    for (int level = 1; level <= mental::times::Levels; ++level) {
        const int column = (level - 1) / 10, row = (level - 1) % 10;
        entries.push_back({level, EntryNames[std::size_t(level - 1)], mental::times::caption(level),
                           QPoint(column == 0 ? 8 : 112, 16 + 40 * row),
                           mental::times::hoverText(level)});
    }
    return entries;
}

const MentalMenuLayout Layout{
    .objectName = "Form9",
    .drill = Drill::MentalTimes,
    .background = ui::Cream,
    // The angel beneath, the balloon with the speech text over it.
    .pictures = {{"Image1", {392, 72, 240, 300}, QStringLiteral("Graphics\\ＺＵＫＫＹ　天使.BMP")},
                 {"Image2", {184, 72, 233, 289}, QStringLiteral("Graphics\\f2.BMP")}},
    .entries = entries(),
    .entryPixels = 21,
    .backName = "Label22",
    .backPos = {8, 424},
    .backPixels = 24,
    .backColor = ui::Black,
    .backHover = QStringLiteral("もどる"),
    .speechName = "Label21",
    .speechPos = {208, 176},
    .title = QStringLiteral("かけあんざんだよ"),
    .titleAtCreation = true,
};

} // namespace

MentalTimesMenu::MentalTimesMenu(GameStage &stage, users::Session &session)
    : MentalMenu(stage, session, Layout)
{
}
