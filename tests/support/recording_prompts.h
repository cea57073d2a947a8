#pragma once
// Prompts for tests: records every box and dialog instead of showing it,
// answers questions with a preset answer, the file-open dialog with the next
// prepared list of files and the folder chooser with a prepared folder.

#include "ui_text/prompts.h"

#include <deque>
#include <vector>

namespace veltrix::test {

class RecordingPrompts : public Prompts {
public:
    enum class Kind { Warning, Information, Question, OpenFiles, ChooseFolder };
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
    // Records the filter and the opening folder; the next prepared list, or none (cancelled).
    QStringList openFiles(const QString &filter, const QString &folder) override
    {
        shown.push_back({Kind::OpenFiles, filter});
        openedAt = folder;
        if (fileAnswers.empty())
            return {};
        QStringList files = fileAnswers.front();
        fileAnswers.pop_front();
        return files;
    }
    // The prepared file to save to (empty: cancelled).
    QString saveFile(const QString &, const QString &) override { return saveAnswer; }
    // Records the caption; the prepared folder (empty: cancelled).
    QString chooseFolder(const QString &caption, const QString &startFolder) override
    {
        shown.push_back({Kind::ChooseFolder, caption});
        openedAt = startFolder;
        return folderAnswer;
    }

    // Records the progress texts; cancels once `cancelProgressAt` files are done.
    std::unique_ptr<ProgressPrompt> progress(std::function<void()> cancel) override
    {
        struct Recording : ProgressPrompt {
            RecordingPrompts &prompts;
            std::function<void()> cancel;
            Recording(RecordingPrompts &prompts, std::function<void()> cancel)
                : prompts(prompts),
                  cancel(std::move(cancel))
            {}
            void setProgress(const QString &text, int done, int) override
            {
                prompts.progressTexts << text;
                if (prompts.cancelProgressAt >= 0 && done >= prompts.cancelProgressAt)
                    cancel();
            }
        };
        return std::make_unique<Recording>(*this, std::move(cancel));
    }

    // Only the message boxes, in order.
    std::vector<Shown> boxes() const
    {
        std::vector<Shown> result;
        for (const Shown &s : shown)
            if (s.kind != Kind::OpenFiles && s.kind != Kind::ChooseFolder)
                result.push_back(s);
        return result;
    }

    std::vector<Shown> shown;
    bool answerYes = true;
    std::deque<QStringList> fileAnswers;
    QString saveAnswer;
    QString folderAnswer;
    QString openedAt; // where the last file-open dialog or folder chooser opened
    QStringList progressTexts;
    int cancelProgressAt = -1; // never
};

} // namespace veltrix::test
