#pragma once
// One running program per edition and user (and job list): two would
// overwrite each other's job list. The first start holds a lock (flock on a
// file in $XDG_RUNTIME_DIR/veltrix, which the system drops with the process,
// however it ends) and listens on a local socket beside it; a later start
// of the same edition hands its command line's files to it and exits. Other
// editions are programs of their own.

#include <QObject>
#include <QStringList>
#include <functional>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        First,      // this program is the edition's running one
        HandedOver, // the running one took the files
        NoAnswer,   // the running one did not answer; what() says so
    };

    // `jobListPath` is the job list the program would keep.
    SingleInstance(const QString &editionBaseName, const QString &jobListPath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Takes the edition's place, or hands `paths` (absolute) to the program
    // that holds it, waiting a few seconds at most for its answer.
    Claim claim(const QStringList &paths);
    // Why the files could not be handed over, for the user.
    QString what() const { return m_what; }

    // Where the first program takes the files that later starts hand over
    // (an empty list: a start without files); those that came before wait
    // and follow once the event loop runs.
    void setReceiver(std::function<void(const QStringList &)> receive);

private:
    void listen();
    void deliver(const QStringList &paths);

    QString m_editionBaseName;
    QString m_lockPath;
    QString m_socketPath;
    int m_lock = -1;
    QLocalServer *m_server = nullptr;
    std::function<void(const QStringList &)> m_receive;
    QList<QStringList> m_waiting;
    QString m_what;
};
