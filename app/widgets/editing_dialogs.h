#pragma once
// The dialogs of the frame, canvas and layer commands, each a thin widget over its model in
// editing_dialog_models.h: the fields show the model, OK hands the typed texts back to it.
#include "app/editor/editing_dialog_models.h"
#include "app/widgets/checked_dialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace lw {

// Runs a dialog and returns its answer, nothing on Cancel.
template <class Dialog, class... Args>
auto runDialog(QWidget* parent, Args&&... args) -> decltype(std::declval<Dialog&>().answer())
{
    Dialog dialog(std::forward<Args>(args)..., parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

// "Мастер кадров".
class MasterFramesDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(MasterFramesDialog)
public:
    explicit MasterFramesDialog(QWidget* parent = nullptr);
    std::optional<MasterFramesAnswer> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    MasterFramesModel model_;
    QLineEdit* count_ = nullptr;
    QLineEdit* seconds_ = nullptr;
    std::optional<MasterFramesAnswer> answer_;
};

// "Задержка кадра".
class FrameDelayDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(FrameDelayDialog)
public:
    FrameDelayDialog(int delayHundredths, QWidget* parent = nullptr);
    std::optional<FrameDelayAnswer> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    FrameDelayModel model_;
    QLineEdit* seconds_ = nullptr;
    QCheckBox* all_ = nullptr;
    std::optional<FrameDelayAnswer> answer_;
};

// "Повторы".
class LoopCountDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(LoopCountDialog)
public:
    LoopCountDialog(int loopCount, QWidget* parent = nullptr);
    std::optional<int> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    LoopCountModel model_;
    QRadioButton* forever_ = nullptr;
    QLineEdit* count_ = nullptr;
    std::optional<int> answer_;
};

// "Установки кадра".
class CanvasSettingsDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(CanvasSettingsDialog)
public:
    CanvasSettingsDialog(CanvasSize size, QWidget* parent = nullptr);
    std::optional<CanvasSize> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    CanvasSettingsModel model_;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    std::optional<CanvasSize> answer_;
};

// "Размер холста": four signed amounts and the resulting size.
class EdgeAmountsDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(EdgeAmountsDialog)
public:
    EdgeAmountsDialog(CanvasSize size, QWidget* parent = nullptr);
    std::optional<EdgeAmounts> answer() const { return answer_; }
    QString sizeText() const;

protected:
    std::optional<FieldRefusal> commit() override;

private:
    void readFields();
    EdgeAmountsModel model_;
    QLineEdit* fields_[4] = {};
    QLabel* size_ = nullptr;
    std::optional<EdgeAmounts> answer_;
};

// "Размер рисунка".
class ImageSizeDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(ImageSizeDialog)
public:
    ImageSizeDialog(CanvasSize size, QWidget* parent = nullptr);
    std::optional<CanvasSize> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    ImageSizeModel model_;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QCheckBox* keep_ = nullptr;
    std::optional<CanvasSize> answer_;
};

// "Выравнивание".
class AlignDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(AlignDialog)
public:
    AlignDialog(AlignSettings start, bool forceFrame, QWidget* parent = nullptr);
    std::optional<AlignSettings> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    AlignModel model_;
    QButtonGroup* horizontal_ = nullptr;
    QButtonGroup* vertical_ = nullptr;
    QCheckBox* toFrame_ = nullptr;
    QLineEdit* margin_ = nullptr;
    std::optional<AlignSettings> answer_;
};

// "Сместить в...".
class MoveToDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(MoveToDialog)
public:
    MoveToDialog(MoveToAnswer start, QWidget* parent = nullptr);
    std::optional<MoveToAnswer> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    MoveToModel model_;
    QButtonGroup* direction_ = nullptr;
    QLineEdit* distance_ = nullptr;
    std::optional<MoveToAnswer> answer_;
};

// "Дублирование".
class DuplicateDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(DuplicateDialog)
public:
    DuplicateDialog(DuplicateSettings start, QWidget* parent = nullptr);
    std::optional<DuplicateSettings> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    DuplicateModel model_;
    QLineEdit* dx_ = nullptr;
    QLineEdit* dy_ = nullptr;
    QLineEdit* count_ = nullptr;
    std::optional<DuplicateSettings> answer_;
};

// "Клонирование пункта": the other frames, checked where a clone is wanted.
class CloneFramesDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(CloneFramesDialog)
public:
    CloneFramesDialog(std::vector<CloneFrameItem> items, QWidget* parent = nullptr);
    std::optional<std::vector<bool>> answer() const { return answer_; }
    QListWidget* list() const { return list_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    CloneFramesModel model_;
    QListWidget* list_ = nullptr;
    std::optional<std::vector<bool>> answer_;
};

} // namespace lw
