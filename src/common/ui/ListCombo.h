#pragma once

#include "common/KeySet.h"

#include <QComboBox>

namespace zedur {

// A combo box that takes only a pick from its list: typed characters are refused, the
// list drops down when the box is entered from the keyboard, and leaving it without a
// valid pick warns "잘못 선택 하였읍니다....." and returns the focus (checked by the screen's
// exit rules, see ExitGuard).
class ListCombo : public QComboBox
{
    Q_OBJECT
public:
    explicit ListCombo(const QString &objectName, const QStringList &items = {}, QWidget *parent = nullptr);

    bool hasValidPick() const { return currentIndex() >= 0 && currentIndex() < count(); }
    // The entry picked; the first one while there is no valid pick.
    QString pickOrFirst() const { return hasValidPick() ? currentText() : itemText(0); }
    // Shows the warning and keeps the focus when the pick is not valid.
    bool checkPick();
    // Typed characters of this set pass without the refusal (they pick nothing); any other
    // is refused, as in every list.
    void takeKeys(KeySet keys);

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    QObject *m_keyFilter = nullptr;
};

inline const QString wrongPickText = QStringLiteral("잘못 선택 하였읍니다.....");

} // namespace zedur
