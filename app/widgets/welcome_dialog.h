#pragma once
// "Добро пожаловать в программу": the seven start choices as radio buttons over a WelcomeModel.
#include "app/editor/welcome_model.h"

#include <QDialog>

class QButtonGroup;

namespace lw {

class WelcomeDialog : public QDialog {
    Q_OBJECT
public:
    explicit WelcomeDialog(const WelcomeModel& model, QWidget* parent = nullptr);
    // The model with the choice the buttons show.
    WelcomeModel result() const;
    QButtonGroup* choices() const { return group_; }

private:
    WelcomeModel model_;
    QButtonGroup* group_ = nullptr;
};

} // namespace lw
