#pragma once

#include "common/ui/RecordScreen.h"
#include "masters/MasterCodes.h"

namespace zedur {

// A master code screen: its screen and the master it keeps.
struct MasterCodeSetup {
    ScreenSetup screen;
    masters::MasterKind kind;
};

// A master-data code screen: register, edit, search, delete and export the codes of one
// master table. Codes and names stay distinct across both masters; a code used in a product
// tree is locked.
class MasterCodeScreen : public RecordScreen
{
    Q_OBJECT
public:
    MasterCodeScreen(const MasterCodeSetup &setup, QWidget *parent);

protected:
    // The concrete screen declares its serial, code and name boxes with these.
    void setKeyBoxes(QLineEdit *serial, QLineEdit *code, QLineEdit *name);

    void pQuery() override;
    void insertClicked() override;
    void cancelClicked() override;
    void saveClicked() override;
    void deleteClicked() override;
    void printClicked() override;
    void onFirstShow() override;

private:
    bool codeLeft();
    bool nameLeft();
    // Whether the value is already taken in this master (other than by the row being
    // edited) or in the other one; shows the warning, focuses the box.
    bool refuseTaken(QLineEdit *box, bool code, const QString &exceptSerial);
    // Whether the row's code, as typed or as stored, is used in a product tree.
    bool usedInTree(const QString &storedCode);
    QString storedCode();
    void writeRow(bool insert);
    // The new row in one transaction, under the serial still free at that moment.
    void insertNewRow();
    void showOnly(const QString &serial);

    MasterCodeSetup m_setup;
    QLineEdit *m_serial = nullptr;
    QLineEdit *m_code = nullptr;
    QLineEdit *m_name = nullptr;
};

} // namespace zedur
