// The frame, canvas, layer and clipboard commands on a document session, answered by scripted
// questions, with the command table's enable rules on the states they leave.
#include "app/editor/canvas_commands.h"
#include "app/editor/clipboard_commands.h"
#include "app/editor/command_table.h"
#include "app/editor/document_room.h"
#include "app/editor/document_session.h"
#include "app/editor/editing_commands.h"
#include "app/editor/frame_commands.h"
#include "app/editor/layer_commands.h"
#include "filters/scripted_ui_port.h"
#include "model/clone_object.h"
#include "model/document_limits.h"
#include "model/edit_scope.h"
#include "model/rect_object.h"
#include "platform/settings.h"
#include "support/picture_builders.h"

#include "model/picture_export.h"

#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace lw;

struct Fixture : ::testing::Test {
    DocumentSession session;
    ScriptedUiPort ui;
    ScriptedEditingQuestions questions;
    EditingCommands commands{ui, questions, [this] { return &session; }};

    CAnimation& animation() { return session.doc.animation; }
    CFrame& current() { return session.currentFrame(); }
    bool enabled(int id)
    {
        EditorState state;
        describeDocument(state, session.doc, current());
        return commandEnabled(*findCommand(id), state);
    }
    CLayerObject* addRect(CFrame& frame, LayerRect r, bool selected = true)
    {
        auto o = std::make_unique<CRectObject>();
        o->style.style = kRectSolid;
        o->style.lineColour = 0x0000FF;
        o->Resize(r);
        CLayerObject* added = frame.AppendObject(std::move(o));
        added->selected = selected ? 1 : 0;
        return added;
    }
};

using EditingCommandsTest = Fixture;

TEST_F(EditingCommandsTest, DeleteFrameRulesAndItsQuestion)
{
    EXPECT_FALSE(enabled(cmd::DeleteFrame)); // one frame
    CFrame* second = animation().AppendFrame();
    EXPECT_TRUE(enabled(cmd::DeleteFrame)); // two normal frames
    second->masterFrame = 1;
    EXPECT_FALSE(enabled(cmd::DeleteFrame)); // the normal one is current
    commands.run(cmd::DeleteFrame);
    EXPECT_EQ(animation().TotalFrames(), 2);
    session.goToFrame(second);
    EXPECT_TRUE(enabled(cmd::DeleteFrame));

    // A frame with layers asks; Cancel and No (the default, unanswered) keep it.
    addRect(*second, {400, 580, 420, 600});
    ui.queueButton(MsgResult::Cancel);
    commands.run(cmd::DeleteFrame);
    commands.run(cmd::DeleteFrame);
    EXPECT_EQ(animation().TotalFrames(), 2);
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.messages()[0].defaultResult, MsgResult::No);
    ui.queueButton(MsgResult::Yes);
    commands.run(cmd::DeleteFrame);
    EXPECT_EQ(animation().TotalFrames(), 1);
    EXPECT_EQ(&current(), animation().firstFrame.get());
    EXPECT_TRUE(session.doc.modified());
}

TEST_F(EditingCommandsTest, FrameMovesNotifyOnceWhenTheCurrentFrameChanges)
{
    struct Log : DocumentObserver {
        std::vector<DocumentEvent> events;
        void documentChanged(const CLWDoc&, const DocumentEvent& e) override { events.push_back(e); }
    } log;
    animation().AppendFrame();
    animation().AppendFrame();
    session.doc.addObserver(log);
    struct Case {
        int id;
        int frame; // the current frame's index after the command
    };
    const Case cases[] = {{cmd::LastFrame, 2},     {cmd::LastFrame, 2},  {cmd::NextFrame, 2},
                          {cmd::PreviousFrame, 1}, {cmd::FirstFrame, 0}, {cmd::FirstFrame, 0},
                          {cmd::PreviousFrame, 0}, {cmd::NextFrame, 1}};
    int previous = 0;
    for (const Case& c : cases) {
        log.events.clear();
        commands.run(c.id);
        EXPECT_EQ(animation().IndexOfFrame(&current()), c.frame) << c.id;
        const bool moved = c.frame != previous;
        ASSERT_EQ(log.events.size(), moved ? 1u : 0u) << c.id << " from frame " << previous;
        if (moved) {
            EXPECT_EQ(log.events[0].changes, DocumentChanges(DocumentChange::CurrentFrameChanged));
        }
        previous = c.frame;
    }
    session.doc.removeObserver(log);
    EXPECT_FALSE(session.doc.modified()) << "moving between frames is no change to save";
}

