#include "app/widgets/main_window.h"

#include <QMdiArea>
#include <gtest/gtest.h>

namespace {

TEST(MainWindowSmoke, ShowsWithAnEmptyDocumentArea)
{
    lw::MainWindow window;
    window.show();
    ASSERT_NE(window.mdiArea(), nullptr);
    EXPECT_EQ(window.centralWidget(), window.mdiArea());
    EXPECT_TRUE(window.mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(window.isVisible());
}

} // namespace
