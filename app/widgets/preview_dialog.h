#pragma once
// " Предпросмотр  ": the player over the whole maximised window, each image centred on white.
// In colour-picking mode ("Выбор прозрачности  цвета") a click picks the colour under it and OK
// hands it back. Escape closes; the sequence goes with the dialog.
#include "app/editor/preview_player.h"

#include <QCoreApplication>
#include <QDialog>
#include <QTimer>
#include <memory>

class QLabel;

namespace lw {

class PreviewView;

// The player's interval on a Qt single-shot timer.
class QtPreviewTimer : public PreviewTimer {
public:
    explicit QtPreviewTimer(std::function<void()> fired);
    void start(int milliseconds) override { timer_.start(milliseconds); }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

class PreviewDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(PreviewDialog)
public:
    PreviewDialog(FrameSequence sequence, std::unique_ptr<GifAnimation> images, bool pickColour,
                  UrlOpener open, UiPort& ui, QWidget* parent = nullptr);
    // Shows the first image at once and compiles the next ones while the shown one lasts.
    PreviewDialog(std::unique_ptr<GrowingSequence> growing, UrlOpener open, UiPort& ui,
                  QWidget* parent = nullptr);
    ~PreviewDialog() override;

    PreviewPlayer& player() { return *player_; }
    // Plays until the user closes the window.
    static void play(QWidget* parent, FrameSequence sequence, std::unique_ptr<GifAnimation> images,
                     UrlOpener open, UiPort& ui);
    static void play(QWidget* parent, std::unique_ptr<GrowingSequence> growing, UrlOpener open, UiPort& ui);
    // Colour picking: the picked colour (0x00BBGGRR) on OK, nothing otherwise.
    static std::optional<std::uint32_t> pickColour(QWidget* parent, FrameSequence sequence,
                                                   std::unique_ptr<GifAnimation> images, UiPort& ui);

private:
    PreviewDialog(bool pickColour, UiPort& ui, QWidget* parent);
    // Builds the window around the player and shows the first image.
    void begin(std::unique_ptr<PreviewPlayer> player, UrlOpener open, bool pickColour);
    // After the next paint: the images after the shown one.
    void compileAheadSoon();
    // Runs work that may compile; running out of memory closes the window with its message.
    void compiling(const std::function<void()>& work);
    void showPicked();

    QtPreviewTimer timer_;
    UiPort& ui_;
    std::unique_ptr<PreviewPlayer> player_;
    PreviewView* view_ = nullptr;
    QLabel* swatch_ = nullptr;
};

} // namespace lw
