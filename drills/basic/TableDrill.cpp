#include "drills/basic/TableDrill.h"

#include "drills/basic/TableMenu.h"
#include "drills/basic/Tables.h"
#include "ui/Widgets.h"

namespace {

QFont numberFont() { return ui::font(87, ui::Bold | ui::Italic); }
QFont signFont() { return ui::font(37, ui::Bold); }

} // namespace

TableDrill::TableDrill(GameStage &stage, const DrillContext &context, const TableFace &face,
                       TableMenu &menu)
    : DrillWindow(stage, context, face.screen, menu, face.drill, tables::judgeRound),
      Label11(ui::label(this, "Label11", QStringLiteral("0"), face.first, numberFont())),
      Label13(ui::label(this, "Label13", face.sign, face.signPlace, signFont())),
      Label12(ui::label(this, "Label12", QStringLiteral("0"), face.second, numberFont())),
      Label14(ui::label(this, "Label14", QStringLiteral("＝"), face.equals, signFont())),
      m_firstRoom(face.firstRoom),
      m_firstDigits(face.firstDigits)
{
}

void TableDrill::ShowQuestion(int first, int second)
{
    Label11->setText(QString::number(first));
    Label12->setText(QString::number(second));
    Label11->setFixedTextWidth(std::max(m_firstRoom, ui::numberWidth(Label11->font(), m_firstDigits)));
    Label12->setFixedTextWidth(std::max(57, ui::numberWidth(Label12->font(), 1)));
}
