#pragma once

#include <QMainWindow>
#include <QTreeWidget>
#include <memory>

class QPlainTextEdit;

namespace zedur {

class Db;
class IntegrityCheckRecord;
class PreparedRestore;
struct BackupInfo;

// The tree menu: a click on a group toggles it, a click on an expand button only expands
// or collapses, a click on an entry runs it; moving with the keyboard opens nothing.
class MenuTreeView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit MenuTreeView(QWidget *parent = nullptr);
signals:
    void entryClicked(int code);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// The main screen: the tree menu on the left, the program's description on the right.
// Every other screen opens from the menu, modally, and is destroyed when closed.
class TMC_ZedUrMain_Form : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMC_ZedUrMain_Form(QWidget *parent = nullptr);
    ~TMC_ZedUrMain_Form() override;

    // Whether the database could be opened when the screen was created.
    bool connected() const { return bool(m_connection); }

    void pRunMenu(int code);

    // The program ends as it should: the next start need not check the books for damage a
    // crash might have left.
    void stoppedCleanly();

    // The start-up check found the books damaged (`damage`: what it found): logged, and the
    // newest whole backup offered; when the user takes it the books are restored and opened,
    // otherwise no screen opens on them.
    void booksFoundDamaged(const QStringList &damage);

    QWidget *Panel1;
    MenuTreeView *tvGroup;
    QWidget *Panel3;
    QPlainTextEdit *Memo2;
    QPlainTextEdit *Memo3;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Opens the screen of menu entry `code` modally; F1 on it opens that entry's section of the manual.
    template <class ScreenClass> void showScreen(int code);
    // Whether the books file is sound, checked only when a check is due.
    bool booksLookSound();
    void openBooks();
    void pClose();
    void pShow_110();
    void pShow_111();
    void pShow_112();
    void pShow_113();
    void pShow_114();
    void pShow_210();
    void pShow_211();
    void pShow_212();
    void pShow_213();
    void pShow_214();
    void pShow_215();
    void pShow_216();
    void pShow_217();
    void pShow_218();
    void pShow_310();
    void pShow_311();
    void pShow_312();
    void pShow_313();
    void pShow_314();
    void pShow_315();
    void pShow_351();
    void pShow_352();
    void pShow_353();
    void pShow_354();
    void pShow_355();
    void pShow_356();
    void pShow_510();
    void pShow_511();
    void pShow_512();
    // A restore a screen prepared and the user confirmed: every connection of the program
    // closed, the books replaced, opened again.
    void performRestore(std::unique_ptr<PreparedRestore> prepared);

    std::unique_ptr<Db> m_connection; // ADOConnection1: held for the program's life
    QString m_damageWarning;          // set when the start-up check found the books damaged
    std::unique_ptr<IntegrityCheckRecord> m_checkRecord; // books in a file only
};

// The main screen's description text.
QString mainDescriptionText();

// The warning for books the start-up check found damaged, naming the file and the newest
// backup (empty when there is none).
QString damagedBooksText(const QString &databaseFile, const QString &backup);
// The question that offers the newest whole backup for damaged books.
QString damagedBooksOffer(const QString &databaseFile, const BackupInfo &backup);

} // namespace zedur
