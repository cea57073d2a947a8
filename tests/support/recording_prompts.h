#pragma once
// Prompts for tests: records every box instead of showing it and answers
// questions with a preset answer.

#include "app/prompts.h"

#include <vector>

namespace veltrix::test {

class RecordingPrompts : public Prompts {
public:
    enum class Kind { Warning, Information, Question };
    struct Shown {
        Kind kind;
        QString text;
    };

    void warning(const QString &text) override { shown.push_back({Kind::Warning, text}); }
    void information(const QString &text) override { shown.push_back({Kind::Information, text}); }
    bool question(const QString &text) override
    {
        shown.push_back({Kind::Question, text});
        return answerYes;
    }

    std::vector<Shown> shown;
    bool answerYes = true;
};

} // namespace veltrix::test
