#include "users/RegistrationDialog.h"

#include "ui/Services.h"
#include "ui/Widgets.h"
#include "users/Session.h"

RegistrationDialog::RegistrationDialog(GameStage &stage, users::Session &session)
    : GameWindow(stage, Kind::Dialog, QSize(287, 187), QColor(ui::Pink)),
      m_session(session),
      Label4(ui::label(this, "Label4", QStringLiteral("なまえとパスワードの登録"), {24, 8}, ui::font(16, ui::Bold))),
      Label1(ui::label(this, "Label1", QStringLiteral("なまえ"), {40, 56}, ui::font(19, ui::Bold))),
      Edit1(ui::edit(this, "Edit1", {144, 56, 121, 20})),
      Label3(ui::label(this, "Label3", QStringLiteral("パスワード"), {32, 104}, ui::font(21, ui::Bold))),
      Edit3(ui::edit(this, "Edit3", {144, 104, 121, 20})),
      Button1(ui::button(this, "Button1", QStringLiteral("OK"), {48, 144, 75, 25})),
      Button2(ui::button(this, "Button2", QStringLiteral("キャンセル"), {152, 144, 75, 25}))
{
    setObjectName(QStringLiteral("Form10"));
    // Passwords are typed as plain keyboard characters, without the Japanese input method.
    Edit3->setAttribute(Qt::WA_InputMethodEnabled, false);
    Edit3->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);

    on(Button1, &QPushButton::clicked, &RegistrationDialog::Button1Click);
    on(Button2, &QPushButton::clicked, &RegistrationDialog::Button2Click);
}

QWidget *RegistrationDialog::focusControl() const
{
    return Edit1;
}

QString RegistrationDialog::RefusalMessage(users::Refusal refusal)
{
    switch (refusal) {
    case users::Refusal::None:
        break;
    case users::Refusal::Taken:
        return QStringLiteral("そのなまえはもうつかわれています");
    case users::Refusal::UnusableName:
        return QStringLiteral("そのなまえはつかえません");
    case users::Refusal::UnusablePassword:
        return QStringLiteral("そのパスワードはつかえません");
    }
    return {};
}

void RegistrationDialog::Button1Click()
{
    const QString name = Edit1->text();
    const QString password = Edit3->text();
    // A name or password of spaces only is not empty and may be registered.
    if (name.isEmpty() || password.isEmpty()) {
        services().dialogs.warn(QStringLiteral("警告"), QStringLiteral("なまえとパスワードをいれてください"));
        return;
    }
    const QString refusal = RefusalMessage(m_session.files.checkRegistration(name, password));
    if (!refusal.isEmpty()) {
        services().dialogs.warn(QStringLiteral("警告"), refusal);
        return;
    }
    // Only a child whose files all exist joins the list: a failure here
    // leaves no file behind and ends the handler before the list changes.
    emit registered(m_session.files.createFileSet(name, password));
    Edit1->clear();
    Edit3->clear();
    closeWindow();
}

void RegistrationDialog::Button2Click()
{
    // The typed texts stay for the next opening.
    closeWindow();
}
