// The names of the installed printers in the order the print system reports
// them, which is the order a stored printer index counts in. An interface,
// so that a test can put a list of its own in the place of the system's.
#pragma once

#include <QStringList>

namespace tarvela {

class InstalledPrinters {
public:
    virtual ~InstalledPrinters() = default;
    virtual QStringList names() const = 0;
};

// The printers Qt reports (CUPS on Linux), in the order printerAt() counts.
class SystemPrinters : public InstalledPrinters {
public:
    QStringList names() const override;
};

} // namespace tarvela
