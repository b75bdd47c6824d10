#include "drills/basic/TimesTableMenu.h"

namespace {

const TableMenuLayout Layout{
    .objectName = "Form17",
    .drill = Drill::TimesTable,
    .title = {QStringLiteral("かけざん"), QStringLiteral("大作戦だよ")},
    .entryLeft = 88,
    .entryTops = {24, 64, 104, 144, 184, 224, 264, 300, 340, 378, 420},
    .balloon = {176, 80, 233, 297},
    .balloonPicture = QStringLiteral("Graphics\\f2.BMP"),
    .firstText = {278, 104},
    .secondText = {274, 128},
    .textRight = 397,
    .mascot = {391, 68, 266, 325},
    .mascotPicture = QStringLiteral("Graphics\\ＺＵＫＫＹ　天使.BMP"),
    .backHover = {QStringLiteral("最初に"), QStringLiteral("もどる")},
    .backHoverEmptiesSecond = false,
};

} // namespace

TimesTableMenu::TimesTableMenu(GameStage &stage, users::Session &session)
    : TableMenu(stage, session, Layout)
{
}
