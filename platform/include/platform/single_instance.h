#pragma once
// One running copy per user. The first start holds a lock file in the
// runtime folder and listens on a local socket beside it; a later start
// finds the lock held, asks the running copy to come to the front, and ends.
//   first start:           Claim() -> true  (lock held; Listen() after QApplication)
//   second start:          Claim() -> false; NotifyRunning() -> true, the
//                          first copy emits RaiseRequested()
//   after kill -9 of the first: Claim() -> true (a lock whose process has
//                          gone is stale and taken over)
//   runtime folder unusable: Claim() -> true (never keep the user out)
// The request travels over a plain Unix socket watched by a QSocketNotifier:
// QtNetwork would cost more start-up time than the rest of the guard.
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;

namespace spanwright::platform {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // folder: where the lock and the socket live; empty is the user's runtime folder.
    explicit SingleInstance(const QString& folder = {});
    ~SingleInstance() override;

    bool Claim();
    // Tells the running copy to raise its window.
    bool NotifyRunning();
    // Starts taking raise requests (in the event loop of the QApplication).
    void Listen();

    QString LockPath() const;
    QString SocketPath() const;

signals:
    void RaiseRequested();

private:
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace spanwright::platform
