#pragma once

#include "common/ProgramLock.h"

#include <QObject>

class QLocalServer;
class QWidget;

namespace zedur {

// One running program per executable name (the same name in two folders is the same
// program; two copies under different names are two). The first start holds the program's
// lock and listens on a local socket of that name; a later start asks it to restore and
// raise its window.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &programName = {});
    ~SingleInstance() override;

    bool isFirst() const { return m_lock.held(); }
    // A later start: asks the first to raise its window; true when the first answered.
    bool handOverToFirst();
    // The first start: raises the window whenever a later start asks.
    void serve(QWidget *window);

private:
    ProgramLock m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace zedur
