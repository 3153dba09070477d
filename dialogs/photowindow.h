#pragma once

#include <QWidget>

class Heliodial;

// The photo window behind the About box's icon.
class THiddenForm : public QWidget {
    Q_OBJECT
public:
    explicit THiddenForm(Heliodial &app);

private:
    Heliodial &m_app;
};
