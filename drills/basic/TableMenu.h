#pragma once

#include "drills/basic/InTurnMenu.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

class GameLabel;
class PictureBox;

// How a table menu looks: a column of entries (the tables, then みっくす and
// perhaps あまり), "もどる" under them, a balloon with two texts that tell
// what the pointer is over, and a mascot. The entries are Label1 … LabelN,
// "もどる" is Label(N+1), the balloon texts Label(N+2) and Label(N+3).
struct TableMenuLayout
{
    const char *objectName;      // "Form17"
    Drill drill;
    QStringList title;           // the balloon's text over the background, word by word
    int entryLeft;
    std::vector<int> entryTops;  // N entries, then "もどる"
    QRect balloon;               // Image2
    QString balloonPicture;
    QPoint firstText;
    QPoint secondText;
    int textRight;               // where the balloon's inside ends, on the second text's line
    QRect mascot;                // Image1
    QString mascotPicture;
    QStringList backHover;       // the balloon's text over "もどる", word by word
    bool backHoverEmptiesSecond; // or leaves the second text as it is
};

// The level menu of a table drill: offers each table once the one before it
// is cleared, until it is cleared itself.
class TableMenu : public InTurnMenu
{
    Q_OBJECT
public:
    TableMenu(GameStage &stage, users::Session &session, const TableMenuLayout &layout);

protected:
    void FormCreate() override;
    void FormClose() override;
    void FormMouseMove() override;

private:
    void SetBalloon(const QStringList &first, const QStringList &second);
    void SetFirstText(const QStringList &words);
    void EntryMouseMove(int level);
    void BackClick();
    void BackMouseMove();

    TableMenuLayout m_layout;
    PictureBox *Image2;               // balloon
    PictureBox *Image1;               // mascot
    GameLabel *m_back;
    GameLabel *m_firstText;
    GameLabel *m_secondText;
};
