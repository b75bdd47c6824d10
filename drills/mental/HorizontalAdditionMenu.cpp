#include "drills/mental/HorizontalAdditionMenu.h"

#include "ui/Widgets.h"

HorizontalAdditionMenu::HorizontalAdditionMenu(GameStage &stage)
    : LevelMenu(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::PaleCream))
{
    setObjectName(QStringLiteral("Form25"));
}
