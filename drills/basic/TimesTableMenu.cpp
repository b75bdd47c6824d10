#include "drills/basic/TimesTableMenu.h"

#include "ui/Widgets.h"

TimesTableMenu::TimesTableMenu(GameStage &stage)
    : LevelMenu(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream))
{
    setObjectName(QStringLiteral("Form17"));
}
