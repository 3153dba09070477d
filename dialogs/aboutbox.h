// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Heliodial;
class Picture;
class QFrame;
class QLabel;
class QPushButton;

// The About box. Its icon, released with Ctrl and Alt held, opens the photo
// window.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(Heliodial &app);

    QFrame *Panel1;
    Picture *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QLabel *Comments;
    QPushButton *OKButton;

public slots:
    void ProgramIconMouseUp(Qt::KeyboardModifiers keys);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Heliodial &m_app;
};
