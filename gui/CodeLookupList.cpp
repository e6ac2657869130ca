#include "gui/CodeLookupList.h"

#include "data/table/DbfTable.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/RecordNavigator.h"
#include "gui/TableBrowser.h"
#include "platform/ReadBatch.h"

namespace tarvela {

CodeLookupList::CodeLookupList(QWidget* owner, Ui& ui, DbfTable& table, const Shape& shape)
    : ListWindow(owner, ui, table, shape.columns), table_(table), codeField_(shape.columns.front().field)
{
    setWindowTitle(shape.title);
    setFixedSize(shape.size);
    if (shape.withPanel)
        layOut({{QStringLiteral("F4 Oprava"), {}, {}}, {QStringLiteral("F2 Nový"), {}, {}}},
               {.commandsAtRight = true, .navigator = RecordNavigator::Buttons::PriorNext});
    else
        layOutGridOnly();
    browser().showTableRecord();
}

bool CodeLookupList::codeExists(DbfTable& table, const std::string& codeField, const std::string& code)
{
    if (code.size() != 3)
        return false;
    const ReadBatch batch;  // the opening and the search read the same block
    ScopedTableOpen open(table);
    return table.locate({codeField}, {FieldValue(code)});
}

std::optional<std::string> CodeLookupList::chooseAt(QWidget& opener, QPoint offset)
{
    if (!showForChoice(opener, offset))
        return std::nullopt;
    return table_.asString(codeField_);
}

} // namespace tarvela
