#include <gtest/gtest.h>

#include <fstream>

#include "platform/Error.h"
#include "report/Crc32.h"
#include "report/HtmlWriter.h"
#include "report/PageSnapshot.h"
#include "report/PlainTextWriter.h"
#include "platform/RegionalSettings.h"
#include "platform/WholeFile.h"
#include "support/SampleReport.h"
#include "support/TempDir.h"

using namespace tarvela;

namespace {

ReportDocument sampleDocument(int documents, Orientation orientation = Orientation::Portrait)
{
    setDecimalSeparator(',');
    SilentReportStatus status;
    TBaseReport canvas(orientation, PrinterSelection(kDefaultPrinter, 0), status);
    test::drawSampleReport(canvas, documents);
    setDecimalSeparator('.');
    return canvas.TakeDocument();
}

std::string withFreshChecksum(std::string bytes)
{
    const size_t end = bytes.rfind("end\t");
    bytes.resize(end);
    char checksum[16];
    std::snprintf(checksum, sizeof checksum, "%08x", unsigned(crc32(bytes)));
    return bytes + "end\t" + checksum + "\n";
}

std::string snapshotError(const std::string& bytes)
{
    try {
        parseSnapshot(bytes, "sestava.tvs");
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(PlainText, SampleLayoutGivesTextsOfEachCanvasLine)
{
    const std::string expected =
        "Vyúčtování provizí z faktur uhrazených v období od 01.01.2007 do 31.01.2007\n"
        "Obchodní zástupce :\tJiří Šťastný\n"
        "Číslo faktury \t2007000100\n"
        "Odběratel \tŽelezářství Řeřicha\n"
        "Celková částka \t12100,50\n"
        "Čís.karty\tNázev zboží\tSkup.\tProd.Cena\tCen.Cena\tRab%\tPr.t.%\tPr.sk %\tProv. Kč\n"
        "000123/001\tŠroubovák křížový\t01\t1234,5678\t1100\t5\t10\t100\t123,45678\n"
        "000456/002\tKleště štípací\t02\t99\t90\t0\t10\t100\t9,9\n"
        "Celkem\t     1333,57\t     1190,00\t      133,36\n"
        "Celková částka provize \t      133,36\n";
    EXPECT_EQ(plainText(sampleDocument(1)), expected);
}

TEST(PlainText, PagesAreSeparatedByFormFeedLineAndFootersShareALine)
{
    const ReportDocument document = sampleDocument(8);
    ASSERT_GE(document.pages.size(), 2u);
    const std::string text = plainText(document);
    EXPECT_NE(text.find("Strana 1\tDatum 01.01.2007\n\f\nČíslo faktury \t"), std::string::npos);
    size_t formFeeds = 0;
    for (size_t at = text.find("\n\f\n"); at != std::string::npos; at = text.find("\n\f\n", at + 1))
        ++formFeeds;
    EXPECT_EQ(formFeeds, document.pages.size() - 1);
}

TEST(PlainText, WrittenFileHoldsSameText)
{
    test::TempDir dir;
    const ReportDocument document = sampleDocument(2);
    writePlainText(document, dir / "sestava.txt");
    EXPECT_EQ(readWholeFile(dir / "sestava.txt"), plainText(document));
}

TEST(Snapshot, RoundTripGivesIdenticalPageModel)
{
    ReportDocument document = sampleDocument(8);
    TextRun odd;
    odd.text = "tab\there \\ new\nline\rend";
    odd.font.name = "Arial\tCE";
    odd.font.italic = odd.font.strikeOut = true;
    odd.align = Justification::Center;
    odd.x = 0.1 + 0.2;
    document.pages.push_back(Page::a4(Orientation::Landscape));
    document.pages.back().ops.push_back(odd);
    document.pages.push_back(Page::a4(Orientation::Portrait));

    test::TempDir dir;
    writeSnapshot(document, dir / "sestava.tvs");
    EXPECT_EQ(readSnapshot(dir / "sestava.tvs"), document);
}

TEST(Snapshot, DamagedFilesAreClearErrors)
{
    const std::string good = snapshotBytes(sampleDocument(1));
    ASSERT_EQ(snapshotError(good), "");

    std::string flipped = good;
    flipped[good.size() / 2] ^= 0x01;
    EXPECT_EQ(snapshotError(flipped), "Soubor sestava.tvs není platný snímek sestavy: nesouhlasí kontrolní součet.");

    EXPECT_EQ(snapshotError(good.substr(0, good.size() - 20)),
              "Soubor sestava.tvs není platný snímek sestavy: soubor je neúplný.");
    EXPECT_EQ(snapshotError(""), "Soubor sestava.tvs není platný snímek sestavy: soubor je neúplný.");

    std::string newer = good;
    newer.replace(newer.find("\t1\n"), 3, "\t2\n");
    EXPECT_EQ(snapshotError(withFreshChecksum(newer)),
              "Soubor sestava.tvs není platný snímek sestavy: verze 2 není podporována.");

    std::string foreign = "PK\x03\x04 something\n";
    EXPECT_NE(snapshotError(foreign).find("není platný snímek sestavy"), std::string::npos);
}

TEST(Snapshot, RecordsAreCheckedEvenWithValidChecksum)
{
    const std::string good = snapshotBytes(sampleDocument(1));
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string bytes = good;
        bytes.replace(bytes.find(from), from.size(), to);
        return snapshotError(withFreshChecksum(bytes));
    };
    EXPECT_EQ(replaced("pages\t1", "pages\t2"), "Soubor sestava.tvs není platný snímek sestavy: chybí záznamy.");
    EXPECT_EQ(replaced("page\t21\t", "page\t-21\t"),
              "Soubor sestava.tvs není platný snímek sestavy: poškozený záznam na řádku 3.");
    EXPECT_NE(replaced("\t230\t230\t230", "\t230\t999\t230").find("poškozený záznam na řádku"), std::string::npos);
    EXPECT_NE(replaced("\tL\t", "\tX\t").find("poškozený záznam"), std::string::npos);
    EXPECT_NE(replaced("rect\t", "oval\t").find("poškozený záznam"), std::string::npos);
    EXPECT_NE(replaced("text\t1\t", "text\tnan\t").find("poškozený záznam"), std::string::npos);
}

TEST(Snapshot, MissingFileIsClearError)
{
    test::TempDir dir;
    try {
        readSnapshot(dir / "neni.tvs");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Nelze otevřít soubor " + (dir / "neni.tvs").string());
    }
}

TEST(WholeFiles, FailedWriteKeepsOldFileAndLeavesNoTemporary)
{
    test::TempDir dir;
    writeWholeFile(dir / "a.txt", "old");
    std::filesystem::create_directory(dir / "blocked.txt");
    EXPECT_THROW(writeWholeFile(dir / "blocked.txt", "new"), Error);
    EXPECT_THROW(writeWholeFile(dir / "missing" / "a.txt", "new"), Error);
    writeWholeFile(dir / "a.txt", "new");
    EXPECT_EQ(readWholeFile(dir / "a.txt"), "new");
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 2u);
}

TEST(Html, OneFilePerPageHoldingItsTexts)
{
    const ReportDocument document = sampleDocument(8);
    ASSERT_GE(document.pages.size(), 2u);
    test::TempDir dir;
    writeHtml(document, dir / "sestava.html");
    const auto names = htmlPageFileNames(dir / "sestava.html", document.pages.size());
    EXPECT_EQ(names[1].filename(), "sestava_2.html");
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string html = readWholeFile(names[i]);
        EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
        for (const DrawOp& op : document.pages[i].ops) {
            if (const auto* run = std::get_if<TextRun>(&op)) {
                EXPECT_NE(html.find(">" + run->text + "</div>"), std::string::npos) << run->text;
            }
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir / ("sestava_" + std::to_string(names.size() + 1) + ".html")));
}

TEST(Html, TextIsEscapedAndPlacedByItsAnchor)
{
    ReportDocument document;
    document.pages.push_back(Page::a4(Orientation::Portrait));
    TextRun left;
    left.text = "<b>&\"";
    left.x = 2;
    TextRun right;
    right.text = "12,50";
    right.x = 5;
    right.width = 1;
    right.align = Justification::Right;
    right.font.color = kRed;
    document.pages[0].ops = {left, right, FilledRect{1, 2, 3, 0.5, Rgb{230, 230, 230}}};
    const std::string html = htmlPage(document, 0, {"a.html"});
    EXPECT_NE(html.find(">&lt;b&gt;&amp;&quot;</div>"), std::string::npos);
    EXPECT_NE(html.find("left:2cm"), std::string::npos);
    EXPECT_NE(html.find("right:15cm"), std::string::npos);
    EXPECT_NE(html.find("color:#ff0000"), std::string::npos);
    EXPECT_NE(html.find("fill=\"#e6e6e6\""), std::string::npos);
    EXPECT_EQ(html.find("<nav>"), std::string::npos);
}
