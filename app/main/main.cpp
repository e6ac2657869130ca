// Tarvela: settles the commissions of the salesmen on the shared tables of
// the shop system.
#include "app/Startup.h"
#include "gui/SafeApplication.h"

int main(int argc, char** argv)
{
    tarvela::SafeApplication application(argc, argv);
    tarvela::Startup startup(QCoreApplication::arguments());
    return startup.run(application);
}
