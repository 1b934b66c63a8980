#pragma once
// The models of the editing commands' dialogs: the fields as the user typed them, the values they
// start from, and OK's check (a refusal names the field and the range message). The dialogs are
// thin widgets over these; the commands ask for them through EditingQuestions.
#include "app/editor/number_field.h"
#include "model/canvas_resize.h"
#include "model/layer_duplicate.h"
#include "model/layer_placement.h"

#include <QString>
#include <string>
#include <variant>
#include <vector>

namespace lw {

template <class Answer> using DialogResult = std::variant<Answer, FieldRefusal>;

// "Мастер кадров": how many empty frames to add behind a new master, and their delay.
struct MasterFramesAnswer {
    int count = 1;
    int delayHundredths = 100;
};
class MasterFramesModel {
public:
    static constexpr int kMaxCount = 1000;
    QString count = QStringLiteral("1");
    QString seconds = QStringLiteral("1");
    DialogResult<MasterFramesAnswer> accept() const;
};

// "Задержка кадра": the delay in seconds and "Применить для всех кадров".
struct FrameDelayAnswer {
    int delayHundredths = 100;
    bool allFrames = false;
};
class FrameDelayModel {
public:
    explicit FrameDelayModel(int delayHundredths);
    QString seconds;
    bool allFrames = false;
    DialogResult<FrameDelayAnswer> accept() const;
};
// A delay as the dialogs and the frames bar show it: seconds with "%g".
QString delaySecondsText(int delayHundredths);

// "Повторы": "Постоянно" (0, loop forever) or "Время" with a count.
class LoopCountModel {
public:
    static constexpr int kMaxCount = 65535;
    explicit LoopCountModel(int loopCount);
    bool forever = true;
    QString count;
    DialogResult<int> accept() const;
};

// "Установки кадра": width, height and the preset list "Размер кадра".
class CanvasSettingsModel {
public:
    CanvasSettingsModel(int width, int height);
    QString width;
    QString height;
    // Fills both fields from a preset; the first entry leaves them.
    void choosePreset(int index);
    DialogResult<CanvasSize> accept() const;
};

// The four signed edge amounts of "Размер холста" (the canvas, or one layer), with the live size.
class EdgeAmountsModel {
public:
    EdgeAmountsModel(int width, int height);
    QString left = QStringLiteral("0");
    QString top = QStringLiteral("0");
    QString right = QStringLiteral("0");
    QString bottom = QStringLiteral("0");
    // " Размер:    %d x %d" for the amounts typed so far (a field that is no number counts 0).
    QString sizeLabel() const;
    DialogResult<EdgeAmounts> accept() const;

private:
    int width_;
    int height_;
};

// "Размер рисунка": width and height, linked while "Сохранять пропорции" is set.
class ImageSizeModel {
public:
    ImageSizeModel(int width, int height);
    QString width;
    QString height;
    bool keepProportions = true;
    void typeWidth(const QString& text);
    void typeHeight(const QString& text);
    DialogResult<CanvasSize> accept() const;

private:
    int startWidth_;
    int startHeight_;
};

// "Выравнивание": the two choices, "Выравнивание в кадре" (forced on for one layer) and the margin.
class AlignModel {
public:
    AlignModel(AlignSettings start, bool forceFrame);
    int horizontal = 0;
    int vertical = 0;
    bool toFrame = false;
    bool frameForced = false;
    QString margin;
    DialogResult<AlignSettings> accept() const;
};

// "Сместить в...": direction ("верх", "право", "низ", "лево") and distance.
struct MoveToAnswer {
    MoveDirection direction = MoveDirection::Up;
    int distance = 10;
};
class MoveToModel {
public:
    explicit MoveToModel(MoveToAnswer start);
    int direction = 0;
    QString distance;
    DialogResult<MoveToAnswer> accept() const;
};

// "Дублирование": X and Y offsets and "Сколько дублей:".
class DuplicateModel {
public:
    static constexpr int kMaxCount = 100;
    explicit DuplicateModel(DuplicateSettings start);
    QString dx;
    QString dy;
    QString count;
    DialogResult<DuplicateSettings> accept() const;
};

// "Клонирование пункта": every other frame by its caption, checked when it holds a clone.
struct CloneFrameItem {
    std::string caption;
    bool checked = false;
};
class CloneFramesModel {
public:
    explicit CloneFramesModel(std::vector<CloneFrameItem> items) : items(std::move(items)) {}
    std::vector<CloneFrameItem> items;
    void toggle(int index);
    std::vector<bool> accept() const;
};

} // namespace lw
