#pragma once
// One running instance per user: the first start listens on a local server; a later start finds
// it, asks it to raise its main window and ends without showing anything.
#include <QObject>
#include <QString>

class QLocalServer;

namespace varnel {

inline constexpr const char* kInstanceName = "Varnel_KihonMutex";

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(const QString& name = QString::fromLatin1(kInstanceName),
                          QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when another instance answered (it has been asked to come to the front); false when
  // this process is now the one instance.
  bool AnotherIsRunning();

 signals:
  void RaiseRequested();

 private:
  QString name_;
  QLocalServer* server_ = nullptr;
};

}  // namespace varnel
