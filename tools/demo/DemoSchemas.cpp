#include "DemoSchemas.h"

#include "DemoTable.h"

namespace tarvela::demo::schemas {

namespace {

// The header fields invoices and credit notes share, in the sibling system's order.
std::vector<FieldDescriptor> documentHeader(bool invoice)
{
    std::vector<FieldDescriptor> fields = {
        D("HLA_DAT"), C("HLA_DO1", 10), C("HLA_DO2", 10), C("HLA_DO3", 10), C("HLA_ODB", 7),
        C("HLA_ODP", 3), C("HLA_NAC", 30), N("HLA_CUH", 12, 2), N("HLA_FHV", 8, 2),
        N("HLA_PCA", 12, 2), N("HLA_NCA", 12, 2), D("HLA_DVS"), D("HLA_DZP"), D("HLA_DSP"),
        C("HLA_FUH", 1), N("HLA_SBD", 12, 2), C("HLA_FDO", 1), N("HLA_Z00", 12, 2),
        N("HLA_Z05", 12, 2), N("HLA_Z22", 12, 2), N("HLA_D05", 12, 2), N("HLA_D22", 12, 2),
        L("HLA_PLA"), L("HLA_EDT"), L("HLA_PRN"), C("HLA_REF", 2), N("HLA_SLE", 6, 2),
        C("HLA_CEN", 1), L("HLA_TSK"), C("HLA_OBC", 3), C("HLA_DO4", 10), N("HLA_PRV", 12, 2),
        C("HLA_DO5", 10), D("HLA_BDP"), N("HLA_BPL", 12, 2)};
    if (invoice) {
        fields.push_back(L("HLA_PR1"));
        fields.push_back(L("HLA_PR2"));
    } else {
        fields.push_back(N("HLA_HAL", 8, 2));
    }
    fields.push_back(C("HLA_USR", 3));
    fields.push_back(C("HLA_KDY", 5));
    return fields;
}

} // namespace

std::vector<FieldDescriptor> faktury()
{
    return documentHeader(true);
}

std::vector<FieldDescriptor> dobropisy()
{
    return documentHeader(false);
}

std::vector<FieldDescriptor> denik()
{
    return {N("DEN_RAD", 10), D("DEN_DAT"), C("DEN_KDY", 5), C("DEN_DOK", 10), C("DEN_KAV", 6),
            C("DEN_IND", 3), C("DEN_OPE", 3), N("DEN_KUS", 8), N("DEN_HPC", 12, 2),
            N("DEN_HNC", 12, 2), N("DEN_DAN", 5, 1), N("DEN_ZAS", 10, 2), C("DEN_REF", 2),
            N("DEN_POZ", 10, 2), C("DEN_PRN", 1), C("DEN_USR", 3)};
}

std::vector<FieldDescriptor> sortiment()
{
    return {C("SOR_KAV", 6), C("SOR_NAC", 30), N("SOR_PC1", 12, 2), N("SOR_STA", 8),
            N("SOR_DAN", 5, 1), L("SOR_SKL"), L("SOR_OLD"), C("SOR_SKU", 3), N("SOR_PC2", 12, 2),
            N("SOR_PC3", 12, 2), N("SOR_PC4", 12, 2), N("SOR_PC5", 12, 2), N("SOR_BLO", 8),
            C("SOR_VYR", 3), C("SOR_MJE", 2), N("SOR_HMO", 8, 3), N("SOR_BAL", 3), C("SOR_DRU", 3),
            C("SOR_PSK", 3), C("SOR_EAN", 13), C("SOR_POZ", 30), N("SOR_OBJ", 10, 2),
            N("SOR_REQ", 8), N("SOR_MAJ", 8), N("SOR_PUJ", 8), L("SOR_KOM"), N("SOR_PLO", 8, 2),
            D("SOR_PPO"), N("SOR_MIN", 8), N("SOR_SLE", 6, 2), C("SOR_KDO", 10), C("SOR_KVY", 10),
            N("SOR_OTV", 8, 3), C("SOR_SKO", 3)};
}

std::vector<FieldDescriptor> sortiSkup()
{
    return {C("SSK_SKU", 3), C("SSK_NAC", 30), N("SSK_POR", 3), N("SSK_PRO", 6, 2)};
}

std::vector<FieldDescriptor> vypisy()
{
    return {C("VYP_DO2", 10), D("VYP_DVS"), C("VYP_TYP", 3), N("VYP_HOD", 12, 2), L("VYP_PRN"),
            C("VYP_DO1", 10), D("VYP_DAT"), N("VYP_KOE", 2), C("VYP_USR", 3)};
}

std::vector<FieldDescriptor> faktSlevy()
{
    return {C("FAS_FAK", 10), C("FAS_TYP", 3), C("FAS_NAZ", 40), N("FAS_HOD", 12, 2),
            N("FAS_PRO", 6, 2), N("FAS_SLE", 12, 2), N("FAS_DAN", 5, 1), L("FAS_DPH"),
            L("FAS_ROZ")};
}

std::vector<FieldDescriptor> obchodnici()
{
    return {C("OBC_KOD", 3), C("OBC_NAC", 30), N("OBC_LIM", 6, 2), N("OBC_KRA", 6, 3),
            N("OBC_SPL", 5), C("OBC_TEL", 20)};
}

std::vector<FieldDescriptor> delProv()
{
    return {C("DPR_FAK", 10), C("DPR_OBC", 3), N("DPR_PRO", 6, 2), N("DPR_OBR", 6, 2),
            C("DPR_TYP", 3), N("DPR_PRS", 6, 2)};
}

std::vector<FieldDescriptor> provKar()
{
    return {C("PRO_OBC", 3), C("PRK_KAR", 6), N("PRK_PRO", 6, 2)};
}

std::vector<FieldDescriptor> typProvize()
{
    return {C("TPR_TYP", 3), C("TPT_NAC", 30)};
}

std::vector<FieldDescriptor> typPlatby()
{
    return {C("BPT_KOD", 3), C("BPT_NAC", 30)};
}

std::vector<FieldDescriptor> uzivatele()
{
    return {C("USR_KOD", 3), C("USR_LNA", 10), C("USR_PSW", 10), C("USR_INI", 2), C("USR_GRP", 3),
            C("USR_NAC", 20), C("USR_TEL", 40), C("USR_EML", 40)};
}

std::vector<FieldDescriptor> uzivSkup()
{
    return {C("UGR_KOD", 3), C("UGR_NAC", 30)};
}

std::vector<FieldDescriptor> uziPopPrav()
{
    return {C("URT_KOD", 3), C("URT_NAC", 40), C("URT_GRP", 3)};
}

std::vector<FieldDescriptor> uziPrava()
{
    return {C("URS_KOD", 3), C("URS_URT", 3), N("URS_URS", 2)};
}

std::vector<FieldDescriptor> vlastnik()
{
    return {C("VLA_NAC", 30), C("VLA_FIR", 40), C("VLA_ULI", 30), C("VLA_MES", 30),
            C("VLA_PSC", 6), C("VLA_ICO", 10), C("VLA_DIC", 14), C("VLA_TEL", 20),
            C("VLA_EML", 40), C("VLA_BAN", 30), N("VLA_PR1", 2), N("VLA_PR2", 2), C("VLA_ORG", 3)};
}

std::vector<FieldDescriptor> odberatele()
{
    return {C("EXT_KOD", 7), C("EXT_NAC", 30), C("EXT_ALI", 15), C("EXT_ICO", 10),
            C("EXT_DIC", 14), C("EXT_TYP", 3), C("EXT_ULI", 30), C("EXT_MES", 30),
            C("EXT_PSC", 6), C("EXT_OBC", 3), N("EXT_SPL", 3), C("EXT_CEN", 1)};
}

} // namespace tarvela::demo::schemas
