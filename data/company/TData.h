// The data module: the settings of Merkan.ini and one DbfTable per table of
// the shared data folder, named as the sibling system names them. It owns
// every table for the whole run and opens none by itself; whoever opens a
// table closes it. Anything meant for the user goes through its Ui.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/table/DbfTable.h"
#include "data/documents/DocumentItems.h"
#include "data/documents/DocumentTotals.h"
#include "data/documents/DokladObsah.h"
#include "data/company/MerkanSettings.h"
#include "platform/Ui.h"
#include "platform/WindowsPath.h"

namespace tarvela {

struct CatalogueEntry;
class TableRunProgress;

class TData {
public:
    // programDirectory holds Merkan.ini (see findProgramDirectory).
    TData(Ui& ui, std::string programDirectory);
    TData(Ui& ui, std::string programDirectory, PathMapping mapping);
    TData(const TData&) = delete;
    TData& operator=(const TData&) = delete;

    // Start-up without the logo and the login: defaults, IniPrepare, naming
    // every table, the check for the users table. True when the login may
    // follow; otherwise the user has been told why not.
    bool DataCreate();
    // Reads Merkan.ini; false (after telling the user) when it is missing.
    // A bad whole number throws "'%s' is not a valid integer value".
    bool IniPrepare();

    // Window heights by screen code (1 invoices, 2 credit notes, 12 stock
    // movements, ...); 0 / nothing when Merkan.ini is missing or the code unknown.
    int GetIniWinHigh(int screenCode) const;
    void SeTIniWinHigh(int screenCode, int height);
    // Writes both printer indexes; creates Merkan.ini when missing.
    void ZapisNastaveniTiskaren();

    MerkanSettings& settings() { return settings_; }
    const MerkanSettings& settings() const { return settings_; }
    Ui& ui() const { return ui_; }
    std::string iniPath() const;
    // The member of that name, e.g. "Faktury"; nullptr for an unknown name.
    DbfTable* table(const std::string& memberName);

    // Reindexing and the open and close operations of the most used tables.
    // Index() is true when every table was found and rebuilt; reindexAll()
    // does the same, tells progress (when given) how far it is, and names
    // the table files that were left out.
    bool Index();
    std::vector<std::string> reindexAll(TableRunProgress* progress = nullptr);
    void OpenFak(int mode, const std::string& tag);
    void OpenDob(int mode, const std::string& tag);
    void OpenFakSle(int mode, const std::string& tag);
    void OpenVyp(int mode, const std::string& tag);
    void OpenDen(int mode, const std::string& tag);
    void OpenSor(int mode, const std::string& tag);
    void CloseFak();
    void CloseDob();
    void CloseFakSle();
    void CloseVyp();
    void CloseDenik();
    void CloseSor();
    // Record number of the product card found or chosen last; 0 until then.
    std::uint32_t lastCardRecord = 0;
    // Screen position of the document browser activated last (0, 0 until
    // then); the product range lookup opens relative to it.
    int lastBrowserLeft = 0;
    int lastBrowserTop = 0;
    // Any table of the catalogue: opened with its index file and `tag`
    // active when it has one (a table found open keeps or gets its index file
    // as the sibling system's operations do), plainly otherwise; closed with
    // its index file detached. Opening with an index file never throws: a
    // table that cannot be opened stays closed.
    void openTable(DbfTable& table, const std::string& tag);
    void closeTable(DbfTable& table);
    // The catalogue's member name of one of this module's tables.
    std::string memberOf(const DbfTable& table) const;
    // Names a further, closed handle on one of this module's tables as the
    // module's own: file, lock protocol and layout of its catalogue entry, so
    // a check through it locks and reads as every other handle does.
    void nameSecondHandle(DbfTable& handle, const DbfTable& table) const;

    // Document totals and payment status (TDataTotals.cpp, TDataPayments.cpp).
    // kind: invoiceKind or creditNoteKind. HlaHod always takes the price basis
    // of Merkan.ini; the commission computations never change it.
    DocumentTotals HlaHod(const std::string& document, int kind);
    // HlaHod of several documents of one kind: all their journal lines are
    // read under one index lock, then all their discounts under another, so
    // a report reading thousands of documents does not lock once for each.
    // DokladObsah ends with the rows of the last one; no header is written.
    std::vector<DocumentTotals> HlaHodOfDocuments(const std::vector<std::string>& documents, int kind);
    // Recomputes the totals into the current record of Faktury or Dobropisy,
    // which the caller has positioned on the document's header, and then,
    // under the same record lock, its paid sum, date and flag from Vypisy,
    // so the flag agrees with the new total. False (after the lock message,
    // nothing changed) when another program holds the header.
    bool OpravaHlavicky(const std::string& document, int kind);
    // HlaHod's item collection: the document's items folded and appended to
    // DokladObsah (which HlaHod empties first), and returned in that order.
    std::vector<ItemSum> GetDoklad(const std::string& document);
    std::vector<ItemSum> GetDobropis(const std::string& document);
    double GetPlacenoFaktura(const std::string& document);
    // The paid sums of several documents, read under one index lock.
    std::vector<double> GetPlacenoFaktury(const std::vector<std::string>& documents);
    // Also the latest payment date (0 without payments); lifts the range.
    double GetPlacenoFaktura(const std::string& document, DayNumber& paymentDate);
    MemTable DokladObsah = makeDokladObsah();

    // Tables the program reads or writes.
    DbfTable Faktury, Dobropisy, Denik, Sortiment, SortiSkup, Vypisy, FaktSlevy, Obchodnici,
        DelProv, ProvKar, TypProvize, TypPlatby, Uzivatele, UzivSkup, UziPopPrav, UziPrava,
        Vlastnik;
    // Tables of the sibling system, named for the reindexing only.
    DbfTable DenikPujc, Sklad, SkladPujc, Ciselnik, Dodavatele, Dodavky, DodavkyPujc, Vratky,
        VratkyPujc, Prodejny, Vydejky, VydejkyPujc, TypVydeje, Pokladna, FinOperace, FormaUhrady,
        Uctenky, Odberatele, OdbPob, Maska, SlevaSkupina, SlevaKarta, SortiDruh, SortiPodSkp,
        Ceniky, FormaDopravy, Prijemky, PrijemkyPujc, Proformy, BlokacePolozky, Poznamky,
        PrecHlav, PrecPol, Vycetky, Hlasky, SortiVyrobce, MjeJed, TypOdberatele, TypSlevOdb,
        InveHlav, InvePol, InveTyp, InveSkl, ObjHlav, ObjPol, ZapujDen, Pujcky, ZapVratky,
        FakOdpro, FakNajem, FakNajemInt, PodklHlav, PodklPol, TypySlevFaktura, ZakVydejky,
        FakZakazky, FakZakInt, NabHlav, NabPol, FakVolHla, DobVolHla, FakVolPol;

private:
    void rememberFirstCard();

    void nameTables();
    void nameTable(DbfTable& table, const CatalogueEntry& entry) const;
    bool usersTableExists() const;

    Ui& ui_;
    PathMapping mapping_;
    MerkanSettings settings_;
};

} // namespace tarvela
