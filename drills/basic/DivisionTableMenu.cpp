#include "drills/basic/DivisionTableMenu.h"

#include "ui/Widgets.h"

DivisionTableMenu::DivisionTableMenu(GameStage &stage)
    : LevelMenu(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form19"));
}
