#pragma once

#include <QDialog>

class Heliodial;

// The About box.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(Heliodial &app);

private:
    Heliodial &m_app;
};
