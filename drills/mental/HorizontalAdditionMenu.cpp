#include "drills/mental/HorizontalAdditionMenu.h"

#include "drills/mental/HorizontalAddition.h"
#include "ui/Widgets.h"

namespace {

namespace horizontal = mental::horizontal;

// Label1 … Label16, the levels in two columns of eight: four-digit and
// five-digit levels on the left, six-digit and seven-digit ones on the right,
// each column in two blocks of four.
std::vector<MentalMenuLayout::Entry> entries()
{
    static const char *const names[horizontal::Levels] = {
        "Label1", "Label2",  "Label3",  "Label4",  "Label5",  "Label6",  "Label7",  "Label8",
        "Label9", "Label10", "Label11", "Label12", "Label13", "Label14", "Label15", "Label16"};
    static const int columnX[] = {16, 128};
    static const int rowY[] = {24, 64, 104, 144, 216, 256, 296, 336};
    std::vector<MentalMenuLayout::Entry> entries;
    for (int level = 1; level <= horizontal::Levels; ++level) {
        const int index = level - 1;
        entries.push_back({level, names[index], horizontal::caption(level),
                           QPoint(columnX[index / 8], rowY[index % 8]),
                           horizontal::hoverText(level)});
    }
    return entries;
}

MentalMenuLayout menuLayout()
{
    return {
        .objectName = "Form25",
        .drill = Drill::HorizontalAddition,
        .background = ui::PaleCream,
        // The balloon, with the doctor beside it.
        .pictures = {{"Image1", {200, 56, 233, 289}, QStringLiteral("Graphics\\f2.BMP")},
                     {"Image2", {336, 56, 290, 390}, QStringLiteral("Graphics\\zuk博士.bmp")}},
        .entries = entries(),
        .entryPixels = 24,
        .backName = "Label17",
        .backPos = {16, 400},
        .backPixels = 24,
        .backColor = ui::Black,
        .backHover = QStringLiteral("メニューへもどる"),
        .speechName = "Label18",
        .speechPos = {232, 144},
        .title = QStringLiteral("よこはばくんだよ"),
        .titleAtCreation = false,
    };
}

} // namespace

HorizontalAdditionMenu::HorizontalAdditionMenu(GameStage &stage, users::Session &session)
    : MentalMenu(stage, session, menuLayout())
{
}
