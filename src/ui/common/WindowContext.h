#pragma once

namespace tolvex
{

class LanguageState;
class WindowDirectory;

// What the window directory hands to every window it creates.
struct WindowContext {
    WindowDirectory& windows;
    LanguageState& language;
};

} // namespace tolvex
