#pragma once
// "Metafile Raster" over MetafileRasterModel: typing in one size field fills in the other.
#include "app/editor/metafile_raster_model.h"
#include "app/widgets/checked_dialog.h"

class QCheckBox;

namespace lw {

class MetafileRasterDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(MetafileRasterDialog)
public:
    MetafileRasterDialog(const MetafileRasterQuestion& question, QWidget* parent = nullptr);

    std::optional<MetafileRasterAnswer> answer() const { return answer_; }
    static std::optional<MetafileRasterAnswer> ask(QWidget* parent, const MetafileRasterQuestion& question);

protected:
    std::optional<FieldRefusal> commit() override;

private:
    MetafileRasterModel model_;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QCheckBox* remember_ = nullptr;
    std::optional<MetafileRasterAnswer> answer_;
};

} // namespace lw
