#pragma once
// The start-up splash: a borderless pop-up of 302 × 278 pixels at
// ((screen width − 300) / 2, (screen height − 276) / 2), closed one second after the main
// window exists, or earlier when a message is about to show.
#include <QWidget>

namespace lw {

class Splash : public QWidget {
    Q_OBJECT
public:
    Splash();
    // Starts the one-second timer that closes it.
    void startClosing();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lw
