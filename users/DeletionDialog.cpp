#include "users/DeletionDialog.h"

#include "app/MainMenu.h"
#include "app/WindowSet.h"
#include "app/Widgets.h"

TForm16::TForm16(WindowSet &windows)
    : GameForm(windows, Kind::Dialog, QSize(482, 108), QColor(ui::Pink)),
      Label1(ui::label(this, "Label1", QString(), {32, 32}, ui::font(19, ui::Bold))),
      Button1(ui::button(this, "Button1", QStringLiteral("OK"), {152, 80, 75, 25})),
      Button2(ui::button(this, "Button2", QStringLiteral("キャンセル"), {232, 80, 75, 25}))
{
    setObjectName(QStringLiteral("Form16"));
    on(Button1, &QPushButton::clicked, &TForm16::Button1Click);
    on(Button2, &QPushButton::clicked, &TForm16::Button2Click);
}

void TForm16::FormActivate()
{
    Label1->setText(windows().userName() + QStringLiteral("さんのデータを削除しますか？"));
}

void TForm16::FormClose()
{
    Label1->setText(QString());
}

void TForm16::Button1Click()
{
    // UserName keeps the deleted name: every button that would use it is greyed below.
    windows().userFiles().deleteFileSet(windows().userName());
    TForm1 &menu = windows().form1();
    menu.FillUserList();
    menu.EnableUserPanels(false);
    Close();
}

void TForm16::Button2Click()
{
    Close();
}
