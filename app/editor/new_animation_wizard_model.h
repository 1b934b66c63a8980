#pragma once
// The New Animation Wizard without its window: the six pages in order, which page Next and Back
// lead to, the buttons each page sets, the fields with their ranges, and the request it finishes
// with. The fields keep the text the user typed; Next checks the page's fields first.
#include "app/editor/editor_questions.h"
#include "app/editor/number_field.h"

#include "model/animation_builders.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lw {

// In the order of the sheet (CWNew1, CWNew2, CWNew5, CWNew3, CWNewE, CWNew4).
enum class WizardPage { Source, Size, Pictures, Frames, Delay, Finish };
inline constexpr int kWizardPageCount = 6;

enum class WizardSource { Blank = 0, Slideshow = 1 };

struct WizardButtons {
    bool back = false;
    bool next = false;
    bool finish = false;
    bool operator==(const WizardButtons&) const = default;
};

// Field indexes of FieldRefusal, one per checked field.
enum WizardField { kWidthField, kHeightField, kScaleField, kCountField, kDelayField };

class NewAnimationWizardModel {
public:
    NewAnimationWizardModel();

    static const char* caption(); // "New Animation Wizard"
    static const char* pageCaption(WizardPage page);

    WizardPage page() const { return page_; }
    const WizardButtons& buttons() const { return buttons_; }

    // Next: the page's fields are checked (a refusal keeps the page), then the next page shows.
    std::optional<FieldRefusal> next();
    // Finish (shown on the last page, and kept by the delay page when Back leads there from it):
    // the page's fields are checked; nothing means the sheet may end.
    std::optional<FieldRefusal> finish();
    // Back to the page before on the path taken; nothing on the first page.
    void back();

    // The slideshow page's list; adding pictures may enable Next.
    void addPictures(const std::vector<std::string>& paths);
    const std::vector<std::string>& pictures() const { return pictures_; }

    // The request Finish builds; only meaningful once the fields passed their pages.
    BlankAnimationRequest blankRequest() const;
    PictureAnimationRequest pictureRequest() const;

    WizardSource source = WizardSource::Blank;
    QString width = QStringLiteral("468");
    QString height = QStringLiteral("60");
    QString scale = QStringLiteral("100");
    QString count = QStringLiteral("1");
    std::uint32_t colour = 0x00FFFFFF; // 0x00BBGGRR
    bool master = true;
    QString delay = QStringLiteral("1.0");

    // The ranges of the fields.
    static constexpr int kMinSide = 1, kMaxSide = 1000;
    static constexpr int kMinScale = 1, kMaxScale = 100;
    static constexpr int kMinCount = 1, kMaxCount = 200;
    static constexpr double kMinDelay = 0.01, kMaxDelay = 655;

private:
    void show(WizardPage page);
    std::optional<FieldRefusal> checkPage();

    WizardPage page_ = WizardPage::Source;
    WizardButtons buttons_;
    std::vector<std::string> pictures_;
};

// "Import Image Dimensions" (GIF and BMP) and the multi-select "Импорт кадров" (GIF and JPEG).
FileQuestion imageDimensionsQuestion();
FileQuestion importFramesQuestion();

} // namespace lw
