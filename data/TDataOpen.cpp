#include "data/TData.h"

#include <exception>

#include "data/IndexedOpening.h"

// The mode argument of the open operations is 0 at every call and has no
// effect; it stays for the callers' sake.

namespace tarvela {

namespace {

std::string indexName(const char* prefix, const MerkanSettings& settings)
{
    return prefix + settings.companyNumber;
}

} // namespace

void TData::OpenFak(int, const std::string& tag)
{
    openWithIndex(Faktury, indexName("FAK", settings_), tag, WhenAlreadyOpen::SelectTagOnly);
}

void TData::OpenDob(int, const std::string& tag)
{
    openWithIndex(Dobropisy, indexName("DOB", settings_), tag, WhenAlreadyOpen::SelectTagOnly);
}

void TData::OpenFakSle(int, const std::string& tag)
{
    openWithIndex(FaktSlevy, indexName("FAS", settings_), tag, WhenAlreadyOpen::SelectTagOnly);
}

void TData::OpenVyp(int, const std::string& tag)
{
    openWithIndex(Vypisy, indexName("Vyp", settings_), tag, WhenAlreadyOpen::AttachWhenNoTags);
}

void TData::OpenDen(int, const std::string& tag)
{
    openWithIndex(Denik, indexName("DEN", settings_), tag, WhenAlreadyOpen::AttachWhenNoTags);
}

// The product lookup starts from the remembered card; until one has been
// found, that is the first record.
void TData::OpenSor(int, const std::string& tag)
{
    if (!openWithIndex(Sortiment, indexName("SOR", settings_), tag, WhenAlreadyOpen::AttachWhenNoTags))
        return;
    if (lastCardRecord != 0)
        return;
    try {
        Sortiment.first();
        if (!Sortiment.eof())
            lastCardRecord = Sortiment.recordNumber();
    } catch (const std::exception&) {
    }
}

void TData::CloseFak() { closeWithIndex(Faktury, indexName("FAK", settings_)); }
void TData::CloseDob() { closeWithIndex(Dobropisy, indexName("DOB", settings_)); }
void TData::CloseFakSle() { closeWithIndex(FaktSlevy, indexName("FAS", settings_)); }
void TData::CloseVyp() { closeWithIndex(Vypisy, indexName("Vyp", settings_)); }
void TData::CloseDenik() { closeWithIndex(Denik, indexName("DEN", settings_)); }
void TData::CloseSor() { closeWithIndex(Sortiment, indexName("SOR", settings_)); }

} // namespace tarvela
