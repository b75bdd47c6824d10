#include "users/DeletionDialog.h"

#include "app/Widgets.h"

TForm16::TForm16(WindowSet &windows)
    : GameForm(windows, Kind::Dialog, QSize(482, 108), QColor(ui::Pink))
{
    setObjectName(QStringLiteral("Form16"));
}
