#pragma once
// The general error report: a command that raises an error is abandoned and
// the error's text is shown in a warning box; the window stays usable.

#include <functional>

class Prompts;

void runGuarded(Prompts &prompts, const std::function<void()> &command);
