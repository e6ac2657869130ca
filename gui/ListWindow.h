// A list window over a TableBrowser, the grid every list of the program
// uses: a top panel with the record navigator and the window's commands
// (each a button and a key that works anywhere in the window) over the
// browser. In selection mode it is a lookup: Enter or a double click closes
// it with OK, the table standing on the chosen row. The table must be open
// whenever the window reads its rows.
#pragma once

#include <QDialog>
#include <QKeySequence>
#include <functional>
#include <vector>

#include "gui/BrowserColumn.h"
#include "gui/BrowserWindowLayout.h"

class QTableView;

namespace tarvela {

class DbfTable;
class TableBrowser;
class Ui;

class ListWindow : public QDialog {
    Q_OBJECT
public:
    // A command of the panel; no keys: a button only, no run: an idle button.
    struct Command {
        QString caption;
        QKeySequence keys;
        std::function<void()> run;
    };

    ListWindow(QWidget* owner, Ui& ui, DbfTable& table, std::vector<BrowserColumn> columns);

    void setSelectionMode(bool on) { selectionMode_ = on; }
    bool selectionMode() const { return selectionMode_; }
    TableBrowser& browser() const { return *browser_; }
    QTableView& grid() const;

    // Shows the list in selection mode at the opener's position plus
    // `offset`; true when it closed with OK on a row.
    bool showForChoice(QWidget& opener, QPoint offset);

protected:
    // The panel over the browser; `commands` stand at the panel's right.
    void layOut(const std::vector<Command>& commands, const BrowserPanelLook& look);
    // The browser alone, filling the window.
    void layOutGridOnly();
    // A key of the window's that has no button.
    void addKey(const QKeySequence& keys, std::function<void()> run);
    void keyPressEvent(QKeyEvent* event) override;

private:
    void chooseCurrent();

    TableBrowser* browser_;
    bool selectionMode_ = false;
};

} // namespace tarvela
