#include "screens/users/TPrehledPravUzi.h"

#include <QMessageBox>
#include <QPushButton>

#include "controls/MessageBoxes.h"
#include "data/company/TData.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/CommandButton.h"
#include "gui/TableBrowser.h"
#include "platform/Error.h"
#include "platform/Text.h"

namespace tarvela {

TPrehledPravUzi::TPrehledPravUzi(QWidget* owner, TData& data, UserRights& rights, RightsHolder holder,
                                 const std::string& code, const std::string& group)
    : ListWindow(owner, data.ui(), data.UziPopPrav,
                 {{"URT_NAC", QStringLiteral("Název funkce programu"), 225},
                  {"Zdroj", QStringLiteral("Typ práva"), 70,
                   [this](const DbfTable& tasks) { return shownRight(tasks).Zdroj; }},
                  {"Stav", QStringLiteral("Hodn."), 0,
                   [this](const DbfTable& tasks) { return shownRight(tasks).Stav; }}}),
      data_(data), rights_(data, rights, holder, code, group)
{
    setWindowTitle(rights_.isGroupMode() ? QStringLiteral("Přehled práv skupiny uživatelů")
                                         : QStringLiteral("Přehled práv uživatele"));
    setFixedSize(382, 254);
    layOut({{QStringLiteral("F4 Změna"), Qt::Key_F4, [this] { changeRight(); }}}, {.margin = 4, .commandsAtRight = true});
    buttonOf(*this, QStringLiteral("F4 Změna"))->setEnabled(rights_.mayChange());
    addKey(Qt::Key_Delete, [this] { deriveFromGroup(); });
    try {
        tasks_ = std::make_unique<ScopedTableOpen>(data_.UziPopPrav);
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    browser().first();
}

TPrehledPravUzi::~TPrehledPravUzi() = default;

TaskRight TPrehledPravUzi::shownRight(const DbfTable& tasks)
{
    return rights_.taskRight(withoutTrailingBlanks(tasks.asString("URT_KOD")),
                             withoutTrailingBlanks(tasks.asString("URT_NAC")));
}

std::string TPrehledPravUzi::currentTask()
{
    if (browser().isEmpty())
        return {};
    browser().standOnCurrent();
    return withoutTrailingBlanks(data_.UziPopPrav.asString("URT_KOD"));
}

void TPrehledPravUzi::changeRight()
{
    const std::string task = currentTask();
    if (task.empty())
        return;
    try {
        rights_.change(task);
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    browser().refresh();
    browser().setFocus();
}

void TPrehledPravUzi::deriveFromGroup()
{
    // The question deactivates the window and rereads its rows; the browser
    // keeps the task chosen before it.
    const std::string task = currentTask();
    if (task.empty() || rights_.isGroupMode() || !rights_.mayChange())
        return;
    const auto answer = askQuestion(this, windowTitle(), QStringLiteral("Odvodit právo od uživ. skupiny ?"),
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel,
                                    pos() + QPoint(10, 50));
    if (answer != QMessageBox::Yes)
        return;
    try {
        rights_.deriveFromGroup(task);
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    browser().refresh();
    browser().setFocus();
}

} // namespace tarvela
