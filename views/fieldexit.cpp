// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/fieldexit.h"

#include <QFocusEvent>
#include <QObject>
#include <QWidget>

namespace {

class FieldExitFilter : public QObject {
public:
    FieldExitFilter(QWidget *field, std::function<void()> handler)
        : QObject(field), m_handler(std::move(handler))
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_handler();
        }
        return false;
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void OnFieldExit(QWidget *field, std::function<void()> handler)
{
    new FieldExitFilter(field, std::move(handler));
}
