#include "drills/mental/HorizontalAdditionMenu.h"

#include "ui/Widgets.h"

namespace {

const MentalMenuLayout Layout{
    .objectName = "Form25",
    .drill = Drill::HorizontalAddition,
    .background = ui::PaleCream,
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
    .title = QStringLiteral("よこはばくんだよ"),
    .titleAtCreation = false,
};

} // namespace

HorizontalAdditionMenu::HorizontalAdditionMenu(GameStage &stage, users::Session &session)
    : MentalMenu(stage, session, Layout)
{
}
