#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "help/HelpFileSystem.h"
#include "help/RelatedItems.h"

namespace {

using Rows = std::array<std::string, RelatedRows>;

TEST(RelatedItems, ListsFillRowsOneToNine) {
    const struct {
        const char* text;
        Rows rows;
    } cases[] = {
        {"", {}},
        {"alone", {"alone"}},
        {"a,b,c", {"a", "b", "c"}},
        {"a,b,", {"a", "b", ""}},
        {",x", {"", "x"}},
        {"1,2,3,4,5,6,7,8,9,10", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {"1,2,3,4,5,6,7,8,9,10,11,12", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitRelatedList(c.text), c.rows) << c.text;
}

TEST(RelatedItems, ElementNamesAndKeys) {
    const struct {
        int dialog, column;
        const char* name;
    } cases[] = {{134, 0, "CH"},      {134, 1, "WN"}, {134, 2, "TAG"},  {134, 3, "INFO"}, {134, 4, "FREQ_RX"},
                 {134, 5, "FREQ_TX"}, {134, 6, ""},   {134, 10, ""},    {134, 26, ""},    {134, 27, "LAST"},
                 {134, 28, ""},       {140, 0, ""},   {140, 1, "Z_CH"}, {140, 2, ""},     {101, 0, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(RelatedElementName(c.dialog, c.column), c.name) << c.dialog << "/" << c.column;
    EXPECT_EQ(RelatedKey(1013, 5000, 0), 5300);
    EXPECT_EQ(RelatedKey(1013, 4000, 27), 4327);
}

class RelatedFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("zt_related_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        path_ = dir_ / RelatedItemsFileName;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    void Write(const std::string& text) { std::ofstream(path_, std::ios::binary | std::ios::trunc) << text; }
    std::filesystem::path dir_, path_;
};

TEST_F(RelatedFile, ElementAtAnyDepthWithNameAndValue) {
    Write(
        "<?xml version=\"1.0\"?><ROOT><GRID><CH><NAME>a,b</NAME><VALUE>x,y</VALUE></CH></GRID>"
        "<TAG><p:NAME xmlns:p=\"urn:p\">tag</p:NAME></TAG></ROOT>");
    RelatedItemsFile file(path_);
    EXPECT_EQ(file.ReadText("CH", "NAME"), "a,b");
    EXPECT_EQ(file.ReadText("CH", "VALUE"), "x,y");
    EXPECT_EQ(file.ReadText("TAG", "NAME"), "tag");  // matched by its base name
    EXPECT_EQ(file.ReadText("TAG", "VALUE", "none"), "none");
    EXPECT_EQ(file.ReadText("WN", "NAME", "none"), "none");
    EXPECT_EQ(file.ReadText("", "NAME"), "");
    EXPECT_EQ(file.ForRID(1344300, "CH"), (RelatedItem{"a,b", "x,y"}));
    EXPECT_EQ(file.LoadCount(), 1);
}

TEST_F(RelatedFile, MissingOrDamagedFileGivesEmptyTextsAndOneLogLine) {
    std::vector<std::string> log;
    Help::SetLogSink([&](const std::string& line) { log.push_back(line); });
    RelatedItemsFile file(path_);
    EXPECT_EQ(file.ForRID(1, "CH"), RelatedItem{});
    Write("<ROOT><CH><NAME>a</NAME>");  // cut short
    EXPECT_EQ(file.ForRID(2, "CH"), RelatedItem{});
    Write("not xml at all");
    EXPECT_EQ(file.ForRID(3, "CH"), RelatedItem{});
    EXPECT_EQ(file.ForRID(4, "CH"), RelatedItem{});
    EXPECT_EQ(log.size(), 1u);
    Help::SetLogSink({});
}

TEST_F(RelatedFile, ReadOnceAndAgainWhenChangedOnDisk) {
    Write("<R><CH><NAME>one</NAME><VALUE>1</VALUE></CH></R>");
    RelatedItemsFile file(path_);
    EXPECT_EQ(file.ForRID(1344300, "CH").name, "one");
    EXPECT_EQ(file.ForRID(1344300, "CH").name, "one");
    EXPECT_EQ(file.ForRID(1344301, "WN").name, "");
    EXPECT_EQ(file.LoadCount(), 1);
    // A new text of another length and a later time: read again.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    Write("<R><CH><NAME>one,two</NAME><VALUE>1,2</VALUE></CH></R>");
    std::filesystem::last_write_time(path_,
                                     std::filesystem::last_write_time(path_) + std::chrono::seconds(2));
    EXPECT_EQ(file.ForRID(1344300, "CH"), (RelatedItem{"one,two", "1,2"}));
    EXPECT_EQ(file.LoadCount(), 2);
}

TEST_F(RelatedFile, ExternalEntitiesAreNeverResolved) {
    const auto secret = dir_ / "secret.txt";
    std::ofstream(secret) << "SECRET-TEXT";
    Write("<?xml version=\"1.0\"?>\n<!DOCTYPE R [<!ENTITY ext SYSTEM \"file://" + secret.string() +
          "\">]>\n<R><CH><NAME>a&ext;b</NAME><VALUE>v</VALUE></CH></R>");
    RelatedItemsFile file(path_);
    EXPECT_EQ(file.ReadText("CH", "NAME").find("SECRET"), std::string::npos);
}

}  // namespace
