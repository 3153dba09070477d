#include "dialogs/photowindow.h"

#include "app/heliodial.h"
#include "app/platform.h"

THiddenForm::THiddenForm(Heliodial &app) : QWidget(nullptr), m_app(app)
{
    setObjectName(QStringLiteral("HiddenForm"));
    setWindowTitle(QStringLiteral("Heliodial"));
    resize(545, 512);
    const QSize screen = app.platform().screenSize();
    move(screen.width() / 2 - width() / 2, screen.height() / 2 - height() / 2);
}
