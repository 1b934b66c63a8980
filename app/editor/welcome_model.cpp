#include "app/editor/welcome_model.h"

#include <QtGlobal>

namespace lw {

const char* welcomeChoiceText(WelcomeChoice choice)
{
    switch (choice) {
    case WelcomeChoice::Blank:
        return QT_TRANSLATE_NOOP("Welcome", "Пустой бланк");
    case WelcomeChoice::Wizard:
        return QT_TRANSLATE_NOOP("Welcome", "Мастер анимации");
    case WelcomeChoice::OpenDialog:
        return QT_TRANSLATE_NOOP("Welcome", "Готовую анимацию");
    case WelcomeChoice::LastDocument:
        return QT_TRANSLATE_NOOP("Welcome", "Последний документ");
    case WelcomeChoice::Example:
        return QT_TRANSLATE_NOOP("Welcome", "Примеры");
    case WelcomeChoice::Tutorial:
        return QT_TRANSLATE_NOOP("Welcome", "Обучение \"шаг за шагом\"");
    case WelcomeChoice::Help:
        return QT_TRANSLATE_NOOP("Welcome", "Открыть Справку ");
    }
    return "";
}

} // namespace lw
