#pragma once
// EdgeAmountsDialog: its fields show EdgeAmountsModel, OK hands the typed texts back to it.
#include "app/editor/edge_amounts_model.h"
#include "app/widgets/checked_dialog.h"

class QLabel;

namespace lw {

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

} // namespace lw
