#include "app/widgets/qt_editor_questions.h"

#include "app/widgets/welcome_dialog.h"

#include <QFileDialog>
#include <QStringList>

namespace lw {
namespace {

// "Name (*.a *.b)" lines for QFileDialog; the pattern lists keep their names.
QStringList filterLines(const FileQuestion& question)
{
    QStringList lines;
    for (const auto& [name, patterns] : question.filters) {
        QString list = QString::fromStdString(patterns);
        list.replace(';', ' ');
        lines << QStringLiteral("%1 (%2)").arg(QString::fromStdString(name), list);
    }
    return lines;
}

} // namespace

QtEditorQuestions::QtEditorQuestions(std::function<QWidget*()> parent, std::function<void()> beforeModal)
    : parent_(std::move(parent)), beforeModal_(std::move(beforeModal))
{
}

std::optional<std::string> QtEditorQuestions::askOpenPath(const FileQuestion& question)
{
    if (beforeModal_)
        beforeModal_();
    QFileDialog dialog(parent_(), QString::fromStdString(question.title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filterLines(question));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::vector<std::string> QtEditorQuestions::askOpenPaths(const FileQuestion& question)
{
    if (beforeModal_)
        beforeModal_();
    QFileDialog dialog(parent_(), QString::fromStdString(question.title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(filterLines(question));
    std::vector<std::string> paths;
    if (dialog.exec() == QDialog::Accepted)
        for (const QString& file : dialog.selectedFiles())
            paths.push_back(file.toStdString());
    return paths;
}

std::optional<std::string> QtEditorQuestions::askSavePath(const FileQuestion& question)
{
    auto choice = askSaveChoice(question);
    if (!choice)
        return std::nullopt;
    return std::move(choice->path);
}

std::optional<SaveChoice> QtEditorQuestions::askSaveChoice(const FileQuestion& question)
{
    if (beforeModal_)
        beforeModal_();
    QFileDialog dialog(parent_(), QString::fromStdString(question.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters = filterLines(question);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(question.defaultExtension));
    dialog.selectFile(QString::fromStdString(question.defaultName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveChoice{dialog.selectedFiles().front().toStdString(),
                      static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
}

std::optional<WelcomeChoice> QtEditorQuestions::askWelcome(const WelcomeModel& model)
{
    if (beforeModal_)
        beforeModal_();
    WelcomeDialog dialog(model, parent_());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.result().choice;
}

} // namespace lw
