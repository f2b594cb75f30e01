// A port that will not open tells the user why and how to fix it.
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>

#include "SimFixture.h"
#include "serial/CommResult.h"
#include "serial/PortOpenAdvice.h"

namespace {

TEST(PortOpenAdvice, NamesTheOwningGroupAndTheNewLogin) {
    TempDir dir;
    const std::string node = dir / "ttyUSB0";
    std::ofstream(node).put('x');
    // Whatever group owns the node is the one to join.
    const group* g = ::getgrgid(::getgid());
    ASSERT_NE(g, nullptr);
    for (int error : {EACCES, EPERM}) {
        const std::string text = PortOpenAdvice(node, error);
        EXPECT_NE(text.find(node), std::string::npos) << text;
        EXPECT_NE(text.find("\"" + std::string(g->gr_name) + "\""), std::string::npos) << text;
        EXPECT_NE(text.find("log out and log in again"), std::string::npos) << text;
    }
    // A node that cannot be examined still names the usual group.
    EXPECT_NE(PortOpenAdvice(dir / "gone", EACCES).find("\"dialout\""), std::string::npos);
}

TEST(PortOpenAdvice, SaysWhenAnotherProgramHoldsThePortAndNothingForOtherCauses) {
    EXPECT_NE(PortOpenAdvice("/dev/ttyUSB1", EBUSY).find("in use by another program"), std::string::npos);
    EXPECT_EQ(PortOpenAdvice("/dev/ttyUSB1", ENOENT), "");
    EXPECT_EQ(PortOpenAdvice("/dev/ttyUSB1", 0), "");
}

using PortInUse = RadioLinkTest;

TEST_F(PortInUse, AnOperationOnAHeldPortEndsWithThePortOpenErrorAndItsAdvice) {
    const int fd = ::open(sim.PortPath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    CloneImage image = RadioSim::MakeRadioImage(0);
    const CloneImage before = image;
    RecordingView view;
    EXPECT_FALSE(RunOp(0, image, view));
    EXPECT_EQ(result, CommResult::PortOpenError);
    EXPECT_EQ(view.results, std::vector<int>{CommResult::PortOpenError});
    EXPECT_NE(view.detail.find("in use by another program"), std::string::npos) << view.detail;
    EXPECT_EQ(image, before);
    ::close(fd);

    // Released, the same port works again.
    RecordingView next;
    EXPECT_TRUE(RunOp(0, image, next));
    EXPECT_EQ(next.detail, "");
}

}  // namespace
