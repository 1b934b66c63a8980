#pragma once
// A small player for the effect dialog's "Просмотр...": the images of a FrameSequence one after
// the other, each centred on white for its delay (hundredths of a second), over and over until
// the window closes. It copies the images, so the sequence may go as soon as playing starts.
#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace lw {

class FrameSequence;

class SequencePlayer : public QWidget {
public:
    explicit SequencePlayer(const FrameSequence& sequence, QWidget* parent = nullptr);

    int imageCount() const { return static_cast<int>(images_.size()); }
    int currentIndex() const { return current_; }
    // The delay of the image shown, in milliseconds; the timer waits this long.
    int currentDelayMs() const;
    // Shows the next image (the first after the last) and restarts the timer for it.
    void advance();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Shown {
        QImage image;
        int delay = 10; // hundredths of a second
    };
    void restartTimer();

    std::vector<Shown> images_;
    QSize canvas_;
    int current_ = 0;
    QTimer timer_;
};

// The player in a window of its own, closed with "Закрыть".
class EffectPreviewDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(EffectPreviewDialog)
public:
    explicit EffectPreviewDialog(const FrameSequence& sequence, QWidget* parent = nullptr);

    SequencePlayer* player() const { return player_; }

    // Plays the sequence until the user closes the window.
    static void play(const FrameSequence& sequence, QWidget* parent);

private:
    SequencePlayer* player_ = nullptr;
};

} // namespace lw
