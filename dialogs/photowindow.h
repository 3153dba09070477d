// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class Heliodial;
class QLabel;
class QPushButton;
class Picture;

// The photo window behind the About box's icon: a photograph carried inside
// the program, decoded with libjpeg.
class THiddenForm : public QWidget {
    Q_OBJECT
public:
    explicit THiddenForm(Heliodial &app);

    Picture *Image1;
    QLabel *Label1;
    QPushButton *btnClose;

    // What decoding the photograph said, if it failed.
    QString photoError() const { return m_photoError; }

    // Shows a picture decoded from JPEG bytes, or a placeholder that says
    // why it could not be read.
    void showPhotograph(const QByteArray &jpeg);

public slots:
    void btnCloseClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Heliodial &m_app;
    QString m_photoError;
};
