#include "frmIRDetail.h"

#include "SignalFile.h"
#include "WaveformDrawing.h"
#include "WaveformPicture.h"
#include "frmIRDetailX.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool hasColourNear(const QImage& image, QPointF at, const QColor& colour, int radius = 2)
{
    for (int dx = -radius; dx <= radius; ++dx) {
        for (int dy = -radius; dy <= radius; ++dy) {
            const QPoint p = at.toPoint() + QPoint(dx, dy);
            if (image.rect().contains(p) && image.pixelColor(p) == colour)
                return true;
        }
    }
    return false;
}

bool hasColourInColumns(const QImage& image, int fromX, int toX, const QColor& colour)
{
    for (int x = std::max(fromX, 0); x <= std::min(toX, image.width() - 1); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

// A burst of a 40 kHz carrier from 10 ms to 11 ms after an idle start, and a dark tail to 20 ms.
std::pair<std::vector<double>, std::vector<std::uint8_t>> burst()
{
    std::vector<double> times{0};
    std::vector<std::uint8_t> levels{1};
    for (int i = 0; i < 80; ++i) {
        times.push_back(0.010 + i * 0.0000125);
        levels.push_back(i % 2 == 0 ? 0 : 1);
    }
    times.push_back(0.020);
    levels.push_back(0);
    return {times, levels};
}

class frmIRDetailTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString workFile = dir.filePath("temp.rmt");
    frmIRDetail detail{workFile};
};

TEST_F(frmIRDetailTest, DrawsTheCaptureOnItsScalesWithLengthAndCarrier)
{
    EXPECT_EQ(detail.windowTitle(), QStringLiteral("Morvane　－　Morvaneリモコンから受信した波形"));
    EXPECT_EQ(detail.Label9->text(), QStringLiteral("※波形をクリックすると拡大します。"));
    EXPECT_EQ(detail.Label8->text(), QStringLiteral("KHｚ"));
    const auto [times, levels] = burst();
    detail.drawCapture(times, levels);
    detail.showCarrier(40);
    EXPECT_EQ(detail.Label5->text(), "20");
    EXPECT_EQ(detail.Label4->text(), QStringLiteral("ミリ秒"));
    EXPECT_EQ(detail.Label7->text(), "40.000");

    WaveformPicture* picture = detail.Picture1;
    const QImage image = picture->grab().toImage();
    const QColor blue(0, 0, 204);
    EXPECT_TRUE(hasColourNear(image, picture->toPixels({0.005, 1}), blue)) << "idle drawn high";
    EXPECT_TRUE(hasColourNear(image, picture->toPixels({0.015, 0}), Qt::white, 0)) << "nothing low while idle";
    EXPECT_TRUE(hasColourNear(image, picture->toPixels({0.0105, 0.5}), blue)) << "the burst's edges";
    EXPECT_FALSE(hasColourNear(image, picture->toPixels({0.005, 1.05}), blue)) << "the band above is free";
    EXPECT_LT(picture->toPixels({0, 1}).y(), picture->toPixels({0, 0}).y());
    EXPECT_NEAR(picture->toPixels({0.020, 0}).x(), picture->width() - 1, 0.5);
}

TEST_F(frmIRDetailTest, CaptureWithoutSignalIsAFlatLineAndKeepsTheLength)
{
    const auto [times, levels] = burst();
    detail.drawCapture(times, levels);
    detail.drawCapture({}, {});
    detail.showCarrier(0);
    EXPECT_EQ(detail.Label5->text(), "20");
    EXPECT_EQ(detail.Label7->text(), "00.000");
    const QImage image = detail.Picture1->grab().toImage();
    for (double x : {0.0, 0.5, 0.99})
        EXPECT_TRUE(hasColourNear(image, detail.Picture1->toPixels({x, 1}), QColor(0, 0, 204))) << x;
}

TEST(CarrierText, TwoIntegerDigitsAtLeastAndThreeDecimals)
{
    const struct {
        double kHz;
        const char* text;
    } cases[] = {{0, "00.000"}, {5, "05.000"}, {38.4567, "38.457"}, {123.4, "123.400"}};
    for (const auto& c : cases)
        EXPECT_EQ(carrierText(c.kHz), c.text);
}

TEST_F(frmIRDetailTest, MouseDownZoomsTheWorkFileUntilMouseUp)
{
    const auto [times, levels] = burst();
    ASSERT_TRUE(writeSignalFile(workFile, times.data(), levels.data(), std::ptrdiff_t(times.size())).ok());
    detail.drawCapture(times, levels);
    detail.move(100, 200);
    detail.show();
    WaveformPicture* picture = detail.Picture1;
    const QPointF click = picture->toPixels({0.0099, 0.5});
    QTest::mousePress(picture, Qt::LeftButton, {}, click.toPoint());

    frmIRDetailX* zoom = detail.zoom();
    ASSERT_NE(zoom, nullptr);
    EXPECT_TRUE(zoom->isVisible());
    EXPECT_EQ(zoom->windowTitle(), QStringLiteral("Morvane　－　波形拡大"));
    EXPECT_EQ(zoom->pos(), QPoint(100 + detail.frameGeometry().width(), 200)) << "beside the viewer";
    EXPECT_EQ(zoom->Label3[0]->text(), "0");
    EXPECT_EQ(zoom->Label3[1]->text(), QStringLiteral("1 ミリ秒"));
    EXPECT_EQ(zoom->Label5->text(), QStringLiteral("拡大図"));
    ASSERT_TRUE(picture->marker());
    EXPECT_NEAR(*picture->marker(), 0.010, 1e-9) << "the first record at or after the click";

    const QImage whole = picture->grab().toImage();
    const int markerLeft = int(picture->toPixels({0.010, 1.1}).x());
    const int markerRight = int(picture->toPixels({0.011, 1.1}).x());
    EXPECT_TRUE(hasColourInColumns(whole, markerLeft, markerRight, Qt::red));
    EXPECT_FALSE(hasColourInColumns(whole, 0, markerLeft - 3, Qt::red));
    // A millisecond of 40 kHz carrier: 40 periods, each with its rising and falling edge.
    const QImage zoomed = zoom->Picture1->grab().toImage();
    int edges = 0;
    const int midY = int(zoom->Picture1->toPixels({0, 0.5}).y());
    bool onEdge = false;
    for (int x = 0; x < zoomed.width(); ++x) {
        const bool blue = zoomed.pixelColor(x, midY) == QColor(0, 0, 204);
        edges += blue && !onEdge;
        onEdge = blue;
    }
    EXPECT_GE(edges, 70);

    QTest::mouseRelease(picture, Qt::LeftButton, {}, click.toPoint());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(detail.zoom(), nullptr);
    EXPECT_FALSE(picture->marker());
    EXPECT_FALSE(hasColourInColumns(picture->grab().toImage(), 0, picture->width(), Qt::red)) << "marker erased";
}

TEST_F(frmIRDetailTest, ClickPastTheEndMarksTheLastRecordAndZoomsNothing)
{
    const auto [times, levels] = burst();
    ASSERT_TRUE(writeSignalFile(workFile, times.data(), levels.data(), std::ptrdiff_t(times.size())).ok());
    detail.drawCapture(times, levels);
    detail.show();
    QTest::mousePress(detail.Picture1, Qt::LeftButton, {}, QPoint(detail.Picture1->width() - 1, 5));
    ASSERT_NE(detail.zoom(), nullptr);
    EXPECT_NEAR(*detail.Picture1->marker(), 0.020, 1e-9);
    EXPECT_TRUE(detail.zoom()->Picture1->lines().isEmpty());
    QTest::mouseRelease(detail.Picture1, Qt::LeftButton);

    QFile::remove(workFile); // a missing work file: an empty zoom
    QTest::mousePress(detail.Picture1, Qt::LeftButton, {}, QPoint(10, 5));
    ASSERT_NE(detail.zoom(), nullptr);
    EXPECT_TRUE(detail.zoom()->Picture1->lines().isEmpty());
    detail.closeZoom();
}

TEST_F(frmIRDetailTest, GoesDirectlyBelowTheDialog)
{
    detail.placeBelow(QRect(30, 40, 600, 450));
    EXPECT_EQ(detail.pos(), QPoint(30, 490));
}

} // namespace
