// The end-to-end tests' entry point: GoogleTest, plus a screenshot of the display for every
// failed test, since what was on the screen is most of what explains an end-to-end failure.
#include <gtest/gtest.h>

#include "kit.h"

namespace {

// Taken at the first failed check of a test, while the test's windows still exist.
class ScreenshotOnFailure : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { m_taken = false; }

    void OnTestPartResult(const ::testing::TestPartResult& result) override
    {
        if (!result.failed() || m_taken)
            return;
        m_taken = true;
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        if (!test)
            return;
        std::string path = kit::ArtifactDirectory() + "\\" + test->test_suite_name() + "." + test->name() + ".bmp";
        if (kit::SaveScreenshot(path))
            std::printf("screenshot of the failure: %s\n", path.c_str());
        else
            std::printf("no screenshot could be taken of the failure\n");
    }

    bool m_taken = false;
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ScreenshotOnFailure);
    return RUN_ALL_TESTS();
}
