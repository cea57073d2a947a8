#pragma once
// The signals by which the system ends the program: SIGTERM (a shutdown, a
// logout), SIGHUP (the terminal closed) and SIGINT (Ctrl+C). The handler
// only writes the signal's number into a pipe; a socket notifier on the
// pipe's other end hands it to the main thread, where the program ends in
// order. Signals that follow (a logout sends SIGTERM and SIGHUP together)
// change nothing; SIGKILL still ends the program at once.

#include <QObject>
#include <functional>

class QSocketNotifier;

class EndSignals : public QObject {
    Q_OBJECT
public:
    // `end` runs on the main thread with the signal's number. One object
    // per program.
    explicit EndSignals(std::function<void(int signal)> end, QObject *parent = nullptr);
    // The signals take their default effect again.
    ~EndSignals() override;

private:
    void received();

    std::function<void(int)> m_end;
    QSocketNotifier *m_notifier = nullptr;
    bool m_ending = false;
};
