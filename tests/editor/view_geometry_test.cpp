// Window ↔ workspace mapping, zoom limits, fitting a band, scroll steps and the handle drags.
#include "app/editor/handle_drag.h"
#include "app/editor/view_geometry.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

TEST(ViewGeometry, CentresTheWorkspaceWhenSmallerThanTheWindow)
{
    const ViewGeometry g{1, {0, 0}, {1400, 1300}};
    EXPECT_EQ(g.origin(), QPoint(-100, -50));
    EXPECT_EQ(g.toWorkspace({100, 50}), QPoint(0, 0));
    EXPECT_EQ(g.toWorkspace({99, 49}), QPoint(-1, -1));
    EXPECT_EQ(g.toWindow({600, 600}), QPoint(700, 650));
    EXPECT_EQ(g.maxScroll(), QPoint(0, 0));
}

TEST(ViewGeometry, ScrollsAndDividesByTheZoom)
{
    struct Case {
        int zoom;
        QPoint scroll;
        QPoint window;
        QPoint workspace;
    };
    for (const Case& c :
         {Case{1, {300, 200}, {10, 20}, {310, 220}}, Case{2, {300, 200}, {11, 21}, {155, 110}},
          Case{4, {4000, 4000}, {3, 3}, {1000, 1000}}, Case{8, {0, 0}, {7, 15}, {0, 1}}}) {
        const ViewGeometry g{c.zoom, c.scroll, {600, 400}};
        EXPECT_EQ(g.toWorkspace(c.window), c.workspace) << c.zoom;
        // Back to the window: the top-left pixel of that workspace pixel.
        const QPoint back = g.toWindow(c.workspace);
        EXPECT_LE(back.x(), c.window.x());
        EXPECT_GT(back.x() + c.zoom, c.window.x());
    }
}

TEST(ViewGeometry, CentringOnAPointClampsToTheScrollRange)
{
    const ViewGeometry g{2, {}, {600, 400}};
    EXPECT_EQ(g.scrollCentredOn({600, 600}), QPoint(900, 1000));
    EXPECT_EQ(g.scrollCentredOn({0, 0}), QPoint(0, 0));
    EXPECT_EQ(g.scrollCentredOn({1199, 1199}), QPoint(1800, 2000));
    const ViewGeometry centred{2, g.scrollCentredOn({600, 600}), {600, 400}};
    EXPECT_EQ(centred.centre(), QPoint(600, 600));
}

TEST(ViewGeometry, ZoomLimitsStepsAndFitting)
{
    EXPECT_EQ(clampZoom(0), 1);
    EXPECT_EQ(clampZoom(16), 8);
    EXPECT_EQ(clampZoom(3), 3);
    EXPECT_EQ(pageStep(500), 400);
    EXPECT_EQ(lineStep(500), 40);
    EXPECT_EQ(zoomToFit({600, 400}, {0, 0, 100, 50}), 6);
    EXPECT_EQ(zoomToFit({600, 400}, {0, 0, 10, 10}), 8);
    EXPECT_EQ(zoomToFit({600, 400}, {0, 0, 1000, 1000}), 1);
    EXPECT_EQ(clampToWorkspace({-5, 1300}), QPoint(0, 1199));
    EXPECT_EQ(normalisedBand({50, 20}, {10, 60}), (LayerRect{10, 20, 50, 60}));
}

TEST(HandleDrag, EdgesMoveOneSideCornersKeepTheRatio)
{
    const LayerRect start{100, 100, 200, 150}; // 100 × 50, ratio 2
    struct Case {
        int handle;
        QPoint cursor;
        LayerRect expected;
    };
    for (const Case& c : {Case{2, {0, 80}, {100, 80, 200, 150}}, Case{4, {250, 0}, {100, 100, 250, 150}},
                          Case{6, {0, 170}, {100, 100, 200, 170}}, Case{8, {90, 0}, {90, 100, 200, 150}},
                          Case{5, {300, 300}, {100, 100, 300, 200}},    // 200 × 200: height gives way
                          Case{5, {400, 160}, {100, 100, 220, 160}},    // 300 × 60: width gives way
                          Case{1, {0, 0}, {0, 50, 200, 150}},           // 200 × 150 → 200 × 100
                          Case{3, {260, 130}, {100, 130, 140, 150}}}) { // 160 × 20 → 40 × 20
        EXPECT_EQ(resizedByHandle(start, c.handle, c.cursor, 2.0), c.expected) << c.handle;
    }
}

TEST(HandleDrag, CropStaysInsideTheLayerAndKeepsOnePixel)
{
    const LayerRect limit{10, 20, 110, 70};
    struct Case {
        int handle;
        QPoint cursor;
        LayerRect expected;
    };
    for (const Case& c : {Case{1, {0, 0}, {10, 20, 110, 70}}, Case{1, {30, 40}, {30, 40, 110, 70}},
                          Case{5, {500, 500}, {10, 20, 110, 70}}, Case{5, {0, 0}, {10, 20, 11, 21}},
                          Case{8, {200, 0}, {109, 20, 110, 70}}, Case{6, {0, 50}, {10, 20, 110, 50}}})
        EXPECT_EQ(croppedByHandle(limit, c.handle, c.cursor), c.expected) << c.handle;
    EXPECT_EQ(normalisedRect({50, 60, 10, 20}), (LayerRect{10, 20, 50, 60}));
}

} // namespace
} // namespace lw
