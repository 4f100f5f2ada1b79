#include "gui/common/Fields.h"

#include "common/NumberText.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>

namespace vornax {
namespace {

class KeyFilterObject final : public QObject {
public:
    KeyFilterObject(QObject* parent, KeyFilter filter) : QObject(parent), filter_(filter) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            if (text.size() == 1 && text[0].isPrint()) {
                const QChar c = text[0];
                const bool allowed = c.isDigit() || (filter_ == KeyFilter::Decimal && (c == ',' || c == '.'));
                if (!allowed)
                    return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    KeyFilter filter_;
};

class FocusLostObject final : public QObject {
public:
    FocusLostObject(QObject* parent, std::function<void()> handler) : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut && handler_ && leftForAnotherControl(watched, event))
            handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    // A menu opening, a message box appearing or another program taking the
    // focus is no leaving of the field: the check would run in the middle of
    // what the user is doing (a menu command, a message about this very
    // field). Only the focus going to another control of the same window
    // counts.
    static bool leftForAnotherControl(QObject* watched, QEvent* event)
    {
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason: return false;
        default: break;
        }
        const QWidget* next = QApplication::focusWidget();
        const auto* field = qobject_cast<QWidget*>(watched);
        return !next || !field || next->window() == field->window();
    }

    std::function<void()> handler_;
};

}  // namespace

void installKeyFilter(QLineEdit* field, KeyFilter filter)
{
    field->installEventFilter(new KeyFilterObject(field, filter));
}

void onFocusLost(QWidget* widget, std::function<void()> handler)
{
    widget->installEventFilter(new FocusLostObject(widget, std::move(handler)));
}

void commaOnFocusLost(QLineEdit* field, std::function<void()> then)
{
    onFocusLost(field, [field, then = std::move(then)] {
        const QString text = field->text();
        if (text.contains('.'))
            field->setText(QString::fromStdString(pointsToCommas(text.toStdString())));
        if (then)
            then();
    });
}

}  // namespace vornax
