// The layout of a table browser window: a top panel with the record
// navigator and the window's command buttons, over the browser, which takes
// the rest of the window.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "gui/RecordNavigator.h"

class QDialog;
class QVBoxLayout;

namespace tarvela {

class TableBrowser;

struct WindowCommand {
    QString caption;
    std::function<void()> run;
};

struct BrowserPanelLook {
    int margin = 2;               // around the panel
    int navigatorGap = 0;         // between the navigator and the first button
    bool commandsAtRight = false;  // at the window's right edge, not after the navigator
    RecordNavigator::Buttons navigator = RecordNavigator::Buttons::All;
};

// Returns the window's layout, for a menu bar.
QVBoxLayout* layOutBrowserWindow(QDialog& window, TableBrowser& browser, const std::vector<WindowCommand>& commands,
                                 const BrowserPanelLook& look = {});

} // namespace tarvela
