#pragma once
// Window 209 "Установленные компоненты..." over ExtensionCatalogueModel: the loaded libraries by
// file name ("<no extensions>" when there are none), the selected one's description, and
// "Открыть папку с компонентами", which shows the extensions folder in the desktop's file
// manager.
#include "engine/extension_catalogue_model.h"

#include <QCoreApplication>
#include <QDialog>

#include <functional>

class QListWidget;
class QPlainTextEdit;
class QUrl;

namespace lw {

class InstalledComponentsDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(InstalledComponentsDialog)
public:
    InstalledComponentsDialog(const ExtensionHost& host, const std::string& folder,
                              QWidget* parent = nullptr);

    // Opens a folder's address; the desktop services unless replaced (tests).
    std::function<void(const QUrl& url)> openUrl;

    static void showCatalogue(const ExtensionHost& host, const std::string& folder, QWidget* parent);

private:
    void describe(int row);
    void openFolder();

    ExtensionCatalogueModel model_;
    QListWidget* components_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
};

} // namespace lw
