// The preview player under a fake timer: images in order with their delay × 10 ms, wrapping
// after the last; the link click through a URL opener stub or the no-link message; colour
// picking; and which frames each preview command plays.
#include "app/editor/preview_command.h"
#include "app/editor/preview_player.h"

#include "engine/extension_host.h"
#include "filters/scripted_ui_port.h"
#include "model/edit_scope.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace lw;

struct FakeTimer : PreviewTimer {
    std::vector<int> started;
    bool running = false;
    void start(int ms) override { started.push_back(ms), running = true; }
    void stop() override { running = false; }
};

// Three 4 × 2 images of distinct colours; the sequence refers to them.
struct Pictures {
    std::vector<CRaster> images;
    Pictures()
    {
        for (std::uint32_t colour : {0x00112233u, 0x00445566u, 0x00778899u}) {
            images.emplace_back(4, 2);
            images.back().FillRect(colour);
        }
        images[0].pixels()[images[0].indexOf(2, 1)] = 0x00ABCDEFu;
    }
    FrameSequence sequence(std::string link, std::vector<int> delays) const
    {
        FrameSequence s(4, 2, 0, std::move(link));
        for (std::size_t i = 0; i < delays.size(); ++i)
            s.append(&images[i], delays[i]);
        return s;
    }
};

TEST(PreviewPlayer, StepsInOrderWithDelayTimesTenAndWraps)
{
    Pictures pictures;
    FakeTimer timer;
    PreviewPlayer player(pictures.sequence("", {10, 25, 7}), timer);
    player.start();
    // (index shown, interval asked) after start and after each timeout; 7 plays as the least, 10.
    const std::pair<std::size_t, int> expected[] = {{0, 100}, {1, 250}, {2, 100}, {0, 100}, {1, 250}};
    for (std::size_t step = 0; step < std::size(expected); ++step) {
        EXPECT_EQ(player.index(), expected[step].first) << step;
        EXPECT_EQ(player.image(), &pictures.images[expected[step].first]) << step;
        ASSERT_EQ(timer.started.size(), step + 1);
        EXPECT_EQ(timer.started.back(), expected[step].second) << step;
        player.timeout();
    }
    player.stop();
    EXPECT_FALSE(timer.running);
}

TEST(PreviewPlayer, ClickOpensTheLinkOrSaysThereIsNone)
{
    Pictures pictures;
    const QSize view(10, 6); // the 4 × 2 image lies at (3, 2)
    struct Case {
        const char* link;
        QPoint at;
        PreviewClick result;
        bool opened;
        bool message;
    };
    const Case cases[] = {
        {"http://quarvex.example/", {3, 2}, PreviewClick::OpenedLink, true, false},
        {"http://quarvex.example/", {6, 3}, PreviewClick::OpenedLink, true, false},
        {"http://quarvex.example/", {7, 3}, PreviewClick::Outside, false, false},
        {"", {4, 3}, PreviewClick::NoLink, false, true},
        {"", {2, 2}, PreviewClick::Outside, false, false},
    };
    for (const Case& c : cases) {
        FakeTimer timer;
        ScriptedUiPort ui;
        PreviewPlayer player(pictures.sequence(c.link, {10}), timer);
        player.start();
        EXPECT_EQ(player.hasLink(), *c.link != 0);
        std::vector<std::string> opened;
        EXPECT_EQ(player.click(
                      c.at, view, [&](const std::string& url) { opened.push_back(url); }, ui),
                  c.result);
        EXPECT_EQ(opened, c.opened ? std::vector<std::string>{c.link} : std::vector<std::string>{});
        ASSERT_EQ(ui.messages().size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(ui.messages()[0].text,
                      "URL не определён. Укажите его в HTML параметрах Вашей страницы, "
                      "или через меню \"Файл\".");
        }
        EXPECT_FALSE(player.pickedColour());
    }
}

