#pragma once
// The frame-list bar and the frame-background bar: thin widgets over FrameListModel and
// BackgroundListModel, placed into the main window's two floating bar hosts.
#include <QWidget>

class QComboBox;
class QListView;
class QPushButton;

namespace lw {

class BackgroundListModel;
class CommandActions;
class DocumentSession;
class EditingCommands;
class FrameListModel;

class FrameListBar : public QWidget {
    Q_OBJECT
public:
    FrameListBar(EditingCommands& commands, CommandActions& actions, QWidget* parent = nullptr);
    void setSession(DocumentSession* session);
    // Brings the list and the delay field up to date (on every notice of the document).
    void refresh();
    FrameListModel* model() const { return model_; }
    QListView* list() const { return list_; }
    QComboBox* delayField() const { return delay_; }

private:
    void applyDelay();
    void choose(int row);

    EditingCommands& commands_;
    FrameListModel* model_ = nullptr;
    QListView* list_ = nullptr;
    QComboBox* delay_ = nullptr;
    bool choosing_ = false;
};

class FrameBackgroundBar : public QWidget {
    Q_OBJECT
public:
    FrameBackgroundBar(EditingCommands& commands, CommandActions& actions, QWidget* parent = nullptr);
    void setSession(DocumentSession* session);
    void refresh();
    BackgroundListModel* model() const { return model_; }

private:
    void chooseBorderColour();
    void chooseThickness(int width);

    EditingCommands& commands_;
    DocumentSession* session_ = nullptr;
    BackgroundListModel* model_ = nullptr;
    QComboBox* frames_ = nullptr;
    QPushButton* background_ = nullptr;
    QPushButton* border_ = nullptr;
    QComboBox* thickness_ = nullptr;
    bool updating_ = false;
};

} // namespace lw
