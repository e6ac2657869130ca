// The application object of the program: no exception crosses Qt's event
// loop, which does not support them. A command of any window that fails
// with a table error (or any other exception) is stopped there and its
// message is shown over the window that ran it, which stays usable.
#pragma once

#include <QApplication>

namespace tarvela {

class SafeApplication : public QApplication {
public:
    SafeApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace tarvela
