#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>

#include "data/company/TData.h"
#include "platform/UserEnvironment.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

using namespace tarvela;

namespace {

// One demo company for all cases, opened through the data module as the
// program opens it.
class DemoData : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::make_unique<test::TempDir>();
        const std::string tool = std::string(TARVELA_BUILD_DIR) + "/tools/tarvela-demo";
        ASSERT_EQ(std::system((tool + " " + dir_->str() + " --seed 11 --anomalies > /dev/null").c_str()), 0);
        data_ = std::make_unique<TData>(ui_, dir_->str() + "/", PathMapping{});
        ASSERT_TRUE(data_->DataCreate());
    }
    static void TearDownTestSuite()
    {
        data_.reset();
        dir_.reset();
    }

    // Calls visit for every live record of the table, which is opened and closed here.
    template <typename Visit>
    static void forEach(DbfTable& table, Visit visit)
    {
        table.open();
        for (table.first(); !table.eof(); table.next())
            visit(table);
        table.close();
    }

    static inline test::RecordingUi ui_;
    static inline std::unique_ptr<test::TempDir> dir_;
    static inline std::unique_ptr<TData> data_;
};

struct PaidState {
    double sum = 0;
    DayNumber last = 0;
    int count = 0;
};

} // namespace

TEST_F(DemoData, HeadersAgreeWithTheirPayments)
{
    std::map<std::string, PaidState> paid;
    forEach(data_->Vypisy, [&](DbfTable& t) {
        PaidState& state = paid[t.asString("VYP_DO1")];
        state.sum += t.asFloat("VYP_HOD");
        state.last = std::max(state.last, t.asDate("VYP_DVS"));
        ++state.count;
    });
    int late = 0, unpaid = 0, overpaid = 0, instalments = 0;
    for (DbfTable* headers : {&data_->Faktury, &data_->Dobropisy}) {
        forEach(*headers, [&](DbfTable& t) {
            const PaidState state = paid[t.asString("HLA_DO1")];
            const double total = t.asFloat("HLA_CUH");
            EXPECT_NEAR(t.asFloat("HLA_BPL"), state.sum, 0.005) << t.asString("HLA_DO1");
            EXPECT_EQ(t.asDate("HLA_BDP"), state.last) << t.asString("HLA_DO1");
            EXPECT_EQ(t.asBool("HLA_PLA"), !(total > t.asFloat("HLA_BPL"))) << t.asString("HLA_DO1");
            late += state.last > t.asDate("HLA_DSP") + 30;
            unpaid += state.count == 0;
            overpaid += state.sum > total + 0.5;
            instalments += state.count >= 2;
        });
    }
    EXPECT_GT(late, 0);
    EXPECT_GT(unpaid, 0);
    EXPECT_GT(overpaid, 0);
    EXPECT_GT(instalments, 0);
}

TEST_F(DemoData, StoredTotalsAreWhatTheProgramRecomputes)
{
    for (auto [headers, kind] : {std::pair{&data_->Faktury, kInvoiceKind}, std::pair{&data_->Dobropisy, kCreditNoteKind}}) {
        headers->open();
        int checked = 0;
        for (headers->first(); !headers->eof() && checked < 100; headers->next(), ++checked) {
            const std::string number = headers->asString("HLA_DO1");
            const DocumentTotals totals = data_->HlaHod(number, kind);
            EXPECT_NEAR(totals.total, headers->asFloat("HLA_CUH"), 0.005) << number;
            EXPECT_NEAR(totals.basicBase, headers->asFloat("HLA_Z22"), 0.005) << number;
            EXPECT_NEAR(totals.basicVat, headers->asFloat("HLA_D22"), 0.005) << number;
            EXPECT_NEAR(totals.reducedBase, headers->asFloat("HLA_Z05"), 0.005) << number;
            EXPECT_NEAR(totals.zeroBase, headers->asFloat("HLA_Z00"), 0.005) << number;
            EXPECT_NEAR(totals.costTotal, headers->asFloat("HLA_NCA"), 0.005) << number;
            EXPECT_NEAR(totals.discountsOutsideVat, headers->asFloat("HLA_SBD"), 0.005) << number;
        }
        headers->close();
    }
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(DemoData, JournalIsInTimeOrderWithSignedDocumentRows)
{
    std::set<std::string> operations;
    DayNumber previousDay = 0;
    int previousRow = 0;
    forEach(data_->Denik, [&](DbfTable& t) {
        EXPECT_GE(t.asDate("DEN_DAT"), previousDay);
        EXPECT_EQ(t.asInteger("DEN_RAD"), previousRow + 1);
        previousDay = t.asDate("DEN_DAT");
        previousRow = t.asInteger("DEN_RAD");
        const std::string operation = t.asString("DEN_OPE");
        operations.insert(operation);
        if (operation == "004") {
            EXPECT_LT(t.asInteger("DEN_KUS"), 0);
            EXPECT_LT(t.asFloat("DEN_HPC"), 0);
            EXPECT_EQ(t.asString("DEN_DOK").front(), 'F');
        } else if (operation == "008") {
            EXPECT_GT(t.asInteger("DEN_KUS"), 0);
            EXPECT_EQ(t.asString("DEN_DOK").front(), 'D');
        } else if (operation == "300") {
            EXPECT_EQ(t.asInteger("DEN_KUS"), 0);
        }
    });
    EXPECT_EQ(operations, (std::set<std::string>{"001", "002", "004", "005", "008", "300", "301"}));
    EXPECT_GT(previousRow, 5000);
}

TEST_F(DemoData, CodeListsGiveTheRulesSomethingToTellApart)
{
    std::set<double> limits;
    forEach(data_->Obchodnici, [&](DbfTable& t) { limits.insert(t.asFloat("OBC_LIM")); });
    EXPECT_GE(limits.size(), 4u);

    int retired = 0, withoutGroup = 0, regrouped = 0;
    forEach(data_->Sortiment, [&](DbfTable& t) {
        retired += t.asBool("SOR_OLD");
        withoutGroup += t.asString("SOR_SKU").empty();
        regrouped += t.asString("SOR_SKO") != t.asString("SOR_SKU");
    });
    EXPECT_GT(retired, 0);
    EXPECT_GT(withoutGroup, 0);
    EXPECT_GT(regrouped, 0);

    std::map<std::string, double> shares;
    std::set<std::string> kinds;
    forEach(data_->DelProv, [&](DbfTable& t) {
        shares[t.asString("DPR_FAK")] += t.asFloat("DPR_PRO");
        kinds.insert(t.asString("DPR_TYP"));
    });
    EXPECT_FALSE(shares.empty());
    for (const auto& [document, share] : shares)
        EXPECT_DOUBLE_EQ(share, 100) << document;
    EXPECT_EQ(kinds, (std::set<std::string>{"001", "002"}));
}

TEST_F(DemoData, TheLogonUserCanLogIn)
{
    std::string login = logonName().substr(0, 10);
    if (login.empty())
        GTEST_SKIP() << "no logon name";
    for (char& c : login)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    bool found = false;
    forEach(data_->Uzivatele, [&](DbfTable& t) { found = found || t.asString("USR_LNA") == login; });
    EXPECT_TRUE(found);
    data_->Vlastnik.open();
    data_->Vlastnik.first();
    EXPECT_EQ(data_->Vlastnik.asString("VLA_NAC"), "Železářství Brno - velkoobchod");
    data_->Vlastnik.close();
}
