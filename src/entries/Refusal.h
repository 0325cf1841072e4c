#pragma once

#include "common/Messages.h"

#include <QString>
#include <optional>
#include <utility>

namespace zedur {

// Why an entry screen does not go on with an action, and how it tells the user: the
// box to show, the control that gets the focus and whether the boxes are emptied.
struct Refusal {
    explicit Refusal(QString text = {}, QString focus = {}, bool clearsBoxes = false, bool selectsText = false)
        : text(std::move(text)), focus(std::move(focus)), clearsBoxes(clearsBoxes), selectsText(selectsText)
    {
    }

    QString text;             // the box's text; empty: no box, the focus just moves
    QString focus;            // objectName of the control to focus; empty: the button panel
    bool clearsBoxes = false; // the screen empties its boxes and forgets the picked row
    bool selectsText = false; // the focused box's text is selected for retyping
    MessageKind kind = MessageKind::Warning;
    std::optional<QString> focusText; // what the focused box is set to (a day moved to the first allowed one)
};

// nullopt: the action went ahead.
using Verdict = std::optional<Refusal>;

// A value worked out from the boxes, or the refusal that stops the user where he is.
// Where a function says so, the value is filled in even when refused (the screen shows
// it and still keeps the focus).
template <typename T> struct Checked {
    Verdict refusal;
    T value{};
    bool ok() const { return !refusal; }
};

} // namespace zedur