TEST_F(EditingCommandsTest, DeletingAnEmptyFrameAsksNothing)
{
    CFrame* second = animation().AppendFrame();
    session.goToFrame(second);
    commands.run(cmd::DeleteFrame);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(animation().TotalFrames(), 1);
}

TEST_F(EditingCommandsTest, MasterToggleWithCountOne)
{
    animation().AppendFrame();
    EXPECT_TRUE(enabled(cmd::MasterFrame));
    questions.masterFrames = [] { return MasterFramesAnswer{1, 150}; };
    commands.run(cmd::MasterFrame);
    EXPECT_EQ(current().masterFrame, 1);
    ASSERT_EQ(animation().TotalFrames(), 3);
    EXPECT_EQ(animation().FrameAt(1)->backgroundFrame, &current());
    EXPECT_EQ(animation().FrameAt(1)->delay, 150);
    EXPECT_TRUE(session.doc.modified());
    // Toggling back asks nothing.
    questions.masterFrames = nullptr;
    commands.run(cmd::MasterFrame);
    EXPECT_EQ(current().masterFrame, 0);
    EXPECT_EQ(animation().TotalFrames(), 3);
}

TEST_F(EditingCommandsTest, DelayOfFifteenThousandthsIsOneHundredthAndAppliesToAll)
{
    animation().AppendFrame();
    int shown = -1;
    questions.frameDelay = [&](int delay) {
        shown = delay;
        FrameDelayModel model(delay);
        model.seconds = "0.015";
        return std::get<FrameDelayAnswer>(model.accept());
    };
    commands.run(cmd::FrameDelay);
    EXPECT_EQ(shown, 100);
    EXPECT_EQ(current().delay, 1);
    EXPECT_EQ(animation().FrameAt(1)->delay, 100);
    questions.frameDelay = [](int) { return FrameDelayAnswer{7, true}; };
    commands.run(cmd::FrameDelay);
    EXPECT_EQ(animation().FrameAt(0)->delay, 7);
    EXPECT_EQ(animation().FrameAt(1)->delay, 7);

    EditingContext context = *commands.context();
    EXPECT_TRUE(applyDelayText(context, "2,5"));
    EXPECT_EQ(current().delay, 250);
    for (const char* bad : {"-1", "x", "", "1e9"}) {
        EXPECT_FALSE(applyDelayText(context, bad)) << bad;
        EXPECT_EQ(current().delay, 250);
    }
}

TEST_F(EditingCommandsTest, LoopCountOnlyForAnAnimation)
{
    EXPECT_FALSE(enabled(cmd::LoopCount));
    questions.loopCount = [](int) { return 3; };
    commands.run(cmd::LoopCount);
    EXPECT_EQ(animation().loopCount, 0);
    animation().AppendFrame();
    EXPECT_TRUE(enabled(cmd::LoopCount));
    commands.run(cmd::LoopCount);
    EXPECT_EQ(animation().loopCount, 3);
}

TEST_F(EditingCommandsTest, CancelledDialogsChangeNothing)
{
    animation().AppendFrame();
    addRect(current(), {400, 580, 420, 600});
    for (int id : {cmd::FrameDelay, cmd::LoopCount, cmd::CanvasSize, cmd::Align, cmd::MoveTo, cmd::Duplicate,
                   cmd::ImageSize, cmd::StretchShrink, cmd::ImportPicture})
        commands.run(id);
    ui.queueColour(std::nullopt);
    commands.run(cmd::FrameBackgroundColour);
    ui.queueButton(MsgResult::Cancel);
    commands.run(cmd::ResizeAnimation);
    EXPECT_FALSE(session.doc.modified());
    EXPECT_EQ(current().ObjectCount(), 1);
    EXPECT_EQ(current().ObjectAt(0)->rect, (LayerRect{400, 580, 420, 600}));
    EXPECT_EQ(animation().width(), 468);
}

