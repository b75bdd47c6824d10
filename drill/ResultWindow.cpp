#include "drill/ResultWindow.h"

#include "ui/Widgets.h"

ResultWindow::ResultWindow(GameStage &stage)
    : GameWindow(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
      Image2(ui::picture(this, "Image2", {120, 0, 489, 497})),
      Label2(ui::label(this, "Label2", QString(), {112, 8}, ui::font(43, ui::Bold))),
      Label3(ui::link(this, "Label3", QStringLiteral("もどる"), {8, 384}, 37))
{
    setObjectName(QStringLiteral("Form22"));
    on(Label3, &GameLabel::clicked, &ResultWindow::Label3Click);
}

void ResultWindow::Announce(const QString &picture, const QString &message)
{
    loadPicture(Image2, picture);
    Label2->setText(message);
    openWindow();
}

void ResultWindow::FormClose()
{
    // The picture stays until the next announcement replaces it.
    Label2->setText(QString());
}

void ResultWindow::GoBack()
{
    closeWindow();
    emit wentBack();
}

void ResultWindow::Label3Click()
{
    GoBack();
}
