#include "drills/mental/MentalTimesMenu.h"

#include "ui/Widgets.h"

namespace {

const MentalMenuLayout Layout{
    .objectName = "Form9",
    .drill = Drill::MentalTimes,
    .background = ui::Cream,
    .pictures = {},
    .entries = {},
    .entryPixels = 24,
    .backName = "Label0",
    .backPos = {8, 416},
    .backPixels = 24,
    .backColor = ui::Black,
    .backHover = QString(),
    .speechName = "Label00",
    .speechPos = {216, 184},
    .title = QStringLiteral("かけあんざんだよ"),
    .titleAtCreation = false,
};

} // namespace

MentalTimesMenu::MentalTimesMenu(GameStage &stage, users::Session &session)
    : MentalMenu(stage, session, Layout)
{
}
