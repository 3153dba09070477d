#pragma once

#include <QDialog>

class Heliodial;

// The latitude dialog of the horizon line.
class TFLatitude : public QDialog {
    Q_OBJECT
public:
    explicit TFLatitude(Heliodial &app);

private:
    Heliodial &m_app;
};
