#include "app/widgets/qt_editing_questions.h"

#include "app/widgets/editing_dialogs.h"
#include "app/widgets/qt_ui_port.h"

#include <QFileDialog>
#include <QStringList>

namespace lw {

std::optional<MasterFramesAnswer> QtEditingQuestions::askMasterFrames()
{
    return runDialog<MasterFramesDialog>(parent());
}

std::optional<FrameDelayAnswer> QtEditingQuestions::askFrameDelay(int delayHundredths)
{
    return runDialog<FrameDelayDialog>(parent(), delayHundredths);
}

std::optional<int> QtEditingQuestions::askLoopCount(int loopCount)
{
    return runDialog<LoopCountDialog>(parent(), loopCount);
}

std::optional<CanvasSize> QtEditingQuestions::askCanvasSettings(CanvasSize size)
{
    return runDialog<CanvasSettingsDialog>(parent(), size);
}

std::optional<EdgeAmounts> QtEditingQuestions::askEdgeAmounts(CanvasSize size)
{
    return runDialog<EdgeAmountsDialog>(parent(), size);
}

std::optional<CanvasSize> QtEditingQuestions::askImageSize(CanvasSize layer)
{
    return runDialog<ImageSizeDialog>(parent(), layer);
}

std::optional<AlignSettings> QtEditingQuestions::askAlign(AlignSettings start, bool forceFrame)
{
    return runDialog<AlignDialog>(parent(), start, forceFrame);
}

std::optional<MoveToAnswer> QtEditingQuestions::askMoveTo(MoveToAnswer start)
{
    return runDialog<MoveToDialog>(parent(), start);
}

std::optional<DuplicateSettings> QtEditingQuestions::askDuplicate(DuplicateSettings start)
{
    return runDialog<DuplicateDialog>(parent(), start);
}

std::optional<std::vector<bool>> QtEditingQuestions::askCloneFrames(std::vector<CloneFrameItem> items)
{
    return runDialog<CloneFramesDialog>(parent(), std::move(items));
}

std::vector<std::string> QtEditingQuestions::askOpenPaths(const FileQuestion& question)
{
    QStringList filters;
    for (const auto& [name, patterns] : question.filters)
        filters << QString::fromStdString(name) + QStringLiteral(" (") +
                       QString::fromStdString(patterns).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                       QLatin1Char(')');
    const QStringList chosen = QFileDialog::getOpenFileNames(parent(), QString::fromStdString(question.title),
                                                             {}, filters.join(QStringLiteral(";;")));
    std::vector<std::string> paths;
    for (const QString& path : chosen)
        paths.push_back(path.toStdString());
    return paths;
}

} // namespace lw
