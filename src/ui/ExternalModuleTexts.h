#pragma once

namespace norvane::ui {

/// The language table's rows of the external module group's button captions and questions.
inline constexpr int kEnableSetupRow = 146;
inline constexpr int kExitSetupRow = 147;
inline constexpr int kEnterModuleModeRow = 262;
inline constexpr int kSetupModuleRow = 263;

/// The group's messages that have no row, in English whatever the language.
inline constexpr const char* kNoExternalModuleMessage = "Can't find external module!";
inline constexpr const char* kUnsendableModuleTextMessage =
    "%1 can be at most 31 characters long and cannot hold control characters.";

} // namespace norvane::ui
