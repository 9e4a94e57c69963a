#pragma once

#include <QString>

#include <functional>

namespace app {

// Shows a modal message: the text, an OK button only, no icon, the title "Flebika". Returns once
// the user has closed it.
void message(const QString &text);

// Replaces the message box (tests record the texts instead of blocking); an empty hook restores it.
void setMessageHook(std::function<void(const QString &)> hook);

} // namespace app
