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
    /// Starts on a sans font of 13 pixels: Arial where it is installed, else the closest installed one, under
    /// its real name.
    explicit FontChoice(UserPrompts& prompts);

    /// Opens the dialog; the confirmed font, which is also the next starting font, or nothing on Cancel.
    std::optional<QFont> choose();
    const QFont& startingFont() const { return m_font; }

private:
    UserPrompts& m_prompts;
    QFont m_font;
};

} // namespace norvane::ui
