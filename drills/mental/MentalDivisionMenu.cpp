#include "drills/mental/MentalDivisionMenu.h"

#include "ui/Widgets.h"

MentalDivisionMenu::MentalDivisionMenu(GameStage &stage)
    : LevelMenu(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form23"));
}
