#pragma once

#include "model/geometry.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>

// A picture control: shows its picture stretched over its own rectangle,
// with a hover hint. Opaque pictures paint every pixel of the picture;
// transparent ones let what lies beneath show through their clear pixels.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(QWidget *panel, const QString &objectName, QSize size, const QString &resource = {},
            const QString &hint = {});

    // Shows a picture from the resources, at the density of the screen it
    // is on.
    void setPicture(const QString &resource);
    // Shows a picture made by the program.
    void setPicture(const QPixmap &pixmap);
    // The picture at its own size.
    const QPixmap &picture() const { return m_pixmap; }

    // Its place on the panel, and moving its centre to a point.
    Box box() const;
    Point centre() const { return box().centre(); }
    void placeCentre(Point centre);
    void centreIn(const QWidget *panel);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource; // where m_pixmap came from, if from the resources
    QIcon m_icon;       // the same at every density, made when first needed
    QPixmap m_pixmap;
};
