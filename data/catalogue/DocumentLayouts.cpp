// Layouts of the document headers, their payments and document discounts.
#include "data/catalogue/LayoutFieldMakers.h"
#include "data/catalogue/TableLayouts.h"

namespace tarvela::layouts {

const TableLayout& faktury()
{
    static const TableLayout layout{"Faktury", {
        date("HLA_DAT", "Vystaveno", kDateFormat),
        character("HLA_DO1", 10, "Faktura"),
        character("HLA_DO2", 10, "Objednávka"),
        character("HLA_DO3", 10, "Proforma"),
        character("HLA_ODB", 7, "ID Odběr."),
        character("HLA_ODP", 3, "Pob."),
        character("HLA_NAC", 30, "Název odběratele"),
        floating("HLA_CUH", "Celkem PC", kMoneyFormat),
        floating("HLA_FHV", "Hal.vyr.", kMoneyFormat),
        floating("HLA_PCA", "Celk.bez slev", kMoneyFormat),
        floating("HLA_NCA", "Celkem NC", kMoneyFormat),
        date("HLA_DVS", "Dat.vyst.", kDateFormat),
        date("HLA_DZP", "Dat.zd.plň.", kDateFormat),
        date("HLA_DSP", "Dat.splat.", kDateFormat),
        character("HLA_FUH", 1, "For.uhr."),
        floating("HLA_SBD", "Fin.slevy", kMoneyFormat),
        character("HLA_FDO", 1, "For.dop."),
        floating("HLA_Z00", "Základ 0%", kMoneyFormat),
        floating("HLA_Z05", "Zaklad 5%", kMoneyFormat),
        floating("HLA_Z22", "Základ 19%", kMoneyFormat),
        floating("HLA_D05", "Daň 5%", kMoneyFormat),
        floating("HLA_D22", "Daň 19%", kMoneyFormat),
        yesNo("HLA_PLA", "Plac."),
        yesNo("HLA_EDT", "Edt."),
        yesNo("HLA_PRN", "Přen."),
        character("HLA_REF", 2, "Ref."),
        floating("HLA_SLE", "Sleva"),
        character("HLA_CEN", 1, "Cen."),
        yesNo("HLA_TSK", "Tisk."),
        character("HLA_OBC", 3, "Obch."),
        character("HLA_DO4", 10, "Zakázka"),
        floating("HLA_PRV", "Prov. Kč"),
        character("HLA_DO5", 10, "Prov. dok."),
        date("HLA_BDP", "Zapl. dne", kDateFormat),
        floating("HLA_BPL", "Zapl. Kč", kMoneyFormat),
        yesNo("HLA_PR1", "Prov.A"),
        yesNo("HLA_PR2", "Prov.B"),
    }};
    return layout;
}

const TableLayout& dobropisy()
{
    static const TableLayout layout{"Dobropisy", {
        date("HLA_DAT", "Vystaveno", kDateFormat),
        character("HLA_DO1", 10, "Dobropis"),
        character("HLA_DO2", 10, "Faktura"),
        character("HLA_DO3", 10, "Proforma"),
        character("HLA_ODB", 7, "ID Odběr."),
        character("HLA_ODP", 3, "Pob."),
        character("HLA_NAC", 30, "Název odběratele"),
        floating("HLA_CUH", "Celkem PC", kMoneyFormat),
        floating("HLA_FHV", "Hal.vyr.", kMoneyFormat),
        floating("HLA_PCA", "Celk.bez slev", kMoneyFormat),
        floating("HLA_NCA", "Celkem NC", kMoneyFormat),
        date("HLA_DVS", "Dat.vyst.", kDateFormat),
        date("HLA_DZP", "Dat.zd.plň.", kDateFormat),
        date("HLA_DSP", "Dat.splat.", kDateFormat),
        character("HLA_FUH", 1, "For.uhr."),
        character("HLA_FDO", 1, "For.dop."),
        floating("HLA_Z00", "Základ 0%", kMoneyFormat),
        floating("HLA_Z05", "Zaklad 5%", kMoneyFormat),
        floating("HLA_Z22", "Základ 22%", kMoneyFormat),
        floating("HLA_D05", "Daň 5%", kMoneyFormat),
        floating("HLA_D22", "Daň 22%", kMoneyFormat),
        yesNo("HLA_PLA", "Plac."),
        yesNo("HLA_EDT", "Edt."),
        yesNo("HLA_PRN", "Přen."),
        character("HLA_REF", 2, "Ref."),
        character("HLA_CEN", 1, "Cen."),
        floating("HLA_SLE", "Sleva"),
        yesNo("HLA_TSK", "Tisk."),
        floating("HLA_HAL", ""),
        floating("HLA_PRV", "Prov. Kč"),
        character("HLA_DO5", 10, "Prov.dok."),
        date("HLA_BDP", "Zapl. dat."),
        floating("HLA_BPL", "Zapl. Kč", kMoneyFormat),
        floating("HLA_SBD", "Fin.slevy", kMoneyFormat),
        character("HLA_OBC", 3, "Obch."),
        character("HLA_DO4", 10, "Zakázka"),
    }};
    return layout;
}

const TableLayout& vypisy()
{
    static const TableLayout layout{"Vypisy", {
        character("VYP_DO2", 10, "Bav.Vyp."),
        date("VYP_DVS", "Vystaven"),
        character("VYP_TYP", 3, "Typ"),
        floating("VYP_HOD", "Hodnota", kMoneyFormat),
        logical("VYP_PRN", "Prn."),
        character("VYP_DO1", 10, "Doklad"),
        date("VYP_DAT", "Zápis"),
        smallInteger("VYP_KOE", ""),
    }};
    return layout;
}

const TableLayout& faktSlevy()
{
    static const TableLayout layout{"FaktSlevy", {
        character("FAS_FAK", 10, "Faktura"),
        character("FAS_TYP", 3, "Typ"),
        character("FAS_NAZ", 40, "Text"),
        floating("FAS_HOD", "Vých. částka"),
        floating("FAS_PRO", "Sl.v %"),
        floating("FAS_SLE", "Sleva v Kč"),
        floating("FAS_DAN", "Saz. DPH"),
        logical("FAS_DPH", "Jde do DPH"),
        logical("FAS_ROZ", "Rozpis do pol."),
    }};
    return layout;
}

} // namespace tarvela::layouts
