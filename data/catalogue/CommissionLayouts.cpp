// Layouts of the salesmen, the commission tables and the payment types.
#include "data/catalogue/LayoutFieldMakers.h"
#include "data/catalogue/TableLayouts.h"

namespace tarvela::layouts {

const TableLayout& obchodnici()
{
    static const TableLayout layout{"Obchodnici", {
        character("OBC_KOD", 3, "Kód"),
        character("OBC_NAC", 30, "Název obchodníka"),
        floating("OBC_LIM", "Lim.sl. %"),
        floating("OBC_KRA", "Koe.kr.pr."),
        integer("OBC_SPL", "Lim.spl."),
    }};
    return layout;
}

const TableLayout& delProv()
{
    static const TableLayout layout{"DelProv", {
        character("DPR_FAK", 10, "Faktura"),
        character("DPR_OBC", 3, "Obch."),
        floating("DPR_PRO", "Prov. %", "##0.00"),
        floating("DPR_OBR", "Obrat. %", "##0.00"),
        lookedUp("DPR_OBN", "Název obchodníka"),
        character("DPR_TYP", 3, "Typ provize"),
        floating("DPR_PRS", "Prov.saz. %", "##0.00"),
    }};
    return layout;
}

const TableLayout& provKar()
{
    static const TableLayout layout{"ProvKar", {
        character("PRO_OBC", 3, "Obch."),
        character("PRK_KAR", 6, "Karta"),
        floating("PRK_PRO", "Prov.%", kMoneyFormat),
        lookedUp("PRK_NAC", "Název"),
    }};
    return layout;
}

const TableLayout& typProvize()
{
    static const TableLayout layout{"TypProvize", {
        character("TPR_TYP", 3, "Typ"),
        character("TPT_NAC", 30, "Název "),
    }};
    return layout;
}

const TableLayout& typPlatby()
{
    static const TableLayout layout{"TypPlatby", {
        character("BPT_KOD", 3, "Kód"),
        character("BPT_NAC", 30, "Popis "),
    }};
    return layout;
}

} // namespace tarvela::layouts
