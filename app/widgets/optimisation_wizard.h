#pragma once
// "Мастер оптимизации " over OptimisationWizardModel: pages CWOpt1 (welcome), CWOpt2 (colours),
// CWOpt3a (the size report and "Просмотр") and CWOpt4 (the file name with "Обзор..."). The
// document's work comes in as OptimisationWizardTools, so tests can drive the pages alone.
#include "app/editor/optimisation_wizard_model.h"

#include <QCoreApplication>
#include <QWizard>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace lw {

struct OptimisationWizardTools {
    // CWOpt2's Next: builds and optimises with that palette count, returns the size.
    std::function<std::int64_t(int paletteCount)> trial;
    // CWOpt3a's "Просмотр": plays the result.
    std::function<void()> play;
    // "Обзор...": the save dialog.
    std::function<std::optional<std::string>(const FileQuestion&)> browse;
    // Finish: writes the file; false keeps the wizard open (the failure was reported).
    std::function<bool(int paletteCount, const std::string& path)> finish;
};

class OptimisationWizard : public QWizard {
    Q_DECLARE_TR_FUNCTIONS(OptimisationWizard)
public:
    OptimisationWizard(OptimisationWizardModel model, OptimisationWizardTools tools,
                       QWidget* parent = nullptr);

    OptimisationWizardModel& model() { return model_; }
    const OptimisationWizardTools& tools() const { return tools_; }
    void setLastSize(std::int64_t bytes) { lastSize_ = bytes; }
    std::int64_t lastSize() const { return lastSize_; }

private:
    OptimisationWizardModel model_;
    OptimisationWizardTools tools_;
    std::int64_t lastSize_ = 0;
};

} // namespace lw
