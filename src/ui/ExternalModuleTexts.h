#pragma once

namespace norvane::ui {

/// The English texts of the external module group's questions, captions and messages, one place each.
inline constexpr const char* kEnableSetupCaption = "Enable Setup";
inline constexpr const char* kExitSetupCaption = "Exit Setup";
inline constexpr const char* kEnterModuleModeQuestion =
    "The COM port will be set to 115200,N,8,1 and\r\nenter the external module setting mode.";
inline constexpr const char* kSetupModuleQuestion = "Do you want to setup the module?";
inline constexpr const char* kNoExternalModuleMessage = "Can't find external module!";
inline constexpr const char* kUnsendableModuleTextMessage =
    "%1 can be at most 31 characters long and cannot hold control characters.";

} // namespace norvane::ui
