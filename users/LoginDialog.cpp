#include "users/LoginDialog.h"

#include "ui/Services.h"
#include "ui/Widgets.h"
#include "users/Cp932.h"
#include "users/Session.h"

#include <QKeyEvent>

LoginDialog::LoginDialog(GameStage &stage, users::Session &session)
    : GameWindow(stage, Kind::Dialog, QSize(245, 172), QColor(ui::Pink)),
      m_session(session),
      Label4(ui::label(this, "Label4", QStringLiteral("パスワードをいれてね"), {64, 8}, ui::font(16))),
      Label2(ui::label(this, "Label2", QStringLiteral("なまえ"), {8, 24}, ui::font(21, ui::Bold))),
      Label3(ui::label(this, "Label3", QString(), {8, 56}, ui::font(21, ui::Bold))),
      Label1(ui::label(this, "Label1", QStringLiteral("パスワードの入力 :"), {8, 89}, ui::font(12))),
      Password(ui::edit(this, "Password", {8, 107, 217, 20})),
      OKBtn(ui::button(this, "OKBtn", QStringLiteral("OK"), {30, 139, 75, 25})),
      CancelBtn(ui::button(this, "CancelBtn", QStringLiteral("キャンセル"), {150, 139, 75, 25}))
{
    setObjectName(QStringLiteral("PasswordDlg"));
    Password->setEchoMode(QLineEdit::Password);
    Password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));

    on(OKBtn, &QPushButton::clicked, &LoginDialog::OKBtnClick);
    on(CancelBtn, &QPushButton::clicked, &LoginDialog::CancelBtnClick);
}

void LoginDialog::AskPassword(const QString &name)
{
    Label3->setText(name);
    openWindow();
}

QWidget *LoginDialog::focusControl() const
{
    return Password;
}

void LoginDialog::OKBtnClick()
{
    const QString name = Label3->text();
    const QString stored = m_session.files.readPassword(name);
    // Letter case counts; an empty password matches only an empty stored
    // line. The typed text is compared as its file would keep it.
    if (users::Cp932::windowsForm(Password->text()) != stored) {
        services().dialogs.warn(QStringLiteral("警告"), QStringLiteral("パスワードがちがいます"));
        Password->clear();
        return;
    }
    m_session.UserName = name;
    m_session.PasswordStamp = m_session.files.passwordStamp(name);
    Password->clear();
    closeWindow();
    emit loggedIn();
}

void LoginDialog::CancelBtnClick()
{
    closeWindow();
    emit cancelled();
}

void LoginDialog::FormClose()
{
    Password->clear();
}

void LoginDialog::keyPressEvent(QKeyEvent *event)
{
    // OK is the default button and キャンセル the cancel button. A button that
    // has the keyboard is pressed by Enter itself.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        (CancelBtn->hasFocus() ? CancelBtn : OKBtn)->click();
        return;
    case Qt::Key_Escape:
        CancelBtn->click();
        return;
    default:
        GameWindow::keyPressEvent(event);
    }
}
