#include "app/Startup.h"

#include <QApplication>
#include <QFileInfo>

#include "app/QtTranslations.h"
#include "controls/DialogKeys.h"
#include "app/Login.h"
#include "app/Logo.h"
#include "gui/OwnerActivation.h"
#include "gui/QtUi.h"
#include "app/TLoginForm.h"
#include "app/TZakladni.h"
#include "data/rights/UserRights.h"
#include "commission/TDataSestavy.h"
#include "report/render_qt/QtReportDevices.h"
#include "controls/TEditOrvo.h"
#include "data/company/IndexLeftovers.h"
#include "data/company/TData.h"
#include "platform/Error.h"
#include "platform/ProgramDirectory.h"
#include "platform/UserEnvironment.h"

namespace tarvela {

namespace {

std::optional<LoginAnswer> askByDialog()
{
    TLoginForm form;
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return LoginAnswer {form.nameEdit().text().toStdString(), form.passwordEdit().text().toStdString()};
}

// "--program-dir DIR" names the folder of Merkan.ini for this start; it is
// taken out of the parameters that a second start hands to the running copy.
std::string takeProgramDirectory(QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--program-dir"), 1);
    if (at < 0 || at + 1 >= arguments.size())
        return findProgramDirectory(arguments.value(0).toStdString());
    const std::string folder = arguments.at(at + 1).toStdString();
    arguments.remove(at, 2);
    return namedProgramDirectory(folder);
}

} // namespace

Startup::Startup(QStringList arguments)
    : arguments_(std::move(arguments))
{
}

bool Startup::logIn(TData& data)
{
    Login login(data, askByDialog, logonName(), today());
    return login.run(user_) != LoginOutcome::EndProgram;
}

bool Startup::createData(TData& data, QtUi& ui)
{
    try {
        if (!data.DataCreate())
            return true;
        removeIndexLeftovers(data.settings().dataDirectory);
        logo_ = loadLogo(data.settings().logoFile);
        return logIn(data);
    } catch (const Error& error) {
        ui.showMessage(error.what());
        return true;
    }
}

int Startup::run(QApplication& application)
{
    // The name only: a display name would be appended to every window title.
    application.setApplicationName(QStringLiteral("Tarvela"));
    application.setDesktopFileName(QStringLiteral("tarvela"));
    OwnerActivation::install(application);
    installCzechQtTexts(application);
    installDialogKeys(application);
    QtUi ui;
    TData data(ui, takeProgramDirectory(arguments_));
    const bool goOn = createData(data, ui);
    TDataSestavy sestavy(data);
    UserRights rights(data, user_);
    TZakladni window(data, rights, reportRunsOf(sestavy));
    QtReportDevices reportDevices(sestavy.Sestavy, &window, &ui);
    const QString baseName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (window.Loaded(baseName, arguments_.mid(1)) || !goOn)
        return 0;
    ui.setOwner(&window);
    window.show();
    return application.exec();
}

} // namespace tarvela
