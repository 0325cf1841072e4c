#include "common/ui/Desktop.h"

#include "common/Messages.h"
#include "common/SpreadsheetExport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace zedur {

namespace {

class BoxSink : public MessageSink
{
public:
    bool show(MessageKind kind, const QString &title, const QString &text, bool yesNo) override
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        switch (kind) {
        case MessageKind::Warning:
            icon = QMessageBox::Warning;
            break;
        case MessageKind::Error:
            icon = QMessageBox::Critical;
            break;
        case MessageKind::Information:
            icon = QMessageBox::Information;
            break;
        case MessageKind::Question:
            icon = QMessageBox::Question;
            break;
        case MessageKind::Plain:
            break;
        }
        // Texts carry "\n\r" line breaks; Qt would draw the "\r" as an empty line.
        QMessageBox box(icon, title.isEmpty() ? defaultMessageTitle(kind) : title, plainLines(text),
                        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, QApplication::activeWindow());
        return box.exec() == QMessageBox::Yes;
    }
};

} // namespace

void useMessageBoxes()
{
    static BoxSink boxes;
    setDefaultMessageSink(&boxes);
}

void useDesktop()
{
    useMessageBoxes();
    setFileOpener([](const QString &path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });
}

} // namespace zedur
