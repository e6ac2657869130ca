// Keeps the tables that the commission of a document and the payment state
// read open for a whole report pass, so that computing one document costs
// its seeks and rows and not the opening of files. Tables found open stay
// open; the others are closed when the pass ends, also on failure. The pass
// is one read batch, since it waits on nobody.
#pragma once

#include "data/table/ScopedTableOpen.h"
#include "platform/ReadBatch.h"

namespace tarvela {

class TData;

class CommissionTablesOpen {
public:
    explicit CommissionTablesOpen(TData& data);

private:
    ReadBatch batch_;
    ScopedTableOpen journal_;
    ScopedTableOpen cards_;
    ScopedTableOpen groups_;
    ScopedTableOpen payments_;
    ScopedTableOpen salesmen_;
};

} // namespace tarvela
