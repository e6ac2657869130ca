#include "gui/BrowserWindowLayout.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/CommandButton.h"
#include "gui/RecordNavigator.h"
#include "gui/TableBrowser.h"

namespace tarvela {

QVBoxLayout* layOutBrowserWindow(QDialog& window, TableBrowser& browser, const std::vector<WindowCommand>& commands,
                                 const BrowserPanelLook& look)
{
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel = new QHBoxLayout;
    panel->setContentsMargins(look.margin, look.margin, look.margin, look.margin);
    panel->addWidget(new RecordNavigator(&window, browser, look.navigator));
    if (look.navigatorGap > 0)
        panel->addSpacing(look.navigatorGap);
    if (look.commandsAtRight)
        panel->addStretch();
    for (const WindowCommand& command : commands)
        panel->addWidget(commandButton(command.caption, &window, command.run));
    if (!look.commandsAtRight)
        panel->addStretch();
    layout->addLayout(panel);
    layout->addWidget(&browser, 1);
    return layout;
}

} // namespace tarvela
