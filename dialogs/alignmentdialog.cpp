#include "dialogs/alignmentdialog.h"

TFAlignment::TFAlignment(Heliodial &app) : QDialog(nullptr, Qt::Tool), m_app(app)
{
    setObjectName(QStringLiteral("FAlignment"));
    setWindowTitle(QStringLiteral("  Planet Alignment"));
    setFixedSize(131, 330);
}
