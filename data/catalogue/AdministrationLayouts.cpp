// Layouts of the users, groups, tasks and rights, and of the owner record.
#include "data/catalogue/LayoutFieldMakers.h"
#include "data/catalogue/TableLayouts.h"

namespace tarvela::layouts {

const TableLayout& uzivatele()
{
    static const TableLayout layout{"Uzivatele", {
        character("USR_KOD", 3, "Kód"),
        character("USR_LNA", 10, "Přihl.jméno"),
        character("USR_PSW", 10, "Heslo"),
        character("USR_INI", 2, "Inic."),
        character("USR_GRP", 3, "Skup."),
        character("USR_NAC", 20, "Příjmení, jméno,tit."),
        character("USR_TEL", 40, "Telefon"),
        character("USR_EML", 40, "E Mail"),
    }};
    return layout;
}

const TableLayout& uzivSkup()
{
    static const TableLayout layout{"UzivSkup", {
        character("UGR_KOD", 3, "Kód"),
        character("UGR_NAC", 30, "Název uživ. skup."),
    }};
    return layout;
}

const TableLayout& uziPopPrav()
{
    static const TableLayout layout{"UziPopPrav", {
        character("URT_KOD", 3, "Kód"),
        character("URT_NAC", 40, "Popis oprávnění"),
        character("URT_GRP", 3, "Skp."),
    }};
    return layout;
}

const TableLayout& uziPrava()
{
    static const TableLayout layout{"UziPrava", {
        character("URS_KOD", 3, "Uživatel"),
        character("URS_URT", 3, "Úloha"),
        smallInteger("URS_URS", "Stat."),
    }};
    return layout;
}

// The owner file has many further fields of the sibling system; these are
// the ones the program reads and writes.
const TableLayout& vlastnik()
{
    static const TableLayout layout{"Vlastnik", {
        character("VLA_NAC", 30, "Oddělení"),
        smallInteger("VLA_PR1", ""),
        smallInteger("VLA_PR2", ""),
    }};
    return layout;
}

} // namespace tarvela::layouts
