#include "common/ui/DerivedBox.h"

#include "common/TextNumber.h"

#include <QLineEdit>
#include <cmath>
#include <memory>

namespace zedur {

namespace {
// The number a box shows; NaN for text that is none (and for an empty box, which is no value yet).
double shownValue(const QString &text)
{
    if (text.trimmed().isEmpty() || !IsDouble(text))
        return std::nan("");
    return fNumValue(fDeleteBlank(text));
}
} // namespace

DerivedBox::DerivedBox(QLineEdit *box, const QList<QLineEdit *> &sources, QObject *parent) : QObject(parent), m_box(box)
{
    connect(box, &QLineEdit::textEdited, this, [this] { m_typed = true; });
    // Another value in a source, typed or picked, makes a typed value stale; the same value
    // shown in another format ("3" left as "3.0000") does not.
    for (QLineEdit *source : sources) {
        auto shown = std::make_shared<double>(shownValue(source->text()));
        connect(source, &QLineEdit::textChanged, this, [this, source, shown] {
            const double value = shownValue(source->text());
            if (value == *shown || (std::isnan(value) && std::isnan(*shown)))
                return;
            *shown = value;
            m_typed = false;
        });
    }
}

} // namespace zedur
