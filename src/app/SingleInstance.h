#pragma once

#include <QLockFile>
#include <QObject>
#include <memory>

class QLocalServer;
class QWidget;

namespace zedur {

// One running program per executable name (the same name in two folders is the same
// program; two copies under different names are two). The first start holds a lock file and
// listens on a local socket of that name; a later start asks it to restore and raise its window.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &name = {});
    ~SingleInstance() override;

    bool isFirst() const { return m_first; }
    // A later start: asks the first to raise its window; true when the first answered.
    bool handOverToFirst();
    // The first start: raises the window whenever a later start asks.
    void serve(QWidget *window);

    static QString nameOf(const QString &executableFileName);

private:
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    bool m_first = false;
};

} // namespace zedur
