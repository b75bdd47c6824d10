#include "users/DeletionDialog.h"

#include "ui/Widgets.h"
#include "users/Session.h"

DeletionDialog::DeletionDialog(GameStage &stage, users::Session &session)
    : GameWindow(stage, Kind::Dialog, QSize(482, 108), QColor(ui::Pink)),
      m_session(session),
      Label1(ui::label(this, "Label1", QString(), {32, 32}, ui::font(19, ui::Bold))),
      Button1(ui::button(this, "Button1", QStringLiteral("OK"), {152, 80, 75, 25})),
      Button2(ui::button(this, "Button2", QStringLiteral("キャンセル"), {232, 80, 75, 25}))
{
    setObjectName(QStringLiteral("Form16"));
    on(Button1, &QPushButton::clicked, &DeletionDialog::Button1Click);
    on(Button2, &QPushButton::clicked, &DeletionDialog::Button2Click);
}

void DeletionDialog::FormActivate()
{
    Label1->setText(m_session.UserName + QStringLiteral("さんのデータを削除しますか？"));
}

void DeletionDialog::FormClose()
{
    Label1->setText(QString());
}

void DeletionDialog::Button1Click()
{
    // UserName keeps the deleted name: the main menu greys every button that
    // would use it.
    m_session.files.deleteFileSet(m_session.UserName);
    emit deleted();
    closeWindow();
}

void DeletionDialog::Button2Click()
{
    closeWindow();
}
