#pragma once
// The editor's main window: the document windows in a QMdiArea, the menu bar, the bars and the
// status bar. The title carries the active document's name and its modified mark.
#include <QMainWindow>

class QMdiArea;

namespace lw {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    QMdiArea* mdiArea() const { return mdi_; }

private:
    QMdiArea* mdi_ = nullptr;
};

} // namespace lw
