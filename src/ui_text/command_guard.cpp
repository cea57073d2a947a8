#include "ui_text/command_guard.h"

#include "ui_text/prompts.h"

#include <exception>

void runGuarded(Prompts &prompts, const std::function<void()> &command)
{
    try {
        command();
    } catch (const std::exception &error) {
        prompts.warning(QString::fromLocal8Bit(error.what()));
    }
}
