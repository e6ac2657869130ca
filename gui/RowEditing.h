// The row commands the editable lists over a TableBrowser share (F2 new, F4
// change, Ctrl+Delete delete): the form runs on the record being appended or
// changed, a change and a delete happen under the record lock of
// LockRecordWithRetry, and a failure is shown to the user and loses nothing.
#pragma once

#include <functional>

class QWidget;

namespace tarvela {

class DbfTable;
class TableBrowser;
class Ui;

// Runs the form on the record being edited or appended: posted when the form
// is accepted, cancelled otherwise and on any failure. True when posted.
bool postFromForm(DbfTable& table, Ui& ui, const std::function<bool()>& formAccepted);

// A new record, filled by `preset`, then the form. True when posted.
bool appendFromForm(DbfTable& table, Ui& ui, const std::function<void()>& preset,
                    const std::function<bool()>& formAccepted);

// The browser's current record, changed by `prepare` and the form under its
// record lock. Nothing happens on an empty list. True when posted.
bool changeCurrentRow(TableBrowser& browser, DbfTable& table, Ui& ui, const std::function<void()>& prepare,
                      const std::function<bool()>& formAccepted);

// Asks "Delete record?" in `window` about the browser's current record; only
// while the grid has the focus. True when answered with OK.
bool confirmDeleteCurrentRow(QWidget& window, TableBrowser& browser);

// After "Delete record?" in `window`, deletes the browser's current record
// under its record lock; only while the grid has the focus. True when deleted.
// confirmed runs once the user has answered OK.
bool deleteCurrentRow(QWidget& window, TableBrowser& browser, DbfTable& table, Ui& ui,
                      const std::function<void()>& confirmed = {});

} // namespace tarvela
