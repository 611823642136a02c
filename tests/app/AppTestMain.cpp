// GUI tests run offscreen with one QApplication for the whole process.
#include "Application.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

// A test that ends the program (Cancel, Exit) must not leave its request to the tests
// that run after it in the same process.
class FreshTermination : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { Application::resetTermination(); }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshTermination);
    return RUN_ALL_TESTS();
}
