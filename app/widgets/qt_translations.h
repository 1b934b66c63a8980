#pragma once
// The program speaks Russian, so Qt's own dialogs (files, fonts, colours, printing) and their
// buttons must too: Qt's Russian catalogue is loaded before the first window opens.

class QCoreApplication;

namespace lw {

// Installs Qt's Russian translations on `app`. Returns false (and the dialogs stay in English)
// when the catalogue is not installed.
bool installQtTranslations(QCoreApplication& app);

} // namespace lw
