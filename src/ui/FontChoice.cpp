#include "FontChoice.h"

#include "UserPrompts.h"

#include <QFontInfo>

namespace norvane::ui {

namespace {
constexpr int kStartingPixels = 13;
}

FontChoice::FontChoice(UserPrompts& prompts) : m_prompts(prompts)
{
    m_font = QFont(QStringLiteral("Arial"));
    m_font.setStyleHint(QFont::SansSerif);
    m_font.setPixelSize(kStartingPixels);
    m_font.setFamily(QFontInfo(m_font).family());
}

std::optional<QFont> FontChoice::choose()
{
    std::optional<QFont> chosen = m_prompts.chooseFont(m_font);
    if (chosen)
        m_font = *chosen;
    return chosen;
}

} // namespace norvane::ui
