#pragma once

#include <QList>
#include <QObject>

class QLineEdit;

namespace zedur {

// A box the screen works out from others (an amount from its quantity and price) that the
// user may also type. Tells whether the value it shows stands on its own: typed by the user
// after its sources last changed, or shown from the stored row together with them. When it
// does not, a save works it out again from the sources, whichever way the user left them.
class DerivedBox : public QObject
{
public:
    DerivedBox(QLineEdit *box, const QList<QLineEdit *> &sources, QObject *parent);

    QLineEdit *box() const { return m_box; }
    bool typedOnPurpose() const { return m_typed; }
    // The box and its sources now show a stored row: its value stands as stored.
    void markStored() { m_typed = true; }
    void reset() { m_typed = false; }

private:
    QLineEdit *m_box;
    bool m_typed = false;
};

} // namespace zedur
