#include "gui/RowEditing.h"

#include <QTableView>

#include "controls/MessageBoxes.h"
#include "data/table/DbfTable.h"
#include "data/table/LockRecordWithRetry.h"
#include "gui/TableBrowser.h"
#include "platform/Error.h"
#include "platform/Ui.h"

namespace tarvela {

namespace {

void cancelUnfinished(DbfTable& table)
{
    if (table.state() != DbfTable::State::Browse)
        table.cancel();
}

} // namespace

bool postFromForm(DbfTable& table, Ui& ui, const std::function<bool()>& formAccepted)
{
    try {
        if (!formAccepted()) {
            table.cancel();
            return false;
        }
        table.post();
        return true;
    } catch (const Error& error) {
        cancelUnfinished(table);
        ui.showMessage(error.what());
        return false;
    }
}

bool appendFromForm(DbfTable& table, Ui& ui, const std::function<void()>& preset,
                    const std::function<bool()>& formAccepted)
{
    try {
        table.append();
        preset();
    } catch (const Error& error) {
        cancelUnfinished(table);
        ui.showMessage(error.what());
        return false;
    }
    return postFromForm(table, ui, formAccepted);
}

bool changeCurrentRow(TableBrowser& browser, DbfTable& table, Ui& ui, const std::function<void()>& prepare,
                      const std::function<bool()>& formAccepted)
{
    if (browser.isEmpty())
        return false;
    browser.standOnCurrent();
    if (!LockRecordWithRetry(table, ui))
        return false;
    bool stored = false;
    try {
        table.edit();
        prepare();
        stored = postFromForm(table, ui, formAccepted);
    } catch (const Error& error) {
        cancelUnfinished(table);
        ui.showMessage(error.what());
    }
    table.unlockRecord();
    return stored;
}

bool confirmDeleteCurrentRow(QWidget& window, TableBrowser& browser)
{
    if (browser.isEmpty() || !browser.view().hasFocus())
        return false;
    const auto answer = askQuestion(&window, window.windowTitle(), QStringLiteral("Delete record?"),
                                    QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    return answer == QMessageBox::Ok;
}

bool deleteCurrentRow(QWidget& window, TableBrowser& browser, DbfTable& table, Ui& ui,
                      const std::function<void()>& confirmed)
{
    if (!confirmDeleteCurrentRow(window, browser))
        return false;
    if (confirmed)
        confirmed();
    browser.standOnCurrent();
    if (!LockRecordWithRetry(table, ui))
        return false;
    bool deleted = false;
    try {
        table.deleteRecord();
        deleted = true;
    } catch (const Error& error) {
        ui.showMessage(error.what());
    }
    table.unlockRecord();
    return deleted;
}

} // namespace tarvela
