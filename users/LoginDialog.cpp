#include "users/LoginDialog.h"

#include "app/Widgets.h"

TPasswordDlg::TPasswordDlg(WindowSet &windows)
    : GameForm(windows, Kind::Dialog, QSize(245, 172), QColor(ui::Pink)),
      Label3(ui::label(this, "Label3", QString(), {8, 56}, ui::font(21, ui::Bold)))
{
    setObjectName(QStringLiteral("PasswordDlg"));
}