TEST_F(EditingCommandsTest, DuplicateTenTenThreeThenUndo)
{
    CLayerObject* first = addRect(current(), {400, 580, 420, 600});
    DuplicateSettings asked{};
    questions.duplicate = [&](DuplicateSettings start) {
        asked = start;
        return DuplicateSettings{10, 10, 3};
    };
    commands.run(cmd::Duplicate);
    EXPECT_EQ(asked.dx, 10);
    EXPECT_EQ(asked.count, 1);
    ASSERT_EQ(current().ObjectCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(current().ObjectAt(i)->rect.left - first->rect.left, 10 * i);
        EXPECT_EQ(current().ObjectAt(i)->selected != 0, i == 3);
    }
    EXPECT_EQ(commands.memory().duplicate.count, 3);
    EXPECT_TRUE(enabled(cmd::Undo));
    commands.run(cmd::Undo);
    EXPECT_EQ(current().ObjectCount(), 1);
    EXPECT_FALSE(enabled(cmd::Undo));
}

TEST_F(EditingCommandsTest, AlignStartsFromTheStoredChoicesAndForcesTheFrameBoxForOneLayer)
{
    addRect(current(), {400, 580, 420, 600});
    Settings store;
    store.writeInt("Align", "Horizontal", 2);
    store.writeInt("Align", "Vertical", 7); // out of range: "не ровнять"
    std::vector<std::pair<AlignSettings, bool>> shown;
    questions.align = [&](AlignSettings start, bool force) {
        shown.emplace_back(start, force);
        AlignModel model(start, force);
        model.vertical = 3;
        model.margin = "5";
        return std::get<AlignSettings>(model.accept());
    };
    commands.run(cmd::Align);
    const LayerRect canvas = animation().canvasRect;
    EXPECT_EQ(current().ObjectAt(0)->rect.bottom, canvas.bottom - 5);
    EXPECT_EQ(current().ObjectAt(0)->rect.left, (canvas.left + canvas.right) / 2 - 10);
    EXPECT_EQ(store.readInt("Align", "Horizontal", -1), 2);
    EXPECT_EQ(store.readInt("Align", "Vertical", -1), 3);
    // The second time: two layers, the stored choices and the margin back, the box not forced.
    addRect(current(), {100, 100, 110, 110});
    current().ObjectAt(0)->selected = 1;
    questions.align = [&](AlignSettings start, bool force) -> std::optional<AlignSettings> {
        shown.emplace_back(start, force);
        return std::nullopt;
    };
    commands.run(cmd::Align);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(shown[0].second && !shown[1].second);
    EXPECT_EQ(shown[0].first.horizontal, HorizontalAlign::Centre);
    EXPECT_EQ(shown[0].first.vertical, VerticalAlign::None);
    EXPECT_EQ(shown[1].first.vertical, VerticalAlign::Bottom);
    EXPECT_EQ(shown[1].first.margin, 5);
    EXPECT_FALSE(shown[1].first.toFrame);
}

TEST_F(EditingCommandsTest, CloneIntoFramesRefusalsAndMarks)
{
    CLayerObject* source = addRect(current(), {400, 580, 420, 600});
    commands.run(cmd::CloneIntoFrames);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, kCloneNeedsFrames);

    CFrame* second = animation().AppendFrame();
    CFrame* third = animation().AppendFrame();
    std::vector<CloneFrameItem> shown;
    questions.cloneFrames = [&](std::vector<CloneFrameItem> items) {
        shown = items;
        CloneFramesModel model(std::move(items));
        model.toggle(1);
        return std::optional(model.accept());
    };
    commands.run(cmd::CloneIntoFrames);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].caption, "Кадр  2");
    EXPECT_FALSE(shown[1].checked);
    EXPECT_EQ(second->ObjectCount(), 0);
    ASSERT_EQ(third->ObjectCount(), 1);
    EXPECT_EQ(third->ObjectAt(0)->CloneSource(), source);
    commands.run(cmd::CloneIntoFrames); // the mark now shows, and toggling it removes the clone
    EXPECT_TRUE(shown[1].checked);
    EXPECT_EQ(third->ObjectCount(), 0);

    third->AppendObject(std::make_unique<CCloneObject>(source));
    session.goToFrame(third);
    third->ObjectAt(0)->selected = 1;
    commands.run(cmd::CloneIntoFrames);
    EXPECT_EQ(ui.messages().back().text, kCloneOfClone);
}