TEST(PreviewPlayer, PickingModeTakesTheColourUnderTheClickInsteadOfTheLink)
{
    Pictures pictures;
    FakeTimer timer;
    ScriptedUiPort ui;
    PreviewPlayer player(pictures.sequence("http://quarvex.example/", {10, 10}), timer, true);
    player.start();
    EXPECT_FALSE(player.hasLink());
    bool opened = false;
    const UrlOpener open = [&](const std::string&) { opened = true; };
    EXPECT_EQ(player.click({3 + 2, 2 + 1}, {10, 6}, open, ui), PreviewClick::Picked);
    EXPECT_EQ(player.pickedColour(), 0x00EFCDABu); // 0xRRGGBB pixel as a 0x00BBGGRR colour
    player.timeout();
    EXPECT_EQ(player.click({3, 2}, {10, 6}, open, ui), PreviewClick::Picked);
    EXPECT_EQ(player.pickedColour(), 0x00665544u);
    EXPECT_EQ(player.click({0, 0}, {10, 6}, open, ui), PreviewClick::Outside);
    EXPECT_EQ(player.pickedColour(), 0x00665544u);
    EXPECT_FALSE(opened);
    EXPECT_TRUE(ui.messages().empty());
}

TEST(PreviewCommand, EachRangePlaysItsFrames)
{
    ExtensionHost host;
    CLWDoc doc;
    ASSERT_TRUE(doc.animation.SetSize(8, 4));
    doc.animation.firstFrame->delay = 10;
    doc.animation.AppendFrame()->delay = 20;
    doc.animation.AppendFrame()->delay = 30;
    const CFrame& second = *doc.animation.firstFrame->next;
    const std::pair<PreviewRange, std::vector<int>> cases[] = {
        {PreviewRange::Whole, {10, 20, 30}},
        {PreviewRange::FromCurrent, {20, 30, 10}},
        {PreviewRange::CurrentOnly, {20}},
    };
    for (const auto& [range, delays] : cases) {
        const FrameSequence sequence = buildPreviewSequence(doc, host, range, second);
        std::vector<int> got;
        for (const SequenceFrame* e = sequence.first(); e; e = e->next.get())
            got.push_back(e->delay);
        EXPECT_EQ(got, delays) << static_cast<int>(range);

        // The window's player starts from the first frame alone, compiles the rest as it
        // plays, and plays the same frames round twice.
        auto growing = startPreview(doc, host, range, second);
        EXPECT_EQ(growing->sequence().size(), 1u);
        FakeTimer timer;
        PreviewPlayer player(std::move(growing), timer);
        player.start();
        for (std::size_t i = 0; i < 2 * delays.size(); ++i)
            player.timeout();
        std::vector<int> played;
        for (const int ms : timer.started)
            played.push_back(ms / 10);
        std::vector<int> twice = delays;
        twice.insert(twice.end(), delays.begin(), delays.end());
        twice.push_back(delays[0]);
        EXPECT_EQ(played, twice) << static_cast<int>(range);
    }
}

TEST(PreviewCommand, APreviewStopsShowingImagesOnceTheDocumentChanges)
{
    ExtensionHost host;
    CLWDoc doc;
    ASSERT_TRUE(doc.animation.SetSize(8, 4));
    doc.animation.AppendFrame();
    FakeTimer timer;
    PreviewPlayer player(startPreview(doc, host, PreviewRange::Whole, *doc.animation.firstFrame), timer);
    player.start();
    EXPECT_EQ(player.image(), &doc.animation.firstFrame->image);
    {
        EditScope edit(doc, nullptr);
        doc.animation.firstFrame->delay = 50;
        edit.announce(DocumentChange::FrameChanged);
    }
    player.timeout();
    EXPECT_EQ(player.image(), nullptr);
    EXPECT_FALSE(timer.running);
    EXPECT_FALSE(player.compileAhead());
}

} // namespace
