#include "common/ui/ButtonBar.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace zedur {

namespace {
struct ButtonText {
    const char *name;
    const char *caption;
};
ButtonText textOf(Button b)
{
    switch (b) {
    case Button::Insert:
        return {"InsertBtn", "&I 등록"};
    case Button::Cancel:
        return {"CancelBtn", "&C 취소"};
    case Button::Save:
        return {"SaveBtn", "&S 저장"};
    case Button::Delete:
        return {"DeleteBtn", "D 삭제"};
    case Button::Print:
        return {"PrintBtn", "&P 엑셀"};
    case Button::Close:
        return {"CloseBtn", "&X 종료"};
    }
    return {"", ""};
}

bool enabledIn(Button b, int mode)
{
    switch (b) {
    case Button::Close:
        return true;
    case Button::Insert:
        return mode == 1;
    case Button::Cancel:
    case Button::Save:
        return mode == 2 || mode == 3;
    case Button::Delete:
    case Button::Print:
        return mode == 2;
    }
    return false;
}
} // namespace

ButtonBar::ButtonBar(QWidget *parent, const QList<Button> &buttons) : QWidget(parent)
{
    setObjectName(QStringLiteral("ButtonPanel"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (Button b : buttons) {
        const ButtonText text = textOf(b);
        QPushButton *button = addButton(QString::fromUtf8(text.name), QString::fromUtf8(text.caption));
        connect(button, &QPushButton::clicked, this, [this, b] { emit clicked(b); });
        m_buttons.append({b, button});
    }
}

QPushButton *ButtonBar::addButton(const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumHeight(30);
    layout()->addWidget(button);
    return button;
}

QPushButton *ButtonBar::button(Button which) const
{
    for (const auto &[b, button] : m_buttons)
        if (b == which)
            return button;
    return nullptr;
}

void ButtonBar::applyMode(int mode)
{
    for (const auto &[b, button] : m_buttons)
        button->setEnabled(enabledIn(b, mode));
}

} // namespace zedur
