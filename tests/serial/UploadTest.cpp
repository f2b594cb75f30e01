#include "SimFixture.h"
#include "serial/CommResult.h"

namespace {

using Upload = RadioLinkTest;

TEST_F(Upload, NormalModeSmoke) {
    CloneImage image;
    RecordingView view;
    EXPECT_TRUE(RunOp(0, image, view));
    EXPECT_EQ(result, 0);
}

}  // namespace
