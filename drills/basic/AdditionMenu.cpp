#include "drills/basic/AdditionMenu.h"

#include "app/CountDown.h"
#include "app/Services.h"
#include "app/Widgets.h"
#include "app/WindowSet.h"
#include "drills/basic/Addition.h"

namespace {
const QString Title = QStringLiteral("たしざんだよ");
const QString Level = QStringLiteral("れべる");
} // namespace

TForm8::TForm8(WindowSet &windows)
    : GameForm(windows, Kind::FullScreen, QSize(640, 480), QColor(ui::Cream)),
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
    // The balloon's first text wraps inside the balloon.
    Label5->setWordWrap(true);
    Label5->setFixedTextWidth(100);

    on(Label1, &GameLabel::clicked, &TForm8::Label1Click);
    on(Label3, &GameLabel::clicked, &TForm8::Label3Click);
    on(Label4, &GameLabel::clicked, &TForm8::Label4Click);
    on(Label2, &GameLabel::clicked, &TForm8::Label2Click);
    on(Label1, &GameLabel::mouseMoved, &TForm8::Label1MouseMove);
    on(Label3, &GameLabel::mouseMoved, &TForm8::Label3MouseMove);
    on(Label4, &GameLabel::mouseMoved, &TForm8::Label4MouseMove);
    on(Label2, &GameLabel::mouseMoved, &TForm8::Label2MouseMove);
}

void TForm8::FormCreate()
{
    Place();
    Image2->load(QStringLiteral("Graphics\\f2.BMP"));
    Image1->load(QStringLiteral("Graphics\\ＺＵＫ　天使.BMP"));
    Label5->setText(Title);
}

GameLabel *TForm8::levelEntry(int level) const
{
    switch (level) {
    case 1: return Label1;
    case 2: return Label3;
    case 3: return Label4;
    default: return nullptr;
    }
}

void TForm8::FormActivate()
{
    const users::Progress progress =
        windows().userFiles().readProgress(windows().userName(), users::AdditionMode);
    const std::array<bool, 3> offered = addition::offeredLevels(progress.levels);
    for (int level = 1; level <= 3; ++level)
        levelEntry(level)->setEnabled(offered[std::size_t(level - 1)]);
}

void TForm8::LevelCleared(int level)
{
    if (GameLabel *cleared = levelEntry(level))
        cleared->setEnabled(false);
    if (GameLabel *next = levelEntry(level + 1))
        next->setEnabled(true);
}

void TForm8::FormClose()
{
    SetBalloon(QString(), QString());
}

void TForm8::SetBalloon(const QString &first, const QString &second)
{
    Label5->setText(first);
    Label6->setText(second);
}

void TForm8::StartLevel(int level)
{
    SelectedLevel = level;
    TForm13 &countDown = windows().form13();
    countDown.Timer1->setEnabled(true);
    countDown.Show();
}

void TForm8::Label1Click() { StartLevel(1); }
void TForm8::Label3Click() { StartLevel(2); }
void TForm8::Label4Click() { StartLevel(3); }
void TForm8::Label2Click() { Close(); }

void TForm8::FormMouseMove() { SetBalloon(Title, QString()); }
void TForm8::Label1MouseMove() { SetBalloon(Level, QStringLiteral("１")); }
void TForm8::Label3MouseMove() { SetBalloon(Level, QStringLiteral("２")); }
void TForm8::Label4MouseMove() { SetBalloon(Level, QStringLiteral("３")); }
void TForm8::Label2MouseMove() { SetBalloon(QStringLiteral("最初にもどる"), QString()); }
