#include "app/editor/quick_animation_model.h"

#include <QFileInfo>
#include <algorithm>

namespace lw {

const char* QuickAnimationModel::caption()
{
    return "Быстрая анимация";
}

void QuickAnimationModel::addPictures(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) {
        QuickAnimationItem item{QFileInfo(QString::fromStdString(path)).fileName(), path};
        auto at = items_.end();
        if (sort)
            at = std::upper_bound(items_.begin(), items_.end(), item, [](const auto& a, const auto& b) {
                return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
            });
        items_.insert(at, std::move(item));
    }
}

std::optional<FieldRefusal> QuickAnimationModel::check() const
{
    double seconds = 0;
    return checkDecimalField(delay, kMinDelay, kMaxDelay, 0, &seconds);
}

PictureAnimationRequest QuickAnimationModel::request() const
{
    PictureAnimationRequest request;
    for (const auto& item : items_)
        request.paths.push_back(item.path);
    request.delay = DelayFromSeconds(parseDecimal(delay).value_or(1.0));
    return request;
}

} // namespace lw
