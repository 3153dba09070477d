#pragma once

#include <QDialog>

class Heliodial;

// The alignment finder: when do the ticked planets next line up as seen from
// the Earth.
class TFAlignment : public QDialog {
    Q_OBJECT
public:
    explicit TFAlignment(Heliodial &app);

private:
    Heliodial &m_app;
};
