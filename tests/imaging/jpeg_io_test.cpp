#include "imaging/jpeg_io.h"
#include "support/picture_builders.h"
#include "support/raster_builders.h"

#include <QImage>

#include <cstdlib>
#include <gtest/gtest.h>

using namespace lw;
using namespace lwtest;

namespace {

CRaster gradient(int w, int h)
{
    CRaster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            r.bits()[r.indexOf(x, y)] =
                static_cast<std::uint32_t>((x * 255 / w) << 16 | (y * 255 / h) << 8 | 0x40);
    return r;
}

int channelDifference(std::uint32_t a, std::uint32_t b)
{
    int worst = 0;
    for (int s = 0; s < 24; s += 8)
        worst =
            std::max(worst, std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)));
    return worst;
}

} // namespace

TEST(Jpeg, RoundTripWithinTolerance)
{
    const CRaster source = gradient(61, 37);
    const std::string path = tempPath("round.jpg");
    ASSERT_TRUE(SaveJPEG(path, source.ToPackedDib32(), -1));
    const auto dib = LoadJPEG(path);
    ASSERT_TRUE(dib);
    CRaster back;
    ASSERT_TRUE(back.LoadPackedDib(*dib));
    ASSERT_EQ(back.width(), 61);
    ASSERT_EQ(back.height(), 37);
    long total = 0;
    for (int y = 0; y < 37; ++y)
        for (int x = 0; x < 61; ++x) {
            const std::uint32_t p = back.bits()[back.indexOf(x, y)];
            EXPECT_EQ(p >> 24, 0u);
            const int d = channelDifference(p, source.bits()[source.indexOf(x, y)]);
            EXPECT_LE(d, 24) << x << "," << y;
            total += d;
        }
    EXPECT_LT(total / (61 * 37), 4);
}

TEST(Jpeg, OutputAgreesWithAnIndependentDecoder)
{
    const CRaster source = gradient(40, 24);
    const auto bytes = EncodeJpeg(source.ToPackedDib32(), 90);
    ASSERT_TRUE(bytes);
    QImage qt;
    ASSERT_TRUE(qt.loadFromData(bytes->data(), static_cast<int>(bytes->size()), "JPEG"));
    const auto dib = DecodeJpeg(*bytes);
    ASSERT_TRUE(dib);
    CRaster ours;
    ASSERT_TRUE(ours.LoadPackedDib(*dib));
    ASSERT_EQ(qt.width(), ours.width());
    for (int y = 0; y < qt.height(); ++y)
        for (int x = 0; x < qt.width(); ++x)
            EXPECT_LE(channelDifference(qt.pixel(x, y) & 0xFFFFFF, ours.bits()[ours.indexOf(x, y)]), 2);
}

TEST(Jpeg, QualityChangesTheSize)
{
    const auto dib = gradient(64, 64).ToPackedDib32();
    const auto low = EncodeJpeg(dib, 10);
    const auto high = EncodeJpeg(dib, 100);
    const auto standard = EncodeJpeg(dib, -1);
    ASSERT_TRUE(low && high && standard);
    EXPECT_LT(low->size(), standard->size());
    EXPECT_LT(standard->size(), high->size());
}

TEST(Jpeg, FailuresGiveNothing)
{
    EXPECT_FALSE(LoadJPEG(tempPath("missing.jpg")));
    EXPECT_FALSE(DecodeJpeg(Bytes{}));
    EXPECT_FALSE(DecodeJpeg(Bytes{'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'}));
    const auto bytes = EncodeJpeg(gradient(32, 32).ToPackedDib32(), -1);
    ASSERT_TRUE(bytes);
    EXPECT_FALSE(DecodeJpeg(Bytes(bytes->begin(), bytes->begin() + 20)));
    // Larger than the caller allows.
    EXPECT_FALSE(DecodeJpeg(*bytes, 32 * 32 - 1));
    EXPECT_TRUE(DecodeJpeg(*bytes, 32 * 32));
    EXPECT_FALSE(EncodeJpeg(Bytes(10, 0), -1));
    EXPECT_FALSE(SaveJPEG("/nonexistent-folder/x.jpg", gradient(4, 4).ToPackedDib32(), -1));
}