TEST_F(EditingCommandsTest, CopyOfOneLayerOffersBothAndPastePrefersOurs)
{
    addRect(current(), {400, 580, 420, 600});
    auto data = selectionMimeData(current(), true);
    ASSERT_TRUE(data);
    EXPECT_TRUE(data->hasFormat(kLayerClipboardMime));
    ASSERT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(20, 20));
    EXPECT_FALSE(selectionMimeData(current(), false)->hasImage());

    EditingContext context = *commands.context();
    ASSERT_TRUE(pasteMimeData(context, *data));
    ASSERT_EQ(current().ObjectCount(), 2);
    EXPECT_EQ(current().ObjectAt(1)->type, kTypeRectangle); // ours, not the image's bitmap
    EXPECT_EQ(current().ObjectAt(1)->rect, (LayerRect{400, 580, 420, 600}));
    EXPECT_EQ(current().CountSelected(), 1);

    addRect(current(), {300, 300, 310, 310});
    EXPECT_FALSE(selectionMimeData(current(), true)->hasImage()); // two selected: block only
}

TEST_F(EditingCommandsTest, CutThenUndoRestores)
{
    addRect(current(), {400, 580, 420, 600});
    addRect(current(), {430, 580, 440, 600}, false);
    commands.run(cmd::Cut);
    EXPECT_EQ(current().ObjectCount(), 1);
    EXPECT_TRUE(enabled(cmd::Undo));
    commands.run(cmd::Undo);
    ASSERT_EQ(current().ObjectCount(), 2);
    EXPECT_EQ(current().ObjectAt(0)->rect, (LayerRect{400, 580, 420, 600}));
}

TEST_F(EditingCommandsTest, AnOutsideImagePastesCentredOnTheView)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    QMimeData data;
    data.setImageData(image);
    EditingContext context = *commands.context();
    context.viewCentre = LayerPoint{500, 600};
    ASSERT_TRUE(pasteMimeData(context, data));
    ASSERT_EQ(current().ObjectCount(), 1);
    EXPECT_EQ(current().ObjectAt(0)->rect, (LayerRect{480, 590, 520, 610}));
    EXPECT_TRUE(current().ObjectAt(0)->selected);
}

TEST_F(EditingCommandsTest, MetafilesOnTheClipboardPasteAsPicturesCentredOnTheView)
{
    using namespace lwtest;
    struct Case {
        const char* mime;
        Bytes bytes;
        int size; // the size chosen in the raster dialog
    };
    const Case cases[] = {
        {kWindowsMetafileMime, placeableMetafile(1440, 1440, 1440, windowsMetafile(0, 0, 40, 40, 0x0000FF)),
         50},
        {kEnhancedMetafileMime, enhancedMetafile(40, 40, 10, 10, 30, 30, 0x0000FF), 40},
        {kEnhancedMetafileMime, Bytes(64, 0x5A), 0}, // not a metafile: refused, nothing pasted
    };
    EditingContext context = *commands.context();
    context.viewCentre = LayerPoint{500, 600};
    for (const Case& c : cases) {
        const int layers = current().ObjectCount();
        QMimeData data;
        data.setData(c.mime, QByteArray(reinterpret_cast<const char*>(c.bytes.data()), std::ssize(c.bytes)));
        if (c.size == 0) {
            EXPECT_FALSE(pasteMimeData(context, data));
            EXPECT_EQ(current().ObjectCount(), layers);
            continue;
        }
        ui.queueMetafileRaster(MetafileRasterAnswer{c.size, c.size, false});
        ASSERT_TRUE(pasteMimeData(context, data)) << c.mime;
        ASSERT_EQ(current().ObjectCount(), layers + 1);
        const CLayerObject* layer = current().tail;
        const int half = c.size / 2;
        EXPECT_EQ(layer->rect, (LayerRect{500 - half, 600 - half, 500 + half, 600 + half})) << c.mime;
        EXPECT_TRUE(layer->selected);
        EXPECT_EQ(current().CountSelected(), 1);
        // The drawing's red middle (COLORREF 0x0000FF) in the layer's own pixels.
        const CRaster& pixels = layer->ownImage;
        EXPECT_EQ(pixels.bits()[pixels.indexOf(pixels.width() / 2, pixels.height() / 2)], 0x00FF0000u)
            << c.mime;
    }
    // A picture beside the metafile wins.
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::green);
    QMimeData both;
    both.setImageData(image);
    const Bytes emf = lwtest::enhancedMetafile(40, 40, 10, 10, 30, 30, 0x0000FF);
    both.setData(kEnhancedMetafileMime,
                 QByteArray(reinterpret_cast<const char*>(emf.data()), std::ssize(emf)));
    ASSERT_TRUE(pasteMimeData(context, both));
    EXPECT_EQ(current().tail->width(), 4);
}

