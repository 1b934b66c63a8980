#include "app/editor/editing_dialog_models.h"

#include "model/canvas_presets.h"
#include "model/frame_timing.h"
#include "model/layer_sizing.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

namespace lw {

namespace {

constexpr double kMaxSeconds = kMaxDelayHundredths / 100.0;

template <class Answer> bool refused(std::optional<FieldRefusal> refusal, DialogResult<Answer>& result)
{
    if (refusal)
        result = *refusal;
    return refusal.has_value();
}

// A delay field: seconds in range, turned into hundredths.
std::optional<FieldRefusal> checkSeconds(const QString& text, int field, int* hundredths)
{
    double seconds = 0;
    if (auto refusal = checkDecimalField(text, 0, kMaxSeconds, field, &seconds))
        return refusal;
    *hundredths = delayFromSeconds(seconds).value_or(kMaxDelayHundredths);
    return std::nullopt;
}

} // namespace

QString delaySecondsText(int delayHundredths)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", delayHundredths * 0.01);
    return QString::fromLatin1(text);
}

DialogResult<MasterFramesAnswer> MasterFramesModel::accept() const
{
    DialogResult<MasterFramesAnswer> result;
    MasterFramesAnswer answer;
    if (refused(checkWholeField(count, 0, kMaxCount, 0, &answer.count), result) ||
        refused(checkSeconds(seconds, 1, &answer.delayHundredths), result))
        return result;
    return answer;
}

FrameDelayModel::FrameDelayModel(int delayHundredths) : seconds(delaySecondsText(delayHundredths)) {}

DialogResult<FrameDelayAnswer> FrameDelayModel::accept() const
{
    DialogResult<FrameDelayAnswer> result;
    FrameDelayAnswer answer{0, allFrames};
    if (refused(checkSeconds(seconds, 0, &answer.delayHundredths), result))
        return result;
    return answer;
}

LoopCountModel::LoopCountModel(int loopCount) : forever(loopCount == 0), count(QString::number(loopCount)) {}

DialogResult<int> LoopCountModel::accept() const
{
    if (forever)
        return 0;
    DialogResult<int> result;
    int value = 0;
    if (refused(checkWholeField(count, 0, kMaxCount, 0, &value), result))
        return result;
    return value;
}

CanvasSettingsModel::CanvasSettingsModel(int w, int h) : width(QString::number(w)), height(QString::number(h))
{
}

void CanvasSettingsModel::choosePreset(int index)
{
    if (index <= 0 || index >= static_cast<int>(kCanvasPresets.size()))
        return;
    width = QString::number(kCanvasPresets[index].width);
    height = QString::number(kCanvasPresets[index].height);
}

DialogResult<CanvasSize> CanvasSettingsModel::accept() const
{
    DialogResult<CanvasSize> result;
    CanvasSize size;
    if (refused(checkWholeField(width, 1, kWorkspaceSize, 0, &size.width), result) ||
        refused(checkWholeField(height, 1, kWorkspaceSize, 1, &size.height), result))
        return result;
    return size;
}

EdgeAmountsModel::EdgeAmountsModel(int width, int height) : width_(width), height_(height) {}

QString EdgeAmountsModel::sizeLabel() const
{
    auto amount = [](const QString& text) { return parseWholeNumber(text).value_or(0); };
    const CanvasSize size =
        grownCanvasSize(width_, height_, {amount(left), amount(top), amount(right), amount(bottom)});
    return QCoreApplication::translate("EdgeAmountsDialog", " Размер:    %1 x %2")
        .arg(size.width)
        .arg(size.height);
}

