#include "app/editor/new_animation_wizard_model.h"

namespace lw {

NewAnimationWizardModel::NewAnimationWizardModel()
{
    show(WizardPage::Source);
}

const char* NewAnimationWizardModel::caption()
{
    return "New Animation Wizard";
}

const char* NewAnimationWizardModel::pageCaption(WizardPage page)
{
    switch (page) {
    case WizardPage::Source:
        return "Мастер анимации";
    case WizardPage::Size:
    case WizardPage::Pictures:
        return "Шаг 1";
    case WizardPage::Frames:
        return "Шаг 2";
    case WizardPage::Delay:
        return "Последний шаг";
    case WizardPage::Finish:
        return "Поздравляем!";
    }
    return "";
}

void NewAnimationWizardModel::show(WizardPage page)
{
    page_ = page;
    // The size and delay pages keep the buttons the page before them set.
    switch (page) {
    case WizardPage::Source:
        buttons_ = {false, true, false};
        break;
    case WizardPage::Pictures:
        buttons_ = {true, !pictures_.empty(), false};
        break;
    case WizardPage::Frames:
        buttons_ = {true, true, false};
        break;
    case WizardPage::Finish:
        buttons_ = {true, false, true};
        break;
    case WizardPage::Size:
    case WizardPage::Delay:
        break;
    }
}

std::optional<FieldRefusal> NewAnimationWizardModel::checkPage()
{
    int whole = 0;
    double decimal = 0;
    switch (page_) {
    case WizardPage::Size:
        if (auto refusal = checkWholeField(width, kMinSide, kMaxSide, kWidthField, &whole))
            return refusal;
        return checkWholeField(height, kMinSide, kMaxSide, kHeightField, &whole);
    case WizardPage::Pictures:
        return checkWholeField(scale, kMinScale, kMaxScale, kScaleField, &whole);
    case WizardPage::Frames:
        return checkWholeField(count, kMinCount, kMaxCount, kCountField, &whole);
    case WizardPage::Delay:
        return checkDecimalField(delay, kMinDelay, kMaxDelay, kDelayField, &decimal);
    case WizardPage::Source:
    case WizardPage::Finish:
        break;
    }
    return std::nullopt;
}

std::optional<FieldRefusal> NewAnimationWizardModel::next()
{
    if (!buttons_.next)
        return std::nullopt;
    if (auto refusal = checkPage())
        return refusal;
    const bool slideshow = source == WizardSource::Slideshow;
    switch (page_) {
    case WizardPage::Source:
        show(slideshow ? WizardPage::Pictures : WizardPage::Size);
        break;
    case WizardPage::Size:
        show(WizardPage::Frames);
        break;
    case WizardPage::Pictures:
    case WizardPage::Frames:
        show(WizardPage::Delay);
        break;
    case WizardPage::Delay:
        show(WizardPage::Finish);
        break;
    case WizardPage::Finish:
        break;
    }
    return std::nullopt;
}

std::optional<FieldRefusal> NewAnimationWizardModel::finish()
{
    if (!buttons_.finish)
        return FieldRefusal{-1, {}};
    return checkPage();
}

void NewAnimationWizardModel::back()
{
    if (!buttons_.back)
        return;
    switch (page_) {
    case WizardPage::Size:
    case WizardPage::Pictures:
        show(WizardPage::Source);
        break;
    case WizardPage::Frames:
        show(WizardPage::Size);
        break;
    case WizardPage::Delay:
        show(source == WizardSource::Slideshow ? WizardPage::Pictures : WizardPage::Frames);
        break;
    case WizardPage::Finish:
        show(WizardPage::Delay);
        break;
    case WizardPage::Source:
        break;
    }
}

void NewAnimationWizardModel::addPictures(const std::vector<std::string>& paths)
{
    pictures_.insert(pictures_.end(), paths.begin(), paths.end());
    if (page_ == WizardPage::Pictures)
        show(WizardPage::Pictures);
}

BlankAnimationRequest NewAnimationWizardModel::blankRequest() const
{
    BlankAnimationRequest request;
    request.width = parseWholeNumber(width).value_or(request.width);
    request.height = parseWholeNumber(height).value_or(request.height);
    request.count = parseWholeNumber(count).value_or(request.count);
    request.colour = colour;
    request.master = master;
    request.delay = DelayFromSeconds(parseDecimal(delay).value_or(1.0));
    return request;
}

PictureAnimationRequest NewAnimationWizardModel::pictureRequest() const
{
    PictureAnimationRequest request;
    request.paths = pictures_;
    request.delay = DelayFromSeconds(parseDecimal(delay).value_or(1.0));
    request.colour = colour;
    request.scale = parseWholeNumber(scale).value_or(100);
    return request;
}

FileQuestion imageDimensionsQuestion()
{
    return {"Import Image Dimensions",
            {{"Importable Files", "*.gif;*.bmp"},
             {"Compuserve GIF (*.gif)", "*.gif"},
             {"Windows Bitmap (*.bmp)", "*.bmp"}},
            {},
            {}};
}

FileQuestion importFramesQuestion()
{
    return {
        "Импорт кадров",
        {{"Importable Files", "*.gif;*.jpg"}, {"Compuserve GIF (*.gif)", "*.gif"}, {"JPEG (*.jpg)", "*.jpg"}},
        {},
        {}};
}

} // namespace lw