TEST_F(EditingCommandsTest, ADamagedBlockChangesNothingAndSaysSo)
{
    addRect(current(), {400, 580, 420, 600});
    commands.run(cmd::BringToFront); // leaves an undo step that must survive
    const QByteArray bad[] = {QByteArray("\x08\x00\x00\x00", 4),
                              QByteArray("\xff\xff\xff\x7f\x00\x00\x00\x00", 8), QByteArray(3, 'x')};
    EditingContext context = *commands.context();
    for (const QByteArray& bytes : bad) {
        QMimeData data;
        data.setData(kLayerClipboardMime, bytes);
        EXPECT_FALSE(pasteMimeData(context, data));
        EXPECT_EQ(current().ObjectCount(), 1);
    }
    EXPECT_EQ(ui.messages().size(), std::size(bad));
    EXPECT_TRUE(current().CanUndo());
}

TEST(EditingCommandsRoom, CommandsThatGrowTheDocumentRefuseWithoutRoomAndChangeNothing)
{
    ScriptedUiPort ui;
    ScriptedEditingQuestions questions;
    questions.masterFrames = [] { return MasterFramesAnswer{3, 100}; };
    questions.duplicate = [](DuplicateSettings) { return DuplicateSettings{5, 5, 2}; };
    questions.cloneFrames = [](std::vector<CloneFrameItem>) { return std::vector<bool>{true, false}; };
    questions.imageSize = [](CanvasSize) { return CanvasSize{40, 40}; };
    questions.edgeAmounts = [](CanvasSize) { return EdgeAmounts{0, 0, 10, 0}; };
    questions.canvasSettings = [](CanvasSize) { return CanvasSize{936, 60}; };
    const std::int64_t canvas = 468 * 60;
    struct Case {
        int id;
        std::int64_t need; // 0: only the refusal (the change would reach the ballast)
    };
    const Case cases[] = {{cmd::InsertFrameAfter, canvas},
                          {cmd::AppendFrame, canvas},
                          {cmd::MasterFrame, 3 * canvas},
                          {cmd::Duplicate, 2 * 800},
                          {cmd::CloneIntoFrames, 800},
                          {cmd::AddLayer, 2 * canvas},
                          {cmd::ImageSize, 3200 - 800},
                          {cmd::StretchShrink, 1200 - 800},
                          {cmd::Paste, 800},
                          {cmd::CanvasSize, 3 * 60 * 10},
                          {cmd::ResizeAnimation, 0},
                          {cmd::Combine, 2 * 50 * 20 - 800 - 200}};
    for (const Case& c : cases) {
        // Frame 1 holds the selected 20 × 20 rectangle, frame 2 is a clone target, frame 3 holds
        // ballast: a layer counted by its rectangle alone (one row, never drawn) that fills the
        // document up to the room wanted. Every count here is even.
        DocumentSession session;
        EditingCommands commands{ui, questions, [&session] { return &session; }};
        CAnimation& animation = session.doc.animation;
        auto rect = std::make_unique<CRectObject>();
        rect->Resize({400, 580, 420, 600});
        session.currentFrame().AppendObject(std::move(rect))->selected = 1;
        // A 10 × 10 rectangle beside it, selected only to be combined.
        auto beside = std::make_unique<CRectObject>();
        beside->Resize({440, 580, 450, 590});
        session.currentFrame().AppendObject(std::move(beside))->selected = c.id == cmd::Combine;
        const QByteArray block = selectionMimeData(session.currentFrame(), false)->data(kLayerClipboardMime);
        animation.AppendFrame();
        CLayerObject* ballast = animation.AppendFrame()->AppendObject(std::make_unique<CRectObject>());
        const auto leaveRoom = [&](std::int64_t room) {
            ballast->rect = {0, 0, 0, 1};
            ballast->rect.right =
                static_cast<int>((kMaxDocumentPixels - DocumentPixels(animation) - room) / 2);
        };
        const auto run = [&] {
            if (c.id != cmd::Paste) {
                commands.run(c.id);
                return;
            }
            QMimeData data;
            data.setData(kLayerClipboardMime, block);
            EditingContext context = *commands.context();
            pasteMimeData(context, data);
        };
        const auto refusals = [&] {
            return std::count_if(ui.messages().begin(), ui.messages().end(),
                                 [](const Message& m) { return m.text == kDocumentFull; });
        };
        leaveRoom((c.need ? c.need : canvas) - 2);
        const std::int64_t before = DocumentPixels(animation);
        const auto refused = refusals();
        EditScope(session.doc, nullptr, UndoStep::Keep).markSaved();
        run();
        EXPECT_EQ(DocumentPixels(animation), before) << c.id;
        EXPECT_EQ(animation.TotalFrames(), 3) << c.id;
        EXPECT_EQ(session.currentFrame().ObjectCount(), 2) << c.id;
        EXPECT_EQ(animation.width(), 468) << c.id;
        EXPECT_FALSE(session.doc.modified()) << c.id;
        EXPECT_EQ(refusals(), refused + 1) << c.id;
        if (c.need == 0 || c.id == cmd::CanvasSize)
            continue;
        // Just enough room: the change goes through and adds exactly what was counted.
        leaveRoom(c.need);
        run();
        EXPECT_EQ(DocumentPixels(animation), kMaxDocumentPixels) << c.id;
        EXPECT_EQ(refusals(), refused + 1) << c.id;
    }
}

