#include "app/editor/optimisation_wizard_model.h"

#include <QCoreApplication>

namespace lw {

OptimisationWizardModel::OptimisationWizardModel(int colourCount, std::int32_t sourceFileSize,
                                                 std::string defaultName)
    : colours_(GifSaveQuestion{colourCount, true, 0}), sourceFileSize_(sourceFileSize),
      fileName_(std::move(defaultName))
{
    // Unlike the settings dialog, exactly 256 colours keep the whole palette.
    colours_.setReduce(colourCount > 256);
}

QString OptimisationWizardModel::sizeReport(std::int64_t newSize) const
{
    const std::int64_t source = sourceFileSize_;
    if (source < newSize)
        return QCoreApplication::translate("OptimisationWizard", "Уменьшено: %1  байт").arg(newSize);
    const double saved =
        source == 0 ? 0.0 : 100.0 - static_cast<double>(newSize) * 100.0 / static_cast<double>(source);
    return QCoreApplication::translate("OptimisationWizard",
                                       "Новый размер кадра:  %1  байт\nОригинальный файл:  %2  "
                                       "байт\nУрезано: %3  байт (%4%)")
        .arg(newSize)
        .arg(source)
        .arg(source - newSize)
        .arg(saved, 0, 'f', 1);
}

FileQuestion OptimisationWizardModel::browseQuestion() const
{
    FileQuestion question;
    question.title = QCoreApplication::translate("OptimisationWizard", "Сохранить как    ").toStdString();
    question.filters = {{"Compuserve GIF", "*.gif"}};
    question.defaultName = fileName_;
    question.defaultExtension = "gif";
    return question;
}

} // namespace lw
