#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>
#include <QCoreApplication>

#include "app/InstanceBlock.h"
#include "platform/NamedSemaphore.h"
#include "platform/Error.h"

namespace tarvela {

namespace {

constexpr std::chrono::seconds answerTimeout(10);
const QByteArray kHandOverMessage = "1324\n";
int guardCount = 0;

std::string semaphoreName(const QString& baseName)
{
    return perUserObjectName(baseName.toStdString() + "Sem");
}

// Releases the semaphore taken when it goes out of scope, unless the hold
// was handed on: the block must never stay taken after a failure.
class SemaphoreHold {
public:
    explicit SemaphoreHold(NamedSemaphore* semaphore) : semaphore_(semaphore) {}
    ~SemaphoreHold()
    {
        if (semaphore_ != nullptr)
            semaphore_->release();
    }
    SemaphoreHold(const SemaphoreHold&) = delete;
    SemaphoreHold& operator=(const SemaphoreHold&) = delete;
    void keep() { semaphore_ = nullptr; }

private:
    NamedSemaphore* semaphore_;
};

} // namespace

SingleInstance::SingleInstance(QString baseName, QObject* parent)
    : QObject(parent), baseName_(std::move(baseName))
{
    if (guardCount > 0)
        throw Error("Drop only one of these components on your form !");
    ++guardCount;
}

SingleInstance::~SingleInstance()
{
    --guardCount;
    if (block_ != nullptr && isFirstCopy() && block_->owner() == static_cast<std::uint32_t>(QCoreApplication::applicationPid())) {
        block_->removeName();
        if (semaphore_ != nullptr)
            semaphore_->removeName();
    }
}

QString SingleInstance::serverName(const QString& baseName, std::uint32_t processId)
{
    return QString("%1.%2.%3").arg(baseName).arg(getuid()).arg(processId);
}

bool SingleInstance::start(const QStringList& parameters)
{
    block_ = InstanceBlock::openOrCreate(perUserObjectName(baseName_.toStdString()));
    if (block_ == nullptr)
        return false;
    if (!block_->existed()) {
        becomeFirstCopy(true);
        return false;
    }
    if (handOver(parameters)) {
        semaphore_.reset();
        block_.reset();
        return true;
    }
    becomeFirstCopy(false);
    return false;
}

void SingleInstance::becomeFirstCopy(bool freshSemaphore)
{
    const auto processId = static_cast<std::uint32_t>(QCoreApplication::applicationPid());
    server_ = new QLocalServer(this);
    const QString name = serverName(baseName_, processId);
    QLocalServer::removeServer(name);
    server_->listen(name);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    semaphore_ = NamedSemaphore::create(semaphoreName(baseName_), freshSemaphore);
    if (semaphore_ == nullptr)
        throw Error("Unable to create semaphore");
    block_->setOwner(processId);
    semaphore_->release();
}

bool SingleInstance::handOver(const QStringList& parameters)
{
    semaphore_ = NamedSemaphore::openExisting(semaphoreName(baseName_));
    if (semaphore_ == nullptr || !semaphore_->wait(answerTimeout))
        return false;
    // Whatever happens from here, the semaphore is free again afterwards:
    // either the running copy released it after reading and we took it
    // once more, or we give back what we took.
    SemaphoreHold hold(semaphore_.get());
    std::vector<std::string> values;
    for (const QString& parameter : parameters)
        values.push_back(parameter.toStdString());
    block_->writeParameters(values);
    // A copy that ended without removing its block cannot answer; waiting
    // for it would only delay this start.
    if (!notifyRunningCopy() || !semaphore_->wait(answerTimeout))
        return false;
    return true;
}

bool SingleInstance::notifyRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(serverName(baseName_, block_->owner()));
    if (!socket.waitForConnected(std::chrono::milliseconds(answerTimeout).count()))
        return false;
    socket.write(kHandOverMessage);
    const bool written = socket.waitForBytesWritten(std::chrono::milliseconds(answerTimeout).count());
    socket.disconnectFromServer();
    return written;
}

// Only the hand-over message counts; anything else that connects under our
// name is read, found wanting and dropped without touching the block.
void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(*socket); });
        readMessage(*socket);
    }
}

void SingleInstance::readMessage(QLocalSocket& socket)
{
    if (socket.bytesAvailable() < kHandOverMessage.size())
        return;
    const bool isHandOver = socket.read(kHandOverMessage.size()) == kHandOverMessage;
    socket.disconnect(this);
    socket.abort();
    if (isHandOver)
        receiveHandOver();
}

void SingleInstance::receiveHandOver()
{
    SemaphoreHold hold(semaphore_.get());
    QStringList parameters;
    for (const std::string& value : block_->readParameters())
        parameters << QString::fromStdString(value);
    if (ShowOnNewInstance && window_ != nullptr) {
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->show();
        window_->raise();
        window_->activateWindow();
    }
    if (OnInstanceStarted)
        OnInstanceStarted(parameters);
}

} // namespace tarvela
