#include "dialogs/aboutbox.h"

TAboutBox::TAboutBox(Heliodial &app) : QDialog(nullptr), m_app(app)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(298, 179);
}
