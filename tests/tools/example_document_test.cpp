#include "support/test_paths.h"
#include "tools/make_example/fashion_banner.h"

#include "model/lwd/lwd_writer.h"
#include "platform/file_io.h"

#include <gtest/gtest.h>

// The shipped example is exactly what the generator makes today: rebuild it with
// build/make_example examples/fashion.lwd whenever the model or the banner changes.
TEST(ExampleDocument, CommittedFileMatchesTheGenerator)
{
    lw::CLWDoc doc;
    lw::buildFashionBanner(doc);
    doc.animation.PrepareCloneReferences();
    const auto generated = lw::WriteLwdDocument(doc);
    const auto committed = lw::readFile(lwtest::sourceDir() + "/examples/fashion.lwd");
    EXPECT_EQ(generated, committed);
    EXPECT_EQ(doc.animation.TotalFrames(), 3);
    EXPECT_EQ(doc.animation.width(), 468);
    EXPECT_EQ(doc.animation.height(), 60);
}
