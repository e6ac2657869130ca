// Keeps one copy of the program per user. The first copy owns the shared
// block and listens for hand-overs; a later copy writes its parameters into
// the block, tells the first copy, waits until it has read them and then ends
// without a window. Every wait is bounded by 10 seconds; a copy that gets no
// answer runs as a first copy. Only one guard may exist in a program.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QWidget;

namespace tarvela {

class InstanceBlock;
class NamedSemaphore;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // baseName: the executable's file name, which names the block.
    explicit SingleInstance(QString baseName, QObject* parent = nullptr);
    ~SingleInstance() override;

    bool ShowOnNewInstance = true;
    // Receives the parameters a later copy handed over.
    std::function<void(const QStringList&)> OnInstanceStarted;
    // The window restored and raised on a hand-over.
    void setMainWindow(QWidget* window) { window_ = window; }

    // Decides between first and later copy; true when this copy handed its
    // parameters over and must end without showing a window.
    bool start(const QStringList& parameters);
    bool isFirstCopy() const { return server_ != nullptr; }

    static QString serverName(const QString& baseName, std::uint32_t processId);

private:
    void becomeFirstCopy(bool freshSemaphore);
    bool handOver(const QStringList& parameters);
    bool notifyRunningCopy();
    void acceptConnections();
    void readMessage(QLocalSocket& socket);
    void receiveHandOver();

    QString baseName_;
    std::unique_ptr<InstanceBlock> block_;
    std::unique_ptr<NamedSemaphore> semaphore_;
    QLocalServer* server_ = nullptr;
    QPointer<QWidget> window_;
};

} // namespace tarvela