TEST_F(EditingCommandsTest, CanvasCommandsScaleAndGrow)
{
    CLayerObject* layer = addRect(current(), {366, 570, 466, 600});
    ui.queueButton(MsgResult::Ok);
    questions.canvasSettings = [](CanvasSize) { return CanvasSize{234, 30}; };
    commands.run(cmd::ResizeAnimation);
    EXPECT_EQ(ui.messages().at(0).text, kResizeAnimationWarning);
    EXPECT_EQ(animation().width(), 234);
    EXPECT_EQ(layer->width(), 50);
    EXPECT_EQ(layer->height(), 15);
    questions.edgeAmounts = [](CanvasSize) { return EdgeAmounts{10, 0, 0, 0}; };
    commands.run(cmd::CanvasSize);
    EXPECT_EQ(animation().width(), 244);
    EXPECT_EQ(layer->rect.left - animation().canvasRect.left, 10);
}

TEST_F(EditingCommandsTest, ImportPictureTakesSeveralFilesWithTheSixFilters)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("p.bmp").toStdString();
    ASSERT_TRUE(ExportPicture(current(), path, ui));
    addRect(current(), {400, 580, 420, 600});
    FileQuestion asked;
    questions.openPaths = [&](const FileQuestion& question) {
        asked = question;
        return std::vector<std::string>{path, path};
    };
    commands.run(cmd::ImportPicture);
    EXPECT_EQ(asked.title, "Import Image");
    ASSERT_EQ(asked.filters.size(), 6u);
    EXPECT_EQ(asked.filters[0].second, "*.gif;*.jpg;*.jpe;*.jpeg;*.bmp;*.wmf;*.ico");
    ASSERT_EQ(current().ObjectCount(), 2);
    EXPECT_EQ(current().CountSelected(), 1);
    EXPECT_TRUE(current().ObjectAt(1)->selected); // the imported picture alone
    EXPECT_EQ(current().ObjectAt(1)->width(), 468);
    ASSERT_EQ(animation().TotalFrames(), 2); // the second file went to a new frame
    EXPECT_EQ(animation().FrameAt(1)->ObjectCount(), 1);
    EXPECT_TRUE(session.doc.modified());
}

} // namespace
