#include "drills/mental/MentalDivisionMenu.h"

#include "ui/Widgets.h"

namespace {

const MentalMenuLayout Layout{
    .objectName = "Form23",
    .drill = Drill::MentalDivision,
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
    .title = QStringLiteral("わりあんざんだよ"),
    .titleAtCreation = false,
};

} // namespace

MentalDivisionMenu::MentalDivisionMenu(GameStage &stage, users::Session &session)
    : MentalMenu(stage, session, Layout)
{
}
