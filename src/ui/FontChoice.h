#pragma once

#include <QFont>
#include <optional>

namespace norvane::ui {

class UserPrompts;

/// The font dialog of the file and font pages (`FontDialog1`). It opens on the font last confirmed in it, so
/// a user looking through the installed fonts goes on where they left off; Cancel keeps the starting font.
class FontChoice
{
public:
    explicit FontChoice(UserPrompts& prompts) : m_prompts(prompts) {}

    /// Opens the dialog; the confirmed font, which is also the next starting font, or nothing on Cancel.
    std::optional<QFont> choose();
    const QFont& startingFont() const { return m_font; }

private:
    UserPrompts& m_prompts;
    QFont m_font;
};

} // namespace norvane::ui
