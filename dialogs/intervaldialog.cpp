#include "dialogs/intervaldialog.h"

TForm3::TForm3(Heliodial &app) : QDialog(nullptr), m_app(app)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Planet Movement interval"));
    setFixedSize(318, 98);
}
