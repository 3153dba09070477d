#include "dialogs/latitudedialog.h"

TFLatitude::TFLatitude(Heliodial &app) : QDialog(nullptr), m_app(app)
{
    setObjectName(QStringLiteral("FLatitude"));
    setWindowTitle(QStringLiteral("Your latitude"));
    setFixedSize(310, 188);
    move(211, 193);
}
