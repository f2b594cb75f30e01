#include <gtest/gtest.h>
#include <unistd.h>

#include <wx/sizer.h>

#include <chrono>
#include <fstream>
#include <string>

#include "HelpWinUtil.h"
#include "help/RelatedItemPane.h"
#include "ui/VSFlexGrid.h"

namespace {

class RelatedPaneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("zt_related_pane_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        Write(
            "<?xml version=\"1.0\"?><ITEMS><CH><NAME>Channel,Zone,Bank</NAME><VALUE>1-128,1-8,A</VALUE></CH>"
            "<Z_CH><NAME>Position</NAME><VALUE>1-16</VALUE></Z_CH></ITEMS>");
        file_ = std::make_shared<RelatedItemsFile>(dir_ / RelatedItemsFileName);
        pane_ = new CRelatedItem(file_);
        ASSERT_TRUE(pane_->CreatePane(frame_.frame, CRelatedItem::IDD));
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(pane_, 1, wxEXPAND);
        frame_->SetSizer(sizer);
        frame_->Layout();
        ProcessQueued();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    void Write(const std::string& text) {
        const auto path = dir_ / RelatedItemsFileName;
        const bool existed = std::filesystem::exists(path);
        const auto stamp =
            existed ? std::filesystem::last_write_time(path) : std::filesystem::file_time_type{};
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        if (existed) std::filesystem::last_write_time(path, stamp + std::chrono::seconds(2));
    }
    std::vector<std::string> Column(int col) const {
        std::vector<std::string> out;
        for (int row = 1; row <= RelatedRows; ++row) out.push_back(pane_->Grid()->GetTextMatrix(row, col));
        return out;
    }
    static std::vector<std::string> Rows(std::initializer_list<const char*> texts) {
        std::vector<std::string> out(texts.begin(), texts.end());
        out.resize(RelatedRows);
        return out;
    }

    TestFrame frame_;
    std::filesystem::path dir_;
    std::shared_ptr<RelatedItemsFile> file_;
    CRelatedItem* pane_ = nullptr;
};

TEST_F(RelatedPaneTest, GridColumnsFillNamesAndValues) {
    EXPECT_EQ(pane_->Grid()->GetRows(), 1 + RelatedRows);
    EXPECT_EQ(pane_->Grid()->GetCols(), 2);
    pane_->ShowForGridColumn(134, 0);
    EXPECT_EQ(Column(0), Rows({"Channel", "Zone", "Bank"}));
    EXPECT_EQ(Column(1), Rows({"1-128", "1-8", "A"}));
    pane_->ShowForGridColumn(134, 10);  // no element name: both columns empty
    EXPECT_EQ(Column(0), Rows({}));
    EXPECT_EQ(Column(1), Rows({}));
    pane_->ShowForGridColumn(140, 1);
    EXPECT_EQ(Column(0), Rows({"Position"}));
    pane_->ShowForControl("CH", 101);
    EXPECT_EQ(Column(1), Rows({"1-128", "1-8", "A"}));
    EXPECT_EQ(file_->LoadCount(), 1);
}

TEST_F(RelatedPaneTest, AFileChangedOnDiskIsReadAgain) {
    pane_->ShowForGridColumn(134, 0);
    Write("<ITEMS><CH><NAME>Only</NAME><VALUE>one</VALUE></CH></ITEMS>");
    pane_->ShowForGridColumn(134, 0);
    EXPECT_EQ(Column(0), Rows({"Only"}));
    EXPECT_EQ(Column(1), Rows({"one"}));
    std::filesystem::remove(dir_ / RelatedItemsFileName);
    pane_->ShowForGridColumn(134, 0);
    EXPECT_EQ(Column(0), Rows({}));
}

}  // namespace
