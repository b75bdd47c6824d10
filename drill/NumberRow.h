#pragma once

#include "ui/Widgets.h"

#include <QString>

#include <vector>

namespace drill {

// A long number on a drill's screen: its digits in one label, and a
// full-width "，" over each gap between groups of three digits from the
// right, each a label of its own laid over the number. A comma stands
// centred on the middle of the room after the digit before it, its baseline
// a little below the digits'.
class NumberRow
{
public:
    struct Commas
    {
        // How far below the digits' baseline each comma's baseline stands,
        // left to right; commas past the end of the list stand as its last.
        std::vector<int> lower{0};
        // How far right of the middle of the room between the digits.
        int nudge = 0;
    };

    NumberRow() = default;
    NumberRow(GameLabel *number, std::vector<GameLabel *> commas, Commas placement);
    // Commas centred on the room between the digits, on their baseline.
    NumberRow(GameLabel *number, std::vector<GameLabel *> commas);

    // Shows `digits` and its commas, as many as the row has labels for;
    // the commas it does not use are emptied and left where they stand.
    void show(const QString &digits);

    GameLabel *number() const { return m_number; }

private:
    GameLabel *m_number = nullptr;
    std::vector<GameLabel *> m_commas;
    Commas m_placement;
};

} // namespace drill
