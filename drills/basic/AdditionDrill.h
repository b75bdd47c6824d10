#pragma once

#include "drill/DrillWindow.h"
#include "drills/basic/Addition.h"

class AdditionMenu;
class GameLabel;

// The addition drill window: sums of two one-digit numbers for two minutes,
// then a grade from 10級 to 1級.
class AdditionDrill : public DrillWindow
{
    Q_OBJECT
public:
    AdditionDrill(GameStage &stage, const DrillContext &context, AdditionMenu &menu);

    // The sum on screen.
    const addition::Sum &question() const { return m_question; }

protected:
    void MakeQuestion(bool firstOfRound) override;
    QString ExpectedAnswer() const override;
    drill::Question AskedQuestion() const override;
    bool MakeQuestionOf(const QString &fact) override;
    void ResetOnClose() override;

private:
    void ShowQuestion();

    addition::Sum m_question;
    GameLabel *Label1;   // first addend
    GameLabel *Label2;   // "＋"
    GameLabel *Label3;   // second addend
    GameLabel *Label4;   // "＝"
};
