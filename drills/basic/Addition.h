#pragma once

#include "drill/RoundResult.h"

#include <QString>

#include <array>
#include <vector>

class Random;

// The rules of the addition drill, apart from its windows: the questions of
// the three levels, the grade of a round, the history line and which levels
// the menu offers.
namespace addition {

struct Sum
{
    int first = 0;
    int second = 0;
    int total() const { return first + second; }
};

// The first question of a round at level 1, 2 or 3.
//  1: one of the ten sums of two addends from 1 whose total is at most 5;
//  2: both addends from 1 to 5;  3: both addends from 1 to 9.
Sum firstQuestion(int level, Random &random);

// The question after a right answer; its total never equals the previous
// one. Level 1 draws the first addend anew (first unlike the previous one)
// and the second to fit under 6; levels 2 and 3 draw both addends as in
// their first question until the total differs.
Sum nextQuestion(int level, const Sum &previous, Random &random);

// The round's score: right answers + 5 − wrong answers.
int score(int right, int wrong);

struct GradeResult
{
    int grade;         // 10 (lowest) .. 1
    QString message;   // "９級合格おめでと～"
    QString sound;     // "sound\９級合格.wav"
};

// The grade of a score, with the result window's message and the sound.
// Grade 1 has one fanfare, played at every level.
GradeResult gradeFor(int score);

// The end of a round: every round is graded, with the picture of the four
// friends glad; 1級 clears the level.
drill::RoundResult judgeRound(const drill::PlayedRound &round);

} // namespace addition
