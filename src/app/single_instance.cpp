#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int kAnswerMs = 5000;
constexpr char kTaken = '\1';

// $XDG_RUNTIME_DIR/veltrix, or a folder of the user's own in the temporary folder.
QString runtimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder = !runtime.isEmpty() && QDir::isAbsolutePath(runtime)
                               ? runtime + QStringLiteral("/veltrix")
                               : QDir::tempPath() + QStringLiteral("/veltrix-%1").arg(::getuid());
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}

// The edition and its job list: programs that keep another list (another
// XDG_STATE_HOME) do not disturb each other.
QString instanceName(const QString &editionBaseName, const QString &jobListPath)
{
    const QByteArray hash = QCryptographicHash::hash(jobListPath.toUtf8(), QCryptographicHash::Sha1).toHex();
    return editionBaseName + u'-' + QString::fromLatin1(hash.left(12));
}

// The files of one start, as the socket carries them.
QByteArray message(const QStringList &paths)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << paths;
    return bytes;
}

} // namespace

SingleInstance::SingleInstance(const QString &editionBaseName, const QString &jobListPath, QObject *parent)
    : QObject(parent),
      m_editionBaseName(editionBaseName)
{
    const QString base = runtimeFolder() + u'/' + instanceName(editionBaseName, jobListPath);
    m_lockPath = base + QStringLiteral(".lock");
    m_socketPath = base + QStringLiteral(".socket");
}

SingleInstance::~SingleInstance()
{
    if (m_lock >= 0)
        ::close(m_lock);
}

SingleInstance::Claim SingleInstance::claim(const QStringList &paths)
{
    m_lock = ::open(QFile::encodeName(m_lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Where no lock can be made (no writable runtime folder), the program runs on its own, as it always did.
    if (m_lock < 0 || ::flock(m_lock, LOCK_EX | LOCK_NB) == 0) {
        listen();
        return Claim::First;
    }
    ::close(std::exchange(m_lock, -1));
    // The lock is held, so its program lives; it listens a moment after it took the lock.
    const QDeadlineTimer deadline(kAnswerMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime())) || deadline.hasExpired())
            break;
        QThread::msleep(50);
    }
    if (socket.state() == QLocalSocket::ConnectedState) {
        socket.write(message(paths));
        socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
        while (socket.bytesAvailable() == 0 && !deadline.hasExpired()
               && socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {}
        if (socket.read(1) == QByteArray(1, kTaken))
            return Claim::HandedOver;
    }
    m_what = QStringLiteral("%1 is already running, but it did not answer within %2 seconds, so it was not given "
                            "the files and no second window opens: two would overwrite each other's job list.\n"
                            "Switch to the window that is open. If it does not react, end it (or wait until it "
                            "does), then start the program again.")
                 .arg(m_editionBaseName)
                 .arg(kAnswerMs / 1000);
    return Claim::NoAnswer;
}

void SingleInstance::listen()
{
    if (m_lock < 0)
        return;
    // A socket left by a program that was killed: the lock is ours, so no one answers on it.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    if (!m_server->listen(m_socketPath))
        return;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                QDataStream in(socket);
                in.startTransaction();
                QStringList paths;
                in >> paths;
                if (!in.commitTransaction())
                    return;
                socket->write(QByteArray(1, kTaken));
                socket->disconnectFromServer();
                // Adding runs an event loop of its own: not inside the socket's signal.
                QTimer::singleShot(0, this, [this, paths] { deliver(paths); });
            });
        }
    });
}

void SingleInstance::setReceiver(std::function<void(const QStringList &)> receive)
{
    m_receive = std::move(receive);
    QTimer::singleShot(0, this, [this] {
        for (const QStringList &paths : std::exchange(m_waiting, {}))
            m_receive(paths);
    });
}

void SingleInstance::deliver(const QStringList &paths)
{
    if (m_receive)
        m_receive(paths);
    else
        m_waiting << paths;
}
