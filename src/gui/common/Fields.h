// Behaviour shared by the program's numeric fields: keystroke filters and the
// "." to "," repair when a field loses the focus.
#pragma once

#include <QLineEdit>

#include <functional>

namespace vornax {

enum class KeyFilter {
    Digits,   // digits and backspace
    Decimal,  // digits, backspace, "," and "."
};

// Drops every typed character the filter does not allow (editing keys such as
// arrows, delete and tab pass).
void installKeyFilter(QLineEdit* field, KeyFilter filter);

// Runs `handler` every time the keyboard focus leaves the widget for another
// control of the same window; not when a menu opens, a message box appears
// or another window or program takes the focus.
void onFocusLost(QWidget* widget, std::function<void()> handler);

// Turns every "." of the field into "," when it loses the focus, then runs
// `then` (the field's own lost-focus handler) when given.
void commaOnFocusLost(QLineEdit* field, std::function<void()> then = {});

// A decimal field: the Decimal key filter and the comma repair.
inline void makeDecimalField(QLineEdit* field, std::function<void()> then = {})
{
    installKeyFilter(field, KeyFilter::Decimal);
    commaOnFocusLost(field, std::move(then));
}

}  // namespace vornax
