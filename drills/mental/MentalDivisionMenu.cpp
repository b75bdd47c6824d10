#include "drills/mental/MentalDivisionMenu.h"

#include "drills/mental/MentalDivision.h"
#include "ui/Widgets.h"

namespace {

namespace division = mental::division;

// Three columns of up to six levels, 64 pixels apart. Level 13's entry is
// Label15: Label13 and Label14 are "もどる" and the balloon's text.
std::vector<MentalMenuLayout::Entry> entries()
{
    static const char *const names[division::Levels] = {
        "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7",
        "Label8", "Label9", "Label10", "Label11", "Label12", "Label15"};
    std::vector<MentalMenuLayout::Entry> entries;
    for (int level = 1; level <= division::Levels; ++level) {
        const int column = (level - 1) / 6;
        const int row = (level - 1) % 6;
        entries.push_back({level, names[level - 1], division::level(level).caption(),
                           QPoint(8 + 112 * column, 32 + 64 * row), division::hoverText(level)});
    }
    return entries;
}

const MentalMenuLayout Layout{
    .objectName = "Form23",
    .drill = Drill::MentalDivision,
    .background = ui::Cream,
    // Midori at a loss, then the balloon in front of her.
    .pictures = {{"Image1", {400, 64, 230, 380}, QStringLiteral("Graphics\\みどり　まいった.BMP")},
                 {"Image2", {192, 80, 233, 289}, QStringLiteral("Graphics\\f2.BMP")}},
    .entries = entries(),
    .entryPixels = 24,
    .backName = "Label13",
    .backPos = {8, 416},
    .backPixels = 24,
    .backColor = ui::Black,
    .backHover = QStringLiteral("メニューにもどる"),
    .speechName = "Label14",
    .speechPos = {216, 184},
    .title = QStringLiteral("わりあんざんだよ"),
    .titleAtCreation = false,
};

} // namespace

MentalDivisionMenu::MentalDivisionMenu(GameStage &stage, users::Session &session)
    : MentalMenu(stage, session, Layout)
{
}
