// Layouts of the stock journal, the product range and the product groups.
#include "data/catalogue/LayoutFieldMakers.h"
#include "data/catalogue/TableLayouts.h"

namespace tarvela::layouts {

const TableLayout& denik()
{
    static const TableLayout layout{"Denik", {
        integer("DEN_RAD", "ID Kod"),
        date("DEN_DAT", "Datum", kDateFormat),
        character("DEN_KDY", 5, "Čas"),
        character("DEN_DOK", 10, "Doklad"),
        character("DEN_KAV", 6, "Karta"),
        character("DEN_IND", 3, "Var."),
        character("DEN_OPE", 3, "Ope."),
        integer("DEN_KUS", "Kusy"),
        floating("DEN_HPC", "Hod. PC", kMoneyFormat),
        floating("DEN_HNC", "Hod. NC", kMoneyFormat),
        floating("DEN_DAN", "DPH"),
        floating("DEN_ZAS", "Zásoba"),
        character("DEN_REF", 2, "Ref."),
        floating("DEN_POZ", "Pozn."),
        character("DEN_PRN", 1, "Přen."),
    }};
    return layout;
}

const TableLayout& sortiment()
{
    static const TableLayout layout{"Sortiment", {
        character("SOR_KAV", 6, "Karta"),
        character("SOR_NAC", 30, "Název"),
        floating("SOR_PC1", "PC zákl", kMoneyFormat),
        integer("SOR_STA", "Zásoba"),
        floating("SOR_DAN", "Sazba DPH"),
        yesNo("SOR_SKL", "Skl.pol."),
        yesNo("SOR_OLD", "Vyřazeno"),
        character("SOR_SKU", 3, "Skupina"),
        floating("SOR_PC2", "PC d1", kMoneyFormat),
        floating("SOR_PC3", "PC D2", kMoneyFormat),
        floating("SOR_PC4", "PC D3", kMoneyFormat),
        floating("SOR_PC5", "PC MO", kMoneyFormat),
        integer("SOR_BLO", "Blokace"),
        computed("SOR_DIS", "Volné"),
        character("SOR_VYR", 3, ""),
        character("SOR_MJE", 2, ""),
        floating("SOR_HMO", ""),
        smallInteger("SOR_BAL", ""),
        character("SOR_DRU", 3, ""),
        character("SOR_PSK", 3, ""),
        character("SOR_EAN", 13, ""),
        character("SOR_POZ", 30, ""),
        floating("SOR_OBJ", ""),
        integer("SOR_REQ", "Objednano"),
        integer("SOR_MAJ", "Účetně"),
        integer("SOR_PUJ", "Půjčeno"),
        computed("SOR_VOL", "Volné "),
        logical("SOR_KOM", "Komise"),
        floating("SOR_PLO", "Plocha v m2"),
        date("SOR_PPO", "Posl.pohyb", kDateFormat),
        integer("SOR_MIN", "Min.zas."),
        floating("SOR_SLE", "Max.sl.%", kMoneyFormat),
        character("SOR_KDO", 10, "Kód dodav."),
        character("SOR_KVY", 10, "Kód vyrobce"),
        floating("SOR_OTV", "Přep.koef.bal."),
        character("SOR_SKO", 3, "Skup.2006"),
    }};
    return layout;
}

const TableLayout& sortiSkup()
{
    static const TableLayout layout{"SortiSkup", {
        character("SSK_SKU", 3, "Skup."),
        character("SSK_NAC", 30, "Název skupiny"),
        smallInteger("SSK_POR", ""),
        floating("SSK_PRO", "Provize  %", kMoneyFormat),
    }};
    return layout;
}

} // namespace tarvela::layouts
