#include "FontChoice.h"

#include "UserPrompts.h"

namespace norvane::ui {

std::optional<QFont> FontChoice::choose()
{
    std::optional<QFont> chosen = m_prompts.chooseFont(m_font);
    if (chosen)
        m_font = *chosen;
    return chosen;
}

} // namespace norvane::ui
