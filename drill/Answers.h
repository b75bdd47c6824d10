#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The answers of a round, as the drill window saw them: what the child can
// look at again after the round ("まちがいを みる"), and what the child's
// memory of facts learns from.
namespace drill {

// A question as the drill puts it: written as the drill shows it, in
// full-width digits with the drill's signs ("７ ＋ ８", "５７ ÷ ８",
// "１２，３４５ × ６"), and the fact it asks, as the memory names it
// ("7+8", "57/8", "L3").
struct Question
{
    QString shown;
    QString fact;
};

struct Answer
{
    int question = 0;        // which question of the round, from 1
    Question asked;
    QString typed;
    QString expected;        // as the child must type it: "15", "7あまり1"
    bool right = false;
    int milliseconds = 0;    // since the question appeared or was last answered
};

// A question answered wrong at least once: the question with its right
// answer, as the drill would show them ("７ ＋ ８ ＝ １５"), and what the
// child typed, in the order it was typed.
struct Mistake
{
    QString question;
    QStringList typed;
};

std::vector<Mistake> mistakes(const std::vector<Answer> &answers);

// The line under a mistake: "（こたえた: 14）", several answers joined by
// "、", an empty answer written "（なにも いれずに Enter）".
QString typedLine(const Mistake &mistake);

// Full-width digits, commas, "あまり" kept: "7あまり1" gives "７あまり１".
QString wide(const QString &text);

// A number in full-width digits in groups of three: "１２，３４５".
QString grouped(qint64 number);

} // namespace drill
