#include "common/ui/HelpWindow.h"

#include "common/ErrorLog.h"
#include "common/Manual.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zedur {

namespace {

const char *const sectionProperty = "zedurHelpSection";

void sayManualMissing()
{
    const QString text =
        QStringLiteral("사용 설명서를 찾을 수 없습니다.") + LB +
        QStringLiteral("프로그램 폴더의 manual 폴더나 설치된 share/zedur/manual 폴더에 있어야 합니다.") + LB +
        QStringLiteral("프로그램을 다시 설치하거나 다시 빌드해 주세요.");
    msg::warning(text);
    if (!LogError({QStringLiteral("procedure HelpWindow.showSection;"), QStringLiteral("사용 설명서 열기"),
                   QStringLiteral("ManualMissing"), QCoreApplication::applicationDirPath()}))
        msg::error(QStringLiteral("오류 기록 파일에 기록할 수 없습니다.") + LB + errorLogPath());
}

class HelpKey : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1 ||
            !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        // F1 inside the manual itself stays there.
        if (qobject_cast<HelpWindow *>(widget->window()))
            return true;
        HelpWindow::showSection(widget, helpSectionOf(widget));
        return true;
    }
};

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("도움말 - 제조원가 계산 사용 설명서"));
    resize(940, 760);

    btnContents = new QPushButton(QStringLiteral("목차"), this);
    btnContents->setObjectName(QStringLiteral("btnContents"));
    btnBack = new QPushButton(QStringLiteral("◀ 뒤로"), this);
    btnBack->setObjectName(QStringLiteral("btnBack"));
    btnForward = new QPushButton(QStringLiteral("앞으로 ▶"), this);
    btnForward->setObjectName(QStringLiteral("btnForward"));
    auto *close = new QPushButton(QStringLiteral("닫기"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    tbManual = new QTextBrowser(this);
    tbManual->setObjectName(QStringLiteral("tbManual"));
    tbManual->setOpenExternalLinks(false);
    tbManual->setOpenLinks(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnContents);
    buttons->addWidget(btnBack);
    buttons->addWidget(btnForward);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(tbManual, 1);

    btnBack->setEnabled(false);
    btnForward->setEnabled(false);
    connect(btnContents, &QPushButton::clicked, this, [this] { open(manualStart()); });
    connect(btnBack, &QPushButton::clicked, tbManual, &QTextBrowser::backward);
    connect(btnForward, &QPushButton::clicked, tbManual, &QTextBrowser::forward);
    connect(tbManual, &QTextBrowser::backwardAvailable, btnBack, &QPushButton::setEnabled);
    connect(tbManual, &QTextBrowser::forwardAvailable, btnForward, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void HelpWindow::open(const QUrl &url)
{
    tbManual->setSource(url);
    // A section opened again from its screen starts at its heading, wherever it was scrolled to.
    if (!url.fragment().isEmpty())
        tbManual->scrollToAnchor(url.fragment());
}

HelpWindow *HelpWindow::showSection(QWidget *from, const QString &section)
{
    const QUrl url = manualSection(section);
    if (url.isEmpty()) {
        sayManualMissing();
        return nullptr;
    }
    QWidget *over = from ? from->window() : nullptr;
    auto *help = over ? over->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!help)
        help = new HelpWindow(over);
    help->show();
    help->open(url);
    help->raise();
    help->activateWindow();
    return help;
}

void installHelpKey()
{
    static HelpKey *key = nullptr;
    if (key)
        return;
    key = new HelpKey(qApp);
    qApp->installEventFilter(key);
}

void setHelpSection(QWidget *screen, const QString &section)
{
    screen->setProperty(sectionProperty, section.trimmed());
}

QString helpSectionOf(const QWidget *w)
{
    for (; w; w = w->parentWidget()) {
        const QVariant section = w->property(sectionProperty);
        if (section.isValid())
            return section.toString();
    }
    return {};
}

} // namespace zedur
