#pragma once
// A preview engine that plays nothing: it records the calls it gets and lets
// the test report positions and the end of playback, as the player would.

#include "platform/preview/preview_engine.h"

#include <QStringList>

class FakePreviewEngine : public PreviewEngine {
public:
    bool InitPreviewWindow(quintptr window, qint32 width, qint32 height) override
    {
        calls << QStringLiteral("Init %1x%2").arg(width).arg(height);
        this->window = window;
        return !initFails;
    }
    QString windowSystemProblem() const override { return {}; }
    QString errorText() const override { return QStringLiteral("no player here"); }
    void SetEventFuntion(PreviewEvents e) override
    {
        calls << QStringLiteral("SetEventFuntion");
        events = std::move(e);
    }
    void Seek(qint32 seconds) override { calls << QStringLiteral("Seek %1").arg(seconds); }
    void Play(const PreviewSource &source) override { calls << QStringLiteral("Play ") + source.path; }
    std::optional<double> position() const override { return reported; }
    void Pause() override { calls << QStringLiteral("Pause"); }
    void Stop() override { calls << QStringLiteral("Stop"); }
    void DestroyPreviewWindow() override { calls << QStringLiteral("Destroy"); }

    void reportPosition(double seconds)
    {
        reported = seconds;
        events.position(seconds);
    }
    void reportEnd(PreviewEnd end) { events.ended(end); }

    QStringList calls;
    quintptr window = 0;
    bool initFails = false;
    std::optional<double> reported;
    PreviewEvents events;
};
