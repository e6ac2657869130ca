#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/TDBEditOrvo.h"
#include "screens/salesmen/TObchEditForm.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;

namespace {

QPushButton* buttonOf(QWidget& window, const QString& caption)
{
    for (auto* button : window.findChildren<QPushButton*>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

} // namespace

TEST(ShellSalesmen, NewSalesmanWithExistingCodeIsRefused)
{
    CompanyFixture company;
    company.addSalesman("001", 22, 0.5);
    TData& data = company.data();
    data.Obchodnici.open();
    data.Obchodnici.append();
    TObchEditForm form(nullptr, data, true);
    form.refreshFields();
    form.codeEdit().setText("001");
    form.nameEdit().setText("Druhý Novák");
    buttonOf(form, "Zapiš")->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    ASSERT_EQ(company.ui.messages.size(), 1u);
    EXPECT_EQ(company.ui.messages[0], "Obchodník s kódem 001 již existuje. Zadejte jiný kód.");

    form.codeEdit().setText("002");
    buttonOf(form, "Zapiš")->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    data.Obchodnici.post();
    EXPECT_TRUE(data.Obchodnici.locate({"OBC_KOD"}, {FieldValue(std::string("002"))}));
    EXPECT_EQ(QString::fromStdString(data.Obchodnici.asString("OBC_NAC")).trimmed(), "Druhý Novák");
    data.Obchodnici.close();
}

TEST(ShellSalesmen, CodeMustHaveThreeCharactersToBeWritten)
{
    CompanyFixture company;
    TData& data = company.data();
    data.Obchodnici.open();
    data.Obchodnici.append();
    TObchEditForm form(nullptr, data, true);
    form.codeEdit().setText("01");
    buttonOf(form, "Zapiš")->click();
    EXPECT_NE(form.result(), QDialog::Accepted);
    EXPECT_EQ(company.ui.messages, std::vector<std::string> {"Kód obchodníka musí mít právě 3 znaky."})
        << "the refusal says why";
    data.Obchodnici.cancel();
    data.Obchodnici.close();
}
