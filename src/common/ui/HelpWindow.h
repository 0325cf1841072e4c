#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace zedur {

// The manual in a window of the program, offline. It is a window of its own but a child of
// the window it was asked from, so that it can be read beside a modal screen and goes when
// that screen closes.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    // Opens the manual over `from`'s window at the section named `section` (a menu entry's
    // text; empty: the table of contents), reusing that window's help window when it has one.
    // Says so, and logs it, when the manual is missing. Returns the window, or nullptr.
    static HelpWindow *showSection(QWidget *from, const QString &section);

    QTextBrowser *tbManual;
    QPushButton *btnContents;
    QPushButton *btnBack;
    QPushButton *btnForward;

private:
    explicit HelpWindow(QWidget *parent);
    void open(const QUrl &url);
};

// The help key: F1 on any window of the program opens the manual at the section of the
// screen it was pressed on (set by setHelpSection on the screen or one of its parents),
// else at its start. Installed once for the whole program.
void installHelpKey();
void setHelpSection(QWidget *screen, const QString &section);
// The section F1 opens for `w`: the nearest one set on it or its parents.
QString helpSectionOf(const QWidget *w);

} // namespace zedur
