#include "app/widgets/main_window.h"

#include <QMdiArea>

namespace lw {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    mdi_ = new QMdiArea(this);
    setCentralWidget(mdi_);
    setWindowTitle(tr("Quarvex Loopwright GIF Animator"));
    resize(1024, 720);
}

MainWindow::~MainWindow() = default;

} // namespace lw
