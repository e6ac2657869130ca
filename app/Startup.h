// The start of the program: the data module (configuration, tables, logo,
// login), the report module and the main window, in that order, then the
// message loop. A second copy hands over to the running one and ends here.
#pragma once

#include <QPixmap>
#include <QStringList>
#include <optional>

#include "data/rights/CurrentUser.h"

class QApplication;

namespace tarvela {

class QtUi;
class TData;

class Startup {
public:
    // arguments: the command line, the program's own path first.
    explicit Startup(QStringList arguments);

    // Returns the program's exit code.
    int run(QApplication& application);

private:
    // Steps of the data module's creation after the configuration: the logo
    // and the login. False when the login asks to end the program.
    bool createData(TData& data, QtUi& ui);
    bool logIn(TData& data);

    QStringList arguments_;
    std::optional<QPixmap> logo_;
    CurrentUser user_;
};

} // namespace tarvela
