#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace {

// Every test here records and plays on the null device, whatever sound server the machine runs:
// what the process plays is what it records.
class NullDevice : public ::testing::Environment {
public:
    void SetUp() override { qputenv("TALVERO_PCAUDIO", QByteArray("null")); }
};

const auto* const g_nullDevice = ::testing::AddGlobalTestEnvironment(new NullDevice);

} // namespace
