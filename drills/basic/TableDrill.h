#pragma once

#include "drill/DrillWindow.h"
#include "users/DrillTable.h"

class GameLabel;
class TableMenu;

// How a table drill window looks: the shared screen, and its question row
// of two numbers with the sign between them and "＝" after them.
struct TableFace
{
    DrillScreen screen;
    Drill drill;
    QPoint first;
    QString sign;           // "×", "÷"
    QPoint signPlace;
    QPoint second;
    QPoint equals;
    int firstRoom;          // the least width of the first number's box
    int firstDigits;        // the most digits the first number has
};

// What the multiplication-table and division-table drill windows share: the
// question row of their face, and their rounds judged alike (20 right
// answers pass, whatever the wrong count; a pass clears the level in the
// menu at once; every round is recorded).
class TableDrill : public DrillWindow
{
    Q_OBJECT
protected:
    TableDrill(GameStage &stage, const DrillContext &context, const TableFace &face,
               TableMenu &menu);

    // Puts a question's two numbers up, each in a box with room for its
    // most digits, whole in the face's own digits.
    void ShowQuestion(int first, int second);
    void ResetOnClose() override {}

    GameLabel *Label11;  // first factor, dividend
    GameLabel *Label13;  // the sign
    GameLabel *Label12;  // second factor, divisor
    GameLabel *Label14;  // "＝"

private:
    int m_firstRoom;
    int m_firstDigits;
};
