#pragma once

#include <QDialog>

class Heliodial;

// The movement interval dialog: days per animation step.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(Heliodial &app);

private:
    Heliodial &m_app;
};
