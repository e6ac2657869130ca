// The record layouts of the 17 tables the program reads or writes: field
// names, kinds, display labels, display formats and the texts of logicals,
// exactly as the shared files and the screens use them. Each layout is built
// once and lives for the whole run, so tables may keep pointers to it.
#pragma once

#include "data/catalogue/TableLayout.h"

namespace tarvela::layouts {

const TableLayout& faktury();
const TableLayout& dobropisy();
const TableLayout& vypisy();
const TableLayout& faktSlevy();

const TableLayout& denik();
const TableLayout& sortiment();
const TableLayout& sortiSkup();

const TableLayout& obchodnici();
const TableLayout& delProv();
const TableLayout& provKar();
const TableLayout& typProvize();
const TableLayout& typPlatby();

const TableLayout& uzivatele();
const TableLayout& uzivSkup();
const TableLayout& uziPopPrav();
const TableLayout& uziPrava();
const TableLayout& vlastnik();

} // namespace tarvela::layouts
