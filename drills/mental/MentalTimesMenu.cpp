#include "drills/mental/MentalTimesMenu.h"

#include "ui/Widgets.h"

MentalTimesMenu::MentalTimesMenu(GameStage &stage)
    : LevelMenu(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form9"));
}
