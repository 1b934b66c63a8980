// The effect dialog and the installed-components window over the shipped effect libraries,
// built non-modal and driven through their controls.
#include "app/widgets/effect_dialog.h"
#include "app/widgets/installed_components_dialog.h"
#include "filters/scripted_ui_port.h"
#include "imaging/frame_sequence.h"
#include "model/animation.h"
#include "model/bitmap_object.h"
#include "support/test_paths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <algorithm>
#include <gtest/gtest.h>

namespace lw {
namespace {

template <class T> T& child(QWidget& dialog, const char* name)
{
    return *dialog.findChild<T*>(QString::fromLatin1(name)); // a missing control fails loudly
}

QStringList texts(const QAbstractItemView& view)
{
    QStringList out;
    for (int i = 0; i < view.model()->rowCount(); ++i)
        out << view.model()->index(i, 0).data().toString();
    return out;
}

// The shipped libraries, and a 60 x 30 banner with a 20 x 10 bitmap layer.
struct EffectDialogTest : ::testing::Test {
    ExtensionHost host;
    ScriptedUiPort ui;
    CAnimation animation;
    CLayerObject* layer = nullptr;
    void SetUp() override
    {
        host.load(lwtest::buildDir() + "/extensions");
        ASSERT_NE(host.effects(), nullptr) << "no libraries in " << lwtest::buildDir() << "/extensions";
        animation.SetSize(60, 30);
        auto bitmap = std::make_unique<CBitmapObject>();
        bitmap->TakePixels(CRaster(20, 10));
        bitmap->MoveTo(animation.canvasRect.left + 20, animation.canvasRect.top + 10);
        layer = animation.firstFrame->AppendObject(std::move(bitmap));
    }
    std::unique_ptr<EffectDialog> open(EffectKind kind, EffectAssignment& assignment)
    {
        return std::make_unique<EffectDialog>(host, kind, assignment, animation, *animation.firstFrame,
                                              nullptr, ui);
    }
    static void choose(QWidget& dialog, const char* name)
    {
        auto& list = child<QListWidget>(dialog, "effects");
        list.setCurrentRow(texts(list).indexOf(QString::fromLatin1(name)));
    }
};

TEST_F(EffectDialogTest, ListSpeedsAndAdvancedFollowTheChosenEffect)
{
    EffectAssignment none;
    const auto intro = open(EffectKind::Intro, none);
    const QStringList names = texts(child<QListWidget>(*intro, "effects"));
    ASSERT_GT(names.size(), 20);
    EXPECT_EQ(names.front(), "<none>");
    EXPECT_TRUE(std::is_sorted(names.begin() + 1, names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    }));
    EXPECT_FALSE(names.contains("Fade Out") || names.contains("Blink")); // other kinds

    const QStringList all{"Ultra Fast", "Very Fast", "Fast", "Medium", "Slow", "Very Slow"};
    const struct {
        EffectKind kind;
        const char* effect;
        QStringList speeds; // from speed 0 the first one is chosen
        bool speedEnabled, advanced;
    } rows[] = {
        {EffectKind::Intro, "Fade In", all, true, false},
        {EffectKind::Intro, "Blow In", all.mid(1, 4), true, true},
        {EffectKind::Intro, "<none>", {}, false, false},
        {EffectKind::Animation, "Popup", all.mid(0, 1), false, false},
        {EffectKind::Animation, "Marquee", all.mid(0, 1), false, true},
        {EffectKind::Outro, "Flash Out", all.mid(0, 5), true, true},
    };
    for (const auto& r : rows) {
        EffectAssignment a;
        const auto dialog = open(r.kind, a);
        if (r.speeds.isEmpty())
            choose(*dialog, "Fade In"); // away from "<none>" and back
        choose(*dialog, r.effect);
        const auto& speeds = child<QComboBox>(*dialog, "speeds");
        EXPECT_EQ(texts(*speeds.view()), r.speeds) << r.effect;
        EXPECT_EQ(speeds.currentIndex(), r.speeds.isEmpty() ? -1 : 0) << r.effect;
        EXPECT_EQ(speeds.isEnabled(), r.speedEnabled) << r.effect;
        EXPECT_EQ(child<QPushButton>(*dialog, "advanced").isEnabled(), r.advanced) << r.effect;
    }
}

TEST_F(EffectDialogTest, PreviewPlaysTheWorkingChoiceAndCancelRestoresTheAssignment)
{
    const EffectAssignment stored{21, 2, 9}; // "Fade In", "Fast", a param of its own
    for (const bool ok : {false, true}) {
        layer->introEffect = stored;
        const auto dialog = open(EffectKind::Intro, layer->introEffect);
        EXPECT_EQ(child<QComboBox>(*dialog, "speeds").currentText(), "Fast"); // read on open
        choose(*dialog, "Fly From Left");
        child<QComboBox>(*dialog, "speeds").setCurrentIndex(1); // "Very Fast": 2 steps
        child<QCheckBox>(*dialog, "applyToAll").setChecked(true);
        std::size_t played = 0;
        EffectAssignment during;
        dialog->play = [&](FrameSequence sequence, QWidget*) {
            played = sequence.size();
            during = layer->introEffect;
        };
        child<QPushButton>(*dialog, "preview").click();
        // Three intro images (two steps and the one before them), then the frame image.
        EXPECT_EQ(played, 4u);
        EXPECT_EQ(during, (EffectAssignment{1, 1, 0}));
        child<QPushButton>(*dialog, ok ? "ok" : "cancel").click();
        EXPECT_EQ(layer->introEffect, ok ? during : stored) << ok;
        EXPECT_TRUE(dialog->applyToAll());
    }
}

TEST_F(EffectDialogTest, InstalledComponentsListsLibrariesByNameWithTheirEffectsAndOpensTheFolder)
{
    InstalledComponentsDialog dialog(host, "/opt/lw/extensions", nullptr);
    auto& list = child<QListWidget>(dialog, "components");
    EXPECT_EQ(texts(list), (QStringList{"blink.lwx", "blow.lwx", "fade.lwx", "flash.lwx", "fly.lwx",
                                        "glide.lwx", "glintsweep.lwx", "laser.lwx", "marquee.lwx", "peek.lwx",
                                        "popup.lwx", "rotate.lwx", "smear.lwx", "stretch.lwx"}));
    list.setCurrentRow(4);
    const QString text = child<QPlainTextEdit>(dialog, "description").toPlainText();
    EXPECT_TRUE(text.startsWith("Fly Extension for Loopwright GIF Animator v1.0\n")) << text.toStdString();
    // Most recently registered first.
    EXPECT_TRUE(text.contains("\n==============\nEffects Available:\n- Fly To Top (#14)\n"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("- Fly From Left (#1)\n")) << text.toStdString();
    QUrl opened;
    dialog.openUrl = [&](const QUrl& url) { opened = url; };
    child<QPushButton>(dialog, "openFolder").click();
    EXPECT_EQ(opened, QUrl::fromLocalFile("/opt/lw/extensions"));

    const ExtensionHost none;
    InstalledComponentsDialog empty(none, "/nowhere", nullptr);
    EXPECT_EQ(texts(child<QListWidget>(empty, "components")), QStringList{"<no extensions>"});
    child<QListWidget>(empty, "components").setCurrentRow(0);
    EXPECT_TRUE(child<QPlainTextEdit>(empty, "description").toPlainText().isEmpty());
}

} // namespace
} // namespace lw
