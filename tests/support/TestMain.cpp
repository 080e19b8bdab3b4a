#include <QApplication>

#include <gtest/gtest.h>

#ifndef TALVERO_TEST_BIN_DIR
#error "TALVERO_TEST_BIN_DIR must name the folder of the built programs"
#endif

// Leaks at exit inside Qt and fontconfig are not ours; every other sanitizer finding fails the test.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("TALVERO_BIN_DIR"))
        qputenv("TALVERO_BIN_DIR", TALVERO_TEST_BIN_DIR);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
