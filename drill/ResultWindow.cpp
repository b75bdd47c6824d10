#include "drill/ResultWindow.h"

#include "ui/Widgets.h"

ResultWindow::ResultWindow(GameStage &stage)
    : GameWindow(stage, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
      Image2(ui::picture(this, "Image2", {120, 0, 489, 497})),
      Label2(ui::label(this, "Label2", QString(), {112, 8}, ui::font(43, ui::Bold))),
      Label3(ui::link(this, "Label3", QStringLiteral("もどる"), {8, 384}, 37)),
      // Below the picture's characters, clear of the message and "もどる".
      m_mistakesLink(ui::link(this, "MistakesLink", QStringLiteral("まちがいを みる"), {392, 440}, 29))
{
    setObjectName(QStringLiteral("Form22"));
    on(Label3, &GameLabel::clicked, &ResultWindow::Label3Click);
    m_mistakesLink->hide();
    connect(m_mistakesLink, &GameLabel::clicked, this, &ResultWindow::mistakesAsked);
}

void ResultWindow::Announce(const QString &picture, const QString &message,
                            const std::vector<drill::Mistake> &mistakes)
{
    loadPicture(Image2, picture);
    Label2->setText(message);
    m_mistakes = mistakes;
    m_mistakesLink->setVisible(!mistakes.empty());
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
