// The field lists of the demo company's tables, as the sibling system lays
// them out: every field of the program's record layouts with sensible widths,
// plus fields of the sibling system that the program carries along unread.
#pragma once

#include <vector>

#include "data/dbf/FieldDescriptor.h"

namespace tarvela::demo::schemas {

std::vector<FieldDescriptor> faktury();
std::vector<FieldDescriptor> dobropisy();
std::vector<FieldDescriptor> denik();
std::vector<FieldDescriptor> sortiment();
std::vector<FieldDescriptor> sortiSkup();
std::vector<FieldDescriptor> vypisy();
std::vector<FieldDescriptor> faktSlevy();
std::vector<FieldDescriptor> obchodnici();
std::vector<FieldDescriptor> delProv();
std::vector<FieldDescriptor> provKar();
std::vector<FieldDescriptor> typProvize();
std::vector<FieldDescriptor> typPlatby();
std::vector<FieldDescriptor> uzivatele();
std::vector<FieldDescriptor> uzivSkup();
std::vector<FieldDescriptor> uziPopPrav();
std::vector<FieldDescriptor> uziPrava();
std::vector<FieldDescriptor> vlastnik();
std::vector<FieldDescriptor> odberatele();

} // namespace tarvela::demo::schemas
