#pragma once
// "Мастер кадров": how many empty frames follow a new master frame, and their delay.
#include "app/editor/dialog_result.h"

namespace lw {

// "Мастер кадров": how many empty frames to add behind a new master, and their delay.
struct MasterFramesAnswer {
    int count = 1;
    int delayHundredths = 100;
};
class MasterFramesModel {
public:
    static constexpr int kMaxCount = 1000;
    QString count = QStringLiteral("1");
    QString seconds = QStringLiteral("1");
    DialogResult<MasterFramesAnswer> accept() const;
};

} // namespace lw
