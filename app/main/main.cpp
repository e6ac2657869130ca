// Tarvela: settles the commissions of the salesmen on the shared tables of
// the shop system.
#include <QApplication>

#include "app/Startup.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    tarvela::Startup startup(QCoreApplication::arguments());
    return startup.run(application);
}
