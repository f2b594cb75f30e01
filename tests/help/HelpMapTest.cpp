#include <gtest/gtest.h>

#include "help/HelpMap.h"
#include "language/Language.h"

namespace {

const std::filesystem::path kFile = "/opt/pardex/PardexWIN.chm";

TEST(HelpMap, ProgramTableRows) {
    HelpMap map;
    EXPECT_FALSE(map.Has(1010));  // an empty map has no topic
    map.Build(HelpTopicTable());
    const struct {
        int rid;
        const char* topic;
    } rows[] = {
        {1010, "pardex\\Main\\Ch\\CH_CHANNEL.htm"},
        {1400, "pardex\\Main\\Zone\\ZONELIST.htm"},
        {MakeRID(0, 101, 2301), "pardex\\Main\\ZoneInfo\\ZoneInfo_TAG.htm"},
        {MakeRID(0, 128, 2866), "pardex\\Help\\GETSTARTED.htm"},
        {MakeRID(0, 174, 1013), "vondel\\Main\\LTR\\LTRGroup\\Zone\\LTRGroup.htm"},
        {MakeRID(17, 614, 1013), "vondel\\Signal\\MDC\\Sys\\RELEASEANIDISP.htm"},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(map.Topic(row.rid)) << row.rid;
        EXPECT_EQ(*map.Topic(row.rid), row.topic);
    }
    EXPECT_EQ(HelpTopicTable().front().rid, 1010);
}

TEST(HelpMap, RidListedTwiceKeepsItsFirstTopic) {
    const HelpTopicRow rows[] = {{5, "first.htm"}, {6, "six.htm"}, {5, "second.htm"}};
    HelpMap map;
    map.Build(rows);
    EXPECT_EQ(*map.Topic(5), "first.htm");
}

TEST(HelpMap, LocationFallsBackToTheDialogTopic) {
    const HelpTopicRow rows[] = {{1010, "a\\ch.htm"}, {MakeRID(0, 621, 0), "a\\d621.htm"}};
    HelpMap map;
    map.Build(rows);
    const struct {
        int rid, dialog;
        HelpLocation expected;
    } cases[] = {
        {1010, 101, {kFile, "a\\ch.htm"}},                     // the RID's own topic, any dialog
        {1010, 621, {kFile, "a\\ch.htm"}},                     //
        {MakeRID(0, 621, 2102), 621, {kFile, "a\\d621.htm"}},  // the dialog's topic
        {MakeRID(0, 101, 0), 101, {}},                         // neither: empty
        {MakeRID(0, 101, 1010), 101, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(LocateTopic(map, kFile, c.rid, c.dialog), c.expected) << c.rid;
    EXPECT_TRUE(LocateTopic(map, {}, 1010, 101).Empty());  // no help file path
}

TEST(HelpMap, ContextHelpTakesTheControlOnlyWhenItHasATopic) {
    const HelpTopicRow rows[] = {{MakeRID(0, 621, 2101), "x.htm"}, {MakeRID(3, 134, 1063), "col3.htm"}};
    HelpMap map;
    map.Build(rows);
    EXPECT_EQ(ContextHelpRID(map, 621, 2101), 6212101);
    EXPECT_EQ(ContextHelpRID(map, 621, 2102), 6210000);  // the dialog's, topic or not
    EXPECT_EQ(ContextHelpRID(map, 621, 0), 6210000);     // nothing focused
    EXPECT_EQ(ContextHelpRID(map, 134, 1063, 3), MakeRID(3, 134, 1063));
    EXPECT_EQ(ContextHelpRID(map, 134, 1063, 4), MakeRID(0, 134, 0));
    EXPECT_EQ(ContextHelpRID(HelpMap{}, 621, 2101), 6210000);  // an empty map
}

}  // namespace
