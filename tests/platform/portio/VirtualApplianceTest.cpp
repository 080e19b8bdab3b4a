#include "VirtualAppliance.h"

#include <gtest/gtest.h>

namespace {

// A trace of the LED on base 278 sending the envelope at kHz, with dry-pass writes around it.
QByteArray traceOf(const std::vector<double>& envelope, double kHz)
{
    QByteArray text = "1000 278 02\n";
    const double period = 1000 / kHz;
    double offset = 10'000;
    for (std::size_t i = 0; i < envelope.size(); offset += envelope[i], ++i) {
        for (double t = 0; i % 2 == 0 && t < envelope[i]; t += period) {
            text += QByteArray::number(qint64((offset + t) * 1000)) + " 278 01\n";
            text += QByteArray::number(qint64((offset + t + period / 2) * 1000)) + " 278 00\n";
        }
    }
    return text + QByteArray::number(qint64(offset * 1000 + 5e6)) + " 27A 00\n";
}

TEST(VirtualAppliance, DecodesTheLedTraceIntoFrames)
{
    const IrFrame frame{Protocol::AEHA, 0x2002, 0x3D0080};
    const auto seen = VirtualAppliance::decodeTraceText(traceOf(encodeFrame(frame), 37));
    ASSERT_TRUE(seen.ok()) << seen.error().toStdString();
    ASSERT_EQ(seen->size(), 1u);
    EXPECT_EQ((*seen)[0].frame, frame);
    EXPECT_NEAR((*seen)[0].carrierKHz, 37, 0.2);
}

TEST(VirtualAppliance, BadTraceLineIsAnError)
{
    const auto seen = VirtualAppliance::decodeTraceText("1000 378 01\nnonsense\n");
    ASSERT_FALSE(seen.ok());
    EXPECT_TRUE(seen.error().contains("line 2"));
    EXPECT_FALSE(VirtualAppliance::decodeTrace("/nonexistent/trace").ok());
    EXPECT_TRUE(VirtualAppliance::decodeTraceText("")->empty());
}

} // namespace
