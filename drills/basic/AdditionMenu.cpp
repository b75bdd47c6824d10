#include "drills/basic/AdditionMenu.h"

#include "ui/Widgets.h"

namespace {
const QString Title = QStringLiteral("たしざんだよ");
const QString Level = QStringLiteral("れべる");
} // namespace

AdditionMenu::AdditionMenu(GameStage &stage, users::Session &session)
    : InTurnMenu(stage, session, Drill::Addition),
      Image2(ui::picture(this, "Image2", {144, 64, 265, 289})),
      Image1(ui::picture(this, "Image1", {352, 72, 273, 305})),
      Label1(ui::link(this, "Label1", QStringLiteral("れべる１"), {56, 88}, 24)),
      Label3(ui::link(this, "Label3", QStringLiteral("れべる２"), {56, 168}, 24)),
      Label4(ui::link(this, "Label4", QStringLiteral("れべる３"), {56, 248}, 24)),
      Label2(ui::link(this, "Label2", QStringLiteral("もどる"), {56, 320}, 24, ui::Black)),
      Label5(ui::label(this, "Label5", QString(), {248, 88}, ui::font(24, ui::Bold))),
      Label6(ui::label(this, "Label6", QString(), {251, 160}, ui::font(24, ui::Bold)))
{
    setObjectName(QStringLiteral("Form8"));
    setEntries({Label1, Label3, Label4});
    // The balloon's first text wraps inside the balloon.
    Label5->setWordWrap(true);
    Label5->setFixedTextWidth(100);

    on(Label1, &GameLabel::clicked, &AdditionMenu::Label1Click);
    on(Label3, &GameLabel::clicked, &AdditionMenu::Label3Click);
    on(Label4, &GameLabel::clicked, &AdditionMenu::Label4Click);
    on(Label2, &GameLabel::clicked, &AdditionMenu::Label2Click);
    on(Label1, &GameLabel::mouseMoved, &AdditionMenu::Label1MouseMove);
    on(Label3, &GameLabel::mouseMoved, &AdditionMenu::Label3MouseMove);
    on(Label4, &GameLabel::mouseMoved, &AdditionMenu::Label4MouseMove);
    on(Label2, &GameLabel::mouseMoved, &AdditionMenu::Label2MouseMove);
}

void AdditionMenu::FormCreate()
{
    Place();
    loadPicture(Image2, QStringLiteral("Graphics\\f2.BMP"));
    loadPicture(Image1, QStringLiteral("Graphics\\ＺＵＫ　天使.BMP"));
    Label5->setText(Title);
}

void AdditionMenu::FormClose()
{
    SetBalloon(QString(), QString());
}

void AdditionMenu::SetBalloon(const QString &first, const QString &second)
{
    Label5->setText(first);
    Label6->setText(second);
}

void AdditionMenu::Label1Click() { StartLevel(1); }
void AdditionMenu::Label3Click() { StartLevel(2); }
void AdditionMenu::Label4Click() { StartLevel(3); }
void AdditionMenu::Label2Click() { closeWindow(); }

void AdditionMenu::FormMouseMove() { SetBalloon(Title, QString()); }
void AdditionMenu::Label1MouseMove() { SetBalloon(Level, QStringLiteral("１")); }
void AdditionMenu::Label3MouseMove() { SetBalloon(Level, QStringLiteral("２")); }
void AdditionMenu::Label4MouseMove() { SetBalloon(Level, QStringLiteral("３")); }
void AdditionMenu::Label2MouseMove() { SetBalloon(QStringLiteral("最初にもどる"), QString()); }
