#include "engine/effect_dialog_model.h"

#include "engine/list_sorting.h"
#include "engine/speed_name.h"
#include "model/animation.h"

#include <algorithm>

namespace lw {

namespace {

template <typename Holder> EffectAssignment& slotOf(Holder& holder, EffectKind kind)
{
    switch (kind) {
    case EffectKind::Intro:
        return holder.introEffect;
    case EffectKind::Outro:
        return holder.outroEffect;
    case EffectKind::Animation:
        break;
    }
    return holder.animationEffect;
}

} // namespace

EffectAssignment& assignmentFor(CLayerObject& object, EffectKind kind)
{
    return slotOf(object, kind);
}

EffectAssignment& assignmentFor(CFrame& frame, EffectKind kind)
{
    return slotOf(frame, kind);
}

void applyToAllObjects(CFrame& frame, EffectKind kind, const EffectAssignment& assignment)
{
    for (CLayerObject* object = frame.head.get(); object; object = object->next.get())
        assignmentFor(*object, kind) = assignment;
}

void applyToAllFrames(CAnimation& animation, EffectKind kind, const EffectAssignment& assignment)
{
    for (CFrame* frame = animation.firstFrame.get(); frame; frame = frame->next.get())
        assignmentFor(*frame, kind) = assignment;
}

EffectDialogModel::EffectDialogModel(const ExtensionHost& host, EffectKind kind, EffectAssignment& assignment)
    : host_(host), kind_(kind), assignment_(assignment), working_(assignment), saved_(assignment)
{
    // With one id in two libraries only the one that wins the lookup is offered: the other
    // could be chosen but never run.
    for (const ExtensionEffect* e = host_.effects(); e; e = e->next.get())
        if (e->kind == static_cast<std::int32_t>(kind_) && host_.findEffect(e->id) == e)
            effects_.push_back(Item{e->name, e->id});
    std::stable_sort(effects_.begin(), effects_.end(),
                     [](const Item& a, const Item& b) { return sortsBefore(a.text, b.text); });
    effects_.insert(effects_.begin(), Item{"<none>", 0});

    for (std::size_t i = 0; i < effects_.size(); ++i)
        if (effects_[i].data == working_.effectId) {
            selectedEffect_ = static_cast<int>(i);
            break;
        }
    rebuildSpeeds();
    selectWorkingSpeed();
}

std::string EffectDialogModel::titleFor(EffectKind kind)
{
    switch (kind) {
    case EffectKind::Intro:
        return "Intro Animation Effect";
    case EffectKind::Outro:
        return "Outro Animation Effect";
    case EffectKind::Animation:
        return "Animation Effect";
    }
    return {};
}

void EffectDialogModel::rebuildSpeeds()
{
    speeds_.clear();
    selectedSpeed_ = -1;
    const std::int32_t id = working_.effectId;
    if (id != 0) {
        const std::int32_t low = host_.minSpeed(id), high = host_.maxSpeed(id);
        for (const SpeedName& speed : kSpeedNames)
            if (speed.value >= low && speed.value <= high)
                speeds_.push_back(Item{std::string(speed.text), speed.value});
        if (!speeds_.empty())
            selectedSpeed_ = 0;
    }
    speedEnabled_ = id != 0 && host_.minSpeed(id) != host_.maxSpeed(id);
    advancedEnabled_ = host_.hasAdvanced(id);
}

void EffectDialogModel::selectWorkingSpeed()
{
    if (speeds_.empty())
        return;
    const auto name = std::find_if(kSpeedNames.begin(), kSpeedNames.end(),
                                   [&](const SpeedName& s) { return s.value == working_.speed; });
    if (name != kSpeedNames.end())
        for (std::size_t i = 0; i < speeds_.size(); ++i)
            if (speeds_[i].text.starts_with(name->text)) {
                selectedSpeed_ = static_cast<int>(i);
                return;
            }
    // A speed the effect does not offer shows as the first entry; take that value too, so that
    // OK writes what the dialog shows.
    selectedSpeed_ = 0;
    working_.speed = speeds_[0].data;
}

void EffectDialogModel::chooseEffect(int index)
{
    if (index < 0 || index >= static_cast<int>(effects_.size()))
        return;
    selectedEffect_ = index;
    working_.effectId = effects_[static_cast<std::size_t>(index)].data;
    if (working_.effectId == 0)
        working_.speed = 0;
    working_.param = 0;
    working_.speed =
        std::clamp(working_.speed, host_.minSpeed(working_.effectId), host_.maxSpeed(working_.effectId));
    rebuildSpeeds();
    selectWorkingSpeed();
}

void EffectDialogModel::chooseSpeed(int index)
{
    if (index < 0 || index >= static_cast<int>(speeds_.size()))
        return;
    selectedSpeed_ = index;
    working_.speed = speeds_[static_cast<std::size_t>(index)].data;
}

bool EffectDialogModel::runAdvanced(void* parentWidget)
{
    if (!advancedEnabled_)
        return false;
    // The library edits a copy: one whose dialog fails (answers 0, or throws) may have written
    // anything there, and the working value stays as it was.
    std::int32_t param = working_.param;
    std::int32_t result = 0;
    try {
        result = host_.advanced(working_.effectId, &param, parentWidget);
    } catch (...) {
        return false;
    }
    if (result == 0)
        return false;
    working_.param = param;
    return true;
}

} // namespace lw
