#include "drills/basic/DivisionTableMenu.h"

namespace {

const TableMenuLayout Layout{
    .objectName = "Form19",
    .drill = Drill::DivisionTable,
    .title = {QStringLiteral("わりざん"), QStringLiteral("大作戦だよ")},
    .entryLeft = 80,
    .entryTops = {16, 48, 80, 112, 144, 176, 208, 240, 272, 312, 352, 408},
    .balloon = {168, 48, 273, 313},
    .balloonPicture = QStringLiteral("Graphics\\f2.BMP"),
    .firstText = {272, 80},
    .secondText = {269, 104},
    .textRight = 391,
    .mascot = {312, 40, 281, 353},
    .mascotPicture = QStringLiteral("Graphics\\ピコちゃん　吹き出し.bmp"),
    .backHover = {QStringLiteral("さいしょに"), QStringLiteral("もどる")},
    .backHoverEmptiesSecond = true,
};

} // namespace

DivisionTableMenu::DivisionTableMenu(GameStage &stage, users::Session &session)
    : TableMenu(stage, session, Layout)
{
}
