// Progress of a piece of work that the user may stop: the work reports how
// far it is and learns whether to go on. The window, if any, belongs to the
// object and closes with it.
#pragma once

namespace tarvela {

class CancellableProgress {
public:
    virtual ~CancellableProgress() = default;
    // percent from 0 to 100; false once the user has cancelled.
    virtual bool advance(int percent) = 0;
};

} // namespace tarvela
