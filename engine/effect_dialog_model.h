#pragma once
// The effect selection dialog without its widgets: which effects and speeds it offers, what is
// selected and enabled, and what OK, Cancel and "Применить для всех" do to the assignment. The
// editor binds the list boxes, buttons and check box to it.
#include "engine/extension_host.h"
#include "model/effect_assignment.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lw {

class CAnimation;
class CFrame;
class CLayerObject;

// The assignment a dialog of the kind edits: introEffect, outroEffect or animationEffect.
EffectAssignment& assignmentFor(CLayerObject& object, EffectKind kind);
EffectAssignment& assignmentFor(CFrame& frame, EffectKind kind);
// "Применить для всех" after OK: the assignment goes to every object of the frame, or to every
// frame of the document (master frames included).
void applyToAllObjects(CFrame& frame, EffectKind kind, const EffectAssignment& assignment);
void applyToAllFrames(CAnimation& animation, EffectKind kind, const EffectAssignment& assignment);

class EffectDialogModel {
public:
    struct Item {
        std::string text;
        std::int32_t data = 0; // effect id, or speed value
    };

    // Copies the assignment twice: the working values the dialog edits and the saved values
    // Cancel restores.
    EffectDialogModel(const ExtensionHost& host, EffectKind kind, EffectAssignment& assignment);

    // "Intro Animation Effect", "Outro Animation Effect" or "Animation Effect".
    static std::string titleFor(EffectKind kind);
    std::string title() const { return titleFor(kind_); }

    // "<none>" first, then the effects of the dialog's kind sorted by name.
    const std::vector<Item>& effectItems() const { return effects_; }
    // The entry of the working effect; -1 when the working id is not among them.
    int selectedEffect() const { return selectedEffect_; }
    // The speeds the working effect offers, slowest last; empty without an effect.
    const std::vector<Item>& speedItems() const { return speeds_; }
    int selectedSpeed() const { return selectedSpeed_; } // -1 when the list is empty
    bool speedEnabled() const { return speedEnabled_; }
    bool advancedEnabled() const { return advancedEnabled_; }
    const EffectAssignment& working() const { return working_; }

    // The user picked an effect entry: param resets to 0, the speed is clamped to what the
    // new effect offers ("<none>" gives speed 0), and the speed list is rebuilt.
    void chooseEffect(int index);
    // The user picked a speed entry.
    void chooseSpeed(int index);
    // "Подробнее...": the effect's own settings dialog edits the working param. A dialog that
    // fails (the library answers 0) leaves it as it was; false then, and when it is disabled.
    bool runAdvanced(void* parentWidget);

    // "Просмотр...": the working values go into the assignment so that a compile shows them;
    // Cancel still restores the saved values.
    void applyForPreview() { assignment_ = working_; }
    // OK writes the working values; Cancel writes the saved values back.
    void accept() { assignment_ = working_; }
    void cancel() { assignment_ = saved_; }

    // The check box "Применить для всех": after OK the caller copies the assignment to every
    // object of the frame or every frame of the document.
    bool applyToAll = false;

private:
    void rebuildSpeeds();
    void selectWorkingSpeed();

    const ExtensionHost& host_;
    EffectKind kind_;
    EffectAssignment& assignment_;
    EffectAssignment working_;
    EffectAssignment saved_;
    std::vector<Item> effects_;
    std::vector<Item> speeds_;
    int selectedEffect_ = -1;
    int selectedSpeed_ = -1;
    bool speedEnabled_ = false;
    bool advancedEnabled_ = false;
};

} // namespace lw
