// The hourglass cursor for the duration of a long computation, restored
// however the computation ends.
#pragma once

#include "platform/Ui.h"

namespace tarvela {

class BusyCursor {
public:
    explicit BusyCursor(Ui& ui) : ui_(ui) { ui_.setBusy(true); }
    ~BusyCursor() { ui_.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Ui& ui_;
};

} // namespace tarvela
