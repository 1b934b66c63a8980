// The contact sheet's pages and image cells in 0.1 mm units, y upwards.
#include "app/editor/contact_sheet.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

TEST(ContactSheetTest, PagesFirstFramesAndCells)
{
    // A 2000 × 2770 printable area (A4 less margins); frames of 468 × 60 take 180 + 100 each.
    const SheetArea a4{0, 0, 2000, -2770};
    struct Case {
        int height;
        std::vector<bool> masters;
        int pages;
        std::vector<std::vector<int>> framesOnPages; // page by page
    };
    const Case cases[] = {
        {60, {false}, 1, {{0}}},
        {60, {true, false}, 1, {{1}}},
        // Slots end at -300, -580, …; slot k fits while its lower edge - 100 >= -2650: nine slots.
        {60, std::vector<bool>(9, false), 1, {{0, 1, 2, 3, 4, 5, 6, 7, 8}}},
        {60, std::vector<bool>(10, false), 2, {{0, 1, 2, 3, 4, 5, 6, 7, 8}, {9}}},
        // Masters take no slot and never start a page.
        {60,
         {true, false, false, false, false, false, true, false, false, false, true, false, false},
         2,
         {{1, 2, 3, 4, 5, 7, 8, 9, 11}, {12}}},
        // 300 pixels high: two frames a page.
        {300, std::vector<bool>(5, false), 3, {{0, 1}, {2, 3}, {4}}},
        // Taller than the page: every frame its own page with only header and footer.
        {1000, {false, false}, 3, {{}, {}, {}}},
    };
    for (const Case& c : cases) {
        const ContactSheet sheet(a4, 468, c.height, c.masters);
        ASSERT_EQ(sheet.pageCount(), c.pages) << c.height << " " << c.masters.size();
        for (int page = 1; page <= c.pages; ++page)
            EXPECT_EQ(sheet.framesOnPage(page), c.framesOnPages[page - 1]) << page;
    }
    // Page 1 starts at the document's first frame even when it is a master.
    EXPECT_EQ(ContactSheet(a4, 468, 60, {true, false}).firstFrameOfPage(1), 0);
    EXPECT_EQ(ContactSheet(a4, 468, 300, {false, true, false, true, false}).firstFrameOfPage(2), 4);

    const ContactSheet sheet({0, 0, 2001, -2770}, 468, 60, {false});
    EXPECT_EQ(sheet.cell(0), (SheetRect{298, -120, 298 + 1404, -300}));
    EXPECT_EQ(sheet.cell(2), (SheetRect{298, -680, 298 + 1404, -860}));
    EXPECT_EQ(sheet.centreX(), 1000);
    EXPECT_EQ(sheet.footerY(), -2750);
}

TEST(ContactSheetTest, Texts)
{
    EXPECT_EQ(ContactSheet::header("promo.lwd"), "Loopwright GIF Animator - promo.lwd");
    EXPECT_EQ(ContactSheet::footer(12), "Page 12");
    const std::pair<int, const char*> delays[] = {
        {150, "1.5 s"}, {10, "0.1 s"}, {100, "1 s"}, {655, "6.55 s"}};
    for (const auto& [hundredths, text] : delays)
        EXPECT_EQ(ContactSheet::delayLabel(hundredths), text);
}

} // namespace
} // namespace lw
