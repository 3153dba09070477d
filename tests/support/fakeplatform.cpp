#include "support/fakeplatform.h"

Platform::Button FakePlatform::messageBox(QWidget *, MessageKind kind, const QString &text)
{
    messages.append({kind, text});
    if (!answers.isEmpty())
        return answers.takeFirst();
    return kind == MessageKind::Confirmation ? Button::Yes : Button::Ok;
}

int FakePlatform::runModal(QDialog *dialog)
{
    return modal ? modal(dialog) : 0;
}
