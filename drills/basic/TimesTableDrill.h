#pragma once

#include "drills/basic/TableDrill.h"
#include "drills/basic/Tables.h"

class TimesTableMenu;

// The multiplication-table drill window: products of one table (or of every
// table in みっくす) for a minute; 20 right answers clear it.
class TimesTableDrill : public TableDrill
{
    Q_OBJECT
public:
    TimesTableDrill(GameStage &stage, const DrillContext &context, TimesTableMenu &menu);

    // The product on screen.
    const tables::Product &question() const { return m_question; }

protected:
    void MakeQuestion(bool firstOfRound) override;
    QString ExpectedAnswer() const override;
    drill::Question AskedQuestion() const override;
    bool MakeQuestionOf(const QString &fact) override;
    void ResetOnClose() override;

private:
    tables::Product m_question;
};
