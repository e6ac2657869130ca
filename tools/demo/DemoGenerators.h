// The generators of the demo company, one per group of tables, in the order
// DemoCompany calls them: code lists and cards fill the model that the
// documents and the sibling system's tables then draw on.
#pragma once

#include "DemoModel.h"

namespace tarvela::demo {

void writeSalesmen(DemoModel& model);
void writeProductGroups(DemoModel& model);
void writeCommissionKindsAndPaymentTypes(DemoModel& model);
void writeUsersAndRights(DemoModel& model, const std::string& logonName);
void writeOwner(DemoModel& model);
void writeProducts(DemoModel& model);
void writeCustomers(DemoModel& model);
void writeCommissionCards(DemoModel& model);
void writeDocuments(DemoModel& model);
void writeSiblingTables(DemoModel& model);

} // namespace tarvela::demo
