#include <gtest/gtest.h>

#include "ui/MessageService.h"

TEST(MessageService, ScriptedRecordsAndAnswersInOrderThenCautiously) {
    ScriptedMessageService svc;
    ScopedMessageService scope(svc);
    svc.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(ShowMessage("Save?", "PardexWIN", MsgStyle::YesNoCancel | MsgStyle::IconQuestion),
              MsgAnswer::Yes);
    // Queue exhausted: the cautious answer for each style.
    EXPECT_EQ(ShowMessage("a", {}, MsgStyle::YesNoCancel), MsgAnswer::Cancel);
    EXPECT_EQ(ShowMessage("b", {}, MsgStyle::YesNo), MsgAnswer::No);
    EXPECT_EQ(ShowMessage("c", {}, MsgStyle::OkCancel | MsgStyle::IconWarning), MsgAnswer::Cancel);
    EXPECT_EQ(ShowMessage("d"), MsgAnswer::Ok);
    ASSERT_EQ(svc.Count(), 5u);
    auto first = svc.Messages().front();
    EXPECT_EQ(first.text, "Save?");
    EXPECT_EQ(first.caption, "PardexWIN");
    EXPECT_EQ(first.style, MsgStyle::YesNoCancel | MsgStyle::IconQuestion);
    EXPECT_EQ(svc.Last().text, "d");
    svc.Clear();
    EXPECT_EQ(svc.Count(), 0u);
    EXPECT_TRUE(svc.Last().text.empty());
}

TEST(MessageService, ScopeRestoresThePreviousService) {
    ScriptedMessageService outer, inner;
    ScopedMessageService a(outer);
    {
        ScopedMessageService b(inner);
        EXPECT_EQ(&Messages(), &inner);
    }
    EXPECT_EQ(&Messages(), &outer);
    SetMessageService(&inner);
    EXPECT_EQ(&Messages(), &inner);
    SetMessageService(nullptr);
    EXPECT_NE(&Messages(), &inner);
    EXPECT_NE(&Messages(), &outer);
}
