#pragma once
// The codec choice of the AVI export: the encoders the AVI container takes, uncompressed first.
#include "output/avi_export.h"

#include <QCoreApplication>
#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QListWidget;
class QProgressDialog;

namespace lw {

class AviCodecDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(AviCodecDialog)
public:
    AviCodecDialog(const std::vector<AviCodec>& codecs, QWidget* parent = nullptr);
    // The chosen encoder's name, nothing while none is chosen.
    std::optional<std::string> chosen() const;

    static std::optional<std::string> ask(QWidget* parent, const std::vector<AviCodec>& codecs);

private:
    std::vector<AviCodec> codecs_;
    QListWidget* list_ = nullptr;
};

// The export's progress window: the writer reports to it, and its Cancel stops the writer.
class AviProgressWindow {
    Q_DECLARE_TR_FUNCTIONS(AviProgressWindow)
public:
    explicit AviProgressWindow(QWidget* parent);
    ~AviProgressWindow();
    AviProgress callback();
    QProgressDialog& dialog() { return *dialog_; }

private:
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace lw