DialogResult<EdgeAmounts> EdgeAmountsModel::accept() const
{
    DialogResult<EdgeAmounts> result;
    EdgeAmounts amounts;
    if (refused(checkWholeField(left, -kWorkspaceSize, kWorkspaceSize, 0, &amounts.left), result) ||
        refused(checkWholeField(top, -kWorkspaceSize, kWorkspaceSize, 1, &amounts.top), result) ||
        refused(checkWholeField(right, -kWorkspaceSize, kWorkspaceSize, 2, &amounts.right), result) ||
        refused(checkWholeField(bottom, -kWorkspaceSize, kWorkspaceSize, 3, &amounts.bottom), result))
        return result;
    return amounts;
}

ImageSizeModel::ImageSizeModel(int w, int h)
    : width(QString::number(w)), height(QString::number(h)), startWidth_(w), startHeight_(h)
{
}

void ImageSizeModel::typeWidth(const QString& text)
{
    width = text;
    if (auto value = parseWholeNumber(text); value && keepProportions)
        height = QString::number(linkedHeight(*value, startWidth_, startHeight_));
}

void ImageSizeModel::typeHeight(const QString& text)
{
    height = text;
    if (auto value = parseWholeNumber(text); value && keepProportions)
        width = QString::number(linkedWidth(*value, startWidth_, startHeight_));
}

DialogResult<CanvasSize> ImageSizeModel::accept() const
{
    DialogResult<CanvasSize> result;
    CanvasSize size;
    if (refused(checkWholeField(width, 1, kWorkspaceSize, 0, &size.width), result) ||
        refused(checkWholeField(height, 1, kWorkspaceSize, 1, &size.height), result))
        return result;
    return size;
}

AlignModel::AlignModel(AlignSettings start, bool forceFrame)
    : horizontal(static_cast<int>(start.horizontal)), vertical(static_cast<int>(start.vertical)),
      toFrame(start.toFrame || forceFrame), frameForced(forceFrame), margin(QString::number(start.margin))
{
}

DialogResult<AlignSettings> AlignModel::accept() const
{
    DialogResult<AlignSettings> result;
    AlignSettings settings;
    if (refused(checkWholeField(margin, 0, kWorkspaceSize / 2, 0, &settings.margin), result))
        return result;
    settings.horizontal = static_cast<HorizontalAlign>(std::clamp(horizontal, 0, 3));
    settings.vertical = static_cast<VerticalAlign>(std::clamp(vertical, 0, 3));
    settings.toFrame = toFrame || frameForced;
    return settings;
}

MoveToModel::MoveToModel(MoveToAnswer start)
    : direction(static_cast<int>(start.direction)), distance(QString::number(start.distance))
{
}

DialogResult<MoveToAnswer> MoveToModel::accept() const
{
    DialogResult<MoveToAnswer> result;
    MoveToAnswer answer;
    if (refused(checkWholeField(distance, 0, kWorkspaceSize, 0, &answer.distance), result))
        return result;
    answer.direction = static_cast<MoveDirection>(std::clamp(direction, 0, 3));
    return answer;
}

DuplicateModel::DuplicateModel(DuplicateSettings start)
    : dx(QString::number(start.dx)), dy(QString::number(start.dy)), count(QString::number(start.count))
{
}

DialogResult<DuplicateSettings> DuplicateModel::accept() const
{
    DialogResult<DuplicateSettings> result;
    DuplicateSettings settings;
    if (refused(checkWholeField(dx, -kWorkspaceSize, kWorkspaceSize, 0, &settings.dx), result) ||
        refused(checkWholeField(dy, -kWorkspaceSize, kWorkspaceSize, 1, &settings.dy), result) ||
        refused(checkWholeField(count, 1, kMaxCount, 2, &settings.count), result))
        return result;
    return settings;
}

void CloneFramesModel::toggle(int index)
{
    if (index >= 0 && index < static_cast<int>(items.size()))
        items[index].checked = !items[index].checked;
}

std::vector<bool> CloneFramesModel::accept() const
{
    std::vector<bool> marks;
    for (const CloneFrameItem& item : items)
        marks.push_back(item.checked);
    return marks;
}

} // namespace lw
