#pragma once

#include "drills/basic/TableDrill.h"
#include "drills/basic/Tables.h"

class DivisionTableMenu;
class GameLabel;

// The division-table drill window: exact divisions by one table (or by every
// table in みっくす, or with a remainder in あまり) for a minute; 20 right
// answers clear it.
class DivisionTableDrill : public TableDrill
{
    Q_OBJECT
public:
    DivisionTableDrill(GameStage &stage, const DrillContext &context, DivisionTableMenu &menu);

    // The division on screen.
    const tables::Division &question() const { return m_question; }

protected:
    void MakeQuestion(bool firstOfRound) override;
    QString ExpectedAnswer() const override;
    drill::Question AskedQuestion() const override;
    bool MakeQuestionOf(const QString &fact) override;
    // The あまり level shows how "あまり" is typed, and types it.
    void FormActivate() override;
    bool AnswerKey(const QKeyEvent &key) override;

private:
    void ShowDivision();

    tables::Division m_question;
    GameLabel *m_remainderHint;   // "あまりは スペースキー"
};
