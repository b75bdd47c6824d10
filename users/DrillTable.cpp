#include "users/DrillTable.h"

const std::array<DrillInfo, 6> &allDrills()
{
    static const std::array<DrillInfo, 6> table{{
        {Drill::Addition, "Panel1", "Label1", QStringLiteral("Graphics\\zuk顔3.BMP"),
         QStringLiteral(".tzk"), QStringLiteral(".tzd"), 3, QStringLiteral("レベル,日付,ランク"),
         QStringLiteral("れべる,ひづけ,らんく")},
        {Drill::TimesTable, "Panel3", "Label2", QStringLiteral("Graphics\\zukky顔3.BMP"),
         QStringLiteral(".kzk"), QStringLiteral(".kzd"), 10, QStringLiteral("段,日付,合否"),
         QStringLiteral("だん,ひづけ,合否")},
        {Drill::DivisionTable, "Panel5", "Label3", QStringLiteral("Graphics\\ピコちゃん顔4.BMP"),
         QStringLiteral(".wzk"), QStringLiteral(".wzd"), 11, QStringLiteral("段,日付,合否"),
         QStringLiteral("だん,ひづけ,合否")},
        {Drill::HorizontalAddition, "Panel2", "Label4", QStringLiteral("Graphics\\zuk顔3.BMP"),
         QStringLiteral(".mzk"), QStringLiteral(".mzd"), 16,
         QStringLiteral("れべる,日付,ポイント,合否"), QStringLiteral("れべる,ひづけ,ポイント,合否")},
        {Drill::MentalTimes, "Panel4", "Label5", QStringLiteral("Graphics\\zukky顔3.BMP"),
         QStringLiteral(".kak"), QStringLiteral(".kad"), 20,
         QStringLiteral("れべる,日付,ポイント,合否"), QStringLiteral("れべる,ひづけ,ポイント,合否")},
        {Drill::MentalDivision, "Panel6", "Label6", QStringLiteral("Graphics\\みどり顔3.BMP"),
         QStringLiteral(".wak"), QStringLiteral(".wad"), 13,
         QStringLiteral("れべる,日付,ポイント,合否"), QStringLiteral("れべる,ひづけ,ポイント,合否")},
    }};
    return table;
}

const DrillInfo &drillInfo(Drill drill)
{
    return allDrills().at(std::size_t(drillNumber(drill) - 1));
}
